#pragma once
// Small projects for the calculation tests, built in code.
#include "model/day_number.h"
#include "model/project_file.h"

#include <optional>
#include <string>

namespace kontaro::calc::test {

// 2005-03-01 .. 2005-03-31 and so on: the month of the worked examples.
DayNumber March(int day);

struct ProductSpec {
    int32_t id = 1;
    std::string name = "Cola";  // Windows-1252 bytes
    double einkauf = 1.20;      // unit cost, or the share in percent with einkaufProzent
    std::optional<double> verkauf = 2.50; // none: variable sales price
    double steuer = 19;
    int32_t gruppe = 10;
    bool einkaufProzent = false;
    DayNumber from = March(1); // date of every first value
};

// The product made of `spec`; further dated values are added through the result.
tProduct& AddProduct(Project& project, const ProductSpec& spec);
void AddGroup(Project& project, int32_t id, const std::string& name);
// Adds an entry, creating the day when it is not stored yet.
void AddEntry(Project& project, DayNumber day, int32_t productId, double value);

// The two lines of the worked examples: product 1 (2.50 gross, cost 1.20, 19 %,
// group 10) and product 2 (variable price, purchase 30 % of the net sales, 7 %,
// group `secondGroup`), sold on March(6) with Menge 3 and 100.00 gross.
Project WorkedExample(int32_t secondGroup = 20);

} // namespace kontaro::calc::test
