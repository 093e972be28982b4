#include "calc/period_summary.h"

#include "calc/calc_texts.h"
#include "calc/row_texts.h"
#include "calc/shown_value.h"
#include "calc/summary_totals.h"
#include "columns/footer_texts.h"
#include "columns/grid_columns.h"

namespace kontaro::calc {

namespace {

TextRow Footer(model::DayNumber from, model::DayNumber to)
{
    TextRow footer(columns::sum::kColumnCount);
    footer[columns::sum::Produkt] = model::ShortDateText(from);
    footer[columns::sum::Menge] = model::ShortDateText(to);
    return footer;
}

} // namespace

SummaryResult PeriodSummary(const model::Project& project, model::DayNumber from, model::DayNumber to,
                            const std::string& fileName, const numbers::NumberLocale& locale)
{
    SummaryResult result;
    TextGrid& grid = result.grid;
    grid.footer = Footer(from, to);

    const int firstDay = project.Days.IndexFromDate(from);
    result.daysFound = firstDay >= 0 && project.Days.Item(firstDay).Date <= to;
    if (!result.daysFound) {
        grid.rows.emplace_back(columns::sum::kColumnCount);
        grid.footer[columns::sum::Name] = columns::texts::kSummen;
        WriteSummaryFigures(grid.footer, SummaryFooter().Figures(), locale);
        grid.footer[columns::sum::DB1P] = ShownText(0, locale);
        return result;
    }

    const std::vector<SummaryTotals> totals = ProductTotals(project, from, to);
    const model::tProducts& products = project.Products;
    SummaryFooter footer;
    for (int i = 0; i < products.Count(); ++i) {
        const model::tProduct& product = products.Item(i);
        const SummaryTotals& total = totals[static_cast<std::size_t>(i)];
        if (!(total.brutto > 0))
            continue;
        TextRow& row = grid.rows.emplace_back(columns::sum::kColumnCount);
        row[columns::sum::Name] = ProductNameAt(product, to);
        row[columns::sum::Produkt] = std::to_string(product.ID);
        if (!product.VerkaufVariabel)
            row[columns::sum::Menge] = ShownText(total.menge, locale);
        const SummaryFigures figures = SummaryRowFigures(total.brutto, total.netto, total.einkauf);
        WriteSummaryFigures(row, figures, locale);
        footer.Add(figures);
        row[columns::sum::Steuer] = ShownText(product.Steuer.ValueAt(to), locale);
    }
    if (grid.rows.empty())
        grid.rows.emplace_back(columns::sum::kColumnCount);

    WriteSummaryFigures(grid.footer, footer.Figures(), locale);
    grid.footer[columns::sum::Name] = SummeText(fileName);
    return result;
}

} // namespace kontaro::calc
