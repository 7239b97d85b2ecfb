#pragma once

namespace deadhold {

// The load book's own message texts and titles, shown through Dialogs by the pages.

inline constexpr const char* kCaliberMissingMessage =
    "You must enter the CALIBER before attempting to save this load";
inline constexpr const char* kCaliberMissingTitle = "Warning";

inline constexpr const char* kValueRangeWarningTitle = "Value Range Warning";

inline constexpr const char* kDatabaseEmptyOnOpenMessage =
    "The Load Database is empty. \nSelect \"New Load\" to create a new load";
inline constexpr const char* kNothingLeftToChooseMessage =
    "The Load Database is empty with nothing left to choose";
inline constexpr const char* kDatabaseEmptyTitle = "Warning";

inline constexpr const char* kInternalErrorDatabaseEmptyMessage = "Internal Error, Database empty";
inline constexpr const char* kInternalErrorTitle = "ERROR";

// Shown with the application's name as its title.
inline constexpr const char* kCaliberRepairMessage =
    "An Error has been detected in the Database.\nAt least one caliber was detected as "
    "invalid.\nPlease contact the author about this problem!";

inline constexpr const char* kCouldNotOpenFileMessage = "Could not open file";
inline constexpr const char* kCouldNotOpenFileForWritingMessage = "Could not open file for writing";
inline constexpr const char* kFileErrorTitle = "FILE ERROR";
inline constexpr const char* kUnrecognizableLoadFileMessage =
    "The selected file is unrecognizable by Deadhold as a valid Load file";
inline constexpr const char* kUnrecognizableLoadFileTitle = "WARNING";

}  // namespace deadhold
