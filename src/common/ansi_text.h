#pragma once

#include <string>
#include <string_view>

namespace deadhold {

// Record and catalogue texts are single bytes in the Windows "ANSI" code page of the Western
// systems that wrote the files: Windows-1252, which is Latin-1 but for the bytes 0x80 to 0x9F
// (the euro sign, curly quotes, dashes, the trade mark sign ...). The files keep their bytes;
// these two convert at the edge where a text is shown, printed or typed.

// The text in UTF-8. The five bytes Windows-1252 leaves undefined (0x81, 0x8D, 0x8F, 0x90,
// 0x9D) show as the replacement mark U+FFFD.
std::string ansiToUtf8(std::string_view ansi);
// The same, appended to `out`.
void appendAnsiAsUtf8(std::string& out, std::string_view ansi);

// The UTF-8 text in Windows-1252; a character it cannot hold, a replacement mark among them,
// becomes '?', and so does every byte of a broken UTF-8 sequence.
std::string utf8ToAnsi(std::string_view utf8);

}  // namespace deadhold
