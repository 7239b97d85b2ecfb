#include "shell/files_folder.h"

#include <gtest/gtest.h>

#include "support/scratch_folder_test.h"

namespace deadhold {
namespace {

namespace fs = std::filesystem;
using testing::readBytes;
using testing::writeBytes;
using FilesFolder = testing::ScratchFolderTest;

TEST_F(FilesFolder, ANamedFolderThenOneHoldingProgramFilesThenTheUsersOwn) {
  const fs::path work = folder / "work", mine = folder / "mine", books = folder / "books",
                 lists = folder / "lists", named = work / "named", bld = work / "friend.BLD";
  fs::create_directories(named);
  fs::create_directories(books);
  writeBytes(books / "RELOADER.DAT", "");
  fs::create_directories(lists);
  writeBytes(lists / "POWDERS.TXT", "");
  writeBytes(bld, "x");
  const struct {
    const char* name;
    fs::path working;
    std::vector<fs::path> arguments;
    fs::path folder;
    bool perUser;
    std::optional<fs::path> loadFile;
    std::string problem;
  } cases[] = {
      {"from the menu", work, {}, mine, true, {}, ""},
      {"a terminal in the load book's folder", books, {}, books, false, {}, ""},
      {"a folder of catalogues", lists, {}, lists, false, {}, ""},
      {"a folder named, relative", work, {"named"}, named, false, {}, ""},
      {"a folder named, absolute", work, {books}, books, false, {}, ""},
      {"a load file", work, {"friend.BLD"}, mine, true, bld, ""},
      {"a load file in the book's folder", books, {bld}, books, false, bld, ""},
      {"a load file and a folder", work, {"friend.BLD", "named"}, named, false, bld, ""},
      {"no such name", work, {"gone.BLD"}, mine, true, {}, "There is no file or folder gone.BLD."},
  };
  for (const auto& c : cases) {
    const FilesFolderChoice choice = chooseFilesFolder(c.arguments, c.working, mine);
    EXPECT_EQ(choice.folder, c.folder) << c.name;
    EXPECT_EQ(choice.perUser, c.perUser) << c.name;
    EXPECT_EQ(choice.loadFile, c.loadFile) << c.name;
    EXPECT_EQ(choice.problem, c.problem) << c.name;
  }
}

TEST_F(FilesFolder, TheUsersFolderIsMadeOnceWithTheStarterCatalogues) {
  fs::create_directory(folder / "share");
  for (const char* name : {"BULLETS.TXT", "POWDERS.TXT", "PRIMERS.TXT"})
    writeBytes(folder / "share" / name, std::string("; ") + name + "\r\n");
  const fs::path mine = folder / "Documents" / "Deadhold";
  ASSERT_FALSE(prepareFilesFolder(mine, folder / "share"));
  EXPECT_EQ(readBytes(mine / "POWDERS.TXT"), "; POWDERS.TXT\r\n");
  EXPECT_EQ(std::distance(fs::directory_iterator(mine), {}), 3);

  // What the user keeps there afterwards is left alone, a deleted catalogue included.
  writeBytes(mine / "BULLETS.TXT", "mine");
  fs::remove(mine / "PRIMERS.TXT");
  ASSERT_FALSE(prepareFilesFolder(mine, folder / "share"));
  EXPECT_EQ(readBytes(mine / "BULLETS.TXT"), "mine");
  EXPECT_FALSE(fs::exists(mine / "PRIMERS.TXT"));
}

TEST_F(FilesFolder, AFolderThatCannotBeMadeSaysWhy) {
  writeBytes(folder / "Documents", "a file in the way");
  const auto failure = prepareFilesFolder(folder / "Documents" / "Deadhold", folder.path());
  ASSERT_TRUE(failure);
  EXPECT_EQ(failure->message.rfind("Could not make the folder ", 0), 0u) << failure->message;
  EXPECT_EQ(readBytes(folder / "Documents"), "a file in the way");

  const auto noStarters = prepareFilesFolder(folder / "new", folder / "nowhere");
  ASSERT_TRUE(noStarters);
  EXPECT_NE(noStarters->message.find("BULLETS.TXT"), std::string::npos) << noStarters->message;
}

}  // namespace
}  // namespace deadhold
