#pragma once
// The unrounded totals behind the rows of the two summaries. Each entry of the stored
// days from `from` to `to` (both included) is added in the order of the days and of
// their entries with AddToTotal, so that every total is rounded to a double after each
// addition; the summaries' figures depend on exactly this order. Entries whose product
// (or, for groups, whose group on the entry's day) is missing are skipped.
#include "calc/day_walk.h"
#include "calc/entry_figures.h"
#include "calc/product_day_values.h"
#include "model/project_file.h"

#include <vector>

namespace kontaro::calc {

struct SummaryTotals {
    double menge = 0.0; // products only, and only their taxed, counted entries
    double brutto = 0.0;
    double netto = 0.0;   // taxed entries only
    double einkauf = 0.0; // taxed entries only
};

// One per product, in catalogue order.
std::vector<SummaryTotals> ProductTotals(const model::Project& project, model::DayNumber from, model::DayNumber to);

// One per group, in the order of the groups; each entry counts for the group its
// product belongs to on the entry's own day.
std::vector<SummaryTotals> GroupTotals(const model::Project& project, model::DayNumber from, model::DayNumber to);

// What an entry adds to its group's totals, and to its product's.
inline void AddToGroupTotals(SummaryTotals& total, const EntryContribution& c)
{
    AddToTotal(total.brutto, c.gross);
    if (c.taxed) {
        AddToTotal(total.netto, c.net);
        AddToTotal(total.einkauf, c.purchase);
    }
}

inline void AddToProductTotals(SummaryTotals& total, const EntryContribution& c)
{
    if (c.counted && c.taxed)
        AddToTotal(total.menge, c.quantity);
    AddToGroupTotals(total, c);
}

// The walk both summaries add their totals in: every entry of a product in the
// catalogue, with the product's index, its group's index on the entry's day (-1
// when that group is missing, and always -1 unless groups are looked up) and the
// entry's contribution. The catalogue must not change while a walk exists.
class SummaryWalk {
public:
    explicit SummaryWalk(const model::Project& project);

    template <bool kWithGroups, class Visit>
    void Run(model::DayNumber from, model::DayNumber to, Visit&& visit)
    {
        const int firstDay = project_.Days.IndexFromDate(from);
        if (firstDay < 0)
            return;
        ForEachEntry(project_.Days, firstDay, to, [&](model::DayNumber date, const model::tDayEntry& entry) {
            const int index = productIds_.Find(entry.ProductID);
            if (index < 0)
                return;
            int groupIndex = -1;
            if constexpr (kWithGroups)
                groupIndex = groupIds_.Find(values_.GroupAt(index, date));
            const EntryContribution c =
                ContributionOf(*items_[static_cast<std::size_t>(index)], values_.ValuesAt(index, date), entry.Value);
            visit(date, index, groupIndex, c);
        });
    }

private:
    const model::Project& project_;
    IdIndex productIds_;
    IdIndex groupIds_;
    ProductDayValues values_;
    std::vector<const model::tProduct*> items_; // by index, without Item()'s range check
};

} // namespace kontaro::calc
