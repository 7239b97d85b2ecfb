#include "qt_dialogs.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDialog>
#include <QFileDialog>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <fstream>

#include "file_filter.h"
#include "qt_print_target.h"
#include "support/temp_folder.h"

using deadhold::Answer;
using deadhold::Buttons;
using deadhold::FilePrompt;
using deadhold::Icon;
using deadhold::testing::TempFolder;
using deadhold::ui::QtDialogs;

namespace {

// Runs `step` on the modal dialog once it is open.
template <typename Dialog>
void whenOpen(std::function<void(Dialog&)> step) {
  QTimer::singleShot(0, [step] {
    QTRY_VERIFY(qobject_cast<Dialog*>(QApplication::activeModalWidget()));
    step(*qobject_cast<Dialog*>(QApplication::activeModalWidget()));
  });
}

FilePrompt loadReportPrompt(const std::filesystem::path& folder) {
  FilePrompt prompt;
  prompt.defaultName = "LOAD";
  prompt.defaultExtension = ".TXT";
  prompt.filter = "Text Files (*.txt)|*.txt|All Files (*.*)|*.*||";
  prompt.initialFolder = folder;
  return prompt;
}

void touch(const std::filesystem::path& file) {
  std::ofstream(file) << "old";
}

}  // namespace

class QtDialogsTest : public QObject {
  Q_OBJECT

 private slots:
  void filterListsBecomeQtNameFilters() {
    QCOMPARE(deadhold::ui::qtNameFilters("Text Files (*.txt)|*.txt|All Files (*.*)|*.*||"),
             QStringList({"Text Files (*.txt) (*.txt)", "All Files (*.*) (*)"}));
    QCOMPARE(deadhold::ui::qtNameFilters("Binary Load Data (*.bld)|*.bld|All Files (*.*)|*.*||"),
             QStringList({"Binary Load Data (*.bld) (*.bld)", "All Files (*.*) (*)"}));
    QCOMPARE(deadhold::ui::qtNameFilters("Reports|*.txt;*.log||"),
             QStringList({"Reports (*.txt *.log)"}));
    QCOMPARE(deadhold::ui::qtNameFilters(""), QStringList());
  }

