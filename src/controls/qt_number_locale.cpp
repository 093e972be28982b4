#include "controls/qt_number_locale.h"

#include <QLocale>
#include <QString>

namespace kontaro::controls {

namespace {

char AsciiOr(const QString& text, char fallback)
{
    if (text.size() == 1 && text.at(0).unicode() < 0x80)
        return char(text.at(0).unicode());
    return fallback;
}

char OtherSeparator(char decimal) { return decimal == ',' ? '.' : ','; }

} // namespace

numbers::NumberLocale SystemNumberLocale()
{
    const QLocale locale;
    numbers::NumberLocale numbers;
    numbers.decimalSeparator = AsciiOr(locale.decimalPoint(), '.');
    numbers.thousandSeparator = AsciiOr(locale.groupSeparator(), OtherSeparator(numbers.decimalSeparator));
    if (numbers.thousandSeparator == numbers.decimalSeparator)
        numbers.thousandSeparator = OtherSeparator(numbers.decimalSeparator);
    return numbers;
}

} // namespace kontaro::controls
