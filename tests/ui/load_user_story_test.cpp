#include <QComboBox>
#include <QDir>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTreeWidget>
#include <QtTest>

#include "component_select_window.h"
#include "components/component_list.h"
#include "edit_load_window.h"
#include "limited_line_edit.h"
#include "loadinfo/open_load_dialog.h"
#include "loads/load_database.h"
#include "loads/load_rules.h"
#include "main_window.h"
#include "modal_step.h"
#include "open_load_window.h"
#include "shell/application.h"
#include "shot_string_window.h"
#include "support/fake_dialogs.h"
#include "support/same_bytes.h"
#include "support/temp_folder.h"
#include "target_area.h"
#include "window_grab.h"

using deadhold::Application;
using deadhold::EditLoadField;
using deadhold::LoadDatabase;
using deadhold::LoadRecord;
using deadhold::ShotStringField;
using deadhold::testing::FakeDialogs;
using deadhold::testing::onNextModal;
using deadhold::testing::rowCentre;
using deadhold::testing::saveWindowGrab;
using deadhold::testing::TempFolder;
using deadhold::ui::ComponentSelectWindow;
using deadhold::ui::EditLoadWindow;
using deadhold::ui::MainWindow;
using deadhold::ui::OpenLoadWindow;
using deadhold::ui::ShotStringWindow;

namespace {

// "First" and "Second", both .308, so that the browser lists both under one caliber.
void addTwoLoadsOfOneCaliber(LoadDatabase& database) {
  for (const char* name : {"First", "Second"}) {
    LoadRecord load = deadhold::blankLoadRecord();
    load.caliber.assign(".308");
    load.loadName.assign(name);
    database.addLoadCopy(load);
  }
}

// Runs `look` as each message box opens, to see what the window shows behind it.
class LookingDialogs : public FakeDialogs {
 public:
  deadhold::Answer messageBox(const std::string& text, const std::string& title,
                              deadhold::Buttons buttons, deadhold::Icon icon) override {
    if (look) look();
    return FakeDialogs::messageBox(text, title, buttons, icon);
  }
  std::function<void()> look;
};

void clickButton(QWidget& parent, const char* name) {
  auto* button = parent.findChild<QPushButton*>(name);
  QVERIFY2(button, name);
  QVERIFY2(button->isEnabled(), name);
  QTest::mouseClick(button, Qt::LeftButton);
}

// Takes the first entry of the selection dialog that the editor's button opens.
void chooseFirstEntry(EditLoadWindow& editor, const char* button, const char* grabName) {
  onNextModal<ComponentSelectWindow>([grabName](ComponentSelectWindow& selection) {
    QTreeWidget& list = *selection.list();
    QVERIFY(list.topLevelItemCount() > 0);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, rowCentre(list, 0));
    saveWindowGrab(selection, grabName);
    clickButton(selection, "selectButton");
  });
  clickButton(editor, button);
}

// A right-click at a client pixel of the large target's dialog.
void rightClickAt(ShotStringWindow& window, QPoint client) {
  QWidget* area = window.target();
  const QPoint local = area->mapFrom(&window, client);
  QTest::mouseMove(area, local);
  QTest::mouseClick(area, Qt::RightButton, {}, local);
}

LoadRecord* findLoad(LoadDatabase& database, const std::string& name) {
  for (int i = 0; i < database.loadCount(); ++i)
    if (database.loadAt(i)->loadName.str() == name) return database.loadAt(i);
  return nullptr;
}

}  // namespace

class LoadUserStoryTest : public QObject {
  Q_OBJECT

 private:
  TempFolder folder_;
  FakeDialogs dialogs_;
  QString oldDirectory_;

 private slots:
  void initTestCase() {
    // The catalogues are read from the working directory, as the program does.
    const std::filesystem::path resources = DEADHOLD_RESOURCES_DIR;
    for (const char* name : {"BULLETS.TXT", "POWDERS.TXT", "PRIMERS.TXT"})
      std::filesystem::copy_file(resources / name, folder_ / name);
    oldDirectory_ = QDir::currentPath();
    QDir::setCurrent(QString::fromStdString(folder_.path().string()));

    LoadDatabase book(folder_ / "RELOADER.DAT");
    LoadRecord varmint = deadhold::blankLoadRecord();
    varmint.caliber.assign(".223 Rem");
    varmint.loadName.assign("Varmint");
    varmint.bulletWeight = 55.0f;
    book.setCurrentLoad(&book.addLoadCopy(varmint));
    QVERIFY(!book.writeDatabase());
  }
  void cleanupTestCase() { QDir::setCurrent(oldDirectory_); }

