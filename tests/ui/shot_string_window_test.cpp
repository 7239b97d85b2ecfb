#include "shot_string_window.h"

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTreeWidget>
#include <QtTest>

#include "import_velocities_window.h"
#include "limited_line_edit.h"
#include "loadinfo/shot_string_dialog.h"
#include "loads/load_rules.h"
#include "modal_step.h"
#include "notes_edit.h"
#include "support/fake_dialogs.h"
#include "target_area.h"
#include "window_grab.h"

using deadhold::LoadRecord;
using deadhold::ShotStringDialog;
using deadhold::testing::FakeDialogs;
using deadhold::ui::ImportVelocitiesWindow;
using deadhold::ui::ShotStringWindow;
using Field = deadhold::ShotStringField;

namespace {

// The dialog and its window, shown without a modal loop of its own.
struct TargetUnderTest {
  TargetUnderTest(LoadRecord& load, FakeDialogs& dialogs) : dialog(load, dialogs), window(dialog) {
    window.show();
  }

  // A right-click at a client pixel of the dialog, as the user makes it over the target.
  void rightClickAt(QPoint client) {
    QWidget* area = window.target();
    const QPoint local = area->mapFrom(&window, client);
    QTest::mouseMove(area, local);
    QTest::mouseClick(area, Qt::RightButton, {}, local);
  }

  ShotStringDialog dialog;
  ShotStringWindow window;
};

}  // namespace

class ShotStringWindowTest : public QObject {
  Q_OBJECT

 private:
  FakeDialogs dialogs_;
  LoadRecord load_;

 private slots:
  void init() {
    dialogs_ = FakeDialogs();
    load_ = deadhold::blankLoadRecord();
    load_.scopeHeight = 1.5f;
  }

  void targetLiesWhereTheMappingExpectsIt() {
    TargetUnderTest under(load_, dialogs_);
    QCOMPARE(under.window.windowTitle(), QString("Shot String Info"));
    QCOMPARE(under.window.target()->mapTo(&under.window, QPoint(0, 0)), QPoint(152, 0));
    QVERIFY(under.window.target()->width() >= 481);
    QVERIFY(under.window.target()->height() >= 392);
    QCOMPARE(under.window.width(), 633);
    QCOMPARE(under.window.minimumSize(), under.window.maximumSize());
    // Nothing else covers the target.
    for (QWidget* child : under.window.findChildren<QWidget*>()) {
      if (child == under.window.target() || !child->isVisible() ||
          child->parentWidget() != &under.window)
        continue;
      QVERIFY2(!child->geometry().intersects(QRect(153, 0, 480, 392)),
               qPrintable(child->objectName()));
    }
    QCOMPARE(under.window.field(Field::scopeHeight)->text(), QString("1.500000"));
    QCOMPARE(under.window.field(Field::targetDistance)->text(), QString("250"));
  }

  void rightClickPlacesTheSelectedShot() {
    TargetUnderTest under(load_, dialogs_);
    QTest::mouseClick(under.window.shotButton(1), Qt::LeftButton);
    under.rightClickAt(QPoint(472, 160));
    QCOMPARE(load_.shots[0].shotPlaced, 1);
    QCOMPARE(under.window.field(Field::xDistance)->text(), QString("1.000"));
    QCOMPARE(under.window.field(Field::yDistance)->text(), QString("1.000"));
    QCOMPARE(under.window.field(Field::radius)->text(), QString("1.414"));
    QCOMPARE(under.window.findChild<QLabel*>("pointerXLine")->text(),
             QString("X-Distance 1.000 in"));
    QCOMPARE(under.window.target()->cursor().shape(), Qt::CrossCursor);
    QVERIFY(dialogs_.messages.empty());
  }

  void rightClickWithoutAShotAsksForOne() {
    TargetUnderTest under(load_, dialogs_);
    under.rightClickAt(QPoint(472, 160));
    QCOMPARE(dialogs_.messages.size(), size_t(1));
    QCOMPARE(dialogs_.messages[0].text, std::string("Please Select a Shot # to edit first"));
    QCOMPARE(load_.shots[0].shotPlaced, 0);
  }

