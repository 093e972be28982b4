#pragma once
// The sales: one tDay per calendar day with sales, one tDayEntry per product sold
// on it. Days are in ascending, unique date order; entries in ascending, unique
// product ID order. Containers own their elements.
#include "model/day_number.h"
#include "model/index_error.h"

#include <memory>
#include <vector>

namespace kontaro::model {

struct tDayEntry {
    int32_t ProductID = 0;
    // The quantity, or the gross sales amount when the product's VerkaufVariabel is set.
    double Value = 0.0;
};

class tDay {
public:
    DayNumber Date = 0;

    // Inline: the summaries read every entry of their period through them.
    int Count() const { return static_cast<int>(entries_.size()); }
    const tDayEntry& Entry(int index) const
    {
        return *entries_[CheckedEntryIndex(index)];
    } // index error outside the list
    tDayEntry& Entry(int index) { return *entries_[CheckedEntryIndex(index)]; }
    int IndexOfProduct(int32_t productId) const; // -1 when absent
    // Takes ownership and returns the sorted index; -1 when the product is present,
    // and then `entry` stays with the caller.
    int AddEntry(std::unique_ptr<tDayEntry>& entry);
    void SortByProduct();
    void Clear();

private:
    std::size_t CheckedEntryIndex(int index) const
    {
        if (index < 0 || static_cast<std::size_t>(index) >= entries_.size())
            ThrowIndexError(index);
        return static_cast<std::size_t>(index);
    }
    [[noreturn]] void ThrowIndexError(int index) const;

    std::vector<std::unique_ptr<tDayEntry>> entries_;
};

class tDays {
public:
    int Count() const;
    const tDay& Item(int index) const;
    tDay& Item(int index);
    int IndexOfDate(DayNumber day) const;   // exactly this date, or -1
    int IndexFromDate(DayNumber day) const; // first day on or after, or -1
    int AddDay(std::unique_ptr<tDay>& day); // as tDay::AddEntry
    bool DeleteDate(DayNumber day);
    void SortByDate();
    void Clear();

private:
    std::vector<std::unique_ptr<tDay>> days_;
};

} // namespace kontaro::model
