#pragma once
// Every message text of the workbook writer, defined once. "%s" stands for the one argument
// (a path or a name) and is filled in by FormatText.

#include <string>
#include <string_view>

namespace kontaro::xls::texts {

// Compound file storage.
inline constexpr std::string_view kFileInvalid = "The file \"%s\" is invalid";
inline constexpr std::string_view kCantReadFile = "Can't read file \"%s\"";
inline constexpr std::string_view kCantFindFile = "Can't find the file \"%s\"";
inline constexpr std::string_view kCantWriteFile =
    "Can't write to file \"%s\". Check it is not in use by another user";
inline constexpr std::string_view kNoWorkbookStream = "The file \"%s\" holds no workbook";

// Replaces the first "%s" of text with arg; a text without "%s" is returned as it is.
inline std::string FormatText(std::string_view text, std::string_view arg) {
    std::string result(text);
    if (const auto at = result.find("%s"); at != std::string::npos) {
        result.replace(at, 2, arg);
    }
    return result;
}

}  // namespace kontaro::xls::texts
