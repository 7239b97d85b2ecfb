#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "cli/cli_runner.h"
#include "support/temp_folder.h"

namespace deadhold::test {
namespace {

TEST(CliComponents, SortedEntriesWithTabsFromTheWorkingFolder) {
  const testing::TempFolder folder;
  testing::writeBytes(folder / "BULLETS.TXT",
                      "; maker\tcaliber\tweight\ttype\tbc\tsd\n"
                      "Sierra\t.308\t150\tSBT\t0.397\t0.226\n"
                      "Sierra\t.308\t55\tFMJ\t0.200\t0.083\n"
                      "Dropped\t.308\t99\tNo break\t0.1\t0.1");
  testing::writeBytes(folder / "PRIMERS.TXT", "CCI\t200\nCCI\t200 Mag\tL7\n");
  testing::writeBytes(folder / "POWDERS.TXT", "IMR\t4350\t-\nHodgdon\tH4350\t12\n");

  const CliRun bullets = runCli({"components", "bullets"}, folder.path());
  ASSERT_EQ(bullets.exitCode, 0) << bullets.err;
  EXPECT_EQ(bullets.out,
            "Sierra\t.308\t55\tFMJ\t0.200\t0.083\n"
            "Sierra\t.308\t150\tSBT\t0.397\t0.226\n");
  EXPECT_EQ(runCli({"components", "primers"}, folder.path()).out, "CCI\t200 Mag\tL7\nCCI\t200\t\n");
  EXPECT_EQ(runCli({"components", "powders"}, folder.path()).out,
            "Hodgdon\tH4350\t12\nIMR\t4350\t-\n");
}

TEST(CliComponents, NamedFileAndMissingFile) {
  const testing::TempFolder folder;
  testing::writeBytes(folder / "mine.txt", "Federal\t210\n");
  const CliRun named = runCli({"components", "primers", (folder / "mine.txt").string()});
  ASSERT_EQ(named.exitCode, 0) << named.err;
  EXPECT_EQ(named.out, "Federal\t210\t\n");

  const CliRun missing = runCli({"components", "bullets"}, folder.path());
  EXPECT_EQ(missing.exitCode, 2);
  EXPECT_EQ(missing.out, "");
  EXPECT_EQ(missing.err,
            "deadhold-cli: Could not read the catalogue BULLETS.TXT: No such file or directory\n");

  std::filesystem::create_directory(folder / "POWDERS.TXT");
  const CliRun folderGiven = runCli({"components", "powders"}, folder.path());
  EXPECT_EQ(folderGiven.exitCode, 2);
  EXPECT_EQ(folderGiven.err,
            "deadhold-cli: Could not read the catalogue POWDERS.TXT: Is a directory\n");
}

// Neither a device nor a pipe is read: one would feed the reader without end, the other would
// wait for a writer.
TEST(CliComponents, DevicesPipesAndHugeFilesAreRefused) {
  const testing::TempFolder folder;
  ::mkfifo((folder / "BULLETS.TXT").c_str(), 0644);
  testing::writeBytes(folder / "PRIMERS.TXT", "");
  std::filesystem::resize_file(folder / "PRIMERS.TXT", (64 << 20) + 1);  // sparse
  const auto refusal = [&](std::vector<std::string> args) {
    return runCli(args, folder.path()).err;
  };
  const std::string start = "deadhold-cli: Could not read the catalogue ";
  EXPECT_EQ(refusal({"components", "bullets", "/dev/zero"}),
            start + "/dev/zero: not a regular file\n");
  EXPECT_EQ(refusal({"components", "bullets"}), start + "BULLETS.TXT: not a regular file\n");
  EXPECT_EQ(refusal({"components", "primers"}), start + "PRIMERS.TXT: larger than 64 MiB\n");
}

TEST(CliComponents, StarterCataloguesListInFull) {
  const std::filesystem::path resources = DEADHOLD_RESOURCES_DIR;
  for (const char* kind : {"bullets", "powders", "primers"}) {
    const CliRun run = runCli({"components", kind}, resources);
    ASSERT_EQ(run.exitCode, 0) << kind << run.err;
    EXPECT_GE(splitLines(run.out).size(), 20u) << kind;
  }
}

}  // namespace
}  // namespace deadhold::test
