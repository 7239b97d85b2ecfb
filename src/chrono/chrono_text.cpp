#include "chrono/chrono_text.h"

#include <algorithm>
#include <charconv>
#include <cstdint>

#include "common/ansi_text.h"
#include "common/folded_compare.h"

namespace deadhold {
namespace {

enum class Encoding { utf8, latin1, utf16le, utf16be };

// Writes the UTF-8 form of `code` at `out` and returns the end.
char* putUtf8(char* out, char32_t code) {
  if (code < 0x80) {
    *out++ = static_cast<char>(code);
  } else if (code < 0x800) {
    *out++ = static_cast<char>(0xC0 | (code >> 6));
    *out++ = static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    *out++ = static_cast<char>(0xE0 | (code >> 12));
    *out++ = static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    *out++ = static_cast<char>(0x80 | (code & 0x3F));
  } else {
    *out++ = static_cast<char>(0xF0 | (code >> 18));
    *out++ = static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    *out++ = static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    *out++ = static_cast<char>(0x80 | (code & 0x3F));
  }
  return out;
}

constexpr char32_t kReplacement = 0xFFFD;

// Length of the UTF-8 sequence at `i`, 0 when it is not one.
std::size_t utf8SequenceAt(std::string_view bytes, std::size_t i) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(bytes[k]); };
  const unsigned char lead = byte(i);
  std::size_t length = lead < 0x80                   ? 1
                       : lead >= 0xC2 && lead < 0xE0 ? 2
                       : lead >= 0xE0 && lead < 0xF0 ? 3
                       : lead >= 0xF0 && lead < 0xF5 ? 4
                                                     : 0;
  if (length == 0 || i + length > bytes.size()) return 0;
  for (std::size_t k = 1; k < length; ++k)
    if ((byte(i + k) & 0xC0) != 0x80) return 0;
  return length;
}

bool isUtf8(std::string_view bytes) {
  for (std::size_t i = 0; i < bytes.size();) {
    const std::size_t length = utf8SequenceAt(bytes, i);
    if (length == 0) return false;
    i += length;
  }
  return true;
}

// UTF-16 without a byte-order mark shows itself by the zero high bytes of its ASCII text.
std::optional<Encoding> utf16ByZeros(std::string_view bytes) {
  const std::size_t pairs = std::min<std::size_t>(bytes.size(), 4096) / 2;
  std::size_t evenZeros = 0;
  std::size_t oddZeros = 0;
  for (std::size_t p = 0; p < pairs; ++p) {
    evenZeros += bytes[2 * p] == '\0';
    oddZeros += bytes[2 * p + 1] == '\0';
  }
  if (pairs == 0) return std::nullopt;
  if (oddZeros * 2 > pairs && evenZeros * 8 < pairs) return Encoding::utf16le;
  if (evenZeros * 2 > pairs && oddZeros * 8 < pairs) return Encoding::utf16be;
  return std::nullopt;
}

void decodeUtf16(std::string_view bytes, bool littleEndian, std::string& out) {
  // At most three bytes of UTF-8 for each two bytes of UTF-16.
  out.resize(bytes.size() / 2 * 3);
  char* put = out.data();
  const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
  const std::size_t lowByte = littleEndian ? 0 : 1;
  const auto unitAt = [&](std::size_t i) -> char32_t {
    return static_cast<char32_t>(data[i + 1 - lowByte] << 8 | data[i + lowByte]);
  };
  // A last odd byte is half a character of a cut file: it is dropped.
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    char32_t unit = unitAt(i);
    if (unit < 0x80) {
      if (unit != 0) *put++ = static_cast<char>(unit);
      continue;
    }
    if (unit >= 0xD800 && unit < 0xDC00 && i + 3 < bytes.size()) {
      const char32_t next = unitAt(i + 2);
      if (next >= 0xDC00 && next < 0xE000) {
        put = putUtf8(put, 0x10000 + ((unit - 0xD800) << 10) + (next - 0xDC00));
        i += 2;
        continue;
      }
    }
    if (unit >= 0xD800 && unit < 0xE000) unit = kReplacement;
    put = putUtf8(put, unit);
  }
  out.resize(static_cast<std::size_t>(put - out.data()));
}

std::string decode(std::string_view bytes) {
  std::string out;
  if (bytes.starts_with("\xEF\xBB\xBF")) {
    bytes.remove_prefix(3);
  } else if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF")) {
    const bool little = bytes[0] == '\xFF';
    decodeUtf16(bytes.substr(2), little, out);
    return out;
  } else if (const auto wide = utf16ByZeros(bytes)) {
    decodeUtf16(bytes, *wide == Encoding::utf16le, out);
    return out;
  }
  // A stray NUL would end a field somewhere else; it carries nothing.
  out = isUtf8(bytes) ? std::string(bytes) : ansiToUtf8(bytes);
  std::erase(out, '\0');
  return out;
}

