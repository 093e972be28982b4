#pragma once
// Dated value lists: each value holds from its own date up to the day before the
// next value's date; the first value also holds for every earlier day. Items are
// kept in ascending date order with unique dates; the list owns them, and callers
// use an item only until the list next changes.
#include "model/day_number.h"
#include "model/index_error.h"

#include <memory>
#include <string>
#include <vector>

namespace kontaro::model {

struct tStringItem {
    DayNumber Date = 0;
    std::string Text; // Windows-1252 bytes
};

struct tFloatItem {
    DayNumber Date = 0;
    double Value = 0.0;
};

struct tIntegerItem {
    DayNumber Date = 0;
    int32_t Value = 0;
};

// The shared mechanics of the four lists; TItem has Date and a value field.
template <class TItem>
class tDatedList {
public:
    int Count() const;
    // Index error outside 0 .. Count()-1.
    const TItem& Item(int index) const;
    TItem& Item(int index);
    // Index of the item dated exactly `day`, or -1.
    int IndexOfDate(DayNumber day) const;
    // The item valid on `day`; index error on an empty list.
    const TItem& ItemAt(DayNumber day) const;
    void SortByDate();
    void Clear();

protected:
    // False (and nothing stored) when an item with this date exists.
    bool AddItem(TItem item);

    std::vector<std::unique_ptr<TItem>> items_;
};

class tTimeStringList : public tDatedList<tStringItem> {
public:
    bool AddValue(DayNumber day, const std::string& text);
    // The text valid on `day` through the out parameter; index error when empty.
    void ValueAt(DayNumber day, std::string& text) const;
};

class tTimeFloatList : public tDatedList<tFloatItem> {
public:
    bool AddValue(DayNumber day, double value);
    double ValueAt(DayNumber day) const;
};

// Percentages (19 means 19 %); may also hold plain amounts (a purchase price).
class tTimeProzentList : public tTimeFloatList {
public:
    // ValueAt / 100.
    double FractionAt(DayNumber day) const;
    // 1 + the fraction, the fraction rounded to a double before 1 is added.
    double FactorAt(DayNumber day) const;
};

class tTimeintegerList : public tDatedList<tIntegerItem> {
public:
    bool AddValue(DayNumber day, int32_t value);
    int32_t ValueAt(DayNumber day) const;
};

} // namespace kontaro::model
