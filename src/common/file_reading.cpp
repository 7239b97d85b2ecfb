#include "common/file_reading.h"

#include <new>

#include "common/cformat.h"
#include "common/native_file.h"
#include "common/path_text.h"

namespace deadhold {
namespace {

std::string tooLargeReason(std::uint64_t sizeLimit) {
  const auto limit = static_cast<unsigned long long>(sizeLimit);
  return sizeLimit >= kMebibyte ? cformat("larger than %llu MiB", limit / kMebibyte)
                                : cformat("larger than %llu bytes", limit);
}

// Reads to the end, one byte beyond the limit at most, so that a file that grew since it was
// measured is still caught.
template <class Bytes>
std::error_code readUpTo(native::File& file, std::uint64_t expected, std::uint64_t sizeLimit,
                         Bytes& bytes) {
  bytes.resize(static_cast<std::size_t>(std::min(expected, sizeLimit)) + 1);
  std::size_t filled = 0;
  for (;;) {
    if (filled == bytes.size()) {
      if (filled > sizeLimit) break;
      bytes.resize(static_cast<std::size_t>(std::min<std::uint64_t>(sizeLimit + 1, filled * 2)));
    }
    std::size_t got = 0;
    if (const auto error = file.read(bytes.data() + filled, bytes.size() - filled, got))
      return error;
    if (got == 0) break;
    filled += got;
  }
  bytes.resize(filled);
  return {};
}

template <class Bytes>
WholeFile<Bytes> readWhole(const std::filesystem::path& file, std::uint64_t sizeLimit) {
  WholeFile<Bytes> contents;
  const auto fail = [&](FileOutcome outcome, const std::string& reason) {
    contents.outcome = outcome;
    contents.bytes = Bytes();
    contents.reason = reason;
    return std::move(contents);
  };
  using Outcome = FileOutcome;
  native::FileStatus status;
  native::File handle;
  if (const auto error = native::inspect(file, status)) return fail(Outcome::Refused, error.message());
  if (status.kind == native::FileKind::Missing)
    return fail(Outcome::Missing,
                std::make_error_code(std::errc::no_such_file_or_directory).message());
  if (status.kind == native::FileKind::Regular) {
    if (const auto error = native::File::openToRead(file, handle, status))
      return fail(Outcome::Refused, error.message());
  }
  if (status.kind == native::FileKind::Folder)
    return fail(Outcome::Refused, std::make_error_code(std::errc::is_a_directory).message());
  if (status.kind != native::FileKind::Regular) return fail(Outcome::Refused, "not a regular file");
  if (status.size > sizeLimit) return fail(Outcome::TooLarge, tooLargeReason(sizeLimit));
  try {
    if (const auto error = readUpTo(handle, status.size, sizeLimit, contents.bytes))
      return fail(Outcome::Refused, error.message());
  } catch (const std::bad_alloc&) {
    return fail(Outcome::Refused, std::make_error_code(std::errc::not_enough_memory).message());
  }
  if (contents.bytes.size() > sizeLimit) return fail(Outcome::TooLarge, tooLargeReason(sizeLimit));
  if (const auto error = handle.close()) return fail(Outcome::Refused, error.message());
  return contents;
}

}  // namespace

FileContents readWholeFile(const std::filesystem::path& file, std::uint64_t sizeLimit) {
  return readWhole<std::string>(file, sizeLimit);
}

WholeFile<LargeBuffer> readLargeFile(const std::filesystem::path& file, std::uint64_t sizeLimit) {
  return readWhole<LargeBuffer>(file, sizeLimit);
}

FileError readError(const std::filesystem::path& file, const std::string& reason) {
  return FileError{"Could not read " + pathText(file) + ": " + reason};
}

}  // namespace deadhold
