#pragma once
// The unrounded totals behind the rows of the two summaries. Each entry of the stored
// days from `from` to `to` (both included) is added in the order of the days and of
// their entries with AddToTotal, so that every total is rounded to a double after each
// addition; the summaries' figures depend on exactly this order. Entries whose product
// (or, for groups, whose group on the entry's day) is missing are skipped.
#include "model/project_file.h"

#include <vector>

namespace kontaro::calc {

struct SummaryTotals {
    double menge = 0.0; // products only, and only their taxed, counted entries
    double brutto = 0.0;
    double netto = 0.0;   // taxed entries only
    double einkauf = 0.0; // taxed entries only
};

// One per product, in catalogue order.
std::vector<SummaryTotals> ProductTotals(const model::Project& project, model::DayNumber from, model::DayNumber to);

// One per group, in the order of the groups; each entry counts for the group its
// product belongs to on the entry's own day.
std::vector<SummaryTotals> GroupTotals(const model::Project& project, model::DayNumber from, model::DayNumber to);

} // namespace kontaro::calc
