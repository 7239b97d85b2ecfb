#pragma once

namespace deadhold {

// 1/7000: grains to pounds, and the Taylor knock-out divisor.
inline constexpr double kPoundsPerGrain = 0.00014285714285714287;

}  // namespace deadhold
