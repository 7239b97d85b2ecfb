#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <memory>

#include "bc_calc_window.h"
#include "engine/engine.h"
#include "small_calculator_window.h"
#include "support/fake_dialogs.h"
#include "ui/window_grab.h"

using deadhold::BallisticInputs;
using deadhold::Engine;
using deadhold::TrajectoryTable;
using deadhold::testing::FakeDialogs;
using deadhold::testing::saveWindowGrab;
using deadhold::ui::BcCalcWindow;
using deadhold::ui::SmallCalculatorWindow;

namespace {

QLineEdit* field(QWidget& window, const char* name) {
  auto* edit = window.findChild<QLineEdit*>(name);
  if (edit == nullptr) qFatal("no field %s", name);
  return edit;
}

QPushButton* button(QWidget& window, const char* name) {
  auto* found = window.findChild<QPushButton*>(name);
  if (found == nullptr) qFatal("no button %s", name);
  return found;
}

// Replaces what the user sees in a field by typing, one keystroke at a time.
void retype(QWidget& window, const char* name, const QString& text) {
  QLineEdit* edit = field(window, name);
  edit->setFocus();
  edit->selectAll();
  QTest::keyClick(edit, Qt::Key_Delete);
  QTest::keyClicks(edit, text);
}

QStringList labels(QWidget& window) {
  QStringList texts;
  for (const QLabel* label : window.findChildren<QLabel*>()) texts << label->text();
  return texts;
}

// The coefficient window's three inputs, typed in order.
void enterShot(QWidget& window, const char* weight, const char* muzzle, const char* at100) {
  retype(window, "input0", weight);
  retype(window, "input1", muzzle);
  retype(window, "input2", at100);
}

// The names of the widgets Tab visits, in its order, starting at `first`.
QStringList tabOrder(QWidget& first) {
  QStringList names;
  QWidget* widget = &first;
  do {
    if ((widget->focusPolicy() & Qt::TabFocus) && !widget->objectName().isEmpty())
      names << widget->objectName();
    widget = widget->nextInFocusChain();
  } while (widget != &first);
  return names;
}

void showAndWait(QWidget& window) {
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
}

}  // namespace

class CalculatorWindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void sectionalDensityNeedsOnlyADiameterInRange() {
    auto window = SmallCalculatorWindow::sectionalDensity(nullptr);
    showAndWait(*window);
    QCOMPARE(window->windowTitle(), QString("Calculate Sectional Density"));
    QCOMPARE(labels(*window),
             (QStringList{"Bullet Weight (grns)", "Bullet Diameter (.000)", "Sectional Density"}));
    QCOMPARE(button(*window, "computeButton")->text(), QString("&Calculate"));
    QCOMPARE(button(*window, "returnButton")->text(), QString("&Return"));
    QVERIFY(button(*window, "computeButton")->isDefault());
    QVERIFY(!button(*window, "computeButton")->isEnabled());
    QVERIFY(field(*window, "result0")->isReadOnly());

    retype(*window, "input1", "0.308");
    QVERIFY(button(*window, "computeButton")->isEnabled());
    QTest::mouseClick(button(*window, "computeButton"), Qt::LeftButton);
    QCOMPARE(field(*window, "result0")->text(), QString("0.00000"));

    retype(*window, "input0", "901");
    QVERIFY(!button(*window, "computeButton")->isEnabled());
    retype(*window, "input0", "150");
    QVERIFY(button(*window, "computeButton")->isEnabled());
    retype(*window, "input1", "0.09");
    QVERIFY(!button(*window, "computeButton")->isEnabled());
    retype(*window, "input1", "1.01");
    QVERIFY(!button(*window, "computeButton")->isEnabled());
    retype(*window, "input1", "0.308");
    // Enter in a field presses the default button.
    QTest::keyClick(field(*window, "input1"), Qt::Key_Return);
    QCOMPARE(field(*window, "result0")->text(), QString("0.22589"));
    QVERIFY(window->isVisible());
    saveWindowGrab(*window, "sectional-density");

