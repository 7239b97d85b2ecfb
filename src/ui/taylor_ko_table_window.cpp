#include "taylor_ko_table_window.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "calculators/taylor_ko_table_dialog.h"
#include "dialog_units.h"
#include "surface/record_text.h"
#include "window_size.h"

namespace deadhold::ui {

TaylorKoTableWindow::TaylorKoTableWindow(const TaylorKoTableDialog& table, QWidget* parent)
    : QDialog(parent) {
  setFont(windowFont());
  setWindowTitle(TaylorKoTableDialog::kTitle);
  auto* explanation = new QLabel(TaylorKoTableDialog::kExplanation, this);
  explanation->setObjectName("explanation");
  explanation->setWordWrap(true);
  auto* information = new QLabel(fromRecordText(table.informationLine()), this);
  information->setObjectName("information");

  auto* list = new QTreeWidget(this);
  list->setObjectName("ratings");
  list->setRootIsDecorated(false);
  list->setUniformRowHeights(true);
  list->setSelectionBehavior(QAbstractItemView::SelectRows);
  list->setAllColumnsShowFocus(true);
  list->header()->setStretchLastSection(false);
  list->header()->setSectionsMovable(false);
  QStringList headings;
  for (const char* heading : TaylorKoTableDialog::kColumnHeadings) headings << heading;
  list->setHeaderLabels(headings);
  list->header()->resizeSection(0, TaylorKoTableDialog::kSpeciesColumnWidth);
  for (int column = 1; column < headings.size(); ++column)
    list->header()->resizeSection(column, TaylorKoTableDialog::kDistanceColumnWidth);
  for (const TaylorKoRow& row : table.rows()) {
    QStringList cells{fromRecordText(row.species)};
    for (const std::string& rating : row.ratings) cells << fromRecordText(rating);
    list->addTopLevelItem(new QTreeWidgetItem(cells));
  }

  auto* close = new QPushButton(TaylorKoTableDialog::kReturnCaption, this);
  close->setObjectName("return");
  close->setDefault(true);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(close);
  auto* column = new QVBoxLayout(this);
  column->addWidget(explanation);
  column->addWidget(information);
  column->addWidget(list, 1);
  column->addLayout(buttons);
  fixWindowSize(*this, 387, 241);
}

}  // namespace deadhold::ui
