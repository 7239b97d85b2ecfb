#pragma once

#include <QDialog>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "components/component_selection.h"

class QPushButton;
class QTreeWidget;

namespace deadhold::ui {

// The face of the three catalogue selection dialogs: a list with one row per entry and the
// "Select" and "Cancel" buttons. "Select" (or a double-click, or Enter on a row once "Select"
// is enabled) accepts; "Cancel", Escape and the close box reject.
class ComponentSelectWindow : public QDialog {
  Q_OBJECT

 public:
  ComponentSelectWindow(const char* title, std::span<const ComponentColumn> columns,
                        const std::vector<std::vector<std::string>>& rows,
                        QWidget* parent = nullptr);

  // Runs for each row that gains or loses the highlight, losers first.
  void onHighlightChanged(std::function<void(int row)> changed) { changed_ = std::move(changed); }
  void setSelectEnabled(bool enabled);

  QTreeWidget* list() const { return list_; }

 private:
  void selectionChanged();

  QTreeWidget* list_;
  QPushButton* select_;
  std::function<void(int)> changed_;
  std::vector<int> highlighted_;
};

// Opens the selection dialog of one catalogue, read from the working directory, and returns
// its chosen entry: empty when the user chose nothing.
template <class Entry>
Entry runComponentSelection(QWidget* parent) {
  using Traits = ComponentSelectionTraits<Entry>;
  ComponentSelection<Entry> selection(Traits::kCatalogue);
  std::vector<std::vector<std::string>> rows;
  for (std::size_t row = 0; row < selection.rowCount(); ++row) {
    const auto texts = selection.rowTexts(row);
    rows.emplace_back(texts.begin(), texts.end());
  }
  ComponentSelectWindow window(Traits::kTitle, Traits::kColumns, rows, parent);
  window.onHighlightChanged([&selection, &window](int row) {
    selection.highlightChanged(static_cast<std::size_t>(row));
    window.setSelectEnabled(selection.selectEnabled());
  });
  if (window.exec() == QDialog::Accepted)
    selection.select();
  else
    selection.cancel();
  return selection.chosenEntry();
}

}  // namespace deadhold::ui
