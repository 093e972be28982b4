#include "ui/model_text.h"

#include "model/win1252.h"

namespace kontaro::ui {

QString FromModelText(std::string_view win1252) { return QString::fromStdString(model::Win1252ToUtf8(win1252)); }

std::optional<std::string> ToModelText(const QString& text) { return model::Utf8ToWin1252(text.toStdString()); }

} // namespace kontaro::ui
