#pragma once

#include <array>

namespace deadhold {

// Knock-out values a species needs for each rating: a value must lie strictly above a threshold
// to earn its rating.
struct SpeciesRating {
  const char* name;
  int excellentAbove;
  int goodAbove;
  int marginalAbove;

  // "Excellent", "Good", "Marginal" or "Poor".
  const char* rate(double knockout) const {
    if (knockout > excellentAbove) return "Excellent";
    if (knockout > goodAbove) return "Good";
    if (knockout > marginalAbove) return "Marginal";
    return "Poor";
  }
};

// The species in the order the table shows them.
inline constexpr std::array<SpeciesRating, 14> kSpeciesRatings{{
    {"Antelope", 21, 10, 7},
    {"Bobcat", 11, 5, 4},
    {"Bear, Black", 29, 14, 10},
    {"Bear, Brown", 62, 30, 21},
    {"Bear, Grizzly", 62, 30, 21},
    {"Cape Buffalo", 69, 34, 24},
    {"Caribou", 29, 16, 12},
    {"Cougar", 25, 12, 9},
    {"Coyote", 15, 7, 5},
    {"Deer", 21, 10, 7},
    {"Elk", 33, 16, 12},
    {"Moose", 35, 17, 12},
    {"Sheep", 21, 10, 7},
    {"Wild Boar", 31, 15, 11},
}};

}  // namespace deadhold
