#pragma once
// The German texts of the controls layer.
#include <QString>

namespace kontaro::controls::texts {

inline QString NoPrinter() { return QStringLiteral("Es ist kein Drucker eingerichtet."); }
inline QString PrintFailed() { return QStringLiteral("Der Druckauftrag konnte nicht gestartet werden."); }

} // namespace kontaro::controls::texts
