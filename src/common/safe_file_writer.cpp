#include "common/safe_file_writer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <system_error>

namespace deadhold {
namespace {

constexpr std::size_t kBufferSize = 1 << 20;
constexpr int kNameAttempts = 100;

std::string reasonOf(int error) { return std::strerror(error); }

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

bool writeAll(int descriptor, const char* data, std::size_t size, int& error) {
  while (size > 0) {
    const ssize_t written = ::write(descriptor, data, size);
    if (written < 0) {
      if (errno == EINTR) continue;
      error = errno;
      return false;
    }
    data += written;
    size -= static_cast<std::size_t>(written);
  }
  return true;
}

// The rename is durable only once the folder's entry is on disk too; a folder that cannot be
// synced (some file systems refuse) does not make the write fail.
void syncFolder(const std::filesystem::path& folder) {
  const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (descriptor < 0) return;
  ::fsync(descriptor);
  ::close(descriptor);
}

}  // namespace

SafeFileWriter::SafeFileWriter(std::filesystem::path target)
    : shownName_(target.string()), target_(resolveLinks(target)) {
  open();
}

SafeFileWriter::~SafeFileWriter() {
  if (!committed_) discardTemporary();
}

void SafeFileWriter::fail(const std::string& reason) {
  if (!error_) error_ = FileError{"Could not write " + shownName_ + ": " + reason};
}

void SafeFileWriter::open() {
  const std::filesystem::path& file = target_;
  if (!file.has_filename()) return fail(reasonOf(EISDIR));

  struct stat existing {};
  const bool exists = ::stat(file.c_str(), &existing) == 0;
  if (!exists && errno != ENOENT) return fail(reasonOf(errno));
  if (exists && S_ISDIR(existing.st_mode)) return fail(reasonOf(EISDIR));
  if (exists && !S_ISREG(existing.st_mode)) return fail("not a regular file");
  // Asked with the rights a write would use (the effective ones), as an overwrite would meet them.
  if (exists && ::faccessat(AT_FDCWD, file.c_str(), W_OK, AT_EACCESS) != 0)
    return fail(reasonOf(errno));

  std::string hiddenStem(".");
  hiddenStem.append(file.filename().string()).append(".").append(std::to_string(::getpid()));
  for (int attempt = 0; attempt < kNameAttempts && descriptor_ < 0; ++attempt) {
    temporary_ = folderOf(file) / (hiddenStem + "-" + std::to_string(attempt) + ".tmp");
    descriptor_ = ::open(temporary_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (descriptor_ < 0 && errno != EEXIST) break;
  }
  if (descriptor_ < 0) {
    const int error = errno;
    temporary_.clear();
    return fail(reasonOf(error));
  }
  // The new file takes the old one's permissions, as an overwrite in place would keep them.
  if (exists) ::fchmod(descriptor_, existing.st_mode & 07777);
}

void SafeFileWriter::write(const void* data, std::size_t size) {
  if (error_ || committed_ || descriptor_ < 0) return;
  const char* bytes = static_cast<const char*>(data);
  if (buffer_.size() + size > kBufferSize) flushBuffer();
  if (size >= kBufferSize) {
    int error = 0;
    if (!error_ && !writeAll(descriptor_, bytes, size, error)) fail(reasonOf(error));
    return;
  }
  buffer_.insert(buffer_.end(), bytes, bytes + size);
}

void SafeFileWriter::flushBuffer() {
  int error = 0;
  if (!error_ && !writeAll(descriptor_, buffer_.data(), buffer_.size(), error))
    fail(reasonOf(error));
  buffer_.clear();
}

std::optional<FileError> SafeFileWriter::commit() {
  if (committed_) return std::nullopt;
  if (error_) {
    discardTemporary();
    return error_;
  }
  flushBuffer();
  if (!error_ && ::fsync(descriptor_) != 0) fail(reasonOf(errno));
  const int descriptor = descriptor_;
  descriptor_ = -1;
  if (::close(descriptor) != 0 && !error_) fail(reasonOf(errno));
  if (!error_ && std::rename(temporary_.c_str(), target_.c_str()) != 0) fail(reasonOf(errno));
  if (error_) {
    discardTemporary();
    return error_;
  }
  committed_ = true;
  syncFolder(folderOf(target_));
  return std::nullopt;
}

void SafeFileWriter::discardTemporary() {
  if (descriptor_ >= 0) ::close(descriptor_);
  descriptor_ = -1;
  if (!temporary_.empty()) ::unlink(temporary_.c_str());
  temporary_.clear();
}

std::optional<FileError> writeFileSafely(const std::filesystem::path& target,
                                         std::string_view contents) {
  SafeFileWriter writer(target);
  writer.write(contents);
  return writer.commit();
}

}  // namespace deadhold
