#pragma once

#include <filesystem>

#include "ballistics/ballistics_page.h"
#include "engine/engine.h"
#include "loadinfo/load_info_page.h"
#include "loads/load_database.h"
#include "platform/dialogs.h"
#include "platform/user_settings.h"
#include "rangecard/range_card_page.h"
#include "shell/help_page.h"

namespace deadhold {

// Everything that lives as long as the program: the engine with its range table, the load book
// and the pages, made in that order and destroyed in reverse. The main window drives it: it
// creates the pages, shows the first one, switches tabs and destroys the pages when it closes.
// The view keeps one page visible: shownPage().
//
// The Range Card sits beside the Ballistics Calculator, the other page that computes from the
// current load; Misc Functions and Help follow it.
class Application {
 public:
  static constexpr int kNoPage = -1;
  static constexpr int kLoadInformationTab = 0;
  static constexpr int kBallisticsTab = 1;
  static constexpr int kRangeCardTab = 2;
  static constexpr int kMiscTab = 3;
  static constexpr int kHelpTab = 4;
  static constexpr int kTabCount = 5;

  // The load book lives in startDirectory (or the working directory when that is empty). What
  // the Range Card remembers goes to `settings`; without them it lasts for this run only.
  Application(Dialogs& dialogs, std::filesystem::path startDirectory);
  Application(Dialogs& dialogs, std::filesystem::path startDirectory, UserSettings& settings);
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  // The working directory at start-up, where every file prompt opens. A path longer than 255
  // characters is not kept (a cut path would name another folder): the prompts then open in
  // the working directory of the moment.
  static std::filesystem::path captureStartDirectory();

  // The pages' own initialisations, in the window's order: Ballistics Calculator, Load
  // Information (which reads the load book and shows its current load), Misc Functions, Help.
  // None of them is shown yet.
  void createPages();
  // The window's first paint while not minimized shows the Load Information page, once.
  // Returns whether this call showed it.
  bool showFirstPage();
  // A tab chosen: all pages hidden, then the chosen one refreshed or handed its inputs, and
  // shown. Any other tab number leaves every page hidden.
  void selectTab(int tab);
  // The window closes: the pages go in the order Ballistics Calculator, Load Information (the
  // last write of the load book), Misc Functions, Help. Later calls do nothing.
  void destroyPages();

  // A load file the program was started with: the user is asked, and a yes imports it through
  // "&Import Load"'s steps and messages; the imported load becomes the current one, so that it
  // shows at once.
  void offerImport(const std::filesystem::path& file);

  // The folder of the load book and catalogues, as the About box and Help name it.
  std::filesystem::path filesFolder() const;

  int shownPage() const { return shownPage_; }
  bool firstShowPending() const { return firstShowPending_; }

  const std::filesystem::path& startDirectory() const { return startDirectory_; }
  Dialogs& dialogs() { return dialogs_; }
  Engine& engine() { return engine_; }
  LoadDatabase& database() { return database_; }
  LoadInfoPage& loadInfoPage() { return loadInfoPage_; }
  BallisticsPage& ballisticsPage() { return ballisticsPage_; }
  RangeCardPage& rangeCardPage() { return rangeCardPage_; }
  HelpPage& helpPage() { return helpPage_; }

 private:
  // The current load's seven inputs and description, or the default load, to the Ballistics
  // Calculator, which recomputes at its next paint.
  void handOverToBallistics();

  Dialogs& dialogs_;
  const std::filesystem::path startDirectory_;
  SessionSettings sessionSettings_;
  Engine engine_;
  LoadDatabase database_;
  LoadInfoPage loadInfoPage_;
  BallisticsPage ballisticsPage_;
  RangeCardPage rangeCardPage_;
  HelpPage helpPage_;

  bool firstShowPending_ = true;
  int shownPage_ = kNoPage;
  bool pagesCreated_ = false;
  bool pagesDestroyed_ = false;
};

}  // namespace deadhold
