#include "support/till_project.h"

#include "support/project_builder.h"

namespace kontaro::test {

void FillTillProject(model::Project& project)
{
    const model::DayNumber from = model::DayFromCivil({2024, 1, 1});
    AddGroup(project, 1, "Getr\xe4nke");
    AddGroup(project, 2, "Speisen");
    AddProduct(project, {1001, "Cappuccino", 0.60, 3.20, 19, 1, false, from});
    AddProduct(project, {2002, "Croissant Butter", 0.80, 2.50, 7, 2, false, from});
    AddProduct(project, {3003, "Apfelsaft 0,3 l", 0.70, 2.90, 19, 1, false, from});
    AddProduct(project, {4711, "Tagesgericht", 35, std::nullopt, 19, 2, true, from});
}

std::string TillExport(const std::string& name) { return std::string(KONTARO_TEST_DATA) + "/till/" + name; }

} // namespace kontaro::test
