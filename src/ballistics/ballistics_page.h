#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

#include "ballistics/ballistics_page_dialogs.h"
#include "ballistics/range_list_format.h"
#include "ballistics/trajectory_graph.h"
#include "engine/engine.h"
#include "engine/kill_zone_search.h"
#include "loads/load_database.h"
#include "platform/dialogs.h"
#include "platform/surface.h"

namespace deadhold {

// The page's eight edit fields.
enum class BallisticsField {
  Name,
  BallisticCoeff,
  BulletWeight,
  MuzzleVelocity,
  TargetDistance,
  ScopeHeight,
  Temperature,
  Altitude
};
inline constexpr std::size_t kBallisticsFieldCount = 8;

// The texts of the page's eight edit fields as the user sees them.
struct BallisticsFieldTexts {
  std::string name;
  std::string ballisticCoeff;
  std::string bulletWeight;
  std::string muzzleVelocity;
  std::string targetDistance;
  std::string scopeHeight;
  std::string temperature;
  std::string altitude;

  std::string& operator[](BallisticsField field);
  const std::string& operator[](BallisticsField field) const;
  friend bool operator==(const BallisticsFieldTexts&, const BallisticsFieldTexts&) = default;
};

// The Ballistics Calculator tab: the seven inputs of the program's computations, the name of the
// load they came from, the range list, and the flags its paint and the printouts read. Its
// public operations are the user's actions and what other pages ask of it; after each one the
// view shows the state below. The engine's range table is shared with every other computation.
class BallisticsPage {
 public:
  static constexpr std::size_t kLabelCapacity = 127;
  // Where the page paints its graph, and at what scale.
  static constexpr int kGraphLeft = 10;
  static constexpr int kGraphTop = 5;

  BallisticsPage(Engine& engine, LoadDatabase& database, Dialogs& dialogs,
                 const std::filesystem::path& startDirectory);

  // Page creation, before the load book is read: a zero table, the starting zero range,
  // temperature and altitude (the other four inputs stay 0 until the first hand-over), the
  // increment of 50 yards, and one computation whose empty list nobody sees.
  void initialise();

  // The hand-over from a load (or the default load): stores the seven values, replaces a 0 zero
  // range, temperature, altitude or scope height (never entered) with 250, 70, 500 or 1.5, and
  // fills the fields and the label. Nothing is validated or computed here.
  void setInputsFromLoad(double ballisticCoeff, double bulletWeight, double muzzleVelocity,
                         double targetDistance, double scopeHeight, double temperature,
                         double altitude, const std::string& label);

  // "&Re-Compute": reads and checks the fields, writes back to the load when asked, computes
  // and lists. Invalid values get one "Value Range Error" message and an empty list.
  void reCompute();
  // The seven inputs in their ranges; no message, no change.
  bool inputsAreValid() const;

  // The user's edits. A change of "Target Dist (yrds)" sets the zero range at once.
  void editField(BallisticsField field, const std::string& text);
  // "Auto Update Load Data" clicked; ticking it writes the current inputs into the load.
  void clickAutoUpdate(bool checked);
  // A "Range Increments" entry chosen (0 to 3); choosing the entry already chosen does nothing.
  void chooseRangeIncrement(int entry);
  void getLoadData();
  void saveToText();
  void calculateDhr(BallisticsPageDialogs& dialogs);
  void taylorKo(BallisticsPageDialogs& dialogs);
  void print(BallisticsPageDialogs& dialogs);
  // One kill-zone search sighting in from `start`, ended as every search is by Re-Compute, which
  // brings the inputs and the table back in line with the fields ("Calculate DHR" and the
  // printout's kill-zone table).
  KillZoneResult searchKillZone(const BallisticInputs& start, double height);

  // The page's paint: the Re-Compute a hand-over asked for, then the graph.
  void paint(Surface& surface);
  // The first half of the paint on its own, for views that must not open a message box while
  // they paint. Clears recomputePending.
  void runPendingRecompute();
  // The graph of the current table anywhere, at any scale (the printout draws it too).
  Rect drawTrajectoryGraph(Surface& surface, int x0, int y0, double widthScale,
                           double fontScale) const;

  const BallisticInputs& inputs() const { return inputs_; }
  const std::string& ballisticsLabel() const { return ballisticsLabel_; }
  const BallisticsFieldTexts& fieldTexts() const { return fieldTexts_; }
  // The check box as it shows; autoUpdate() is the state the page last took from it.
  bool autoUpdateChecked() const { return autoUpdateChecked_; }
  bool autoUpdate() const { return autoUpdate_; }
  int rangeIncrementEntry() const { return rangeIncrementEntry_; }
  float rangeIncrement() const { return rangeIncrement_; }
  const std::vector<RangeListCells>& listRows() const { return listRows_; }
  // "&Taylor KO", "&Save to TXT", "&Print" and "Calculate DHR" follow the latest validation.
  bool resultButtonsEnabled() const { return resultButtonsEnabled_; }
  const TrajectoryTable& table() const { return engine_.table(); }

  bool resultsValid() const { return resultsValid_; }
  bool inputsInvalid() const { return inputsInvalid_; }
  // Set by each hand-over; the page's next paint runs Re-Compute first and clears it.
  bool recomputePending() const { return recomputePending_; }
  void setRecomputePending(bool pending) { recomputePending_ = pending; }

 private:
  // The view's texts and check box become the page's; a "Name:" text longer than can be typed
  // is refused with the platform's message, and then the check box is not taken.
  void takeFieldTexts();
  void parseFieldTexts();
  // Takes and parses the fields and checks them with the range message; when they fail, the
  // inputs are marked invalid and the list is emptied. Results are no longer valid either way.
  bool readAndValidate();
  // The seven values into the fields in their formats, and the check box as the page holds it.
  void showInputs();
  bool validateWithMessage();
  void writeBackToLoad();
  void computeAndList();
  void refreshList();

  Engine& engine_;
  LoadDatabase& database_;
  Dialogs& dialogs_;
  const std::filesystem::path& startDirectory_;

  BallisticInputs inputs_;
  std::string ballisticsLabel_;
  BallisticsFieldTexts fieldTexts_;
  bool autoUpdateChecked_ = false;
  bool autoUpdate_ = false;
  int rangeIncrementEntry_;
  float rangeIncrement_;
  std::vector<RangeListCells> listRows_;
  bool resultButtonsEnabled_ = false;
  bool resultsValid_ = false;
  bool inputsInvalid_ = false;
  bool recomputePending_ = false;
};

}  // namespace deadhold
