#pragma once
// Model texts are std::string holding Windows-1252 bytes, exactly what the project
// file stores. These two functions are the one conversion to and from UTF-8.
#include <optional>
#include <string>
#include <string_view>

namespace kontaro::model {

// Every byte has a character (the five unassigned bytes map to their C1 controls).
std::string Win1252ToUtf8(std::string_view text);

// Nothing when the text holds a character without a Windows-1252 byte or is not
// valid UTF-8.
std::optional<std::string> Utf8ToWin1252(std::string_view text);

// True when the Unicode code point has a Windows-1252 byte.
bool HasWin1252Byte(char32_t codePoint);

// The characters of the UTF-8 text that have no Windows-1252 byte, each once, in
// order of appearance, as UTF-8 (for a message naming them); invalid UTF-8
// sequences count as U+FFFD.
std::string CharactersWithoutWin1252Byte(std::string_view utf8);

} // namespace kontaro::model
