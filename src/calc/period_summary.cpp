#include "calc/period_summary.h"

#include "calc/calc_texts.h"
#include "calc/columns.h"
#include "calc/day_walk.h"
#include "calc/product_day_values.h"
#include "calc/row_texts.h"
#include "calc/shown_value.h"

namespace kontaro::calc {

namespace {

TextRow Footer(DayNumber from, DayNumber to)
{
    TextRow footer(sumcol::Count);
    footer[sumcol::Produkt] = ShortDateText(from);
    footer[sumcol::Menge] = ShortDateText(to);
    return footer;
}

void AddEntries(Project& project, int firstDay, DayNumber to)
{
    tProducts& products = project.Products;
    const tDays& days = project.Days;
    const IdIndex ids = IdIndex::Of(products);
    ProductDayValues values(products);
    std::vector<tProduct*> items;
    items.reserve(static_cast<std::size_t>(products.Count()));
    for (int i = 0; i < products.Count(); ++i)
        items.push_back(&products.Item(i));
    ForEachEntry(days, firstDay, to, [&](DayNumber date, const tDayEntry& entry) {
        const int index = ids.Find(entry.ProductID);
        if (index < 0)
            return;
        tProduct& product = *items[static_cast<std::size_t>(index)];
        const EntryContribution c = ContributionOf(product, values.ValuesAt(index, date), entry.Value);
        if (c.counted && c.taxed)
            AddToTotal(product.TotalMenge, c.quantity);
        AddToTotal(product.TotalBrutto, c.gross);
        if (c.taxed) {
            AddToTotal(product.TotalNetto, c.net);
            AddToTotal(product.TotalEinkauf, c.purchase);
        }
    });
}

} // namespace

SummaryResult PeriodSummary(Project& project, DayNumber from, DayNumber to,
                            const std::string& fileName, const NumberLocale& locale)
{
    project.Products.ResetTotals();
    SummaryResult result;
    TextGrid& grid = result.grid;
    grid.footer = Footer(from, to);

    const int firstDay = project.Days.IndexFromDate(from);
    result.daysFound = firstDay >= 0 && project.Days.Item(firstDay).Date <= to;
    if (!result.daysFound) {
        grid.rows.emplace_back(sumcol::Count);
        grid.footer[sumcol::Name] = texts::kSummen;
        WriteSummaryFooterSums(grid.rows, grid.footer, locale);
        grid.footer[sumcol::DB1P] = ShownText(0, locale);
        return result;
    }

    AddEntries(project, firstDay, to);
    const tProducts& products = project.Products;
    for (int i = 0; i < products.Count(); ++i) {
        const tProduct& product = products.Item(i);
        if (!(product.TotalBrutto > 0))
            continue;
        TextRow& row = grid.rows.emplace_back(sumcol::Count);
        row[sumcol::Name] = ProductNameAt(product, to);
        row[sumcol::Produkt] = std::to_string(product.ID);
        if (!product.VerkaufVariabel)
            row[sumcol::Menge] = ShownText(product.TotalMenge, locale);
        WriteSummaryTotals(row, product.TotalBrutto, product.TotalNetto, product.TotalEinkauf,
                           locale);
        row[sumcol::SteuerBis] = ShownText(product.Steuer.ValueAt(to), locale);
    }
    if (grid.rows.empty())
        grid.rows.emplace_back(sumcol::Count);

    const FooterSums sums = WriteSummaryFooterSums(grid.rows, grid.footer, locale);
    grid.footer[sumcol::DB1P] = SummaryFooterPercent(sums, locale);
    grid.footer[sumcol::Name] = SummeText(fileName);
    return result;
}

} // namespace kontaro::calc
