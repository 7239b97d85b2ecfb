#include "import_velocities_window.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "dialog_units.h"
#include "loadinfo/velocity_import.h"

namespace deadhold::ui {

ImportVelocitiesWindow::ImportVelocitiesWindow(ImportVelocitiesDialog& dialog, QWidget* parent)
    : QDialog(parent), dialog_(dialog) {
  setFont(windowFont());
  setWindowTitle(ImportVelocitiesDialog::kTitle);
  auto* column = new QVBoxLayout(this);
  // Chronograph files name themselves in UTF-8 (the reader decodes every encoding to it).
  auto* file = new QLabel(QString::fromUtf8(dialog.fileName()), this);
  file->setTextInteractionFlags(Qt::TextSelectableByMouse);
  column->addWidget(file);

  series_ = new QTreeWidget(this);
  series_->setObjectName("seriesList");
  series_->setRootIsDecorated(false);
  series_->setUniformRowHeights(true);
  series_->setSelectionBehavior(QAbstractItemView::SelectRows);
  QStringList headings;
  for (const char* heading : ImportVelocitiesDialog::kColumns) headings << heading;
  series_->setHeaderLabels(headings);
  for (const auto& row : dialog.rows()) {
    QStringList cells;
    for (const std::string& cell : row) cells << QString::fromUtf8(cell);
    auto* item = new QTreeWidgetItem(cells);
    for (int c = 1; c < series_->columnCount(); ++c) item->setTextAlignment(c, Qt::AlignRight);
    series_->addTopLevelItem(item);
  }
  series_->header()->setStretchLastSection(false);
  series_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
  for (int c = 1; c < series_->columnCount(); ++c)
    series_->header()->setSectionResizeMode(c, QHeaderView::ResizeToContents);
  series_->setMinimumWidth(fontMetrics().horizontalAdvance('0') * 60);
  connect(series_, &QTreeWidget::currentItemChanged, this, [this] {
    dialog_.chooseSeries(series_->indexOfTopLevelItem(series_->currentItem()));
    showState();
  });
  column->addWidget(series_);

  for (const std::string& warning : dialog.warnings()) {
    auto* line = new QLabel(QString::fromUtf8(warning), this);
    line->setWordWrap(true);
    column->addWidget(line);
  }

  auto* firstRow = new QHBoxLayout;
  firstShot_ = new QSpinBox(this);
  firstShot_->setObjectName("firstShot");
  auto* firstLabel = new QLabel("&First shot to take", this);
  firstLabel->setBuddy(firstShot_);
  connect(firstShot_, &QSpinBox::valueChanged, this, [this](int shot) {
    dialog_.chooseFirstShot(shot);
    showState();
  });
  range_ = new QLabel(this);
  range_->setObjectName("range");
  firstRow->addWidget(firstLabel);
  firstRow->addWidget(firstShot_);
  firstRow->addSpacing(8);
  firstRow->addWidget(range_, 1);
  column->addLayout(firstRow);

  auto* buttons = new QDialogButtonBox(this);
  import_ = buttons->addButton("&Import", QDialogButtonBox::AcceptRole);
  import_->setObjectName("import");
  buttons->addButton("&Cancel", QDialogButtonBox::RejectRole);
  connect(buttons, &QDialogButtonBox::accepted, this, [this] {
    dialog_.accept();
    if (dialog_.accepted()) accept();
  });
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  column->addWidget(buttons);
  showState();
  series_->setFocus();
}

void ImportVelocitiesWindow::showState() {
  {
    const QSignalBlocker blocker(series_);
    series_->setCurrentItem(series_->topLevelItem(dialog_.chosenSeries()));
  }
  {
    const QSignalBlocker blocker(firstShot_);
    firstShot_->setRange(1, dialog_.lastFirstShot());
    firstShot_->setValue(dialog_.firstShot());
    firstShot_->setEnabled(dialog_.lastFirstShot() > 1);
  }
  range_->setText(QString::fromUtf8(dialog_.rangeText()));
  import_->setEnabled(dialog_.canImport());
}

}  // namespace deadhold::ui
