#include "help_page_widget.h"

#include <QEvent>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QTreeWidget>
#include <memory>

#include "dialog_units.h"
#include "shell/help_page.h"

namespace deadhold::ui {
namespace {

constexpr int kNodeRole = Qt::UserRole;
constexpr int kNoNode = -2;  // matches no topic

// The program's style, but with the dotted lines between items and at the root that the
// classic Windows style draws for tree views; most styles draw none.
class BranchLineStyle : public QProxyStyle {
 public:
  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
    if (element == PE_IndicatorBranch && lines_)
      lines_->drawPrimitive(element, option, painter, widget);
    else
      QProxyStyle::drawPrimitive(element, option, painter, widget);
  }

 private:
  std::unique_ptr<QStyle> lines_{QStyleFactory::create("Windows")};
};

}  // namespace

HelpPageWidget::HelpPageWidget(HelpPage& page, QWidget* parent)
    : QWidget(parent),
      page_(page),
      tree_(new QTreeWidget(this)),
      textBox_(new QPlainTextEdit(this)) {
  tree_->setObjectName("helpTopicTree");
  tree_->setHeaderHidden(true);
  tree_->setColumnCount(1);
  tree_->setRootIsDecorated(true);
  auto* style = new BranchLineStyle;
  style->setParent(tree_);
  tree_->setStyle(style);
  tree_->setAllColumnsShowFocus(true);
  tree_->setSelectionMode(QAbstractItemView::SingleSelection);
  // The one column is as wide as the view or its longest shown title, whichever is wider, so a
  // selected row is highlighted across the whole view and a long title scrolls sideways
  // instead of being cut short.
  tree_->header()->setStretchLastSection(false);
  tree_->viewport()->installEventFilter(this);
  connect(tree_, &QTreeWidget::itemExpanded, this, [this] { fitColumn(); });
  connect(tree_, &QTreeWidget::itemCollapsed, this, [this](QTreeWidgetItem* collapsed) {
    selectIfHidingCurrent(collapsed);
    fitColumn();
  });

  textBox_->setObjectName("helpTopicText");
  textBox_->setReadOnly(true);
  textBox_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  textBox_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  textBox_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // The box is sized for a few lines; a longer text gets a scroll bar rather than a hidden end.
  textBox_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);

  const DialogUnits units(font());
  resize(units.x(356), units.y(231));
  tree_->setGeometry(units.rect(5, 5, 345, 155));
  textBox_->setGeometry(units.rect(5, 165, 345, 60));

  const auto& nodes = page_.treeNodes();
  items_.reserve(nodes.size());
  for (int node = 0; node < static_cast<int>(nodes.size()); ++node) {
    const HelpTreeNode& entry = nodes[node];
    auto* item = entry.parent == HelpTreeNode::kRoot
                     ? new QTreeWidgetItem(tree_)
                     : new QTreeWidgetItem(items_[static_cast<size_t>(entry.parent)]);
    item->setText(0, QString::fromUtf8(entry.title));
    item->setData(0, kNodeRole, node);
    items_.push_back(item);
  }
  tree_->setCurrentItem(nullptr);
  fitColumn();
  connect(tree_, &QTreeWidget::currentItemChanged, this, [this] { showSelectedTopic(); });
}

bool HelpPageWidget::eventFilter(QObject* watched, QEvent* event) {
  if (watched == tree_->viewport() && event->type() == QEvent::Resize) fitColumn();
  return QWidget::eventFilter(watched, event);
}

void HelpPageWidget::fitColumn() {
  tree_->resizeColumnToContents(0);
  if (tree_->columnWidth(0) < tree_->viewport()->width())
    tree_->setColumnWidth(0, tree_->viewport()->width());
}

// A topic folded away under its parent leaves the highlight on that parent, whose text is then
// shown, rather than on a row nobody can see.
void HelpPageWidget::selectIfHidingCurrent(QTreeWidgetItem* collapsed) {
  for (const QTreeWidgetItem* item = tree_->currentItem(); item != nullptr; item = item->parent()) {
    if (item->parent() == collapsed) {
      tree_->setCurrentItem(collapsed);
      return;
    }
  }
}

void HelpPageWidget::showSelectedTopic() {
  const QTreeWidgetItem* item = tree_->currentItem();
  const QVariant node = item != nullptr ? item->data(0, kNodeRole) : QVariant();
  const std::string& text = page_.selectionChanged(node.isValid() ? node.toInt() : kNoNode);
  textBox_->setPlainText(QString::fromStdString(text));
}

}  // namespace deadhold::ui
