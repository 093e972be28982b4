#include "calc/group_summary.h"

#include "calc/calc_texts.h"
#include "calc/columns.h"
#include "calc/day_walk.h"
#include "calc/product_day_values.h"
#include "calc/row_texts.h"
#include "calc/shown_value.h"
#include "model/win1252.h"

namespace kontaro::calc {

namespace {

TextRow Footer(DayNumber from, DayNumber to)
{
    TextRow footer(groupcol::Count);
    footer[groupcol::Gruppe] = ShortDateText(from);
    footer[groupcol::Anteil] = ShortDateText(to);
    return footer;
}

void AddEntries(Project& project, int firstDay, DayNumber to)
{
    const tProducts& products = project.Products;
    tGroups& groups = project.Groups;
    const tDays& days = project.Days;
    const IdIndex productIds = IdIndex::Of(products);
    const IdIndex groupIds = IdIndex::Of(groups);
    ProductDayValues values(products);
    std::vector<const tProduct*> items;
    items.reserve(static_cast<std::size_t>(products.Count()));
    for (int i = 0; i < products.Count(); ++i)
        items.push_back(&products.Item(i));
    std::vector<tGroup*> groupItems;
    groupItems.reserve(static_cast<std::size_t>(groups.Count()));
    for (int i = 0; i < groups.Count(); ++i)
        groupItems.push_back(&groups.Item(i));
    ForEachEntry(days, firstDay, to, [&](DayNumber date, const tDayEntry& entry) {
        const int index = productIds.Find(entry.ProductID);
        if (index < 0)
            return;
        const int groupIndex = groupIds.Find(values.GroupAt(index, date));
        if (groupIndex < 0)
            return;
        tGroup& group = *groupItems[static_cast<std::size_t>(groupIndex)];
        const EntryContribution c = ContributionOf(*items[static_cast<std::size_t>(index)],
                                                   values.ValuesAt(index, date), entry.Value);
        AddToTotal(group.TotalBrutto, c.gross);
        if (c.taxed) {
            AddToTotal(group.TotalNetto, c.net);
            AddToTotal(group.TotalEinkauf, c.purchase);
        }
    });
}

} // namespace

SummaryResult GroupSummary(Project& project, DayNumber from, DayNumber to,
                           const std::string& fileName, const NumberLocale& locale)
{
    project.Groups.ResetTotals();
    SummaryResult result;
    TextGrid& grid = result.grid;
    grid.footer = Footer(from, to);

    const int firstDay = project.Days.IndexFromDate(from);
    result.daysFound = firstDay >= 0 && project.Days.Item(firstDay).Date <= to;
    if (!result.daysFound) {
        grid.rows.emplace_back(groupcol::Count);
        grid.footer[groupcol::Name] = texts::kSummen;
        WriteSummaryFooterSums(grid.rows, grid.footer, locale);
        grid.footer[groupcol::DB1P] = ShownText(0, locale);
        return result;
    }

    AddEntries(project, firstDay, to);
    const tGroups& groups = project.Groups;
    for (int i = 0; i < groups.Count(); ++i) {
        const tGroup& group = groups.Item(i);
        if (!(group.TotalBrutto > 0))
            continue;
        TextRow& row = grid.rows.emplace_back(groupcol::Count);
        row[groupcol::Name] = Win1252ToUtf8(group.Name);
        row[groupcol::Gruppe] = std::to_string(group.ID);
        WriteSummaryTotals(row, group.TotalBrutto, group.TotalNetto, group.TotalEinkauf, locale);
    }
    const bool anyRow = !grid.rows.empty();
    if (!anyRow)
        grid.rows.emplace_back(groupcol::Count);

    const FooterSums sums = WriteSummaryFooterSums(grid.rows, grid.footer, locale);
    grid.footer[groupcol::DB1P] =
        sums.netto == 0 ? ShownText(0, locale) : SummaryFooterPercent(sums, locale);
    grid.footer[groupcol::Name] = SummeText(fileName);

    // Shares of the shown net sales; with a shown net sum of 0 there is no share.
    if (anyRow && sums.netto != 0) {
        for (TextRow& row : grid.rows) {
            const double net = ReadShownValue(row[groupcol::VerkaufN], locale).value_or(0.0);
            row[groupcol::Anteil] = ShownText(
                static_cast<double>((static_cast<long double>(net) * 100) / sums.netto), locale);
        }
    }
    return result;
}

} // namespace kontaro::calc
