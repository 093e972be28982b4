#pragma once
// Every message text of the workbook writer, defined once. Each "%s" stands for one argument
// (a path, a name or a number) and is filled in by numbers::FormatText.

#include <string_view>

namespace kontaro::xls::texts {

// Compound file storage.
inline constexpr std::string_view kFileInvalid = "The file \"%s\" is invalid";
inline constexpr std::string_view kCantReadFile = "Can't read file \"%s\"";
inline constexpr std::string_view kCantFindFile = "Can't find the file \"%s\"";
inline constexpr std::string_view kCantWriteFile = "Can't write to file \"%s\". Check it is not in use by another user";
inline constexpr std::string_view kNoWorkbookStream = "The file \"%s\" holds no workbook";

// Workbook records, formats and the grid export.
inline constexpr std::string_view kRecordsInvalid = "Error reading Excel records. File invalid";
inline constexpr std::string_view kPasswordProtected = "File is password protected";
inline constexpr std::string_view kInvalidExcelVersion = "Template file is saved with an invalid Excel version";
inline constexpr std::string_view kSheetNameExists = "Sheet name already exists: %s";
inline constexpr std::string_view kDuplicatedRow = "Duplicated ROW record";
inline constexpr std::string_view kSheetNumberInvalid = "Sheet number \"%s\" invalid. Must be between %s and %s";
inline constexpr std::string_view kInvalidString = "Invalid String record";
inline constexpr std::string_view kInvalidRow = "Invalid Row (%s)";
inline constexpr std::string_view kInvalidColumn = "Invalid Column (%s)";
inline constexpr std::string_view kSelectVisibleSheet = "To save this file, you must select a visible sheet";
inline constexpr std::string_view kNoVisibleSheets = "There are not visible sheets on the file";
inline constexpr std::string_view kPaletteIndexRange =
    "The index \"%s\" of the property \"%s\" is not in the range %s-%s";
inline constexpr std::string_view kInvalidSheetName = "Invalid sheet name: %s";
inline constexpr std::string_view kNotAWorksheet = "Sheet \"%s\" is not a worksheet";
inline constexpr std::string_view kNoGridAssigned = "There is no grid assigned to this component";

} // namespace kontaro::xls::texts
