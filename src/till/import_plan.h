#pragma once
// What an import does to a project's days, worked out before anything changes, and
// applying it. Every article of the export goes to a product: the choice made for
// this import, else the mapping the project remembers, else the product whose ID
// equals the article number when that is a plain integer (no sign, blank or
// leading zero). Articles without a product are listed and not imported. A
// product with a fixed sales price gets the day's quantity, one with a variable
// sales price the day's gross amount. Entries of products the export does not
// mention stay as they are; an entry the import leaves at 0 is removed, and a day
// left without entries is deleted.
#include "model/project_file.h"
#include "till/till_sales.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace kontaro::till {

// What happens to a day that already holds entries of products the import writes.
enum class ImportMode {
    Replace, // the import's values replace those entries (importing twice changes nothing)
    Add,     // the import's values are added to them
    Leave,   // the day stays as it is
};

// Article numbers (UTF-8) chosen for products in this import.
using ArticleChoices = std::map<std::string, int32_t>;

struct PlannedEntry {
    int32_t productId = 0;
    bool variable = false;          // the value is a gross amount
    double value = 0;               // what the export brings
    std::optional<double> previous; // the entry before the import
    std::optional<double> result;   // the entry after it; nothing: no entry
    Decimal tillGross;              // the till's gross for the product
    double catalogueGross = 0;      // the gross Kontaro computes from its catalogue
};

struct PlannedDay {
    model::DayNumber day = 0;
    bool left = false;                 // ImportMode::Leave and the day holds entries of these products
    std::vector<PlannedEntry> entries; // ascending product ID
    std::vector<ArticleSales> unmapped;
    ExcludedAmounts excluded;
};

struct UnmappedArticle {
    int article = 0; // index into TillSales::articles
    Decimal quantity;
    Decimal gross;
};

struct ImportPlan {
    ImportMode mode = ImportMode::Replace;
    std::vector<PlannedDay> days;
    std::vector<UnmappedArticle> unmapped; // over the whole export, in article order

    // The first day the import writes to, if any.
    std::optional<model::DayNumber> FirstWrittenDay() const;
};

// The product an article goes to, or nothing.
std::optional<int32_t> ProductForArticle(const model::Project& project, const Article& article,
                                         const ArticleChoices& choices);

ImportPlan PlanImport(const model::Project& project, const TillSales& sales, const ArticleChoices& choices,
                      ImportMode mode);

// Writes the planned entries into the days and remembers the choices that name an
// existing product in the project's mapping (article numbers the project file
// cannot hold, with a character outside Windows-1252, "<" or ">", or blanks around
// them, apply to this import only).
void ApplyImport(model::Project& project, const ImportPlan& plan, const ArticleChoices& choices);

} // namespace kontaro::till
