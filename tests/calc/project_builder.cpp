#include "project_builder.h"

#include <memory>
#include <stdexcept>

namespace kontaro::calc::test {

DayNumber March(int day) { return DayFromCivil({2005, 3, day}); }

tProduct& AddProduct(Project& project, const ProductSpec& spec)
{
    auto product = std::make_unique<tProduct>();
    product->ID = spec.id;
    product->Name.AddValue(spec.from, spec.name);
    product->Einkauf.AddValue(spec.from, spec.einkauf);
    if (spec.verkauf)
        product->Verkauf.AddValue(spec.from, *spec.verkauf);
    product->Steuer.AddValue(spec.from, spec.steuer);
    product->Gruppe.AddValue(spec.from, spec.gruppe);
    product->EinkaufProzent = spec.einkaufProzent;
    product->VerkaufVariabel = !spec.verkauf;
    const int index = project.Products.AddProduct(product);
    if (index < 0)
        throw std::logic_error("duplicate product in a test project");
    return project.Products.Item(index);
}

void AddGroup(Project& project, int32_t id, const std::string& name)
{
    auto group = std::make_unique<tGroup>();
    group->ID = id;
    group->Name = name;
    if (project.Groups.AddGroup(group) < 0)
        throw std::logic_error("duplicate group in a test project");
}

void AddEntry(Project& project, DayNumber day, int32_t productId, double value)
{
    int index = project.Days.IndexOfDate(day);
    if (index < 0) {
        auto stored = std::make_unique<tDay>();
        stored->Date = day;
        index = project.Days.AddDay(stored);
    }
    auto entry = std::make_unique<tDayEntry>();
    entry->ProductID = productId;
    entry->Value = value;
    if (project.Days.Item(index).AddEntry(entry) < 0)
        throw std::logic_error("duplicate entry in a test project");
}

Project WorkedExample(int32_t secondGroup)
{
    Project project;
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

} // namespace kontaro::calc::test
