#pragma once

#include <QWidget>
#include <functional>

namespace deadhold {
class ShotStringDialog;
}

namespace deadhold::ui {

// The large target's part of the Shot String window, lying at the dialog's client pixel
// (152, 0): it paints the target and reports the pointer in the dialog's client coordinates,
// so that the dialog's mapping of pixels to inches holds exactly.
class TargetArea : public QWidget {
  Q_OBJECT

 public:
  TargetArea(ShotStringDialog& dialog, QWidget* parent);

  // Runs after each pointer move or right-click the dialog was told about.
  void onPointerChanged(std::function<void()> changed) { changed_ = std::move(changed); }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  QPoint clientPoint(const QPointF& local) const;
  void followPointer();

  ShotStringDialog& dialog_;
  std::function<void()> changed_;
};

}  // namespace deadhold::ui
