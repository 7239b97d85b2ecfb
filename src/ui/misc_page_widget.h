#pragma once

#include <QWidget>
#include <functional>

namespace deadhold {
class Dialogs;
class Engine;
}  // namespace deadhold

namespace deadhold::ui {

// The Misc Functions tab: six framed panels, each with a description and a button that opens one
// calculator. Every press opens a fresh window and runs it modally until it closes.
class MiscPageWidget : public QWidget {
  Q_OBJECT

 public:
  MiscPageWidget(Engine& engine, Dialogs& dialogs, QWidget* parent = nullptr);

 private:
  void addPanel(int column, int row, const char* description, const char* caption,
                const QString& name, std::function<void()> open);

  Engine& engine_;
  Dialogs& dialogs_;
};

}  // namespace deadhold::ui
