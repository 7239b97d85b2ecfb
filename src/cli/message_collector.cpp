#include "message_collector.h"

#include <algorithm>

namespace deadhold::cli {

Answer MessageCollector::messageBox(const std::string& text, const std::string& title,
                                    Buttons buttons, Icon) {
  messages_.push_back({text, title});
  switch (buttons) {
    case Buttons::Ok:
      return Answer::Ok;
    case Buttons::OkCancel:
      return Answer::Cancel;
    case Buttons::YesNo:
      break;
  }
  return Answer::No;
}

std::optional<std::filesystem::path> MessageCollector::promptSave(const FilePrompt&) {
  return std::nullopt;
}

std::optional<std::filesystem::path> MessageCollector::promptOpen(const FilePrompt&) {
  return std::nullopt;
}

std::unique_ptr<PrintTarget> MessageCollector::choosePrinter() {
  return nullptr;
}

std::string MessageCollector::oneLine(const Message& message) {
  std::string text = message.text;
  std::replace(text.begin(), text.end(), '\n', ' ');
  return message.title + ": " + text;
}

}  // namespace deadhold::cli
