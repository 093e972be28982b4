#include "calc/worked_example.h"

namespace kontaro::test {

model::Project WorkedExample(int32_t secondGroup)
{
    model::Project project;
    AddGroup(project, 10, "Getr\xe4nke");
    if (secondGroup != 10)
        AddGroup(project, secondGroup, "Essen");
    AddProduct(project, {.id = 1, .name = "Cola"});
    AddProduct(project, {.id = 2,
                         .name = "Tagesessen",
                         .einkauf = 30,
                         .verkauf = std::nullopt,
                         .steuer = 7,
                         .gruppe = secondGroup,
                         .einkaufProzent = true});
    AddEntry(project, March(6), 1, 3);
    AddEntry(project, March(6), 2, 100);
    return project;
}

} // namespace kontaro::test
