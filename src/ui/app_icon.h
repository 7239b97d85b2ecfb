#pragma once

#include <QIcon>

namespace deadhold::ui {

// The program's icon, drawn in code at the usual sizes: a target with its orange bullseye and a
// brass cartridge across it.
QIcon applicationIcon();

}  // namespace deadhold::ui
