#pragma once
// The cell texts that several computed grids share: the footer's "Summe (%s)", the
// product name valid on a day, and the figure columns of the two summaries.
#include "calc/text_grid.h"
#include "model/catalogue.h"
#include "numbers/number_locale.h"

#include <optional>
#include <string>

namespace kontaro::calc {

// "Summe (name)" with the project file's name without folder and extension; empty
// parentheses for a project without a file.
std::string SummeText(const std::string& fileName);

// The name part of a path without its extension.
std::string ProjectName(const std::string& fileName);

// The product's name valid on `day`, as UTF-8.
std::string ProductNameAt(const model::tProduct& product, model::DayNumber day);

// The figures of a summary row, or of a summary footer, as numbers whose two-decimal
// texts are the cells "Verkauf (B)", "Verkauf (N)", "Einkauf", "DB1" and "DB1 (%)".
// The percentage is nothing where its cell is empty.
struct SummaryFigures {
    double brutto = 0;
    double netto = 0;
    double einkauf = 0;
    double db1 = 0;
    std::optional<double> db1Prozent;
};

// A row's figures from the unrounded totals. DB1 and its percentage are formed in
// extended precision: the difference, times 100, divided by the net total; there
// is no percentage when the net total is 0.
SummaryFigures SummaryRowFigures(double brutto, double netto, double einkauf);

// The five figure cells of a summary row or footer.
void WriteSummaryFigures(TextRow& row, const SummaryFigures& figures, const numbers::NumberLocale& locale);

// The summaries' footer: the sums of the rows' shown values, added row by row in
// the rows' order, and the percentage (DB1 sum * 100) / net sum of the two shown
// sums, nothing when the shown net sum is 0.
class SummaryFooter {
public:
    void Add(const SummaryFigures& row);
    // Adds the row of these totals (SummaryRowFigures) without its percentage.
    void AddRow(double brutto, double netto, double einkauf);
    SummaryFigures Figures() const;
    // The footer's shown net sum.
    double ShownNetto() const;

private:
    double brutto_ = 0;
    double netto_ = 0;
    double einkauf_ = 0;
    double db1_ = 0;
};

} // namespace kontaro::calc
