#include "support/project_builder.h"

#include <memory>
#include <stdexcept>

namespace kontaro::test {

model::DayNumber March(int day) { return model::DayFromCivil({2005, 3, day}); }

model::tProduct& AddProduct(model::tProducts& products, const ProductSpec& spec)
{
    auto product = std::make_unique<model::tProduct>();
    product->ID = spec.id;
    product->Name.AddValue(spec.from, spec.name);
    product->Einkauf.AddValue(spec.from, spec.einkauf);
    if (spec.verkauf)
        product->Verkauf.AddValue(spec.from, *spec.verkauf);
    product->Steuer.AddValue(spec.from, spec.steuer);
    product->Gruppe.AddValue(spec.from, spec.gruppe);
    product->EinkaufProzent = spec.einkaufProzent;
    product->VerkaufVariabel = !spec.verkauf;
    const int index = products.AddProduct(product);
    if (index < 0)
        throw std::logic_error("duplicate product in a test project");
    return products.Item(index);
}

model::tProduct& AddProduct(model::Project& project, const ProductSpec& spec)
{
    return AddProduct(project.Products, spec);
}

void AddGroup(model::tGroups& groups, int32_t id, const std::string& name)
{
    auto group = std::make_unique<model::tGroup>();
    group->ID = id;
    group->Name = name;
    if (groups.AddGroup(group) < 0)
        throw std::logic_error("duplicate group in a test project");
}

void AddGroup(model::Project& project, int32_t id, const std::string& name) { AddGroup(project.Groups, id, name); }

void AddEntry(model::tDays& days, model::DayNumber day, int32_t productId, double value)
{
    int index = days.IndexOfDate(day);
    if (index < 0) {
        auto stored = std::make_unique<model::tDay>();
        stored->Date = day;
        index = days.AddDay(stored);
    }
    auto entry = std::make_unique<model::tDayEntry>();
    entry->ProductID = productId;
    entry->Value = value;
    if (days.Item(index).AddEntry(entry) < 0)
        throw std::logic_error("duplicate entry in a test project");
}

void AddEntry(model::Project& project, model::DayNumber day, int32_t productId, double value)
{
    AddEntry(project.Days, day, productId, value);
}

void AddDay(model::tDays& days, model::DayNumber date, std::initializer_list<model::tDayEntry> entries)
{
    auto day = std::make_unique<model::tDay>();
    day->Date = date;
    for (const model::tDayEntry& e : entries) {
        auto entry = std::make_unique<model::tDayEntry>(e);
        if (day->AddEntry(entry) < 0)
            throw std::logic_error("duplicate entry in a test project");
    }
    if (days.AddDay(day) < 0)
        throw std::logic_error("duplicate day in a test project");
}

} // namespace kontaro::test
