#include "common/safe_file_writer.h"

#include <algorithm>
#include <cstring>

#include "common/file_reading.h"
#include "common/path_text.h"

namespace deadhold {
namespace {

constexpr std::size_t kBufferSize = 1 << 20;
constexpr int kNameAttempts = 100;

// A link is followed so that the file it names is replaced and the link survives.
std::filesystem::path resolveLinks(const std::filesystem::path& target) {
  std::error_code error;
  if (!std::filesystem::is_symlink(target, error)) return target;
  const auto resolved = std::filesystem::weakly_canonical(target, error);
  return error ? target : resolved;
}

std::filesystem::path folderOf(const std::filesystem::path& file) {
  return file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
}

bool isDenied(const std::error_code& error) {
  return error == std::errc::permission_denied || error == std::errc::operation_not_permitted;
}

// A hidden name beside `file` that tells this process's files from another's.
// Built as a path, so that a name no code page holds survives.
std::filesystem::path temporaryBeside(const std::filesystem::path& file, int attempt) {
  std::filesystem::path name(".");
  name += file.filename();
  name += ".";
  name += native::processTag();
  name += "-";
  name += std::to_string(attempt) + ".tmp";
  return folderOf(file) / name;
}

// Fills `bytes` from the file as far as it goes; answers how many it got.
std::size_t readFully(native::File& file, char* bytes, std::size_t size) {
  std::size_t filled = 0;
  while (filled < size) {
    std::size_t got = 0;
    if (file.read(bytes + filled, size - filled, got) || got == 0) break;
    filled += got;
  }
  return filled;
}

}  // namespace

SafeFileWriter::SafeFileWriter(std::filesystem::path target)
    : shownName_(pathText(target)), target_(resolveLinks(target)) {
  open();
}

SafeFileWriter::~SafeFileWriter() {
  if (!committed_) discardTemporary();
}

void SafeFileWriter::fail(const std::string& reason) {
  if (!error_) error_ = FileError{"Could not write " + shownName_ + ": " + reason};
}

void SafeFileWriter::fail(const std::error_code& error) { fail(error.message()); }

void SafeFileWriter::open() {
  if (!target_.has_filename()) return fail(std::make_error_code(std::errc::is_a_directory));

  native::FileStatus existing;
  if (const auto error = native::inspect(target_, existing)) return fail(error);
  const bool exists = existing.kind != native::FileKind::Missing;
  if (existing.kind == native::FileKind::Folder)
    return fail(std::make_error_code(std::errc::is_a_directory));
  if (exists && existing.kind != native::FileKind::Regular) return fail("not a regular file");
  if (exists) {
    if (const auto error = native::checkWritable(target_)) return fail(error);
  }

  targetExisted_ = exists;
  std::error_code error = std::make_error_code(std::errc::file_exists);
  for (int attempt = 0; attempt < kNameAttempts && error == std::errc::file_exists; ++attempt) {
    temporary_ = temporaryBeside(target_, attempt);
    error = native::File::createNew(temporary_, file_);
  }
  if (error) {
    temporary_.clear();
    if (exists && isDenied(error)) {
      inPlace_ = true;
      return;
    }
    return fail(error);
  }
  // The new file takes the old one's permissions, as an overwrite in place would keep them.
  if (exists) file_.setPermissions(existing.permissions);
}

void SafeFileWriter::keepReplacedAs(std::filesystem::path backup) {
  backup_ = std::move(backup);
  changed_ = !targetExisted_;
  if (changed_) return;
  native::FileStatus status;
  // A target that cannot be read cannot be compared: it counts as changed.
  if (native::File::openToRead(target_, old_, status) || status.kind != native::FileKind::Regular) {
    old_.close();
    changed_ = true;
  }
}

void SafeFileWriter::write(const void* data, std::size_t size) {
  if (error_ || committed_ || (!file_.isOpen() && !inPlace_)) return;
  const char* bytes = static_cast<const char*>(data);
  if (inPlace_) {
    buffer_.insert(buffer_.end(), bytes, bytes + size);
    return;
  }
  if (buffer_.size() + size > kBufferSize) flushBuffer();
  if (size >= kBufferSize) return send(bytes, size);
  buffer_.insert(buffer_.end(), bytes, bytes + size);
}

void SafeFileWriter::send(const char* data, std::size_t size) {
  if (error_) return;
  compareWithOld(data, size);
  if (const auto error = file_.writeAll(data, size)) fail(error);
}

void SafeFileWriter::flushBuffer() {
  send(buffer_.data(), buffer_.size());
  buffer_.clear();
}

// Piece by piece, as the new bytes go out, until the first difference.
void SafeFileWriter::compareWithOld(const char* data, std::size_t size) {
  while (size > 0 && !changed_ && old_.isOpen()) {
    const std::size_t piece = std::min(size, kBufferSize);
    oldBytes_.resize(piece);
    changed_ = readFully(old_, oldBytes_.data(), piece) != piece ||
               std::memcmp(oldBytes_.data(), data, piece) != 0;
    data += piece;
    size -= piece;
  }
  if (changed_) old_.close();
}

// The old file must end where the new one does.
void SafeFileWriter::finishComparison() {
  char beyond = 0;
  if (old_.isOpen() && readFully(old_, &beyond, 1) != 0) changed_ = true;
  old_.close();
  oldBytes_ = {};
}

// A file written over in place is the same file before and after: its bytes must be copied.
void SafeFileWriter::keepOldContents() {
  if (backup_.empty() || !changed_ || !targetExisted_) return;
  if (inPlace_) {
    (void)copyFileSafely(target_, backup_);
    return;
  }
  std::error_code error = std::make_error_code(std::errc::file_exists);
  std::filesystem::path secondName;
  for (int attempt = 0; attempt < kNameAttempts && error == std::errc::file_exists; ++attempt) {
    secondName = temporaryBeside(backup_, attempt);
    std::filesystem::create_hard_link(target_, secondName, error);
  }
  if (!error) {
    if (!native::replace(secondName, backup_)) return;
    native::removeFile(secondName);
  }
  (void)copyFileSafely(target_, backup_);
}

std::optional<FileError> SafeFileWriter::commit() {
  if (committed_) return std::nullopt;
  if (error_) {
    discardTemporary();
    return error_;
  }
  if (inPlace_) return commitInPlace();
  flushBuffer();
  finishComparison();
  if (!error_) {
    if (const auto error = file_.syncToDisk()) fail(error);
  }
  if (const auto error = file_.close(); error && !error_) fail(error);
  if (!error_) {
    keepOldContents();
    if (const auto error = native::replace(temporary_, target_)) fail(error);
  }
  if (error_) {
    discardTemporary();
    return error_;
  }
  committed_ = true;
  native::syncFolder(folderOf(target_));
  return std::nullopt;
}

// Written over, then cut to its new length, so a file that shrinks never runs out of space on
// the way; flushed to disk before it counts as written.
std::optional<FileError> SafeFileWriter::commitInPlace() {
  compareWithOld(buffer_.data(), buffer_.size());
  finishComparison();
  keepOldContents();
  native::File file;
  std::error_code error = native::File::openToRewrite(target_, file);
  if (!error) error = file.writeAll(buffer_.data(), buffer_.size());
  if (!error) error = file.truncate(buffer_.size());
  if (!error) error = file.syncToDisk();
  if (const auto closing = file.close(); !error) error = closing;
  buffer_.clear();
  if (error) {
    fail(error);
    return error_;
  }
  committed_ = true;
  return std::nullopt;
}

void SafeFileWriter::discardTemporary() {
  file_.close();
  if (!temporary_.empty()) native::removeFile(temporary_);
  temporary_.clear();
}

std::optional<FileError> writeFileSafely(const std::filesystem::path& target,
                                         std::string_view contents) {
  SafeFileWriter writer(target);
  writer.write(contents);
  return writer.commit();
}

std::optional<FileError> copyFileSafely(const std::filesystem::path& source,
                                        const std::filesystem::path& target) {
  native::File from;
  native::FileStatus status;
  if (const auto error = native::File::openToRead(source, from, status))
    return readError(source, error.message());
  if (status.kind != native::FileKind::Regular) return readError(source, "not a regular file");
  SafeFileWriter writer(target);
  std::vector<char> piece(kBufferSize);
  for (;;) {
    std::size_t got = 0;
    if (const auto error = from.read(piece.data(), piece.size(), got))
      return readError(source, error.message());
    if (got == 0) break;
    writer.write(piece.data(), got);
  }
  return writer.commit();
}

std::string withTextLineEnds(std::string_view text) {
  const std::string_view lineEnd = native::textLineEnd();
  if (lineEnd == "\n") return std::string(text);
  std::string converted;
  converted.reserve(text.size() + text.size() / 16);
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r'))
      converted.append(lineEnd);
    else
      converted.push_back(text[i]);
  }
  return converted;
}

std::optional<FileError> writeTextFileSafely(const std::filesystem::path& target,
                                             std::string_view text) {
  return writeFileSafely(target, withTextLineEnds(text));
}

}  // namespace deadhold
