#include "loadinfo/load_info_page.h"

#include "common/cformat.h"
#include "common/path_text.h"
#include "loadinfo/save_load_book.h"
#include "loadinfo/target_drawing.h"
#include "loads/load_messages.h"
#include "loads/load_rules.h"
#include "loads/load_text_report.h"

namespace deadhold {
namespace {

std::string setAsideReport(const SetAsideOutcome& aside, const std::filesystem::path& book) {
  if (aside.error) {
    return aside.error->message +
           "\n\nThe file is left as it was, and the loads of this session cannot be saved.";
  }
  return "The file was kept as " + pathText(aside.keptAs) + ". A new, empty load book starts; " +
         "the loads you make are saved as " + pathText(book) + ".";
}

}  // namespace

LoadInfoPage::LoadInfoPage(LoadDatabase& database, Dialogs& dialogs,
                           const std::filesystem::path& startDirectory)
    : database_(database), dialogs_(dialogs), startDirectory_(startDirectory) {}

void LoadInfoPage::initialise() {
  database_.readDatabase();
  // A book that exists but cannot be read must not look like an empty one, and a file that is
  // no book at all is moved out of the way rather than written over.
  if (database_.fileIsNoLoadBook()) {
    const std::string problem = database_.readProblem()->message;
    const SetAsideOutcome aside = database_.setAsideForeignFile();
    dialogs_.messageBox(problem + "\n\n" + setAsideReport(aside, database_.file()), kFileErrorTitle,
                        Buttons::Ok, Icon::Error);
  } else if (const auto& problem = database_.readProblem()) {
    dialogs_.messageBox(problem->message, kFileErrorTitle, Buttons::Ok, Icon::Error);
  }
  showCurrentLoad();
}

void LoadInfoPage::shutDown() {
  saveLoadBook(database_, dialogs_);
  database_.clearDatabase();
  showCurrentLoad();
}

void LoadInfoPage::showCurrentLoad() {
  const LoadRecord* load = database_.currentLoad();
  for (std::size_t i = 0; i < kLoadInfoFieldCount; ++i)
    fieldTexts_[i] = load ? loadInfoFieldText(*load, static_cast<LoadInfoField>(i)) : "";
  molyChecked_ = load && flagChecksBox(load->moly);
  crimpChecked_ = load && flagChecksBox(load->crimp);
  groupCaption_ = load ? cformat("Load Name: %s", load->loadName.str().c_str()) : "Load Name:";
  shotRows_.clear();
  if (load) {
    for (int i = 0; i < kShotCount; ++i)
      if (load->shots[i].shotPlaced != 0) shotRows_.push_back(shotListRow(load->shots[i], i + 1));
  }
  statisticsLines_ = load ? deadhold::statisticsLines(*load) : std::array<std::string, 2>{};
  // Always follows the current load, including after an Open Load that ends with one.
  loadButtonsEnabled_ = load != nullptr;
}

void LoadInfoPage::openLoad(LoadInfoDialogs& dialogs) {
  if (database_.loadCount() == 0) {
    dialogs_.messageBox(kDatabaseEmptyOnOpenMessage, kDatabaseEmptyTitle, Buttons::Ok);
    showCurrentLoad();
    return;
  }
  dialogs.runOpenLoad();
  showCurrentLoad();
}

void LoadInfoPage::newLoad(LoadInfoDialogs& dialogs) {
  LoadRecord load = blankLoadRecord();
  if (!dialogs.runEditLoad(load)) return;
  database_.setCurrentLoad(&database_.addLoadCopy(load));
  saveLoadBook(database_, dialogs_);
  showCurrentLoad();
}

void LoadInfoPage::editLoad(LoadInfoDialogs& dialogs) {
  LoadRecord* current = database_.currentLoad();
  if (!current) return;
  LoadRecord copy = *current;
  if (!dialogs.runEditLoad(copy)) return;
  database_.replaceLoad(*current, copy);
  saveLoadBook(database_, dialogs_);
  showCurrentLoad();
}

void LoadInfoPage::largeTarget(LoadInfoDialogs& dialogs) {
  LoadRecord* current = database_.currentLoad();
  if (!current) return;
  dialogs.runShotString(*current);
  showCurrentLoad();
}

void LoadInfoPage::saveToText() {
  const LoadRecord* current = database_.currentLoad();
  if (!current) return;
  FilePrompt prompt;
  prompt.defaultName = "LOAD";
  prompt.defaultExtension = ".TXT";
  prompt.filter = "Text Files (*.txt)|*.txt|All Files (*.*)|*.*||";
  prompt.confirmOverwrite = true;
  prompt.folderMustExist = true;
  prompt.initialFolder = startDirectory_;
  const auto file = dialogs_.promptSave(prompt);
  if (!file) return;
  if (const auto error = writeLoadTextReport(*file, *current))
    dialogs_.messageBox(withReason(kCouldNotOpenFileForWritingMessage, *error), kFileErrorTitle,
                        Buttons::Ok, Icon::Error);
}

void LoadInfoPage::print(LoadInfoDialogs& dialogs) {
  if (database_.currentLoad()) dialogs.printLoad();
}

void LoadInfoPage::paint(Surface& surface) {
  drawTarget(surface, kTargetLeft, kTargetTop, kTargetScale, kNoShotSelected, false, true,
             database_.currentLoad());
}

}  // namespace deadhold
