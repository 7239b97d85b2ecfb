#include "misc_page_widget.h"

#include <QApplication>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "engine/engine.h"
#include "main_window.h"
#include "shell/application.h"
#include "support/fake_dialogs.h"
#include "support/temp_folder.h"
#include "ui/window_grab.h"

using deadhold::Application;
using deadhold::BallisticInputs;
using deadhold::Engine;
using deadhold::TrajectoryTable;
using deadhold::testing::FakeDialogs;
using deadhold::testing::saveWindowGrab;
using deadhold::testing::TempFolder;
using deadhold::ui::MainWindow;
using deadhold::ui::MiscPageWidget;

namespace {

// What a modal window showed while it was open.
struct ModalSeen {
  bool opened = false;
  QString title;
  QStringList fieldTexts;
};

// Runs `press` and lets `use` work in the modal window it opens; the window is closed afterwards
// whatever `use` did, so a test never hangs on it.
ModalSeen openAndUse(const std::function<void()>& press,
                     const std::function<void(QDialog&)>& use = {}) {
  ModalSeen seen;
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr) return;
    seen.opened = true;
    seen.title = dialog->windowTitle();
    for (const QLineEdit* edit : dialog->findChildren<QLineEdit*>())
      seen.fieldTexts << edit->text();
    if (use) use(*dialog);
    dialog->reject();
  });
  press();
  return seen;
}

ModalSeen pressAndUse(QPushButton* button, const std::function<void(QDialog&)>& use = {}) {
  return openAndUse([button] { QTest::mouseClick(button, Qt::LeftButton); }, use);
}

void type(QDialog& dialog, const char* field, const QString& text) {
  QTest::keyClicks(dialog.findChild<QLineEdit*>(field), text);
}

}  // namespace

class MiscPageWidgetTest : public QObject {
  Q_OBJECT

 private slots:
  void sixPanelsInTwoColumnsWithTheirTexts() {
    Engine engine;
    FakeDialogs dialogs;
    MiscPageWidget page(engine, dialogs);
    struct Panel {
      int column, row;
      const char* description;
      const char* caption;
    };
    const Panel expected[] = {
        {0, 0, "Using Muzzle and 100 yrd velocities, computes the bullets Ballistic Coefficient",
         "Calculate Bullet Ballistic Coefficient"},
        {1, 0, "Using a bullets Weight and Diameter, calculates the bullets Sectional Density.",
         "&Calculate Bullet Sectional Density"},
        {0, 1, "Using bullets Weight and Velocity, computes the bullets energy",
         "Calculate Muzzle Energy"},
        {1, 1,
         "Using Bullet, Powder and Gun weights as well as muzzle velocity, calculates recoil in "
         "ft/lbs.",
         "Calculate Recoil"},
        {0, 2, "Using bullet Weight, Caliber (diameter) and Velocity, computes Taylor K.O. value",
         "Calculate Taylor Knockout Factor"},
        {1, 2, "Converts many different unit types between english and metric.",
         "English / Metric Unit Converter"},
    };
    auto* grid = qobject_cast<QGridLayout*>(page.layout());
    QVERIFY(grid != nullptr);
    const auto panels = page.findChildren<QGroupBox*>();
    QCOMPARE(panels.size(), qsizetype{6});
    for (int i = 0; i < 6; ++i) {
      QGroupBox* panel = panels[i];
      int row = -1, column = -1, rowSpan = 0, columnSpan = 0;
      grid->getItemPosition(grid->indexOf(panel), &row, &column, &rowSpan, &columnSpan);
      QCOMPARE(column, expected[i].column);
      QCOMPARE(row, expected[i].row);
      QCOMPARE(panel->findChild<QLabel*>()->text(), QString(expected[i].description));
      QCOMPARE(panel->findChild<QPushButton*>()->text(), QString(expected[i].caption));
    }
  }

