#include "ballistics_page_widget.h"

#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QTreeView>
#include <QTreeWidget>
#include <QtTest>
#include <functional>

#include "ballistics/ballistics_page.h"
#include "entry_window.h"
#include "main_window.h"
#include "qt_dialogs.h"
#include "shell/application.h"
#include "support/fake_dialogs.h"
#include "support/temp_folder.h"
#include "taylor_ko_table_window.h"
#include "window_grab.h"

using deadhold::Application;
using deadhold::Dialogs;
using deadhold::testing::FakeDialogs;
using deadhold::testing::saveWindowGrab;
using deadhold::testing::TempFolder;
using deadhold::ui::MainWindow;

namespace {

// Runs `step` on the modal window that the next click opens: schedule it before the click. A
// different window is closed, so that no test is ever left waiting on it.
template <typename Window>
void onNextModal(std::function<void(Window&)> step) {
  QTimer::singleShot(0, [step] {
    QWidget* modal = QApplication::activeModalWidget();
    for (int wait = 0; wait < 200 && !modal; ++wait) {
      QTest::qWait(10);
      modal = QApplication::activeModalWidget();
    }
    auto* window = qobject_cast<Window*>(modal);
    if (!window) {
      if (modal) modal->close();
      QFAIL("the expected window did not open");
    }
    step(*window);
  });
}

void retype(QLineEdit& field, const QString& text) {
  field.setFocus();
  field.selectAll();
  QTest::keyClick(&field, Qt::Key_Delete);
  QTest::keyClicks(&field, text);
}

}  // namespace

class BallisticsPageWidgetTest : public QObject {
  Q_OBJECT

 private:
  // The main window with the Ballistics Calculator chosen and its first paint done.
  void openBallisticsTab(Dialogs& dialogs) {
    application_ = std::make_unique<Application>(dialogs, folder_->path());
    window_ = std::make_unique<MainWindow>(*application_);
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    window_->tabs()->setCurrentIndex(Application::kBallisticsTab);
    QVERIFY(page().recomputePending());
    QTRY_VERIFY(!page().recomputePending());
  }

  deadhold::BallisticsPage& page() { return application_->ballisticsPage(); }
  QWidget& widget() { return *window_->page(Application::kBallisticsTab); }
  template <typename Child>
  Child& child(const char* name) {
    auto* found = widget().findChild<Child*>(name);
    if (!found) qFatal("no %s", name);
    return *found;
  }
  QLineEdit& field(const char* name) { return child<QLineEdit>(name); }
  int listedRows() { return child<QTreeView>("rangeList").model()->rowCount(); }

  std::unique_ptr<TempFolder> folder_;
  FakeDialogs dialogs_;
  std::unique_ptr<Application> application_;
  std::unique_ptr<MainWindow> window_;

 private slots:
  void init() {
    folder_ = std::make_unique<TempFolder>();
    dialogs_ = FakeDialogs();
  }

  void cleanup() {
    window_.reset();
    application_.reset();
  }

  void handOverRecomputesAtTheNextPaint() {
    openBallisticsTab(dialogs_);
    QCOMPARE(field("name").text(),
             QString("Default Load: .270 Winchester, 130 grn Sierra Gameking"));
    QCOMPARE(field("muzzleVelocity").text(), QString("3016"));
    QCOMPARE(field("scopeHeight").text(), QString("1.50"));
    QCOMPARE(listedRows(), 21);
    QVERIFY(child<QPushButton>("saveToText").isEnabled());
    QVERIFY(dialogs_.messages.empty());
    saveWindowGrab(*window_, "ballistics_default");

    // Each return to the tab hands the inputs over again and recomputes from them.
    retype(field("muzzleVelocity"), "2500");
    window_->tabs()->setCurrentIndex(Application::kLoadInformationTab);
    window_->tabs()->setCurrentIndex(Application::kBallisticsTab);
    QCOMPARE(field("muzzleVelocity").text(), QString("3016"));
    QVERIFY(page().recomputePending());
    QTRY_VERIFY(!page().recomputePending());
    QCOMPARE(page().inputs().muzzleVelocity, 3016.0);
  }

