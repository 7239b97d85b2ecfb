#pragma once

#include <array>
#include <string>
#include <vector>

#include "calculators/species_rating.h"
#include "engine/engine.h"
#include "platform/dialogs.h"

namespace deadhold {

// One species' ratings at 100, 200, ... 800 yards.
struct TaylorKoRow {
  std::string species;
  std::array<std::string, 8> ratings;
};

// "Taylor KO Values": rates the load of the engine's last computation against each species at
// 100 to 800 yards. It runs nothing: it reads the bullet weight of lastInputs and the table's
// velocities, and asks only for the caliber, which the engine does not know.
class TaylorKoTableDialog {
 public:
  static constexpr const char* kTitle = "Taylor KO Values";
  static constexpr const char* kExplanation =
      "The Taylor Knock-Out value was devised by John Taylor, a writer on African hunting "
      "rifles, to rate a rifle by its power to stop a charging animal and so judge whether it "
      "suits a particular game. Because most North American species do not charge, it tends to "
      "err on the high side for them. It is included here only as a matter of interest: shot "
      "placement and many other factors must be considered when choosing a rifle.";
  static constexpr std::array<const char*, 9> kColumnHeadings{"Species",  "100 yrds", "200 yrds",
                                                              "300 yrds", "400 yrds", "500 yrds",
                                                              "600 yrds", "700 yrds", "800 yrds"};
  static constexpr int kSpeciesColumnWidth = 78;
  static constexpr int kDistanceColumnWidth = 60;
  static constexpr const char* kReturnCaption = "Return";
  static constexpr const char* kInvalidCaliberTitle = "Invalid Caliber";
  static constexpr const char* kInvalidCaliberMessage =
      "Warning, Caliber must be greater than 0 and less than 1";

  TaylorKoTableDialog(const Engine& engine, Dialogs& dialogs);

  // Builds the table for the caliber entry's result: a cancelled entry (a negative caliber)
  // gets the "Invalid Caliber" message and leaves the table and the information line empty.
  void initialise(double caliber);

  const std::string& informationLine() const { return informationLine_; }
  const std::vector<TaylorKoRow>& rows() const { return rows_; }

  // Bullet weight in grains times velocity times caliber over 7000, multiplied in this order.
  static double knockout(double bulletWeight, double velocity, double caliber);

 private:
  const Engine& engine_;
  Dialogs& dialogs_;
  std::string informationLine_;
  std::vector<TaylorKoRow> rows_;
};

}  // namespace deadhold
