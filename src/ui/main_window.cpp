#include "main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>

#include "about_dialog.h"
#include "app_icon.h"
#include "ballistics_page_widget.h"
#include "common/path_text.h"
#include "dialog_units.h"
#include "help_page_widget.h"
#include "load_info_page_widget.h"
#include "misc_page_widget.h"
#include "range_card_page_widget.h"
#include "shell/application.h"
#include "shell/shell_texts.h"

namespace deadhold::ui {

namespace {

static_assert(kTabCaptions.size() == kTabCount && Application::kTabCount == kTabCount);

// Escape that nothing inside a page took ends at the page: it neither hides a page nor closes
// the window.
class EscapeSwallower : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
      event->accept();
      return true;
    }
    return QObject::eventFilter(watched, event);
  }
};

}  // namespace

MainWindow::MainWindow(Application& application, QWidget* parent)
    : QWidget(parent),
      application_(application),
      loadInfoDialogs_(application, this),
      ballisticsDialogs_(application, this),
      tabs_(new QTabWidget(this)) {
  setWindowTitle(kMainWindowCaption);
  setWindowIcon(applicationIcon());
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  setFont(windowFont());
  const DialogUnits units(font());
  setFixedSize(units.x(377), units.y(261));

  tabs_->setGeometry(units.rect(5, 5, 365, 250));
  // The tabs only select; the pages are the window's own children lying over the tab area.
  for (const char* caption : kTabCaptions) tabs_->addTab(new QWidget, caption);
  tabs_->setCurrentIndex(Application::kLoadInformationTab);
  createAboutEntries();

  application_.createPages();
  pages_[Application::kBallisticsTab] = new BallisticsPageWidget(
      application_.ballisticsPage(), ballisticsDialogs_, units, this);
  pages_[Application::kBallisticsTab]->setObjectName("ballisticsPage");
  pages_[Application::kBallisticsTab]->setGeometry(units.rect(7, 20, 362, 231));
  pages_[Application::kLoadInformationTab] = new LoadInfoPageWidget(
      application_.loadInfoPage(), loadInfoDialogs_, units, this);
  pages_[Application::kLoadInformationTab]->setObjectName("loadInfoPage");
  pages_[Application::kLoadInformationTab]->setGeometry(units.rect(15, 20, 347, 231));
  pages_[Application::kRangeCardTab] =
      new RangeCardPageWidget(application_.rangeCardPage(), application_.dialogs(), units, this);
  pages_[Application::kRangeCardTab]->setObjectName("rangeCardPage");
  pages_[Application::kRangeCardTab]->setGeometry(units.rect(7, 20, 362, 231));
  pages_[Application::kMiscTab] =
      new MiscPageWidget(application_.engine(), application_.dialogs(), this);
  pages_[Application::kMiscTab]->setObjectName("miscPage");
  pages_[Application::kMiscTab]->setGeometry(units.rect(15, 20, 351, 229));
  pages_[Application::kHelpTab] = new HelpPageWidget(application_.helpPage(), this);
  pages_[Application::kHelpTab]->setObjectName("helpPage");
  pages_[Application::kHelpTab]->setGeometry(units.rect(10, 20, 356, 231));

  auto* escapeSwallower = new EscapeSwallower(this);
  for (QWidget* page : pages_) {
    page->hide();
    page->installEventFilter(escapeSwallower);
  }
  connect(tabs_, &QTabWidget::currentChanged, this, &MainWindow::selectTab);
}

MainWindow::~MainWindow() {
  application_.destroyPages();
}

void MainWindow::createAboutEntries() {
  // Most desktops do not let a program add to the window menu, so "About" sits where users look
  // for it instead: at the end of the tab strip, and in the tab strip's context menu.
  auto* about = new QAction(applicationIcon(), kAboutCommand, this);
  about->setToolTip(kAboutCaption);
  // A button shows no access key of its own: the command's Alt+A is kept for the whole window.
  about->setShortcut(QKeySequence::mnemonic(kAboutCommand));
  connect(about, &QAction::triggered, this, &MainWindow::showAbout);
  auto* button = new QToolButton(tabs_);
  button->setObjectName("aboutButton");
  button->setDefaultAction(about);
  button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  button->setAutoRaise(true);
  tabs_->setCornerWidget(button, Qt::TopRightCorner);
  tabs_->tabBar()->setContextMenuPolicy(Qt::ActionsContextMenu);
  tabs_->tabBar()->addAction(about);
}

void MainWindow::showAbout() {
  AboutDialog dialog(QString::fromStdString(pathText(application_.filesFolder())), this);
  dialog.exec();
}

void MainWindow::paintEvent(QPaintEvent* event) {
  // A window that starts minimized gets its first paint only once restored.
  if (!isMinimized() && application_.showFirstPage()) showPages();
  QWidget::paintEvent(event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  application_.destroyPages();
  showPages();
  event->accept();
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
  // The pages lie beside the tab widget, not in it, so Ctrl+Tab and Ctrl+Shift+Tab pressed in a
  // page would end here unseen: hand them to the tabs, which turn to the next or previous page.
  const bool tabKey = event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab;
  if (tabKey && (event->modifiers() & Qt::ControlModifier)) {
    QCoreApplication::sendEvent(tabs_, event);
    return;
  }
  QWidget::keyPressEvent(event);
}

void MainWindow::selectTab(int tab) {
  application_.selectTab(tab);
  showPages();
}

void MainWindow::showPages() {
  for (QWidget* page : pages_) page->hide();
  const int shown = application_.shownPage();
  if (shown != Application::kNoPage) pages_[static_cast<std::size_t>(shown)]->show();
}

}  // namespace deadhold::ui
