#pragma once

#include "loads/load_record.h"

namespace deadhold {

// The modal dialogs and the print job that the Load Information page's buttons open. The page
// decides when each runs and refreshes itself afterwards; each implementation does its own
// work and keeps its own references (database, catalogues, printer). Tests answer for the user.
class LoadInfoDialogs {
 public:
  virtual ~LoadInfoDialogs() = default;

  // The load editor on a working copy: true when the user accepted, the copy then holding the
  // edited load; false when the user quit, the copy to be ignored.
  virtual bool runEditLoad(LoadRecord& record) = 0;
  // The Open Load browser: it may change the current load, delete loads and import others.
  virtual void runOpenLoad() = 0;
  // The large target on the current load itself, which it edits in place.
  virtual void runShotString(LoadRecord& record) = 0;
  // Prints the current load: its ballistics report with the load, or the load alone.
  virtual void printLoad() = 0;
};

}  // namespace deadhold
