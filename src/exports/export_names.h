#pragma once
// The names of the exports: the sheets they write and the file names the save dialog
// proposes. Pure functions of their arguments.
#include "model/day_number.h"

#include <string>
#include <string_view>

namespace kontaro::exports {

// The sheet of the period and group summaries, also the first sheet of a series with
// daily sums.
inline constexpr std::string_view kSumSheet = "Summe";
// The sheet of the product overview.
inline constexpr std::string_view kProductsSheet = "Produktübersicht";

// The sheet of one day: its date as "yy-mm-dd" (05-03-01).
std::string DaySheetName(model::DayNumber day);

// The proposed file names, built from the project file's path without its extension: in
// the project's folder, "Laden.kdt" and 2005-03-31 give "Laden_05-03-31.xls". For a
// project never saved (an empty path) the proposal is the suffix alone ("_05-03-31.xls"),
// for the dialog's current folder.
std::string DayExportName(const std::string& projectFile);                        // base + ".xls"
std::string SumExportName(const std::string& projectFile, model::DayNumber to);   // base + "_" + to
std::string GroupExportName(const std::string& projectFile, model::DayNumber to); // base + "_Grp_" + to
std::string ProductsExportName(const std::string& projectFile);                   // base + "_Produkte"

} // namespace kontaro::exports