    // Results stay when the inputs change afterwards.
    retype(*window, "input0", "abc");
    QCOMPARE(field(*window, "result0")->text(), QString("0.22589"));
  }

  void energyVelocityBoundsAndResult() {
    auto window = SmallCalculatorWindow::energy(nullptr);
    showAndWait(*window);
    QCOMPARE(window->windowTitle(), QString("Calculate Energy"));
    QCOMPARE(button(*window, "computeButton")->text(), QString("Calculate"));
    retype(*window, "input0", "150");
    retype(*window, "input1", "4500");
    QVERIFY(!button(*window, "computeButton")->isEnabled());
    retype(*window, "input1", "500");
    QVERIFY(button(*window, "computeButton")->isEnabled());
    retype(*window, "input1", "3000");
    QTest::mouseClick(button(*window, "computeButton"), Qt::LeftButton);
    QCOMPARE(field(*window, "result0")->text(), QString("2998"));
    saveWindowGrab(*window, "energy");
  }

  void tabRunsDownTheFormThenAlongTheButtons() {
    auto recoil = SmallCalculatorWindow::recoil(nullptr);
    QCOMPARE(tabOrder(*field(*recoil, "input0")),
             QStringList({"input0", "input1", "input2", "input3", "result0", "result1",
                          "computeButton", "returnButton"}));
    FakeDialogs dialogs;
    Engine engine;
    BcCalcWindow coefficient(engine, dialogs);
    QCOMPARE(
        tabOrder(*field(coefficient, "input0")),
        QStringList({"input0", "input1", "input2", "result0", "computeButton", "returnButton"}));
  }

  void recoilShowsBothResults() {
    auto window = SmallCalculatorWindow::recoil(nullptr);
    showAndWait(*window);
    QCOMPARE(window->windowTitle(), QString("Calculate Recoil"));
    QCOMPARE(button(*window, "computeButton")->text(), QString("&Compute"));
    QCOMPARE(labels(*window), (QStringList{"Bullet Weight (grns)", "Bullet Velocity (fps)",
                                           "Powder Weight (grns)", "Total Gun Weight (lbs)",
                                           "Recoil Energy (ft/lbs)", "Recoil Velocity (fps)"}));
    retype(*window, "input0", "150");
    retype(*window, "input1", "2900");
    retype(*window, "input2", "50");
    QVERIFY(!button(*window, "computeButton")->isEnabled());  // no gun weight yet
    retype(*window, "input3", "8");
    QTest::mouseClick(button(*window, "computeButton"), Qt::LeftButton);
    QCOMPARE(field(*window, "result0")->text(), QString("17.78"));
    QCOMPARE(field(*window, "result1")->text(), QString("11.96"));
    QVERIFY(field(*window, "result1")->isReadOnly());
    saveWindowGrab(*window, "recoil");
  }

  void taylorKnockoutCaliberBound() {
    auto window = SmallCalculatorWindow::taylorKnockout(nullptr);
    showAndWait(*window);
    QCOMPARE(window->windowTitle(), QString("Calculate Taylor Knockout"));
    retype(*window, "input0", "300");
    retype(*window, "input1", "2500");
    retype(*window, "input2", "0.176");
    QVERIFY(!button(*window, "computeButton")->isEnabled());
    retype(*window, "input2", "0.375");
    QTest::mouseClick(button(*window, "computeButton"), Qt::LeftButton);
    QCOMPARE(field(*window, "result0")->text(), QString("40.18"));
    saveWindowGrab(*window, "taylor-knockout");
  }

  void coefficientEnablingFollowsTheRanges() {
    Engine engine;
    FakeDialogs dialogs;
    BcCalcWindow window(engine, dialogs);
    showAndWait(window);
    QCOMPARE(window.windowTitle(), QString("Calculate Ballistic Coefficient"));
    QCOMPARE(labels(window),
             (QStringList{"Bullet Weight", "Muzzle Velocity", "100 yard Velocity", "Bullet BC"}));
    QPushButton* calculate = button(window, "computeButton");
    QCOMPARE(calculate->text(), QString("&Calculate"));
    QVERIFY(calculate->isDefault());
    QVERIFY(!calculate->isEnabled());
    QVERIFY(field(window, "result0")->isReadOnly());

    enterShot(window, "150", "3000", "2700");
    QVERIFY(calculate->isEnabled());
    retype(window, "input0", "0.5");
    QVERIFY(!calculate->isEnabled());
    retype(window, "input0", "150");
    retype(window, "input1", "4500");
    QVERIFY(!calculate->isEnabled());
    retype(window, "input1", "3000");
    retype(window, "input2", "0");
    QVERIFY(!calculate->isEnabled());
    retype(window, "input2", "2700");
    QVERIFY(calculate->isEnabled());
    QVERIFY(dialogs.messages.empty());
  }

  void coefficientWarningKeepsThePreviousResult() {
    Engine engine;
    FakeDialogs dialogs;
    BcCalcWindow window(engine, dialogs);
    showAndWait(window);
    enterShot(window, "150", "3000", "2000");  // a drop of exactly 1000 still searches
    QTest::mouseClick(button(window, "computeButton"), Qt::LeftButton);
    QVERIFY(dialogs.messages.empty());
    const QString found = field(window, "result0")->text();
    QVERIFY(!found.isEmpty());

    retype(window, "input2", "1999");
    QTest::mouseClick(button(window, "computeButton"), Qt::LeftButton);
    QCOMPARE(dialogs.messages.size(), std::size_t{1});
    QCOMPARE(QString::fromStdString(dialogs.messages[0].title), QString("Velocity Warning"));
    QCOMPARE(QString::fromStdString(dialogs.messages[0].text),
             QString("You have entered velocities which decrease by over 1000 fps in 100 yrds\n"
                     "No known bullet behaves like this. Please double check the entered "
                     "Velocities."));
    QCOMPARE(field(window, "result0")->text(), found);
  }

  void coefficientClimbsToTheTopWhenNothingSlowsEnough() {
    Engine engine;
    FakeDialogs dialogs;
    BcCalcWindow window(engine, dialogs);
    showAndWait(window);
    enterShot(window, "150", "3000", "3000");
    QTest::mouseClick(button(window, "computeButton"), Qt::LeftButton);
    QCOMPARE(field(window, "result0")->text(), QString("0.700"));
    QVERIFY(dialogs.messages.empty());
  }

  void closingTheCoefficientWindowRestoresTheRangeTable() {
    Engine engine;
    engine.computeTrajectory(BallisticInputs{0.436, 130, 3016, 250, 1.5, 70, 500});
    const auto before = std::make_unique<TrajectoryTable>(engine.table());
    FakeDialogs dialogs;
    {
      BcCalcWindow window(engine, dialogs);
      showAndWait(window);
      enterShot(window, "168", "2800", "2600");
      QTest::mouseClick(button(window, "computeButton"), Qt::LeftButton);
      QVERIFY(!field(window, "result0")->text().isEmpty());
      QVERIFY(engine.table() != *before);  // the search ran the engine
      saveWindowGrab(window, "ballistic-coefficient");
      QTest::mouseClick(button(window, "returnButton"), Qt::LeftButton);
      QVERIFY(!window.isVisible());
    }
    QVERIFY(engine.table() == *before);
  }
};

QTEST_MAIN(CalculatorWindowsTest)
#include "calculator_windows_test.moc"
