// A .BLD file from any bytes, imported into a book that already holds a load. Only exactly 1100
// bytes are a load; that load joins the book as those very bytes (its link emptied, a blank
// caliber repaired to "Unknown"), the book is saved with it, and exporting it gives it back.
#include <cstring>
#include <string>

#include "fuzz_support.h"
#include "loads/load_exchange.h"
#include "loads/load_messages.h"
#include "loads/load_rules.h"
#include "record_checks.h"

namespace deadhold::fuzz {
namespace {

LoadRecord residentLoad() {
  LoadRecord load = blankLoadRecord();
  load.caliber.assign(".270 Win");
  load.bulletMfg.assign("Sierra");
  load.bulletType.assign("Gameking");
  load.bulletWeight = 130.0f;
  return load;
}

void requireRefused(const ImportOutcome& outcome, const LoadDatabase& database) {
  require(outcome.imported == nullptr && outcome.refusal.has_value(), "a wrong size is refused");
  require(outcome.refusal->text == kUnrecognizableLoadFileMessage &&
              outcome.refusal->title == kUnrecognizableLoadFileTitle,
          "a refused file gets the unrecognizable warning");
  require(database.loadCount() == 1 && !std::filesystem::exists(database.file()),
          "a refused import changes nothing");
}

void requireImported(const ImportOutcome& outcome, LoadDatabase& database, std::string_view input) {
  require(outcome.imported != nullptr && !outcome.refusal && !outcome.saveError,
          "an 1100-byte file is imported and saved");
  require(database.loadCount() == 2 && database.currentLoad() != nullptr &&
              database.currentLoad() != outcome.imported,
          "the import joins the book and the current load stays");
  LoadRecord expected;
  std::memcpy(&expected, input.data(), kLoadRecordSize);
  expected.next = 0;
  LoadDatabase saved(database.file());
  require(saved.readDatabase() == 2, "the saved book holds both loads");
  const bool importedFirst = sameBytes(*saved.loadAt(0), expected);
  require(importedFirst || sameBytes(*saved.loadAt(1), expected),
          "the saved book holds the file's bytes as they were");

  const bool blankCaliber = caliberIsMissing(expected);
  require(outcome.repairedCalibers == (blankCaliber ? 1 : 0), "only a blank caliber is repaired");
  if (blankCaliber) expected.caliber.assign("Unknown");
  require(sameBytes(*outcome.imported, expected), "the imported load is the file's bytes");
  requireSoundTexts(*outcome.imported);

  const auto exported = scratchFolder() / "EXPORTED.BLD";
  require(!exportLoad(exported, *outcome.imported), "an imported load can be exported");
  const LoadFileRead back = readLoadFile(exported);
  require(back.load && sameBytes(*back.load, expected), "export and import round trip");
}

}  // namespace
}  // namespace deadhold::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace deadhold;
  using namespace deadhold::fuzz;
  const auto book = scratchFolder() / kDatabaseFileName;
  const auto bld = scratchFolder() / "LOADDATA.BLD";
  std::filesystem::remove(book);
  const std::string_view input = asText(data, size);
  writeWholeFile(bld, input);

  LoadDatabase database(book);
  database.setCurrentLoad(&database.addLoadCopy(residentLoad()));
  const ImportOutcome outcome = importLoad(database, bld);
  if (size == kLoadRecordSize)
    requireImported(outcome, database, input);
  else
    requireRefused(outcome, database);
  return 0;
}
