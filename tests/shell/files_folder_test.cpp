#include "shell/files_folder.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace deadhold {
namespace {

namespace fs = std::filesystem;
using testing::readBytes;
using testing::writeBytes;

TEST(FilesFolder, ANamedFolderThenOneHoldingProgramFilesThenTheUsersOwn) {
  testing::TempFolder root;
  const fs::path work = root / "work";
  const fs::path mine = root / "mine";
  fs::create_directories(work / "named");
  fs::create_directories(root / "books");
  writeBytes(root / "books" / "RELOADER.DAT", "");
  fs::create_directories(root / "lists");
  writeBytes(root / "lists" / "POWDERS.TXT", "");
  writeBytes(work / "friend.BLD", "x");
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
      {"a terminal in the load book's folder", root / "books", {}, root / "books", false, {}, ""},
      {"a folder of catalogues", root / "lists", {}, root / "lists", false, {}, ""},
      {"a folder named, relative", work, {"named"}, work / "named", false, {}, ""},
      {"a folder named, absolute", work, {root / "books"}, root / "books", false, {}, ""},
      {"a load file", work, {"friend.BLD"}, mine, true, work / "friend.BLD", ""},
      {"a load file in the book's folder", root / "books", {work / "friend.BLD"}, root / "books",
       false, work / "friend.BLD", ""},
      {"a load file and a folder", work, {"friend.BLD", "named"}, work / "named", false,
       work / "friend.BLD", ""},
      {"nothing by that name", work, {"gone.BLD"}, mine, true, {},
       "There is no file or folder gone.BLD."},
  };
  for (const auto& c : cases) {
    const FilesFolderChoice choice = chooseFilesFolder(c.arguments, c.working, mine);
    EXPECT_EQ(choice.folder, c.folder) << c.name;
    EXPECT_EQ(choice.perUser, c.perUser) << c.name;
    EXPECT_EQ(choice.loadFile, c.loadFile) << c.name;
    EXPECT_EQ(choice.problem, c.problem) << c.name;
  }
}

TEST(FilesFolder, TheUsersFolderIsMadeOnceWithTheStarterCatalogues) {
  testing::TempFolder root;
  fs::create_directory(root / "share");
  for (const char* name : {"BULLETS.TXT", "POWDERS.TXT", "PRIMERS.TXT"})
    writeBytes(root / "share" / name, std::string("; ") + name + "\r\n");
  const fs::path mine = root / "Documents" / "Deadhold";
  ASSERT_FALSE(prepareFilesFolder(mine, root / "share"));
  EXPECT_EQ(readBytes(mine / "POWDERS.TXT"), "; POWDERS.TXT\r\n");
  EXPECT_EQ(std::distance(fs::directory_iterator(mine), {}), 3);

  // What the user keeps there afterwards is left alone, a deleted catalogue included.
  writeBytes(mine / "BULLETS.TXT", "mine");
  fs::remove(mine / "PRIMERS.TXT");
  ASSERT_FALSE(prepareFilesFolder(mine, root / "share"));
  EXPECT_EQ(readBytes(mine / "BULLETS.TXT"), "mine");
  EXPECT_FALSE(fs::exists(mine / "PRIMERS.TXT"));
}

TEST(FilesFolder, AFolderThatCannotBeMadeSaysWhy) {
  testing::TempFolder root;
  writeBytes(root / "Documents", "a file in the way");
  const auto failure = prepareFilesFolder(root / "Documents" / "Deadhold", root.path());
  ASSERT_TRUE(failure);
  EXPECT_EQ(failure->message.rfind("Could not make the folder ", 0), 0u) << failure->message;
  EXPECT_EQ(readBytes(root / "Documents"), "a file in the way");

  const auto noStarters = prepareFilesFolder(root / "new", root / "nowhere");
  ASSERT_TRUE(noStarters);
  EXPECT_NE(noStarters->message.find("BULLETS.TXT"), std::string::npos) << noStarters->message;
}

}  // namespace
}  // namespace deadhold
