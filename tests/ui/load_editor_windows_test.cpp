#include <QCheckBox>
#include <QDir>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>
#include <QtTest>

#include "component_select_window.h"
#include "edit_load_window.h"
#include "limited_line_edit.h"
#include "loadinfo/edit_load_dialog.h"
#include "loads/load_rules.h"
#include "modal_step.h"
#include "qt_component_chooser.h"
#include "support/fake_dialogs.h"
#include "support/same_bytes.h"
#include "support/temp_folder.h"
#include "window_grab.h"

using deadhold::BulletEntry;
using deadhold::EditLoadDialog;
using deadhold::EditLoadField;
using deadhold::LoadRecord;
using deadhold::PrimerEntry;
using deadhold::testing::FakeDialogs;
using deadhold::testing::onNextModal;
using deadhold::testing::rowCentre;
using deadhold::testing::TempFolder;
using deadhold::ui::ComponentSelectWindow;
using deadhold::ui::EditLoadWindow;
using deadhold::ui::LimitedLineEdit;
using deadhold::ui::QtComponentChooser;

namespace {

LoadRecord sampleLoad() {
  LoadRecord load = deadhold::blankLoadRecord();
  load.loadName.assign("Elk load");
  load.caliber.assign(".270 Win");
  load.bulletMfg.assign("Sierra");
  load.bulletType.assign("Gameking");
  load.bulletWeight = 129.6f;
  load.ballisticCoeff = 0.4361f;
  load.powderWeight = 54.36f;
  load.avVelocity = 3015.7f;
  load.moly = 1.0f;
  load.shots[2] = {2990.0f, 0.5f, 0.5f, 0.7071f, 1};
  return load;
}

// The editor with its window, shown without a modal loop of its own.
struct EditorUnderTest {
  explicit EditorUnderTest(const LoadRecord& load, FakeDialogs& dialogs)
      : editor(load, dialogs, chooser), window(editor) {
    chooser.setParentWindow(&window);
    window.show();
  }
  QtComponentChooser chooser;
  EditLoadDialog editor;
  EditLoadWindow window;
};

}  // namespace

class LoadEditorWindowsTest : public QObject {
  Q_OBJECT

 private:
  FakeDialogs dialogs_;
  std::unique_ptr<TempFolder> folder_;
  QString oldDirectory_;

 private slots:
  void init() {
    dialogs_ = FakeDialogs();
    folder_ = std::make_unique<TempFolder>();
    oldDirectory_ = QDir::currentPath();
    QDir::setCurrent(QString::fromStdString(folder_->path().string()));
  }
  void cleanup() { QDir::setCurrent(oldDirectory_); }

  void limitedFieldRefusesTypingButNeverCutsTheProgramsText() {
    LimitedLineEdit field(5);
    field.show();
    QSignalSpy changes(&field, &LimitedLineEdit::userChanged);
    QTest::keyClicks(&field, "ABCDEFG");
    QCOMPARE(field.text(), QString("ABCDE"));
    QCOMPARE(changes.size(), 5);

    field.showText("a much longer text");
    QCOMPARE(field.text(), QString("a much longer text"));
    QCOMPARE(changes.size(), 5);
    field.end(false);
    QTest::keyClick(&field, Qt::Key_X);
    QCOMPARE(field.text(), QString("a much longer text"));
    QTest::keyClick(&field, Qt::Key_Backspace);
    QCOMPARE(field.text(), QString("a much longer tex"));
    QCOMPARE(changes.size(), 6);

    // A paste that does not fit is cut to what does.
    int cursor = 0;
    QCOMPARE(deadhold::ui::limitEdit("abc", "abXYZc", 5, cursor), QString("abXYc"));
    QCOMPARE(cursor, 4);
  }

  void editorShowsTheLoadAndAcceptsItUntouchedByteForByte() {
    const LoadRecord load = sampleLoad();
    EditorUnderTest under(load, dialogs_);
    QCOMPARE(under.window.windowTitle(), QString("Edit Load Data"));
    QCOMPARE(under.window.field(EditLoadField::bulletWeight)->text(), QString("130"));
    QCOMPARE(under.window.field(EditLoadField::powderWeight)->text(), QString("54.4"));
    QVERIFY(under.window.findChild<QCheckBox*>("moly")->isChecked());
    deadhold::testing::saveWindowGrab(under.window, "edit_load_dialog");
    QTest::mouseClick(under.window.findChild<QPushButton*>("accept"), Qt::LeftButton);
    QVERIFY(!under.window.isVisible());
    QCOMPARE(under.window.result(), int(QDialog::Accepted));
    QVERIFY(under.editor.accepted());
    QVERIFY(deadhold::sameBytes(under.editor.record(), load));
  }

