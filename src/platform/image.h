#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace deadhold {

// An RGB picture the program generates itself (the target), pixels row by row as 0xRRGGBB.
struct Image {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;

  std::uint32_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

}  // namespace deadhold
