#pragma once

#include <QDialog>
#include <array>
#include <functional>

#include "loadinfo/shot_string_dialog.h"

class QCheckBox;
class QLabel;
class QRadioButton;

namespace deadhold::ui {

class LimitedLineEdit;
class NotesEdit;
class TargetArea;

// The large target's window. The target takes the client area right of pixel 152 down to row
// 392, drawn at 80 pixels per inch; the shot controls stand in the strip left of it and the
// range conditions below it. Escape is ignored; "&Return", Enter in a field and the close box
// close it.
class ShotStringWindow : public QDialog {
  Q_OBJECT

 public:
  ShotStringWindow(ShotStringDialog& dialog, QWidget* parent = nullptr);

  LimitedLineEdit* field(ShotStringField which) const {
    return fields_[static_cast<std::size_t>(which)];
  }
  NotesEdit* notes() const { return notes_; }
  QRadioButton* shotButton(int number) const {
    return shots_.at(static_cast<std::size_t>(number - 1));
  }
  TargetArea* target() const { return target_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QWidget* createShotStrip();
  QWidget* createRangeConditions();
  void importVelocities();
  LimitedLineEdit* addField(ShotStringField which);
  void act(const std::function<void()>& action);
  void showState();

  ShotStringDialog& dialog_;
  TargetArea* target_;
  std::array<LimitedLineEdit*, kShotStringFieldCount> fields_{};
  std::array<QRadioButton*, 10> shots_{};
  QCheckBox* hideOthers_ = nullptr;
  QLabel* pointerXLine_ = nullptr;
  QLabel* pointerYLine_ = nullptr;
  NotesEdit* notes_ = nullptr;
};

}  // namespace deadhold::ui
