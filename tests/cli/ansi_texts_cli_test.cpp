// Texts in the records' Windows code page reach the terminal in UTF-8; the files the command
// line writes in the program's formats keep their single bytes.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "cli/cli_runner.h"
#include "loads/load_database.h"
#include "loads/load_exchange.h"
#include "loads/sample_loads.h"
#include "support/temp_folder.h"

namespace deadhold::test {
namespace {

using testing::readBytes;

TEST(CliAnsiTexts, RecordAndCatalogueTextsPrintInUtf8AndFilesKeepTheirBytes) {
  const testing::TempFolder folder;
  {
    LoadDatabase database(folder / "RELOADER.DAT");
    LoadRecord load = testing::makeLoad(".308", 150, "Caf\xE9", "\x93Match\x94");
    load.loadName.assign("Elk \x80 \x81");
    database.addLoadCopy(load);
    ASSERT_FALSE(database.writeDatabase());
  }
  testing::writeBytes(folder / "PRIMERS.TXT", "Caf\xE9\t\x80 200\n");

  const CliRun list = runCli({"loads", "list", "--format", "csv"}, folder.path());
  EXPECT_EQ(splitLines(list.out).at(1), "0,.308,150,Café,“Match”,Elk € \uFFFD,,,0.0,0,0.000,0\r");
  const CliRun text = runCli({"loads", "list"}, folder.path());
  // Columns line up by characters: "bulletMfg" is as wide as "Café" plus five blanks.
  EXPECT_NE(text.out.find("Café       “Match”"), std::string::npos) << text.out;
  EXPECT_NE(runCli({"loads", "show", "0"}, folder.path()).out.find("Bullet Mfg: Café\n"),
            std::string::npos);
  EXPECT_EQ(runCli({"components", "primers"}, folder.path()).out, "Café\t€ 200\t\n");

  // The printed list, as PDF, draws the characters themselves.
  ASSERT_EQ(runCli({"print", "list", "--pdf", "list.pdf"}, folder.path()).exitCode, 0);
  const std::string pdfText = "pdftotext '" + (folder / "list.pdf").string() + "' - 2>/dev/null";
  std::string printed;
  if (std::FILE* pipe = ::popen(pdfText.c_str(), "r")) {
    for (int c; (c = std::fgetc(pipe)) != EOF;) printed += static_cast<char>(c);
    ::pclose(pipe);
  }
  EXPECT_NE(printed.find("Elk €"), std::string::npos) << printed;
  EXPECT_NE(printed.find("Café"), std::string::npos) << printed;

  ASSERT_EQ(runCli({"loads", "export", "0", "ONE.BLD"}, folder.path()).exitCode, 0);
  const LoadFileRead exported = readLoadFile(folder / "ONE.BLD");
  ASSERT_TRUE(exported.load);
  EXPECT_EQ(exported.load->bulletMfg.str(), "Caf\xE9");

  const CliRun report =
      runCli({"report", "--label", "Café € 🦌", "-o", "BALLISTIC.TXT"}, folder.path());
  ASSERT_EQ(report.exitCode, 0) << report.err;
  EXPECT_NE(readBytes(folder / "BALLISTIC.TXT").find("Caf\xE9 \x80 ?\n"), std::string::npos);
  EXPECT_NE(runCli({"report", "--label", "Café €"}, folder.path()).out.find("Café €\n"),
            std::string::npos);
}

}  // namespace
}  // namespace deadhold::test
