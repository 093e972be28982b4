#include "calc/summary_totals.h"

namespace kontaro::calc {

SummaryWalk::SummaryWalk(const model::Project& project)
    : project_(project),
      productIds_(IdIndex::Of(project.Products)),
      groupIds_(IdIndex::Of(project.Groups)),
      values_(project.Products)
{
    items_.reserve(static_cast<std::size_t>(project.Products.Count()));
    for (int i = 0; i < project.Products.Count(); ++i)
        items_.push_back(&project.Products.Item(i));
}

std::vector<SummaryTotals> ProductTotals(const model::Project& project, model::DayNumber from, model::DayNumber to)
{
    std::vector<SummaryTotals> totals(static_cast<std::size_t>(project.Products.Count()));
    SummaryWalk(project).Run<false>(from, to, [&](model::DayNumber, int product, int, const EntryContribution& c) {
        AddToProductTotals(totals[static_cast<std::size_t>(product)], c);
    });
    return totals;
}

std::vector<SummaryTotals> GroupTotals(const model::Project& project, model::DayNumber from, model::DayNumber to)
{
    std::vector<SummaryTotals> totals(static_cast<std::size_t>(project.Groups.Count()));
    SummaryWalk(project).Run<true>(from, to, [&](model::DayNumber, int, int group, const EntryContribution& c) {
        if (group >= 0)
            AddToGroupTotals(totals[static_cast<std::size_t>(group)], c);
    });
    return totals;
}

} // namespace kontaro::calc
