#pragma once
// Exact signed decimals with five places, the export's quantities and amounts (its
// numbers have at most five decimals). Sums stay exact; the conversion to a double
// happens once, where a value goes into a day entry.
#include <cstdint>
#include <string>
#include <string_view>

namespace kontaro::till {

struct Decimal {
    static constexpr int64_t kScale = 100000;
    int64_t units = 0; // value × kScale

    static Decimal FromInteger(int64_t value) { return Decimal{value * kScale}; }
    double ToDouble() const { return static_cast<double>(units) / static_cast<double>(kScale); }
    bool IsZero() const { return units == 0; }
    Decimal& operator+=(Decimal other)
    {
        units += other.units;
        return *this;
    }
    friend Decimal operator+(Decimal a, Decimal b) { return Decimal{a.units + b.units}; }
    friend Decimal operator-(Decimal a, Decimal b) { return Decimal{a.units - b.units}; }
    friend Decimal operator-(Decimal a) { return Decimal{-a.units}; }
    friend auto operator<=>(const Decimal&, const Decimal&) = default;
};

// The symbols of a numeric column as the table's dialect declares them.
struct NumberFormat {
    char decimalSymbol = ',';
    char groupingSymbol = '.';
    int accuracy = 0; // decimals allowed, 0 .. accuracy
};

// Reads a numeric field: an optional "-" (or "+"), digits either plain or grouped
// in threes by the grouping symbol, and, when the column has decimals, the decimal
// symbol with 1 .. accuracy digits. False for anything else (a dot decimal in a
// column declared with a comma, say), and for magnitudes beyond 10^13. An empty
// text is not a number here; callers decide what an empty field means.
bool ParseDecimal(std::string_view text, const NumberFormat& format, Decimal& value);

// `value` × `factor`, rounded half away from zero to five places.
Decimal Multiply(Decimal value, Decimal factor);
// `value` / `divisor` (not zero), rounded half away from zero to five places.
Decimal Divide(Decimal value, Decimal divisor);

// Rounded half away from zero to `decimals` places (0 .. 5), with the decimal
// separator given; trailing zeros kept. "-" only when the shown value is not zero.
std::string DecimalText(Decimal value, int decimals, char decimalSeparator);
// A quantity: up to three decimals, without trailing zeros ("3", "1,5").
std::string QuantityText(Decimal value, char decimalSeparator);

} // namespace kontaro::till
