#pragma once

#include <array>

namespace deadhold {

// The Ballistics Calculator's own words: captions of its controls and the texts of its
// messages. "&" marks the access key of the letter after it.

// The eight edit fields, in the order of BallisticsField.
inline constexpr std::array<const char*, 8> kBallisticsFieldCaptions{
    "Name:",        "Ballistic Coeff", "Bullet Weight", "Velocity (fps)", "Target Dist (yrds)",
    "Scope Height", "Temp (F)",        "Altitude (ft)"};

inline constexpr const char* kRangeIncrementsCaption = "Range Increments";
inline constexpr const char* kAutoUpdateCaption = "Auto Update Load Data";

inline constexpr const char* kReComputeCaption = "&Re-Compute";
inline constexpr const char* kCalculateDhrCaption = "Calculate DHR";
inline constexpr const char* kTaylorKoCaption = "&Taylor KO";
inline constexpr const char* kPrintCaption = "&Print";
inline constexpr const char* kSaveToTextCaption = "&Save to TXT";
inline constexpr const char* kGetLoadDataCaption = "&Get Load Data";

// "Range Increments" entries and the increments they stand for, in yards.
inline constexpr std::array<const char*, 4> kRangeIncrementEntries{"10", "25", "50", "100"};
inline constexpr std::array<float, 4> kRangeIncrements{10, 25, 50, 100};
inline constexpr int kInitialRangeIncrementEntry = 2;  // "50"

// "Name:" takes at most this many typed characters; the program may set up to 127.
inline constexpr int kNameTypingLimit = 64;
inline constexpr const char* kNameTooLongMessage = "Please enter no more than 64 characters.";

inline constexpr const char* kGetDataErrorTitle = "Get Data Error";
inline constexpr const char* kNoValidLoadMessage = "LOAD INFORMATION doesn't contain a valid load";

inline constexpr const char* kMaximumDeadholdRangeTitle = "Maximum Deadhold Range";
inline constexpr const char* kMaximumDeadholdRangeFormat =
    "For a Killzone diameter of %.2f inches:\n\nMaximum Deadhold Range is %d yrds\n\n"
    "Sight in the rifle dead on at %d yrds";

// The save prompt of "&Save to TXT".
inline constexpr const char* kReportDefaultName = "BALLISTIC";
inline constexpr const char* kReportDefaultExtension = ".TXT";
inline constexpr const char* kReportFilter = "Text Files (*.txt)|*.txt|All Files (*.*)|*.*||";

}  // namespace deadhold
