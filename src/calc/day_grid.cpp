#include "calc/day_grid.h"

#include "calc/calc_texts.h"
#include "calc/entry_figures.h"
#include "calc/row_texts.h"
#include "calc/shown_value.h"
#include "columns/grid_columns.h"

#include <string_view>

namespace kontaro::calc {

namespace {

TextRow EntryRow(const model::tProducts& products, model::DayNumber day, const model::tDayEntry& entry,
                 const numbers::NumberLocale& locale)
{
    TextRow row(columns::day::kColumnCount);
    row[columns::day::Produkt] = std::to_string(entry.ProductID);
    const int index = products.IndexOfID(entry.ProductID);
    if (index < 0) {
        row[columns::day::Name] = texts::kUnbekanntesProdukt;
        row[columns::day::Menge] = ShownText(entry.Value, locale);
        return row;
    }
    const model::tProduct& product = products.Item(index);
    row[columns::day::Name] = ProductNameAt(product, day);
    row[product.VerkaufVariabel ? columns::day::VerkaufB : columns::day::Menge] = ShownText(entry.Value, locale);
    if (std::optional<RowFigures> figures = ComputeRowFigures(
            products, day, row[columns::day::Produkt], row[columns::day::Menge], row[columns::day::VerkaufB], locale)) {
        row[columns::day::VerkaufB] = std::move(figures->verkaufB);
        row[columns::day::Einkauf] = std::move(figures->einkauf);
        row[columns::day::Steuer] = std::move(figures->steuer);
        row[columns::day::VerkaufN] = std::move(figures->verkaufN);
        row[columns::day::DB1] = std::move(figures->db1);
        row[columns::day::DB1P] = std::move(figures->db1Prozent);
    }
    return row;
}

} // namespace

TextRow DayFooter(const std::vector<TextRow>& rows, model::DayNumber day, const std::string& fileName,
                  const numbers::NumberLocale& locale)
{
    TextRow footer(columns::day::kColumnCount);
    footer[columns::day::Name] = SummeText(fileName);
    footer[columns::day::Produkt] = model::ShortDateText(day);
    for (const int column :
         {columns::day::VerkaufB, columns::day::VerkaufN, columns::day::Einkauf, columns::day::DB1}) {
        std::vector<std::string_view> texts;
        texts.reserve(rows.size());
        for (const TextRow& row : rows)
            texts.emplace_back(row[static_cast<std::size_t>(column)]);
        footer[static_cast<std::size_t>(column)] = ShownText(SumOfShownValues(texts, locale), locale);
    }
    footer[columns::day::DB1P] = DayFooterPercent(footer[columns::day::VerkaufB], footer[columns::day::DB1], locale);
    return footer;
}

TextGrid StoredDayGrid(const model::Project& project, model::DayNumber day, const std::string& fileName,
                       const numbers::NumberLocale& locale)
{
    TextGrid grid;
    const int index = project.Days.IndexOfDate(day);
    if (index >= 0) {
        const model::tDay& stored = project.Days.Item(index);
        grid.rows.reserve(static_cast<std::size_t>(stored.Count()));
        for (int e = 0; e < stored.Count(); ++e)
            grid.rows.push_back(EntryRow(project.Products, day, stored.Entry(e), locale));
    }
    if (grid.rows.empty())
        grid.rows.emplace_back(columns::day::kColumnCount);
    grid.footer = DayFooter(grid.rows, day, fileName, locale);
    return grid;
}

} // namespace kontaro::calc
