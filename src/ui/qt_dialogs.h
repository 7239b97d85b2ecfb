#pragma once

#include "platform/dialogs.h"

class QWidget;

namespace deadhold::ui {

// Message boxes, file prompts and the print dialog in Qt. Each opens modally over the window
// that is active when it is asked for, so dialogs opened from dialogs stack correctly.
class QtDialogs : public Dialogs {
 public:
  Answer messageBox(const std::string& text, const std::string& title, Buttons buttons,
                    Icon icon = Icon::None) override;
  std::optional<std::filesystem::path> promptSave(const FilePrompt& prompt) override;
  std::optional<std::filesystem::path> promptOpen(const FilePrompt& prompt) override;
  std::unique_ptr<PrintTarget> choosePrinter() override;
};

}  // namespace deadhold::ui
