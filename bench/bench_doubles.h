#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <sstream>
#include <string>

#include "ballistics/ballistics_page.h"
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

// The Ballistics Calculator page on an engine of its own, created as the program creates it
// and handed the default load, not yet computed.
struct BallisticsPageUnderTest {
  BallisticsPageUnderTest() : page(*engine, database, dialogs, folder) {
    engine->setDiagnosticStream(diagnostics);
    page.initialise();
    page.setInputsFromLoad(0.436, 130, 3016, 250, 1.5, 70, 500,
                           "Default Load: .270 Winchester, 130 grn Sierra Gameking");
  }
  std::ostringstream diagnostics;
  std::unique_ptr<Engine> engine = std::make_unique<Engine>();
  LoadDatabase database{"RELOADER.DAT"};  // never read or written here
  SilentDialogs dialogs;
  std::filesystem::path folder;
  BallisticsPage page;
};

}  // namespace deadhold::bench
