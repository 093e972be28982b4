#include "ui/window_state.h"

#include "ui/user_settings.h"

#include <QMainWindow>
#include <QSettings>

namespace kontaro::ui {

namespace {
const QString kGeometry = QStringLiteral("window/geometry");
const QString kPage = QStringLiteral("window/page");
} // namespace

void SaveWindowState(const QMainWindow& window, int page)
{
    const std::unique_ptr<QSettings> settings = UserSettings();
    settings->setValue(kGeometry, window.saveGeometry());
    settings->setValue(kPage, page);
}

bool RestoreWindowGeometry(QMainWindow& window)
{
    const QByteArray geometry = UserSettings()->value(kGeometry).toByteArray();
    // restoreGeometry keeps the window on a screen that is there now.
    return !geometry.isEmpty() && window.restoreGeometry(geometry);
}

int SavedPage()
{
    bool ok = false;
    const int page = UserSettings()->value(kPage).toInt(&ok);
    return ok ? page : -1;
}

} // namespace kontaro::ui
