#pragma once

#include "ballistics/kill_zone_dialog.h"
#include "calculators/caliber_dialog.h"
#include "calculators/taylor_ko_table_dialog.h"

namespace deadhold {

// The modal dialogs and the print job that the Ballistics Calculator's buttons open. The page
// decides when each runs and what follows; an implementation only shows the dialog on its model
// and reports how it was closed. Tests answer for the user.
class BallisticsPageDialogs {
 public:
  virtual ~BallisticsPageDialogs() = default;

  // "Deadhold Range": true for "OK", the dialog then holding the height; false for "Cancel".
  virtual bool runKillZone(KillZoneDialog& dialog) = 0;
  // "Enter Caliber": true for "&Accept", the dialog then holding the caliber; false for
  // "&Cancel", Escape or the close box.
  virtual bool runCaliberEntry(CaliberDialog& dialog) = 0;
  // "Taylor KO Values", already built, until the user presses "Return".
  virtual void showTaylorKoTable(const TaylorKoTableDialog& table) = 0;
  // Prints the ballistics report page. The page recomputes from its fields afterwards, since
  // the printout's kill-zone searches rewrite the range table.
  virtual void printBallistics() = 0;
};

}  // namespace deadhold
