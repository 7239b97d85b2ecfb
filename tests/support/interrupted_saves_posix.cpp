#include "support/interrupted_saves.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <random>
#include <set>
#include <stdexcept>
#include <thread>

#include "support/temp_folder.h"

namespace deadhold::testing {
namespace {

using Clock = std::chrono::steady_clock;

pid_t startSave(const std::function<bool(bool)>& save, bool first) {
  const pid_t child = ::fork();
  if (child < 0) throw std::runtime_error("fork failed");
  if (child == 0) ::_exit(save(first) ? 0 : 1);
  return child;
}

bool finishedWell(pid_t child) {
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// How long one save takes from the fork to its end, the slowest of a few.
Clock::duration saveDuration(const std::function<bool(bool)>& save) {
  Clock::duration longest{};
  for (int i = 0; i < 3; ++i) {
    const auto start = Clock::now();
    if (!finishedWell(startSave(save, true))) throw std::runtime_error("a save failed");
    longest = std::max(longest, Clock::now() - start);
  }
  return longest;
}

std::set<std::filesystem::path> entriesOf(const std::filesystem::path& folder) {
  std::set<std::filesystem::path> entries;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    entries.insert(entry.path());
  return entries;
}

// Removes whatever a killed writer left in the folder; says whether there was anything.
bool removeLeftovers(const std::filesystem::path& folder,
                     const std::set<std::filesystem::path>& before) {
  bool found = false;
  for (const auto& entry : entriesOf(folder)) {
    if (before.contains(entry)) continue;
    std::filesystem::remove(entry);
    found = true;
  }
  return found;
}

}  // namespace

InterruptedSaves interruptSaves(const std::filesystem::path& file, const std::string& first,
                                const std::string& second, const std::function<bool(bool)>& save,
                                int tries, unsigned seed) {
  InterruptedSaves saves;
  const auto longest = saveDuration(save);
  std::mt19937 random(seed);
  std::uniform_int_distribution<Clock::rep> delay(0, longest.count() * 5 / 4);
  const auto before = entriesOf(file.parent_path());
  bool holdsFirst = true;
  for (; saves.tried < tries; ++saves.tried) {
    const pid_t child = startSave(save, !holdsFirst);
    std::this_thread::sleep_for(Clock::duration(delay(random)));
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (WIFEXITED(status) && WEXITSTATUS(status) != 0) ++saves.saveFailed;

    const std::string now = readBytes(file);
    const std::string& old = holdsFirst ? first : second;
    const std::string& fresh = holdsFirst ? second : first;
    if (removeLeftovers(file.parent_path(), before)) ++saves.cutMidWrite;
    if (now == old) {
      ++saves.oldKept;
    } else if (now == fresh) {
      ++saves.newWritten;
      holdsFirst = !holdsFirst;
    } else {
      ++saves.torn;
      writeBytes(file, old);
    }
  }
  return saves;
}

std::string describe(const InterruptedSaves& saves) {
  return std::to_string(saves.tried) + " saves killed: " + std::to_string(saves.oldKept) +
         " kept the old file, " + std::to_string(saves.newWritten) + " wrote the new one, " +
         std::to_string(saves.cutMidWrite) + " were cut mid-write, " + std::to_string(saves.torn) +
         " torn, " + std::to_string(saves.saveFailed) + " failed";
}

}  // namespace deadhold::testing
