#pragma once

#include <iosfwd>

#include "engine/drag_model.h"
#include "engine/trajectory.h"

namespace deadhold {

// The program's single ballistic solver and its one range table. Whoever computes (the
// Ballistics Calculator, the kill-zone search, the coefficient calculator) rewrites the whole
// table, and every reader sees the most recent computation. The program holds exactly one.
class Engine {
 public:
  // Fills all 1001 rows from the inputs and records lastInputs. Arguments are not validated:
  // out-of-model values give meaningless or non-finite rows, never a trap.
  void computeTrajectory(const BallisticInputs& inputs);

  const TrajectoryTable& table() const { return table_; }
  // Writable for the readers that own a change to it: the list clamps negative times in place,
  // the coefficient calculator restores the table it saved.
  TrajectoryTable& table() { return table_; }
  void clearTable();

  const LastInputs& lastInputs() const { return lastInputs_; }

  // The state of the last computation, kept between its steps.
  double densityRatio() const { return densityRatio_; }
  double muzzleSpace() const { return muzzleSpace_; }
  double muzzleTime() const { return muzzleTime_; }
  double slope() const { return slope_; }

  DragModel& dragModel() { return model_; }
  void setDiagnosticStream(std::ostream& stream) { model_.setDiagnosticStream(stream); }

 private:
  double spaceAt(int yard, double c) const;
  int traceYards(double c);
  void invertYards(double c, const DragBand& band, int start, int end);
  void fillRows(const BallisticInputs& in, int rows);

  // Working values per yard of one computation, kept apart so that the inversion runs over
  // whole arrays, which the compiler vectorises.
  struct YardValues {
    std::array<double, kTableRows> velocity;
    std::array<double, kTableRows> time;
  };

  DragModel model_;
  YardValues yards_{};
  TrajectoryTable table_{};
  LastInputs lastInputs_;
  double densityRatio_ = 0;
  double muzzleSpace_ = 0;
  double muzzleTime_ = 0;
  double slope_ = 0;
};

}  // namespace deadhold
