#pragma once
// The one conversion between model texts (Windows-1252 bytes) and QString.
#include <QString>

#include <optional>
#include <string>
#include <string_view>

namespace kontaro::ui {

QString FromModelText(std::string_view win1252);
// Nothing when the text holds a character without a Windows-1252 byte.
std::optional<std::string> ToModelText(const QString& text);

} // namespace kontaro::ui