  void invalidValuesGiveOneMessageAndAnEmptyList() {
    openBallisticsTab(dialogs_);
    retype(field("ballisticCoeff"), "0.01");
    retype(field("bulletWeight"), "not typed");
    retype(field("muzzleVelocity"), "4500");
    retype(field("altitude"), "-500");
    QTest::mouseClick(&child<QPushButton>("reCompute"), Qt::LeftButton);
    QCOMPARE(dialogs_.messages.size(), std::size_t{1});
    QCOMPARE(dialogs_.messages[0].title, std::string("Value Range Error"));
    QCOMPARE(dialogs_.messages[0].text,
             std::string("The Following Values are invalid and must be\n"
                         "corrected before the ballistics can be calculated:\n\n"
                         "   Ballistic Coeff must be between 0.022 and 5.00\n"
                         "   Bullet Weight must be between 1 and 900\n"
                         "   Velocity must be between 500 and 4500\n"
                         "   Altitude must be between -100 and 20000\n"));
    QCOMPARE(listedRows(), 0);
    for (const char* button : {"taylorKo", "saveToText", "print", "calculateDhr"})
      QVERIFY(!child<QPushButton>(button).isEnabled());
    QVERIFY(child<QPushButton>("reCompute").isEnabled());
    saveWindowGrab(*window_, "ballistics_invalid");
  }

