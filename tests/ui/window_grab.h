#pragma once

#include <QByteArray>
#include <QString>
#include <QWidget>

namespace deadhold::testing {

// Saves what a window shows when DEADHOLD_GRAB_DIR names a folder, for a person to look at.
inline void saveWindowGrab(QWidget& window, const char* name) {
  const QByteArray folder = qgetenv("DEADHOLD_GRAB_DIR");
  if (!folder.isEmpty()) window.grab().save(QString("%1/%2.png").arg(QString(folder), name));
}

}  // namespace deadhold::testing
