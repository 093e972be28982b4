#pragma once
// Projects built by program: the large project of the load and save benchmarks and
// the café of examples/. Both are the same on every run and every machine.
#include "model/project_file.h"

namespace kontaro::bench {

// `years` years of days from 2016-01-01 on, 100 products in 8 groups with a few
// dated price, tax and group changes each, about 40 entries per day.
void MakeLargeProject(model::Project& project, int years);

// The ten-year large project, made once per process and shared by the benchmarks
// that only read it, with its first and last stored day.
const model::Project& TenYearProject();
model::DayNumber FirstStoredDay();
model::DayNumber LastStoredDay();

// A small café with bakery: drinks, bread, cakes and snacks, the tax change of the
// second half of 2020, sales from May to August 2020 and a few days of January 2026.
void MakeCafeProject(model::Project& project);

} // namespace kontaro::bench
