#pragma once

#include <QString>
#include <string>
#include <string_view>

#include "common/ansi_text.h"

namespace deadhold::ui {

// Load and catalogue texts, and the page and printout texts built from them, are single bytes in
// the Windows code page (see ansi_text.h); they meet Qt here, and only here.
inline QString fromRecordText(std::string_view text) {
  return QString::fromStdString(ansiToUtf8(text));
}

// What the user typed, as the record stores it: a character the code page cannot hold is '?'.
inline std::string toRecordText(const QString& text) {
  return utf8ToAnsi(text.toStdString());
}

}  // namespace deadhold::ui