  void messageBoxShowsTitleTextIconAndAnswers() {
    QtDialogs dialogs;
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttons = 0;
    whenOpen<QMessageBox>([&](QMessageBox& box) {
      title = box.windowTitle();
      text = box.text();
      icon = box.icon();
      buttons = box.buttons().size();
      box.button(QMessageBox::Cancel)->click();
    });
    const Answer answer = dialogs.messageBox(
        "Some Data fields required to calculate the Ballistics are invalid.\nPress CANCEL",
        "WARNING", Buttons::OkCancel, Icon::Exclamation);
    QCOMPARE(answer, Answer::Cancel);
    QCOMPARE(title, QString("WARNING"));
    QCOMPARE(text, QString("Some Data fields required to calculate the Ballistics are invalid.\n"
                           "Press CANCEL"));
    QCOMPARE(icon, QMessageBox::Warning);
    QCOMPARE(buttons, 2);

    whenOpen<QMessageBox>([](QMessageBox& box) { box.button(QMessageBox::No)->click(); });
    QCOMPARE(dialogs.messageBox("Reset?", "Question", Buttons::YesNo), Answer::No);
    whenOpen<QMessageBox>([](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Return); });
    QCOMPARE(dialogs.messageBox("Done", "Warning", Buttons::Ok), Answer::Ok);
  }

  // A message right after an entry dialog closed, before the desktop has made another window
  // active, opens over the window that dialog belonged to, not where the dialog was.
  void messageOpensCentredOnTheWindowItBelongsTo() {
    QWidget window;
    window.setGeometry(100, 100, 660, 460);
    window.show();
    QDialog entry(&window);
    entry.setGeometry(600, 500, 200, 80);
    entry.show();
    QApplication::setActiveWindow(&entry);
    QVERIFY(QTest::qWaitForWindowActive(&entry));
    entry.hide();
    QPoint centre;
    whenOpen<QMessageBox>([&](QMessageBox& box) {
      centre = box.geometry().center();
      box.button(QMessageBox::Ok)->click();
    });
    QtDialogs().messageBox("Maximum Deadhold Range is 298 yrds", "Maximum Deadhold Range",
                           Buttons::Ok, Icon::Information);
    QVERIFY2((centre - window.geometry().center()).manhattanLength() <= 4,
             qPrintable(QString("box centre %1,%2").arg(centre.x()).arg(centre.y())));
  }

  // Every printout is printed whole: the dialog offers no page range it would then ignore.
  void printDialogOffersNoPageRange() {
    int pageChoicesOffered = -1;
    whenOpen<QPrintDialog>([&](QPrintDialog& dialog) {
      // With its options opened, as a user looking for a page range would.
      const auto buttons = dialog.findChildren<QPushButton*>();
      for (QPushButton* button : buttons)
        if (button->text().contains("Options")) button->click();
      pageChoicesOffered = 0;
      for (const char* name : {"printRange", "pagesRadioButton", "pageSetCombo"}) {
        auto* choice = dialog.findChild<QWidget*>(name);
        pageChoicesOffered += choice != nullptr && choice->isVisible() && choice->isEnabled();
      }
      dialog.reject();
    });
    QCOMPARE(QtDialogs().choosePrinter(), nullptr);
    QCOMPARE(pageChoicesOffered, 0);
  }

  // Messages name files as the system spells them.
  void messageTextsShowFileNamesAsTheSystemSpellsThem() {
    QtDialogs dialogs;
    QString text;
    whenOpen<QMessageBox>([&](QMessageBox& box) {
      text = box.text();
      box.button(QMessageBox::Ok)->click();
    });
    dialogs.messageBox("Could not write /home/jos\xC3\xA9/RELOADER.DAT: Permission denied",
                       "FILE ERROR", Buttons::Ok);
    QCOMPARE(text, QString::fromUtf8("Could not write /home/josé/RELOADER.DAT: Permission denied"));
  }

  void savePromptOpensInTheFolderAndAddsTheDefaultExtension() {
    TempFolder folder;
    QtDialogs dialogs;
    QString directory, selected;
    QStringList filters;
    bool dotlessListed = false;
    touch(folder / "README");
    whenOpen<QFileDialog>([&](QFileDialog& dialog) {
      directory = dialog.directory().absolutePath();
      auto* types = dialog.findChild<QComboBox*>("fileTypeCombo");
      for (int i = 0; i < types->count(); ++i) filters << types->itemText(i);
      // "All Files (*.*)" lists every file, also one without a dot.
      dialog.selectNameFilter(dialog.nameFilters().constLast());
      auto* files = dialog.findChild<QListView*>("listView");
      QTRY_VERIFY(files->model()->rowCount(files->rootIndex()) > 0);
      dotlessListed =
          !files->model()
               ->match(files->model()->index(0, 0, files->rootIndex()), Qt::DisplayRole, "README")
               .isEmpty();
      auto* name = dialog.findChild<QLineEdit*>("fileNameEdit");
      selected = name->text();
      name->setText("elk");
      QTest::keyClick(name, Qt::Key_Return);
    });
    const auto file = dialogs.promptSave(loadReportPrompt(folder.path()));
    QVERIFY(file.has_value());
    QCOMPARE(QString::fromStdString(file->string()),
             QString::fromStdString((folder / "elk.TXT").string()));
    QCOMPARE(directory, QString::fromStdString(folder.path().string()));
    QCOMPARE(selected, QString("LOAD"));
    QCOMPARE(filters, QStringList({"Text Files (*.txt)", "All Files (*.*)"}));
    QVERIFY(dotlessListed);
  }

  void savePromptAsksBeforeReplacingAFile() {
    TempFolder folder;
    touch(folder / "LOAD.TXT");
    QtDialogs dialogs;
    bool asked = false;
    whenOpen<QFileDialog>([&](QFileDialog& dialog) {
      // The question comes up over the prompt; saying No keeps the prompt open.
      QTimer::singleShot(0, [&] {
        QTRY_VERIFY(qobject_cast<QMessageBox*>(QApplication::activeModalWidget()));
        auto* question = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        asked = true;
        question->button(QMessageBox::No)->click();
        QTimer::singleShot(0, [&dialog] { dialog.reject(); });
      });
      QTest::keyClick(dialog.findChild<QLineEdit*>("fileNameEdit"), Qt::Key_Return);
    });
    QVERIFY(!dialogs.promptSave(loadReportPrompt(folder.path())).has_value());
    QVERIFY(asked);
  }

  void upperCaseNamesMatchLowerCasePatterns() {
    TempFolder folder;
    touch(folder / "LOAD.TXT");
    touch(folder / "other.dat");
    QtDialogs dialogs;
    int shown = -1;
    whenOpen<QFileDialog>([&](QFileDialog& dialog) {
      auto* view = dialog.findChild<QListView*>("listView");
      QTRY_COMPARE(view->model()->rowCount(view->rootIndex()), 1);
      shown = view->model()->rowCount(view->rootIndex());
      dialog.reject();
    });
    QVERIFY(!dialogs.promptOpen(loadReportPrompt(folder.path())).has_value());
    QCOMPARE(shown, 1);
  }

  void printTargetWritesPagesToAFile() {
    TempFolder folder;
    const QString output = QString::fromStdString((folder / "job.pdf").string());
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(output);
    deadhold::ui::QtPrintTarget target(std::move(printer));
    QVERIFY(target.printableWidth() > 4000);  // Letter or A4 at high resolution
    QVERIFY(target.printableHeight() > target.printableWidth());
    target.surface().setFont({"Arial", 120, 700});
    QCOMPARE(target.surface().measureText("Deadhold").height, 120);  // measures before it starts
    QVERIFY(target.startDocument("Deadhold Report"));
    QVERIFY(target.startPage());
    target.surface().drawText(100, 100, "Deadhold Range Data");
    QVERIFY(target.endPage());
    QVERIFY(target.startPage());
    target.surface().moveTo(0, 0);
    target.surface().lineTo(1000, 1000);
    QVERIFY(target.endPage());
    QVERIFY(target.endDocument());
    QFile pdf(output);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    QVERIFY(bytes.startsWith("%PDF"));
    QCOMPARE(bytes.count("/Type /Page\n"), 2);
  }
};

QTEST_MAIN(QtDialogsTest)
#include "qt_dialogs_test.moc"
