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

  // Before the first write: if the new contents differ from the target's, the target as it was
  // is kept as `backup` when they replace it. The old file itself takes the backup's name where
  // the file system gives a file a second name, so nothing is copied; elsewhere, and where the
  // target is written over in place, its bytes are copied. A backup that cannot be made does
  // not stop the write.
  void keepReplacedAs(std::filesystem::path backup);

  // Errors are kept for commit(), so a caller can write everything and check once.
  void write(const void* data, std::size_t size);
  void write(std::string_view text) { write(text.data(), text.size()); }

  [[nodiscard]] std::optional<FileError> commit();
  // After commit() under keepReplacedAs: whether the target now holds other bytes than before
  // (a new target counts). Without keepReplacedAs nothing is compared, and the answer is yes.
  bool changedTarget() const { return changed_; }

 private:
  void open();
  void send(const char* data, std::size_t size);
  void flushBuffer();
  void compareWithOld(const char* data, std::size_t size);
  void finishComparison();
  void keepOldContents();
  void fail(const std::error_code& error);
  void fail(const std::string& reason);
  void discardTemporary();
  std::optional<FileError> commitInPlace();

  std::string shownName_;  // as the caller named it, for messages
  std::filesystem::path target_;
  std::filesystem::path temporary_;
  native::File file_;
  bool targetExisted_ = false;
  bool inPlace_ = false;
  std::filesystem::path backup_;
  native::File old_;  // the target as it was, read alongside the new bytes to compare
  std::vector<char> oldBytes_;
  bool changed_ = true;
  std::vector<char> buffer_;
  std::optional<FileError> error_;
  bool committed_ = false;
};

// The whole contents at once, through a SafeFileWriter.
[[nodiscard]] std::optional<FileError> writeFileSafely(const std::filesystem::path& target,
                                                       std::string_view contents);
// A copy of a regular file, written through a SafeFileWriter.
[[nodiscard]] std::optional<FileError> copyFileSafely(const std::filesystem::path& source,
                                                      const std::filesystem::path& target);

// A text whose lines end in "\n" with this system's line ends, as a C library's text mode writes
// it (CR LF on Windows); a CR LF already in the text stays one line end.
std::string withTextLineEnds(std::string_view text);
[[nodiscard]] std::optional<FileError> writeTextFileSafely(const std::filesystem::path& target,
                                                           std::string_view text);

}  // namespace deadhold
