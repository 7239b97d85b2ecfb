#include "load_info_page_widget.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeWidget>

#include "dialog_units.h"
#include "keyboard_list.h"
#include "loadinfo/load_info_page.h"
#include "surface/qpainter_surface.h"
#include "surface/record_text.h"

namespace deadhold::ui {

namespace {

// Fields in layout units: the bullet's five in the first column, then columns of six.
constexpr int kBulletRows = 5;
constexpr int kRows = 6;
constexpr int kColumnLeft = 6;
constexpr int kColumnPitch = 85;
constexpr int kFieldWidth = 80;
constexpr int kRowTop = 11;
constexpr int kRowPitch = 21;
constexpr int kLabelHeight = 9;
constexpr int kEditHeight = 11;

QPoint fieldCell(std::size_t index) {
  if (index < kBulletRows) return {0, static_cast<int>(index)};
  const int rest = static_cast<int>(index) - kBulletRows;
  return {1 + rest / kRows, rest % kRows};
}

}  // namespace

LoadInfoPageWidget::LoadInfoPageWidget(LoadInfoPage& page, LoadInfoDialogs& dialogs,
                                       const DialogUnits& units, QWidget* parent)
    : QWidget(parent), page_(page), dialogs_(dialogs) {
  createFields(units);
  createShotList(units);
  createButtons(units);
  createStatistics(units);
  showState();
}

void LoadInfoPageWidget::createFields(const DialogUnits& units) {
  group_ = new QGroupBox(this);
  group_->setObjectName("loadNameGroup");
  group_->setGeometry(units.rect(0, 0, 347, 140));
  for (std::size_t i = 0; i < kLoadInfoFieldCount; ++i) {
    const QPoint cell = fieldCell(i);
    const int left = kColumnLeft + cell.x() * kColumnPitch;
    const int top = kRowTop + cell.y() * kRowPitch;
    auto* label = new QLabel(loadInfoFieldLabel(static_cast<LoadInfoField>(i)), group_);
    label->setGeometry(units.rect(left, top, kFieldWidth, kLabelHeight));
    auto* field = new QLineEdit(group_);
    field->setObjectName(QString("field%1").arg(i));
    field->setReadOnly(true);
    field->setGeometry(units.rect(left, top + kLabelHeight, kFieldWidth, kEditHeight));
    label->setBuddy(field);
    fields_[i] = field;
  }
  const int flagsTop = kRowTop + kBulletRows * kRowPitch + kLabelHeight;
  moly_ = new QCheckBox("Moly", group_);
  moly_->setObjectName("moly");
  moly_->setGeometry(units.rect(kColumnLeft, flagsTop, 36, kEditHeight));
  crimp_ = new QCheckBox("Crimp", group_);
  crimp_->setObjectName("crimp");
  crimp_->setGeometry(units.rect(kColumnLeft + 40, flagsTop, 36, kEditHeight));
  connect(moly_, &QCheckBox::clicked, this, [this] {
    page_.clickMoly();
    showState();
  });
  connect(crimp_, &QCheckBox::clicked, this, [this] {
    page_.clickCrimp();
    showState();
  });
}

void LoadInfoPageWidget::createShotList(const DialogUnits& units) {
  shotList_ = new KeyboardList<QTreeWidget>(this);
  shotList_->setObjectName("shotList");
  shotList_->setGeometry(units.rect(0, 143, 161, 88));
  shotList_->setColumnCount(static_cast<int>(kShotListColumns.size()));
  shotList_->setRootIsDecorated(false);
  shotList_->setUniformRowHeights(true);
  shotList_->setSelectionMode(QAbstractItemView::SingleSelection);
  shotList_->setSelectionBehavior(QAbstractItemView::SelectRows);
  shotList_->setAllColumnsShowFocus(true);
  shotList_->header()->setStretchLastSection(false);
  shotList_->header()->setSectionsMovable(false);
  QStringList captions;
  for (const auto& column : kShotListColumns) captions << column.caption;
  shotList_->setHeaderLabels(captions);
  for (std::size_t i = 0; i < kShotListColumns.size(); ++i)
    shotList_->header()->resizeSection(static_cast<int>(i), kShotListColumns[i].width);
}

QPushButton* LoadInfoPageWidget::addButton(const char* caption, const QRect& geometry,
                                           void (LoadInfoPageWidget::*action)()) {
  auto* button = new QPushButton(caption, this);
  button->setGeometry(geometry);
  button->setAutoDefault(false);
  connect(button, &QPushButton::clicked, this, action);
  return button;
}

void LoadInfoPageWidget::createButtons(const DialogUnits& units) {
  // One column right of the small target, from the top of the shot list down.
  const auto slot = [&units](int row) { return units.rect(256, 143 + row * 15, 91, 13); };
  addButton("&Open Load", slot(0), &LoadInfoPageWidget::openLoad)->setObjectName("openLoad");
  addButton("&New Load", slot(1), &LoadInfoPageWidget::newLoad)->setObjectName("newLoad");
  loadButtons_ = {addButton("&Edit Load", slot(2), &LoadInfoPageWidget::editLoad),
                  addButton("&Large Target", slot(3), &LoadInfoPageWidget::largeTarget),
                  addButton("&Save to TXT", slot(4), &LoadInfoPageWidget::saveToText),
                  addButton("&Print", slot(5), &LoadInfoPageWidget::print)};
  loadButtons_[0]->setObjectName("editLoad");
  loadButtons_[1]->setObjectName("largeTarget");
  loadButtons_[2]->setObjectName("saveToText");
  loadButtons_[3]->setObjectName("print");
}

// Under the small target, in the room left between it and the foot of the shot list.
void LoadInfoPageWidget::createStatistics(const DialogUnits& units) {
  statistics_ = new QLabel(this);
  statistics_->setObjectName("statistics");
  statistics_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  const int top = LoadInfoPage::kTargetTop + LoadInfoPage::kTargetSide + 2;
  const int right = units.rect(256, 0, 0, 0).left() - 4;  // the button column
  statistics_->setGeometry(LoadInfoPage::kTargetLeft, top, right - LoadInfoPage::kTargetLeft,
                           units.y(231) - top);
}

void LoadInfoPageWidget::showState() {
  const QString caption = fromRecordText(page_.groupCaption());
  // Names from files can be far longer than the frame: cut with an ellipsis, whole in the tip.
  const QString shown =
      group_->fontMetrics().elidedText(caption, Qt::ElideRight, group_->width() - 24);
  group_->setTitle(shown);
  group_->setToolTip(shown == caption ? QString() : caption);

  for (std::size_t i = 0; i < kLoadInfoFieldCount; ++i) {
    const QSignalBlocker blocker(fields_[i]);
    fields_[i]->setText(fromRecordText(page_.fieldText(static_cast<LoadInfoField>(i))));
    fields_[i]->setCursorPosition(0);
  }
  {
    const QSignalBlocker molyBlocker(moly_);
    const QSignalBlocker crimpBlocker(crimp_);
    moly_->setChecked(page_.molyChecked());
    crimp_->setChecked(page_.crimpChecked());
  }
  {
    const QSignalBlocker blocker(shotList_);
    shotList_->clear();
    for (const ShotListRow& row : page_.shotRows()) {
      QStringList cells;
      for (const std::string& cell : row) cells << fromRecordText(cell);
      shotList_->addTopLevelItem(new QTreeWidgetItem(cells));
    }
  }
  const auto& lines = page_.statisticsLines();
  statistics_->setText(fromRecordText(lines[0] + "\n" + lines[1]).trimmed());
  for (QPushButton* button : loadButtons_) button->setEnabled(page_.loadButtonsEnabled());
  update();
}

void LoadInfoPageWidget::showEvent(QShowEvent* event) {
  showState();
  QWidget::showEvent(event);
}

void LoadInfoPageWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  QPainterSurface surface(painter);
  page_.paint(surface);
}

void LoadInfoPageWidget::openLoad() {
  page_.openLoad(dialogs_);
  showState();
}

void LoadInfoPageWidget::newLoad() {
  page_.newLoad(dialogs_);
  showState();
}

void LoadInfoPageWidget::editLoad() {
  page_.editLoad(dialogs_);
  showState();
}

void LoadInfoPageWidget::largeTarget() {
  page_.largeTarget(dialogs_);
  showState();
}

void LoadInfoPageWidget::saveToText() {
  page_.saveToText();
  showState();
}

void LoadInfoPageWidget::print() {
  page_.print(dialogs_);
  showState();
}

}  // namespace deadhold::ui
