#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <sstream>
#include <string>

#include "ballistics/ballistics_page.h"
#include "support/fake_dialogs.h"
#include "support/temp_folder.h"

namespace deadhold::testing {

inline const std::string kDefaultLabel = "Default Load: .270 Winchester, 130 grn Sierra Gameking";

// A page on its own engine, an empty load book (never read) and recorded dialogs.
class BallisticsPageTest : public ::testing::Test {
 protected:
  BallisticsPageTest()
      : engine(std::make_unique<Engine>()),
        database(folder / "RELOADER.DAT"),
        startDirectory(folder.path()),
        page(*engine, database, dialogs, startDirectory) {
    engine->setDiagnosticStream(diagnostics);  // the first computation has no velocity yet
    page.initialise();
  }

  void handOverDefaultLoad() {
    page.setInputsFromLoad(0.436, 130, 3016, 250, 1.5, 70, 500, kDefaultLabel);
  }
  void type(BallisticsField field, const std::string& text) { page.editField(field, text); }

  // A load made current in the book, as the Load Information page would leave it.
  LoadRecord& addCurrentLoad(const LoadRecord& record) {
    LoadRecord& added = database.addLoadCopy(record);
    database.setCurrentLoad(&added);
    return added;
  }

  TempFolder folder;
  std::ostringstream diagnostics;
  std::unique_ptr<Engine> engine;
  LoadDatabase database;
  FakeDialogs dialogs;
  std::filesystem::path startDirectory;
  BallisticsPage page;
};

}  // namespace deadhold::testing
