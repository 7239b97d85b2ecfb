#pragma once

#include <array>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "loadinfo/ladder_chart.h"
#include "loads/load_cells.h"
#include "loads/load_database.h"
#include "platform/dialogs.h"

namespace deadhold {

// A column of the load list: heading, width in pixels and the load's value shown.
struct LoadListColumn {
  const char* heading;
  int width;
  LoadCell cell;
};

// The Open Load browser ("Choose Load Data"): a caliber at a time, it lists the loads of the
// book and makes one current, deletes one, exports one to a .BLD file, imports one, or prints
// the whole book as a list. The rows are the chosen caliber's run of loads in the book, and a
// row's texts are made only when asked for, so that a caliber of any size lists at once. The
// lists are filled again after every change of the book; the database is the only state that
// outlives the dialog.
class OpenLoadDialog {
 public:
  static constexpr const char* kTitle = "Choose Load Data";
  static constexpr const char* kCaliberLabel = "Select Caliber";
  static constexpr const char* kSelectCaption = "&Select Load";
  static constexpr const char* kDeleteCaption = "&Delete Load";
  static constexpr const char* kPrintCaption = "&Print Load List";
  static constexpr const char* kExportCaption = "&Export Load";
  static constexpr const char* kImportCaption = "&Import Load";
  static constexpr const char* kCancelCaption = "&Cancel";
  static constexpr const char* kLadderCaption = "&Ladder Chart";
  static constexpr std::array<LoadListColumn, 9> kColumns = {{
      {"Load Name", 110, {LoadField::loadName}},
      {"Bullet Weight", 80, {LoadField::bulletWeight, LoadCell::kWhole, " grns"}},
      {"Bullet Mfg", 70, {LoadField::bulletMfg}},
      {"Bullet Type", 70, {LoadField::bulletType}},
      {"Powder Mfg", 70, {LoadField::powderMfg}},
      {"Powder Type", 80, {LoadField::powderType}},
      {"Powder Weight", 90, {LoadField::powderWeight, 1, " grns"}},
      {"Av. Velocity", 80, {LoadField::avVelocity, LoadCell::kWhole, " fps"}},
      {"Av. Group", 70, {LoadField::avGroup, 3, " in"}},
  }};
  static constexpr int kNone = -1;

  // `printLoadList` starts the load-list printout and `showLadderChart` shows a ladder; the
  // dialog stays open meanwhile.
  OpenLoadDialog(LoadDatabase& database, Dialogs& dialogs,
                 const std::filesystem::path& startDirectory, std::function<void()> printLoadList,
                 std::function<void(const LadderChart&)> showLadderChart = {});

  // Opening: blank calibers are repaired (and reported), then the caliber choice is filled. An
  // empty book is reported and closes the dialog at once.
  void open();

  // Called whenever the caliber choice and the load list have been filled again, before any
  // message that follows, so that the message never shows over rows that are gone.
  void setListsFilled(std::function<void()> listsFilled) { listsFilled_ = std::move(listsFilled); }

  // One entry per run of neighbouring loads whose calibers match with A-Z folded, showing the
  // first load's caliber as stored.
  const std::vector<std::string>& caliberChoices() const { return caliberChoices_; }
  int chosenCaliber() const { return chosenCaliber_; }
  void chooseCaliber(int index);

  int rowCount() const { return rowCount_; }
  // The row's load, or null for a row outside the list.
  const LoadRecord* rowLoad(int row) const;
  // A cell of the load list, on one line: a line break in a text shows as a space.
  std::string cellText(int row, int column) const;
  // The user changed a row (it gained or lost the highlight): it becomes the selected row. A
  // highlight removed by a click on empty space therefore keeps the row selected.
  void rowChanged(int row);
  int selectedRow() const { return selectedRow_; }
  // "&Select Load", "&Delete Load" and "&Export Load".
  bool rowButtonsEnabled() const { return rowButtonsEnabled_; }

  void selectLoad();
  void deleteLoad();
  void exportLoad();
  void importLoad();
  void printLoadList();
  // "&Ladder Chart": the chosen caliber's loads that share bullet and powder with the selected
  // row's load (without a selected row, the combination most of them share), by charge.
  void ladderChart();
  // "&Cancel", Escape, Enter or the close box; what was deleted or imported stays so.
  void cancel() { closed_ = true; }

  bool closed() const { return closed_; }

 private:
  void fillCaliberChoices();
  void fillLoadList();
  LoadRecord* loadOfRow(int row) const;
  FilePrompt exchangePrompt() const;

  LoadDatabase& database_;
  Dialogs& dialogs_;
  const std::filesystem::path startDirectory_;
  std::function<void()> printLoadList_;
  std::function<void(const LadderChart&)> showLadderChart_;
  std::function<void()> listsFilled_;

  std::vector<std::string> caliberChoices_;
  std::vector<int> caliberStarts_;  // the book position of each entry's first load
  int chosenCaliber_ = kNone;
  int firstRowPosition_ = 0;  // the book position of row 0
  int rowCount_ = 0;
  int selectedRow_ = kNone;
  bool rowButtonsEnabled_ = false;
  bool closed_ = false;
};

}  // namespace deadhold
