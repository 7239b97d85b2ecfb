#pragma once

#include <filesystem>
#include <functional>
#include <string>

namespace deadhold::testing {

// What saves killed at random moments left behind.
struct InterruptedSaves {
  int tried = 0;
  int oldKept = 0;      // the file still held all of its previous contents
  int newWritten = 0;   // the file held all of the new contents
  int cutMidWrite = 0;  // the kill came while the new contents were being written
  int torn = 0;         // anything else: a file neither old nor new
  int saveFailed = 0;   // a save that ran to its end reported an error
};

// Saves that alternate a file between two contents, each in a child process that is killed
// (SIGKILL) after a random delay from nothing to a little longer than a save takes. `save(true)`
// must write `first` to `file`, `save(false)` must write `second`; each returns whether it
// succeeded. The file starts as `first`. Files the killed writers leave beside it are counted
// as cut mid-write and removed.
InterruptedSaves interruptSaves(const std::filesystem::path& file, const std::string& first,
                                const std::string& second, const std::function<bool(bool)>& save,
                                int tries, unsigned seed);

std::string describe(const InterruptedSaves& saves);

}  // namespace deadhold::testing
