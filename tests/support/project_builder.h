#pragma once
// Products, groups and stored days built in code, for the tests of every layer. A
// duplicate ID or entry throws std::logic_error, which fails the test.
#include "model/catalogue.h"
#include "model/day_number.h"
#include "model/days.h"
#include "model/project_file.h"

#include <initializer_list>
#include <optional>
#include <string>

namespace kontaro::test {

// 2005-03-01 .. 2005-03-31 and so on: the month of the worked examples.
model::DayNumber March(int day);

// A product with one dated value per list from `from` on.
struct ProductSpec {
    int32_t id = 1;
    std::string name = "Cola";            // Windows-1252 bytes
    double einkauf = 1.20;                // unit cost, or the share in percent with einkaufProzent
    std::optional<double> verkauf = 2.50; // gross sales price; none: variable sales price
    double steuer = 19;
    int32_t gruppe = 10;
    bool einkaufProzent = false;
    model::DayNumber from = March(1);
};

// The product made of `spec`; further dated values are added through the result.
model::tProduct& AddProduct(model::tProducts& products, const ProductSpec& spec);
model::tProduct& AddProduct(model::Project& project, const ProductSpec& spec);
void AddGroup(model::tGroups& groups, int32_t id, const std::string& name);
void AddGroup(model::Project& project, int32_t id, const std::string& name);
// Adds an entry, creating the day when it is not stored yet.
void AddEntry(model::tDays& days, model::DayNumber day, int32_t productId, double value);
void AddEntry(model::Project& project, model::DayNumber day, int32_t productId, double value);
// Stores a new day with these entries (ProductID and Value) in this order; with none,
// an empty stored day.
void AddDay(model::tDays& days, model::DayNumber date, std::initializer_list<model::tDayEntry> entries);

} // namespace kontaro::test
