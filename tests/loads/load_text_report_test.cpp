#include "loads/load_text_report.h"

#include <gtest/gtest.h>

#include <string>

#include "common/safe_file_writer.h"
#include "loads/sample_loads.h"
#include "support/temp_folder.h"

namespace deadhold {
namespace {

constexpr const char* kRecipe =
    "Cartridge Load Information\n"
    "~~~~~~~~~~~~~~~~~~~~~~~~~~\n"
    "Load Name: Elk load\n"
    "Bullet Mfg: Nosler\n"
    "Bullet Type: Partition\n"
    "Bullet Caliber: .30-06 Springfield\n"
    "Bullet Weight: 181\n"
    "Ballistic Coeff: 0.474\n"
    "Powder Mfg: IMR\n"
    "Powder Type: 4350\n"
    "Powder Weight: 56.500\n"
    "Powder Lot Number: P123\n"
    "Primer Mfg: CCI\n"
    "Primer Size: Large Rifle\n"
    "Primer Type: 200\n"
    "Primer Lot Number: Q9\n"
    "Case Mfg: Winchester\n"
    "Case Length: 2.484\n"
    "Case # Times Loaded: 3\n"
    "Cartridge OAL: 3.340\n"
    "Comparator OAL: 2.250\n"
    "Av. Group size: 0.875\n"
    "Av. Group Velocity: 2701\n"
    "Cartridge Mfg Date: 2024-10-02\n"
    "Cartridge Lot Number: 7\n"
    "Moly Coated: Yes\n"
    "Crimped: No\n"
    "\n"
    "Shot String Data\n"
    "~~~~~~~~~~~~~~~~\n";

LoadRecord elkLoad() {
  LoadRecord load = testing::makeLoad(".30-06 Springfield", 180.6f, "Nosler", "Partition", "Elk load");
  load.ballisticCoeff = 0.474f;
  load.powderMfg.assign("IMR");
  load.powderType.assign("4350");
  load.powderWeight = 56.5f;
  load.powderLot.assign("P123");
  load.primerMfg.assign("CCI");
  load.primerSize.assign("Large Rifle");
  load.primerType.assign("200");
  load.primerLot.assign("Q9");
  load.caseMfg.assign("Winchester");
  load.caseWeight = 190.0f;  // not in the report
  load.caseLength = 2.484f;
  load.timesReloaded = 3.0f;
  load.cartridgeOal = 3.34f;
  load.comparatorOal = 2.25f;
  load.avGroup = 0.875f;
  load.avVelocity = 2700.6f;
  load.mfgDate.assign("2024-10-02");
  load.cartridgeLot.assign("7");
  load.moly = 0.5f;
  load.crimp = 0.0f;
  load.wind.assign("10 mph from 3 o'clock");  // not in the report
  return load;
}

std::string unplacedShots() {
  std::string lines;
  for (int n = 1; n <= 10; ++n) {
    lines += (n < 10 ? "# " : "#") + std::to_string(n) +
             ") X Distance:  0.000 Y Distance:  0.000 Radius:  0.000 Velocity:      0\n";
  }
  return lines;
}

TEST(LoadTextReport, AnEmptyShotStringStillHasTenLines) {
  const LoadRecord load = elkLoad();
  EXPECT_EQ(loadTextReport(load),
            std::string(kRecipe) + unplacedShots() + "\nTarget Range Notes\n~~~~~~~~~~~~~~~~~~\n\n");
}

TEST(LoadTextReport, ShotsPrintPlacedOrNotAndNotesKeepTheirLineBreaks) {
  LoadRecord load = elkLoad();
  load.shots[0] = ShotRecord{2701.4f, -1.25f, 0.5f, 1.3463f, 1};
  load.shots[9] = ShotRecord{12345.6f, 10.5f, -123.4567f, 124.0f, 0};
  load.notes.assign("Calm morning.\r\nSecond line");
  std::string shots = unplacedShots();
  const std::size_t firstEnd = shots.find('\n') + 1;
  shots.replace(0, firstEnd,
                "# 1) X Distance: -1.250 Y Distance:  0.500 Radius:  1.346 Velocity:   2701\n");
  const std::size_t lastStart = shots.rfind("#10)");
  shots.replace(lastStart, std::string::npos,
                "#10) X Distance: 10.500 Y Distance: -123.457 Radius: 124.000 Velocity:  12346\n");
  EXPECT_EQ(loadTextReport(load), std::string(kRecipe) + shots +
                                      "\nTarget Range Notes\n~~~~~~~~~~~~~~~~~~\n"
                                      "Calm morning.\r\nSecond line\n");
}

TEST(LoadTextReport, TextsWithoutNulStopAtTheirWidth) {
  LoadRecord load = elkLoad();
  std::memset(load.cartridgeLot.bytes.data(), '9', 16);
  std::memset(load.notes.bytes.data(), 'n', 256);
  const std::string report = loadTextReport(load);
  EXPECT_NE(report.find("Cartridge Lot Number: " + std::string(16, '9') + "\n"), std::string::npos);
  EXPECT_EQ(report.substr(report.size() - 257), std::string(256, 'n') + "\n");
}

TEST(LoadTextReport, IsWrittenAsItIsBuilt) {
  testing::TempFolder folder;
  const LoadRecord load = elkLoad();
  ASSERT_FALSE(writeLoadTextReport(folder / "LOAD.TXT", load));
  EXPECT_EQ(testing::readBytes(folder / "LOAD.TXT"), withTextLineEnds(loadTextReport(load)));
  const auto error = writeLoadTextReport(folder / "no such folder" / "LOAD.TXT", load);
  ASSERT_TRUE(error);
  EXPECT_NE(error->message.find("No such file or directory"), std::string::npos);
}

}  // namespace
}  // namespace deadhold
