#include "loadinfo/target_drawing.h"

#include "common/numbers.h"
#include "loadinfo/target_picture.h"

namespace deadhold {
namespace {

constexpr float kHoleRadius = 12.0f;

int cut(float value) {
  return cutToInt(value);
}

void drawShot(Surface& surface, const ShotRecord& shot, int x0, int y0, float scale, bool red) {
  // Left to right, as written: the last bit of a float decides the pixel at some scales.
  const float half = 600.0f * scale * 0.5f;
  drawHole(surface, cut(half + shot.shotX * 100.0f * scale + static_cast<float>(x0)),
           cut(half - shot.shotY * 100.0f * scale + static_cast<float>(y0)), scale, red);
}

}  // namespace

int drawTarget(Surface& surface, int x0, int y0, float scale, int selected, bool hide, bool full,
               const LoadRecord* load) {
  const int width = cut(static_cast<float>(kTargetPictureSize) * scale);
  const int rows = full ? kTargetPictureSize : kTargetTopRows;
  const int height = full ? width : cut(static_cast<float>(kTargetTopRows) * scale);
  surface.drawImage(targetPicture(), Rect{0, 0, kTargetPictureSize, rows},
                    Rect{x0, y0, x0 + width, y0 + height});
  if (load) {
    if (!hide) {
      for (const ShotRecord& shot : load->shots)
        if (shot.shotPlaced != 0) drawShot(surface, shot, x0, y0, scale, false);
    }
    if (selected >= 0 && selected < kShotCount) {
      const ShotRecord& shot = load->shots[static_cast<std::size_t>(selected)];
      if (shot.shotPlaced != 0) drawShot(surface, shot, x0, y0, scale, true);
    }
  }
  return x0 + width;
}

void drawHole(Surface& surface, int px, int py, float scale, bool red) {
  const float radius = kHoleRadius * scale;
  const float x = static_cast<float>(px);
  const float y = static_cast<float>(py);
  surface.ellipse(Rect{cut(x - radius), cut(y - radius), cut(x + radius), cut(y + radius)},
                  red ? kRed : kWhite);
}

}  // namespace deadhold
