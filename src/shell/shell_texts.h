#pragma once

#include <array>

namespace deadhold {

inline constexpr const char* kMainWindowCaption =
    "Deadhold, Computer Reloading and Ballistics Software v1.6";

// The tabs in order: 0 Load Information, 1 Ballistics Calculator, 2 Range Card, 3 Misc
// Functions, 4 Help.
inline constexpr std::array<const char*, 5> kTabCaptions = {
    "Load Information", "Ballistics Calculator", "Range Card", "Misc Functions", "Help"};

inline constexpr const char* kAboutCommand = "&About Deadhold";
inline constexpr const char* kAboutCaption = "About Deadhold";
inline constexpr const char* kAboutVersionLine = "Deadhold Version 1.6";
inline constexpr const char* kAboutDescription = "Computer Reloading and Ballistics Software";

// Asked before a load file the program was started with is imported.
inline constexpr const char* kImportQuestionTitle = "Question";

// The load the Ballistics Calculator is handed when the load book has no current load.
inline constexpr double kDefaultBallisticCoeff = 0.436;
inline constexpr double kDefaultBulletWeight = 130.0;
inline constexpr double kDefaultMuzzleVelocity = 3016.0;
inline constexpr double kDefaultTargetDistance = 250.0;
inline constexpr double kDefaultScopeHeight = 1.5;
inline constexpr double kDefaultTemperature = 70.0;
inline constexpr double kDefaultAltitude = 500.0;
inline constexpr const char* kDefaultLoadLabel =
    "Default Load: .270 Winchester, 130 grn Sierra Gameking";

}  // namespace deadhold
