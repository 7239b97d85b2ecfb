#include "target_area.h"

#include <QMouseEvent>
#include <QPainter>

#include "loadinfo/shot_string_dialog.h"
#include "surface/qpainter_surface.h"

namespace deadhold::ui {

TargetArea::TargetArea(ShotStringDialog& dialog, QWidget* parent)
    : QWidget(parent), dialog_(dialog) {
  setObjectName("targetArea");
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  // From the first column the dialog counts as "elsewhere" to the bottom row it still counts
  // as over the target.
  setGeometry(ShotStringDialog::kPointerLeft, ShotStringDialog::kTargetTop,
              ShotStringDialog::kTargetWidth + 1, ShotStringDialog::kPointerBottom);
}

QPoint TargetArea::clientPoint(const QPointF& local) const {
  return pos() + local.toPoint();
}

void TargetArea::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().window());
  painter.translate(-pos());
  QPainterSurface surface(painter);
  dialog_.paint(surface);
}

void TargetArea::mouseMoveEvent(QMouseEvent* event) {
  const QPoint point = clientPoint(event->position());
  dialog_.pointerMoved(point.x(), point.y());
  followPointer();
}

void TargetArea::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::RightButton) return;
  const QPoint point = clientPoint(event->position());
  dialog_.pointerMoved(point.x(), point.y());
  dialog_.rightButtonReleased();
  followPointer();
}

void TargetArea::leaveEvent(QEvent*) {
  dialog_.pointerLeftTarget();
  followPointer();
}

void TargetArea::followPointer() {
  if (dialog_.pointerOverTarget())
    setCursor(Qt::CrossCursor);
  else
    unsetCursor();
  if (changed_) changed_();
}

}  // namespace deadhold::ui
