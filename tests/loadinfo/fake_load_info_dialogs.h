#pragma once

#include <functional>
#include <vector>

#include "loadinfo/load_info_dialogs.h"

namespace deadhold::testing {

// Answers the Load Information page's dialogs for the user: the editor accepts or quits after
// an optional edit, and each dialog may run a script on what it was given.
class FakeLoadInfoDialogs : public LoadInfoDialogs {
 public:
  bool runEditLoad(LoadRecord& record) override {
    editedRecords.push_back(record);
    if (editScript) editScript(record);
    return acceptEdit;
  }
  void runOpenLoad() override {
    ++openLoadRuns;
    if (openLoadScript) openLoadScript();
  }
  void runShotString(LoadRecord& record) override {
    shotStringRecords.push_back(&record);
    if (shotStringScript) shotStringScript(record);
  }
  void printLoad() override { ++printRuns; }

  bool acceptEdit = true;
  std::function<void(LoadRecord&)> editScript;
  std::function<void()> openLoadScript;
  std::function<void(LoadRecord&)> shotStringScript;

  std::vector<LoadRecord> editedRecords;  // what the editor was opened on
  int openLoadRuns = 0;
  std::vector<LoadRecord*> shotStringRecords;
  int printRuns = 0;
};

}  // namespace deadhold::testing
