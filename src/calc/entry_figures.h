#pragma once
// The figures of one line of sales: the day view's chain of shown values for one
// grid row, the day view's footer, and the unrounded contributions of one entry
// to the summaries.
//
// Intermediate results are carried in extended precision (long double); every
// figure is rounded to a double when it is stored. A tax factor of 0 (a rate of
// -100, which only a file can hold) never divides: the figures that need the
// division have no value.
#include "model/catalogue.h"
#include "model/day_number.h"
#include "numbers/number_locale.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kontaro::calc {

// The computed cells of a day row, as texts.
struct RowFigures {
    std::string verkaufB;
    std::string verkaufN;
    std::string einkauf;
    std::string steuer;
    std::string db1;
    std::string db1Prozent;
};

// The figures of a day row on `day` from the row's shown "Produkt", "Menge" and
// "Verkauf (B)" texts. "Verkauf (B)" is recomputed from the quantity unless the
// product has a variable sales price, in which case the typed text is kept as it
// is and read as the gross amount. Nothing when the "Produkt" text is not an integer or names
// no product, or when a text the row needs is not a number: the row keeps its
// cells. Index error only for a product whose needed dated list is empty.
std::optional<RowFigures> ComputeRowFigures(const model::tProducts& products, model::DayNumber day,
                                            std::string_view produkt, std::string_view menge, std::string_view verkaufB,
                                            const numbers::NumberLocale& locale);

// The sum of the numbers that a column's texts denote; texts that are empty or not
// numbers add nothing. Added in extended precision, rounded to a double each time.
double SumOfShownValues(const std::vector<std::string_view>& texts, const numbers::NumberLocale& locale);

// The footer's "DB1 (%)" of the day view: empty when the shown gross sum is 0,
// otherwise (DB1 sum * 100) / gross sum of the two shown sums: the margin in
// percent of the day's gross sales.
std::string DayFooterPercent(std::string_view verkaufBSum, std::string_view db1Sum,
                             const numbers::NumberLocale& locale);

// What one entry adds to the totals of a summary, unrounded. `counted` is false
// for a product with a variable sales price, whose entries add no quantity; with a
// tax factor of 0 only the gross amount is added (`taxed` false).
struct EntryContribution {
    long double quantity = 0;
    long double gross = 0;
    long double net = 0;
    long double purchase = 0;
    bool counted = false;
    bool taxed = false;
};

// The attributes of a product valid on an entry's day, as the lookups give them.
struct DayValues {
    double price = 0;  // gross sales price per unit (unused with VerkaufVariabel)
    double cost = 0;   // net purchase price per unit, or the purchase share (fraction)
    double factor = 1; // tax factor, 1 + rate / 100
};

DayValues LookUpDayValues(const model::tProduct& product, model::DayNumber day);

// Inline: the summaries call it for every entry of their period.
inline EntryContribution ContributionOf(const model::tProduct& product, const DayValues& values, double value)
{
    EntryContribution c;
    const long double amount = value;
    c.counted = !product.VerkaufVariabel;
    c.taxed = values.factor != 0;
    c.quantity = amount;
    c.gross = product.VerkaufVariabel ? amount : static_cast<long double>(values.price) * amount;
    if (c.taxed) {
        c.net = c.gross / values.factor;
        c.purchase = product.EinkaufProzent ? values.cost * (amount / values.factor) : values.cost * amount;
    }
    return c;
}

// Adds `amount` to `total` in extended precision and stores the result as a double.
inline void AddToTotal(double& total, long double amount)
{
    total = static_cast<double>(static_cast<long double>(total) + amount);
}

} // namespace kontaro::calc
