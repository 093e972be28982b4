// Reading and summing a till export of a year of a busy café (365 days, 400
// receipts a day, 3 lines each: about 440,000 lines) against a plain tokenization
// of the same CSV bytes: fields split at ";" with the text qualifier honoured,
// records at line ends, nothing else.
#include "model/day_number.h"
#include "till/export_files.h"
#include "till/till_sales.h"

#include <benchmark/benchmark.h>
#include <map>
#include <stdexcept>
#include <string>

namespace kontaro::bench {
namespace {

constexpr int kDays = 365;
constexpr int kReceiptsPerDay = 400;
constexpr int kLinesPerReceipt = 3;

struct Article {
    const char* number;
    const char* text;
    int cents;
    int vatKey;
};
constexpr Article kArticles[] = {
    {"1001", "Cappuccino", 320, 1},
    {"1002", "Milchkaffee", 360, 1},
    {"1003", "Espresso", 220, 1},
    {"2002", "Croissant Butter", 250, 2},
    {"2003", "Laugenbrezel", 150, 2},
    {"3003", "Apfelsaft naturtrüb 0,3 l", 290, 1},
    {"4711", "\"Tagesgericht \"\"Linsen; Spätzle\"\"\"", 950, 1},
    {"5001", "Käsekuchen", 380, 2},
};

std::string Money(int64_t cents, int decimals)
{
    std::string text = cents < 0 ? "-" : "";
    const int64_t magnitude = cents < 0 ? -cents : cents;
    text += std::to_string(magnitude / 100) + "," + (magnitude % 100 < 10 ? "0" : "") + std::to_string(magnitude % 100);
    return text + std::string(static_cast<size_t>(decimals - 2), '0');
}

std::string IndexXml()
{
    const auto table = [](const char* url, const char* name,
                          std::initializer_list<std::pair<const char*, int>> columns) {
        std::string xml = std::string("<Table><URL>") + url + "</URL><Name>" + name +
                          "</Name><UTF8/><DecimalSymbol>,</DecimalSymbol><DigitGroupingSymbol>.</DigitGroupingSymbol>"
                          "<Range><From>2</From></Range><VariableLength><ColumnDelimiter>;</ColumnDelimiter>"
                          "<RecordDelimiter>&#13;&#10;</RecordDelimiter><TextEncapsulator>\"</TextEncapsulator>";
        for (const auto& [column, accuracy] : columns) {
            xml += std::string("<VariableColumn><Name>") + column + "</Name>";
            xml += accuracy < 0    ? "<AlphaNumeric/>"
                   : accuracy == 0 ? "<Numeric/>"
                                   : "<Numeric><Accuracy>" + std::to_string(accuracy) + "</Accuracy></Numeric>";
            xml += "</VariableColumn>";
        }
        return xml + "</VariableLength></Table>";
    };
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?><!DOCTYPE DataSet SYSTEM \"gdpdu-01-09-2004.dtd\"><DataSet>"
           "<Version>1.0</Version><Media><Name>Jahr</Name>" +
           table("transactions.csv", "Bonkopf",
                 {{"Z_KASSE_ID", -1},    {"Z_ERSTELLUNG", -1},  {"Z_NR", 0},        {"BON_ID", -1},
                  {"BON_NR", 0},         {"BON_TYP", -1},       {"BON_NAME", -1},   {"TERMINAL_ID", -1},
                  {"BON_STORNO", -1},    {"BON_START", -1},     {"BON_ENDE", -1},   {"BEDIENER_ID", -1},
                  {"BEDIENER_NAME", -1}, {"UMS_BRUTTO", 2},     {"KUNDE_NAME", -1}, {"KUNDE_ID", -1},
                  {"KUNDE_TYP", -1},     {"KUNDE_STRASSE", -1}, {"KUNDE_PLZ", -1},  {"KUNDE_ORT", -1},
                  {"KUNDE_LAND", -1},    {"KUNDE_USTID", -1},   {"BON_NOTIZ", -1}}) +
           table("lines.csv", "Bonpos",
                 {{"Z_KASSE_ID", -1}, {"Z_ERSTELLUNG", -1}, {"Z_NR", 0},         {"BON_ID", -1},
                  {"POS_ZEILE", -1},  {"GUTSCHEIN_NR", -1}, {"ARTIKELTEXT", -1}, {"POS_TERMINAL_ID", -1},
                  {"GV_TYP", -1},     {"GV_NAME", -1},      {"INHAUS", -1},      {"P_STORNO", -1},
                  {"AGENTUR_ID", 0},  {"ART_NR", -1},       {"GTIN", -1},        {"WARENGR_ID", -1},
                  {"WARENGR", -1},    {"MENGE", 3},         {"FAKTOR", 3},       {"EINHEIT", -1},
                  {"STK_BR", 5}}) +
           table("lines_vat.csv", "Bonpos_USt",
                 {{"Z_KASSE_ID", -1},
                  {"Z_ERSTELLUNG", -1},
                  {"Z_NR", 0},
                  {"BON_ID", -1},
                  {"POS_ZEILE", -1},
                  {"UST_SCHLUESSEL", 0},
                  {"POS_BRUTTO", 5},
                  {"POS_NETTO", 5},
                  {"POS_UST", 5}}) +
           "</Media></DataSet>";
}

// The year's export, made once.
const std::map<std::string, std::string>& YearExport()
{
    static const std::map<std::string, std::string> files = [] {
        std::string transactions = "Z_KASSE_ID;Z_ERSTELLUNG;Z_NR;BON_ID;BON_NR;BON_TYP;BON_NAME;TERMINAL_ID;BON_STORNO;"
                                   "BON_START;BON_ENDE;BEDIENER_ID;BEDIENER_NAME;UMS_BRUTTO;KUNDE_NAME;KUNDE_ID;"
                                   "KUNDE_TYP;KUNDE_STRASSE;KUNDE_PLZ;KUNDE_ORT;KUNDE_LAND;KUNDE_USTID;BON_NOTIZ\r\n";
        std::string lines = "Z_KASSE_ID;Z_ERSTELLUNG;Z_NR;BON_ID;POS_ZEILE;GUTSCHEIN_NR;ARTIKELTEXT;POS_TERMINAL_ID;"
                            "GV_TYP;GV_NAME;INHAUS;P_STORNO;AGENTUR_ID;ART_NR;GTIN;WARENGR_ID;WARENGR;MENGE;FAKTOR;"
                            "EINHEIT;STK_BR\r\n";
        std::string vat =
            "Z_KASSE_ID;Z_ERSTELLUNG;Z_NR;BON_ID;POS_ZEILE;UST_SCHLUESSEL;POS_BRUTTO;POS_NETTO;POS_UST\r\n";
        int bon = 10000;
        for (int d = 0; d < kDays; ++d) {
            const std::string date = model::IsoDateText(model::DayFromCivil({2025, 1, 1}) + d);
            const std::string closing = "KASSE-01;" + date + "T22:05:00;" + std::to_string(100 + d) + ";";
            for (int r = 0; r < kReceiptsPerDay; ++r) {
                const std::string id = std::to_string(++bon);
                const int minute = 7 * 60 + r * 2;
                const std::string time = date + "T" + (minute / 60 < 10 ? "0" : "") + std::to_string(minute / 60) +
                                         ":" + (minute % 60 < 10 ? "0" : "") + std::to_string(minute % 60) + ":30";
                int64_t total = 0;
                for (int p = 1; p <= kLinesPerReceipt; ++p) {
                    const Article& article = kArticles[(bon * 7 + p * 3) % std::size(kArticles)];
                    const int quantity = 1 + (bon + p) % 3;
                    const int64_t gross = int64_t{article.cents} * quantity;
                    const int64_t net = gross * 100 / (article.vatKey == 1 ? 119 : 107);
                    total += gross;
                    lines += closing + id + ";" + std::to_string(p) + ";;" + article.text + ";T1;Umsatz;;1;0;0;" +
                             article.number + ";;10;Waren;" + std::to_string(quantity) + ",000;1,000;Stück;" +
                             Money(article.cents, 5) + "\r\n";
                    vat += closing + id + ";" + std::to_string(p) + ";" + std::to_string(article.vatKey) + ";" +
                           Money(gross, 5) + ";" + Money(net, 5) + ";" + Money(gross - net, 5) + "\r\n";
                }
                transactions += closing + id + ";" + std::to_string(r + 1) + ";Beleg;;T1;0;" + time + ";" + time +
                                ";7;Anna;" + Money(total, 2) + ";;;;;;;;;\r\n";
            }
        }
        return std::map<std::string, std::string>{{"index.xml", IndexXml()},
                                                  {"transactions.csv", std::move(transactions)},
                                                  {"lines.csv", std::move(lines)},
                                                  {"lines_vat.csv", std::move(vat)}};
    }();
    return files;
}

size_t CsvBytes()
{
    size_t bytes = 0;
    for (const auto& [name, content] : YearExport())
        if (name != "index.xml")
            bytes += content.size();
    return bytes;
}

void BM_TillReadAndSum(benchmark::State& state)
{
    // Reading takes a copy of each table's bytes, as reading the file from disk fills a buffer.
    const till::ExportFiles files = till::ExportFiles::FromMemory(YearExport());
    for (auto _ : state) {
        const till::TillSales sales = till::ReadTillSales(files, till::DayRule::ReceiptEnd);
        if (sales.days.size() != kDays || sales.receipts != kDays * kReceiptsPerDay)
            throw std::runtime_error("the year did not read as generated");
        benchmark::DoNotOptimize(sales.days.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(CsvBytes()));
}
BENCHMARK(BM_TillReadAndSum)->Unit(benchmark::kMillisecond);

// The baseline: every byte of the three tables visited once, fields and records counted.
void BM_PlainTokenization(benchmark::State& state)
{
    const auto& files = YearExport();
    for (auto _ : state) {
        size_t fields = 0;
        size_t records = 0;
        for (const auto& [name, content] : files) {
            if (name == "index.xml")
                continue;
            bool quoted = false;
            for (const char c : content) {
                if (c == '"')
                    quoted = !quoted;
                else if (!quoted && c == ';')
                    ++fields;
                else if (!quoted && c == '\n')
                    ++records, ++fields;
            }
        }
        benchmark::DoNotOptimize(fields);
        benchmark::DoNotOptimize(records);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(CsvBytes()));
}
BENCHMARK(BM_PlainTokenization)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace kontaro::bench

BENCHMARK_MAIN();
