#pragma once
// A small shop for the export tests and what its workbooks hold once read back.
#include "model/project_file.h"
#include "xls/workbook_file.h"

#include <optional>
#include <string>
#include <vector>

namespace kontaro::test {

// Groups 10 "Getränke" and 20 "Speisen"; Cola (1, group 10, 2.50), Tagesessen (2, group
// 20, variable price, purchase 40 %); stored days 1 and 3 March 2005, none for 2 March.
model::Project ExportShop();

xls::WorkbookFile ReadWorkbook(const std::string& path);
std::vector<std::string> SheetNames(const std::string& path);
// The number of a cell (sheet 1-based, row and column 0-based); nullopt for a text, a blank
// or a missing cell.
std::optional<double> CellNumber(const xls::WorkbookFile& book, int sheet, int row, int column);
// The rows of a sheet that hold a record or a cell.
std::size_t RowCount(const xls::WorkbookFile& book, int sheet);

} // namespace kontaro::test
