#include "ui/app_identity.h"

// The resource lives in a static library: without this reference the linker would
// drop it from the program.
static void InitIconResource() { Q_INIT_RESOURCE(kontaro); }

namespace kontaro::ui {

QString DesktopFileName() { return QStringLiteral("de.kontaro.Kontaro"); }

QIcon AppIcon()
{
    InitIconResource();
    QIcon builtIn;
    for (const int size : {16, 24, 32, 48, 64, 128, 256})
        builtIn.addFile(QStringLiteral(":/icons/kontaro-%1.png").arg(size), QSize(size, size));
    return QIcon::fromTheme(QStringLiteral("kontaro"), builtIn);
}

} // namespace kontaro::ui
