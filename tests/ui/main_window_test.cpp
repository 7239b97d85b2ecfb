#include "main_window.h"

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>

#include "loads/load_database.h"
#include "loads/sample_loads.h"
#include "shell/application.h"
#include "support/fake_dialogs.h"
#include "support/temp_folder.h"

using deadhold::Application;
using deadhold::LoadDatabase;
using deadhold::LoadRecord;
using deadhold::testing::FakeDialogs;
using deadhold::testing::TempFolder;
using deadhold::ui::MainWindow;

namespace {

LoadRecord sierraLoad(float weight) {
  LoadRecord load = deadhold::testing::makeLoad(".270 Win", weight);
  load.ballisticCoeff = 0.436f;
  load.avVelocity = 3016.0f;
  load.powderMfg.assign("IMR");
  load.powderType.assign("4831");
  load.powderWeight = 54.5f;
  load.loadName.assign("Sierra 130 over IMR 4831, CCI 200, Winchester cases \xB0 hunting");
  load.shots[0] = {3010.0f, 0.25f, 0.5f, 0.559f, 1};
  load.shots[3] = {3022.0f, -0.75f, 0.125f, 0.760f, 1};
  load.shots[6] = {3001.0f, 0.5f, -1.0f, 1.118f, 1};
  return load;
}

void writeBook(const std::filesystem::path& file, const std::vector<LoadRecord>& loads) {
  LoadDatabase database(file);
  for (const auto& load : loads) database.setCurrentLoad(&database.addLoadCopy(load));
  QVERIFY(!database.writeDatabase());
}

// Saves what the window shows when DEADHOLD_GRAB_DIR names a folder, for looking at it.
void saveGrab(QWidget& widget, const char* name) {
  const QByteArray folder = qgetenv("DEADHOLD_GRAB_DIR");
  if (!folder.isEmpty()) widget.grab().save(QString("%1/%2.png").arg(QString(folder), name));
}

// Counts the Escape presses that reach the object it watches.
class EscapeCounter : public QObject {
 public:
  int count = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape)
      ++count;
    return false;
  }
};

QWidget* shownPage(MainWindow& window) {
  QWidget* shown = nullptr;
  for (int tab = 0; tab < Application::kTabCount; ++tab) {
    if (!window.page(tab)->isVisible()) continue;
    if (shown) return nullptr;  // more than one
    shown = window.page(tab);
  }
  return shown;
}

