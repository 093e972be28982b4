// Applying an export's sales to a project: values by the product's kind, the three
// modes, mappings of articles to products, the preview.
#include "model/project_file.h"
#include "support/project_builder.h"
#include "support/till_project.h"
#include "till/export_files.h"
#include "till/import_plan.h"
#include "till/import_preview.h"

#include <gtest/gtest.h>

namespace kontaro::till {
namespace {

using model::DayFromCivil;
using test::FillTillProject;
using test::TillExport;

const model::DayNumber k14 = DayFromCivil({2024, 3, 14});
const model::DayNumber k15 = DayFromCivil({2024, 3, 15});

TillSales Read(const std::string& fixture) { return ReadTillSales(ExportFiles::Open(TillExport(fixture)), {}); }

// "yyyy-mm-dd id=value ..." per stored day.
std::string DaysText(const model::Project& project)
{
    std::string text;
    for (int d = 0; d < project.Days.Count(); ++d) {
        const model::tDay& day = project.Days.Item(d);
        text += model::IsoDateText(day.Date);
        for (int e = 0; e < day.Count(); ++e) {
            char value[32];
            std::snprintf(value, sizeof value, "%g", day.Entry(e).Value);
            text += " " + std::to_string(day.Entry(e).ProductID) + "=" + value;
        }
        text += "\n";
    }
    return text;
}

void Import(model::Project& project, const TillSales& sales, ImportMode mode, const ArticleChoices& choices = {})
{
    ApplyImport(project, PlanImport(project, sales, choices, mode), choices);
}

TEST(TillImport, TheSampleFillsItsDaysAsIfTyped)
{
    model::Project project;
    FillTillProject(project);
    const TillSales sales = Read("sample");
    const ImportPlan plan = PlanImport(project, sales, {}, ImportMode::Replace);
    EXPECT_EQ(plan.FirstWrittenDay(), k14);
    EXPECT_TRUE(plan.unmapped.empty());
    ApplyImport(project, plan, {});
    // The daily dish (variable price) gets the day's gross amount, the others the quantity.
    EXPECT_EQ(DaysText(project), "2024-03-14 1001=3 2002=4 3003=1 4711=9.5\n"
                                 "2024-03-15 1001=2 2002=-1 3003=2 4711=8.9\n");
}

TEST(TillImport, TheModesForDaysWithEntries)
{
    const TillSales sales = Read("sample");
    const auto start = [] {
        auto project = std::make_unique<model::Project>();
        FillTillProject(*project);
        test::AddEntry(*project, k14, 1001, 7); // typed before: replaced, added to or left
        test::AddEntry(*project, k14, 9, 2);    // a product the export does not mention
        test::AddEntry(*project, k15, 9, 1);
        return project;
    };
    auto project = start();
    Import(*project, sales, ImportMode::Replace);
    const std::string replaced = "2024-03-14 9=2 1001=3 2002=4 3003=1 4711=9.5\n"
                                 "2024-03-15 9=1 1001=2 2002=-1 3003=2 4711=8.9\n";
    EXPECT_EQ(DaysText(*project), replaced);
    // Importing the same export again changes nothing.
    Import(*project, sales, ImportMode::Replace);
    EXPECT_EQ(DaysText(*project), replaced);

    project = start();
    Import(*project, sales, ImportMode::Add);
    EXPECT_EQ(DaysText(*project), "2024-03-14 9=2 1001=10 2002=4 3003=1 4711=9.5\n"
                                  "2024-03-15 9=1 1001=2 2002=-1 3003=2 4711=8.9\n");

    project = start();
    const ImportPlan leave = PlanImport(*project, sales, {}, ImportMode::Leave);
    EXPECT_TRUE(leave.days[0].left);
    EXPECT_FALSE(leave.days[1].left);
    EXPECT_EQ(leave.FirstWrittenDay(), k15);
    ApplyImport(*project, leave, {});
    EXPECT_EQ(DaysText(*project), "2024-03-14 9=2 1001=7\n"
                                  "2024-03-15 9=1 1001=2 2002=-1 3003=2 4711=8.9\n");
}

TEST(TillImport, AnEntryTheImportLeavesAtZeroIsRemoved)
{
    model::Project project;
    FillTillProject(project);
    test::AddEntry(project, k14, 1001, 5);
    // The voided-line fixture sells one Cappuccino; a sale and its return on one day net to nothing.
    TillSales sales = Read("voided-line");
    sales.days[0].sales[0].quantity = {};
    sales.days[0].sales[0].gross = {};
    Import(project, sales, ImportMode::Replace);
    EXPECT_EQ(DaysText(project), "");
}

TEST(TillImport, ArticlesGoToProductsByNumberChoiceOrMemory)
{
    model::Project project;
    FillTillProject(project);
    const TillSales sales = Read("quoted-text"); // "T;1" and "0815": no product IDs
    ImportPlan plan = PlanImport(project, sales, {}, ImportMode::Replace);
    ASSERT_EQ(plan.unmapped.size(), 2u);
    EXPECT_EQ(sales.articles[static_cast<size_t>(plan.unmapped[0].article)].number, "0815");
    EXPECT_TRUE(plan.days[0].entries.empty());
    EXPECT_EQ(plan.FirstWrittenDay(), std::nullopt);

    const ArticleChoices choices{{"T;1", 4711}, {"0815", 3003}, {"gibt es nicht", 1001}, {"x", 99}};
    plan = PlanImport(project, sales, choices, ImportMode::Replace);
    EXPECT_TRUE(plan.unmapped.empty());
    ApplyImport(project, plan, choices);
    EXPECT_EQ(DaysText(project), "2024-03-14 3003=1 4711=9.5\n");
    // Remembered: the choices that name a product; the next import needs none.
    ASSERT_EQ(project.TillArticles.Count(), 3);
    EXPECT_EQ(project.TillArticles.ProductOf("T;1"), 4711);
    EXPECT_EQ(project.TillArticles.ProductOf("x"), std::nullopt);
    EXPECT_TRUE(PlanImport(project, sales, {}, ImportMode::Replace).unmapped.empty());
    // A remembered product that is gone leaves its article unmapped again.
    project.Products.Delete(project.Products.IndexOfID(3003));
    EXPECT_EQ(PlanImport(project, sales, {}, ImportMode::Replace).unmapped.size(), 1u);
}

TEST(TillImport, ThePreviewShowsChangesTotalsExclusionsAndTheCatalogueDifference)
{
    model::Project project;
    FillTillProject(project);
    // The catalogue's price of the Cappuccino differs from the till's on these days.
    project.Products.Item(project.Products.IndexOfID(1001)).Verkauf.AddValue(k14, 3.00);
    test::AddEntry(project, k14, 2002, 1);
    const TillSales sales = Read("sample");
    const ImportPlan plan = PlanImport(project, sales, {}, ImportMode::Replace);
    const auto lines = PreviewLines(project, sales, plan, DayRule::ReceiptEnd, "/tmp/export.zip", {',', '.'});
    const std::vector<std::string> expected{
        "Kassendaten: /tmp/export.zip",
        "6 Belege von 1 Kassen, 2 Tage",
        "Tag: Datum des Belegendes (BON_ENDE)",
        "Vorhandene Einträge: Einträge ersetzen",
        "",
        "2024-03-14:",
        "  Produkt 1001 Cappuccino: Menge 3,00 (neu); Kasse 9,60, Katalog 9,00",
        "  Produkt 2002 Croissant Butter: Menge 4,00 (ersetzt 1,00); Kasse 10,00, Katalog 10,00",
        "  Produkt 3003 Apfelsaft 0,3 l: Menge 1,00 (neu); Kasse 2,90, Katalog 2,90",
        "  Produkt 4711 Tagesgericht: Verkauf (B) 9,50 (neu); Kasse 9,50, Katalog 9,50",
        "  Brutto laut Kasse 32,00, laut Katalog 31,40, Differenz -0,60",
        "  Nicht übernommen: Bestellungen und andere AV-Vorgänge 12,40",
        "",
        "2024-03-15:",
        "  Produkt 1001 Cappuccino: Menge 2,00 (neu); Kasse 6,40, Katalog 6,00",
        "  Produkt 2002 Croissant Butter: Menge -1,00 (neu); Kasse -2,50, Katalog -2,50",
        "  Produkt 3003 Apfelsaft 0,3 l: Menge 2,00 (neu); Kasse 5,80, Katalog 5,80",
        "  Produkt 4711 Tagesgericht: Verkauf (B) 8,90 (neu); Kasse 8,90, Katalog 8,90",
        "  Brutto laut Kasse 18,60, laut Katalog 18,20, Differenz -0,40",
    };
    EXPECT_EQ(lines, expected);

    const TillSales quoted = Read("quoted-text");
    const auto unmapped =
        PreviewLines(project, quoted, PlanImport(project, quoted, {}, ImportMode::Replace), {}, "", {'.', ','});
    const std::vector<std::string> tail(unmapped.end() - 5, unmapped.end());
    EXPECT_EQ(tail, (std::vector<std::string>{"  Nicht zugeordnete Artikel: 0815 (2.90), T;1 (9.50)", "",
                                              "Nicht zugeordnete Artikel (werden nicht importiert):",
                                              "  0815 \"Apfelsaft, 0,3 l\": Menge 1, Brutto 2.90",
                                              "  T;1 \"Tagesgericht \"Linsen; Spätzle\"\": Menge 1, Brutto 9.50"}));
}

} // namespace
} // namespace kontaro::till
