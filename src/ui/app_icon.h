#pragma once

#include <QIcon>
#include <QPainter>

namespace deadhold::ui {

// The program's icon, drawn in code at the usual sizes: a target with its orange bullseye and a
// brass cartridge across it.
QIcon applicationIcon();

// The same drawings on any painter, in a square of `size` pixels: the program's icon, and the
// icon of its load files (a sheet with the target on it), for the desktop's icon themes.
void paintApplicationIcon(QPainter& painter, int size);
void paintLoadFileIcon(QPainter& painter, int size);

}  // namespace deadhold::ui
