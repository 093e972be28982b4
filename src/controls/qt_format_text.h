#pragma once
// The one message formatter (numbers::FormatText, "%s" placeholders) on the window's
// QString texts.
#include <QString>

#include <initializer_list>

namespace kontaro::controls {

QString FormatText(const QString& pattern, std::initializer_list<QString> args);

} // namespace kontaro::controls
