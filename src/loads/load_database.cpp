#include "loads/load_database.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstring>
#include <new>
#include <numeric>
#include <string>

#include "common/folded_compare.h"
#include "common/numbers.h"
#include "common/path_text.h"
#include "common/safe_file_writer.h"
#include "loads/load_rules.h"

namespace deadhold {
namespace {

constexpr DatabaseHeader kNoFileHeader{1, 0, 0, -1};

// Appends the sort key "%s %d %s %s" of caliber, weight cut to a whole number, bullet maker and
// bullet type; built by hand because a sort of a large book formats one per record.
void appendSortKey(std::string& keys, const LoadRecord& load) {
  std::array<char, 16> weight;
  const auto [end, error] =
      std::to_chars(weight.data(), weight.data() + weight.size(), cutToInt(load.bulletWeight));
  keys.append(load.caliber.view()).append(1, ' ');
  keys.append(weight.data(), end).append(1, ' ');
  keys.append(load.bulletMfg.view()).append(1, ' ');
  keys.append(load.bulletType.view());
}

}  // namespace

LoadDatabase::LoadDatabase(std::filesystem::path file) : file_(std::move(file)) {}

int LoadDatabase::readDatabase() {
  readProblem_.reset();
  fileIsNoLoadBook_ = false;
  FileContents contents = readWholeFile(file_, kLoadBookSizeLimit);
  // Only a file that is not there at all is a new, empty load book; anything else that cannot
  // be read is reported, and the list stays as it was.
  if (contents.outcome != FileContents::Outcome::Read) {
    if (contents.outcome != FileContents::Outcome::Missing)
      readProblem_ = readError(file_, contents.reason);
    header_ = kNoFileHeader;
    return 0;
  }
  if (!isLoadBook(contents.bytes)) {
    readProblem_ = readError(file_, "not a load book");
    fileIsNoLoadBook_ = true;
    header_ = kNoFileHeader;
    return 0;
  }
  clearDatabase();
  // What a short file lacks of the header keeps its previous value.
  header_ = decodeHeader(contents.bytes, header_);
  try {
    readRecords(contents.bytes);
  } catch (const std::bad_alloc&) {
    clearDatabase();
    readProblem_ =
        readError(file_, std::make_error_code(std::errc::not_enough_memory).message());
    return 0;
  }
  fileWasRead_ = true;
  sortLoads();
  return loadCount();
}

// Keeps every record at least partly present in the file, however many the header claims, the
// part missing from the last one zero.
void LoadDatabase::readRecords(std::string_view fileBytes) {
  if (header_.count <= 0 || fileBytes.size() <= kDatabaseHeaderSize) return;
  const std::string_view records = fileBytes.substr(kDatabaseHeaderSize);
  const std::size_t present = (records.size() + kLoadRecordSize - 1) / kLoadRecordSize;
  const std::size_t count = std::min(present, static_cast<std::size_t>(header_.count));
  loads_.reserve(count);
  for (std::size_t position = 0; position < count; ++position) {
    auto load = std::make_unique<LoadRecord>();  // zero-filled
    records.substr(position * kLoadRecordSize, kLoadRecordSize)
        .copy(reinterpret_cast<char*>(load.get()), kLoadRecordSize);
    load->next = 0;
    if (static_cast<std::int64_t>(position) == header_.currentIndex) current_ = load.get();
    loads_.push_back(std::move(load));
  }
}

std::string LoadDatabase::fileBytes() const {
  std::string bytes = encodeHeader(header_);
  bytes.reserve(kDatabaseHeaderSize + loads_.size() * kLoadRecordSize);
  // No link is kept in memory; every record goes out with an empty one.
  for (const auto& load : loads_) {
    bytes.append(reinterpret_cast<const char*>(load.get()), offsetof(LoadRecord, next));
    bytes.append(sizeof(LoadRecord::next), '\0');
  }
  return bytes;
}

std::optional<FileError> LoadDatabase::writeDatabase() {
  header_ = DatabaseHeader{1, 0, loadCount(), indexOfLoad(current_)};
  if (!fileWasRead_ && !fileWritten_ && loads_.empty()) return std::nullopt;
  if (readProblem_) {
    return FileError{"Could not write " + pathText(file_) +
                     ": the file could not be read, so it is left as it was"};
  }
  const std::string bytes = fileBytes();
  const bool changesFile = !fileChanged_ && keepBackup(bytes);
  if (auto error = writeFileSafely(file_, bytes)) return error;
  fileWritten_ = true;
  fileChanged_ = fileChanged_ || changesFile;
  return std::nullopt;
}

// One step back: before the session first changes the file, what it held is kept beside it,
// so a write that changes nothing (the one at every shut-down) keeps the last backup. A backup
// that cannot be written does not stop the save the user asked for. Returns whether the write
// changes the file.
bool LoadDatabase::keepBackup(const std::string& newBytes) const {
  const FileContents old = readWholeFile(file_, kLoadBookSizeLimit);
  if (old.outcome != FileContents::Outcome::Read) return true;
  if (old.bytes == newBytes) return false;
  (void)writeFileSafely(backupFileOf(file_), old.bytes);
  return true;
}

SetAsideOutcome LoadDatabase::setAsideForeignFile() {
  SetAsideOutcome outcome = setFileAside(file_);
  if (outcome.error) return outcome;
  readProblem_.reset();
  fileIsNoLoadBook_ = false;
  return outcome;
}

LoadRecord& LoadDatabase::addLoadCopy(const LoadRecord& record) {
  loads_.push_back(std::make_unique<LoadRecord>(record));
  LoadRecord& copy = *loads_.back();
  copy.next = 0;
  sortLoads();
  return copy;
}

void LoadDatabase::removeLoad(const LoadRecord* record) {
  const int position = indexOfLoad(record);
  if (position < 0) return;
  if (current_ == record) {
    if (position > 0)
      current_ = loads_[position - 1].get();
    else
      current_ = loads_.size() > 1 ? loads_[1].get() : nullptr;
  }
  loads_.erase(loads_.begin() + position);
}

void LoadDatabase::clearDatabase() {
  loads_.clear();
  current_ = nullptr;
}

LoadRecord* LoadDatabase::loadAt(int position) {
  return position >= 0 && position < loadCount() ? loads_[position].get() : nullptr;
}

const LoadRecord* LoadDatabase::loadAt(int position) const {
  return position >= 0 && position < loadCount() ? loads_[position].get() : nullptr;
}

int LoadDatabase::indexOfLoad(const LoadRecord* record) const {
  if (record == nullptr) return -1;
  const auto found = std::find_if(loads_.begin(), loads_.end(),
                                  [record](const auto& load) { return load.get() == record; });
  return found == loads_.end() ? -1 : static_cast<int>(found - loads_.begin());
}

void LoadDatabase::sortLoads() {
  if (loads_.empty()) return;
  // All keys in one buffer, built once per sort rather than once per comparison.
  std::string keys;
  std::vector<std::size_t> keyStarts;
  keyStarts.reserve(loads_.size() + 1);
  for (const auto& load : loads_) {
    keyStarts.push_back(keys.size());
    appendSortKey(keys, *load);
  }
  keyStarts.push_back(keys.size());
  const auto key = [&](std::size_t i) {
    return std::string_view(keys).substr(keyStarts[i], keyStarts[i + 1] - keyStarts[i]);
  };
  std::vector<std::size_t> order(loads_.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::stable_sort(order.begin(), order.end(), [&key](std::size_t a, std::size_t b) {
    return compareFolded(key(a), key(b)) < 0;
  });
  std::vector<std::unique_ptr<LoadRecord>> sorted;
  sorted.reserve(loads_.size());
  for (const std::size_t position : order) sorted.push_back(std::move(loads_[position]));
  loads_ = std::move(sorted);
}

int LoadDatabase::repairCalibers() {
  int repaired = 0;
  for (const auto& load : loads_) {
    if (!caliberIsMissing(*load)) continue;
    load->caliber.assign("Unknown");
    ++repaired;
  }
  return repaired;
}

void LoadDatabase::setCurrentLoad(LoadRecord* record) {
  current_ = indexOfLoad(record) >= 0 ? record : nullptr;
}

}  // namespace deadhold
