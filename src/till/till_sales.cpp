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
#include <stdexcept>
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
    bool hasVat = false;
    uint16_t positionLength = 0;
    uint32_t position = 0; // POS_ZEILE as written: offset into the reader's pool of them
    Decimal quantity;
    Decimal gross; // the sum of the line's VAT rows
    Decimal unitPrice;
    Decimal factor;
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
    const std::string* bytes = files.Read(dialect->url);
    if (bytes == nullptr) {
        if (required)
            throw ImportError(FormatText(texts::kTableMissing, {dialect->url}));
        return std::nullopt;
    }
    return CsvTable(std::string(BaseName(dialect->url)), *bytes, *dialect);
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
    // Whether `stored`, a key as Build writes it, is the current record's. The
    // receipt number differs first between neighbouring receipts, so it is compared first.
    bool Matches(const CsvTable& table, std::string_view stored) const
    {
        const std::string_view receipt = table.Field(id);
        if (stored.size() <= receipt.size() || !stored.ends_with(receipt) ||
            stored[stored.size() - receipt.size() - 1] != '\x1f')
            return false;
        stored.remove_suffix(receipt.size() + 1);
        for (const int column : {till, closing}) {
            const std::string_view field = table.Field(column);
            if (stored.size() <= field.size() || !stored.starts_with(field) || stored[field.size()] != '\x1f')
                return false;
            stored.remove_prefix(field.size() + 1);
        }
        return stored == table.Field(number);
    }
};

// The receipts by their key. Exports mostly list their receipts in ascending order
// of the key, shorter keys first (numbers gaining a digit sort after the shorter
// ones): as long as they come so, a duplicate cannot occur and a key is found
// by binary search; the first key out of order puts them all into an
// open-addressing table of their numbers. Lines and VAT rows mostly come in the
// order of their receipts, so the receipt of the row before and the one after it
// are tried first.
class ReceiptIndex {
public:
    // `keyBytes` bounds the bytes of all keys, so that the keys' views stay valid.
    ReceiptIndex(size_t keyBytes = 0, size_t receipts = 0) : expected_(receipts)
    {
        keys_.reserve(keyBytes);
        stored_.reserve(receipts);
    }

    // False when the key is there already.
    bool Add(std::string_view key)
    {
        if (keys_.size() + key.size() > keys_.capacity())
            throw std::logic_error("receipt keys beyond the reserved capacity");
        if (slots_.empty()) {
            if (stored_.empty() || Before(stored_.back(), key)) {
                Store(key);
                return true;
            }
            Resize(expected_ * 2);
        }
        if ((stored_.size() + 1) * 2 > slots_.size())
            Resize(slots_.size() * 2);
        const uint32_t hash = Hash(key);
        size_t slot = hash & mask_;
        for (; slots_[slot].number != 0; slot = (slot + 1) & mask_)
            if (slots_[slot].hash == hash && stored_[slots_[slot].number - 1] == key)
                return false;
        Store(key);
        slots_[slot] = {hash, static_cast<uint32_t>(stored_.size())};
        return true;
    }

    // The receipt found last or the one after it when `same` holds for its key, or -1.
    template <typename Same>
    int FindNear(Same same)
    {
        for (const int guess : {last_, last_ + 1}) {
            if (guess >= 0 && guess < static_cast<int>(stored_.size()) && same(stored_[static_cast<size_t>(guess)]))
                return last_ = guess;
        }
        return -1;
    }

    // The receipt's number in the order added, or -1.
    int Find(std::string_view key)
    {
        if (slots_.empty()) {
            const auto found = std::lower_bound(stored_.begin(), stored_.end(), key, Before);
            if (found == stored_.end() || *found != key)
                return -1;
            return last_ = static_cast<int>(found - stored_.begin());
        }
        const uint32_t hash = Hash(key);
        for (size_t slot = hash & mask_; slots_[slot].number != 0; slot = (slot + 1) & mask_)
            if (slots_[slot].hash == hash && stored_[slots_[slot].number - 1] == key)
                return last_ = static_cast<int>(slots_[slot].number - 1);
        return -1;
    }

private:
    struct Slot {
        uint32_t hash = 0;
        uint32_t number = 0; // receipt number + 1; 0: empty
    };

    static bool Before(std::string_view a, std::string_view b)
    {
        return a.size() < b.size() || (a.size() == b.size() && a < b);
    }

    static uint32_t Hash(std::string_view key) { return static_cast<uint32_t>(std::hash<std::string_view>{}(key)); }

    void Store(std::string_view key)
    {
        const size_t offset = keys_.size();
        keys_ += key;
        stored_.push_back(std::string_view(keys_).substr(offset, key.size()));
    }

