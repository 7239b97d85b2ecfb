#pragma once

#include <QFont>
#include <QFontMetrics>
#include <map>
#include <string>
#include <tuple>

#include "platform/surface.h"

class QPainter;
class QPaintDevice;

namespace deadhold::ui {

// The program's drawing surface on a QPainter: a widget, a QImage, a QPrinter or a QPdfWriter.
// Units are the device's pixels. Texts are single bytes in the Windows code page, as the
// records store them (see ansi_text.h).
class QPainterSurface : public Surface {
 public:
  // Metrics come from the given device, or from the painter's when none is given. The painter
  // must be active whenever the surface draws; a surface made before its painter begins (a
  // printer before its document starts) measures only, until applyToPainter.
  explicit QPainterSurface(QPainter& painter, const QPaintDevice* metricsDevice = nullptr);

  // Selects the surface's font, pen and drawing modes on the painter again: QPainter::begin
  // resets them.
  void applyToPainter();

  void setFont(const Font& font) override;
  Font font() const override { return font_; }
  void setPen(const Pen& pen) override;
  Pen pen() const override { return pen_; }

  TextSize measureText(std::string_view text) override;
  void drawText(int x, int y, std::string_view text) override;
  void moveTo(int x, int y) override;
  void lineTo(int x, int y) override;
  void ellipse(const Rect& box, Color fill) override;
  void drawImage(const Image& image, const Rect& source, const Rect& destination) override;

 private:
  QPainter& painter_;
  const QPaintDevice* device_;
  Font font_;
  Pen pen_;
  QFont qfont_;
  QFontMetrics metrics_;
  // Pixel sizes already settled for (face, cell height, weight) on this device.
  std::map<std::tuple<std::string, int, int>, QFont> fonts_;
  int x_ = 0;
  int y_ = 0;
};

}  // namespace deadhold::ui
