#pragma once
// Every message text of the workbook writer, defined once. "%s" stands for the one argument
// (a path or a name) and is filled in by FormatText.

#include <initializer_list>
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

// Workbook records, formats and the grid export.
inline constexpr std::string_view kRecordsInvalid = "Error reading Excel records. File invalid";
inline constexpr std::string_view kPasswordProtected = "File is password protected";
inline constexpr std::string_view kInvalidExcelVersion =
    "Template file is saved with an invalid Excel version";
inline constexpr std::string_view kSheetNameExists = "Sheet name already exists: %s";
inline constexpr std::string_view kDuplicatedRow = "Duplicated ROW record";
inline constexpr std::string_view kSheetNumberInvalid =
    "Sheet number \"%d\" invalid. Must be between %d and %d";
inline constexpr std::string_view kInvalidString = "Invalid String record";
inline constexpr std::string_view kInvalidRow = "Invalid Row (%d)";
inline constexpr std::string_view kInvalidColumn = "Invalid Column (%d)";
inline constexpr std::string_view kSelectVisibleSheet =
    "To save this file, you must select a visible sheet";
inline constexpr std::string_view kNoVisibleSheets = "There are not visible sheets on the file";
inline constexpr std::string_view kPaletteIndexRange =
    "The index \"%d\" of the property \"%s\" is not in the range %d-%d";
inline constexpr std::string_view kInvalidSheetName = "Invalid sheet name: %s";
inline constexpr std::string_view kNotAWorksheet = "Sheet \"%s\" is not a worksheet";
inline constexpr std::string_view kNoGridAssigned = "There is no grid assigned to this component";

// Replaces the "%d" and "%s" of text in order with args; surplus placeholders stay.
inline std::string FormatArgs(std::string_view text, std::initializer_list<std::string> args) {
    std::string result(text);
    std::size_t from = 0;
    for (const std::string& arg : args) {
        const auto at = result.find('%', from);
        if (at == std::string::npos || at + 1 >= result.size()) break;
        result.replace(at, 2, arg);
        from = at + arg.size();
    }
    return result;
}

}  // namespace kontaro::xls::texts
