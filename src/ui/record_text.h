#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace deadhold::ui {

// Load and catalogue texts are single bytes (Latin-1 here) and travel to and from the widgets
// unchanged; a character the record cannot hold becomes '?'.
inline QString fromRecordText(std::string_view text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string toRecordText(const QString& text) {
  return text.toLatin1().toStdString();
}

}  // namespace deadhold::ui