  void newLoadTargetExportDeleteImport() {
    Application application(dialogs_, folder_.path());
    MainWindow window(application);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QWidget& page = *window.page(0);
    LoadDatabase& database = application.database();

    // A new load from the three catalogues.
    onNextModal<EditLoadWindow>([](EditLoadWindow& editor) {
      QTest::keyClicks(editor.field(EditLoadField::loadName), "Story load");
      chooseFirstEntry(editor, "bulletDBase", "story_bullet_selection");
      chooseFirstEntry(editor, "powderDBase", "story_powder_selection");
      chooseFirstEntry(editor, "primerDBase", "story_primer_selection");
      saveWindowGrab(editor, "story_edit_load");
      clickButton(editor, "accept");
    });
    clickButton(page, "newLoad");
    const auto bullet = deadhold::readBulletList("BULLETS.TXT")->front();
    const auto powder = deadhold::readPowderList("POWDERS.TXT")->front();
    const auto primer = deadhold::readPrimerList("PRIMERS.TXT")->front();
    QCOMPARE(database.loadCount(), 2);
    LoadRecord* story = database.currentLoad();
    QVERIFY(story);
    QCOMPARE(story->loadName.str(), std::string("Story load"));
    QCOMPARE(story->bulletMfg.str(), bullet.manufacturer);
    QCOMPARE(story->caliber.str(), bullet.caliber);
    QCOMPARE(story->bulletWeight, static_cast<float>(std::stod(bullet.weight)));
    QCOMPARE(story->powderType.str(), powder.type);
    QCOMPARE(story->primerSize.str(), primer.type);
    // No velocity yet: the editor warned and saved.
    QCOMPARE(dialogs_.messages.size(), size_t(1));
    QCOMPARE(dialogs_.messages[0].title, std::string("Value Range Warning"));

    // Three shots on the large target.
    onNextModal<ShotStringWindow>([](ShotStringWindow& target) {
      const std::array<QPoint, 3> places = {QPoint(472, 160), QPoint(392, 240), QPoint(312, 280)};
      const std::array<const char*, 3> velocities = {"2900", "2950", "3000"};
      for (int shot = 0; shot < 3; ++shot) {
        QTest::mouseClick(target.shotButton(shot + 1), Qt::LeftButton);
        rightClickAt(target, places[static_cast<std::size_t>(shot)]);
        target.field(ShotStringField::velocity)->selectAll();
        QTest::keyClicks(target.field(ShotStringField::velocity),
                         velocities[static_cast<std::size_t>(shot)]);
      }
      QCOMPARE(target.field(ShotStringField::groupSize)->text(), QString("2.500"));
      saveWindowGrab(target, "story_shot_string");
      clickButton(target, "returnButton");
    });
    clickButton(page, "largeTarget");
    QCOMPARE(story->shots[0].shotX, 1.0f);
    QCOMPARE(story->shots[2].shotY, -0.5f);
    QCOMPARE(story->avVelocity, 2950.0f);
    QCOMPARE(story->avGroup, 2.5f);
    QCOMPARE(page.findChild<QTreeWidget*>("shotList")->topLevelItemCount(), 3);
    saveWindowGrab(window, "story_load_information");

    // Export, delete and import it again in one visit of the browser.
    const LoadRecord original = *story;
    const auto exported = folder_ / "story.bld";
    dialogs_.savePaths.push_back(exported);
    dialogs_.openPaths.push_back(exported);
    onNextModal<OpenLoadWindow>([&](OpenLoadWindow& browser) {
      QCOMPARE(browser.caliberChoice()->count(), 2);
      QCOMPARE(browser.caliberChoice()->currentText(), QString::fromStdString(bullet.caliber));
      QTableView& list = *browser.loadList();
      QCOMPARE(list.model()->rowCount(), 1);
      QCOMPARE(list.model()->index(0, 7).data().toString(), QString("2950 fps"));
      QCOMPARE(list.model()->index(0, 8).data().toString(), QString("2.500 in"));
      QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, rowCentre(list, 0));
      saveWindowGrab(browser, "story_open_load");
      clickButton(browser, "exportLoad");
      QCOMPARE(std::filesystem::file_size(exported), std::uintmax_t{1100});
      clickButton(browser, "deleteLoad");
      QCOMPARE(database.loadCount(), 1);
      QCOMPARE(browser.caliberChoice()->count(), 1);
      QVERIFY(!browser.findChild<QPushButton*>("exportLoad")->isEnabled());
      clickButton(browser, "importLoad");
      QCOMPARE(database.loadCount(), 2);
      QCOMPARE(browser.caliberChoice()->count(), 2);
      clickButton(browser, "cancel");
    });
    clickButton(page, "openLoad");

