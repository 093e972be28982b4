#include "cli/report_locale.h"

#include <QLocale>
#include <QString>

#include <cstdlib>
#include <string>

namespace kontaro::cli {

namespace {

std::string LocaleNameFromEnvironment()
{
    for (const char* variable : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value && *value)
            return value;
    }
    return {};
}

} // namespace

numbers::NumberLocale LocaleWithDecimal(char decimalSeparator)
{
    return {decimalSeparator, decimalSeparator == ',' ? '.' : ','};
}

numbers::NumberLocale EnvironmentNumberLocale()
{
    std::string name = LocaleNameFromEnvironment();
    name = name.substr(0, name.find_first_of(".@")); // "de_DE.UTF-8@euro" -> "de_DE"
    if (name.empty() || name == "C" || name == "POSIX")
        return LocaleWithDecimal('.');
    const QString decimal = QLocale(QString::fromLatin1(name)).decimalPoint();
    // Separators outside ASCII (none of the usual locales has one) fall back.
    if (decimal.size() != 1 || decimal.at(0).unicode() >= 0x80)
        return LocaleWithDecimal('.');
    return LocaleWithDecimal(static_cast<char>(decimal.at(0).unicode()));
}

} // namespace kontaro::cli
