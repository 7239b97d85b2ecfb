#pragma once

#include <optional>
#include <string>
#include <vector>

#include "engine/point_mass_solver.h"
#include "engine/trajectory.h"
#include "loads/load_database.h"
#include "platform/dialogs.h"
#include "platform/surface.h"
#include "platform/user_settings.h"
#include "rangecard/range_card.h"
#include "rangecard/range_card_cells.h"
#include "rangecard/range_card_printer.h"
#include "rangecard/range_card_texts.h"

namespace deadhold {

// The Range Card tab: a point-mass trajectory of the current load in the air, wind and angle of
// the day, as a table of come-ups and wind holds, a graph and a printed card. It starts from the
// current load (or the default load) and from the user's settings for what the load record has
// no place for; it never writes into the load. Its public operations are the user's actions;
// after each one the view shows the state below.
class RangeCardPage {
 public:
  RangeCardPage(LoadDatabase& database, Dialogs& dialogs, UserSettings& settings,
                std::string defaultLabel);

  // The tab is chosen. When the current load (or the default load, without one) differs from
  // the one the fields came from, they start from it again, with its bullet's settings, and the
  // next paint calculates; otherwise what the user typed stays. The first hand-over also
  // recalls the settings every card shares.
  void handOver();
  // "&Get Load Data": the fields start from the current load again, whatever was typed, and
  // the card is calculated.
  void getLoadData();

  void editField(RangeCardField field, const std::string& text);
  void chooseDragFunction(int entry);  // 0 G1, 1 G7: the coefficient field shows that one's
  void chooseAirEntry(int entry);      // 0 altitude, 1 pressure
  void chooseClickUnit(int entry);     // 0 MOA, 1 MIL

  // "&Calculate": reads the fields; values out of range get one "Value Range Error" message,
  // a zero range the bullet cannot be zeroed at a "Zero Not Found" one, and an empty table.
  // A card that was calculated is remembered in the user's settings.
  void calculate();
  // "&Print": calculates, and prints the card when there is one.
  void print(RangeCardPrinter& printer);
  // The calculation a hand-over asked for, run by the view outside its paint (it may open a
  // message box). Clears recomputePending.
  void runPendingRecompute();
  // The graph of the card, or of no card after values that failed.
  void drawGraph(Surface& surface, const Rect& area) const;

  const RangeCardTexts& texts() const { return texts_; }
  const std::string& fieldText(RangeCardField field) const;
  // "Altitude ft" or "Pressure inHg", as the air field holds one or the other.
  const char* airValueCaption() const;
  const std::string& label() const { return card_.label; }
  const std::vector<RangeCardCells>& listRows() const { return listRows_; }
  // What the table says besides its rows (bore angle, stability, a stall).
  const std::vector<std::string>& notes() const { return notes_; }
  const RangeCard& card() const { return card_; }
  bool resultsValid() const { return resultsValid_; }
  bool recomputePending() const { return recomputePending_; }

 private:
  // The current load's values and name, or the default load's.
  std::pair<BallisticInputs, std::string> currentLoad() const;
  void startFrom(const std::pair<BallisticInputs, std::string>& load);
  void clearResults();

  LoadDatabase& database_;
  Dialogs& dialogs_;
  UserSettings& settings_;
  const std::string defaultLabel_;
  PointMassSolver solver_;

  RangeCardTexts texts_;
  std::optional<std::pair<BallisticInputs, std::string>> handedOver_;
  RangeCard card_;
  std::vector<RangeCardCells> listRows_;
  std::vector<std::string> notes_;
  bool resultsValid_ = false;
  bool recomputePending_ = false;
};

}  // namespace deadhold
