#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "platform/print_target.h"

namespace deadhold {

enum class Buttons { Ok, OkCancel, YesNo };
enum class Icon { None, Information, Exclamation, Question, Error };
enum class Answer { Ok, Cancel, Yes, No };

// A file prompt as the pages ask for it. The filter is written as description|pattern pairs
// ended by two bars, e.g. "Text Files (*.txt)|*.txt|All Files (*.*)|*.*||".
struct FilePrompt {
  std::string defaultName;       // "LOAD", "BALLISTIC", "LOADDATA"
  std::string defaultExtension;  // ".TXT", ".BLD": added when the user types none
  std::string filter;
  bool confirmOverwrite = true;
  bool folderMustExist = true;
  std::filesystem::path initialFolder;
};

// How the core reaches the user: message boxes, file prompts and the printer choice.
class Dialogs {
 public:
  virtual ~Dialogs() = default;

  virtual Answer messageBox(const std::string& text, const std::string& title, Buttons buttons,
                            Icon icon = Icon::None) = 0;
  virtual std::optional<std::filesystem::path> promptSave(const FilePrompt& prompt) = 0;
  virtual std::optional<std::filesystem::path> promptOpen(const FilePrompt& prompt) = 0;
  // The print dialog: a printer ready to take a document, or nothing when the user cancels.
  virtual std::unique_ptr<PrintTarget> choosePrinter() = 0;
};

}  // namespace deadhold
