#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace deadhold::fuzz {

// A folder of this process's own for the files a target reads and writes: on a memory file
// system when there is one, so that the writer's flush to disk costs nothing. Removed at exit.
const std::filesystem::path& scratchFolder();

void writeWholeFile(const std::filesystem::path& file, std::string_view bytes);
std::string readWholeFile(const std::filesystem::path& file);

inline std::string_view asText(const std::uint8_t* data, std::size_t size) {
  return std::string_view(reinterpret_cast<const char*>(data), size);
}

// A broken promise of the code under test: says which, then aborts so that libFuzzer keeps the
// input that broke it.
[[noreturn]] void fail(const char* promise);
inline void require(bool kept, const char* promise) {
  if (!kept) fail(promise);
}

}  // namespace deadhold::fuzz
