#include "till/import_preview.h"

#include "model/win1252.h"
#include "numbers/format_text.h"
#include "numbers/number_text.h"
#include "till/till_texts.h"

namespace kontaro::till {

using numbers::FormatText;

namespace {

std::string ExcludedText(const ExcludedAmounts& excluded, char separator)
{
    std::string text;
    const auto add = [&](std::string_view pattern, Decimal amount) {
        if (amount.IsZero())
            return;
        if (!text.empty())
            text += "; ";
        text += FormatText(pattern, {DecimalText(amount, 2, separator)});
    };
    add(texts::kExcludedOrders, excluded.orders);
    add(texts::kExcludedDiscounts, excluded.discounts);
    add(texts::kExcludedDeposits, excluded.deposits);
    add(texts::kExcludedVouchers, excluded.vouchers);
    add(texts::kExcludedTips, excluded.tips);
    add(texts::kExcludedAgency, excluded.agency);
    add(texts::kExcludedOther, excluded.other);
    return text;
}

std::string ProductName(const model::Project& project, int32_t id, model::DayNumber day)
{
    const int index = project.Products.IndexOfID(id);
    if (index < 0)
        return std::string(texts::kPreviewUnknownProduct);
    std::string name;
    project.Products.Item(index).Name.ValueAt(day, name);
    return model::Win1252ToUtf8(name);
}

std::string ChangeText(const PlannedEntry& entry, ImportMode mode, char separator)
{
    const auto fixed = [&](double value) { return numbers::FixedText(value, 2, separator); };
    if (entry.result == entry.previous)
        return std::string(texts::kPreviewUnchanged);
    if (!entry.previous)
        return std::string(texts::kPreviewNew);
    if (!entry.result)
        return FormatText(texts::kPreviewRemoves, {fixed(*entry.previous)});
    return FormatText(mode == ImportMode::Add ? texts::kPreviewAddsTo : texts::kPreviewReplaces,
                      {fixed(*entry.previous)});
}

} // namespace

std::string_view DayRuleText(DayRule rule)
{
    return rule == DayRule::ReceiptEnd ? texts::kRuleReceiptEnd : texts::kRuleBusinessDay;
}

std::string_view ImportModeText(ImportMode mode)
{
    switch (mode) {
    case ImportMode::Add:
        return texts::kModeAdd;
    case ImportMode::Leave:
        return texts::kModeLeave;
    case ImportMode::Replace:
        break;
    }
    return texts::kModeReplace;
}

std::vector<std::string> PreviewLines(const model::Project& project, const TillSales& sales, const ImportPlan& plan,
                                      DayRule rule, const std::string& source, const numbers::NumberLocale& locale)
{
    const char separator = locale.decimalSeparator;
    const auto money = [&](Decimal value) { return DecimalText(value, 2, separator); };
    const auto fixed = [&](double value) { return numbers::FixedText(value, 2, separator); };
    std::vector<std::string> lines;
    if (!source.empty())
        lines.push_back(FormatText(texts::kPreviewSource, {source}));
    lines.push_back(FormatText(texts::kPreviewSummary, {std::to_string(sales.receipts), std::to_string(sales.tills),
                                                        std::to_string(sales.days.size())}));
    lines.push_back(FormatText(texts::kPreviewRule, {DayRuleText(rule)}));
    lines.push_back(FormatText(texts::kPreviewMode, {ImportModeText(plan.mode)}));
    if (plan.days.empty())
        lines.emplace_back(texts::kPreviewNothing);
    for (const PlannedDay& day : plan.days) {
        lines.emplace_back();
        const std::string date = model::IsoDateText(day.day);
        lines.push_back(FormatText(day.left ? texts::kPreviewDayLeft : texts::kPreviewDay, {date}));
        Decimal tillGross;
        double catalogueGross = 0;
        for (const PlannedEntry& entry : day.entries) {
            const std::string value =
                FormatText(entry.variable ? texts::kPreviewGross : texts::kPreviewQuantity, {fixed(entry.value)});
            lines.push_back(FormatText(texts::kPreviewEntry,
                                       {std::to_string(entry.productId), ProductName(project, entry.productId, day.day),
                                        value, ChangeText(entry, plan.mode, separator), money(entry.tillGross),
                                        fixed(entry.catalogueGross)}));
            tillGross += entry.tillGross;
            catalogueGross += entry.catalogueGross;
        }
        if (!day.entries.empty())
            lines.push_back(FormatText(texts::kPreviewTotals, {money(tillGross), fixed(catalogueGross),
                                                               fixed(catalogueGross - tillGross.ToDouble())}));
        if (!day.unmapped.empty()) {
            std::string list;
            for (const ArticleSales& line : day.unmapped) {
                if (!list.empty())
                    list += ", ";
                const Article& article = sales.articles[static_cast<size_t>(line.article)];
                list += (article.number.empty() ? "\"" + article.text + "\"" : article.number) + " (" +
                        money(line.gross) + ")";
            }
            lines.push_back(FormatText(texts::kPreviewUnmappedDay, {list}));
        }
        const std::string excluded = ExcludedText(day.excluded, separator);
        if (!excluded.empty())
            lines.push_back(FormatText(texts::kPreviewExcluded, {excluded}));
    }
    if (!plan.unmapped.empty()) {
        lines.emplace_back();
        lines.emplace_back(texts::kPreviewUnmapped);
        for (const UnmappedArticle& unmapped : plan.unmapped) {
            const Article& article = sales.articles[static_cast<size_t>(unmapped.article)];
            lines.push_back(FormatText(
                texts::kPreviewUnmappedArticle,
                {article.number, article.text, QuantityText(unmapped.quantity, separator), money(unmapped.gross)}));
        }
    }
    if (!sales.notes.empty()) {
        lines.emplace_back();
        lines.emplace_back(texts::kPreviewNotes);
        for (const std::string& note : sales.notes)
            lines.push_back("  " + note);
    }
    return lines;
}

} // namespace kontaro::till
