#pragma once

#include <array>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "loadinfo/ladder_chart.h"
#include "loads/load_database.h"
#include "platform/dialogs.h"

namespace deadhold {

// A column of the load list: heading and width in pixels.
struct LoadListColumn {
  const char* heading;
  int width;
};

// The Open Load browser ("Choose Load Data"): a caliber at a time, it lists the loads of the
// book and makes one current, deletes one, exports one to a .BLD file, imports one, or prints
// the whole book as a list. Rows are bound to their loads; the database is the only state that
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
  static constexpr std::array<LoadListColumn, 9> kColumns = {{{"Load Name", 110},
                                                              {"Bullet Weight", 80},
                                                              {"Bullet Mfg", 70},
                                                              {"Bullet Type", 70},
                                                              {"Powder Mfg", 70},
                                                              {"Powder Type", 80},
                                                              {"Powder Weight", 90},
                                                              {"Av. Velocity", 80},
                                                              {"Av. Group", 70}}};
  static constexpr int kNone = -1;
  using LoadRow = std::array<std::string, kColumns.size()>;

  // `printLoadList` starts the load-list printout and `showLadderChart` shows a ladder; the
  // dialog stays open meanwhile.
  OpenLoadDialog(LoadDatabase& database, Dialogs& dialogs,
                 const std::filesystem::path& startDirectory, std::function<void()> printLoadList,
                 std::function<void(const LadderChart&)> showLadderChart = {});

  // Opening: blank calibers are repaired (and reported), then the caliber choice is filled. An
  // empty book is reported and closes the dialog at once.
  void open();

  // One entry per run of neighbouring loads whose calibers match with A-Z folded, showing the
  // first load's caliber as stored.
  const std::vector<std::string>& caliberChoices() const { return caliberChoices_; }
  int chosenCaliber() const { return chosenCaliber_; }
  void chooseCaliber(int index);

  const std::vector<LoadRow>& loadRows() const { return loadRows_; }
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

  static LoadRow loadRow(const LoadRecord& load);

 private:
  void fillCaliberChoices();
  void fillLoadList();
  // The selected row's load, if that row still has one in the book.
  LoadRecord* selectedLoad() const;
  FilePrompt exchangePrompt() const;

  LoadDatabase& database_;
  Dialogs& dialogs_;
  const std::filesystem::path& startDirectory_;
  std::function<void()> printLoadList_;
  std::function<void(const LadderChart&)> showLadderChart_;

  std::vector<std::string> caliberChoices_;
  std::vector<LoadRecord*> caliberLoads_;  // the first load of each entry's run
  int chosenCaliber_ = kNone;
  std::vector<LoadRow> loadRows_;
  std::vector<LoadRecord*> rowLoads_;
  int selectedRow_ = kNone;
  bool rowButtonsEnabled_ = false;
  bool closed_ = false;
};

}  // namespace deadhold
