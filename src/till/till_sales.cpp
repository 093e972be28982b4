#include "till/till_sales.h"

#include "numbers/format_text.h"
#include "till/csv_table.h"
#include "till/import_error.h"
#include "till/index_xml.h"
#include "till/till_texts.h"
#include "till/timestamps.h"

#include <algorithm>
#include <map>
#include <optional>
#include <set>
#include <unordered_map>

namespace kontaro::till {

using model::DayNumber;
using numbers::FormatText;

namespace {

constexpr std::string_view kIndexFile = "index.xml";
constexpr std::string_view kTransactions = "transactions.csv";
constexpr std::string_view kLines = "lines.csv";
constexpr std::string_view kLinesVat = "lines_vat.csv";
constexpr std::string_view kClosings = "cashpointclosing.csv";
constexpr Decimal kCent{Decimal::kScale / 100};
constexpr Decimal kOne{Decimal::kScale};

struct StringHash {
    using is_transparent = void;
    size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
};
using KeyMap = std::unordered_map<std::string, int, StringHash, std::equal_to<>>;

enum class Category : uint8_t { Sale, Discount, Deposit, Voucher, Tip, Agency, Other };

Category CategoryOf(std::string_view type)
{
    if (type == "Umsatz")
        return Category::Sale;
    if (type == "Rabatt" || type == "Aufschlag")
        return Category::Discount;
    if (type == "Pfand" || type == "PfandRueckzahlung")
        return Category::Deposit;
    if (type.find("gutschein") != std::string_view::npos)
        return Category::Voucher;
    if (type.rfind("Trinkgeld", 0) == 0)
        return Category::Tip;
    return Category::Other;
}

struct Receipt {
    DayNumber day = 0;
    bool beleg = false;
    bool storno = false;
    bool dropFlagged = false;
    std::optional<Decimal> total;
    int line = 0;
    int lineCount = 0;
    Decimal linesGross;
    Decimal flaggedGross;
    std::string till;
    std::string id;
};

struct LineRecord {
    int receipt = 0;
    int article = -1;
    Category category = Category::Other;
    bool flagged = false;
    Decimal quantity;
    Decimal gross;
};

std::string_view BaseName(std::string_view url)
{
    const size_t slash = url.find_last_of("/\\");
    return slash == std::string_view::npos ? url : url.substr(slash + 1);
}

bool SameText(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
               return lower(x) == lower(y);
           });
}

// A table by its file name or its logical name; nothing when an optional table is missing.
std::optional<CsvTable> OpenTable(const ExportFiles& files, const std::vector<TableDialect>& tables,
                                  std::string_view file, std::string_view logical, bool required)
{
    const TableDialect* dialect = nullptr;
    for (const TableDialect& table : tables)
        if (SameText(BaseName(table.url), file) || table.name == logical)
            dialect = &table;
    if (dialect == nullptr) {
        if (required)
            throw ImportError(FormatText(files.Read(file) ? texts::kTableNotDeclared : texts::kTableMissing, {file}));
        return std::nullopt;
    }
    std::optional<std::string> bytes = files.Read(dialect->url);
    if (!bytes) {
        if (required)
            throw ImportError(FormatText(texts::kTableMissing, {dialect->url}));
        return std::nullopt;
    }
    return CsvTable(std::string(BaseName(dialect->url)), std::move(*bytes), *dialect);
}

// The columns that identify a closing, and with BON_ID a receipt, in every table
// of closings, receipts and lines.
struct ReceiptKey {
    int till, closing, number, id;
    explicit ReceiptKey(const CsvTable& table, bool withId = true)
        : till(table.Require("Z_KASSE_ID")),
          closing(table.Require("Z_ERSTELLUNG")),
          number(table.Require("Z_NR")),
          id(withId ? table.Require("BON_ID") : -1)
    {}
    // The key as the fields are written: joins compare the raw texts.
    void Build(const CsvTable& table, std::string& key, bool withId = true) const
    {
        key.assign(table.Field(till));
        key += '\x1f';
        key += table.Field(closing);
        key += '\x1f';
        key += table.Field(number);
        if (withId) {
            key += '\x1f';
            key += table.Field(id);
        }
    }
};

// Finds receipts, remembering the last one: lines come grouped by receipt.
class ReceiptIndex {
public:
    int Find(const std::string& key)
    {
        if (last_ >= 0 && key == lastKey_)
            return last_;
        const auto found = map.find(std::string_view(key));
        if (found == map.end())
            return -1;
        lastKey_ = key;
        last_ = found->second;
        return last_;
    }
    KeyMap map;

private:
    std::string lastKey_;
    int last_ = -1;
};

