#pragma once

#include <QWidget>
#include <array>

#include "qt_ballistics_page_dialogs.h"
#include "qt_load_info_dialogs.h"

class QTabWidget;

namespace deadhold {
class Application;
}

namespace deadhold::ui {

class LoadInfoPageWidget;

// The tabs: Load Information, Ballistics Calculator, Range Card, Misc Functions, Help.
inline constexpr std::size_t kTabCount = 5;

// The program's one window: a fixed-size frame with the tab strip and the five pages lying over
// it. The application decides which page is shown; the window only follows.
class MainWindow : public QWidget {
  Q_OBJECT

 public:
  explicit MainWindow(Application& application, QWidget* parent = nullptr);
  ~MainWindow() override;

  QTabWidget* tabs() const { return tabs_; }
  // The page of each tab, in tab order.
  QWidget* page(int tab) const { return pages_[static_cast<std::size_t>(tab)]; }

 public slots:
  void showAbout();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void createAboutEntries();
  void selectTab(int tab);
  // Exactly the page the application shows is visible.
  void showPages();

  Application& application_;
  QtLoadInfoDialogs loadInfoDialogs_;
  QtBallisticsPageDialogs ballisticsDialogs_;
  QTabWidget* tabs_;
  std::array<QWidget*, kTabCount> pages_{};
};

}  // namespace deadhold::ui
