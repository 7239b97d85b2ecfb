#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ballistics/ballistics_page_dialogs.h"

namespace deadhold::testing {

// Answers the Ballistics Calculator's dialogs for the user: types a text into the kill-zone or
// caliber entry (nothing typed when empty) and presses OK or Cancel; records what the Taylor KO
// table showed and how often printing ran.
class FakeBallisticsPageDialogs : public BallisticsPageDialogs {
 public:
  bool runKillZone(KillZoneDialog& dialog) override {
    ++killZoneRuns;
    killZoneOkEnabledAtOpening = dialog.okEnabled();
    if (killZoneText) dialog.setFieldText(*killZoneText);
    return acceptKillZone && dialog.okEnabled();
  }
  bool runCaliberEntry(CaliberDialog& dialog) override {
    ++caliberRuns;
    if (caliberText) dialog.setFieldText(*caliberText);
    return acceptCaliber && dialog.acceptEnabled();
  }
  void showTaylorKoTable(const TaylorKoTableDialog& table) override {
    shownInformationLines.push_back(table.informationLine());
    shownTables.push_back(table.rows());
  }
  void printBallistics() override {
    ++printRuns;
    if (printScript) printScript();
  }

  std::optional<std::string> killZoneText;
  bool acceptKillZone = true;
  std::optional<std::string> caliberText;
  bool acceptCaliber = true;
  std::function<void()> printScript;

  int killZoneRuns = 0;
  bool killZoneOkEnabledAtOpening = false;
  int caliberRuns = 0;
  std::vector<std::string> shownInformationLines;
  std::vector<std::vector<TaylorKoRow>> shownTables;
  int printRuns = 0;
};

}  // namespace deadhold::testing
