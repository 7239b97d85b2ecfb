#include "component_select_window.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "dialog_units.h"
#include "keyboard_list.h"
#include "surface/record_text.h"

namespace deadhold::ui {

ComponentSelectWindow::ComponentSelectWindow(const char* title,
                                             std::span<const ComponentColumn> columns,
                                             const std::vector<std::vector<std::string>>& rows,
                                             QWidget* parent)
    : QDialog(parent),
      list_(new KeyboardList<QTreeWidget>(this)),
      select_(new QPushButton("Select", this)) {
  setFont(windowFont());
  setWindowTitle(title);
  list_->setObjectName("componentList");
  list_->setRootIsDecorated(false);
  list_->setUniformRowHeights(true);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  list_->setSelectionBehavior(QAbstractItemView::SelectRows);
  list_->setAllColumnsShowFocus(true);
  list_->setSortingEnabled(false);
  list_->header()->setSectionsMovable(false);
  list_->header()->setStretchLastSection(false);
  list_->setColumnCount(static_cast<int>(columns.size()));
  QStringList headings;
  for (const ComponentColumn& column : columns) headings << column.heading;
  list_->setHeaderLabels(headings);
  for (std::size_t i = 0; i < columns.size(); ++i)
    list_->header()->resizeSection(static_cast<int>(i), columns[i].width);
  for (const auto& row : rows) {
    QStringList cells;
    for (const std::string& cell : row) cells << fromRecordText(cell);
    list_->addTopLevelItem(new QTreeWidgetItem(cells));
  }

  select_->setObjectName("selectButton");
  select_->setEnabled(false);
  select_->setDefault(true);
  auto* cancel = new QPushButton("Cancel", this);
  cancel->setObjectName("cancelButton");
  connect(select_, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(list_, &QTreeWidget::itemSelectionChanged, this,
          &ComponentSelectWindow::selectionChanged);
  connect(list_, &QTreeWidget::itemDoubleClicked, this, [this] {
    if (select_->isEnabled()) accept();
  });

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(select_);
  buttons->addWidget(cancel);
  auto* column = new QVBoxLayout(this);
  column->addWidget(list_, 1);
  column->addLayout(buttons);

  const DialogUnits units(font());
  resize(units.x(372), units.y(276));
}

void ComponentSelectWindow::setSelectEnabled(bool enabled) {
  select_->setEnabled(enabled);
}

void ComponentSelectWindow::selectionChanged() {
  std::vector<int> now;
  for (QTreeWidgetItem* item : list_->selectedItems())
    now.push_back(list_->indexOfTopLevelItem(item));
  // The row losing the highlight is reported before the one gaining it.
  if (changed_) {
    for (int row : highlighted_)
      if (std::find(now.begin(), now.end(), row) == now.end()) changed_(row);
    for (int row : now)
      if (std::find(highlighted_.begin(), highlighted_.end(), row) == highlighted_.end())
        changed_(row);
  }
  highlighted_ = std::move(now);
}

}  // namespace deadhold::ui
