// RELOADER.DAT from any bytes: read it, write it back, read that again. Every record read is a
// slice of the file (zero-completed, its link emptied), the second read gives the same records
// byte for byte with the same current load, and a second write gives the same file. A file that
// is no load book reads no loads and is never written over.
#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "loads/load_database.h"
#include "record_checks.h"

namespace deadhold::fuzz {
namespace {

std::string recordImage(const LoadRecord& load) {
  const LoadRecordBytes bytes = loadRecordBytes(load);
  return std::string(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

// The records the file holds as the reader must take them: as many as the header claims and
// the file at least begins, each completed with zeros and with an empty link.
std::vector<std::string> recordsInFile(std::string_view file) {
  std::string header(kDatabaseHeaderSize, '\0');
  file.copy(header.data(), kDatabaseHeaderSize);
  std::int32_t count = 0;
  std::memcpy(&count, header.data() + 4, sizeof count);
  std::vector<std::string> records;
  for (std::size_t start = kDatabaseHeaderSize;
       count > 0 && static_cast<std::int32_t>(records.size()) < count && start < file.size();
       start += kLoadRecordSize) {
    std::string record(file.substr(start, kLoadRecordSize));
    record.resize(kLoadRecordSize, '\0');
    std::fill(record.begin() + offsetof(LoadRecord, next), record.end(), '\0');
    records.push_back(std::move(record));
  }
  return records;
}

std::vector<std::string> sortedImages(const LoadDatabase& database) {
  std::vector<std::string> images;
  for (int i = 0; i < database.loadCount(); ++i) images.push_back(recordImage(*database.loadAt(i)));
  std::sort(images.begin(), images.end());
  return images;
}

}  // namespace
}  // namespace deadhold::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace deadhold;
  using namespace deadhold::fuzz;
  const auto file = scratchFolder() / kDatabaseFileName;
  const std::string_view input = asText(data, size);
  writeWholeFile(file, input);

  LoadDatabase first(file);
  const int count = first.readDatabase();
  if (!isLoadBook(input)) {
    require(count == 0 && first.fileIsNoLoadBook() && first.readProblem(),
            "a file that is no load book is refused");
    first.addLoadCopy(LoadRecord{});
    require(first.writeDatabase() && readWholeFile(file) == input,
            "a file that is no load book is never written over");
    return 0;
  }
  require(!first.readProblem(), "a regular load book is always read");
  require(first.fileWasRead(), "a file read is marked so");
  require(count == first.loadCount(), "the count read is the number of loads");
  std::vector<std::string> expected = recordsInFile(input);
  std::sort(expected.begin(), expected.end());
  require(sortedImages(first) == expected, "every record read is a record of the file");
  for (int i = 0; i < count; ++i) requireSoundTexts(*first.loadAt(i));

  require(!first.writeDatabase(), "a book read from a file can be written back");
  const std::string written = readWholeFile(file);
  require(written.size() == kDatabaseHeaderSize + kLoadRecordSize * count,
          "the file written holds the header and every record");

  LoadDatabase second(file);
  require(second.readDatabase() == count, "the written file reads the same number of loads");
  for (int i = 0; i < count; ++i)
    require(sameBytes(*first.loadAt(i), *second.loadAt(i)), "records re-read byte for byte");
  require(first.indexOfLoad(first.currentLoad()) == second.indexOfLoad(second.currentLoad()),
          "the current load survives the round trip");
  require(!second.writeDatabase() && readWholeFile(file) == written,
          "writing the re-read book gives the same file");
  return 0;
}
