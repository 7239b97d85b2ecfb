#include "loads/load_database.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstring>
#include <new>
#include <string>

#include "common/folded_sort.h"
#include "common/numbers.h"
#include "common/path_text.h"
#include "common/safe_file_writer.h"
#include "loads/load_rules.h"

namespace deadhold {
namespace {

constexpr DatabaseHeader kNoFileHeader{1, 0, 0, -1};

// Appends the sort key "%s %d %s %s" of caliber, weight cut to a whole number, bullet maker and
// bullet type; built by hand because a sort of a large book formats one per record.
void appendSortKey(const LoadRecord* record, std::string& keys) {
  const LoadRecord& load = *record;
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
  WholeFile<LargeBuffer> contents = readLargeFile(file_, kLoadBookSizeLimit);
  // Only a file that is not there at all is a new, empty load book; anything else that cannot
  // be read is reported, and the list stays as it was.
  if (contents.outcome != FileOutcome::Read) {
    if (contents.outcome != FileOutcome::Missing)
      readProblem_ = readError(file_, contents.reason);
    header_ = kNoFileHeader;
    return 0;
  }
  if (!isLoadBook(contents.bytes.view())) {
    readProblem_ = readError(file_, "not a load book");
    fileIsNoLoadBook_ = true;
    header_ = kNoFileHeader;
    return 0;
  }
  clearDatabase();
  // What a short file lacks of the header keeps its previous value.
  header_ = decodeHeader(contents.bytes.view(), header_);
  try {
    takeRecords(std::move(contents.bytes));
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
// part missing from the last one zero. The records stay in the bytes read.
void LoadDatabase::takeRecords(LargeBuffer fileBytes) {
  static_assert(kDatabaseHeaderSize % alignof(LoadRecord) == 0 &&
                kLoadRecordSize % alignof(LoadRecord) == 0);
  if (header_.count <= 0 || fileBytes.size() <= kDatabaseHeaderSize) return;
  const std::size_t held = fileBytes.size();
  const std::size_t present = (held - kDatabaseHeaderSize + kLoadRecordSize - 1) / kLoadRecordSize;
  const std::size_t count = std::min(present, static_cast<std::size_t>(header_.count));
  const std::size_t whole = kDatabaseHeaderSize + count * kLoadRecordSize;
  fileBytes.resize(whole);
  if (whole > held) std::memset(fileBytes.data() + held, 0, whole - held);
  loads_.reserve(count);
  for (std::size_t position = 0; position < count; ++position) {
    auto* load = reinterpret_cast<LoadRecord*>(fileBytes.data() + kDatabaseHeaderSize +
                                               position * kLoadRecordSize);
    load->next = 0;
    if (static_cast<std::int64_t>(position) == header_.currentIndex) current_ = load;
    loads_.push_back(load);
  }
  fileRecords_ = std::move(fileBytes);
}

// Straight from the records through the safe writer, so that a write takes no second copy of
// the book.
// One step back: before the session first changes the file, what it held is kept beside it, so
// a write that changes nothing (the one at every shut-down) keeps the last backup.
std::optional<FileError> LoadDatabase::writeDatabase() {
  header_ = DatabaseHeader{1, 0, loadCount(), indexOfLoad(current_)};
  if (!fileWasRead_ && !fileWritten_ && loads_.empty()) return std::nullopt;
  if (readProblem_) {
    return FileError{"Could not write " + pathText(file_) +
                     ": the file could not be read, so it is left as it was"};
  }
  SafeFileWriter writer(file_);
  if (!fileChanged_) writer.keepReplacedAs(backupFileOf(file_));
  writer.write(encodeHeader(header_));
  // No link is kept in memory: every record goes out with an empty one. Records that lie side by
  // side, as a book read in order does, go out in one piece.
  for (LoadRecord* load : loads_) load->next = 0;
  for (std::size_t first = 0; first < loads_.size();) {
    std::size_t end = first + 1;
    while (end < loads_.size() && loads_[end] == loads_[end - 1] + 1) ++end;
    writer.write(loads_[first], (end - first) * sizeof(LoadRecord));
    first = end;
  }
  if (auto error = writer.commit()) return error;
  fileWritten_ = true;
  fileChanged_ = fileChanged_ || writer.changedTarget();
  return std::nullopt;
}

SetAsideOutcome LoadDatabase::setAsideForeignFile() {
  SetAsideOutcome outcome = setFileAside(file_);
  if (outcome.error) return outcome;
  readProblem_.reset();
  fileIsNoLoadBook_ = false;
  return outcome;
}

LoadRecord& LoadDatabase::addLoadCopy(const LoadRecord& record) {
  caliberRuns_.reset();
  added_.push_back(std::make_unique<LoadRecord>(record));
  LoadRecord& copy = *added_.back();
  copy.next = 0;
  loads_.push_back(&copy);
  sortLoads();
  return copy;
}

// A record read from the file keeps its place in the block until the book is cleared or read
// again; one added since is freed at once.
void LoadDatabase::removeLoad(const LoadRecord* record) {
  const int position = indexOfLoad(record);
  if (position < 0) return;
  if (current_ == record) {
    if (position > 0)
      current_ = loads_[position - 1];
    else
      current_ = loads_.size() > 1 ? loads_[1] : nullptr;
  }
  loads_.erase(loads_.begin() + position);
  std::erase_if(added_, [record](const auto& added) { return added.get() == record; });
  caliberRuns_.reset();
}

void LoadDatabase::replaceLoad(LoadRecord& load, const LoadRecord& contents) {
  load = contents;
  caliberRuns_.reset();
}

void LoadDatabase::clearDatabase() {
  caliberRuns_.reset();
  loads_.clear();
  added_.clear();
  fileRecords_ = LargeBuffer();
  current_ = nullptr;
}

LoadRecord* LoadDatabase::loadAt(int position) {
  return position >= 0 && position < loadCount() ? loads_[position] : nullptr;
}

const LoadRecord* LoadDatabase::loadAt(int position) const {
  return position >= 0 && position < loadCount() ? loads_[position] : nullptr;
}

int LoadDatabase::indexOfLoad(const LoadRecord* record) const {
  if (record == nullptr) return -1;
  const auto found = std::find(loads_.begin(), loads_.end(), record);
  return found == loads_.end() ? -1 : static_cast<int>(found - loads_.begin());
}

void LoadDatabase::sortLoads() {
  sortByFoldedKey(loads_, appendSortKey);
  caliberRuns_.reset();
}

int LoadDatabase::repairCalibers() {
  if (!knownCaliberRuns().anyMissing) return 0;
  int repaired = 0;
  for (LoadRecord* load : loads_) {
    if (!caliberIsMissing(*load)) continue;
    load->caliber.assign("Unknown");
    ++repaired;
  }
  caliberRuns_.reset();
  return repaired;
}

const std::vector<int>& LoadDatabase::caliberRuns() const { return knownCaliberRuns().starts; }

// Texts that match with A-Z folded are blank alike, so a run's first load tells for the run.
const LoadDatabase::CaliberRuns& LoadDatabase::knownCaliberRuns() const {
  if (caliberRuns_) return *caliberRuns_;
  CaliberRuns runs;
  const LoadRecord* runStart = nullptr;
  for (std::size_t position = 0; position < loads_.size(); ++position) {
    const LoadRecord& load = *loads_[position];
    if (runStart != nullptr && sameCaliber(load, *runStart)) continue;
    runs.starts.push_back(static_cast<int>(position));
    runs.anyMissing = runs.anyMissing || caliberIsMissing(load);
    runStart = &load;
  }
  return caliberRuns_.emplace(std::move(runs));
}

void LoadDatabase::setCurrentLoad(LoadRecord* record) {
  current_ = indexOfLoad(record) >= 0 ? record : nullptr;
}

}  // namespace deadhold
