#include "chrono/chrono_file.h"

#include <gtest/gtest.h>

#include <numeric>

#include "chrono/chrono_text.h"
#include "support/temp_folder.h"

namespace deadhold {
namespace {

const std::filesystem::path kSamples = DEADHOLD_CHRONO_SAMPLES;
using K = ChronoKind;

struct Expected {
  const char* file;
  ChronoKind kind;
  std::vector<std::string> names;
  std::vector<std::size_t> shots;
  double firstVelocity;  // ft/s, of the first series
  double firstMean;
  std::size_t warnings;
};

// Every sample file, written from the formats' descriptions: UTF-16 with NULs, m/s, decimal
// commas, quoted fields, several series, an empty one, files cut short.
TEST(ChronoFile, ReadsEverySample) {
  const std::vector<Expected> samples = {
      {"labradar_utf16.csv", K::labradar, {"0001"}, {5}, 2801.0, 2802.2, 0},
      {"labradar_mps.csv", K::labradar, {"0002"}, {5}, 2801.0, 2802.2, 0},
      {"labradar_truncated.csv", K::labradar, {"0001"}, {4}, 2801.0, 2801.25, 1},
      {"garmin_fps.csv", K::garmin, {"6.5 CM 140 ELD-M, 41.5 H4350"}, {5}, 2801.0, 2802.2, 0},
      {"garmin_mps_decimal_comma.csv", K::garmin, {"Série 3 – 308 Win"}, {3}, 2800.9, 2801.9, 0},
      {"garmin_empty.csv", K::garmin, {"Empty string"}, {0}, 0, 0, 0},
      {"magnetospeed_log.csv", K::magnetospeed, {"1", "2", "3"}, {5, 0, 2}, 2801.0, 2802.2, 0},
      {"magnetospeed_truncated.csv", K::magnetospeed, {"7"}, {3}, 2801.0, 2802.0, 2},
      {"prochrono.csv", K::plain, {"Ladder 41.0", "Ladder 41.5"}, {2, 2}, 2641.2, 2645.8, 0},
      {"plain.txt", K::plain, {"1"}, {5}, 2801.0, 2802.2, 0},
  };
  for (const Expected& sample : samples) {
    SCOPED_TRACE(sample.file);
    const ChronoFileRead read = readChronoFile(kSamples / sample.file);
    ASSERT_TRUE(read.ok()) << read.error;
    EXPECT_EQ(read.kind, sample.kind);
    EXPECT_EQ(read.list.warnings.size(), sample.warnings);
    ASSERT_EQ(read.list.series.size(), sample.names.size());
    for (std::size_t i = 0; i < sample.names.size(); ++i) {
      EXPECT_EQ(read.list.series[i].name, sample.names[i]);
      EXPECT_EQ(read.list.series[i].velocities.size(), sample.shots[i]);
    }
    const auto& first = read.list.series[0].velocities;
    if (first.empty()) continue;
    EXPECT_NEAR(first[0], sample.firstVelocity, 0.05);
    EXPECT_NEAR(std::accumulate(first.begin(), first.end(), 0.0) / first.size(), sample.firstMean,
                0.05);
  }
}

TEST(ChronoFile, ConvertsMetresPerSecondAndNamesWhatWasCut) {
  const ChronoFileRead magneto = readChronoFile(kSamples / "magnetospeed_log.csv");
  EXPECT_DOUBLE_EQ(magneto.list.series[2].velocities[0], 853.7 / 0.3048);
  const ChronoFileRead cut = readChronoFile(kSamples / "magnetospeed_truncated.csv");
  EXPECT_EQ(cut.list.warnings,
            (std::vector<std::string>{"series 7: the row of shot 4 is cut short and was left out",
                                      "series 7: 4 shots announced, 3 found"}));
  const ChronoFileRead prochrono = readChronoFile(kSamples / "prochrono.csv");
  EXPECT_NEAR(prochrono.list.series[1].velocities[1], 817.0 / 0.3048, 1e-9);
}

TEST(ChronoFile, DecodesUtf16EitherWayUtf8WithItsMarkAndTheWindowsCodePage) {
  const std::string text = "Series No;0009;;\r\nUnits velocity;fps;;\r\n0001;2701,40;x\r\n";
  std::string little = "\xFF\xFE";
  std::string big = "\xFE\xFF";
  for (const char c : text) {
    little += {c, '\0'};
    big += {'\0', c};
  }
  for (const std::string& bytes : {little, big, "\xEF\xBB\xBF" + text, big.substr(2)}) {
    const ChronoFileRead read = readChronoBytes(bytes, K::automatic, "SR0009 Report.csv");
    ASSERT_TRUE(read.ok()) << read.error;
    EXPECT_EQ(read.list.series[0].name, "0009");
    EXPECT_DOUBLE_EQ(read.list.series[0].velocities.at(0), 2701.4);
  }
  const std::string ansi = "Caf\xE9 \x96 308\n#,SPEED (FPS)\n1,2801\n";
  EXPECT_EQ(readChronoBytes(ansi, K::garmin, "x.csv").list.series[0].name, "Caf\u00E9 \u2013 308");
}

TEST(ChronoFile, RefusesWithOneLineNamingTheFile) {
  testing::TempFolder folder;
  testing::writeBytes(folder / "empty.csv", "");
  const struct {
    std::filesystem::path file;
    ChronoKind kind;
    bool unreadable;  // said as "Could not read " and the file
    std::string rest;
  } cases[] = {
      {folder / "missing.csv", K::automatic, true, ": No such file or directory"},
      {folder.path(), K::automatic, true, ": Is a directory"},
      {folder / "empty.csv", K::automatic, false,
       " is not a chronograph file Deadhold can read: expected a LabRadar series report, a Garmin "
       "Xero C1 CSV, a MagnetoSpeed LOG.CSV, or velocities one per line (or a CSV with a column "
       "headed \"velocity\" or \"speed\")"},
      {kSamples / "plain.txt", K::labradar, false, " is not a LabRadar series report"},
      {kSamples / "garmin_fps.csv", K::magnetospeed, false, " is not a MagnetoSpeed LOG.CSV"},
  };
  for (const auto& c : cases) {
    const ChronoFileRead read = readChronoFile(c.file, c.kind);
    EXPECT_EQ(read.error, (c.unreadable ? "Could not read " : "") + c.file.string() + c.rest);
    EXPECT_EQ(read.unreadable, c.unreadable);
    EXPECT_TRUE(read.list.series.empty());
  }
  const ChronoFileRead kmh =
      readChronoBytes("Device ID;LBR;;\nUnits velocity;km/h;;\n1;3000;\n", K::automatic, "SR.csv");
  EXPECT_EQ(kmh.error,
            "Could not read SR.csv as a LabRadar series report: its velocity unit "
            "\"km/h\" is neither fps nor m/s");
}

TEST(ChronoText, SplitsQuotedFieldsAndReadsSpeeds) {
  std::vector<std::string> fields;
  splitFields(R"( 1 ,"2801,5","say ""hi"", then" x ,,)", ',', fields);
  EXPECT_EQ(fields, (std::vector<std::string>{"1", "2801,5", "say \"hi\", then x", "", ""}));
  splitFields("a\t b", '\t', fields);
  EXPECT_EQ(fields, (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(tableSeparator(R"("a;b",c)"), ',');
  EXPECT_EQ(tableSeparator("a,b;c"), ';');

  const std::pair<const char*, std::optional<double>> speeds[] = {
      {"2801", 2801.0},        {" 2701,40 ", 2701.4},   {"853.7", 853.7},
      {"0", std::nullopt},     {"-2801", std::nullopt}, {"2,801.5", std::nullopt},
      {"2801.", std::nullopt}, {".5", std::nullopt},    {"1e3", std::nullopt},
      {"", std::nullopt},      {"fps", std::nullopt}};
  for (const auto& [text, speed] : speeds) EXPECT_EQ(parseSpeed(text), speed) << text;
}

}  // namespace
}  // namespace deadhold
