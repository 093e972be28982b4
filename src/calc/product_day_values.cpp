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
void NarrowToValidRange(const List& list, model::DayNumber day, int64_t& from, int64_t& until)
{
    const int index = list.IndexOfDate(list.ItemAt(day).Date);
    if (index > 0)
        from = std::max<int64_t>(from, list.Item(index).Date);
    if (index + 1 < list.Count())
        until = std::min<int64_t>(until, list.Item(index + 1).Date);
}

} // namespace

IdIndex::IdIndex(std::vector<int32_t> sortedIds) : ids_(std::move(sortedIds))
{
    if (ids_.empty())
        return;
    // A table of up to a few entries per ID plus some slack costs little memory.
    const int64_t span = static_cast<int64_t>(ids_.back()) - ids_.front() + 1;
    if (span > 4 * static_cast<int64_t>(ids_.size()) + 4096)
        return;
    first_ = ids_.front();
    table_.assign(static_cast<std::size_t>(span), -1);
    for (std::size_t i = 0; i < ids_.size(); ++i)
        table_[static_cast<std::size_t>(ids_[i] - first_)] = static_cast<int32_t>(i);
}

int IdIndex::Search(int32_t id) const
{
    const auto found = std::lower_bound(ids_.begin(), ids_.end(), id);
    if (found == ids_.end() || *found != id)
        return -1;
    return static_cast<int>(found - ids_.begin());
}

ProductDayValues::ProductDayValues(const model::tProducts& products)
    : products_(products), slots_(static_cast<std::size_t>(products.Count()))
{}

void ProductDayValues::Refresh(Slot& slot, int index, model::DayNumber day)
{
    const model::tProduct& product = products_.Item(index);
    slot.from = kBeforeAll;
    slot.until = kAfterAll;
    if (!product.VerkaufVariabel)
        NarrowToValidRange(product.Verkauf, day, slot.from, slot.until);
    NarrowToValidRange(product.Einkauf, day, slot.from, slot.until);
    NarrowToValidRange(product.Steuer, day, slot.from, slot.until);
    slot.values = LookUpDayValues(product, day);
}

void ProductDayValues::RefreshGroup(Slot& slot, int index, model::DayNumber day)
{
    const model::tProduct& product = products_.Item(index);
    slot.groupFrom = kBeforeAll;
    slot.groupUntil = kAfterAll;
    NarrowToValidRange(product.Gruppe, day, slot.groupFrom, slot.groupUntil);
    slot.group = product.Gruppe.ValueAt(day);
}

} // namespace kontaro::calc
