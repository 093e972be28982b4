#pragma once
// Lookups for the summaries, which visit the entries of many days in ascending date
// order: products by ID through a flat copy of the catalogue's sorted IDs, and each
// product's dated values cached together with the range of days on which they all
// stay valid, so that a product's lists are searched again only when a day leaves
// that range. Every value comes from the data model's own lookups, so the results
// are those of looking everything up per entry. The catalogue must not change while
// an instance is in use.
#include "calc/entry_figures.h"
#include "model/catalogue.h"

#include <cstdint>
#include <vector>

namespace kontaro::calc {

// A sorted list of IDs and the search for one of them.
class IdIndex {
public:
    template <class Collection>
    static IdIndex Of(const Collection& collection)
    {
        IdIndex index;
        index.ids_.reserve(static_cast<std::size_t>(collection.Count()));
        for (int i = 0; i < collection.Count(); ++i)
            index.ids_.push_back(collection.Item(i).ID);
        return index;
    }

    // The index of `id`, or -1. A search for a greater ID than the last one found
    // may start at `from`, the last index found.
    int Find(int32_t id, int from = 0) const;

private:
    std::vector<int32_t> ids_;
};

class ProductDayValues {
public:
    explicit ProductDayValues(const tProducts& products);

    // The values of the product at `index` valid on `day`.
    const DayValues& ValuesAt(int index, DayNumber day);
    // The group ID of the product at `index` valid on `day`.
    int32_t GroupAt(int index, DayNumber day);

private:
    struct Slot {
        int64_t from = 0;
        int64_t until = 0; // empty range: not looked up yet
        DayValues values;
        int64_t groupFrom = 0;
        int64_t groupUntil = 0;
        int32_t group = 0;
    };

    const tProducts& products_;
    std::vector<Slot> slots_;
};

} // namespace kontaro::calc