std::map<std::string, DayNumber> ReadClosings(CsvTable& table)
{
    const ReceiptKey key(table, false);
    const int bookingDay = table.Find("Z_BUCHUNGSTAG");
    std::map<std::string, DayNumber> days;
    std::string text;
    while (table.Next()) {
        key.Build(table, text, false);
        std::optional<DayNumber> day;
        if (bookingDay >= 0 && !table.Field(bookingDay).empty()) {
            day = DayOfDate(table.Field(bookingDay));
            if (!day)
                table.Fail(bookingDay, texts::kBadDate);
        } else {
            day = LocalDayOfTimestamp(table.Field(key.closing));
            if (!day)
                table.Fail(key.closing, texts::kBadTimestamp);
        }
        days[text] = *day;
    }
    return days;
}

class SalesReader {
public:
    SalesReader(const ExportFiles& files, DayRule rule) : files_(files), rule_(rule) {}

    TillSales Read()
    {
        const std::optional<std::string> index = files_.Read(kIndexFile);
        if (!index)
            throw ImportError(FormatText(texts::kNoIndex, {files_.Source()}));
        const std::vector<TableDialect> tables = ParseIndexXml(*index);
        std::optional<CsvTable> transactions = OpenTable(files_, tables, kTransactions, "Bonkopf", true);
        std::optional<CsvTable> lines = OpenTable(files_, tables, kLines, "Bonpos", true);
        std::optional<CsvTable> vat = OpenTable(files_, tables, kLinesVat, "Bonpos_USt", false);
        if (rule_ == DayRule::BusinessDay) {
            if (auto closings = OpenTable(files_, tables, kClosings, "Stamm_Abschluss", false))
                closings_ = ReadClosings(*closings);
            else
                result_.notes.emplace_back(texts::kNoteNoClosingTable);
        }
        ReadReceipts(*transactions);
        if (vat)
            ReadVat(*vat);
        else
            result_.notes.emplace_back(texts::kNoteNoVatTable);
        ReadLines(*lines, vat.has_value());
        CheckReceipts(*transactions);
        Sum();
        return std::move(result_);
    }

private:
    DayNumber ReceiptDay(const CsvTable& table, const ReceiptKey& key, int end)
    {
        if (rule_ == DayRule::ReceiptEnd) {
            if (table.Field(end).empty())
                table.Fail(end, texts::kEmptyField);
            const auto day = LocalDayOfTimestamp(table.Field(end));
            if (!day)
                table.Fail(end, texts::kBadTimestamp);
            return *day;
        }
        key.Build(table, scratch_, false);
        if (scratch_ == closingKey_)
            return closingDay_;
        const auto found = closings_.find(scratch_);
        std::optional<DayNumber> day;
        if (found != closings_.end())
            day = found->second;
        else
            day = LocalDayOfTimestamp(table.Field(key.closing));
        if (!day)
            table.Fail(key.closing, texts::kBadTimestamp);
        closingKey_ = scratch_;
        closingDay_ = *day;
        return *day;
    }

    void ReadReceipts(CsvTable& table)
    {
        const ReceiptKey key(table);
        const int type = table.Require("BON_TYP");
        const int end = table.Require("BON_ENDE");
        const int total = table.Require("UMS_BRUTTO");
        const int storno = table.Find("BON_STORNO");
        totalColumn_ = total;
        std::set<std::string, std::less<>> tills;
        while (table.Next()) {
            Receipt receipt;
            receipt.day = ReceiptDay(table, key, end);
            receipt.beleg = table.Field(type) == "Beleg";
            receipt.storno = storno >= 0 && table.Field(storno) == "1";
            receipt.total = table.OptionalNumber(total);
            receipt.line = table.Line();
            if (tills.find(table.Field(key.till)) == tills.end())
                tills.emplace(table.Field(key.till));
            key.Build(table, scratch_);
            const int number = static_cast<int>(receipts_.size());
            if (!receipts_index_.map.emplace(scratch_, number).second)
                throw ImportError(FormatText(texts::kDuplicateReceipt, {table.FileName(), std::to_string(table.Line()),
                                                                        table.Utf8(key.id), table.Utf8(key.till)}));
            receipt.till = table.Utf8(key.till);
            receipt.id = table.Utf8(key.id);
            if (receipt.beleg)
                ++result_.receipts;
            receipts_.push_back(std::move(receipt));
        }
        result_.tills = static_cast<int>(tills.size());
    }

