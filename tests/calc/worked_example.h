#pragma once
// The project of the calculations' worked examples.
#include "support/project_builder.h"

namespace kontaro::test {

// The two lines of the worked examples: product 1 (2.50 gross, cost 1.20, 19 %,
// group 10) and product 2 (variable price, purchase 30 % of the net sales, 7 %,
// group `secondGroup`), sold on March(6) with Menge 3 and 100.00 gross.
model::Project WorkedExample(int32_t secondGroup = 20);

} // namespace kontaro::test
