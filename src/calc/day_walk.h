#pragma once
// The walk of the summaries over the entries of a range of stored days.
#include "model/days.h"

#include <utility>
#include <vector>

namespace kontaro::calc {

// Calls visit(date, entry) for every entry of the stored days from index `first`
// on while their date is not after `to`, days in ascending order and each day's
// entries in stored order. Every entry lives in an allocation of its own, so the
// next day's entries are fetched into the cache while one day is visited.
template <class Visit>
void ForEachEntry(const model::tDays& days, int first, model::DayNumber to, Visit&& visit)
{
    std::vector<const model::tDayEntry*> current;
    std::vector<const model::tDayEntry*> next;
    const auto gather = [&days](int index, std::vector<const model::tDayEntry*>& entries) {
        entries.clear();
        if (index >= days.Count())
            return;
        const model::tDay& day = days.Item(index);
        if (index + 1 < days.Count())
            __builtin_prefetch(&days.Item(index + 1));
        for (int e = 0; e < day.Count(); ++e) {
            entries.push_back(&day.Entry(e));
            __builtin_prefetch(entries.back());
        }
    };
    gather(first, current);
    for (int d = first; d < days.Count() && days.Item(d).Date <= to; ++d) {
        gather(d + 1, next);
        const model::DayNumber date = days.Item(d).Date;
        for (const model::tDayEntry* entry : current)
            visit(date, *entry);
        std::swap(current, next);
    }
}

} // namespace kontaro::calc
