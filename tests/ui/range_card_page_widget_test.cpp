#include "range_card_page_widget.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeView>
#include <QtTest>

#include "loads/load_database.h"
#include "loads/sample_loads.h"
#include "main_window.h"
#include "shell/application.h"
#include "support/fake_dialogs.h"
#include "support/temp_folder.h"
#include "window_grab.h"

using deadhold::Application;
using F = deadhold::RangeCardField;
using deadhold::SessionSettings;
using deadhold::testing::FakeDialogs;
using deadhold::testing::FakePrintTarget;
using deadhold::testing::TempFolder;

class RangeCardPageWidgetTest : public QObject {
  Q_OBJECT

 private:
  // A book whose current load is the .270 130-grain load with its range conditions, and the
  // main window on the Range Card, its first calculation done.
  void openRangeCard() {
    deadhold::LoadRecord load = deadhold::testing::makeLoad(".270 Win", 130);
    load.ballisticCoeff = 0.436f;
    load.avVelocity = 3016;
    load.targetDistance = 200;
    load.temperature = 70;
    load.elevation = 500;
    load.scopeHeight = 1.5f;
    deadhold::LoadDatabase book(folder_.path() / "RELOADER.DAT");
    book.setCurrentLoad(&book.addLoadCopy(load));
    QVERIFY(!book.writeDatabase());
    settings_.setValue(
        "RangeCard/Bullets/%2E270%20Win%20Cal%2C%20Sierra%20Gameking%2C%20130%20grn/g7Coeff",
        "0.218");
    application_ = std::make_unique<Application>(dialogs_, folder_.path(), settings_);
    window_ = std::make_unique<deadhold::ui::MainWindow>(*application_);
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    window_->tabs()->setCurrentIndex(Application::kRangeCardTab);
    QTRY_VERIFY(!application_->rangeCardPage().recomputePending());
  }

  QWidget& page() { return *window_->page(Application::kRangeCardTab); }
  QLineEdit& field(F f) {
    return *page().findChild<QLineEdit*>(QString("rangeCardField%1").arg(static_cast<int>(f)));
  }
  QAbstractItemModel& list() { return *page().findChild<QTreeView*>("rangeCardList")->model(); }
  QString cell(int row, int column) { return list().index(row, column).data().toString(); }

  TempFolder folder_;
  FakeDialogs dialogs_;
  SessionSettings settings_;
  std::unique_ptr<Application> application_;
  std::unique_ptr<deadhold::ui::MainWindow> window_;

 private slots:
  void init() {
    window_.reset();
    application_.reset();
    dialogs_ = FakeDialogs();
    settings_ = SessionSettings();
  }

  void startsFromTheCurrentLoadAndShowsTheTable() {
    openRangeCard();
    QCOMPARE(field(F::BallisticCoeff).text(), QString("0.436"));
    QCOMPARE(field(F::ZeroRange).text(), QString("200"));
    QCOMPARE(field(F::Air).text(), QString("500"));
    QCOMPARE(page().findChild<QLabel*>("rangeCardLoad")->text(),
             QString("Load: .270 Win Cal, Sierra Gameking, 130 grn"));
    QCOMPARE(list().rowCount(), 11);
    QCOMPARE(cell(0, 4), QString("-1.5"));
    QCOMPARE(cell(2, 4), QString("0.0"));  // the zero at 200 yd
    QVERIFY(cell(10, 7).startsWith("U "));
    QVERIFY(cell(10, 11).startsWith("R "));  // the 10 mph wind from the right
    QVERIFY(dialogs_.messages.empty());
    deadhold::testing::saveWindowGrab(*window_, "range_card_page");
  }

  void choosingG7ShowsItsRememberedCoefficientAndTypedValuesStay() {
    openRangeCard();
    page().findChild<QComboBox*>("dragFunction")->setCurrentIndex(1);
    QCOMPARE(field(F::BallisticCoeff).text(), QString("0.218"));
    field(F::WindSpeed).setText("5");
    QTest::keyClick(&field(F::WindSpeed), Qt::Key_Return);
    QCOMPARE(settings_.value("RangeCard/windSpeed"), std::optional<std::string>("5"));
    window_->tabs()->setCurrentIndex(Application::kHelpTab);
    window_->tabs()->setCurrentIndex(Application::kRangeCardTab);
    QCOMPARE(field(F::WindSpeed).text(), QString("5"));  // the same load: nothing handed over
    QCOMPARE(field(F::BallisticCoeff).text(), QString("0.218"));
    deadhold::testing::saveWindowGrab(*window_, "range_card_g7");
  }

  void valuesOutOfRangeGetOneMessageAndEmptyTheTable() {
    openRangeCard();
    field(F::MuzzleVelocity).setText("fast");
    field(F::Humidity).setText("120");
    QTest::mouseClick(page().findChild<QPushButton*>("calculate"), Qt::LeftButton);
    QCOMPARE(dialogs_.messages.size(), std::size_t(1));
    QCOMPARE(dialogs_.messages[0].title, std::string("Value Range Error"));
    QCOMPARE(dialogs_.messages[0].text,
             std::string("The Following Values are invalid and must be\ncorrected before the "
                         "range card can be calculated:\n\n   Velocity must be between 300 and "
                         "5000\n   Humidity must be between 0 and 100\n"));
    QCOMPARE(list().rowCount(), 0);
  }

  void printsTheCardOnThePrinterChosen() {
    openRangeCard();
    dialogs_.printers.push_back(std::make_unique<FakePrintTarget>(4800, 6300));
    QTest::mouseClick(page().findChild<QPushButton*>("printCard"), Qt::LeftButton);
    QCOMPARE(dialogs_.printDialogsShown, 1);
    FakePrintTarget& printer = *dialogs_.usedPrinters.at(0);
    QCOMPARE(printer.events.back(), std::string("endDocument"));
    QVERIFY(printer.surface_.findText("Range Card"));
    QVERIFY(printer.surface_.findText(".270 Win Cal, Sierra Gameking, 130 grn"));
  }
};

QTEST_MAIN(RangeCardPageWidgetTest)
#include "range_card_page_widget_test.moc"
