#include "calc/row_texts.h"

#include "calc/calc_texts.h"
#include "calc/entry_figures.h"
#include "calc/shown_value.h"
#include "columns/grid_columns.h"
#include "model/globals.h"
#include "model/win1252.h"
#include "numbers/format_text.h"

#include <string_view>

namespace kontaro::calc {

static_assert(columns::sum::VerkaufB == columns::group::VerkaufB &&
                  columns::sum::VerkaufN == columns::group::VerkaufN &&
                  columns::sum::Einkauf == columns::group::Einkauf && columns::sum::DB1 == columns::group::DB1 &&
                  columns::sum::DB1P == columns::group::DB1P,
              "the two summary grids share their figure columns");

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

void WriteSummaryTotals(TextRow& row, double brutto, double netto, double einkauf, const numbers::NumberLocale& locale)
{
    row[columns::sum::VerkaufB] = ShownText(brutto, locale);
    row[columns::sum::VerkaufN] = ShownText(netto, locale);
    row[columns::sum::Einkauf] = ShownText(einkauf, locale);
    const long double margin = static_cast<long double>(netto) - einkauf;
    row[columns::sum::DB1] = ShownText(static_cast<double>(margin), locale);
    row[columns::sum::DB1P] =
        netto == 0 ? std::string() : ShownText(static_cast<double>((margin * 100) / netto), locale);
}

FooterSums WriteSummaryFooterSums(const std::vector<TextRow>& rows, TextRow& footer,
                                  const numbers::NumberLocale& locale)
{
    FooterSums sums;
    for (const int column :
         {columns::sum::VerkaufB, columns::sum::VerkaufN, columns::sum::Einkauf, columns::sum::DB1}) {
        std::vector<std::string_view> texts;
        texts.reserve(rows.size());
        for (const TextRow& row : rows)
            texts.emplace_back(row[static_cast<std::size_t>(column)]);
        std::string& cell = footer[static_cast<std::size_t>(column)];
        cell = ShownText(SumOfShownValues(texts, locale), locale);
        const double shown = ReadShownValue(cell, locale).value_or(0.0);
        if (column == columns::sum::VerkaufN)
            sums.netto = shown;
        else if (column == columns::sum::DB1)
            sums.db1 = shown;
    }
    return sums;
}

std::string SummaryFooterPercent(const FooterSums& sums, const numbers::NumberLocale& locale)
{
    if (sums.netto == 0)
        return {};
    return ShownText(static_cast<double>((static_cast<long double>(sums.db1) * 100) / sums.netto), locale);
}

} // namespace kontaro::calc
