#pragma once

#include <string>
#include <vector>

#include "platform/dialogs.h"

namespace deadhold::cli {

// The dialogs of a command that asks nobody: every message is kept so that the command can report
// it as one line, and every question gets the answer that changes nothing (Cancel, No); file
// prompts and the printer choice are cancelled.
class MessageCollector : public Dialogs {
 public:
  struct Message {
    std::string text;
    std::string title;
  };

  Answer messageBox(const std::string& text, const std::string& title, Buttons buttons,
                    Icon icon) override;
  std::optional<std::filesystem::path> promptSave(const FilePrompt& prompt) override;
  std::optional<std::filesystem::path> promptOpen(const FilePrompt& prompt) override;
  std::unique_ptr<PrintTarget> choosePrinter() override;

  const std::vector<Message>& messages() const { return messages_; }

  // "title: text" on one line, the text's line breaks turned into spaces.
  static std::string oneLine(const Message& message);

 private:
  std::vector<Message> messages_;
};

}  // namespace deadhold::cli
