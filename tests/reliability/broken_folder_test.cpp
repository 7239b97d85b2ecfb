// Every save of the program into a folder that takes nothing more: a full disk, a read-only
// medium, a folder without write permission. Each save shows its "FILE ERROR" box and every
// file keeps what it held. All three stop root as well, so they run in CI too.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <array>
#include <sstream>

#include "ballistics/ballistics_page.h"
#include "loadinfo/load_info_page.h"
#include "loadinfo/open_load_dialog.h"
#include "reliability/program_writers.h"
#include "support/child_process.h"
#include "support/fake_dialogs.h"
#include "support/permission_bits_bind.h"

namespace deadhold {
namespace {

using testing::readBytes;
using testing::writeBytes;

constexpr std::array<const char*, 5> kFiles = {"RELOADER.DAT", "LOADDATA.BLD", "IMPORT.BLD",
                                               "LOAD.TXT", "BALLISTIC.TXT"};

// The files a user has before the folder breaks.
void writeOldFiles(const std::filesystem::path& folder) {
  testing::bookOf(folder / "RELOADER.DAT", 2, 0);
  ASSERT_FALSE(exportLoad(folder / "LOADDATA.BLD", testing::numberedLoad(7)));
  ASSERT_FALSE(exportLoad(folder / "IMPORT.BLD", testing::numberedLoad(8)));
  writeBytes(folder / "LOAD.TXT", "the old load report\n");
  writeBytes(folder / "BALLISTIC.TXT", "the old ballistics report\n");
}

std::string oneLine(std::string text) {
  for (std::size_t at = 0; (at = text.find('\n', at)) != std::string::npos; at += 2)
    text.replace(at, 1, "\\n");
  return text;
}

// Runs every save the user can start, in the order a session would: Open Load's export and
// import (which saves the book), the two text reports, and the book's last save at shut-down.
// Returns the messages shown and what became of each file.
std::string saveEverything(const std::filesystem::path& folder) {
  std::array<std::string, kFiles.size()> before;
  for (std::size_t i = 0; i < kFiles.size(); ++i) before[i] = readBytes(folder / kFiles[i]);

  testing::FakeDialogs dialogs;
  const std::filesystem::path start = folder;
  LoadDatabase database(folder / kDatabaseFileName);
  LoadInfoPage loadPage(database, dialogs, start);
  loadPage.initialise();
  OpenLoadDialog openLoad(database, dialogs, start, [] {});
  openLoad.open();
  openLoad.rowChanged(0);
  dialogs.savePaths.push_back(folder / "LOADDATA.BLD");
  openLoad.exportLoad();
  dialogs.openPaths.push_back(folder / "IMPORT.BLD");
  openLoad.importLoad();

  std::ostringstream diagnostics;
  Engine engine;
  engine.setDiagnosticStream(diagnostics);
  BallisticsPage ballisticsPage(engine, database, dialogs, start);
  ballisticsPage.initialise();
  const BallisticInputs inputs = ballisticInputsOf(*database.currentLoad());
  ballisticsPage.setInputsFromLoad(inputs.ballisticCoeff, inputs.bulletWeight,
                                   inputs.muzzleVelocity, inputs.targetDistance, inputs.scopeHeight,
                                   inputs.temperature, inputs.altitude,
                                   loadDescription(*database.currentLoad()));
  ballisticsPage.reCompute();
  dialogs.savePaths.push_back(folder / "BALLISTIC.TXT");
  ballisticsPage.saveToText();
  dialogs.savePaths.push_back(folder / "LOAD.TXT");
  loadPage.saveToText();
  loadPage.shutDown();

  std::string report;
  for (const auto& message : dialogs.messages)
    report += message.title + ": " + oneLine(message.text) + "\n";
  for (std::size_t i = 0; i < kFiles.size(); ++i)
    report += std::string(kFiles[i]) +
              (readBytes(folder / kFiles[i]) == before[i] ? " kept\n" : " CHANGED\n");
  const auto entries = std::distance(std::filesystem::directory_iterator(folder), {});
  report += std::to_string(entries - static_cast<long>(kFiles.size())) + " other files\n";
  return report;
}

std::string expectedReport(const std::filesystem::path& folder, const std::string& reason,
                           int otherFiles = 0) {
  const std::string book =
      "FILE ERROR: Could not write " + (folder / "RELOADER.DAT").string() + ": " + reason +
      "\\n\\nThe loads were not saved; the file keeps its previous contents.\n";
  const auto unwritten = [&](const char* file) {
    return "FILE ERROR: Could not open file for writing\\n\\nCould not write " +
           (folder / file).string() + ": " + reason + "\n";
  };
  return unwritten("LOADDATA.BLD") + book + unwritten("BALLISTIC.TXT") + unwritten("LOAD.TXT") +
         book +
         "RELOADER.DAT kept\nLOADDATA.BLD kept\nIMPORT.BLD kept\nLOAD.TXT kept\n"
         "BALLISTIC.TXT kept\n" +
         std::to_string(otherFiles) + " other files\n";
}

// Fills what is left of the folder's disk.
void fillDisk(const std::filesystem::path& folder) {
  const int descriptor = ::open((folder / "filler").c_str(), O_WRONLY | O_CREAT, 0644);
  const std::string block(4096, 'f');
  while (::write(descriptor, block.data(), block.size()) > 0) {
  }
  while (::write(descriptor, block.data(), 1) > 0) {
  }
  ::close(descriptor);
}

TEST(BrokenFolder, AFullDiskFailsEverySaveAndKeepsEveryFile) {
  testing::TempFolder folder;
  const auto outcome = testing::runInChild([&] {
    testing::enterPrivateMounts();
    testing::mountSmallDisk(folder.path(), 64 * 1024);
    writeOldFiles(folder.path());
    fillDisk(folder.path());
    return saveEverything(folder.path());
  });
  if (!outcome.unavailable.empty()) GTEST_SKIP() << outcome.unavailable;
  // The filler is the one other file.
  EXPECT_EQ(outcome.text, expectedReport(folder.path(), "No space left on device", 1));
}

TEST(BrokenFolder, AReadOnlyMediumFailsEverySaveAndKeepsEveryFile) {
  testing::TempFolder folder;
  writeOldFiles(folder.path());
  const auto outcome = testing::runInChild([&] {
    testing::enterPrivateMounts();
    testing::mountReadOnly(folder.path());
    return saveEverything(folder.path());
  });
  if (!outcome.unavailable.empty()) GTEST_SKIP() << outcome.unavailable;
  EXPECT_EQ(outcome.text, expectedReport(folder.path(), "Read-only file system"));
}

// Runs every save with the folder closed to new files, and the files themselves writable or not.
std::string saveEverythingWithoutFolderPermission(const std::filesystem::path& folder,
                                                  bool filesWritable) {
  const testing::PermissionBitsBind asAnyUser;
  namespace fs = std::filesystem;
  const auto fileRights =
      fs::perms::owner_read | (filesWritable ? fs::perms::owner_write : fs::perms::none);
  for (const char* file : kFiles) fs::permissions(folder / file, fileRights);
  fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
  std::string report = saveEverything(folder);
  fs::permissions(folder, fs::perms::owner_all);
  for (const char* file : kFiles)
    fs::permissions(folder / file, fs::perms::owner_read | fs::perms::owner_write);
  return report;
}

TEST(BrokenFolder, AFolderWithoutWritePermissionFailsEverySaveAndKeepsEveryFile) {
  testing::TempFolder folder;
  writeOldFiles(folder.path());
  EXPECT_EQ(saveEverythingWithoutFolderPermission(folder.path(), false),
            expectedReport(folder.path(), "Permission denied"));
}

// A shared folder that takes no new files: every file the user may write is written over in
// place, with no message.
TEST(BrokenFolder, AFolderWithoutWritePermissionStillSavesOverWritableFiles) {
  testing::TempFolder folder;
  writeOldFiles(folder.path());
  EXPECT_EQ(saveEverythingWithoutFolderPermission(folder.path(), true),
            "RELOADER.DAT CHANGED\nLOADDATA.BLD CHANGED\nIMPORT.BLD kept\nLOAD.TXT CHANGED\n"
            "BALLISTIC.TXT CHANGED\n0 other files\n");
  LoadDatabase book(folder / kDatabaseFileName);
  EXPECT_EQ(book.readDatabase(), 3);  // the two loads and the import
}

}  // namespace
}  // namespace deadhold
