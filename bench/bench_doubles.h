#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "platform/dialogs.h"
#include "platform/surface.h"

namespace deadhold::bench {

// Answers nothing: the benchmarked inputs are valid, so no message is ever asked for.
class SilentDialogs : public Dialogs {
 public:
  Answer messageBox(const std::string&, const std::string&, Buttons, Icon) override {
    return Answer::Ok;
  }
  std::optional<std::filesystem::path> promptSave(const FilePrompt&) override { return {}; }
  std::optional<std::filesystem::path> promptOpen(const FilePrompt&) override { return {}; }
  std::unique_ptr<PrintTarget> choosePrinter() override { return nullptr; }
};

// Measures a text as (characters x cell height / 2) by one cell height and draws nowhere,
// counting the lines and texts.
class CountingSurface : public Surface {
 public:
  void setFont(const Font& font) override { font_ = font; }
  Font font() const override { return font_; }
  void setPen(const Pen& pen) override { pen_ = pen; }
  Pen pen() const override { return pen_; }
  TextSize measureText(std::string_view text) override {
    return {static_cast<int>(text.size()) * font_.cellHeight / 2, font_.cellHeight};
  }
  void drawText(int, int, std::string_view) override { ++texts; }
  void moveTo(int, int) override {}
  void lineTo(int, int) override { ++lines; }
  void ellipse(const Rect&, Color) override {}
  void drawImage(const Image&, const Rect&, const Rect&) override {}

  long lines = 0;
  long texts = 0;

 private:
  Font font_;
  Pen pen_;
};

}  // namespace deadhold::bench
