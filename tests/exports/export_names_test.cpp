#include "exports/export_names.h"
#include "support/project_builder.h"

#include <gtest/gtest.h>

namespace kontaro::exports {
namespace {

using test::March;

TEST(ExportNames, SheetsAreNamedSummeByDateAndProduktuebersicht)
{
    EXPECT_EQ(kSumSheet, "Summe");
    EXPECT_EQ(kProductsSheet, "Produkt\xc3\xbc"
                              "bersicht");
    EXPECT_EQ(DaySheetName(March(1)), "05-03-01");
    EXPECT_EQ(DaySheetName(model::DayNumber{40179}), "10-01-01");
}

TEST(ExportNames, ProposalsStandInTheProjectsFolderOrAloneForAProjectNeverSaved)
{
    struct Case {
        std::string projectFile, day, sum, group, products;
    };
    const Case cases[] = {
        {"/daten/Laden.kdt", "/daten/Laden.xls", "/daten/Laden_05-03-31.xls", "/daten/Laden_Grp_05-03-31.xls",
         "/daten/Laden_Produkte.xls"},
        // only the name's extension goes, not a dot of the folder
        {"/daten/v1.2/Laden", "/daten/v1.2/Laden.xls", "/daten/v1.2/Laden_05-03-31.xls",
         "/daten/v1.2/Laden_Grp_05-03-31.xls", "/daten/v1.2/Laden_Produkte.xls"},
        {"Laden.alt.kdt", "Laden.alt.xls", "Laden.alt_05-03-31.xls", "Laden.alt_Grp_05-03-31.xls",
         "Laden.alt_Produkte.xls"},
        {"", ".xls", "_05-03-31.xls", "_Grp_05-03-31.xls", "_Produkte.xls"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.projectFile);
        EXPECT_EQ(DayExportName(c.projectFile), c.day);
        EXPECT_EQ(SumExportName(c.projectFile, March(31)), c.sum);
        EXPECT_EQ(GroupExportName(c.projectFile, March(31)), c.group);
        EXPECT_EQ(ProductsExportName(c.projectFile), c.products);
    }
}

} // namespace
} // namespace kontaro::exports
