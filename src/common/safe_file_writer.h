#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/file_error.h"
#include "common/native_file.h"

namespace deadhold {

// Replaces a file without ever leaving it half-written: the bytes go to a new file beside the
// target, which is flushed to disk and then renamed over the target in one step. Until commit()
// succeeds the target keeps its old contents; a writer dropped before that removes its temporary
// file. An existing target must be a writable regular file, as it would have to be to be
// overwritten in place; a link is followed and the file it names is replaced.
//
// A folder that refuses new files may still hold a file the user may write (a shared folder, a
// file opened up for a group). There, and only there, the existing file is written over in place
// at commit(): every byte is known by then, and the old contents stay until the first write.
class SafeFileWriter {
 public:
  explicit SafeFileWriter(std::filesystem::path target);
  ~SafeFileWriter();
  SafeFileWriter(const SafeFileWriter&) = delete;
  SafeFileWriter& operator=(const SafeFileWriter&) = delete;

  // Errors are kept for commit(), so a caller can write everything and check once.
  void write(const void* data, std::size_t size);
  void write(std::string_view text) { write(text.data(), text.size()); }

  [[nodiscard]] std::optional<FileError> commit();

 private:
  void open();
  void flushBuffer();
  void fail(const std::error_code& error);
  void fail(const std::string& reason);
  void discardTemporary();
  std::optional<FileError> commitInPlace();

  std::string shownName_;  // as the caller named it, for messages
  std::filesystem::path target_;
  std::filesystem::path temporary_;
  native::File file_;
  bool inPlace_ = false;
  std::vector<char> buffer_;
  std::optional<FileError> error_;
  bool committed_ = false;
};

// The whole contents at once, through a SafeFileWriter.
[[nodiscard]] std::optional<FileError> writeFileSafely(const std::filesystem::path& target,
                                                       std::string_view contents);

// A text whose lines end in "\n" with this system's line ends, as a C library's text mode writes
// it (CR LF on Windows); a CR LF already in the text stays one line end.
std::string withTextLineEnds(std::string_view text);
[[nodiscard]] std::optional<FileError> writeTextFileSafely(const std::filesystem::path& target,
                                                           std::string_view text);

}  // namespace deadhold
