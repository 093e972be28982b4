#include "calc/day_grid.h"

#include "calc/calc_texts.h"
#include "calc/columns.h"
#include "calc/entry_figures.h"
#include "calc/row_texts.h"
#include "calc/shown_value.h"

#include <string_view>

namespace kontaro::calc {

namespace {

TextRow EntryRow(const tProducts& products, DayNumber day, const tDayEntry& entry,
                 const NumberLocale& locale)
{
    TextRow row(daycol::Count);
    row[daycol::Produkt] = std::to_string(entry.ProductID);
    const int index = products.IndexOfID(entry.ProductID);
    if (index < 0) {
        row[daycol::Name] = texts::kUnbekanntesProdukt;
        row[daycol::Menge] = ShownText(entry.Value, locale);
        return row;
    }
    const tProduct& product = products.Item(index);
    row[daycol::Name] = ProductNameAt(product, day);
    row[product.VerkaufVariabel ? daycol::VerkaufB : daycol::Menge] = ShownText(entry.Value, locale);
    if (std::optional<RowFigures> figures = ComputeRowFigures(
            products, day, row[daycol::Produkt], row[daycol::Menge], row[daycol::VerkaufB], locale)) {
        row[daycol::VerkaufB] = std::move(figures->verkaufB);
        row[daycol::Einkauf] = std::move(figures->einkauf);
        row[daycol::Steuer] = std::move(figures->steuer);
        row[daycol::VerkaufN] = std::move(figures->verkaufN);
        row[daycol::DB1] = std::move(figures->db1);
        row[daycol::DB1P] = std::move(figures->db1Prozent);
    }
    return row;
}

} // namespace

TextRow DayFooter(const std::vector<TextRow>& rows, DayNumber day, const std::string& fileName,
                  const NumberLocale& locale)
{
    TextRow footer(daycol::Count);
    footer[daycol::Name] = SummeText(fileName);
    footer[daycol::Produkt] = ShortDateText(day);
    for (const int column : {daycol::VerkaufB, daycol::VerkaufN, daycol::Einkauf, daycol::DB1}) {
        std::vector<std::string_view> texts;
        texts.reserve(rows.size());
        for (const TextRow& row : rows)
            texts.emplace_back(row[static_cast<std::size_t>(column)]);
        footer[static_cast<std::size_t>(column)] = ShownText(SumOfShownValues(texts, locale), locale);
    }
    footer[daycol::DB1P] = DayFooterPercent(footer[daycol::VerkaufB], footer[daycol::DB1], locale);
    return footer;
}

TextGrid StoredDayGrid(const Project& project, DayNumber day, const std::string& fileName,
                       const NumberLocale& locale)
{
    TextGrid grid;
    const int index = project.Days.IndexOfDate(day);
    if (index >= 0) {
        const tDay& stored = project.Days.Item(index);
        grid.rows.reserve(static_cast<std::size_t>(stored.Count()));
        for (int e = 0; e < stored.Count(); ++e)
            grid.rows.push_back(EntryRow(project.Products, day, stored.Entry(e), locale));
    }
    if (grid.rows.empty())
        grid.rows.emplace_back(daycol::Count);
    grid.footer = DayFooter(grid.rows, day, fileName, locale);
    return grid;
}

} // namespace kontaro::calc
