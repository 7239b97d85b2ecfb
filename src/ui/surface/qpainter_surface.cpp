#include "surface/qpainter_surface.h"

#include <QImage>
#include <QPainter>
#include <QPen>

#include "surface/font_mapping.h"
#include "surface/record_text.h"

namespace deadhold::ui {

namespace {

QColor qtColor(Color color) {
  return QColor(color.red, color.green, color.blue);
}

QImage qtImage(const Image& image) {
  QImage result(image.width, image.height, QImage::Format_RGB32);
  for (int y = 0; y < image.height; ++y) {
    auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
    for (int x = 0; x < image.width; ++x) line[x] = 0xFF000000u | image.at(x, y);
  }
  return result;
}

}  // namespace

QPainterSurface::QPainterSurface(QPainter& painter, const QPaintDevice* metricsDevice)
    : painter_(painter),
      device_(metricsDevice ? metricsDevice : painter.device()),
      qfont_(qtFontFor(font_, device_)),
      metrics_(qfont_, device_) {
  if (painter_.isActive()) applyToPainter();
}

void QPainterSurface::applyToPainter() {
  painter_.setBackgroundMode(Qt::TransparentMode);
  painter_.setRenderHint(QPainter::Antialiasing, false);
  painter_.setFont(qfont_);
  setPen(pen_);
}

void QPainterSurface::setFont(const Font& font) {
  font_ = font;
  const auto key = std::make_tuple(font.face, font.cellHeight, font.weight);
  auto found = fonts_.find(key);
  if (found == fonts_.end()) found = fonts_.emplace(key, qtFontFor(font, device_)).first;
  qfont_ = found->second;
  metrics_ = QFontMetrics(qfont_, device_);
  if (painter_.isActive()) painter_.setFont(qfont_);
}

void QPainterSurface::setPen(const Pen& pen) {
  pen_ = pen;
  // Width 0 and 1 are the device's thinnest line, which Qt calls a cosmetic pen of width 0.
  QPen qpen(qtColor(pen.color), pen.width <= 1 ? 0 : pen.width,
            pen.style == PenStyle::Dotted ? Qt::DotLine : Qt::SolidLine, Qt::FlatCap,
            Qt::MiterJoin);
  if (painter_.isActive()) painter_.setPen(qpen);
}

TextSize QPainterSurface::measureText(std::string_view text) {
  return {metrics_.horizontalAdvance(fromRecordText(text)), metrics_.height()};
}

void QPainterSurface::drawText(int x, int y, std::string_view text) {
  const QPen current = painter_.pen();
  painter_.setPen(QPen(Qt::black));
  painter_.drawText(QPoint(x, y + metrics_.ascent()), fromRecordText(text));
  painter_.setPen(current);
}

void QPainterSurface::moveTo(int x, int y) {
  x_ = x;
  y_ = y;
}

void QPainterSurface::lineTo(int x, int y) {
  painter_.drawLine(QPoint(x_, y_), QPoint(x, y));
  x_ = x;
  y_ = y;
}

void QPainterSurface::ellipse(const Rect& box, Color fill) {
  painter_.save();
  painter_.setPen(QPen(Qt::black, 0));
  painter_.setBrush(qtColor(fill));
  // The box's right and bottom edges lie outside the figure, as they do for the classic call.
  painter_.drawEllipse(
      QRect(box.left, box.top, box.right - box.left - 1, box.bottom - box.top - 1));
  painter_.restore();
}

void QPainterSurface::drawImage(const Image& image, const Rect& source, const Rect& destination) {
  painter_.save();
  painter_.setRenderHint(QPainter::SmoothPixmapTransform, true);
  painter_.drawImage(
      QRect(destination.left, destination.top, destination.right - destination.left,
            destination.bottom - destination.top),
      qtImage(image),
      QRect(source.left, source.top, source.right - source.left, source.bottom - source.top));
  painter_.restore();
}

}  // namespace deadhold::ui
