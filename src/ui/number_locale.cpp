#include "number_locale.h"

#include <QLocale>

namespace kontaro::ui {

namespace {
// The calculations work on single-byte separators; a locale whose separator is
// not one ASCII character falls back to the plain convention.
char AsciiOr(const QString& text, char fallback)
{
    if (text.size() == 1 && text.at(0).unicode() < 0x80)
        return char(text.at(0).unicode());
    return fallback;
}
} // namespace

numbers::NumberLocale UiNumberLocale()
{
    const QLocale locale;
    numbers::NumberLocale numbers;
    numbers.decimalSeparator = AsciiOr(locale.decimalPoint(), '.');
    numbers.thousandSeparator = AsciiOr(locale.groupSeparator(), numbers.decimalSeparator == ',' ? '.' : ',');
    if (numbers.thousandSeparator == numbers.decimalSeparator)
        numbers.thousandSeparator = numbers.decimalSeparator == ',' ? '.' : ',';
    return numbers;
}

} // namespace kontaro::ui