    int ReceiptOf(const CsvTable& table, const ReceiptKey& key)
    {
        key.Build(table, scratch_);
        const int receipt = receipts_index_.Find(scratch_);
        if (receipt < 0)
            throw ImportError(FormatText(texts::kNoReceipt, {table.FileName(), std::to_string(table.Line()),
                                                             table.Utf8(key.id), table.Utf8(key.till)}));
        return receipt;
    }

    // A line of a receipt: the receipt's number in 4 bytes, then POS_ZEILE.
    static void LineKey(int receipt, std::string_view position, std::string& key)
    {
        key.assign(reinterpret_cast<const char*>(&receipt), sizeof receipt);
        key += position;
    }

    void ReadVat(CsvTable& table)
    {
        const ReceiptKey key(table);
        const int position = table.Require("POS_ZEILE");
        const int gross = table.Require("POS_BRUTTO");
        const int net = table.Find("POS_NETTO");
        const int tax = table.Find("POS_UST");
        std::string lineKey;
        while (table.Next()) {
            const int receipt = ReceiptOf(table, key);
            std::optional<Decimal> amount = table.OptionalNumber(gross);
            // A writer using the net method leaves the gross empty.
            if (!amount && net >= 0 && tax >= 0)
                amount = table.Number(net) + table.Number(tax);
            LineKey(receipt, table.Field(position), lineKey);
            lineGross_[lineKey] += amount.value_or(Decimal{});
        }
    }

    int ArticleOf(const CsvTable& table, int number, int text)
    {
        std::string_view key = table.Field(number);
        std::string byText;
        if (key.empty() && text >= 0) {
            byText = "\x1f";
            byText += table.Field(text);
            key = byText;
        }
        const auto found = articles_.find(key);
        if (found != articles_.end())
            return found->second;
        const int index = static_cast<int>(result_.articles.size());
        result_.articles.push_back(Article{table.Utf8(number), text >= 0 ? table.Utf8(text) : std::string()});
        articles_.emplace(std::string(key), index);
        return index;
    }

    void ReadLines(CsvTable& table, bool withVat)
    {
        const ReceiptKey key(table);
        const int position = table.Require("POS_ZEILE");
        const int type = table.Require("GV_TYP");
        const int number = table.Require("ART_NR");
        const int quantity = table.Require("MENGE");
        const int text = table.Find("ARTIKELTEXT");
        const int flagged = table.Find("P_STORNO");
        const int agency = table.Find("AGENTUR_ID");
        const int factor = table.Find("FAKTOR");
        const int price = table.Find("STK_BR");
        std::string lineKey;
        int estimated = 0;
        int factored = 0;
        std::string factoredArticle;
        while (table.Next()) {
            LineRecord line;
            line.receipt = ReceiptOf(table, key);
            line.quantity = table.Number(quantity);
            line.flagged = flagged >= 0 && table.Field(flagged) == "1";
            line.category = CategoryOf(table.Field(type));
            if (line.category == Category::Sale && agency >= 0 && !table.Number(agency).IsZero())
                line.category = Category::Agency;
            bool found = false;
            if (withVat) {
                LineKey(line.receipt, table.Field(position), lineKey);
                const auto vatRow = lineGross_.find(lineKey);
                if (vatRow != lineGross_.end()) {
                    line.gross = vatRow->second;
                    found = true;
                }
            }
            Decimal lineFactor = factor >= 0 ? table.Number(factor) : kOne;
            if (lineFactor.IsZero())
                lineFactor = kOne;
            if (!found) {
                const Decimal unitPrice = price >= 0 ? table.Number(price) : Decimal{};
                line.gross = Divide(Multiply(line.quantity, unitPrice), lineFactor);
                if (withVat)
                    ++estimated;
            }
            if (line.category == Category::Sale) {
                line.article = ArticleOf(table, number, text);
                // The sign of a return may stand on the price instead of the quantity.
                if (line.quantity > Decimal{} && line.gross < Decimal{})
                    line.quantity = -line.quantity;
                if (lineFactor != kOne && ++factored == 1)
                    factoredArticle = table.Utf8(number);
            }
            Receipt& receipt = receipts_[static_cast<size_t>(line.receipt)];
            receipt.linesGross += line.gross;
            ++receipt.lineCount;
            if (line.flagged)
                receipt.flaggedGross += line.gross;
            lines_.push_back(line);
        }
        if (estimated > 0)
            result_.notes.push_back(FormatText(texts::kNoteEstimated, {std::to_string(estimated)}));
        if (factored > 0)
            result_.notes.push_back(FormatText(texts::kNoteFactor, {std::to_string(factored), factoredArticle}));
    }

