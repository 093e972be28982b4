#include "bench/project_generator.h"

#include "model/day_number.h"
#include "model/win1252.h"

#include <cmath>
#include <stdexcept>

namespace kontaro::bench {

namespace {

// A small generator of its own, so that the projects do not depend on the
// standard library's distributions.
class Random {
public:
    explicit Random(uint64_t seed) : state_(seed) {}
    uint32_t Next()
    {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 7;
        state_ ^= state_ << 17;
        return static_cast<uint32_t>(state_ >> 16);
    }
    int Between(int low, int high) { return low + static_cast<int>(Next() % static_cast<uint32_t>(high - low + 1)); }

private:
    uint64_t state_;
};

model::DayNumber Date(int year, int month, int day) { return model::DayFromCivil(model::CivilDate{year, month, day}); }

// Model texts are Windows-1252; the sources are UTF-8.
std::string Text(std::string_view utf8)
{
    auto text = model::Utf8ToWin1252(utf8);
    if (!text)
        throw std::invalid_argument("text without a Windows-1252 byte");
    return *text;
}

double Cents(double value) { return std::round(value * 100.0) / 100.0; }

void AddGroup(model::Project& project, int32_t id, std::string_view name)
{
    auto group = std::make_unique<model::tGroup>();
    group->ID = id;
    group->Name = Text(name);
    project.Groups.AddGroup(group);
}

// The German tax rates of 2020: lowered from July to December.
void AddTaxes(model::tTimeProzentList& tax, model::DayNumber from, bool reduced)
{
    tax.AddValue(from, reduced ? 7 : 19);
    tax.AddValue(Date(2020, 7, 1), reduced ? 5 : 16);
    tax.AddValue(Date(2021, 1, 1), reduced ? 7 : 19);
}

} // namespace

void MakeLargeProject(model::Project& project, int years)
{
    project.Clear();
    Random random(20160101);
    const char* groupNames[] = {"Getränke", "Backwaren", "Kuchen", "Snacks", "Frühstück", "Eis", "Süßwaren", "Kaffee"};
    for (int32_t g = 0; g < 8; ++g)
        AddGroup(project, g + 1, groupNames[g]);

    const model::DayNumber first = Date(2016, 1, 1);
    const model::DayNumber last = Date(2016 + years, 1, 1) - 1;
    for (int32_t id = 1; id <= 100; ++id) {
        auto p = std::make_unique<model::tProduct>();
        p->ID = id;
        p->VerkaufVariabel = id % 25 == 0;
        p->EinkaufProzent = p->VerkaufVariabel && id % 50 == 0;
        p->Name.AddValue(first, Text("Artikel " + std::to_string(id) + " Größe M"));
        if (id % 10 == 0)
            p->Name.AddValue(first + random.Between(100, 3000), Text("Artikel " + std::to_string(id) + " neu"));
        double purchase = p->EinkaufProzent ? 35 : Cents(0.2 + random.Between(0, 400) / 100.0);
        double price = Cents(purchase * 2.5 + 0.3);
        for (int change = 0; change < 3; ++change) {
            const model::DayNumber from = change == 0 ? first : first + random.Between(0, last - first);
            p->Einkauf.AddValue(from, purchase);
            if (!p->VerkaufVariabel)
                p->Verkauf.AddValue(from, price);
            purchase = p->EinkaufProzent ? purchase + 1 : Cents(purchase * 1.05);
            price = Cents(price * 1.08);
        }
        AddTaxes(p->Steuer, first, id % 3 != 0);
        p->Gruppe.AddValue(first, (id - 1) % 8 + 1);
        if (id % 7 == 0)
            p->Gruppe.AddValue(first + random.Between(0, last - first), id % 8 + 1);
        project.Products.AddProduct(p);
    }

    for (model::DayNumber date = first; date <= last; ++date) {
        auto day = std::make_unique<model::tDay>();
        day->Date = date;
        const int count = random.Between(35, 45);
        while (day->Count() < count) {
            const int32_t id = random.Between(1, 100);
            const bool variable = project.Products.Item(id - 1).VerkaufVariabel;
            const double value = variable ? Cents(random.Between(100, 9000) / 100.0) : random.Between(1, 60);
            auto entry = std::make_unique<model::tDayEntry>(model::tDayEntry{id, value});
            day->AddEntry(entry); // a product drawn twice keeps its first entry
        }
        project.Days.AddDay(day);
    }
}

namespace {

struct CafeProduct {
    int32_t id;
    const char* name;
    int32_t group;
    double purchase; // a percentage when `purchasePercent`
    double price;    // 0 for a variable price
    bool reducedTax;
    bool purchasePercent;
    int dailyMax; // most units (or euros for a variable price) on a busy day
};

const CafeProduct kCafe[] = {
    {101, "Kaffee 0,2 l", 1, 0.35, 2.20, false, false, 60},
    {102, "Cappuccino", 1, 0.55, 2.90, false, false, 45},
    {103, "Tee", 1, 0.25, 2.00, false, false, 15},
    {104, "Orangensaft 0,2 l", 1, 0.60, 2.50, false, false, 12},
    {105, "Mineralwasser 0,5 l", 1, 0.30, 1.80, false, false, 20},
    {201, "Brötchen", 2, 0.12, 0.40, true, false, 180},
    {202, "Laugenbrezel", 2, 0.20, 0.90, true, false, 50},
    {203, "Croissant", 2, 0.30, 1.30, true, false, 40},
    {204, "Roggenbrot 1 kg", 2, 1.20, 3.90, true, false, 15},
    {301, "Käsekuchen (Stück)", 3, 0.70, 2.80, true, false, 20},
    {302, "Apfelstrudel", 3, 0.80, 3.20, true, false, 12},
    {303, "Kuchen nach Gewicht", 3, 35, 0, true, true, 90},
    {401, "Belegtes Brötchen", 2, 0.90, 3.20, true, false, 30},
    {402, "Frühstück nach Wahl", 4, 40, 0, true, true, 120},
};

} // namespace

const model::Project& TenYearProject()
{
    static const model::Project project = [] {
        model::Project made;
        MakeLargeProject(made, 10);
        return made;
    }();
    return project;
}

model::DayNumber FirstStoredDay() { return TenYearProject().Days.Item(0).Date; }
model::DayNumber LastStoredDay() { return TenYearProject().Days.Item(TenYearProject().Days.Count() - 1).Date; }

void MakeCafeProject(model::Project& project)
{
    project.Clear();
    AddGroup(project, 1, "Getränke");
    AddGroup(project, 2, "Backwaren");
    AddGroup(project, 3, "Kuchen und Torten");
    AddGroup(project, 4, "Snacks und Frühstück");

    const model::DayNumber opening = Date(2019, 1, 1);
    for (const CafeProduct& c : kCafe) {
        auto p = std::make_unique<model::tProduct>();
        p->ID = c.id;
        p->Name.AddValue(opening, Text(c.name));
        p->Einkauf.AddValue(opening, c.purchase);
        p->VerkaufVariabel = c.price == 0;
        p->EinkaufProzent = c.purchasePercent;
        if (!p->VerkaufVariabel)
            p->Verkauf.AddValue(opening, c.price);
        AddTaxes(p->Steuer, opening, c.reducedTax);
        p->Gruppe.AddValue(opening, c.group);
        project.Products.AddProduct(p);
    }
    // Price changes and a renamed juice; the filled rolls moved to the snacks.
    auto& products = project.Products;
    products.Item(products.IndexOfID(101)).Verkauf.AddValue(Date(2022, 1, 1), 2.40);
    products.Item(products.IndexOfID(102)).Verkauf.AddValue(Date(2023, 3, 1), 3.20);
    products.Item(products.IndexOfID(102)).Einkauf.AddValue(Date(2023, 3, 1), 0.62);
    products.Item(products.IndexOfID(201)).Verkauf.AddValue(Date(2022, 9, 1), 0.45);
    products.Item(products.IndexOfID(201)).Einkauf.AddValue(Date(2022, 9, 1), 0.15);
    products.Item(products.IndexOfID(104)).Name.AddValue(Date(2023, 1, 1), Text("Orangensaft frisch gepresst 0,2 l"));
    products.Item(products.IndexOfID(104)).Verkauf.AddValue(Date(2023, 1, 1), 3.10);
    products.Item(products.IndexOfID(401)).Gruppe.AddValue(Date(2020, 9, 1), 4);

    Random random(2020);
    auto addDays = [&](model::DayNumber from, model::DayNumber to) {
        for (model::DayNumber date = from; date <= to; ++date) {
            const int weekday = ((date % 7) + 7 + 5) % 7; // 0 = Monday; day 0 was a Saturday
            if (weekday == 6)
                continue; // closed on Sundays
            const double busy = weekday == 5 ? 1.0 : 0.6;
            auto day = std::make_unique<model::tDay>();
            day->Date = date;
            for (const CafeProduct& c : kCafe) {
                if (random.Between(0, 9) < 2)
                    continue; // not sold every day
                const int most = std::max(1, static_cast<int>(c.dailyMax * busy));
                const double value =
                    c.price == 0 ? Cents(random.Between(most * 20, most * 100) / 100.0) : random.Between(1, most);
                auto entry = std::make_unique<model::tDayEntry>(model::tDayEntry{c.id, value});
                day->AddEntry(entry);
            }
            if (day->Count() > 0)
                project.Days.AddDay(day);
        }
    };
    addDays(Date(2020, 5, 4), Date(2020, 8, 29));
    addDays(Date(2026, 1, 5), Date(2026, 1, 17));
}

} // namespace kontaro::bench
