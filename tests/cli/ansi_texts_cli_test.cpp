// Texts in the records' Windows code page reach the terminal and PDFs as the characters they
// stand for; files the command line writes in the program's formats keep their single bytes.
#include <gtest/gtest.h>

#include <cstdio>

#include "cli/cli_runner.h"
#include "loads/load_database.h"
#include "loads/sample_loads.h"
#include "support/temp_folder.h"

namespace deadhold::test {
namespace {

TEST(CliAnsiTexts, PrintInUtf8AndFilesKeepTheirBytes) {
  const testing::TempFolder folder;
  LoadDatabase book(folder / "RELOADER.DAT");
  LoadRecord load = testing::makeLoad(".308", 150, "Caf\xE9", "\x93Match\x94");
  load.loadName.assign("Elk \x80 \x81");
  book.addLoadCopy(load);
  ASSERT_FALSE(book.writeDatabase());
  testing::writeBytes(folder / "PRIMERS.TXT", "Caf\xE9\t\x80 200\n");
  const auto out = [&](std::vector<std::string> args) { return runCli(args, folder.path()).out; };

  EXPECT_EQ(splitLines(out({"loads", "list", "--format", "csv"})).at(1),
            "0,.308,150,Café,“Match”,Elk € \uFFFD,,,0.0,0,0.000,0\r");
  // Columns line up by characters: "bulletMfg" is five wider than "Café".
  EXPECT_NE(out({"loads", "list"}).find("Café       “Match”"), std::string::npos);
  EXPECT_EQ(out({"components", "primers"}), "Café\t€ 200\t\n");
  EXPECT_NE(out({"report", "--label", "Café €"}).find("Café €\n"), std::string::npos);
  ASSERT_EQ(runCli({"report", "--label", "Café € 🦌", "-o", "B.TXT"}, folder.path()).exitCode,
            0);
  EXPECT_NE(testing::readBytes(folder / "B.TXT").find("Caf\xE9 \x80 ?\n"), std::string::npos);

  ASSERT_EQ(runCli({"print", "list", "--pdf", "list.pdf"}, folder.path()).exitCode, 0);
  std::string printed;
  if (std::FILE* pipe =
          ::popen(("pdftotext '" + (folder / "list.pdf").string() + "' -").c_str(), "r")) {
    for (int c; (c = std::fgetc(pipe)) != EOF;) printed += static_cast<char>(c);
    ::pclose(pipe);
  }
  EXPECT_NE(printed.find("Elk €"), std::string::npos) << printed;
}

}  // namespace
}  // namespace deadhold::test
