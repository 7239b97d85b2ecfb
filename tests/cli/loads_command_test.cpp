#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "cli/cli_runner.h"
#include "loads/load_database.h"
#include "loads/load_exchange.h"
#include "loads/load_rules.h"
#include "loads/load_text_report.h"
#include "support/same_bytes.h"
#include "support/temp_folder.h"

namespace deadhold::test {
namespace {

using testing::readBytes;
using testing::writeBytes;

LoadRecord load(std::string_view caliber, float weight, std::string_view name) {
  LoadRecord record = blankLoadRecord();
  record.caliber.assign(caliber);
  record.bulletWeight = weight;
  record.bulletMfg.assign("Sierra");
  record.bulletType.assign("Gameking");
  record.loadName.assign(name);
  record.powderMfg.assign("IMR");
  record.powderType.assign("4350");
  record.powderWeight = 56.25f;
  record.avVelocity = 3016.9f;
  record.avGroup = 0.75f;
  return record;
}

// A book of three loads, the second current, in the folder as RELOADER.DAT.
class CliLoads : public ::testing::Test {
 protected:
  void SetUp() override {
    LoadDatabase database(book());
    database.addLoadCopy(load(".308 Win", 150, "Deer"));
    database.setCurrentLoad(&database.addLoadCopy(load(".270 Win", 130, "Elk, \"long\" range")));
    database.addLoadCopy(load(".223 Rem", 55.9f, "Varmint"));
    ASSERT_FALSE(database.writeDatabase());
  }
  std::filesystem::path book() const { return folder / "RELOADER.DAT"; }
  CliRun loads(std::vector<std::string> args) const {
    args.insert(args.begin(), "loads");
    return runCli(args, folder.path());
  }
  testing::TempFolder folder;
};

void expectRefused(const CliRun& run, const std::string& error) {
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "deadhold-cli: " + error + "\n");
}

TEST_F(CliLoads, ListsAlignedTextWithTheCurrentLoadMarked) {
  const CliRun run = loads({"list"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out,
            "   index  caliber   bulletWeight  bulletMfg  bulletType  loadName           "
            "powderMfg  powderType  powderWeight  avVelocity  avGroup\n"
            "   0      .223 Rem  55            Sierra     Gameking    Varmint            "
            "IMR        4350        56.2          3016        0.750\n"
            "*  1      .270 Win  130           Sierra     Gameking    Elk, \"long\" range  "
            "IMR        4350        56.2          3016        0.750\n"
            "   2      .308 Win  150           Sierra     Gameking    Deer               "
            "IMR        4350        56.2          3016        0.750\n");
}

TEST_F(CliLoads, ListsCsvWithQuotesACurrentColumnAndCrLf) {
  const CliRun run = runCli({"loads", "list", "--format", "csv", "--db", book().string()});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out,
            "index,caliber,bulletWeight,bulletMfg,bulletType,loadName,powderMfg,powderType,"
            "powderWeight,avVelocity,avGroup,current\r\n"
            "0,.223 Rem,55,Sierra,Gameking,Varmint,IMR,4350,56.2,3016,0.750,0\r\n"
            "1,.270 Win,130,Sierra,Gameking,\"Elk, \"\"long\"\" range\",IMR,4350,56.2,3016,0.750,1\r\n"
            "2,.308 Win,150,Sierra,Gameking,Deer,IMR,4350,56.2,3016,0.750,0\r\n");
}

TEST_F(CliLoads, ShowPrintsTheLoadTextReport) {
  const CliRun run = loads({"show", "2"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, loadTextReport(load(".308 Win", 150, "Deer")));
}

TEST_F(CliLoads, AnIndexOutsideTheBookIsRefused) {
  expectRefused(loads({"show", "3"}), "no load 3: the load book holds 3 loads");
  expectRefused(loads({"export", "x1", "out.BLD"}), "N must be a load's index (0, 1, ...), not \"x1\"");
  EXPECT_FALSE(std::filesystem::exists(folder / "out.BLD"));
}

TEST_F(CliLoads, AMissingOrUnreadableBookIsRefused) {
  expectRefused(runCli({"loads", "--db", "nothing.DAT", "show", "0"}, folder.path()),
                "Could not read nothing.DAT: No such file or directory");
  std::filesystem::create_directory(folder / "folder.DAT");
  expectRefused(runCli({"loads", "--db", "folder.DAT", "list"}, folder.path()),
                "Could not read folder.DAT: Is a directory");
  expectRefused(runCli({"loads", "--db", "folder.DAT", "import", "x.BLD"}, folder.path()),
                "Could not read folder.DAT: Is a directory");
  EXPECT_FALSE(std::filesystem::exists(folder / "nothing.DAT"));
}

TEST_F(CliLoads, ExportWritesTheRecordAndImportAddsItBack) {
  ASSERT_EQ(loads({"export", "0", "varmint.BLD"}).exitCode, 0);
  EXPECT_EQ(readBytes(folder / "varmint.BLD").size(), 1100u);
  const CliRun imported = loads({"import", "varmint.BLD"});
  ASSERT_EQ(imported.exitCode, 0) << imported.err;
  EXPECT_EQ(imported.out, "Imported load 1: .223 Rem Cal, Sierra Gameking, 55 grn\n");
  LoadDatabase database(book());
  ASSERT_EQ(database.readDatabase(), 4);
  EXPECT_TRUE(sameBytes(*database.loadAt(0), *database.loadAt(1)));
  EXPECT_EQ(database.currentLoad(), database.loadAt(2));
}

TEST_F(CliLoads, ImportStartsABookThatDoesNotExistYet) {
  ASSERT_FALSE(exportLoad(folder / "one.BLD", load(".30-06", 180, "Elk")));
  const CliRun run = runCli({"loads", "--db", "NEW.DAT", "import", "one.BLD"}, folder.path());
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(readBytes(folder / "NEW.DAT").size(), 12u + 1100u);
}

TEST_F(CliLoads, AFileThatIsNoLoadBookIsNeitherReadNorWrittenOver) {
  writeBytes(folder / "notes.txt", "Elk loads to try next season\n");
  ASSERT_FALSE(exportLoad(folder / "one.BLD", load(".30-06", 180, "Elk")));
  for (const std::string file : {"notes.txt", "one.BLD"}) {
    SCOPED_TRACE(file);
    const std::string before = readBytes(folder / file);
    const std::string error = "Could not read " + file + ": not a load book";
    for (const std::vector<std::string>& command :
         {std::vector<std::string>{"list"}, {"show", "0"}, {"import", "one.BLD"}, {"repair"}}) {
      std::vector<std::string> args{"loads", "--db", file};
      args.insert(args.end(), command.begin(), command.end());
      expectRefused(runCli(args, folder.path()), error);
    }
    expectRefused(runCli({"print", "list", "--db", file, "--pdf", "list.pdf"}, folder.path()),
                  error);
    EXPECT_EQ(readBytes(folder / file), before);
  }
  EXPECT_FALSE(std::filesystem::exists(folder / "list.pdf"));

  // An empty file holds no loads yet: an import starts the book in it.
  writeBytes(folder / "EMPTY.DAT", "");
  const CliRun run = runCli({"loads", "--db", "EMPTY.DAT", "import", "one.BLD"}, folder.path());
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(readBytes(folder / "EMPTY.DAT").size(), 12u + 1100u);
}

TEST_F(CliLoads, NothingIsWrittenOverTheBookItself) {
  const std::string before = readBytes(book());
  const std::string error =
      "Could not write RELOADER.DAT: it is the load book itself, left as it was";
  expectRefused(loads({"export", "0", "RELOADER.DAT"}), error);
  expectRefused(loads({"--db", "./RELOADER.DAT", "export", "0", "RELOADER.DAT"}), error);
  expectRefused(runCli({"print", "list", "--pdf", "RELOADER.DAT"}, folder.path()), error);
  expectRefused(runCli({"print", "load", "--pdf", "RELOADER.DAT"}, folder.path()), error);
  EXPECT_EQ(readBytes(book()), before);
}

TEST_F(CliLoads, AFileOfTheWrongSizeIsRefusedAndNothingWritten) {
  const std::string before = readBytes(book());
  for (const std::size_t size : {1099u, 1101u}) {
    writeBytes(folder / "odd.BLD", std::string(size, 'x'));
    expectRefused(loads({"import", "odd.BLD"}),
                  "The selected file is unrecognizable by Deadhold as a valid Load file: odd.BLD");
  }
  expectRefused(loads({"import", "none.BLD"}), "Could not open file: none.BLD");
  EXPECT_EQ(readBytes(book()), before);
}

TEST_F(CliLoads, AnExportThatCannotBeWrittenIsRefused) {
  std::filesystem::create_directory(folder / "taken.BLD");
  const CliRun run = loads({"export", "0", "taken.BLD"});
  expectRefused(run, "Could not write taken.BLD: Is a directory");
}

TEST_F(CliLoads, ImportingABlankCaliberRepairsItWithTheWarning) {
  ASSERT_FALSE(exportLoad(folder / "blank.BLD", load("   ", 40, "Mystery")));
  const CliRun run = loads({"import", "blank.BLD"});
  ASSERT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.err,
            "An Error has been detected in the Database.\nAt least one caliber was detected as "
            "invalid.\nPlease contact the author about this problem!\n");
  // The book keeps the repaired caliber, and the index is the one the next command reads.
  EXPECT_EQ(run.out, "Imported load 3: Unknown Cal, Sierra Gameking, 40 grn\n");
  LoadDatabase database(book());
  ASSERT_EQ(database.readDatabase(), 4);
  EXPECT_EQ(database.loadAt(3)->caliber.view(), "Unknown");
  EXPECT_EQ(database.loadAt(3)->loadName.view(), "Mystery");
  EXPECT_EQ(database.currentLoad(), database.loadAt(1));
}

TEST_F(CliLoads, RepairCountsAndSavesOnlyWhenSomethingChanged) {
  const std::string before = readBytes(book());
  const CliRun none = loads({"repair"});
  ASSERT_EQ(none.exitCode, 0);
  EXPECT_EQ(none.out, "0 calibers became \"Unknown\"\n");
  EXPECT_EQ(readBytes(book()), before);

  LoadDatabase database(book());
  database.readDatabase();
  database.addLoadCopy(load("", 1, "a"));
  database.addLoadCopy(load("  ", 2, "b"));
  ASSERT_FALSE(database.writeDatabase());
  const CliRun two = loads({"repair"});
  ASSERT_EQ(two.exitCode, 0);
  EXPECT_EQ(two.out, "2 calibers became \"Unknown\"\n");
  LoadDatabase repaired(book());
  repaired.readDatabase();
  EXPECT_EQ(repaired.loadAt(4)->caliber.view(), "Unknown");
}

}  // namespace
}  // namespace deadhold::test
