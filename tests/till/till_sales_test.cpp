// Selecting and summing the sales of an export: the shared sample, one fixture per
// pitfall of real exports, and the errors that stop an import.
#include "support/till_project.h"
#include "till/export_files.h"
#include "till/import_error.h"
#include "till/till_sales.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <iterator>
#include <map>
#include <vector>

namespace kontaro::till {
namespace {

using test::TillExport;

TillSales Read(const std::string& fixture, DayRule rule = DayRule::ReceiptEnd)
{
    return ReadTillSales(ExportFiles::Open(TillExport(fixture)), rule);
}

// "yyyy-mm-dd ARTNR quantity gross" per day and article, one per line.
std::string Totals(const TillSales& sales)
{
    std::string text;
    for (const DaySales& day : sales.days)
        for (const ArticleSales& line : day.sales)
            text += model::IsoDateText(day.day) + " " + sales.articles[static_cast<size_t>(line.article)].number + " " +
                    QuantityText(line.quantity, ',') + " " + DecimalText(line.gross, 2, ',') + "\n";
    return text;
}

std::string ErrorOf(const std::string& fixture, DayRule rule = DayRule::ReceiptEnd)
{
    try {
        Read(fixture, rule);
    } catch (const ImportError& error) {
        return error.what();
    }
    return "";
}

TEST(TillSales, TheSampleGivesTheExpectedTotals)
{
    const TillSales sales = Read("sample");
    EXPECT_EQ(Totals(sales), "2024-03-14 1001 3 9,60\n"
                             "2024-03-14 2002 4 10,00\n"
                             "2024-03-14 3003 1 2,90\n"
                             "2024-03-14 4711 1 9,50\n"
                             "2024-03-15 1001 2 6,40\n"
                             "2024-03-15 2002 -1 -2,50\n"
                             "2024-03-15 3003 2 5,80\n"
                             "2024-03-15 4711 1 8,90\n");
    EXPECT_EQ(sales.receipts, 6);
    EXPECT_EQ(sales.tills, 1);
    ASSERT_EQ(sales.days.size(), 2u);
    EXPECT_EQ(DecimalText(sales.days[0].excluded.orders, 2, ','), "12,40");
    EXPECT_TRUE(sales.days[1].excluded.orders.IsZero());
    EXPECT_EQ(sales.articles[2].text, "Tagesgericht \"Linsen; Spätzle\"");
    EXPECT_TRUE(sales.notes.empty());
    // Both day rules agree here: every receipt ends on the day of its closing.
    EXPECT_EQ(Totals(Read("sample", DayRule::BusinessDay)), Totals(sales));
}

TEST(TillSales, EachPitfallOfRealExports)
{
    const struct {
        std::string fixture;
        DayRule rule;
        std::string totals;
    } cases[] = {
        {"order-counted-twice", DayRule::ReceiptEnd, "2024-03-14 1001 2 6,40\n"},
        {"voided-line", DayRule::ReceiptEnd, "2024-03-14 1001 1 3,20\n"},
        {"return-later-day", DayRule::ReceiptEnd, "2024-03-14 2002 3 7,50\n2024-03-15 2002 -1 -2,50\n"},
        {"after-midnight", DayRule::ReceiptEnd, "2024-03-14 1001 1 3,20\n2024-03-15 1001 2 6,40\n"},
        {"after-midnight", DayRule::BusinessDay, "2024-03-14 1001 3 9,60\n"},
        {"timestamp-offsets", DayRule::ReceiptEnd,
         "2024-03-14 1001 1 3,20\n2024-03-15 1001 1 3,20\n2024-07-01 1001 1 3,20\n2024-07-02 1001 1 3,20\n"},
        {"bom", DayRule::ReceiptEnd, "2024-03-14 1001 1 3,20\n"},
        {"lf-line-ends", DayRule::ReceiptEnd, "2024-03-14 1001 1 3,20\n"},
        {"two-tills", DayRule::ReceiptEnd, "2024-03-14 1001 3 9,60\n"},
        {"quoted-text", DayRule::ReceiptEnd, "2024-03-14 0815 1 2,90\n2024-03-14 T;1 1 9,50\n"},
        {"excluded-amounts", DayRule::ReceiptEnd, "2024-03-14 1001 2 6,40\n"},
        {"net-method", DayRule::ReceiptEnd, "2024-03-14 1001 1 3,20\n"},
        {"grouped-numbers", DayRule::ReceiptEnd, "2024-03-14 1001 400 1280,00\n"},
        {"receipt-rounding", DayRule::ReceiptEnd, "2024-03-14 1001 1 3,20\n"},
        {"flagged-void", DayRule::ReceiptEnd, "2024-03-14 1001 1 3,20\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Totals(Read(c.fixture, c.rule)), c.totals) << c.fixture;
}

TEST(TillSales, WhatIsNotASaleIsReportedPerDay)
{
    const TillSales sales = Read("excluded-amounts");
    ASSERT_EQ(sales.days.size(), 1u);
    const ExcludedAmounts& excluded = sales.days[0].excluded;
    EXPECT_EQ(DecimalText(excluded.discounts, 2, ','), "-0,64");
    EXPECT_EQ(DecimalText(excluded.deposits, 2, ','), "1,00");
    EXPECT_EQ(DecimalText(excluded.tips, 2, ','), "0,50");
    EXPECT_EQ(DecimalText(excluded.agency, 2, ','), "3,00");
    EXPECT_EQ(DecimalText(excluded.vouchers, 2, ','), "-0,06");
    EXPECT_TRUE(excluded.orders.IsZero());
    EXPECT_TRUE(excluded.other.IsZero());

    const TillSales quoted = Read("quoted-text");
    ASSERT_EQ(quoted.articles.size(), 2u);
    EXPECT_EQ(quoted.articles[0].number, "T;1");
    EXPECT_EQ(quoted.articles[0].text, "Tagesgericht \"Linsen; Spätzle\"");
    EXPECT_EQ(quoted.articles[1].text, "Apfelsaft, 0,3 l");
}

TEST(TillSales, PlausibleInconsistenciesAreNotes)
{
    EXPECT_EQ(Read("receipt-rounding").notes,
              std::vector<std::string>{"Beleg 1 der Kasse K1: Positionen 3,20, Belegsumme 3,21 (Rundungsdifferenz)."});
    EXPECT_EQ(Read("flagged-void").notes,
              std::vector<std::string>{"Beleg 1 der Kasse K1: als storniert markierte Positionen ohne Gegenbuchung "
                                       "wurden nicht gezählt."});
    EXPECT_EQ(Read("after-midnight", DayRule::ReceiptEnd).notes, std::vector<std::string>{});
}

TEST(TillSales, ErrorsStopTheImportAndSayWhere)
{
    EXPECT_EQ(ErrorOf("dialect-mismatch"),
              "transactions.csv, Zeile 2, Spalte 8 (UMS_BRUTTO): \"3.20\" ist keine Zahl im Format laut index.xml "
              "(Dezimalzeichen \",\", Tausendertrennzeichen \".\", höchstens 2 Nachkommastellen). Nichts wurde "
              "importiert.");
    EXPECT_EQ(ErrorOf("receipt-mismatch"),
              "transactions.csv, Zeile 3, Spalte 8 (UMS_BRUTTO): der Beleg 2 der Kasse K1 hat 9,60 als Summe, seine "
              "Positionen ergeben 6,40. Nichts wurde importiert.");
    EXPECT_EQ(ErrorOf("missing-table"), "Die Tabelle \"lines.csv\" fehlt im Export.");
}

// The sample's files with one table's data lines rearranged.
std::map<std::string, std::string> SampleWith(const std::string& table,
                                              const std::function<void(std::vector<std::string>&)>& rearrange)
{
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(TillExport("sample"))) {
        std::ifstream in(entry.path(), std::ios::binary);
        files[entry.path().filename().string()] = std::string(std::istreambuf_iterator<char>(in), {});
    }
    std::vector<std::string> lines;
    const std::string& bytes = files.at(table);
    for (size_t at = 0; at < bytes.size();) {
        const size_t end = bytes.find('\n', at);
        lines.push_back(bytes.substr(at, end - at + 1));
        at = end + 1;
    }
    std::vector<std::string> data(lines.begin() + 1, lines.end());
    rearrange(data);
    std::string text = lines.front();
    for (const std::string& line : data)
        text += line;
    files[table] = text;
    return files;
}

TEST(TillSales, ReceiptsAndLinesAreJoinedInAnyOrder)
{
    const std::string expected = Totals(Read("sample"));
    const auto reverse = [](std::vector<std::string>& lines) { std::reverse(lines.begin(), lines.end()); };
    const auto late = [](std::vector<std::string>& lines) {
        std::rotate(lines.begin(), lines.begin() + 2, lines.end());
    };
    for (const std::string table : {"transactions.csv", "lines.csv", "lines_vat.csv"}) {
        for (const auto& rearrange : {std::function<void(std::vector<std::string>&)>(reverse), {late}}) {
            SCOPED_TRACE(table);
            const TillSales sales =
                ReadTillSales(ExportFiles::FromMemory(SampleWith(table, rearrange)), DayRule::ReceiptEnd);
            EXPECT_EQ(Totals(sales), expected);
        }
    }
}

TEST(TillSales, AReceiptTwiceOrMissingStopsTheImport)
{
    const auto errorOf = [](const std::function<void(std::vector<std::string>&)>& rearrange) -> std::string {
        try {
            ReadTillSales(ExportFiles::FromMemory(SampleWith("transactions.csv", rearrange)), DayRule::ReceiptEnd);
        } catch (const ImportError& error) {
            return error.what();
        }
        return "";
    };
    const std::string twice = "der Vorgang 10003 der Kasse KASSE-01 steht zweimal im Export.";
    // Right after itself, while the receipts are in order, and again after an earlier one.
    EXPECT_EQ(errorOf([](auto& lines) { lines.insert(lines.begin() + 3, lines[2]); }),
              "transactions.csv, Zeile 5: " + twice);
    EXPECT_EQ(errorOf([](auto& lines) { lines.push_back(lines[2]); }), "transactions.csv, Zeile 9: " + twice);
    EXPECT_EQ(errorOf([](auto& lines) {
                  std::reverse(lines.begin(), lines.end());
                  lines.push_back(lines[4]);
              }),
              "transactions.csv, Zeile 9: " + twice);
    const std::string missing = "zum Vorgang 10003 der Kasse KASSE-01 gibt es keinen Bonkopf in transactions.csv.";
    const std::string inOrder = errorOf([](auto& lines) { lines.erase(lines.begin() + 2); });
    EXPECT_NE(inOrder.find(missing), std::string::npos) << inOrder;
    const std::string reversed = errorOf([](auto& lines) {
        lines.erase(lines.begin() + 2);
        std::reverse(lines.begin(), lines.end());
    });
    EXPECT_EQ(reversed, inOrder);
}

} // namespace
} // namespace kontaro::till
