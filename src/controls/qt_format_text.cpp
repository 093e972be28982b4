#include "controls/qt_format_text.h"

#include "numbers/format_text.h"

#include <string>
#include <string_view>
#include <vector>

namespace kontaro::controls {

QString FormatText(const QString& pattern, std::initializer_list<QString> args)
{
    std::vector<std::string> utf8;
    utf8.reserve(args.size());
    for (const QString& arg : args)
        utf8.push_back(arg.toStdString());
    const std::vector<std::string_view> views(utf8.begin(), utf8.end());
    return QString::fromStdString(numbers::FormatText(pattern.toStdString(), views));
}

} // namespace kontaro::controls
