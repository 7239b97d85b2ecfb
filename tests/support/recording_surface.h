#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "platform/surface.h"

namespace deadhold::testing {

// One drawing call as the RecordingSurface saw it, with the font and pen then in force.
struct DrawOp {
  enum class Kind { Text, Line, Ellipse, Image };
  Kind kind = Kind::Text;
  int x = 0, y = 0;    // text origin, line start, or ellipse/image destination top-left
  int x2 = 0, y2 = 0;  // line end, or ellipse/image destination bottom-right
  std::string text;
  Font font;
  Pen pen;
  Color fill;
  Rect source;  // the image's source rectangle
};

// A text as it was drawn: where, and what.
struct PlacedText {
  int x = 0;
  int y = 0;
  std::string text;
  friend bool operator==(const PlacedText&, const PlacedText&) = default;
};
void PrintTo(const PlacedText& placed, std::ostream* os);

// The box an ellipse or an image was drawn into.
inline Rect drawnBox(const DrawOp& op) {
  return {op.x, op.y, op.x2, op.y2};
}

// A surface with deterministic metrics: a text is (characters x cell height / 2) wide and one
// cell height high. It records every drawing call so geometry can be checked exactly.
class RecordingSurface : public Surface {
 public:
  void setFont(const Font& font) override { font_ = font; }
  Font font() const override { return font_; }
  void setPen(const Pen& pen) override { pen_ = pen; }
  Pen pen() const override { return pen_; }
  TextSize measureText(std::string_view text) override;
  void drawText(int x, int y, std::string_view text) override;
  void moveTo(int x, int y) override;
  void lineTo(int x, int y) override;
  void ellipse(const Rect& box, Color fill) override;
  void drawImage(const Image& image, const Rect& source, const Rect& destination) override;

  std::vector<DrawOp> ops;

  std::vector<DrawOp> texts() const;
  std::vector<DrawOp> lines() const;
  std::vector<PlacedText> placedTexts() const;
  // The first text op with exactly this text, or nullptr.
  const DrawOp* findText(const std::string& text) const;

 private:
  Font font_;
  Pen pen_;
  int x_ = 0;
  int y_ = 0;
};

}  // namespace deadhold::testing
