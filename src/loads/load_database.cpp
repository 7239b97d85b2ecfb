#include "loads/load_database.h"

#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cerrno>
#include <cstring>
#include <new>
#include <numeric>
#include <string>

#include "common/folded_compare.h"
#include "common/numbers.h"
#include "loads/load_rules.h"

namespace deadhold {
namespace {

using HeaderBytes = std::array<unsigned char, kDatabaseHeaderSize>;

HeaderBytes encode(const DatabaseHeader& header) {
  HeaderBytes bytes;
  std::memcpy(bytes.data(), &header.format, 2);
  std::memcpy(bytes.data() + 2, &header.reserved, 2);
  std::memcpy(bytes.data() + 4, &header.count, 4);
  std::memcpy(bytes.data() + 8, &header.currentIndex, 4);
  return bytes;
}

DatabaseHeader decode(const HeaderBytes& bytes) {
  DatabaseHeader header;
  std::memcpy(&header.format, bytes.data(), 2);
  std::memcpy(&header.reserved, bytes.data() + 2, 2);
  std::memcpy(&header.count, bytes.data() + 4, 4);
  std::memcpy(&header.currentIndex, bytes.data() + 8, 4);
  return header;
}

constexpr DatabaseHeader kNoFileHeader{1, 0, 0, -1};
constexpr std::size_t kReadBufferSize = 1 << 20;

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
  const auto problem = [this](const std::string& reason) {
    readProblem_ = FileError{"Could not read " + file_.string() + ": " + reason};
  };
  // Only a file that is not there at all is a new, empty load book; anything else that cannot
  // be read is reported, and the list stays as it was.
  struct stat info {};
  std::FILE* stream = nullptr;
  if (::stat(file_.c_str(), &info) != 0) {
    if (errno != ENOENT) problem(std::strerror(errno));
  } else if (S_ISDIR(info.st_mode)) {
    problem(std::strerror(EISDIR));
  } else if (!S_ISREG(info.st_mode)) {
    problem("not a regular file");
  } else if ((stream = std::fopen(file_.c_str(), "rb")) == nullptr) {
    problem(std::strerror(errno));
  }
  if (stream == nullptr) {
    header_ = kNoFileHeader;
    return 0;
  }
  std::setvbuf(stream, nullptr, _IOFBF, kReadBufferSize);

  readingFile_ = true;
  clearDatabase();
  // What a short file lacks of the header keeps its previous value.
  HeaderBytes headerBytes = encode(header_);
  std::fread(headerBytes.data(), 1, headerBytes.size(), stream);
  header_ = decode(headerBytes);
  try {
    readRecords(stream, static_cast<std::size_t>(info.st_size));
  } catch (const std::bad_alloc&) {
    clearDatabase();
    problem(std::strerror(ENOMEM));
  }
  if (!readProblem_ && std::ferror(stream)) problem(std::strerror(EIO));
  std::fclose(stream);
  readingFile_ = false;
  if (loads_.empty() && readProblem_) return 0;
  fileWasRead_ = true;
  sortLoads();
  return loadCount();
}

// Keeps every record at least partly present in the file, however many the header claims, so
// memory stays bounded by the file's size.
void LoadDatabase::readRecords(std::FILE* stream, std::size_t fileSize) {
  if (header_.count <= 0) return;
  const std::size_t present =
      fileSize > kDatabaseHeaderSize
          ? (fileSize - kDatabaseHeaderSize + kLoadRecordSize - 1) / kLoadRecordSize
          : 0;
  loads_.reserve(std::min(present, static_cast<std::size_t>(header_.count)));
  for (std::int32_t position = 0; position < header_.count; ++position) {
    auto load = std::make_unique<LoadRecord>();  // zero-filled
    const std::size_t got = std::fread(load.get(), 1, kLoadRecordSize, stream);
    if (got == 0) return;
    load->next = 0;
    if (position == header_.currentIndex) current_ = load.get();
    loads_.push_back(std::move(load));
    if (got < kLoadRecordSize) return;
  }
}

std::optional<FileError> LoadDatabase::writeDatabase() {
  header_ = DatabaseHeader{1, 0, loadCount(), indexOfLoad(current_)};
  if (!fileWasRead_ && loads_.empty()) return std::nullopt;
  if (readProblem_) {
    return FileError{"Could not write " + file_.string() +
                     ": the file could not be read, so it is left as it was"};
  }
  SafeFileWriter writer(file_);
  const HeaderBytes headerBytes = encode(header_);
  writer.write(headerBytes.data(), headerBytes.size());
  // No link is kept in memory; every record goes out with an empty one.
  static constexpr std::array<char, sizeof(LoadRecord::next)> kEmptyLink{};
  for (const auto& load : loads_) {
    writer.write(load.get(), offsetof(LoadRecord, next));
    writer.write(kEmptyLink.data(), kEmptyLink.size());
  }
  return writer.commit();
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
  if (readingFile_ || loads_.empty()) return;
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
