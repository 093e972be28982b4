#include "calc/entry_figures.h"

#include "calc/shown_value.h"

namespace kontaro::calc {

namespace {

// A figure as the grid holds it: its two-decimal text and the number it denotes.
struct Shown {
    std::string text;
    double value = 0;
};

Shown Show(long double figure, const numbers::NumberLocale& locale)
{
    Shown shown;
    shown.text = ShownText(static_cast<double>(figure), locale);
    shown.value = ReadShownValue(shown.text, locale).value_or(0.0);
    return shown;
}

} // namespace

std::optional<RowFigures> ComputeRowFigures(const model::tProducts& products, model::DayNumber day,
                                            std::string_view produkt, std::string_view menge, std::string_view verkaufB,
                                            const numbers::NumberLocale& locale)
{
    const std::optional<int32_t> id = ReadCellInteger(produkt);
    if (!id)
        return std::nullopt;
    const int index = products.IndexOfID(*id);
    if (index < 0)
        return std::nullopt;
    const model::tProduct& product = products.Item(index);
    const std::optional<double> quantity = ReadShownValue(menge, locale);
    if (!quantity)
        return std::nullopt;

    RowFigures row;
    double gross = 0;
    if (product.VerkaufVariabel) {
        const std::optional<double> typed = ReadShownValue(verkaufB, locale);
        if (!typed)
            return std::nullopt;
        gross = *typed;
        row.verkaufB = std::string(verkaufB);
    } else {
        const long double amount = static_cast<long double>(product.Verkauf.ValueAt(day)) * *quantity;
        Shown shown = Show(amount, locale);
        gross = shown.value;
        row.verkaufB = std::move(shown.text);
    }

    const double factor = product.Steuer.FactorAt(day);
    const bool taxed = factor != 0;
    // The quotient is recomputed for every step that needs it, never taken from a
    // shown value.
    const long double net = taxed ? static_cast<long double>(gross) / factor : 0;

    double purchase = 0;
    if (!product.EinkaufProzent) {
        Shown shown = Show(static_cast<long double>(product.Einkauf.ValueAt(day)) * *quantity, locale);
        purchase = shown.value;
        row.einkauf = std::move(shown.text);
    } else if (taxed) {
        Shown shown = Show(net * product.Einkauf.FractionAt(day), locale);
        purchase = shown.value;
        row.einkauf = std::move(shown.text);
    }

    row.steuer = ShownText(product.Steuer.ValueAt(day), locale);
    if (!taxed)
        return row;

    row.verkaufN = Show(net, locale).text;
    Shown margin = Show(net - purchase, locale);
    row.db1 = std::move(margin.text);
    if (gross != 0)
        row.db1Prozent = Show((static_cast<long double>(margin.value) * 100) / net, locale).text;
    return row;
}

double SumOfShownValues(const std::vector<std::string_view>& texts, const numbers::NumberLocale& locale)
{
    double sum = 0;
    for (const std::string_view text : texts)
        if (const std::optional<double> value = ReadShownValue(text, locale))
            AddToTotal(sum, *value);
    return sum;
}

std::string DayFooterPercent(std::string_view verkaufBSum, std::string_view db1Sum, const numbers::NumberLocale& locale)
{
    const double gross = ReadShownValue(verkaufBSum, locale).value_or(0.0);
    if (gross == 0)
        return {};
    const double margin = ReadShownValue(db1Sum, locale).value_or(0.0);
    return ShownText(static_cast<double>((static_cast<long double>(margin) * 100) / gross), locale);
}

DayValues LookUpDayValues(const model::tProduct& product, model::DayNumber day)
{
    DayValues values;
    if (!product.VerkaufVariabel)
        values.price = product.Verkauf.ValueAt(day);
    values.cost = product.EinkaufProzent ? product.Einkauf.FractionAt(day) : product.Einkauf.ValueAt(day);
    values.factor = product.Steuer.FactorAt(day);
    return values;
}

} // namespace kontaro::calc
