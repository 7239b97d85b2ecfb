#include "ballistics/calculation_variables_block.h"

#include <algorithm>
#include <array>

#include "common/cformat.h"
#include "common/numbers.h"
#include "platform/fitted_text.h"

namespace deadhold {

namespace {

const Pen kFramePen{PenStyle::Solid, 2, kBlack};
// How far (layout units) a long name may push the right half; it still ends inside the page.
constexpr int kRightHalfShift = 120;

struct LabelledValue {
  const char* label;
  std::string value;
};

}  // namespace

Rect drawCalculationVariables(Surface& surface, int x, int y, double scale,
                              const BallisticInputs& inputs, const std::string& label) {
  const SurfaceStateGuard guard(surface);
  const int gap = cutToInt(10 * scale);
  Rect used{x, y, x, y};
  const auto draw = [&](int at, int row, const std::string& text) {
    surface.drawText(at, row, text);
    used.right = std::max(used.right, at + surface.measureText(text).width);
  };

  surface.setFont({"Arial", cutToInt(14 * scale), 700});
  const char* const title = "Ballistic Calculation Variables";
  const TextSize titleSize = surface.measureText(title);
  draw(x, y, title);
  surface.setPen(kFramePen);
  surface.moveTo(x, y + titleSize.height);
  surface.lineTo(x + titleSize.width, y + titleSize.height);

  surface.setFont({"Arial", cutToInt(12 * scale), 400});
  const TextSize widest = surface.measureText("Muzzle Velocity:");
  const int rowPitch = widest.height;
  const int firstRow = y + titleSize.height + titleSize.height / 2;

  const std::array<LabelledValue, 4> left{{
      {"Name:", label},
      {"Muzzle Velocity:", cformat("%i fps", cutToInt(inputs.muzzleVelocity))},
      {"Bullet Weight:", cformat("%i grains", cutToInt(inputs.bulletWeight))},
      {"Ballistic Coef.:", cformat("%.03f", inputs.ballisticCoeff)},
  }};
  const std::array<LabelledValue, 4> right{{
      {"Scope Height:", cformat("%.02f in", inputs.scopeHeight)},
      {"Target Zero Range:", cformat("%i yrds", cutToInt(inputs.targetDistance))},
      {"Altitude:", cformat("%i ft", cutToInt(inputs.altitude))},
      {"Temperature:", cformat("%i F", cutToInt(inputs.temperature))},
  }};
  const int leftValueX = x + widest.width + gap;
  // A long name pushes the right half along, up to the room the page has on its right; what
  // still does not fit is fitted to the space left, so the two halves never overprint.
  const int rightLabelX =
      std::clamp(leftValueX + surface.measureText(label).width + gap, cutToInt(340 * scale),
                 cutToInt(340 * scale) + cutToInt(kRightHalfShift * scale));
  const int rightValueX = rightLabelX + surface.measureText("Target Zero Range:").width + gap;
  for (int i = 0; i < 4; ++i) {
    const int row = firstRow + i * rowPitch;
    draw(x, row, left[i].label);
    if (i == 0) {
      drawFittedText(surface, leftValueX, row, left[i].value, rightLabelX - gap - leftValueX);
      used.right = std::max(used.right, rightLabelX - gap);
    } else {
      draw(leftValueX, row, left[i].value);
    }
    draw(rightLabelX, row, right[i].label);
    draw(rightValueX, row, right[i].value);
  }
  used.bottom = firstRow + 5 * rowPitch;
  return used;
}

}  // namespace deadhold
