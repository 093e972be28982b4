#pragma once
// The two built-in pieces of data every new workbook and every new sheet starts from.
//
// EmptyWorkbook(): a complete compound file (13,824 bytes) with one empty worksheet "Sheet1":
// a 4,096-byte "Workbook" stream (the records, then zero fill) and the two 4,096-byte
// property-set streams "\x05SummaryInformation" and "\x05DocumentSummaryInformation".
// Open it like a file with CompoundStorage::OpenMemory.
//
// EmptyWorksheet(): the 243 bytes of the records of one empty worksheet, BOF to EOF.
//
// Both are read-only and live for the whole program.

#include <cstdint>
#include <span>

namespace kontaro::xls {

std::span<const std::uint8_t> EmptyWorkbook();
std::span<const std::uint8_t> EmptyWorksheet();

} // namespace kontaro::xls
