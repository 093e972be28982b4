#pragma once
// The menu "Bearbeiten": "Rückgängig" (Ctrl+Z) and "Wiederholen" (Ctrl+Y or
// Ctrl+Shift+Z) undo and redo the day grid's edits. Both are enabled only while
// the day view is the page in front and has a step to undo or redo; while a cell
// editor is open its own Ctrl+Z undoes the typing first.
class QMenu;
class QMenuBar;

namespace kontaro::ui {

class DayView;
class PageControl;

// The menu is added to `bar`, which owns it.
QMenu* CreateEditMenu(QMenuBar& bar, DayView& dayView, PageControl& pages);

} // namespace kontaro::ui
