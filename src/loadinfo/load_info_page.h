#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "loadinfo/load_info_dialogs.h"
#include "loadinfo/load_info_fields.h"
#include "loads/load_database.h"
#include "platform/dialogs.h"
#include "platform/surface.h"

namespace deadhold {

// The Load Information tab: shows the current load read-only and opens everything that changes
// loads. It also brackets the load book's life: read when the page is created, written when it
// is destroyed. The view shows the state below after every call.
class LoadInfoPage {
 public:
  LoadInfoPage(LoadDatabase& database, Dialogs& dialogs,
               const std::filesystem::path& startDirectory);

  // Page creation: reads the load book and shows its current load.
  void initialise();
  // Page destruction: the last write of the load book, then the list is freed.
  void shutDown();

  // Refills every field, box, the caption, the shot list and the buttons from the current load
  // (or clears them without one).
  void showCurrentLoad();

  // The buttons. Those that open a dialog get it from `dialogs`.
  void openLoad(LoadInfoDialogs& dialogs);
  void newLoad(LoadInfoDialogs& dialogs);
  void editLoad(LoadInfoDialogs& dialogs);
  void largeTarget(LoadInfoDialogs& dialogs);
  void saveToText();
  void print(LoadInfoDialogs& dialogs);
  // A click on "Moly" or "Crimp" changes no load: the box springs back to the load's state.
  void clickMoly() { showCurrentLoad(); }
  void clickCrimp() { showCurrentLoad(); }

  // Draws what the page paints itself: the small target with the current load's holes.
  void paint(Surface& surface);

  const std::string& fieldText(LoadInfoField field) const {
    return fieldTexts_[static_cast<std::size_t>(field)];
  }
  bool molyChecked() const { return molyChecked_; }
  bool crimpChecked() const { return crimpChecked_; }
  const std::string& groupCaption() const { return groupCaption_; }
  const std::vector<ShotListRow>& shotRows() const { return shotRows_; }
  // Under the small target: the shot string's velocity statistics.
  const std::array<std::string, 2>& statisticsLines() const { return statisticsLines_; }
  // "&Edit Load", "&Large Target", "&Save to TXT" and "&Print": usable only with a current load.
  bool loadButtonsEnabled() const { return loadButtonsEnabled_; }

  // Small target picture: top-left corner and side in page pixels, and its scale.
  static constexpr int kTargetLeft = 320;
  static constexpr int kTargetTop = 250;
  static constexpr int kTargetSide = 120;
  static constexpr float kTargetScale = 0.2f;

 private:
  // A load book write after a change; a failure is shown and the loads stay in memory.
  void saveDatabase();

  LoadDatabase& database_;
  Dialogs& dialogs_;
  const std::filesystem::path startDirectory_;  // a copy: the page outlives no caller

  std::array<std::string, kLoadInfoFieldCount> fieldTexts_;
  bool molyChecked_ = false;
  bool crimpChecked_ = false;
  std::string groupCaption_ = "Load Name:";
  std::vector<ShotListRow> shotRows_;
  std::array<std::string, 2> statisticsLines_;
  bool loadButtonsEnabled_ = false;
};

}  // namespace deadhold
