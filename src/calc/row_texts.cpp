#include "calc/row_texts.h"

#include "calc/calc_texts.h"
#include "calc/entry_figures.h"
#include "calc/shown_value.h"
#include "columns/grid_columns.h"
#include "model/globals.h"
#include "model/win1252.h"
#include "numbers/format_text.h"

namespace kontaro::calc {

static_assert(columns::sum::VerkaufB == columns::group::VerkaufB &&
                  columns::sum::VerkaufN == columns::group::VerkaufN &&
                  columns::sum::Einkauf == columns::group::Einkauf && columns::sum::DB1 == columns::group::DB1 &&
                  columns::sum::DB1P == columns::group::DB1P,
              "the two summary grids share their figure columns");

namespace {

// A row's DB1: the difference of the unrounded totals in extended precision.
long double RowMargin(double netto, double einkauf) { return static_cast<long double>(netto) - einkauf; }

} // namespace

std::string ProjectName(const std::string& fileName)
{
    const std::size_t slash = fileName.find_last_of('/');
    return model::RemoveFileExt(slash == std::string::npos ? fileName : fileName.substr(slash + 1));
}

std::string SummeText(const std::string& fileName)
{
    return numbers::FormatText(texts::kSummeFormat, {ProjectName(fileName)});
}

std::string ProductNameAt(const model::tProduct& product, model::DayNumber day)
{
    std::string name;
    product.Name.ValueAt(day, name);
    return model::Win1252ToUtf8(name);
}

SummaryFigures SummaryRowFigures(double brutto, double netto, double einkauf)
{
    SummaryFigures figures;
    figures.brutto = brutto;
    figures.netto = netto;
    figures.einkauf = einkauf;
    const long double margin = RowMargin(netto, einkauf);
    figures.db1 = static_cast<double>(margin);
    if (netto != 0)
        figures.db1Prozent = static_cast<double>((margin * 100) / netto);
    return figures;
}

void WriteSummaryFigures(TextRow& row, const SummaryFigures& figures, const numbers::NumberLocale& locale)
{
    row[columns::sum::VerkaufB] = ShownText(figures.brutto, locale);
    row[columns::sum::VerkaufN] = ShownText(figures.netto, locale);
    row[columns::sum::Einkauf] = ShownText(figures.einkauf, locale);
    row[columns::sum::DB1] = ShownText(figures.db1, locale);
    row[columns::sum::DB1P] = figures.db1Prozent ? ShownText(*figures.db1Prozent, locale) : std::string();
}

void SummaryFooter::Add(const SummaryFigures& row)
{
    AddToTotal(brutto_, Round2(row.brutto));
    AddToTotal(netto_, Round2(row.netto));
    AddToTotal(einkauf_, Round2(row.einkauf));
    AddToTotal(db1_, Round2(row.db1));
}

void SummaryFooter::AddRow(double brutto, double netto, double einkauf)
{
    AddToTotal(brutto_, Round2(brutto));
    AddToTotal(netto_, Round2(netto));
    AddToTotal(einkauf_, Round2(einkauf));
    AddToTotal(db1_, Round2(static_cast<double>(RowMargin(netto, einkauf))));
}

double SummaryFooter::ShownNetto() const { return Round2(netto_); }

SummaryFigures SummaryFooter::Figures() const
{
    SummaryFigures figures;
    figures.brutto = brutto_;
    figures.netto = netto_;
    figures.einkauf = einkauf_;
    figures.db1 = db1_;
    const double shownNetto = ShownNetto();
    if (shownNetto != 0)
        figures.db1Prozent = static_cast<double>((static_cast<long double>(Round2(db1_)) * 100) / shownNetto);
    return figures;
}

} // namespace kontaro::calc
