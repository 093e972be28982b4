#pragma once
// The settings Kontaro keeps for the user between runs (the recent projects, the
// window's place and page): one file in the user's configuration folder,
// "Kontaro/kontaro.conf", the program's folder there (QSettings' native format for
// the user scope).
#include <memory>

class QSettings;

namespace kontaro::ui {

std::unique_ptr<QSettings> UserSettings();

} // namespace kontaro::ui
