#pragma once

#include <QFont>
#include <QStringList>

#include "platform/surface.h"

class QPaintDevice;

namespace deadhold::ui {

// The families to try for one of the program's face names, best first: the face itself, then
// the metric-compatible faces fontconfig offers on a free desktop ("Arial" -> Liberation Sans,
// "Verdana" -> DejaVu Sans, "MS Sans Serif" -> Liberation Sans).
QStringList familiesForFace(const std::string& face);

// The Qt font for a Font on a device: the pixel size is chosen so that the realised cell height
// (ascent plus descent) comes as close as the face allows to the requested cell height.
QFont qtFontFor(const Font& font, const QPaintDevice* device);

}  // namespace deadhold::ui