std::string_view trimmed(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

}  // namespace

ChronoText::ChronoText(std::string_view bytes) : text_(decode(bytes)) {
  std::string_view rest = text_;
  while (!rest.empty()) {
    // find_first_of would search the two characters at every position.
    const auto lineEnd =
        std::find_if(rest.begin(), rest.end(), [](char c) { return c == '\r' || c == '\n'; });
    const std::size_t end = lineEnd == rest.end()
                                ? std::string_view::npos
                                : static_cast<std::size_t>(lineEnd - rest.begin());
    lines_.push_back(rest.substr(0, end));
    if (end == std::string_view::npos) break;
    // CR LF, LF and a lone CR each end one line.
    const std::size_t next =
        rest[end] == '\r' && end + 1 < rest.size() && rest[end + 1] == '\n' ? end + 2 : end + 1;
    rest.remove_prefix(next);
  }
}

void splitFields(std::string_view line, char separator, std::vector<std::string>& fields) {
  std::size_t count = 0;
  std::size_t i = 0;
  for (;;) {
    if (fields.size() <= count) fields.emplace_back();
    std::string& field = fields[count++];
    field.clear();
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t') && line[i] != separator) ++i;
    if (i < line.size() && line[i] == '"') {
      for (++i; i < line.size(); ++i) {
        if (line[i] != '"') {
          field.push_back(line[i]);
        } else if (i + 1 < line.size() && line[i + 1] == '"') {
          field.push_back('"');
          ++i;
        } else {
          ++i;
          break;
        }
      }
      // Anything between the closing quote and the separator belongs to the field as well.
      const std::size_t end = std::min(line.find(separator, i), line.size());
      field.append(line.substr(i, end - i));
      while (!field.empty() && (field.back() == ' ' || field.back() == '\t')) field.pop_back();
      i = end;
    } else {
      const std::size_t end = std::min(line.find(separator, i), line.size());
      field.assign(trimmed(line.substr(i, end - i)));
      i = end;
    }
    if (i >= line.size()) break;
    ++i;  // the separator
  }
  fields.resize(count);
}

char tableSeparator(std::string_view line) {
  bool quoted = false;
  for (const char c : line) {
    if (c == '"') quoted = !quoted;
    if (!quoted && (c == ';' || c == '\t')) return c;
  }
  return ',';
}

std::optional<double> parseSpeed(std::string_view field) {
  field = trimmed(field);
  if (field.empty() || field.size() > 32) return std::nullopt;
  char digits[33];
  std::size_t points = 0;
  for (std::size_t i = 0; i < field.size(); ++i) {
    char c = field[i];
    if (c == ',') c = '.';
    if (c == '.') {
      ++points;
    } else if (c < '0' || c > '9') {
      return std::nullopt;
    }
    digits[i] = c;
  }
  if (points > 1 || digits[0] == '.' || digits[field.size() - 1] == '.') return std::nullopt;
  double value = 0.0;
  const auto [end, error] = std::from_chars(digits, digits + field.size(), value);
  if (error != std::errc() || end != digits + field.size() || !(value > 0.0)) return std::nullopt;
  return value;
}

bool isShotNumber(std::string_view field) {
  return !field.empty() && field.size() <= 9 &&
         std::all_of(field.begin(), field.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool containsFolded(std::string_view text, std::string_view part) {
  if (part.size() > text.size()) return false;
  for (std::size_t i = 0; i + part.size() <= text.size(); ++i)
    if (equalsFolded(text.substr(i, part.size()), part)) return true;
  return false;
}

SpeedUnit speedUnitNamed(std::string_view text) {
  if (containsFolded(text, "m/s") || containsFolded(text, "mps")) return SpeedUnit::metresPerSecond;
  if (containsFolded(text, "fps") || containsFolded(text, "ft/s") || containsFolded(text, "f/s"))
    return SpeedUnit::feetPerSecond;
  return SpeedUnit::unknown;
}

void ShotRowCheck::setHeader(const std::vector<std::string>& fields) {
  width_ = fields.size();
  while (width_ > 0 && fields[width_ - 1].empty()) --width_;
}

bool ShotRowCheck::complete(const std::vector<std::string>& fields) const {
  return fields.size() >= width_;
}

std::string ShotRowCheck::leftOut(const std::string& series, const std::string& row) {
  return "series " + series + ": " + row + " is cut short and was left out";
}

}  // namespace deadhold