  void typedValuesAndTheirLimits() {
    TargetUnderTest under(load_, dialogs_);
    QTest::mouseClick(under.window.shotButton(4), Qt::LeftButton);
    under.window.field(Field::velocity)->selectAll();
    QTest::keyClicks(under.window.field(Field::velocity), "2950");
    under.window.field(Field::xDistance)->selectAll();
    QTest::keyClicks(under.window.field(Field::xDistance), "-1.25000000000");
    QCOMPARE(under.window.field(Field::xDistance)->text(), QString("-1.2500000"));
    QCOMPARE(load_.shots[3].shotVelocity, 2950.0f);
    QCOMPARE(load_.shots[3].shotX, -1.25f);
    QCOMPARE(load_.shots[3].shotPlaced, 1);
    QCOMPARE(under.window.field(Field::radius)->text(), QString("1.250"));
    under.window.field(Field::targetDistance)->selectAll();
    QTest::keyClicks(under.window.field(Field::targetDistance), "300.7");
    QCOMPARE(load_.targetDistance, 300.0f);
  }

  void aCharacterTheRecordCannotHoldKeepsTheCursorWhereTheUserTypes() {
    TargetUnderTest under(load_, dialogs_);
    QApplication::setActiveWindow(&under.window);
    QVERIFY(QTest::qWaitForWindowActive(&under.window));
    deadhold::ui::LimitedLineEdit* wind = under.window.field(Field::wind);
    wind->setFocus();
    QTest::keyClicks(wind, "10 ");
    // The euro sign is in the records' code page; an arrow is not.
    for (const char16_t typed : {u'\u20AC', u'\u2192'}) {
      QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(QChar(typed)));
      QApplication::sendEvent(wind, &key);
    }
    QTest::keyClicks(wind, " gusts");
    QCOMPARE(wind->text(), QString::fromUtf8("10 €? gusts"));
    QCOMPARE(wind->cursorPosition(), 11);
    QCOMPARE(load_.wind.str(), std::string("10 \x80? gusts"));
  }

  void notesTakeCtrlEnterAsALineBreak() {
    TargetUnderTest under(load_, dialogs_);
    deadhold::ui::NotesEdit* notes = under.window.notes();
    QTest::keyClicks(notes, "calm");
    QTest::keyClick(notes, Qt::Key_Return, Qt::ControlModifier);
    QTest::keyClicks(notes, "clear");
    QCOMPARE(load_.notes.str(), std::string("calm\r\nclear"));
    QVERIFY(under.window.isVisible());
    QTest::keyClicks(notes, QString(200, 'x'));
    QCOMPARE(load_.notes.str().size(), size_t(120));
    QTest::keyClick(notes, Qt::Key_Return);  // plain Enter closes
    QVERIFY(!under.window.isVisible());
  }

  // The notes show several lines, and the shot numbers keep clear of the target beside them.
  void notesShowSeveralLinesAndTheShotNumbersKeepClearOfTheTarget() {
    TargetUnderTest under(load_, dialogs_);
    auto* notes = under.window.findChild<QPlainTextEdit*>("notes");
    QVERIFY(notes->viewport()->height() >= 4 * notes->fontMetrics().height());
    const int targetLeft = under.window.target()->geometry().left();
    for (int number : {6, 10}) {
      QRadioButton* shot = under.window.shotButton(number);
      const int textEnd = shot->mapTo(&under.window, QPoint(shot->sizeHint().width(), 0)).x();
      QVERIFY2(textEnd + 4 <= targetLeft, qPrintable(shot->text()));
    }
  }

  void escapeIsIgnoredAndEnterInAFieldCloses() {
    TargetUnderTest under(load_, dialogs_);
    QTest::keyClick(under.window.field(Field::wind), Qt::Key_Escape);
    QVERIFY(under.window.isVisible());
    QTest::keyClick(under.window.field(Field::wind), Qt::Key_Enter, Qt::KeypadModifier);
    QVERIFY(!under.window.isVisible());
  }

  void largeTargetWithAGroup() {
    load_.shots[0] = {2900.0f, 0.25f, 0.5f, 0.559f, 1};
    load_.shots[1] = {2950.0f, -0.5f, 0.125f, 0.515f, 1};
    load_.shots[2] = {2925.0f, 0.75f, -0.5f, 0.901f, 1};
    load_.shots[3] = {2930.0f, 0.0f, 1.0f, 1.0f, 1};
    load_.wind.assign("5 mph from 9 o'clock");
    load_.notes.assign("Cold bore first\r\nBench, sandbags");
    TargetUnderTest under(load_, dialogs_);
    QTest::mouseClick(under.window.shotButton(3), Qt::LeftButton);
    QWidget* area = under.window.target();
    QTest::mouseMove(area, area->mapFrom(&under.window, QPoint(500, 300)));
    QCOMPARE(under.window.field(Field::groupSize)->text(), QString("1.677"));
    deadhold::testing::saveWindowGrab(under.window, "shot_string_target");
  }

  // The device's own UTF-16 LabRadar report, through the button, the series window and the
  // question, into shots 1 to 5; the hole of shot 2 stays.
  void importsALabRadarReport() {
    load_.shots[1] = {3000.0f, 0.25f, 0.5f, 0.559f, 1};
    load_.shots[3] = {2950.0f, -0.5f, 0.125f, 0.515f, 1};
    load_.shots[6] = {2900.0f, 0.0f, 0.0f, 0.0f, 0};
    dialogs_.openPaths.push_back(std::filesystem::path(DEADHOLD_CHRONO_SAMPLES) /
                                 "labradar_utf16.csv");
    TargetUnderTest under(load_, dialogs_);
    QTest::mouseClick(under.window.shotButton(2), Qt::LeftButton);
    deadhold::testing::onNextModal<ImportVelocitiesWindow>([](ImportVelocitiesWindow& series) {
      QCOMPARE(series.windowTitle(), QString("Import Velocities"));
      const QTreeWidgetItem* row = series.seriesList()->topLevelItem(0);
      QCOMPARE(row->text(0) + " " + row->text(1) + " " + row->text(2) + " " + row->text(3) + " " +
                   row->text(4),
               QString("0001 5 2802.2 15.0 5.89"));
      QVERIFY(!series.firstShot()->isEnabled());
      deadhold::testing::saveWindowGrab(series, "import_velocities");
      QTest::mouseClick(series.importButton(), Qt::LeftButton);
    });
    QTest::mouseClick(under.window.findChild<QPushButton*>("importVelocities"), Qt::LeftButton);

    QCOMPARE(dialogs_.messages.size(), size_t(1));  // shots held velocities: asked, Yes
    QCOMPARE(load_.shots[0].shotVelocity, 2801.0f);
    QCOMPARE(load_.shots[4].shotVelocity, 2806.0f);
    QCOMPARE(load_.shots[6].shotVelocity, 0.0f);
    QCOMPARE(load_.shots[1].shotX, 0.25f);
    QCOMPARE(under.window.field(Field::velocity)->text(), QString("2795"));
    QCOMPARE(under.window.field(Field::shots)->text(), QString("5"));
    QCOMPARE(under.window.field(Field::meanVelocity)->text(), QString("2802.2"));
    QCOMPARE(under.window.field(Field::extremeSpread)->text(), QString("15.0"));
    QCOMPARE(under.window.field(Field::standardDeviation)->text(), QString("5.89"));
    QCOMPARE(under.window.field(Field::meanRadius)->text(), QString("0.419"));  // half of 0.839
    QVERIFY(under.window.field(Field::meanVelocity)->isReadOnly());
    deadhold::testing::saveWindowGrab(under.window, "shot_string_imported");
  }
};

QTEST_MAIN(ShotStringWindowTest)
#include "shot_string_window_test.moc"
