#pragma once

class QWidget;

namespace deadhold::ui {

// Gives a fixed-size window its size in layout units of its font, or the size its layout
// needs when the fonts at hand need more, so that no caption is ever cut.
void fixWindowSize(QWidget& window, int width, int height);

}  // namespace deadhold::ui
