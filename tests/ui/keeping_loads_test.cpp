// The user's loads through the real window: deleted loads stay deleted, and a file that is no
// load book is kept.
#include <QPushButton>
#include <QTableView>
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

using namespace deadhold;
using deadhold::testing::onNextModal;
using deadhold::testing::readBytes;

namespace {

void click(QWidget& parent, const char* name) {
  auto* button = parent.findChild<QPushButton*>(name);
  QVERIFY2(button && button->isEnabled(), name);
  QTest::mouseClick(button, Qt::LeftButton);
}

}  // namespace

class KeepingLoadsTest : public QObject {
  Q_OBJECT

  testing::TempFolder folder_;
  testing::FakeDialogs dialogs_;

  std::filesystem::path book() const { return folder_ / "RELOADER.DAT"; }

  // One run of the program: `use` works in the shown window, which is then closed.
  void run(const std::function<void(QWidget& loadPage)>& use) {
    Application application(dialogs_, folder_.path());
    ui::MainWindow window(application);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    use(*window.page(0));
    QVERIFY(window.close());
  }

  // "New Load" with only a caliber typed, then "Accept".
  static void newLoad(QWidget& page) {
    onNextModal<ui::EditLoadWindow>([](ui::EditLoadWindow& editor) {
      QTest::keyClicks(editor.field(EditLoadField::caliber), ".308");
      click(editor, "accept");
    });
    click(page, "newLoad");
  }

 private slots:
  void aLoadDeletedFromANewBookStaysDeleted() {
    std::filesystem::remove(book());
    run([](QWidget& page) {
      newLoad(page);
      onNextModal<ui::OpenLoadWindow>([](ui::OpenLoadWindow& browser) {
        QTableView& list = *browser.loadList();
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, testing::rowCentre(list, 0));
        click(browser, "deleteLoad");  // the last load: the browser closes
      });
      click(page, "openLoad");
    });
    QCOMPARE(readBytes(book()), std::string("\x01\0\0\0\0\0\0\0\xff\xff\xff\xff", 12));
    run([](QWidget& page) { QVERIFY(!page.findChild<QPushButton*>("editLoad")->isEnabled()); });
  }

  void aFileThatIsNoLoadBookIsSetAsideAndNeverWrittenOver() {
    testing::writeBytes(book(), "Elk loads to try\n");
    dialogs_.messages.clear();
    run([](QWidget& page) { newLoad(page); });
    QCOMPARE(dialogs_.messages.at(0).title, std::string("FILE ERROR"));
    const std::string& text = dialogs_.messages[0].text;
    QVERIFY(text.find("RELOADER.DAT: not a load book") != std::string::npos);
    QVERIFY(text.find("kept as " + book().string() + ".not-a-load-book.") != std::string::npos);
    QCOMPARE(readBytes(book().string() + ".not-a-load-book"), std::string("Elk loads to try\n"));
    LoadDatabase stored(book());
    QCOMPARE(stored.readDatabase(), 1);
  }
};

QTEST_MAIN(KeepingLoadsTest)
#include "keeping_loads_test.moc"
