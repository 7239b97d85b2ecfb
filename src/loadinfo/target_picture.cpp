#include "loadinfo/target_picture.h"

#include <cmath>

namespace deadhold {
namespace {

constexpr int kQuarterInch = 25;
constexpr double kBullseyeRadius = 50.0;

// A quarter-inch line is one pixel wide; the inch lines are four pixels ending on the inch.
bool onQuarterLine(int position) {
  return position > 0 && position % kQuarterInch == 0 && position != kTargetAimPoint;
}

bool onInchLine(int position) {
  const int inch =
      (position + kTargetPixelsPerInch - 1) / kTargetPixelsPerInch * kTargetPixelsPerInch;
  return inch > 0 && inch < kTargetPictureSize && inch != kTargetAimPoint && inch - position <= 3;
}

// The centre cross is heavier still: columns 297-303, rows 297-302.
bool onCentreColumn(int x) {
  return x >= 297 && x <= 303;
}
bool onCentreRow(int y) {
  return y >= 297 && y <= 302;
}

// Three rings a quarter inch wide, their outer edges at one, two and three inches.
bool onRing(double distance) {
  return (distance >= 74.0 && distance < 100.0) || (distance >= 172.0 && distance < 200.0) ||
         (distance >= 272.0 && distance <= 300.0);
}

std::uint32_t pixelAt(int x, int y) {
  const bool quarterLine = onQuarterLine(x) || onQuarterLine(y);
  const double distance = std::hypot(x - kTargetAimPoint, y - kTargetAimPoint);
  // The bullseye covers the heavy lines; only the thin quarter-inch lines cross it.
  if (distance <= kBullseyeRadius) return quarterLine ? kTargetBlack : kTargetOrange;
  if (quarterLine || onInchLine(x) || onInchLine(y) || onCentreColumn(x) || onCentreRow(y) ||
      onRing(distance))
    return kTargetBlack;
  return kTargetCream;
}

Image makeTargetPicture() {
  Image image;
  image.width = kTargetPictureSize;
  image.height = kTargetPictureSize;
  image.pixels.reserve(static_cast<std::size_t>(kTargetPictureSize) * kTargetPictureSize);
  for (int y = 0; y < kTargetPictureSize; ++y)
    for (int x = 0; x < kTargetPictureSize; ++x) image.pixels.push_back(pixelAt(x, y));
  return image;
}

}  // namespace

const Image& targetPicture() {
  static const Image picture = makeTargetPicture();
  return picture;
}

}  // namespace deadhold
