#include "app_icon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace deadhold::ui {

namespace {

const QColor kCream(249, 238, 194);
const QColor kBullseye(255, 107, 57);
const QColor kBrass(214, 168, 62);
const QColor kBrassShade(150, 108, 30);
const QColor kCopper(184, 100, 50);

void drawTarget(QPainter& painter, double size) {
  const QPointF centre(size * 0.44, size * 0.44);
  const double radius = size * 0.42;
  painter.setPen(QPen(Qt::black, std::max(1.0, size / 32)));
  painter.setBrush(kCream);
  painter.drawEllipse(centre, radius, radius);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(Qt::black, std::max(1.0, size / 14)));
  painter.drawEllipse(centre, radius * 0.68, radius * 0.68);
  painter.setPen(Qt::NoPen);
  painter.setBrush(kBullseye);
  painter.drawEllipse(centre, radius * 0.34, radius * 0.34);
  painter.setPen(QPen(Qt::black, std::max(1.0, size / 48)));
  painter.drawLine(QPointF(centre.x() - radius, centre.y()),
                   QPointF(centre.x() + radius, centre.y()));
  painter.drawLine(QPointF(centre.x(), centre.y() - radius),
                   QPointF(centre.x(), centre.y() + radius));
}

// A cartridge lying from the lower right towards the centre, bullet first.
void drawCartridge(QPainter& painter, double size) {
  painter.save();
  painter.translate(size * 0.74, size * 0.74);
  painter.rotate(-135);
  const double length = size * 0.50;
  const double width = size * 0.15;
  QLinearGradient brass(0, -width / 2, 0, width / 2);
  brass.setColorAt(0, kBrass.lighter(130));
  brass.setColorAt(1, kBrassShade);
  painter.setPen(QPen(kBrassShade.darker(150), std::max(1.0, size / 64)));
  painter.setBrush(brass);
  // Case body, shoulder and neck.
  QPainterPath body;
  body.moveTo(0, -width / 2);
  body.lineTo(length * 0.62, -width / 2);
  body.lineTo(length * 0.72, -width * 0.3);
  body.lineTo(length * 0.82, -width * 0.3);
  body.lineTo(length * 0.82, width * 0.3);
  body.lineTo(length * 0.72, width * 0.3);
  body.lineTo(length * 0.62, width / 2);
  body.lineTo(0, width / 2);
  body.closeSubpath();
  painter.drawPath(body);
  // The bullet's ogive.
  QPainterPath bullet;
  bullet.moveTo(length * 0.82, -width * 0.3);
  bullet.quadTo(length * 0.98, -width * 0.25, length * 1.05, 0);
  bullet.quadTo(length * 0.98, width * 0.25, length * 0.82, width * 0.3);
  bullet.closeSubpath();
  painter.setBrush(kCopper);
  painter.drawPath(bullet);
  // The rim.
  painter.setBrush(kBrassShade);
  painter.drawRect(QRectF(-length * 0.04, -width * 0.55, length * 0.05, width * 1.1));
  painter.restore();
}

QPixmap iconPixmap(int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  paintApplicationIcon(painter, size);
  return pixmap;
}

}  // namespace

void paintApplicationIcon(QPainter& painter, int size) {
  painter.setRenderHint(QPainter::Antialiasing);
  drawTarget(painter, size);
  // Too small to read as a cartridge below 24 pixels: the target alone says it.
  if (size >= 24) drawCartridge(painter, size);
}

// A sheet with a folded corner, and the target without its cartridge upon it.
void paintLoadFileIcon(QPainter& painter, int size) {
  painter.setRenderHint(QPainter::Antialiasing);
  const double s = size;
  const double left = s * 0.14;
  const double right = s * 0.86;
  const double fold = s * 0.22;
  QPainterPath sheet;
  sheet.moveTo(left, s * 0.04);
  sheet.lineTo(right - fold, s * 0.04);
  sheet.lineTo(right, s * 0.04 + fold);
  sheet.lineTo(right, s * 0.96);
  sheet.lineTo(left, s * 0.96);
  sheet.closeSubpath();
  painter.setPen(QPen(QColor(90, 90, 90), std::max(1.0, s / 32)));
  painter.setBrush(Qt::white);
  painter.drawPath(sheet);
  QPainterPath corner;
  corner.moveTo(right - fold, s * 0.04);
  corner.lineTo(right - fold, s * 0.04 + fold);
  corner.lineTo(right, s * 0.04 + fold);
  corner.closeSubpath();
  painter.setBrush(QColor(220, 220, 220));
  painter.drawPath(corner);
  painter.save();
  painter.translate(s * 0.2, s * 0.3);
  drawTarget(painter, s * 0.68);
  painter.restore();
}

QIcon applicationIcon() {
  QIcon icon;
  for (int size : {16, 24, 32, 48, 64, 128, 256}) icon.addPixmap(iconPixmap(size));
  return icon;
}

}  // namespace deadhold::ui
