#include "loads/load_exchange.h"

#include "common/file_reading.h"
#include "common/safe_file_writer.h"
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
  const FileContents contents = readWholeFile(file, kLoadRecordSize);
  using Outcome = FileContents::Outcome;
  if (contents.outcome == Outcome::Missing || contents.outcome == Outcome::Refused)
    return {{}, couldNotOpen()};
  if (contents.outcome == Outcome::TooLarge || contents.bytes.size() != kLoadRecordSize) {
    return {{},
            LoadFileMessage{kUnrecognizableLoadFileMessage, kUnrecognizableLoadFileTitle,
                            Icon::Exclamation}};
  }
  return {loadRecordFromBytes(std::span<const std::byte, kLoadRecordSize>(
              reinterpret_cast<const std::byte*>(contents.bytes.data()), kLoadRecordSize)),
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
