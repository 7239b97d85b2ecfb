#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "common/native_file.h"

namespace deadhold::native {
namespace {

std::error_code lastError() { return {errno, std::generic_category()}; }

constexpr std::size_t kLargePage = std::size_t{2} << 20;

void describe(const struct stat& info, FileStatus& status) {
  status.kind = S_ISREG(info.st_mode)   ? FileKind::Regular
                : S_ISDIR(info.st_mode) ? FileKind::Folder
                                        : FileKind::Other;
  status.size = static_cast<std::uint64_t>(info.st_size);
  status.permissions = info.st_mode & 07777;
}

}  // namespace

std::error_code inspect(const std::filesystem::path& path, FileStatus& status) {
  status = FileStatus{};
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return errno == ENOENT ? std::error_code{} : lastError();
  describe(info, status);
  return {};
}

std::error_code checkWritable(const std::filesystem::path& path) {
  // The effective rights, which are the ones an open for writing meets.
  if (::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0) return lastError();
  return {};
}

std::string processTag() { return std::to_string(::getpid()); }

std::error_code File::openToRead(const std::filesystem::path& path, File& file,
                                 FileStatus& status) {
  // Non-blocking, so that a pipe that took the name since it was inspected never waits for a
  // writer; the status is taken again from what was opened.
  const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (descriptor < 0) return lastError();
  file = File();
  file.handle_ = descriptor;
  struct stat info {};
  if (::fstat(descriptor, &info) != 0) return lastError();
  describe(info, status);
  return {};
}

std::error_code File::createNew(const std::filesystem::path& path, File& file) {
  const int descriptor = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (descriptor < 0) return lastError();
  file = File();
  file.handle_ = descriptor;
  return {};
}

std::error_code File::openToRewrite(const std::filesystem::path& path, File& file) {
  const int descriptor = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
  if (descriptor < 0) return lastError();
  file = File();
  file.handle_ = descriptor;
  return {};
}

std::error_code File::read(char* buffer, std::size_t size, std::size_t& got) {
  for (;;) {
    const ssize_t count = ::read(static_cast<int>(handle_), buffer, size);
    if (count >= 0) {
      got = static_cast<std::size_t>(count);
      return {};
    }
    if (errno != EINTR) return lastError();
  }
}

std::error_code File::writeAll(const char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t written = ::write(static_cast<int>(handle_), data, size);
    if (written < 0) {
      if (errno == EINTR) continue;
      return lastError();
    }
    data += written;
    size -= static_cast<std::size_t>(written);
  }
  return {};
}

std::error_code File::truncate(std::uint64_t size) {
  if (::ftruncate(static_cast<int>(handle_), static_cast<off_t>(size)) != 0) return lastError();
  return {};
}

std::error_code File::setPermissions(unsigned permissions) {
  if (::fchmod(static_cast<int>(handle_), permissions) != 0) return lastError();
  return {};
}

std::error_code File::syncToDisk() {
  if (::fsync(static_cast<int>(handle_)) != 0) return lastError();
  return {};
}

std::error_code File::close() {
  if (!isOpen()) return {};
  const int descriptor = static_cast<int>(handle_);
  handle_ = kClosed;
  if (::close(descriptor) != 0) return lastError();
  return {};
}

std::error_code replace(const std::filesystem::path& from, const std::filesystem::path& to) {
  if (std::rename(from.c_str(), to.c_str()) != 0) return lastError();
  return {};
}

std::error_code removeFile(const std::filesystem::path& path) {
  if (::unlink(path.c_str()) != 0) return lastError();
  return {};
}

void syncFolder(const std::filesystem::path& folder) {
  const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (descriptor < 0) return;
  ::fsync(descriptor);
  ::close(descriptor);
}

std::string_view textLineEnd() { return "\n"; }

void passBytesUnchanged(std::FILE*) {}

void* allocateLargeBlock(std::size_t size) {
  if (size < kLargePage) return std::malloc(size == 0 ? 1 : size);
  const std::size_t rounded = (size + kLargePage - 1) / kLargePage * kLargePage;
  void* block = std::aligned_alloc(kLargePage, rounded);
  // Only a hint: a system that refuses it gives ordinary pages.
  if (block != nullptr) ::madvise(block, rounded, MADV_HUGEPAGE);
  return block;
}

void releaseLargeBlock(void* block) { std::free(block); }

}  // namespace deadhold::native
