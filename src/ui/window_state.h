#pragma once
// The main window's size, position and page, kept in the user's settings when it
// closes and given back at the next start.
class QMainWindow;

namespace kontaro::ui {

void SaveWindowState(const QMainWindow& window, int page);
// False when nothing was kept (the first start): the window keeps its own size.
bool RestoreWindowGeometry(QMainWindow& window);
// The page kept, -1 for none.
int SavedPage();

} // namespace kontaro::ui
