#pragma once

#include <QWidget>
#include <vector>

class QPlainTextEdit;
class QTreeWidget;
class QTreeWidgetItem;

namespace deadhold {
class HelpPage;
}

namespace deadhold::ui {

// The Help tab: the topic tree above a read-only box with the selected topic's text.
class HelpPageWidget : public QWidget {
  Q_OBJECT

 public:
  // Shows the tree of an initialised page, all collapsed, with nothing selected.
  explicit HelpPageWidget(HelpPage& page, QWidget* parent = nullptr);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void fitColumn();
  void selectIfHidingCurrent(QTreeWidgetItem* collapsed);
  void showSelectedTopic();

  HelpPage& page_;
  QTreeWidget* tree_;
  QPlainTextEdit* textBox_;
  std::vector<QTreeWidgetItem*> items_;  // one per tree node, by node number
};

}  // namespace deadhold::ui
