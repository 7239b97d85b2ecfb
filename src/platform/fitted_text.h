#pragma once

#include <string_view>

#include "platform/surface.h"

namespace deadhold {

// Draws a single-line text that must end within maxWidth of x, so a printed value never runs
// into the next column: the font's cell height shrinks first, to no less than three quarters,
// and only a text that is still too long is cut and ends in "...". A text that fits is drawn
// exactly as drawText would. The surface's font is restored.
void drawFittedText(Surface& surface, int x, int y, std::string_view text, int maxWidth);

}  // namespace deadhold
