#include "model/dated_lists.h"

#include "model/sorted_list.h"

#include <algorithm>

namespace kontaro::model {

template <class TItem>
int tDatedList<TItem>::Count() const
{
    return static_cast<int>(items_.size());
}

template <class TItem>
const TItem& tDatedList<TItem>::Item(int index) const
{
    return *items_[CheckedIndex(index, items_.size())];
}

template <class TItem>
TItem& tDatedList<TItem>::Item(int index)
{
    return *items_[CheckedIndex(index, items_.size())];
}

template <class TItem>
int tDatedList<TItem>::IndexOfDate(DayNumber day) const
{
    return SortedIndexOf(items_, day, [](const TItem& item) { return item.Date; });
}

template <class TItem>
const TItem& tDatedList<TItem>::ItemAt(DayNumber day) const
{
    if (items_.empty())
        throw IndexError(IndexErrorText(0, 0));
    // The last item dated on or before the day; the first item for earlier days.
    const auto after = std::upper_bound(items_.begin(), items_.end(), day,
                                        [](DayNumber d, const auto& item) { return d < item->Date; });
    return after == items_.begin() ? *items_.front() : **(after - 1);
}

template <class TItem>
void tDatedList<TItem>::SortByDate()
{
    SortByKey(items_, [](const TItem& item) { return item.Date; });
}

template <class TItem>
void tDatedList<TItem>::Clear()
{
    items_.clear();
}

template <class TItem>
bool tDatedList<TItem>::AddItem(TItem item)
{
    auto owned = std::make_unique<TItem>(std::move(item));
    return InsertSorted(items_, owned, [](const TItem& i) { return i.Date; }) >= 0;
}

template class tDatedList<tStringItem>;
template class tDatedList<tFloatItem>;
template class tDatedList<tIntegerItem>;

bool tTimeStringList::AddValue(DayNumber day, const std::string& text) { return AddItem(tStringItem{day, text}); }

void tTimeStringList::ValueAt(DayNumber day, std::string& text) const { text = ItemAt(day).Text; }

bool tTimeFloatList::AddValue(DayNumber day, double value) { return AddItem(tFloatItem{day, value}); }

double tTimeFloatList::ValueAt(DayNumber day) const { return ItemAt(day).Value; }

double tTimeProzentList::FractionAt(DayNumber day) const { return ValueAt(day) / 100.0; }

double tTimeProzentList::FactorAt(DayNumber day) const
{
    // The fraction is a double of its own before 1 is added.
    const double fraction = FractionAt(day);
    return 1.0 + fraction;
}

bool tTimeintegerList::AddValue(DayNumber day, int32_t value) { return AddItem(tIntegerItem{day, value}); }

int32_t tTimeintegerList::ValueAt(DayNumber day) const { return ItemAt(day).Value; }

} // namespace kontaro::model
