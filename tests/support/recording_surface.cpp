#include "support/recording_surface.h"

namespace deadhold::testing {

TextSize RecordingSurface::measureText(std::string_view text) {
  return {static_cast<int>(text.size()) * font_.cellHeight / 2, font_.cellHeight};
}

void RecordingSurface::drawText(int x, int y, std::string_view text) {
  DrawOp op;
  op.kind = DrawOp::Kind::Text;
  op.x = x;
  op.y = y;
  op.text = std::string(text);
  op.font = font_;
  op.pen = pen_;
  ops.push_back(op);
}

void RecordingSurface::moveTo(int x, int y) {
  x_ = x;
  y_ = y;
}

void RecordingSurface::lineTo(int x, int y) {
  DrawOp op;
  op.kind = DrawOp::Kind::Line;
  op.x = x_;
  op.y = y_;
  op.x2 = x;
  op.y2 = y;
  op.font = font_;
  op.pen = pen_;
  ops.push_back(op);
  x_ = x;
  y_ = y;
}

void RecordingSurface::ellipse(const Rect& box, Color fill) {
  DrawOp op;
  op.kind = DrawOp::Kind::Ellipse;
  op.x = box.left;
  op.y = box.top;
  op.x2 = box.right;
  op.y2 = box.bottom;
  op.font = font_;
  op.pen = pen_;
  op.fill = fill;
  ops.push_back(op);
}

void RecordingSurface::drawImage(const Image&, const Rect& source, const Rect& destination) {
  DrawOp op;
  op.kind = DrawOp::Kind::Image;
  op.x = destination.left;
  op.y = destination.top;
  op.x2 = destination.right;
  op.y2 = destination.bottom;
  op.source = source;
  ops.push_back(op);
}

std::vector<DrawOp> RecordingSurface::texts() const {
  std::vector<DrawOp> result;
  for (const auto& op : ops)
    if (op.kind == DrawOp::Kind::Text) result.push_back(op);
  return result;
}

std::vector<DrawOp> RecordingSurface::lines() const {
  std::vector<DrawOp> result;
  for (const auto& op : ops)
    if (op.kind == DrawOp::Kind::Line) result.push_back(op);
  return result;
}

std::vector<PlacedText> RecordingSurface::placedTexts() const {
  std::vector<PlacedText> result;
  for (const auto& op : ops)
    if (op.kind == DrawOp::Kind::Text) result.push_back({op.x, op.y, op.text});
  return result;
}

void PrintTo(const PlacedText& placed, std::ostream* os) {
  *os << "(" << placed.x << ", " << placed.y << ") " << placed.text;
}

const DrawOp* RecordingSurface::findText(const std::string& text) const {
  for (const auto& op : ops)
    if (op.kind == DrawOp::Kind::Text && op.text == text) return &op;
  return nullptr;
}

}  // namespace deadhold::testing