  void enterInAFieldRecomputes() {
    openBallisticsTab(dialogs_);
    retype(field("muzzleVelocity"), "2900");
    QTest::keyClick(&field("muzzleVelocity"), Qt::Key_Return);
    QCOMPARE(page().inputs().muzzleVelocity, 2900.0);
    QCOMPARE(application_->engine().lastInputs().muzzleVelocity, 2900.0);
    retype(field("bulletWeight"), "150");
    QTest::keyClick(&field("bulletWeight"), Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(page().inputs().bulletWeight, 150.0);
    QCOMPARE(listedRows(), 21);
  }

  // The whole default load description shows in "Name:", and no cell of the list is cut, even
  // for the heaviest, fastest and most streamlined load the ranges allow.
  void namesAndNumbersShowWhole() {
    openBallisticsTab(dialogs_);
    QLineEdit& name = field("name");
    QCOMPARE(name.text(), QString("Default Load: .270 Winchester, 130 grn Sierra Gameking"));
    QVERIFY(name.fontMetrics().horizontalAdvance(name.text()) < name.contentsRect().width() - 8);

    retype(field("ballisticCoeff"), "5");
    retype(field("bulletWeight"), "900");
    retype(field("muzzleVelocity"), "4499");
    child<QComboBox>("rangeIncrements").setCurrentIndex(3);
    QTest::keyClick(&field("muzzleVelocity"), Qt::Key_Return);
    const auto& list = child<QTreeView>("rangeList");
    QCOMPARE(list.model()->index(10, 0).data().toString(), QString("1000 yds"));
    for (int column = 0; column < list.model()->columnCount(); ++column) {
      for (int row = 0; row < list.model()->rowCount(); ++row) {
        const QString cell = list.model()->index(row, column).data().toString();
        QVERIFY2(list.fontMetrics().horizontalAdvance(cell) < list.columnWidth(column),
                 qPrintable(cell));
      }
    }
  }

  void incrementsChooseTheListedRows() {
    openBallisticsTab(dialogs_);
    auto& increments = child<QComboBox>("rangeIncrements");
    QCOMPARE(increments.currentText(), QString("50"));
    increments.setCurrentIndex(0);
    QCOMPARE(listedRows(), 101);
    QCOMPARE(child<QTreeView>("rangeList").model()->index(1, 0).data().toString(),
             QString("10 yds"));
    saveWindowGrab(*window_, "ballistics_increment_10");
    increments.setCurrentIndex(3);
    QCOMPARE(listedRows(), 11);

    // Typing into the box's field chooses nothing.
    increments.lineEdit()->selectAll();
    QTest::keyClicks(increments.lineEdit(), "25");
    QTest::keyClick(increments.lineEdit(), Qt::Key_Return);
    QCOMPARE(page().rangeIncrement(), 100.0f);
    QCOMPARE(listedRows(), 11);
    QCOMPARE(increments.count(), 4);
  }

  void calculateDhrForSixInches() {
    openBallisticsTab(dialogs_);
    bool okAtOpening = false;
    onNextModal<deadhold::ui::EntryWindow>([&](deadhold::ui::EntryWindow& window) {
      QCOMPARE(window.windowTitle(), QString("Deadhold Range"));
      auto& ok = *window.findChild<QPushButton*>("accept");
      QCOMPARE(ok.text(), QString("OK"));
      saveWindowGrab(window, "kill_zone_entry");
      okAtOpening = ok.isEnabled();
      QTest::keyClicks(window.findChild<QLineEdit*>("entry"), "0");
      QVERIFY(!ok.isEnabled());
      QTest::keyClicks(window.findChild<QLineEdit*>("entry"), ".6");
      QVERIFY(ok.isEnabled());
      window.findChild<QLineEdit*>("entry")->setText("6");
      QTest::keyClick(window.findChild<QLineEdit*>("entry"), Qt::Key_Return);
    });
    QTest::mouseClick(&child<QPushButton>("calculateDhr"), Qt::LeftButton);
    QVERIFY(okAtOpening);
    QCOMPARE(field("targetDistance").text(), QString("254"));
    QCOMPARE(dialogs_.messages.size(), std::size_t{1});
    QCOMPARE(dialogs_.messages[0].title, std::string("Maximum Deadhold Range"));
    QCOMPARE(dialogs_.messages[0].text,
             std::string("For a Killzone diameter of 6.00 inches:\n\nMaximum Deadhold Range is "
                         "298 yrds\n\nSight in the rifle dead on at 254 yrds"));
    QCOMPARE(listedRows(), 21);
  }

  void theValueDialogsOpenWithTheCursorInTheirField() {
    openBallisticsTab(dialogs_);
    QStringList focused;
    const auto noteFocus = [&focused](deadhold::ui::EntryWindow& window) {
      const bool active =
          QTest::qWaitFor([&window] { return QApplication::activeWindow() == &window; });
      const QWidget* focus = QApplication::focusWidget();
      focused << (active && focus != nullptr ? focus->objectName() : QString("inactive"));
    };
    onNextModal<deadhold::ui::EntryWindow>([&](deadhold::ui::EntryWindow& window) {
      noteFocus(window);
      window.reject();
    });
    QTest::mouseClick(&child<QPushButton>("calculateDhr"), Qt::LeftButton);
    onNextModal<deadhold::ui::EntryWindow>([&](deadhold::ui::EntryWindow& window) {
      noteFocus(window);
      // Without a caliber the table still opens.
      onNextModal<deadhold::ui::TaylorKoTableWindow>(
          [](deadhold::ui::TaylorKoTableWindow& table) { table.reject(); });
      window.reject();
    });
    QTest::mouseClick(&child<QPushButton>("taylorKo"), Qt::LeftButton);
    QCOMPARE(focused, QStringList({"entry", "entry"}));
  }

  void cancellingTheKillZoneChangesNothing() {
    openBallisticsTab(dialogs_);
    onNextModal<deadhold::ui::EntryWindow>([](deadhold::ui::EntryWindow& window) {
      QTest::keyClicks(window.findChild<QLineEdit*>("entry"), "6");
      QTest::keyClick(&window, Qt::Key_Escape);
    });
    QTest::mouseClick(&child<QPushButton>("calculateDhr"), Qt::LeftButton);
    QCOMPARE(field("targetDistance").text(), QString("250"));
    QVERIFY(dialogs_.messages.empty());
    QCOMPARE(listedRows(), 21);
    QVERIFY(page().resultsValid());
  }

  void theDeadholdMessageInARealMessageBox() {
    deadhold::ui::QtDialogs qtDialogs;
    openBallisticsTab(qtDialogs);
    QString shown;
    QString zeroBehindTheMessage;
    onNextModal<deadhold::ui::EntryWindow>([&](deadhold::ui::EntryWindow& window) {
      onNextModal<QMessageBox>([&](QMessageBox& box) {
        shown = box.windowTitle() + "|" + box.text();
        zeroBehindTheMessage = field("targetDistance").text();
        saveWindowGrab(box, "ballistics_dhr_message");
        saveWindowGrab(*window_, "ballistics_after_dhr");
        box.accept();
      });
      QTest::keyClicks(window.findChild<QLineEdit*>("entry"), "6");
      window.findChild<QPushButton*>("accept")->click();
    });
    QTest::mouseClick(&child<QPushButton>("calculateDhr"), Qt::LeftButton);
    QCOMPARE(shown, QString("Maximum Deadhold Range|For a Killzone diameter of 6.00 inches:\n\n"
                            "Maximum Deadhold Range is 298 yrds\n\nSight in the rifle dead on at "
                            "254 yrds"));
    QCOMPARE(zeroBehindTheMessage, QString("254"));  // the page shows what the message speaks of
  }

  void taylorKoAsksTheCaliberThenShowsTheTable() {
    openBallisticsTab(dialogs_);
    int rows = 0;
    QString information;
    onNextModal<deadhold::ui::EntryWindow>([&](deadhold::ui::EntryWindow& entry) {
      QCOMPARE(entry.windowTitle(), QString("Enter Caliber"));
      auto& accept = *entry.findChild<QPushButton*>("accept");
      QCOMPARE(accept.text(), QString("&Accept"));
      saveWindowGrab(entry, "caliber_entry");
      QVERIFY(!accept.isEnabled());
      QTest::keyClicks(entry.findChild<QLineEdit*>("entry"), "1");
      QVERIFY(!accept.isEnabled());
      entry.findChild<QLineEdit*>("entry")->setText("0.2771234567");  // 8 typed at most
      entry.findChild<QLineEdit*>("entry")->clear();
      QTest::keyClicks(entry.findChild<QLineEdit*>("entry"), "0.2771234567");
      QCOMPARE(entry.findChild<QLineEdit*>("entry")->text(), QString("0.277123"));
      QVERIFY(accept.isEnabled());
      onNextModal<deadhold::ui::TaylorKoTableWindow>([&](deadhold::ui::TaylorKoTableWindow& table) {
        QCOMPARE(table.windowTitle(), QString("Taylor KO Values"));
        rows = table.findChild<QTreeWidget*>("ratings")->topLevelItemCount();
        information = table.findChild<QLabel*>("information")->text();
        saveWindowGrab(table, "taylor_ko_table");
        table.findChild<QPushButton*>("return")->click();
      });
      accept.click();
    });
    QTest::mouseClick(&child<QPushButton>("taylorKo"), Qt::LeftButton);
    QCOMPARE(rows, 14);
    QCOMPARE(information, QString("Caliber: 0.277, Bullet Weight: 130 grns"));
    QVERIFY(dialogs_.messages.empty());
  }

  void theNameTakesSixtyFourTypedCharactersButShowsMoreSetByTheProgram() {
    openBallisticsTab(dialogs_);
    const std::string label(73, 'L');
    page().setInputsFromLoad(0.436, 130, 3016, 250, 1.5, 70, 500, label);
    static_cast<deadhold::ui::BallisticsPageWidget&>(widget()).showState();
    QLineEdit& name = field("name");
    QCOMPARE(name.text().size(), 73);
    name.setFocus();
    name.end(false);
    QTest::keyClicks(&name, "xy");
    QCOMPARE(name.text().size(), 73);
    QTest::keyClick(&name, Qt::Key_Backspace);
    QCOMPARE(name.text().size(), 72);
    QCOMPARE(page().fieldTexts().name.size(), std::size_t{72});
    QTest::keyClick(&name, Qt::Key_Return);
    QCOMPARE(dialogs_.messages.size(), std::size_t{1});
    QCOMPARE(dialogs_.messages[0].text, std::string("Please enter no more than 64 characters."));

    retype(name, QString(70, 'n'));
    QCOMPARE(name.text(), QString(64, 'n'));
    QCOMPARE(page().fieldTexts().name, std::string(64, 'n'));
  }

  void autoUpdateShowsWhatThePageTook() {
    openBallisticsTab(dialogs_);
    auto& box = child<QCheckBox>("autoUpdate");
    QTest::mouseClick(&box, Qt::LeftButton);
    QVERIFY(box.isChecked());
    QVERIFY(page().autoUpdate());
  }

  // Prints what a Re-Compute with a list refresh and a repaint of the page takes here.
  void timeOfAReComputeWithListAndGraph() {
    openBallisticsTab(dialogs_);
    auto& reCompute = child<QPushButton>("reCompute");
    child<QComboBox>("rangeIncrements").setCurrentIndex(0);
    constexpr int kRounds = 50;
    QElapsedTimer timer;
    timer.start();
    for (int round = 0; round < kRounds; ++round) {
      field("muzzleVelocity").setText(round % 2 ? "3016" : "3000");  // new rows every time
      reCompute.click();
      widget().repaint();
    }
    const double milliseconds = static_cast<double>(timer.nsecsElapsed()) / 1e6 / kRounds;
    qInfo("Re-Compute with list refresh and graph repaint: %.2f ms", milliseconds);
    QCOMPARE(listedRows(), 101);
  }
};

QTEST_MAIN(BallisticsPageWidgetTest)
#include "ballistics_page_widget_test.moc"
