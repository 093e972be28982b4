#pragma once
// The catalogue of the café whose till wrote the sample export in
// tests/data/till/sample: the articles 1001, 2002 and 3003 with fixed prices and
// 4711, the daily dish, with a variable price.
#include "model/project_file.h"

#include <string>

namespace kontaro::test {

void FillTillProject(model::Project& project);
// The folder of a till export fixture under tests/data/till.
std::string TillExport(const std::string& name);

} // namespace kontaro::test
