#include "support/interrupted_saves.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <random>
#include <stdexcept>
#include <thread>
#include <vector>

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

// Removes whatever killed writers left beside the file; says whether there was anything.
bool removeLeftovers(const std::filesystem::path& file) {
  bool found = false;
  for (const auto& entry : std::filesystem::directory_iterator(file.parent_path())) {
    if (entry.path() == file) continue;
    std::filesystem::remove(entry.path());
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
    if (removeLeftovers(file)) ++saves.cutMidWrite;
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