    LoadRecord* back = findLoad(database, "Story load");
    QVERIFY(back);
    LoadRecord expected = original;
    expected.next = back->next;  // the link field is the only difference allowed
    QVERIFY(deadhold::sameBytes(*back, expected));
    QVERIFY(database.currentLoad() != back);  // an import never becomes current
    QCOMPARE(database.currentLoad()->loadName.str(), std::string("Varmint"));
    LoadDatabase stored(folder_ / "RELOADER.DAT");
    QCOMPARE(stored.readDatabase(), 2);
    QCOMPARE(dialogs_.messages.size(), size_t(1));
  }

  void openLoadKeepsTheRowAfterAClickOnEmptySpaceAndClosesOnEnter() {
    TempFolder folder;
    LoadDatabase database(folder / "RELOADER.DAT");
    addTwoLoadsOfOneCaliber(database);
    FakeDialogs dialogs;
    const std::filesystem::path start = folder.path();
    deadhold::OpenLoadDialog browser(database, dialogs, start, {});
    browser.open();
    OpenLoadWindow window(browser);
    window.show();
    QTableView& list = *window.loadList();
    QCOMPARE(list.columnWidth(0), 110);
    QCOMPARE(list.model()->headerData(6, Qt::Horizontal).toString(), QString("Powder Weight"));
    QVERIFY(!window.findChild<QPushButton*>("selectLoad")->isEnabled());
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, rowCentre(list, 1));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                      QPoint(20, list.viewport()->height() - 4));
    QVERIFY(window.findChild<QPushButton*>("selectLoad")->isEnabled());
    clickButton(window, "selectLoad");
    QVERIFY(!window.isVisible());
    QCOMPARE(database.currentLoad(), database.loadAt(1));

    deadhold::OpenLoadDialog again(database, dialogs, start, {});
    again.open();
    OpenLoadWindow second(again);
    second.show();
    QTest::mouseClick(second.loadList()->viewport(), Qt::LeftButton, {},
                      rowCentre(*second.loadList(), 0));
    QTest::keyClick(second.loadList(), Qt::Key_Return);
    QVERIFY(!second.isVisible());
    QCOMPARE(database.currentLoad(), database.loadAt(1));  // Enter selects nothing
  }

  void openLoadWarnsOfTheEmptyBookOverAnEmptyList() {
    TempFolder folder;
    LoadDatabase database(folder / "RELOADER.DAT");
    LoadRecord only = deadhold::blankLoadRecord();
    only.caliber.assign(".308");
    database.addLoadCopy(only);
    LookingDialogs dialogs;
    deadhold::OpenLoadDialog browser(database, dialogs, folder.path(), {});
    browser.open();
    OpenLoadWindow window(browser);
    window.show();
    QTableView& list = *window.loadList();
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, rowCentre(list, 0));
    QString behind;
    dialogs.look = [&] {
      behind = QString("%1 rows, %2 highlighted, delete %3")
                   .arg(list.model()->rowCount())
                   .arg(list.selectionModel()->selectedRows().size())
                   .arg(window.findChild<QPushButton*>("deleteLoad")->isEnabled() ? "on" : "off");
    };
    clickButton(window, "deleteLoad");
    QCOMPARE(behind, QString("0 rows, 0 highlighted, delete off"));
    QVERIFY(!window.isVisible());
  }

  void openLoadByKeyboardTakesTheFirstRowWithOneDown() {
    TempFolder folder;
    LoadDatabase database(folder / "RELOADER.DAT");
    addTwoLoadsOfOneCaliber(database);
    FakeDialogs dialogs;
    deadhold::OpenLoadDialog browser(database, dialogs, folder.path(), {});
    browser.open();
    OpenLoadWindow window(browser);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTableView& list = *window.loadList();
    list.setFocus(Qt::TabFocusReason);  // as Tab from the caliber choice brings it
    QTest::keyClick(&list, Qt::Key_Down);
    QCOMPARE(list.selectionModel()->selectedRows().value(0).row(), 0);
    // Home and End go to the first and the last row, whichever cell holds the cursor.
    QTest::keyClick(&list, Qt::Key_Right);
    QTest::keyClick(&list, Qt::Key_End);
    QCOMPARE(list.selectionModel()->selectedRows().value(0).row(), 1);
    QTest::keyClick(&list, Qt::Key_Home);
    QCOMPARE(list.selectionModel()->selectedRows().value(0).row(), 0);
    clickButton(window, "selectLoad");
    QVERIFY(!window.isVisible());
    QCOMPARE(database.currentLoad(), database.loadAt(0));
  }
};

QTEST_MAIN(LoadUserStoryTest)
#include "load_user_story_test.moc"
