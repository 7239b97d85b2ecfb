#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <system_error>

// The operating system's file calls, kept in one small file per platform so that everything
// above them is plain C++. Every failure comes back as an error code whose message() is the
// system's own reason ("Permission denied").
namespace deadhold::native {

enum class FileKind { Missing, Regular, Folder, Other };

struct FileStatus {
  FileKind kind = FileKind::Missing;
  std::uint64_t size = 0;
  unsigned permissions = 0;  // as the system keeps them, to be handed on to a replacement
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
  ~File();
  File(File&& other) noexcept;
  File& operator=(File&& other) noexcept;
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

  bool isOpen() const { return descriptor_ >= 0; }
  // Reads up to `size` bytes; `got` is 0 at the end of the file.
  std::error_code read(char* buffer, std::size_t size, std::size_t& got);
  std::error_code writeAll(const char* data, std::size_t size);
  std::error_code truncate(std::uint64_t size);
  std::error_code setPermissions(unsigned permissions);
  std::error_code syncToDisk();
  std::error_code close();

 private:
  int descriptor_ = -1;
};

// Renames `from` over `to` in one step.
std::error_code replace(const std::filesystem::path& from, const std::filesystem::path& to);
std::error_code removeFile(const std::filesystem::path& path);
// Makes a rename in the folder durable; a folder that cannot be synced is no error.
void syncFolder(const std::filesystem::path& folder);

}  // namespace deadhold::native
