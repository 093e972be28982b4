#pragma once
// The projects the user opened or saved last, newest first, at most kMaxRecent,
// kept in the user's settings. A path that no longer names a file is dropped
// when the list is read for showing.
#include <QStringList>

#include <functional>

class QAction;
class QMenu;

namespace kontaro::ui {

inline constexpr int kMaxRecent = 5;

// Puts `path` (made absolute) at the front; a path already listed moves there.
void AddRecentFile(const QString& path);
// The list of existing files; vanished paths leave the settings too.
QStringList RecentFiles();
// Lists RecentFiles in `menu` before `before` each time the menu opens, as items
// "&1 path" to "&5 path" (object names "RecentFile1" to "RecentFile5"); choosing
// one calls `open` with its path.
void ListRecentFiles(QMenu& menu, QAction* before, std::function<void(const QString&)> open);

} // namespace kontaro::ui
