#pragma once
// The user's number and date conventions as the exporter reads a grid's texts back. Passed
// in by the caller (the window fills it from the system locale, the report tool from its
// options); the workbook layer keeps no locale of its own.

#include <string>

namespace kontaro::xls {

struct XlsLocale {
  char decimalSeparator = ',';
  char thousandSeparator = '.';
  char dateSeparator = '-';
  char timeSeparator = ':';
  // Short date and time formats in the workbook's number-format letters, for example
  // "yy-mm-dd" and "hh:mm"; a cell whose text reads as a date gets them as its format.
  std::string shortDateFormat = "yy-mm-dd";
  std::string shortTimeFormat = "hh:mm";
};

}  // namespace kontaro::xls
