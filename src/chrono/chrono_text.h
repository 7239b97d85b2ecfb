#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace deadhold {

// A chronograph file's text, decoded to UTF-8 and cut into lines (without their CR or LF).
// Devices write UTF-16 (with or without a byte-order mark), exports UTF-8 or the Windows code
// page; the decoding is chosen from the bytes.
class ChronoText {
 public:
  explicit ChronoText(std::string_view bytes);

  const std::vector<std::string_view>& lines() const { return lines_; }

 private:
  std::string text_;
  std::vector<std::string_view> lines_;
};

// Splits a line at `separator`. A field in double quotes may hold the separator ("2701,4"), and
// "" inside quotes stands for one quote. Blanks around a field are dropped. `fields` is reused so
// that long files cost no allocation per line.
void splitFields(std::string_view line, char separator, std::vector<std::string>& fields);

// The separator of a table line: ';' or a tab when the line has one outside quotes, else ','.
char tableSeparator(std::string_view line);

// A positive speed written with a decimal point or a decimal comma, nothing else around it.
std::optional<double> parseSpeed(std::string_view field);
// A shot number: digits only.
bool isShotNumber(std::string_view field);

bool containsFolded(std::string_view text, std::string_view part);

inline constexpr double kFeetPerMetre = 1.0 / 0.3048;

// The speed unit a header or unit field names: ft/s unless it says metres per second.
enum class SpeedUnit { feetPerSecond, metresPerSecond, unknown };
SpeedUnit speedUnitNamed(std::string_view text);
inline double toFeetPerSecond(double speed, SpeedUnit unit) {
  return unit == SpeedUnit::metresPerSecond ? speed * kFeetPerMetre : speed;
}

// Shot rows shorter than their table's header were cut (most often by a file that ends early):
// the speed in them may be cut too, so they are left out, and said so.
class ShotRowCheck {
 public:
  // The header line's fields; its last filled field sets the width of a complete row.
  void setHeader(const std::vector<std::string>& fields);
  bool complete(const std::vector<std::string>& fields) const;
  // "series 0001: the row of shot 5 is cut short and was left out"
  static std::string leftOut(const std::string& series, const std::string& row);

 private:
  std::size_t width_ = 0;
};

}  // namespace deadhold
