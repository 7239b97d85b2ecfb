#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/image.h"

namespace deadhold {

struct Color {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  friend bool operator==(const Color&, const Color&) = default;
};

inline constexpr Color kBlack{0, 0, 0};
inline constexpr Color kWhite{255, 255, 255};
inline constexpr Color kRed{255, 0, 0};

// A font by face, cell height (ascent plus descent, in surface units) and weight (400 normal,
// 700 bold). Faces are the program's own names: "Arial", "Verdana", "MS Sans Serif".
struct Font {
  std::string face = "Arial";
  int cellHeight = 12;
  int weight = 400;
  friend bool operator==(const Font&, const Font&) = default;
};

enum class PenStyle { Solid, Dotted };

struct Pen {
  PenStyle style = PenStyle::Solid;
  int width = 1;  // 0 and 1 both mean the thinnest line the device draws
  Color color = kBlack;
  friend bool operator==(const Pen&, const Pen&) = default;
};

struct TextSize {
  int width = 0;
  int height = 0;
};

struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  friend bool operator==(const Rect&, const Rect&) = default;
};

// A drawing surface: a window, an image, a printer page or a PDF page. Coordinates are integer
// surface units with y growing downwards.
class Surface {
 public:
  virtual ~Surface() = default;

  virtual void setFont(const Font& font) = 0;
  virtual Font font() const = 0;
  virtual void setPen(const Pen& pen) = 0;
  virtual Pen pen() const = 0;

  // Width and height of a single-line text in the current font; the height is the font's cell
  // height as the device realises it.
  virtual TextSize measureText(std::string_view text) = 0;
  // Draws a single-line text with its cell's top-left corner at (x, y), background transparent.
  virtual void drawText(int x, int y, std::string_view text) = 0;

  virtual void moveTo(int x, int y) = 0;
  virtual void lineTo(int x, int y) = 0;  // with the current pen, then the position moves there
  // An ellipse inside the box with a 1-unit black outline, filled with the given colour.
  virtual void ellipse(const Rect& box, Color fill) = 0;
  // Copies the source rectangle of the image, scaled, into the destination rectangle.
  virtual void drawImage(const Image& image, const Rect& source, const Rect& destination) = 0;
};

// Restores the font and pen a surface had when the guard was made: every block that draws
// selects its own and leaves the surface as it found it.
class SurfaceStateGuard {
 public:
  explicit SurfaceStateGuard(Surface& surface)
      : surface_(surface), font_(surface.font()), pen_(surface.pen()) {}
  ~SurfaceStateGuard() {
    surface_.setFont(font_);
    surface_.setPen(pen_);
  }
  SurfaceStateGuard(const SurfaceStateGuard&) = delete;
  SurfaceStateGuard& operator=(const SurfaceStateGuard&) = delete;

 private:
  Surface& surface_;
  Font font_;
  Pen pen_;
};

}  // namespace deadhold