  void everyPressOpensAFreshCalculator() {
    Engine engine;
    FakeDialogs dialogs;
    MiscPageWidget page(engine, dialogs);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    const struct {
      const char* button;
      const char* title;
      int fields;
    } calculators[] = {
        {"ballisticCoeffButton", "Calculate Ballistic Coefficient", 4},
        {"sectionalDensityButton", "Calculate Sectional Density", 3},
        {"energyButton", "Calculate Energy", 3},
        {"recoilButton", "Calculate Recoil", 6},
        {"taylorKnockoutButton", "Calculate Taylor Knockout", 4},
    };
    for (const auto& calculator : calculators) {
      auto* button = page.findChild<QPushButton*>(calculator.button);
      QVERIFY(button != nullptr);
      for (int opening = 0; opening < 2; ++opening) {
        const ModalSeen seen =
            pressAndUse(button, [](QDialog& dialog) { type(dialog, "input0", "150"); });
        QVERIFY(seen.opened);
        QCOMPARE(seen.title, QString(calculator.title));
        QCOMPARE(seen.fieldTexts, QStringList(calculator.fields, QString()));
      }
    }

    auto* converter = page.findChild<QPushButton*>("unitConverterButton");
    for (int opening = 0; opening < 2; ++opening) {
      const ModalSeen seen =
          pressAndUse(converter, [](QDialog& dialog) { type(dialog, "Feet", "5"); });
      QVERIFY(seen.opened);
      QCOMPARE(seen.title, QString("English/Metric Unit Converter"));
      QCOMPARE(seen.fieldTexts.first(), QString("12.000"));
    }
    QVERIFY(dialogs.messages.empty());
    saveWindowGrab(page, "misc-page");
  }

  void enterOrSpaceOnAFocusedButtonOpensItsCalculator() {
    Engine engine;
    FakeDialogs dialogs;
    MiscPageWidget page(engine, dialogs);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    auto* energy = page.findChild<QPushButton*>("energyButton");
    auto* recoil = page.findChild<QPushButton*>("recoilButton");
    energy->setFocus();
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
      const ModalSeen seen = openAndUse([energy, key] { QTest::keyClick(energy, key); });
      QVERIFY2(seen.opened, qPrintable(QString::number(key, 16)));
      QCOMPARE(seen.title, QString("Calculate Energy"));
    }
    // Tab moves to the next panel's button, and Enter opens that one.
    page.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&page));
    energy->setFocus();
    QTest::keyClick(energy, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), recoil);
    QCOMPARE(openAndUse([recoil] { QTest::keyClick(recoil, Qt::Key_Return); }).title,
             QString("Calculate Recoil"));
  }

  void theCoefficientSearchLeavesTheRangeTableAsItWas() {
    TempFolder folder;
    FakeDialogs dialogs;
    Application application(dialogs, folder.path());
    MainWindow window(application);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.tabs()->setCurrentIndex(Application::kMiscTab);
    QWidget* page = window.page(Application::kMiscTab);
    QVERIFY(page->isVisible());
    saveWindowGrab(window, "main-window-misc");

    Engine& engine = application.engine();
    engine.computeTrajectory(BallisticInputs{0.436, 130, 3016, 250, 1.5, 70, 500});
    const auto before = std::make_unique<TrajectoryTable>(engine.table());
    QString result;
    bool searched = false;
    pressAndUse(page->findChild<QPushButton*>("ballisticCoeffButton"), [&](QDialog& dialog) {
      type(dialog, "input0", "150");
      type(dialog, "input1", "2900");
      type(dialog, "input2", "2650");
      QTest::mouseClick(dialog.findChild<QPushButton*>("computeButton"), Qt::LeftButton);
      result = dialog.findChild<QLineEdit*>("result0")->text();
      searched = engine.table() != *before;
    });
    QVERIFY(searched);
    QVERIFY(!result.isEmpty() && result != "Unknown");
    QVERIFY(engine.table() == *before);
    QVERIFY(dialogs.messages.empty());
  }
};

QTEST_MAIN(MiscPageWidgetTest)
#include "misc_page_widget_test.moc"
