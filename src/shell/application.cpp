#include "shell/application.h"

#include <system_error>

#include "common/path_text.h"
#include "loadinfo/load_import.h"
#include "loads/load_rules.h"
#include "shell/shell_texts.h"

namespace deadhold {

namespace {

constexpr std::size_t kStartDirectoryCapacity = 255;

std::filesystem::path databaseFileIn(const std::filesystem::path& folder) {
  return folder.empty() ? std::filesystem::path(kDatabaseFileName) : folder / kDatabaseFileName;
}

}  // namespace

Application::Application(Dialogs& dialogs, std::filesystem::path startDirectory)
    : Application(dialogs, std::move(startDirectory), sessionSettings_) {}

Application::Application(Dialogs& dialogs, std::filesystem::path startDirectory,
                         UserSettings& settings)
    : dialogs_(dialogs),
      startDirectory_(std::move(startDirectory)),
      database_(databaseFileIn(startDirectory_)),
      loadInfoPage_(database_, dialogs_, startDirectory_),
      ballisticsPage_(engine_, database_, dialogs_, startDirectory_),
      rangeCardPage_(database_, dialogs_, settings, kDefaultLoadLabel) {}

std::filesystem::path Application::filesFolder() const {
  std::error_code error;
  return startDirectory_.empty() ? std::filesystem::current_path(error) : startDirectory_;
}

void Application::offerImport(const std::filesystem::path& file) {
  const std::string question = "Import the load in " + pathText(file.filename()) +
                               " into the load book in " + pathText(filesFolder()) + "?";
  if (dialogs_.messageBox(question, kImportQuestionTitle, Buttons::YesNo, Icon::Question) !=
      Answer::Yes)
    return;
  LoadRecord* imported = importLoadWithMessages(database_, dialogs_, file);
  if (imported == nullptr) return;
  database_.setCurrentLoad(imported);
  if (shownPage_ == kLoadInformationTab) loadInfoPage_.showCurrentLoad();
}

std::filesystem::path Application::captureStartDirectory() {
  std::error_code error;
  std::filesystem::path directory = std::filesystem::current_path(error);
  if (error || directory.native().size() > kStartDirectoryCapacity) return {};
  return directory;
}

void Application::createPages() {
  if (pagesCreated_) return;
  pagesCreated_ = true;
  ballisticsPage_.initialise();
  loadInfoPage_.initialise();
  helpPage_.initialise();
}

bool Application::showFirstPage() {
  if (!firstShowPending_) return false;
  firstShowPending_ = false;
  shownPage_ = kLoadInformationTab;
  return true;
}

void Application::selectTab(int tab) {
  shownPage_ = kNoPage;
  switch (tab) {
    case kLoadInformationTab:
      loadInfoPage_.showCurrentLoad();
      break;
    case kBallisticsTab:
      handOverToBallistics();
      break;
    case kRangeCardTab:
      rangeCardPage_.handOver();
      break;
    case kMiscTab:
    case kHelpTab:
      break;
    default:
      return;
  }
  shownPage_ = tab;
}

void Application::handOverToBallistics() {
  if (const LoadRecord* load = database_.currentLoad()) {
    ballisticsPage_.setInputsFromLoad(load->ballisticCoeff, load->bulletWeight, load->avVelocity,
                                      load->targetDistance, load->scopeHeight, load->temperature,
                                      load->elevation, loadDescription(*load));
  } else {
    ballisticsPage_.setInputsFromLoad(kDefaultBallisticCoeff, kDefaultBulletWeight,
                                      kDefaultMuzzleVelocity, kDefaultTargetDistance,
                                      kDefaultScopeHeight, kDefaultTemperature, kDefaultAltitude,
                                      kDefaultLoadLabel);
  }
  ballisticsPage_.setRecomputePending(true);
}

void Application::destroyPages() {
  if (!pagesCreated_ || pagesDestroyed_) return;
  pagesDestroyed_ = true;
  shownPage_ = kNoPage;
  loadInfoPage_.shutDown();
}

}  // namespace deadhold
