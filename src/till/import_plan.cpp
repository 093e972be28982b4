#include "till/import_plan.h"

#include "calc/entry_figures.h"
#include "model/win1252.h"

#include <algorithm>

namespace kontaro::till {

using model::DayNumber;

namespace {

std::optional<int32_t> PlainInteger(const std::string& text)
{
    if (text.empty() || text.size() > 10 || (text[0] == '0' && text.size() > 1))
        return std::nullopt;
    int64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value > INT32_MAX)
        return std::nullopt;
    return static_cast<int32_t>(value);
}

// The article number as the project file stores it, or nothing when it cannot.
std::optional<std::string> StorableNumber(const std::string& utf8)
{
    if (utf8.empty() || utf8.find_first_of("<>") != std::string::npos ||
        static_cast<unsigned char>(utf8.front()) <= ' ' || static_cast<unsigned char>(utf8.back()) <= ' ')
        return std::nullopt;
    return model::Utf8ToWin1252(utf8);
}

std::optional<double> EntryValue(const model::tDays& days, DayNumber date, int32_t productId)
{
    const int dayIndex = days.IndexOfDate(date);
    if (dayIndex < 0)
        return std::nullopt;
    const model::tDay& day = days.Item(dayIndex);
    const int entry = day.IndexOfProduct(productId);
    if (entry < 0)
        return std::nullopt;
    return day.Entry(entry).Value;
}

} // namespace

std::optional<DayNumber> ImportPlan::FirstWrittenDay() const
{
    for (const PlannedDay& day : days)
        if (!day.left && std::any_of(day.entries.begin(), day.entries.end(),
                                     [](const PlannedEntry& e) { return e.result != e.previous; }))
            return day.day;
    return std::nullopt;
}

std::optional<int32_t> ProductForArticle(const model::Project& project, const Article& article,
                                         const ArticleChoices& choices)
{
    std::optional<int32_t> id;
    if (const auto chosen = choices.find(article.number); chosen != choices.end())
        id = chosen->second;
    else if (const auto stored = StorableNumber(article.number); stored && project.TillArticles.ProductOf(*stored))
        id = project.TillArticles.ProductOf(*stored);
    else
        id = PlainInteger(article.number);
    if (id && project.Products.IndexOfID(*id) < 0)
        return std::nullopt;
    return id;
}

ImportPlan PlanImport(const model::Project& project, const TillSales& sales, const ArticleChoices& choices,
                      ImportMode mode)
{
    ImportPlan plan;
    plan.mode = mode;
    std::vector<std::optional<int32_t>> productOf;
    productOf.reserve(sales.articles.size());
    for (const Article& article : sales.articles)
        productOf.push_back(ProductForArticle(project, article, choices));

    std::map<int, UnmappedArticle> unmapped;
    for (const DaySales& daySales : sales.days) {
        PlannedDay day;
        day.day = daySales.day;
        day.excluded = daySales.excluded;
        std::map<int32_t, std::pair<Decimal, Decimal>> perProduct; // quantity, gross
        for (const ArticleSales& line : daySales.sales) {
            const auto& product = productOf[static_cast<size_t>(line.article)];
            if (!product) {
                day.unmapped.push_back(line);
                UnmappedArticle& total = unmapped[line.article];
                total.article = line.article;
                total.quantity += line.quantity;
                total.gross += line.gross;
                continue;
            }
            auto& [quantity, gross] = perProduct[*product];
            quantity += line.quantity;
            gross += line.gross;
        }
        for (const auto& [productId, amounts] : perProduct) {
            const model::tProduct& product = project.Products.Item(project.Products.IndexOfID(productId));
            PlannedEntry entry;
            entry.productId = productId;
            entry.variable = product.VerkaufVariabel;
            entry.value = (product.VerkaufVariabel ? amounts.second : amounts.first).ToDouble();
            entry.tillGross = amounts.second;
            entry.catalogueGross = static_cast<double>(
                calc::ContributionOf(product, calc::LookUpDayValues(product, day.day), entry.value).gross);
            entry.previous = EntryValue(project.Days, day.day, productId);
            double result = entry.value;
            if (mode == ImportMode::Add)
                result += entry.previous.value_or(0);
            if (result != 0)
                entry.result = result;
            day.entries.push_back(entry);
        }
        if (mode == ImportMode::Leave &&
            std::any_of(day.entries.begin(), day.entries.end(), [](const PlannedEntry& e) { return e.previous; })) {
            day.left = true;
            for (PlannedEntry& entry : day.entries)
                entry.result = entry.previous;
        }
        plan.days.push_back(std::move(day));
    }
    for (const auto& [article, total] : unmapped)
        plan.unmapped.push_back(total);
    std::sort(plan.unmapped.begin(), plan.unmapped.end(), [&](const UnmappedArticle& a, const UnmappedArticle& b) {
        return ArticleOrder(sales.articles[static_cast<size_t>(a.article)],
                            sales.articles[static_cast<size_t>(b.article)]);
    });
    return plan;
}

void ApplyImport(model::Project& project, const ImportPlan& plan, const ArticleChoices& choices)
{
    for (const PlannedDay& planned : plan.days) {
        if (planned.left || planned.entries.empty())
            continue;
        // A day keeps its entries sorted and offers no removal of one: it is rebuilt.
        std::map<int32_t, double> entries;
        const int dayIndex = project.Days.IndexOfDate(planned.day);
        if (dayIndex >= 0) {
            const model::tDay& day = project.Days.Item(dayIndex);
            for (int i = 0; i < day.Count(); ++i)
                entries[day.Entry(i).ProductID] = day.Entry(i).Value;
        }
        for (const PlannedEntry& entry : planned.entries) {
            if (entry.result)
                entries[entry.productId] = *entry.result;
            else
                entries.erase(entry.productId);
        }
        project.Days.DeleteDate(planned.day);
        if (entries.empty())
            continue;
        auto day = std::make_unique<model::tDay>();
        day->Date = planned.day;
        for (const auto& [productId, value] : entries) {
            auto entry = std::make_unique<model::tDayEntry>(model::tDayEntry{productId, value});
            day->AddEntry(entry);
        }
        project.Days.AddDay(day);
    }
    for (const auto& [number, productId] : choices) {
        const auto stored = StorableNumber(number);
        if (stored && project.Products.IndexOfID(productId) >= 0)
            project.TillArticles.Set(*stored, productId);
    }
}

} // namespace kontaro::till
