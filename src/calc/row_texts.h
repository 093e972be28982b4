#pragma once
// The cell texts that several computed grids share: the footer's "Summe (%s)", the
// product name valid on a day, and the figure columns of the two summaries.
#include "calc/text_grid.h"
#include "model/catalogue.h"
#include "numbers/number_locale.h"

#include <string>

namespace kontaro::calc {

// "Summe (name)" with the project file's name without folder and extension; empty
// parentheses for a project without a file.
std::string SummeText(const std::string& fileName);

// The name part of a path without its extension.
std::string ProjectName(const std::string& fileName);

// The product's name valid on `day`, as UTF-8.
std::string ProductNameAt(const model::tProduct& product, model::DayNumber day);

// Writes "Verkauf (B)", "Verkauf (N)", "Einkauf", "DB1" and "DB1 (%)" of a summary
// row from the unrounded totals. DB1 and its percentage are formed in extended
// precision: the difference, times 100, divided by the net total; the percentage
// is empty when the net total is 0.
void WriteSummaryTotals(TextRow& row, double brutto, double netto, double einkauf, const numbers::NumberLocale& locale);

// The summaries' footer sums: columns "Verkauf (B)", "Verkauf (N)", "Einkauf" and
// "DB1" hold the sums of the rows' shown values. Returns the shown net and DB1
// sums, from which the footer's percentage is formed.
struct FooterSums {
    double netto = 0;
    double db1 = 0;
};
FooterSums WriteSummaryFooterSums(const std::vector<TextRow>& rows, TextRow& footer,
                                  const numbers::NumberLocale& locale);

// (DB1 sum * 100) / net sum of the footer's shown sums; nothing when the net sum is 0.
std::string SummaryFooterPercent(const FooterSums& sums, const numbers::NumberLocale& locale);

} // namespace kontaro::calc