  // A text as long as its field takes shows whole, not cut at the field's edge.
  void fullLengthTextsShowWhole() {
    LoadRecord load = sampleLoad();
    load.bulletMfg.assign("BMfgABCDEFGHIJKL");
    load.caseMfg.assign("CASEMFGABCDEFGHI");
    EditorUnderTest under(load, dialogs_);
    for (const EditLoadField which : {EditLoadField::bulletMfg, EditLoadField::caseMfg}) {
      QLineEdit& field = *under.window.field(which);
      QCOMPARE(field.text().size(), 16);
      // The edit keeps two pixels a side inside its frame.
      const int frame = field.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &field);
      QVERIFY2(field.fontMetrics().horizontalAdvance(field.text()) + 2 * frame + 4 <= field.width(),
               qPrintable(field.text()));
    }
  }

  void typingGoesIntoTheCopyWithinTheLimits() {
    EditorUnderTest under(deadhold::blankLoadRecord(), dialogs_);
    QTest::keyClicks(under.window.field(EditLoadField::bulletWeight), "150gr");
    QCOMPARE(under.editor.record().bulletWeight, 150.0f);
    under.window.field(EditLoadField::cartridgeLot)->clear();
    QTest::keyClicks(under.window.field(EditLoadField::cartridgeLot), "LOT-12345");
    QCOMPARE(under.window.field(EditLoadField::cartridgeLot)->text(), QString("LOT-1"));
    QCOMPARE(under.editor.record().cartridgeLot.str(), std::string("LOT-1"));
    QTest::mouseClick(under.window.findChild<QCheckBox*>("crimp"), Qt::LeftButton);
    QCOMPARE(under.editor.record().crimp, 1.0f);
  }

  void enterInAFieldClosesWithoutAccepting() {
    EditorUnderTest under(sampleLoad(), dialogs_);
    QTest::keyClicks(under.window.field(EditLoadField::caliber), "x");
    QTest::keyClick(under.window.field(EditLoadField::caliber), Qt::Key_Return);
    QVERIFY(!under.window.isVisible());
    QCOMPARE(under.window.result(), int(QDialog::Rejected));
    QVERIFY(!under.editor.accepted());
    QVERIFY(dialogs_.messages.empty());

    EditorUnderTest escaped(sampleLoad(), dialogs_);
    QTest::keyClick(escaped.window.field(EditLoadField::loadName), Qt::Key_Escape);
    QVERIFY(!escaped.window.isVisible());
    QVERIFY(!escaped.editor.accepted());
  }

  void acceptWithoutCaliberStaysOpen() {
    LoadRecord load = sampleLoad();
    load.caliber.assign("");
    EditorUnderTest under(load, dialogs_);
    QTest::mouseClick(under.window.findChild<QPushButton*>("accept"), Qt::LeftButton);
    QVERIFY(under.window.isVisible());
    QCOMPARE(dialogs_.messages.size(), size_t(1));
    QCOMPARE(dialogs_.messages[0].title, std::string("Warning"));
  }

  void resetFieldsRefillsTheFieldsFromABlankLoad() {
    EditorUnderTest under(sampleLoad(), dialogs_);
    QTest::mouseClick(under.window.findChild<QPushButton*>("resetFields"), Qt::LeftButton);
    QCOMPARE(dialogs_.messages.size(), size_t(1));
    QCOMPARE(under.window.field(EditLoadField::caliber)->text(), QString(""));
    QCOMPARE(under.window.field(EditLoadField::bulletWeight)->text(), QString("0"));
    QVERIFY(!under.window.findChild<QCheckBox*>("moly")->isChecked());
    QTest::mouseClick(under.window.findChild<QPushButton*>("quit"), Qt::LeftButton);
    QVERIFY(!under.window.isVisible());
    QVERIFY(!under.editor.accepted());
  }

  void selectionWaitsForAHighlightAndKeepsIt() {
    deadhold::testing::writeBytes(folder_->path() / "BULLETS.TXT",
                                  "Sierra\t.308\t168\tHPBT MatchKing\t0.462\t0.253\n"
                                  "Hornady\t.308\t150\tSST\t0.415\t0.226\n");
    BulletEntry chosen;
    onNextModal<ComponentSelectWindow>([](ComponentSelectWindow& window) {
      QCOMPARE(window.windowTitle(), QString("Bullet Selection"));
      QTreeWidget& list = *window.list();
      QCOMPARE(list.topLevelItemCount(), 2);
      QCOMPARE(list.headerItem()->text(4), QString("BC"));
      QCOMPARE(list.columnWidth(0), 180);
      auto* select = window.findChild<QPushButton*>("selectButton");
      QVERIFY(!select->isEnabled());
      QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, rowCentre(list, 0));
      QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, rowCentre(list, 1));
      QVERIFY(select->isEnabled());
      // Empty space below the rows takes the highlight away, not the choice.
      QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                        QPoint(20, list.viewport()->height() - 4));
      QVERIFY(select->isEnabled());
      QTest::mouseClick(select, Qt::LeftButton);
    });
    chosen = deadhold::ui::runComponentSelection<BulletEntry>(nullptr);
    QCOMPARE(chosen.manufacturer, std::string("Sierra"));
    QCOMPARE(chosen.weight, std::string("168"));
  }

  void keyboardAloneChoosesTheFirstRowWithOneDown() {
    deadhold::testing::writeBytes(folder_->path() / "BULLETS.TXT",
                                  "Sierra\t.308\t168\tHPBT MatchKing\t0.462\t0.253\n"
                                  "Hornady\t.308\t150\tSST\t0.415\t0.226\n");
    onNextModal<ComponentSelectWindow>([](ComponentSelectWindow& window) {
      QTreeWidget& list = *window.list();
      QTRY_COMPARE(QApplication::focusWidget(), &list);
      QTest::keyClick(&list, Qt::Key_Down);
      QTest::keyClick(&list, Qt::Key_Return);
    });
    const BulletEntry chosen = deadhold::ui::runComponentSelection<BulletEntry>(nullptr);
    QCOMPARE(chosen.manufacturer, std::string("Hornady"));  // the catalogue is sorted
  }

  void cancelEscapeAndTheCloseBoxChooseNothing() {
    deadhold::testing::writeBytes(folder_->path() / "PRIMERS.TXT", "CCI\tLR 200\n");
    for (int way = 0; way < 3; ++way) {
      onNextModal<ComponentSelectWindow>([way](ComponentSelectWindow& window) {
        QTreeWidget& list = *window.list();
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, rowCentre(list, 0));
        if (way == 0)
          QTest::mouseClick(window.findChild<QPushButton*>("cancelButton"), Qt::LeftButton);
        if (way == 1) QTest::keyClick(&list, Qt::Key_Escape);
        if (way == 2) window.close();
      });
      const PrimerEntry chosen = deadhold::ui::runComponentSelection<PrimerEntry>(nullptr);
      QVERIFY2(chosen.manufacturer.empty(), qPrintable(QString::number(way)));
    }
  }

  void emptyCatalogueLeavesOnlyCancel() {
    onNextModal<ComponentSelectWindow>([](ComponentSelectWindow& window) {
      QCOMPARE(window.list()->topLevelItemCount(), 0);
      QCOMPARE(window.list()->columnCount(), 3);
      QVERIFY(!window.findChild<QPushButton*>("selectButton")->isEnabled());
      QTest::keyClick(window.list(), Qt::Key_Return);  // Select is disabled: nothing happens
      QVERIFY(window.isVisible());
      window.reject();
    });
    QVERIFY(
        deadhold::ui::runComponentSelection<deadhold::PowderEntry>(nullptr).manufacturer.empty());
  }

  void primerFromTheCatalogueGoesToSizeAndEmptiesTheLot() {
    deadhold::testing::writeBytes(folder_->path() / "PRIMERS.TXT", "Federal\tLR 210\n");
    LoadRecord load = sampleLoad();
    load.primerType.assign("Magnum");
    load.primerLot.assign("P9");
    EditorUnderTest under(load, dialogs_);
    onNextModal<ComponentSelectWindow>([](ComponentSelectWindow& window) {
      QTest::mouseClick(window.list()->viewport(), Qt::LeftButton, {},
                        rowCentre(*window.list(), 0));
      QTest::mouseClick(window.findChild<QPushButton*>("selectButton"), Qt::LeftButton);
    });
    QTest::mouseClick(under.window.findChild<QPushButton*>("primerDBase"), Qt::LeftButton);
    QCOMPARE(under.window.field(EditLoadField::primerMfg)->text(), QString("Federal"));
    QCOMPARE(under.window.field(EditLoadField::primerSize)->text(), QString("LR 210"));
    QCOMPARE(under.window.field(EditLoadField::primerType)->text(), QString("Magnum"));
    QCOMPARE(under.window.field(EditLoadField::primerLot)->text(), QString(""));
    QCOMPARE(under.editor.record().primerLot.str(), std::string(""));
  }

  void starterCataloguesInTheSelectionDialogs() {
    const std::filesystem::path resources = DEADHOLD_RESOURCES_DIR;
    for (const char* name : {"BULLETS.TXT", "POWDERS.TXT", "PRIMERS.TXT"})
      std::filesystem::copy_file(resources / name, folder_->path() / name);
    const auto grab = [](const char* name) {
      onNextModal<ComponentSelectWindow>([name](ComponentSelectWindow& window) {
        QVERIFY(window.list()->topLevelItemCount() > 10);
        QTest::mouseClick(window.list()->viewport(), Qt::LeftButton, {},
                          rowCentre(*window.list(), 2));
        deadhold::testing::saveWindowGrab(window, name);
        window.reject();
      });
    };
    grab("bullet_selection");
    deadhold::ui::runComponentSelection<BulletEntry>(nullptr);
    grab("powder_selection");
    deadhold::ui::runComponentSelection<deadhold::PowderEntry>(nullptr);
    grab("primer_selection");
    deadhold::ui::runComponentSelection<PrimerEntry>(nullptr);
  }
};

QTEST_MAIN(LoadEditorWindowsTest)
#include "load_editor_windows_test.moc"
