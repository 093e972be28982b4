#pragma once
// The report verbs: the grids of the day view, the two summaries and the product
// overview, printed as an aligned text table or as CSV. Each returns the exit
// status and throws Failure for an error; a summary period without stored days
// prints the reset grid, warns on standard error and returns kExitNothingFound.
#include "cli/cli_args.h"

namespace kontaro::cli {

inline constexpr int kExitNothingFound = 1;

int RunSummary(Arguments& args);
int RunGroups(Arguments& args);
int RunDay(Arguments& args);
int RunProducts(Arguments& args);

} // namespace kontaro::cli
