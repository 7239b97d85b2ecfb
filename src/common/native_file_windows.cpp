#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "common/native_file.h"

namespace deadhold::native {
namespace {

// Windows' own error numbers, told in its own words; the common ones compare equal to the
// portable conditions (std::errc::file_exists ...) that the code above this file tests for.
class WindowsErrors final : public std::error_category {
 public:
  const char* name() const noexcept override { return "windows"; }

  std::string message(int code) const override {
    if (code == ERROR_SHARING_VIOLATION || code == ERROR_LOCK_VIOLATION)
      return "The file is open in another program";
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, static_cast<DWORD>(code), 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring wide(text != nullptr ? text : L"", length);
    LocalFree(text);
    while (!wide.empty() && (wide.back() == L'\n' || wide.back() == L'\r' || wide.back() == L'.'))
      wide.pop_back();
    if (wide.empty()) return "Windows error " + std::to_string(code);
    const auto utf8 = std::filesystem::path(wide).u8string();
    return std::string(utf8.begin(), utf8.end());
  }

  std::error_condition default_error_condition(int code) const noexcept override {
    switch (code) {
      case ERROR_FILE_NOT_FOUND:
      case ERROR_PATH_NOT_FOUND:
      case ERROR_INVALID_NAME:
        return std::errc::no_such_file_or_directory;
      case ERROR_ACCESS_DENIED:
      case ERROR_WRITE_PROTECT:
        return std::errc::permission_denied;
      case ERROR_FILE_EXISTS:
      case ERROR_ALREADY_EXISTS:
        return std::errc::file_exists;
      case ERROR_DISK_FULL:
      case ERROR_HANDLE_DISK_FULL:
        return std::errc::no_space_on_device;
      case ERROR_SHARING_VIOLATION:
      case ERROR_LOCK_VIOLATION:
        return std::errc::device_or_resource_busy;
      case ERROR_NOT_ENOUGH_MEMORY:
      case ERROR_OUTOFMEMORY:
        return std::errc::not_enough_memory;
      default:
        return {code, *this};
    }
  }
};

const WindowsErrors windowsErrors;

// The common errors read as they do on every other system ("Permission denied"), so that a
// message does not depend on where the program runs; the rest in Windows' words.
std::error_code lastError() {
  const DWORD code = GetLastError();
  const std::error_code error(static_cast<int>(code), windowsErrors);
  const std::error_condition condition = windowsErrors.default_error_condition(error.value());
  if (condition.category() == std::generic_category() &&
      condition != std::errc::device_or_resource_busy)
    return std::make_error_code(static_cast<std::errc>(condition.value()));
  return error;
}

HANDLE asHandle(std::intptr_t handle) { return reinterpret_cast<HANDLE>(handle); }
std::intptr_t fromHandle(HANDLE handle) { return reinterpret_cast<std::intptr_t>(handle); }

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
// What a replacement takes over from the file it replaces; read-only never applies (such a file
// is refused before), and the rest is the system's own business.
constexpr DWORD kCarriedAttributes =
    FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE |
    FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

HANDLE openHandle(const std::filesystem::path& path, DWORD access, DWORD share, DWORD creation,
                  DWORD flags = FILE_ATTRIBUTE_NORMAL) {
  return CreateFileW(path.c_str(), access, share, nullptr, creation, flags, nullptr);
}

std::error_code describe(HANDLE handle, FileStatus& status) {
  status = FileStatus{};
  if (GetFileType(handle) != FILE_TYPE_DISK) {
    status.kind = FileKind::Other;
    return {};
  }
  BY_HANDLE_FILE_INFORMATION info{};
  if (!GetFileInformationByHandle(handle, &info)) return lastError();
  status.kind = (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ? FileKind::Folder
                                                                   : FileKind::Regular;
  status.size = (std::uint64_t{info.nFileSizeHigh} << 32) | info.nFileSizeLow;
  status.permissions = info.dwFileAttributes;
  return {};
}

std::error_code adopt(HANDLE handle, File& file, std::intptr_t& slot) {
  if (handle == INVALID_HANDLE_VALUE) return lastError();
  file = File();
  slot = fromHandle(handle);
  return {};
}

}  // namespace

std::error_code inspect(const std::filesystem::path& path, FileStatus& status) {
  status = FileStatus{};
  // No access asked, so a file that another program holds open is still described; backup
  // semantics let a folder be opened too.
  const HANDLE handle = openHandle(path, 0, kShareAll, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS);
  if (handle == INVALID_HANDLE_VALUE) {
    const DWORD code = GetLastError();
    if (code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND) return {};
    SetLastError(code);
    return lastError();
  }
  const std::error_code error = describe(handle, status);
  CloseHandle(handle);
  return error;
}

std::error_code checkWritable(const std::filesystem::path& path) {
  // Asked first: the read-only attribute binds every user, but a system that maps it onto
  // permission bits (Wine) lets an administrator past it.
  const DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
    return std::make_error_code(std::errc::permission_denied);
  // Opening for writing changes nothing, and meets what a write would: the read-only attribute,
  // the access rights, and another program that holds the file without sharing it.
  const HANDLE handle = openHandle(path, GENERIC_WRITE, kShareAll, OPEN_EXISTING);
  if (handle == INVALID_HANDLE_VALUE) return lastError();
  CloseHandle(handle);
  return {};
}

std::string processTag() { return std::to_string(GetCurrentProcessId()); }

std::error_code File::openToRead(const std::filesystem::path& path, File& file,
                                 FileStatus& status) {
  const HANDLE handle = openHandle(path, GENERIC_READ, kShareAll, OPEN_EXISTING);
  if (const auto error = adopt(handle, file, file.handle_)) return error;
  return describe(handle, status);
}

std::error_code File::createNew(const std::filesystem::path& path, File& file) {
  return adopt(openHandle(path, GENERIC_WRITE, FILE_SHARE_READ, CREATE_NEW), file, file.handle_);
}

std::error_code File::openToRewrite(const std::filesystem::path& path, File& file) {
  return adopt(openHandle(path, GENERIC_WRITE, FILE_SHARE_READ, OPEN_EXISTING), file,
               file.handle_);
}

std::error_code File::read(char* buffer, std::size_t size, std::size_t& got) {
  DWORD count = 0;
  const DWORD asked = static_cast<DWORD>(std::min<std::size_t>(size, 1u << 30));
  if (!ReadFile(asHandle(handle_), buffer, asked, &count, nullptr)) return lastError();
  got = count;
  return {};
}

std::error_code File::writeAll(const char* data, std::size_t size) {
  while (size > 0) {
    DWORD written = 0;
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(size, 1u << 30));
    if (!WriteFile(asHandle(handle_), data, chunk, &written, nullptr)) return lastError();
    data += written;
    size -= written;
  }
  return {};
}

std::error_code File::truncate(std::uint64_t size) {
  LARGE_INTEGER position{};
  position.QuadPart = static_cast<LONGLONG>(size);
  if (!SetFilePointerEx(asHandle(handle_), position, nullptr, FILE_BEGIN) ||
      !SetEndOfFile(asHandle(handle_)))
    return lastError();
  return {};
}

std::error_code File::setPermissions(unsigned permissions) {
  FILE_BASIC_INFO info{};  // times left at zero stay as they are
  const DWORD carried = permissions & kCarriedAttributes;
  info.FileAttributes = carried != 0 ? carried : FILE_ATTRIBUTE_NORMAL;
  if (!SetFileInformationByHandle(asHandle(handle_), FileBasicInfo, &info, sizeof info))
    return lastError();
  return {};
}

std::error_code File::syncToDisk() {
  if (!FlushFileBuffers(asHandle(handle_))) return lastError();
  return {};
}

std::error_code File::close() {
  if (!isOpen()) return {};
  const HANDLE handle = asHandle(handle_);
  handle_ = kClosed;
  if (!CloseHandle(handle)) return lastError();
  return {};
}

// A rename over the old file is one step on NTFS, and write-through makes it durable before it
// returns. ReplaceFileW would keep more of the old file's metadata, but when it fails part-way
// without a backup name the old file can be gone; this call leaves the old file or the new.
// A file that another program holds open is refused, and stays as it was.
std::error_code replace(const std::filesystem::path& from, const std::filesystem::path& to) {
  if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    return {};
  // A file held open without its deletion shared refuses the rename as "access denied"; a probe
  // for delete access tells that from a real lack of rights.
  const DWORD code = GetLastError();
  if (code == ERROR_ACCESS_DENIED) {
    const HANDLE probe = openHandle(to, DELETE, kShareAll, OPEN_EXISTING);
    const DWORD probed = GetLastError();
    if (probe != INVALID_HANDLE_VALUE) CloseHandle(probe);
    SetLastError(probe == INVALID_HANDLE_VALUE && probed == ERROR_SHARING_VIOLATION ? probed : code);
    return lastError();
  }
  SetLastError(code);
  return lastError();
}

std::error_code removeFile(const std::filesystem::path& path) {
  if (!DeleteFileW(path.c_str())) return lastError();
  return {};
}

// Write-through renames are durable already; Windows cannot flush a folder.
void syncFolder(const std::filesystem::path&) {}

std::string_view textLineEnd() { return "\r\n"; }

void passBytesUnchanged(std::FILE* stream) { _setmode(_fileno(stream), _O_BINARY); }

// Large pages need a privilege users seldom hold: ordinary memory serves.
void* allocateLargeBlock(std::size_t size) { return std::malloc(size == 0 ? 1 : size); }

void releaseLargeBlock(void* block) { std::free(block); }

}  // namespace deadhold::native
