#include "calc/summary_totals.h"

#include "calc/day_walk.h"
#include "calc/entry_figures.h"
#include "calc/product_day_values.h"

namespace kontaro::calc {

namespace {

// The products by index, for the walk's inner loop without Item()'s range check.
std::vector<const model::tProduct*> ProductsByIndex(const model::tProducts& products)
{
    std::vector<const model::tProduct*> items;
    items.reserve(static_cast<std::size_t>(products.Count()));
    for (int i = 0; i < products.Count(); ++i)
        items.push_back(&products.Item(i));
    return items;
}

} // namespace

std::vector<SummaryTotals> ProductTotals(const model::Project& project, model::DayNumber from, model::DayNumber to)
{
    const model::tProducts& products = project.Products;
    std::vector<SummaryTotals> totals(static_cast<std::size_t>(products.Count()));
    const int firstDay = project.Days.IndexFromDate(from);
    if (firstDay < 0)
        return totals;
    const IdIndex ids = IdIndex::Of(products);
    ProductDayValues values(products);
    const std::vector<const model::tProduct*> items = ProductsByIndex(products);
    ForEachEntry(project.Days, firstDay, to, [&](model::DayNumber date, const model::tDayEntry& entry) {
        const int index = ids.Find(entry.ProductID);
        if (index < 0)
            return;
        const auto k = static_cast<std::size_t>(index);
        const EntryContribution c = ContributionOf(*items[k], values.ValuesAt(index, date), entry.Value);
        SummaryTotals& total = totals[k];
        if (c.counted && c.taxed)
            AddToTotal(total.menge, c.quantity);
        AddToTotal(total.brutto, c.gross);
        if (c.taxed) {
            AddToTotal(total.netto, c.net);
            AddToTotal(total.einkauf, c.purchase);
        }
    });
    return totals;
}

std::vector<SummaryTotals> GroupTotals(const model::Project& project, model::DayNumber from, model::DayNumber to)
{
    const model::tProducts& products = project.Products;
    const model::tGroups& groups = project.Groups;
    std::vector<SummaryTotals> totals(static_cast<std::size_t>(groups.Count()));
    const int firstDay = project.Days.IndexFromDate(from);
    if (firstDay < 0)
        return totals;
    const IdIndex productIds = IdIndex::Of(products);
    const IdIndex groupIds = IdIndex::Of(groups);
    ProductDayValues values(products);
    const std::vector<const model::tProduct*> items = ProductsByIndex(products);
    ForEachEntry(project.Days, firstDay, to, [&](model::DayNumber date, const model::tDayEntry& entry) {
        const int index = productIds.Find(entry.ProductID);
        if (index < 0)
            return;
        const int groupIndex = groupIds.Find(values.GroupAt(index, date));
        if (groupIndex < 0)
            return;
        const EntryContribution c =
            ContributionOf(*items[static_cast<std::size_t>(index)], values.ValuesAt(index, date), entry.Value);
        SummaryTotals& total = totals[static_cast<std::size_t>(groupIndex)];
        AddToTotal(total.brutto, c.gross);
        if (c.taxed) {
            AddToTotal(total.netto, c.net);
            AddToTotal(total.einkauf, c.purchase);
        }
    });
    return totals;
}

} // namespace kontaro::calc
