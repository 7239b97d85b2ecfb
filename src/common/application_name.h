#pragma once

namespace deadhold {

// The title of messages that speak for the program as a whole.
inline constexpr const char* kApplicationName = "Deadhold";

}  // namespace deadhold
