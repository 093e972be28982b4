#pragma once
// The short date and time formats in which the exporter recognises a cell's text as a date
// or a time, in the workbook's number-format letters. A cell whose text reads as a date gets
// them as its number format. The separators of numbers are a numbers::NumberLocale.

#include <string>

namespace kontaro::xls {

struct DateConventions {
    std::string shortDateFormat = "yy-mm-dd";
    std::string shortTimeFormat = "hh:mm";
};

} // namespace kontaro::xls
