// What the program does with the user's loads through its real window: deleted loads stay
// deleted, a file that is no load book is kept, the book as it was before a session changed it
// is kept as RELOADER.BAK, and texts in the Windows code page show as they were written.
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

#include "edit_load_window.h"
#include "limited_line_edit.h"
#include "loads/load_database.h"
#include "loads/sample_loads.h"
#include "main_window.h"
#include "modal_step.h"
#include "open_load_window.h"
#include "shell/application.h"
#include "support/fake_dialogs.h"
#include "support/temp_folder.h"

using deadhold::Application;
using deadhold::EditLoadField;
using deadhold::LoadDatabase;
using deadhold::LoadRecord;
using deadhold::testing::FakeDialogs;
using deadhold::testing::onNextModal;
using deadhold::testing::rowCentre;
using deadhold::testing::TempFolder;
using deadhold::ui::EditLoadWindow;
using deadhold::ui::MainWindow;
using deadhold::ui::OpenLoadWindow;

namespace {

void clickButton(QWidget& parent, const char* name) {
  auto* button = parent.findChild<QPushButton*>(name);
  QVERIFY2(button && button->isEnabled(), name);
  QTest::mouseClick(button, Qt::LeftButton);
}

// "New Load" with only a caliber typed, then "Accept".
void makeLoad(QWidget& page, const char* caliber) {
  onNextModal<EditLoadWindow>([caliber](EditLoadWindow& editor) {
    QTest::keyClicks(editor.field(EditLoadField::caliber), caliber);
    clickButton(editor, "accept");
  });
  clickButton(page, "newLoad");
}

// "Open Load", then "Delete Load" on the first row of the caliber shown.
void deleteFirstLoad(QWidget& page) {
  onNextModal<OpenLoadWindow>([](OpenLoadWindow& browser) {
    QTreeWidget& list = *browser.loadList();
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, rowCentre(list, 0));
    clickButton(browser, "deleteLoad");
    if (browser.isVisible()) clickButton(browser, "cancel");
  });
  clickButton(page, "openLoad");
}

std::string fileBytes(const std::filesystem::path& file) {
  return deadhold::testing::readBytes(file);
}

}  // namespace

class KeepingLoadsTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TempFolder> folder_;
  FakeDialogs dialogs_;

  std::filesystem::path book() const { return folder_->path() / "RELOADER.DAT"; }

  // One run of the program: `use` works in the shown window, which is then closed.
  void runProgram(const std::function<void(MainWindow&)>& use) {
    Application application(dialogs_, folder_->path());
    MainWindow window(application);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    use(window);
    QVERIFY(window.close());
  }

 private slots:
  void init() {
    folder_ = std::make_unique<TempFolder>();
    dialogs_ = FakeDialogs();
  }

  void aLoadDeletedFromANewBookStaysDeleted() {
    runProgram([](MainWindow& window) {
      makeLoad(*window.page(0), ".308");
      deleteFirstLoad(*window.page(0));
    });
    QCOMPARE(fileBytes(book()), std::string("\x01\0\0\0\0\0\0\0\xff\xff\xff\xff", 12));
    runProgram([](MainWindow& window) {
      QVERIFY(!window.page(0)->findChild<QPushButton*>("editLoad")->isEnabled());
    });
  }

  void aFileThatIsNoLoadBookIsSetAsideAndNeverWrittenOver() {
    const std::string notes = "Elk loads to try next season\n";
    deadhold::testing::writeBytes(book(), notes);
    runProgram([&](MainWindow& window) {
      QCOMPARE(dialogs_.messages.size(), size_t(1));
      QCOMPARE(dialogs_.messages[0].title, std::string("FILE ERROR"));
      QVERIFY(dialogs_.messages[0].text.find("RELOADER.DAT: not a load book") != std::string::npos);
      QVERIFY(dialogs_.messages[0].text.find("RELOADER.DAT.not-a-load-book") != std::string::npos);
      makeLoad(*window.page(0), ".308");
    });
    QCOMPARE(fileBytes(folder_->path() / "RELOADER.DAT.not-a-load-book"), notes);
    LoadDatabase stored(book());
    QCOMPARE(stored.readDatabase(), 1);
  }

  void theBookAsItWasBeforeADeletionIsKeptBesideIt() {
    LoadDatabase start(book());
    start.addLoadCopy(deadhold::testing::makeLoad(".308", 150));
    start.addLoadCopy(deadhold::testing::makeLoad(".223", 55));
    QVERIFY(!start.writeDatabase());
    const std::string before = fileBytes(book());
    runProgram([](MainWindow& window) { deleteFirstLoad(*window.page(0)); });
    QCOMPARE(fileBytes(folder_->path() / "RELOADER.BAK"), before);
    runProgram([](MainWindow&) {});  // a run that changes nothing keeps that backup
    QCOMPARE(fileBytes(folder_->path() / "RELOADER.BAK"), before);
    LoadDatabase stored(book());
    QCOMPARE(stored.readDatabase(), 1);
  }

  void textsInTheWindowsCodePageShowAsWritten() {
    LoadRecord load = deadhold::testing::makeLoad(".308", 150, "Caf\xE9", "\x93Match\x94");
    load.loadName.assign("\x80 12 \x96 Elk\x99 \x81");
    LoadDatabase start(book());
    start.setCurrentLoad(&start.addLoadCopy(load));
    QVERIFY(!start.writeDatabase());
    runProgram([](MainWindow& window) {
      QWidget& page = *window.page(0);
      QCOMPARE(page.findChild<QGroupBox*>()->title(),
               QString::fromUtf8("Load Name: € 12 – Elk™ \uFFFD"));
      QCOMPARE(page.findChild<QLineEdit*>("field0")->text(), QString::fromUtf8("Café"));
      QCOMPARE(page.findChild<QLineEdit*>("field1")->text(), QString::fromUtf8("“Match”"));
    });
  }
};

QTEST_MAIN(KeepingLoadsTest)
#include "keeping_loads_test.moc"
