#pragma once
// The sales in a till's export, summed per day and article: what the import
// writes into the days. Only receipts of type "Beleg" count (orders and the other
// "AV" types are reported as excluded); of their lines those of type "Umsatz" of
// the business itself become article sales, summed with their sign (voided lines,
// cancellations and returns net out); discounts, surcharges, deposits, vouchers,
// tips and the rest are reported per day and never become sales. A line's gross
// is the sum of its VAT rows; its quantity is its MENGE.
#include "model/day_number.h"
#include "till/decimal.h"
#include "till/export_files.h"

#include <string>
#include <vector>

namespace kontaro::till {

enum class DayRule {
    ReceiptEnd,  // the local date of the receipt's end (BON_ENDE)
    BusinessDay, // the business day of the till's closing
};

struct Article {
    std::string number; // ART_NR as written, UTF-8
    std::string text;   // ARTIKELTEXT of its first line, UTF-8
};

// The order articles are listed in: numeric article numbers by value, then the
// others by their text.
bool ArticleOrder(const Article& a, const Article& b);

struct ArticleSales {
    int article = 0; // index into TillSales::articles
    Decimal quantity;
    Decimal gross;
};

// What the day's receipts held besides article sales; gross amounts.
struct ExcludedAmounts {
    Decimal orders; // receipts of the AV types, all their lines
    Decimal discounts;
    Decimal deposits;
    Decimal vouchers;
    Decimal tips;
    Decimal agency; // sales on behalf of a third party
    Decimal other;
};

struct DaySales {
    model::DayNumber day = 0;
    std::vector<ArticleSales> sales; // ascending article number
    ExcludedAmounts excluded;
};

struct TillSales {
    std::vector<Article> articles;
    std::vector<DaySales> days;     // ascending day
    std::vector<std::string> notes; // plausible inconsistencies, German, UTF-8
    int receipts = 0;               // receipts of type "Beleg"
    int tills = 0;
};

// Reads and sums the export. Throws ImportError when a table or column it needs
// is missing, a field cannot be read, or a receipt's lines do not add up to its
// total beyond rounding; then nothing may be imported.
TillSales ReadTillSales(const ExportFiles& files, DayRule rule);

} // namespace kontaro::till
