// A chronograph file from any bytes, read as each format and by its content. Whatever it holds,
// the read ends with series of real speeds in ft/s, or with one line saying why it cannot.
#include <cmath>

#include "chrono/chrono_file.h"
#include "fuzz_support.h"

namespace deadhold::fuzz {
namespace {

void requireSound(const ChronoFileRead& read) {
  require(read.ok() || read.error.find('\n') == std::string::npos, "a refusal is one line");
  require(read.ok() || read.error.find("SR0001 Report.csv") != std::string::npos,
          "a refusal names the file");
  for (const ChronoSeries& series : read.list.series)
    for (const double v : series.velocities)
      require(std::isfinite(v) && v > 0.0, "every velocity is a real speed");
}

}  // namespace
}  // namespace deadhold::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace deadhold;
  const std::string_view bytes = fuzz::asText(data, size);
  for (const ChronoKind kind : {ChronoKind::automatic, ChronoKind::labradar, ChronoKind::garmin,
                                ChronoKind::magnetospeed, ChronoKind::plain})
    fuzz::requireSound(readChronoBytes(bytes, kind, "SR0001 Report.csv"));
  return 0;
}
