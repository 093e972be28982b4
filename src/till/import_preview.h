#pragma once
// The preview of an import as lines of text (UTF-8), the same for the report tool
// and the import dialog: per day the entries written, replaced or removed with the
// till's and the catalogue's gross, the day's totals, the articles without a
// product and the excluded amounts; then the unmapped articles over the whole
// export and the notes on plausible inconsistencies. Figures use the locale's
// decimal separator.
#include "numbers/number_locale.h"
#include "till/import_plan.h"

#include <string>
#include <vector>

namespace kontaro::till {

std::vector<std::string> PreviewLines(const model::Project& project, const TillSales& sales, const ImportPlan& plan,
                                      DayRule rule, const std::string& source, const numbers::NumberLocale& locale);

// The texts of the day rules and modes, as the preview names them.
std::string_view DayRuleText(DayRule rule);
std::string_view ImportModeText(ImportMode mode);

} // namespace kontaro::till
