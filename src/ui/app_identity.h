#pragma once
// How the desktop knows the program: the name of its desktop entry (which ties the
// window to its menu entry and icon) and the program icon.
#include <QIcon>
#include <QString>

namespace kontaro::ui {

// The desktop entry's name without ".desktop"; also the program's AppStream ID.
QString DesktopFileName();

// The installed theme icon "kontaro", or the built-in copy where no theme has it
// (a program run from its build folder).
QIcon AppIcon();

} // namespace kontaro::ui
