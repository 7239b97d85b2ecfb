#include <QPainter>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStyleOption>
#include <QTabWidget>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QtTest>
#include <memory>

#include "main_window.h"
#include "shell/application.h"
#include "support/fake_dialogs.h"
#include "support/temp_folder.h"
#include "ui/window_grab.h"

using deadhold::Application;
using deadhold::testing::FakeDialogs;
using deadhold::testing::TempFolder;
using deadhold::ui::MainWindow;

namespace {

QTreeWidgetItem* childTitled(QTreeWidgetItem* parent, const QString& title) {
  for (int i = 0; i < parent->childCount(); ++i)
    if (parent->child(i)->text(0) == title) return parent->child(i);
  qFatal("no topic %s", qPrintable(title));
}

}  // namespace

// The Help tab inside the real main window.
class HelpPageWidgetTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    folder_ = std::make_unique<TempFolder>();
    application_ = std::make_unique<Application>(dialogs_, folder_->path());
    window_ = std::make_unique<MainWindow>(*application_);
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    window_->tabs()->setCurrentIndex(Application::kHelpTab);
    tree_ = window_->findChild<QTreeWidget*>("helpTopicTree");
    textBox_ = window_->findChild<QPlainTextEdit*>("helpTopicText");
    QVERIFY(tree_ != nullptr && textBox_ != nullptr);
    QVERIFY(tree_->isVisible());
  }
  void cleanup() {
    window_.reset();
    application_.reset();
    folder_.reset();
  }

  void opensCollapsedWithNothingSelected() {
    QStringList top;
    for (int i = 0; i < tree_->topLevelItemCount(); ++i) top << tree_->topLevelItem(i)->text(0);
    QCOMPARE(top, (QStringList{"About Deadhold, Computer Reloading and Ballistics Software",
                               "Offical Internet Support Web Page", "Cost / Distribution",
                               "Load Information Menu", "Ballistics Calculator.", "Misc Functions",
                               "Frequently Asked Questions", "Program Bugs", "Credits"}));
    int items = 0;
    for (QTreeWidgetItemIterator it(tree_); *it != nullptr; ++it, ++items)
      QVERIFY(!(*it)->isExpanded());
    QCOMPARE(items, 88);
    QCOMPARE(tree_->currentItem(), nullptr);
    QCOMPARE(textBox_->toPlainText(), QString());
    QVERIFY(textBox_->isReadOnly());
  }

  void selectingATopicShowsItsText() {
    tree_->setCurrentItem(tree_->topLevelItem(2));
    QCOMPARE(textBox_->toPlainText(), QString("Details on Cost and Distribution restrictions"));
    // The keyboard moves the selection as well: open the topic and step to its first child.
    tree_->setFocus();
    QTest::keyClick(tree_, Qt::Key_Right);
    QVERIFY(tree_->topLevelItem(2)->isExpanded());
    QTest::keyClick(tree_, Qt::Key_Down);
    QCOMPARE(tree_->currentItem()->text(0), QString("How much does this program cost?"));
    QVERIFY(textBox_->toPlainText().startsWith("NOTHING! This program is currently free"));

    QTreeWidgetItem* bugs = tree_->topLevelItem(7);
    QTreeWidgetItem* known = childTitled(bugs, "Known Bugs");
    QCOMPARE(known->childCount(), 1);
    tree_->setCurrentItem(known->child(0));
    QCOMPARE(known->child(0)->text(0), QString("There are no known bugs at this time"));
    QCOMPARE(textBox_->toPlainText(), QString());
  }

  void repeatedTitlesShowTheirOwnTexts() {
    QTreeWidgetItem* loadInfo = tree_->topLevelItem(3);
    QTreeWidgetItem* ballistics = tree_->topLevelItem(4);
    tree_->setCurrentItem(childTitled(loadInfo, "Print Button"));
    QCOMPARE(textBox_->toPlainText(), QString("Prints the load information to the local printer."));
    tree_->setCurrentItem(childTitled(ballistics, "Print Button"));
    QCOMPARE(textBox_->toPlainText(), QString("Prints the current ballistics data."));
    QTreeWidgetItem* openLoad = childTitled(loadInfo, "Open Load Button");
    QTreeWidgetItem* newLoad = childTitled(loadInfo, "New Load Button");
    tree_->setCurrentItem(childTitled(openLoad, "Cancel Button"));
    QCOMPARE(textBox_->toPlainText(), QString("Quits this menu with no changes"));
    tree_->setCurrentItem(childTitled(newLoad, "Cancel Button"));
    QCOMPARE(textBox_->toPlainText(),
             QString("Aborts without saving changes to the load information."));
    QCOMPARE(childTitled(loadInfo, "Data Fields")->childCount(), 0);
  }

  void foldingAwayTheSelectedTopicSelectsTheFoldedOne() {
    QTreeWidgetItem* bugs = tree_->topLevelItem(7);
    QTreeWidgetItem* known = childTitled(bugs, "Known Bugs");
    tree_->expandItem(bugs);
    tree_->expandItem(known);
    tree_->setCurrentItem(known->child(0));
    QCOMPARE(textBox_->toPlainText(), QString());
    // Folding a topic the selection is not under leaves the selection alone.
    tree_->expandItem(tree_->topLevelItem(2));
    tree_->collapseItem(tree_->topLevelItem(2));
    QCOMPARE(tree_->currentItem(), known->child(0));
    // Clicking the fold button of a topic two levels up moves the selection onto it.
    const QRect row = tree_->visualItemRect(bugs);
    QTest::mouseClick(tree_->viewport(), Qt::LeftButton, {},
                      QPoint(row.left() - tree_->indentation() / 2, row.center().y()));
    QVERIFY(!bugs->isExpanded());
    QCOMPARE(tree_->currentItem(), bugs);
    QVERIFY(bugs->isSelected());
    QCOMPARE(textBox_->toPlainText(), QString("Known bugs and steps to report newly found bugs"));
  }

  void selectionSurvivesTabSwitches() {
    QTreeWidgetItem* faq = tree_->topLevelItem(6);
    QTreeWidgetItem* topic = childTitled(faq, "Please explain the Deadhold Range calculator!");
    tree_->setCurrentItem(topic);
    const QString text = textBox_->toPlainText();
    QVERIFY(text.startsWith("The \"Deadhold Range\""));
    window_->tabs()->setCurrentIndex(Application::kMiscTab);
    QVERIFY(!tree_->isVisible());
    window_->tabs()->setCurrentIndex(Application::kLoadInformationTab);
    window_->tabs()->setCurrentIndex(Application::kHelpTab);
    QVERIFY(tree_->isVisible());
    QCOMPARE(tree_->currentItem(), topic);
    QVERIFY(topic->isSelected());
    QCOMPARE(textBox_->toPlainText(), text);
    saveGrab("help-page");
  }

  void everyTextFitsTheBoxWhichWrapsAndScrollsOnlyWhenNeeded() {
    QCOMPARE(textBox_->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(textBox_->verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
    QCOMPARE(textBox_->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    for (QTreeWidgetItemIterator it(tree_); *it != nullptr; ++it) {
      tree_->setCurrentItem(*it);
      QVERIFY2(textBox_->verticalScrollBar()->maximum() == 0, qPrintable((*it)->text(0)));
    }
  }

  void aSelectedRowIsHighlightedAcrossTheView() {
    QTreeWidgetItem* faq = tree_->topLevelItem(6);
    faq->setExpanded(true);
    tree_->setCurrentItem(faq->child(0));
    QVERIFY(tree_->columnWidth(0) >= tree_->viewport()->width());
    // The longest question is wider than the view: it scrolls rather than being cut.
    QTreeWidgetItem* longest = childTitled(
        faq, "How can I exchange loads with my friends without having to re-enter all the data?");
    QVERIFY(tree_->columnWidth(0) >= tree_->visualItemRect(longest).left() +
                                         tree_->fontMetrics().horizontalAdvance(longest->text(0)));
  }

  // The tree draws lines between its items and at the root: the branch column of a row with a
  // sibling below it carries a line, as the view asks its style to draw it.
  void linesJoinTheItemsAndTheRoot() {
    QImage image(20, 20, QImage::Format_RGB32);
    image.fill(Qt::white);
    QStyleOption option;
    option.initFrom(tree_);
    option.rect = image.rect();
    option.state = QStyle::State_Item | QStyle::State_Sibling;
    QPainter painter(&image);
    tree_->style()->drawPrimitive(QStyle::PE_IndicatorBranch, &option, &painter, tree_);
    painter.end();
    int inked = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) inked += qGray(image.pixel(x, y)) < 200;
    QVERIFY(inked >= 10);
    QVERIFY(tree_->rootIsDecorated());
  }

 private:
  void saveGrab(const char* name) { deadhold::testing::saveWindowGrab(*window_, name); }

  FakeDialogs dialogs_;
  std::unique_ptr<TempFolder> folder_;
  std::unique_ptr<Application> application_;
  std::unique_ptr<MainWindow> window_;
  QTreeWidget* tree_ = nullptr;
  QPlainTextEdit* textBox_ = nullptr;
};

QTEST_MAIN(HelpPageWidgetTest)
#include "help_page_widget_test.moc"
