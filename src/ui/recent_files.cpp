#include "ui/recent_files.h"

#include "ui/user_settings.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>

namespace kontaro::ui {

namespace {
const QString kKey = QStringLiteral("recentFiles");
} // namespace

void AddRecentFile(const QString& path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    const std::unique_ptr<QSettings> settings = UserSettings();
    QStringList list = settings->value(kKey).toStringList();
    list.removeAll(absolute);
    list.prepend(absolute);
    while (list.size() > kMaxRecent)
        list.removeLast();
    settings->setValue(kKey, list);
}

QStringList RecentFiles()
{
    const std::unique_ptr<QSettings> settings = UserSettings();
    const QStringList stored = settings->value(kKey).toStringList();
    QStringList existing;
    for (const QString& path : stored) {
        if (QFileInfo(path).isFile() && existing.size() < kMaxRecent)
            existing << path;
    }
    if (existing != stored)
        settings->setValue(kKey, existing);
    return existing;
}

void ListRecentFiles(QMenu& menu, QAction* before, std::function<void(const QString&)> open)
{
    QObject::connect(&menu, &QMenu::aboutToShow, &menu, [&menu, before, open = std::move(open)] {
        for (QAction* item : menu.actions()) {
            if (item->objectName().startsWith(QStringLiteral("RecentFile")))
                delete item;
        }
        const QStringList files = RecentFiles();
        for (int index = 0; index < files.size(); ++index) {
            const QString path = files[index];
            auto* item =
                new QAction(QStringLiteral("&%1 %2").arg(index + 1).arg(QDir::toNativeSeparators(path)), &menu);
            item->setObjectName(QStringLiteral("RecentFile%1").arg(index + 1));
            QObject::connect(item, &QAction::triggered, &menu, [open, path] { open(path); });
            menu.insertAction(before, item);
        }
        // The separator after the list shows only with a list.
        if (before)
            before->setVisible(!files.isEmpty());
    });
}

} // namespace kontaro::ui