    void CheckReceipts(const CsvTable& transactions)
    {
        for (Receipt& receipt : receipts_) {
            if (!receipt.beleg)
                continue;
            if (receipt.storno && receipt.linesGross > Decimal{})
                result_.notes.push_back(FormatText(texts::kNoteStornoPositive, {receipt.id, receipt.till}));
            if (!receipt.total || receipt.linesGross == *receipt.total)
                continue;
            const Decimal difference = receipt.linesGross - *receipt.total;
            const Decimal tolerance{kCent.units * std::max(1, receipt.lineCount)};
            if (-tolerance <= difference && difference <= tolerance) {
                result_.notes.push_back(
                    FormatText(texts::kNoteRounding, {receipt.id, receipt.till, DecimalText(receipt.linesGross, 2, ','),
                                                      DecimalText(*receipt.total, 2, ',')}));
                continue;
            }
            // A vendor that flags the voided line without booking its counter-line.
            if (!receipt.flaggedGross.IsZero() && receipt.linesGross - receipt.flaggedGross == *receipt.total) {
                receipt.dropFlagged = true;
                result_.notes.push_back(FormatText(texts::kNoteFlaggedVoids, {receipt.id, receipt.till}));
                continue;
            }
            throw ImportError(FormatText(
                texts::kReceiptMismatch,
                {transactions.FileName(), std::to_string(receipt.line), std::to_string(totalColumn_ + 1), receipt.id,
                 receipt.till, DecimalText(*receipt.total, 2, ','), DecimalText(receipt.linesGross, 2, ',')}));
        }
    }

    void Sum()
    {
        std::map<DayNumber, DaySales> days;
        std::unordered_map<int64_t, size_t> slots; // (day, article) -> index in the day's sales
        for (const LineRecord& line : lines_) {
            const Receipt& receipt = receipts_[static_cast<size_t>(line.receipt)];
            DaySales& day = days[receipt.day];
            day.day = receipt.day;
            if (!receipt.beleg) {
                day.excluded.orders += line.gross;
                continue;
            }
            if (line.flagged && receipt.dropFlagged)
                continue;
            switch (line.category) {
            case Category::Sale: {
                const int64_t slotKey = (int64_t{receipt.day} << 32) | static_cast<uint32_t>(line.article);
                auto [slot, added] = slots.try_emplace(slotKey, day.sales.size());
                if (added)
                    day.sales.push_back(ArticleSales{line.article, {}, {}});
                ArticleSales& sales = day.sales[slot->second];
                sales.quantity += line.quantity;
                sales.gross += line.gross;
                break;
            }
            case Category::Discount:
                day.excluded.discounts += line.gross;
                break;
            case Category::Deposit:
                day.excluded.deposits += line.gross;
                break;
            case Category::Voucher:
                day.excluded.vouchers += line.gross;
                break;
            case Category::Tip:
                day.excluded.tips += line.gross;
                break;
            case Category::Agency:
                day.excluded.agency += line.gross;
                break;
            case Category::Other:
                day.excluded.other += line.gross;
                break;
            }
        }
        const auto& articles = result_.articles;
        for (auto& [date, day] : days) {
            std::sort(day.sales.begin(), day.sales.end(), [&](const ArticleSales& a, const ArticleSales& b) {
                return ArticleOrder(articles[static_cast<size_t>(a.article)], articles[static_cast<size_t>(b.article)]);
            });
            result_.days.push_back(std::move(day));
        }
    }

    const ExportFiles& files_;
    DayRule rule_;
    TillSales result_;
    std::map<std::string, DayNumber> closings_;
    std::string closingKey_;
    DayNumber closingDay_ = 0;
    std::vector<Receipt> receipts_;
    ReceiptIndex receipts_index_;
    std::unordered_map<std::string, Decimal> lineGross_;
    KeyMap articles_;
    std::vector<LineRecord> lines_;
    std::string scratch_;
    int totalColumn_ = 0;
};

} // namespace

bool ArticleOrder(const Article& a, const Article& b)
{
    // Numbers by their value first, then everything else by its text.
    const auto numeric = [](const std::string& text) {
        return !text.empty() && text.size() <= 18 &&
               std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    const bool an = numeric(a.number);
    const bool bn = numeric(b.number);
    if (an != bn)
        return an;
    if (an && a.number.size() != b.number.size()) {
        const auto strip = [](const std::string& t) { return std::stoll(t); };
        if (strip(a.number) != strip(b.number))
            return strip(a.number) < strip(b.number);
    }
    if (a.number != b.number)
        return a.number < b.number;
    return a.text < b.text;
}

TillSales ReadTillSales(const ExportFiles& files, DayRule rule) { return SalesReader(files, rule).Read(); }

} // namespace kontaro::till
