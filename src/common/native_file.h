#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>

// The operating system's file calls, kept in one small file per platform (native_file_posix.cpp,
// native_file_windows.cpp) so that everything above them is plain C++. Paths go to the system as
// it names files (UTF-16 on Windows), so any name the user can type is reached. Every failure
// comes back as an error code whose message() is the system's reason ("Permission denied"); a
// file that another program holds open says so.
namespace deadhold::native {

enum class FileKind { Missing, Regular, Folder, Other };

struct FileStatus {
  FileKind kind = FileKind::Missing;
  std::uint64_t size = 0;
  // Permission bits, or Windows' file attributes: what a replacement must carry over.
  unsigned permissions = 0;
};

// What the path names, links followed. A path that names nothing is Missing, not an error.
std::error_code inspect(const std::filesystem::path& path, FileStatus& status);
// Whether this process may write over the existing file, asked as a write would meet it.
std::error_code checkWritable(const std::filesystem::path& path);
// A short text that tells this process's temporary files from another's.
std::string processTag();

// One open file, closed when dropped.
class File {
 public:
  File() = default;
  ~File() { close(); }
  File(File&& other) noexcept : handle_(std::exchange(other.handle_, kClosed)) {}
  File& operator=(File&& other) noexcept {
    if (this != &other) {
      close();
      handle_ = std::exchange(other.handle_, kClosed);
    }
    return *this;
  }
  File(const File&) = delete;
  File& operator=(const File&) = delete;

  // A file for reading, with the status of what was opened. Inspect the path first: only a
  // regular file should be opened, so that no device is touched.
  static std::error_code openToRead(const std::filesystem::path& path, File& file,
                                    FileStatus& status);
  // A new file; std::errc::file_exists when the name is taken.
  static std::error_code createNew(const std::filesystem::path& path, File& file);
  // An existing file, opened to write over its bytes (which stay until written over).
  static std::error_code openToRewrite(const std::filesystem::path& path, File& file);

  bool isOpen() const { return handle_ != kClosed; }
  // Reads up to `size` bytes; `got` is 0 at the end of the file.
  std::error_code read(char* buffer, std::size_t size, std::size_t& got);
  std::error_code writeAll(const char* data, std::size_t size);
  std::error_code truncate(std::uint64_t size);
  std::error_code setPermissions(unsigned permissions);
  std::error_code syncToDisk();
  std::error_code close();

 private:
  // A descriptor or a HANDLE; -1 is the closed value of both.
  static constexpr std::intptr_t kClosed = -1;
  std::intptr_t handle_ = kClosed;
};

// Renames `from` over `to` in one step, durably: `to` is the old file or the new, never neither.
std::error_code replace(const std::filesystem::path& from, const std::filesystem::path& to);
std::error_code removeFile(const std::filesystem::path& path);
// Makes a rename in the folder durable; a folder that cannot be synced is no error.
void syncFolder(const std::filesystem::path& folder);

// How a text file ends its lines here: what a C library's text mode turns "\n" into.
std::string_view textLineEnd();
// Makes a standard stream pass bytes as they are, so that output is the same on every system.
void passBytesUnchanged(std::FILE* stream);

// Memory for a large file read whole (a load book runs to a hundred megabytes): where the system
// offers it, in large pages, which a read fills several times faster than pages of 4 KiB, each
// of which costs a fault. Null when no memory is left; given back with releaseLargeBlock.
void* allocateLargeBlock(std::size_t size);
void releaseLargeBlock(void* block);

}  // namespace deadhold::native
