#pragma once
// Lookups for the summaries, which visit the entries of many days in ascending date
// order: products and groups by ID through a table of their indices, and each
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

// The index of every ID of a collection: a table from the smallest to the greatest
// ID when the IDs are dense enough, else a binary search in the sorted IDs.
class IdIndex {
public:
    template <class Collection>
    static IdIndex Of(const Collection& collection)
    {
        std::vector<int32_t> ids;
        ids.reserve(static_cast<std::size_t>(collection.Count()));
        for (int i = 0; i < collection.Count(); ++i)
            ids.push_back(collection.Item(i).ID);
        return IdIndex(std::move(ids));
    }

    // The index of `id`, or -1.
    int Find(int32_t id) const
    {
        if (!table_.empty()) {
            const int64_t slot = static_cast<int64_t>(id) - first_;
            if (slot < 0 || slot >= static_cast<int64_t>(table_.size()))
                return -1;
            return table_[static_cast<std::size_t>(slot)];
        }
        return Search(id);
    }

private:
    explicit IdIndex(std::vector<int32_t> sortedIds);
    int Search(int32_t id) const;

    std::vector<int32_t> ids_;
    int64_t first_ = 0;
    std::vector<int32_t> table_; // index per ID from first_ on, -1 for gaps
};

class ProductDayValues {
public:
    explicit ProductDayValues(const model::tProducts& products);

    // The values of the product at `index` valid on `day`.
    const DayValues& ValuesAt(int index, model::DayNumber day)
    {
        Slot& slot = slots_[static_cast<std::size_t>(index)];
        if (!(slot.from <= day && day < slot.until))
            Refresh(slot, index, day);
        return slot.values;
    }

    // The group ID of the product at `index` valid on `day`.
    int32_t GroupAt(int index, model::DayNumber day)
    {
        Slot& slot = slots_[static_cast<std::size_t>(index)];
        if (!(slot.groupFrom <= day && day < slot.groupUntil))
            RefreshGroup(slot, index, day);
        return slot.group;
    }

private:
    struct Slot {
        int64_t from = 0;
        int64_t until = 0; // empty range: not looked up yet
        DayValues values;
        int64_t groupFrom = 0;
        int64_t groupUntil = 0;
        int32_t group = 0;
    };

    void Refresh(Slot& slot, int index, model::DayNumber day);
    void RefreshGroup(Slot& slot, int index, model::DayNumber day);

    const model::tProducts& products_;
    std::vector<Slot> slots_;
};

} // namespace kontaro::calc
