#pragma once

#include <optional>
#include <vector>

#include "engine/drag_table.h"
#include "engine/point_mass_flight.h"
#include "engine/point_mass_inputs.h"

namespace deadhold {

// The modern trajectory: a point mass under gravity and drag from a standard drag function of
// the Mach number, in moving air, integrated in distance along the line of sight with the
// classical fourth-order Runge-Kutta method. Each step covers the distance the bullet flies in
// a fixed time at its speed, so a bullet that slows is followed in shorter steps. Rows between
// steps come from the cubic through the ends of a step and their slopes. The legacy Engine stays
// the program's other solver.
//
// The zero is the bore angle that puts the path on the line of sight at the zero range, found
// level and without wind, as a rifle is sighted in; the table then flies at the look angle and
// in the wind with that bore angle. Density and speed of sound stay those of the firing point.
class PointMassSolver {
 public:
  static constexpr double kDefaultStepTime = 0.02;  // seconds of flight per integration step

  explicit PointMassSolver(double stepTime = kDefaultStepTime) : stepTime_(stepTime) {}

  // Zeroes, then lists the rows at 0, rowStep, 2 rowStep ... yards up to lastRange, and
  // lastRange itself. Inputs are not checked: the callers validate them first.
  const PointMassTable& solve(const PointMassInputs& inputs, double rowStep, double lastRange);
  // The same with a drag table of the caller's instead of the standard one of the inputs.
  const PointMassTable& solve(const PointMassInputs& inputs, const DragTable& drag, double rowStep,
                              double lastRange);

  const PointMassTable& table() const { return table_; }

 private:
  // Integrates from the muzzle over `distance` feet (a step further at most) into the nodes.
  // Answers false when the bullet stalls first; the nodes then end where it got to.
  bool flyTo(const Flight& flight, const FlightState& muzzle, double distance);
  std::optional<double> zeroAngle(const Flight& level, const PointMassInputs& inputs);
  void listRows(const PointMassInputs& inputs, double rowStep, double lastRange);

  double stepTime_;
  std::vector<FlightNode> nodes_;
  PointMassTable table_;
};

}  // namespace deadhold
