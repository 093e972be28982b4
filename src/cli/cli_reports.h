#pragma once
// The report verbs: the grids of the day view, the two summaries and the product
// overview, printed as an aligned text table or as CSV. Each returns the exit
// status and throws Failure for an error; a summary period without stored days
// prints the reset grid, warns on standard error and returns kExitNothingFound.
#include "cli/cli_args.h"
#include "model/day_number.h"
#include "numbers/number_locale.h"

#include <optional>
#include <string>
#include <string_view>

namespace kontaro::cli {

inline constexpr int kExitNothingFound = 1;

// What the report verbs share: "--decimal , or ." (else the environment's
// separators), a date option as JJJJ-MM-TT, and the project named by the one
// positional word, loaded with a warning on standard error when something was
// dropped; each throws Failure for an error.
numbers::NumberLocale TakeNumberLocale(Arguments& args);
std::optional<model::DayNumber> TakeDate(Arguments& args, std::string_view option);
model::DayNumber TakeRequiredDate(Arguments& args, std::string_view option, std::string_view usage);
std::string LoadProject(Arguments& args, std::string_view usage, model::Project& project);

int RunSummary(Arguments& args);
int RunGroups(Arguments& args);
int RunDay(Arguments& args);
int RunProducts(Arguments& args);

} // namespace kontaro::cli
