#pragma once

#include "platform/image.h"

namespace deadhold {

// The large target's picture: 600 x 600 pixels at 100 pixels per inch, the aim point in its
// centre, pixel (300, 300). Made once, on first use, and shared by every drawing of the target.
inline constexpr int kTargetPictureSize = 600;
inline constexpr int kTargetPixelsPerInch = 100;
inline constexpr int kTargetAimPoint = 300;

inline constexpr std::uint32_t kTargetCream = 0xF9EEC2;   // (249, 238, 194)
inline constexpr std::uint32_t kTargetOrange = 0xFF6B39;  // (255, 107, 57)
inline constexpr std::uint32_t kTargetBlack = 0x000000;

const Image& targetPicture();

}  // namespace deadhold
