#include "ui/user_settings.h"

#include <QSettings>

namespace kontaro::ui {

std::unique_ptr<QSettings> UserSettings()
{
    // Named here rather than by the application's names, which tests and the
    // report tool set differently.
    return std::make_unique<QSettings>(QSettings::UserScope, QStringLiteral("Kontaro"), QStringLiteral("kontaro"));
}

} // namespace kontaro::ui