    void Resize(size_t wanted)
    {
        size_t size = 16;
        while (size < wanted)
            size *= 2;
        slots_.assign(size, Slot{});
        mask_ = size - 1;
        for (size_t i = 0; i < stored_.size(); ++i) {
            const uint32_t hash = Hash(stored_[i]);
            size_t slot = hash & mask_;
            while (slots_[slot].number != 0)
                slot = (slot + 1) & mask_;
            slots_[slot] = {hash, static_cast<uint32_t>(i + 1)};
        }
    }

    size_t expected_ = 0;
    std::string keys_;
    std::vector<std::string_view> stored_;
    std::vector<Slot> slots_; // empty while the keys are in ascending order
    size_t mask_ = 0;
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
        const std::string* index = files_.Read(kIndexFile);
        if (index == nullptr)
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
        ReadLines(*lines);
        if (vat)
            ReadVat(*vat);
        else
            result_.notes.emplace_back(texts::kNoteNoVatTable);
        FinishLines(vat.has_value());
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
        std::string till;
        const size_t records = table.RecordsAtMost();
        receipts_.reserve(records);
        receipts_index_ = ReceiptIndex(table.Bytes(), records);
        while (table.Next()) {
            Receipt receipt;
            receipt.day = ReceiptDay(table, key, end);
            receipt.beleg = table.Field(type) == "Beleg";
            receipt.storno = storno >= 0 && table.Field(storno) == "1";
            receipt.total = table.OptionalNumber(total);
            receipt.line = table.Line();
            if (table.Field(key.till) != till) {
                till = table.Utf8(key.till);
                tills.insert(till);
            }
            key.Build(table, scratch_);
            if (!receipts_index_.Add(scratch_))
                throw ImportError(FormatText(texts::kDuplicateReceipt, {table.FileName(), std::to_string(table.Line()),
                                                                        table.Utf8(key.id), till}));
            receipt.till = till;
            receipt.id = table.Utf8(key.id);
            if (receipt.beleg)
                ++result_.receipts;
            receipts_.push_back(std::move(receipt));
        }
        result_.tills = static_cast<int>(tills.size());
    }

    int ReceiptOf(const CsvTable& table, const ReceiptKey& key)
    {
        // Rows mostly follow their receipts: the neighbours are compared without building the key.
        int receipt = receipts_index_.FindNear([&](std::string_view stored) { return key.Matches(table, stored); });
        if (receipt >= 0)
            return receipt;
        key.Build(table, scratch_);
        receipt = receipts_index_.Find(scratch_);
        if (receipt < 0)
            throw ImportError(FormatText(texts::kNoReceipt, {table.FileName(), std::to_string(table.Line()),
                                                             table.Utf8(key.id), table.Utf8(key.till)}));
        return receipt;
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

    void ReadLines(CsvTable& table)
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
        lines_.reserve(table.RecordsAtMost());
        while (table.Next()) {
            LineRecord line;
            line.receipt = ReceiptOf(table, key);
            const std::string_view pos = table.Field(position).substr(0, UINT16_MAX);
            line.position = static_cast<uint32_t>(positions_.size());
            line.positionLength = static_cast<uint16_t>(pos.size());
            positions_ += pos;
            line.quantity = table.Number(quantity);
            line.flagged = flagged >= 0 && table.Field(flagged) == "1";
            line.category = CategoryOf(table.Field(type));
            if (line.category == Category::Sale && agency >= 0 && !table.Number(agency).IsZero())
                line.category = Category::Agency;
            line.factor = factor >= 0 ? table.Number(factor) : kOne;
            if (line.factor.IsZero())
                line.factor = kOne;
            line.unitPrice = price >= 0 ? table.Number(price) : Decimal{};
            if (line.category == Category::Sale) {
                line.article = ArticleOf(table, number, text);
                if (line.factor != kOne && ++factored_ == 1)
                    factoredArticle_ = result_.articles[static_cast<size_t>(line.article)].number;
            }
            lines_.push_back(line);
        }
    }

    // The lines of every receipt, whatever order the table has them in.
    void GroupLinesByReceipt()
    {
        firstLine_.assign(receipts_.size() + 1, 0);
        for (const LineRecord& line : lines_)
            ++firstLine_[static_cast<size_t>(line.receipt) + 1];
        for (size_t r = 1; r < firstLine_.size(); ++r)
            firstLine_[r] += firstLine_[r - 1];
        std::vector<size_t> next(firstLine_.begin(), firstLine_.end() - 1);
        lineOrder_.resize(lines_.size());
        for (size_t i = 0; i < lines_.size(); ++i)
            lineOrder_[next[static_cast<size_t>(lines_[i].receipt)]++] = i;
    }

    void ReadVat(CsvTable& table)
    {
        const ReceiptKey key(table);
        const int position = table.Require("POS_ZEILE");
        const int gross = table.Require("POS_BRUTTO");
        const int net = table.Find("POS_NETTO");
        const int tax = table.Find("POS_UST");
        GroupLinesByReceipt();
        while (table.Next()) {
            const size_t receipt = static_cast<size_t>(ReceiptOf(table, key));
            std::optional<Decimal> amount = table.OptionalNumber(gross);
            // A writer using the net method leaves the gross empty.
            if (!amount && net >= 0 && tax >= 0)
                amount = table.Number(net) + table.Number(tax);
            const std::string_view pos = table.Field(position);
            for (size_t i = firstLine_[receipt]; i < firstLine_[receipt + 1]; ++i) {
                LineRecord& line = lines_[lineOrder_[i]];
                if (std::string_view(positions_).substr(line.position, line.positionLength) == pos) {
                    line.gross += amount.value_or(Decimal{});
                    line.hasVat = true;
                    break;
                }
            }
        }
    }

    // The gross of lines without a VAT row, the signs, and each receipt's sums.
    void FinishLines(bool withVat)
    {
        int estimated = 0;
        for (LineRecord& line : lines_) {
            if (!line.hasVat) {
                line.gross = Divide(Multiply(line.quantity, line.unitPrice), line.factor);
                if (withVat)
                    ++estimated;
            }
            // The sign of a return may stand on the price instead of the quantity.
            if (line.category == Category::Sale && line.quantity > Decimal{} && line.gross < Decimal{})
                line.quantity = -line.quantity;
            Receipt& receipt = receipts_[static_cast<size_t>(line.receipt)];
            receipt.linesGross += line.gross;
            ++receipt.lineCount;
            if (line.flagged)
                receipt.flaggedGross += line.gross;
        }
        if (estimated > 0)
            result_.notes.push_back(FormatText(texts::kNoteEstimated, {std::to_string(estimated)}));
        if (factored_ > 0)
            result_.notes.push_back(FormatText(texts::kNoteFactor, {std::to_string(factored_), factoredArticle_}));
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
        std::map<DayNumber, std::vector<int>> slots; // per day and article: index into the day's sales, or -1
        DaySales* day = nullptr;
        std::vector<int>* daySlots = nullptr;
        for (const LineRecord& line : lines_) {
            const Receipt& receipt = receipts_[static_cast<size_t>(line.receipt)];
            if (day == nullptr || day->day != receipt.day) {
                day = &days[receipt.day];
                day->day = receipt.day;
                daySlots = &slots[receipt.day];
            }
            if (!receipt.beleg) {
                day->excluded.orders += line.gross;
                continue;
            }
            if (line.flagged && receipt.dropFlagged)
                continue;
            switch (line.category) {
            case Category::Sale: {
                if (daySlots->empty())
                    daySlots->assign(result_.articles.size(), -1);
                int& slot = (*daySlots)[static_cast<size_t>(line.article)];
                if (slot < 0) {
                    slot = static_cast<int>(day->sales.size());
                    day->sales.push_back(ArticleSales{line.article, {}, {}});
                }
                ArticleSales& sales = day->sales[static_cast<size_t>(slot)];
                sales.quantity += line.quantity;
                sales.gross += line.gross;
                break;
            }
            case Category::Discount:
                day->excluded.discounts += line.gross;
                break;
            case Category::Deposit:
                day->excluded.deposits += line.gross;
                break;
            case Category::Voucher:
                day->excluded.vouchers += line.gross;
                break;
            case Category::Tip:
                day->excluded.tips += line.gross;
                break;
            case Category::Agency:
                day->excluded.agency += line.gross;
                break;
            case Category::Other:
                day->excluded.other += line.gross;
                break;
            }
        }
        const auto& articles = result_.articles;
        for (auto& [date, sales] : days) {
            std::sort(sales.sales.begin(), sales.sales.end(), [&](const ArticleSales& a, const ArticleSales& b) {
                return ArticleOrder(articles[static_cast<size_t>(a.article)], articles[static_cast<size_t>(b.article)]);
            });
            result_.days.push_back(std::move(sales));
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
    std::string positions_;
    std::vector<size_t> firstLine_; // per receipt, its first index into lineOrder_
    std::vector<size_t> lineOrder_; // line indices grouped by receipt
    int factored_ = 0;
    std::string factoredArticle_;
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
