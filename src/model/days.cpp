#include "model/days.h"

#include "model/sorted_list.h"

#include <algorithm>

namespace kontaro::model {

namespace {
constexpr auto kProductOf = [](const tDayEntry& e) { return e.ProductID; };
constexpr auto kDateOf = [](const tDay& d) { return d.Date; };
} // namespace

void tDay::ThrowIndexError(int index) const { throw IndexError(IndexErrorText(index, entries_.size())); }
int tDay::IndexOfProduct(int32_t productId) const { return SortedIndexOf(entries_, productId, kProductOf); }
int tDay::AddEntry(std::unique_ptr<tDayEntry>& entry) { return InsertSorted(entries_, entry, kProductOf); }
void tDay::SortByProduct() { SortByKey(entries_, kProductOf); }
void tDay::Clear() { entries_.clear(); }

int tDays::Count() const { return static_cast<int>(days_.size()); }
const tDay& tDays::Item(int index) const { return *days_[CheckedIndex(index, days_.size())]; }
tDay& tDays::Item(int index) { return *days_[CheckedIndex(index, days_.size())]; }
int tDays::IndexOfDate(DayNumber day) const { return SortedIndexOf(days_, day, kDateOf); }

int tDays::IndexFromDate(DayNumber day) const
{
    const auto it = LowerBoundByKey(days_, day, kDateOf);
    return it == days_.end() ? -1 : static_cast<int>(it - days_.begin());
}

int tDays::AddDay(std::unique_ptr<tDay>& day) { return InsertSorted(days_, day, kDateOf); }

bool tDays::DeleteDate(DayNumber day)
{
    const int index = IndexOfDate(day);
    if (index < 0)
        return false;
    days_.erase(days_.begin() + index);
    return true;
}

void tDays::SortByDate() { SortByKey(days_, kDateOf); }
void tDays::Clear() { days_.clear(); }

} // namespace kontaro::model
