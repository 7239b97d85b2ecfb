#include "loads/load_exchange.h"

#include <sys/stat.h>

#include <array>
#include <cstdio>

#include "loads/load_messages.h"

namespace deadhold {
namespace {

LoadFileMessage couldNotOpen() { return {kCouldNotOpenFileMessage, kFileErrorTitle, Icon::None}; }

}  // namespace

std::optional<ExportFailure> exportLoad(const std::filesystem::path& file, const LoadRecord& load) {
  const LoadRecordBytes bytes = loadRecordBytes(load);
  auto error = writeFileSafely(
      file, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
  if (!error) return std::nullopt;
  return ExportFailure{{kCouldNotOpenFileForWritingMessage, kFileErrorTitle, Icon::None},
                       std::move(*error)};
}

LoadFileRead readLoadFile(const std::filesystem::path& file) {
  // A folder or a device is no file to read a load from.
  struct stat info {};
  if (::stat(file.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return {{}, couldNotOpen()};
  std::FILE* stream = std::fopen(file.c_str(), "rb");
  if (stream == nullptr) return {{}, couldNotOpen()};

  // One byte more than a record tells a longer file from an exact one without trusting stat.
  std::array<std::byte, kLoadRecordSize + 1> bytes{};
  const std::size_t got = std::fread(bytes.data(), 1, bytes.size(), stream);
  const bool failed = std::ferror(stream) != 0;
  std::fclose(stream);
  if (failed) return {{}, couldNotOpen()};
  if (got != kLoadRecordSize) {
    return {{},
            LoadFileMessage{kUnrecognizableLoadFileMessage, kUnrecognizableLoadFileTitle,
                            Icon::Exclamation}};
  }
  return {loadRecordFromBytes(std::span<const std::byte, kLoadRecordSize>(bytes.data(),
                                                                          kLoadRecordSize)),
          std::nullopt};
}

ImportOutcome importLoad(LoadDatabase& database, const std::filesystem::path& file) {
  ImportOutcome outcome;
  LoadFileRead read = readLoadFile(file);
  if (!read.load) {
    outcome.refusal = std::move(read.refusal);
    return outcome;
  }
  outcome.imported = &database.addLoadCopy(*read.load);
  outcome.saveError = database.writeDatabase();
  outcome.repairedCalibers = database.repairCalibers();
  return outcome;
}

}  // namespace deadhold