// Shows the window and waits for its first paint to bring up the Load Information page.
void showFirstPage(MainWindow& window) {
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  QTRY_COMPARE(shownPage(window), window.page(0));
}

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<Application> makeApplication() {
    return std::make_unique<Application>(dialogs_, folder_->path());
  }

  std::unique_ptr<TempFolder> folder_;
  FakeDialogs dialogs_;

 private slots:
  void init() {
    folder_ = std::make_unique<TempFolder>();
    dialogs_ = FakeDialogs();
  }

  void windowHasTheCaptionTheTabsAndAFixedSize() {
    auto application = makeApplication();
    MainWindow window(*application);
    QCOMPARE(window.windowTitle(),
             QString("Deadhold, Computer Reloading and Ballistics Software v1.6"));
    QCOMPARE(window.tabs()->count(), 5);
    const QStringList expected = {"Load Information", "Ballistics Calculator", "Range Card",
                                  "Misc Functions", "Help"};
    for (int tab = 0; tab < 5; ++tab) QCOMPARE(window.tabs()->tabText(tab), expected[tab]);
    QCOMPARE(window.tabs()->currentIndex(), 0);
    QCOMPARE(window.minimumSize(), window.maximumSize());
    QVERIFY(window.windowFlags() & Qt::WindowMinimizeButtonHint);
    QVERIFY(!(window.windowFlags() & Qt::WindowMaximizeButtonHint));
    // Close to 377 x 261 units of an 8-point window font.
    QVERIFY(window.width() > 500 && window.width() < 800);
    QVERIFY(window.height() > 350 && window.height() < 560);
  }

  void pagesStayHiddenUntilTheFirstPaintShowsLoadInformation() {
    writeBook(folder_->path() / "RELOADER.DAT", {sierraLoad(130)});
    auto application = makeApplication();
    MainWindow window(*application);
    for (int tab = 0; tab < Application::kTabCount; ++tab) QVERIFY(window.page(tab)->isHidden());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTRY_COMPARE(shownPage(window), window.page(0));
    saveGrab(window, "main_window_load_information");
  }

  void loadInformationPageShowsTheCurrentLoad() {
    writeBook(folder_->path() / "RELOADER.DAT", {sierraLoad(130)});
    auto application = makeApplication();
    MainWindow window(*application);
    QWidget* page = window.page(0);
    QCOMPARE(page->findChild<QLineEdit*>("field2")->text(), QString(".270 Win"));
    QCOMPARE(page->findChild<QLineEdit*>("field7")->text(), QString("54.5"));
    QVERIFY(page->findChild<QLineEdit*>("field2")->isReadOnly());
    QVERIFY(page->findChild<QPushButton*>("editLoad")->isEnabled());
    QVERIFY(page->findChild<QPushButton*>("print")->isEnabled());
    auto* shots = page->findChild<QTreeWidget*>("shotList");
    QCOMPARE(shots->topLevelItemCount(), 3);
    QCOMPARE(shots->topLevelItem(1)->text(0), QString("#4)"));
    QCOMPARE(shots->topLevelItem(1)->text(2), QString("-0.750 in"));
    QCOMPARE(shots->headerItem()->text(4), QString("Radius Dist"));
    QCOMPARE(shots->columnWidth(0), 34);
    QCOMPARE(shots->columnWidth(4), 66);
  }

  void emptyPageAndMolySpringingBack() {
    auto application = makeApplication();
    MainWindow window(*application);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QWidget* page = window.page(0);
    QVERIFY(!page->findChild<QPushButton*>("editLoad")->isEnabled());
    QVERIFY(!page->findChild<QPushButton*>("saveToText")->isEnabled());
    QVERIFY(page->findChild<QPushButton*>("openLoad")->isEnabled());
    QVERIFY(page->findChild<QPushButton*>("newLoad")->isEnabled());
    auto* moly = page->findChild<QCheckBox*>("moly");
    QTest::mouseClick(moly, Qt::LeftButton);
    QVERIFY(!moly->isChecked());
    QTest::mouseClick(page->findChild<QPushButton*>("openLoad"), Qt::LeftButton);
    QCOMPARE(dialogs_.messages.size(), size_t(1));
    QCOMPARE(dialogs_.messages[0].title, std::string("Warning"));
  }

  void ballisticsTabGetsTheDefaultLoadWithoutALoadBook() {
    auto application = makeApplication();
    MainWindow window(*application);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.tabs()->setCurrentIndex(1);
    QCOMPARE(shownPage(window), window.page(1));
    QCOMPARE(application->ballisticsPage().ballisticsLabel(),
             std::string("Default Load: .270 Winchester, 130 grn Sierra Gameking"));
    QCOMPARE(application->ballisticsPage().inputs().muzzleVelocity, 3016.0);
    QVERIFY(application->ballisticsPage().recomputePending());
  }

  void ballisticsTabGetsTheLoadWithItsWeightCut() {
    writeBook(folder_->path() / "RELOADER.DAT", {sierraLoad(129.9f)});
    auto application = makeApplication();
    MainWindow window(*application);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.tabs()->setCurrentIndex(1);
    QCOMPARE(application->ballisticsPage().ballisticsLabel(),
             std::string(".270 Win Cal, Sierra Gameking, 129 grn"));
    window.tabs()->setCurrentIndex(Application::kHelpTab);
    QCOMPARE(shownPage(window), window.page(Application::kHelpTab));
    saveGrab(window, "main_window_help");
    window.tabs()->setCurrentIndex(0);
    QCOMPARE(shownPage(window), window.page(0));
  }

  void escapeInsideAPageChangesNothing() {
    writeBook(folder_->path() / "RELOADER.DAT", {sierraLoad(130)});
    auto application = makeApplication();
    MainWindow window(*application);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTRY_COMPARE(shownPage(window), window.page(0));
    EscapeCounter reachingTheWindow;
    window.installEventFilter(&reachingTheWindow);
    auto* field = window.page(0)->findChild<QLineEdit*>("field2");
    field->setFocus();
    QTest::keyClick(field, Qt::Key_Escape);
    QTest::keyClick(window.page(0), Qt::Key_Escape);
    window.tabs()->setCurrentIndex(Application::kHelpTab);
    QTest::keyClick(window.page(Application::kHelpTab), Qt::Key_Escape);
    window.tabs()->setCurrentIndex(0);
    QCOMPARE(reachingTheWindow.count, 0);  // every page stops it
    QVERIFY(window.isVisible());
    QCOMPARE(shownPage(window), window.page(0));
    QCOMPARE(field->text(), QString(".270 Win"));
    QCOMPARE(window.tabs()->currentIndex(), 0);
    QVERIFY(dialogs_.messages.empty());
  }

  void ctrlTabInsideAPageTurnsTheTabs() {
    writeBook(folder_->path() / "RELOADER.DAT", {sierraLoad(130)});
    auto application = makeApplication();
    MainWindow window(*application);
    showFirstPage(window);
    auto* openLoad = window.page(0)->findChild<QPushButton*>("openLoad");
    openLoad->setFocus();
    QTest::keyClick(openLoad, Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(window.tabs()->currentIndex(), 1);
    QTRY_COMPARE(shownPage(window), window.page(1));
    auto* velocity = window.page(1)->findChild<QLineEdit*>("muzzleVelocity");
    velocity->setFocus();
    QTest::keyClick(velocity, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(window.tabs()->currentIndex(), 0);
    QTRY_COMPARE(shownPage(window), window.page(0));
    QVERIFY(dialogs_.messages.empty());
  }

  void theFirstDownInAPageListHighlightsItsFirstRow() {
    writeBook(folder_->path() / "RELOADER.DAT", {sierraLoad(130)});
    auto application = makeApplication();
    MainWindow window(*application);
    showFirstPage(window);
    auto* shots = window.page(0)->findChild<QTreeWidget*>("shotList");
    shots->setFocus(Qt::TabFocusReason);
    QTest::keyClick(shots, Qt::Key_Down);
    QCOMPARE(shots->currentIndex().row(), 0);
    window.tabs()->setCurrentIndex(1);
    QTRY_COMPARE(shownPage(window), window.page(1));
    auto* ranges = window.page(1)->findChild<QTreeView*>("rangeList");
    QTRY_VERIFY(ranges->model()->rowCount() > 0);
    ranges->setFocus(Qt::TabFocusReason);
    QTest::keyClick(ranges, Qt::Key_Down);
    QCOMPARE(ranges->currentIndex().row(), 0);
  }

  void theLoadBookIsWrittenOnceWhenTheWindowCloses() {
    const auto book = folder_->path() / "RELOADER.DAT";
    writeBook(book, {sierraLoad(130)});
    auto application = makeApplication();
    {
      MainWindow window(*application);
      window.show();
      QVERIFY(QTest::qWaitForWindowExposed(&window));
      application->database().currentLoad()->avVelocity = 2950.0f;
      window.tabs()->setCurrentIndex(1);
      window.tabs()->setCurrentIndex(0);
      LoadDatabase before(book);
      before.readDatabase();
      QCOMPARE(before.currentLoad()->avVelocity, 3016.0f);  // nothing written while open

      window.close();
      QCOMPARE(application->database().loadCount(), 0);
      LoadDatabase after(book);
      after.readDatabase();
      QCOMPARE(after.currentLoad()->avVelocity, 2950.0f);
      QVERIFY(dialogs_.messages.empty());
      std::filesystem::remove(book);
    }
    QVERIFY(!std::filesystem::exists(book));  // the window's destruction wrote nothing more
  }

  void aFailedLastWriteIsShownAndTheWindowStillCloses() {
    const auto book = folder_->path() / "RELOADER.DAT";
    writeBook(book, {sierraLoad(130)});
    auto application = makeApplication();
    MainWindow window(*application);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    std::filesystem::remove(book);
    std::filesystem::create_directory(book);  // the file's place is taken
    QVERIFY(window.close());
    QVERIFY(!window.isVisible());
    QCOMPARE(dialogs_.messages.size(), size_t(1));
    QCOMPARE(dialogs_.messages[0].title, std::string("FILE ERROR"));
    QVERIFY(dialogs_.messages[0].text.find(book.string()) != std::string::npos);
  }

  void aboutOpensFromTheTabStrip() {
    auto application = makeApplication();
    MainWindow window(*application);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* about = window.findChild<QToolButton*>("aboutButton");
    QVERIFY(about);
    QVERIFY(about->isVisible());
    QCOMPARE(window.tabs()->tabBar()->actions().size(), 1);
    QCOMPARE(window.tabs()->tabBar()->actions()[0]->text(), QString("&About Deadhold"));
    QString version;
    QString caption;
    QTimer::singleShot(0, [&] {
      auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      QVERIFY(dialog);
      caption = dialog->windowTitle();
      version = dialog->findChild<QLabel*>("aboutVersion")->text();
      QVERIFY(!dialog->findChild<QLabel*>("aboutIcon")->pixmap().isNull());
      saveGrab(*dialog, "about_dialog");
      QTest::mouseClick(dialog->findChild<QPushButton*>("aboutOk"), Qt::LeftButton);
    });
    about->click();
    QCOMPARE(caption, QString("About Deadhold"));
    QCOMPARE(version, QString("Deadhold Version 1.6"));
  }

  void altAOpensAboutFromAnyPage() {
    auto application = makeApplication();
    MainWindow window(*application);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTRY_COMPARE(shownPage(window), window.page(0));
    QString caption;
    QTimer::singleShot(0, [&] {
      if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
        caption = dialog->windowTitle();
        dialog->reject();
      }
    });
    auto* newLoad = window.page(0)->findChild<QPushButton*>("newLoad");
    newLoad->setFocus();
    QTest::keyClick(newLoad, Qt::Key_A, Qt::AltModifier);
    QCOMPARE(caption, QString("About Deadhold"));
  }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
