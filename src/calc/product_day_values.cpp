#include "calc/product_day_values.h"

#include <algorithm>
#include <limits>

namespace kontaro::calc {

namespace {

constexpr int64_t kBeforeAll = std::numeric_limits<int64_t>::min();
constexpr int64_t kAfterAll = std::numeric_limits<int64_t>::max();

// Narrows [from, until) to the days on which the list's value valid on `day`
// holds: from its own date (from any earlier day for the first item) up to the
// next item's date.
template <class List>
void NarrowToValidRange(const List& list, DayNumber day, int64_t& from, int64_t& until)
{
    const int index = list.IndexOfDate(list.ItemAt(day).Date);
    if (index > 0)
        from = std::max<int64_t>(from, list.Item(index).Date);
    if (index + 1 < list.Count())
        until = std::min<int64_t>(until, list.Item(index + 1).Date);
}

bool Holds(int64_t from, int64_t until, DayNumber day) { return from <= day && day < until; }

} // namespace

int IdIndex::Find(int32_t id, int from) const
{
    std::ptrdiff_t first = std::clamp<std::ptrdiff_t>(from, 0, std::ssize(ids_));
    if (first < std::ssize(ids_) && ids_[static_cast<std::size_t>(first)] > id)
        first = 0;
    const auto start = ids_.begin() + first;
    const auto found = std::lower_bound(start, ids_.end(), id);
    if (found == ids_.end() || *found != id)
        return -1;
    return static_cast<int>(found - ids_.begin());
}

ProductDayValues::ProductDayValues(const tProducts& products)
    : products_(products), slots_(static_cast<std::size_t>(products.Count()))
{
}

const DayValues& ProductDayValues::ValuesAt(int index, DayNumber day)
{
    Slot& slot = slots_[static_cast<std::size_t>(index)];
    if (!Holds(slot.from, slot.until, day)) {
        const tProduct& product = products_.Item(index);
        slot.from = kBeforeAll;
        slot.until = kAfterAll;
        if (!product.VerkaufVariabel)
            NarrowToValidRange(product.Verkauf, day, slot.from, slot.until);
        NarrowToValidRange(product.Einkauf, day, slot.from, slot.until);
        NarrowToValidRange(product.Steuer, day, slot.from, slot.until);
        slot.values = LookUpDayValues(product, day);
    }
    return slot.values;
}

int32_t ProductDayValues::GroupAt(int index, DayNumber day)
{
    Slot& slot = slots_[static_cast<std::size_t>(index)];
    if (!Holds(slot.groupFrom, slot.groupUntil, day)) {
        const tProduct& product = products_.Item(index);
        slot.groupFrom = kBeforeAll;
        slot.groupUntil = kAfterAll;
        NarrowToValidRange(product.Gruppe, day, slot.groupFrom, slot.groupUntil);
        slot.group = product.Gruppe.ValueAt(day);
    }
    return slot.group;
}

} // namespace kontaro::calc
