// The program entry: the application titled "Kontaro", its one main window, and
// the message loop until that window closes.
#include "ui/app_identity.h"
#include "ui/command_line.h"
#include "ui/main_window.h"
#include "ui/qt_translations.h"
#include "ui/texts.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    // Answered before the application exists, which needs a display.
    if (const std::optional<int> status = kontaro::ui::AnswerInfoOptions(argc, argv))
        return *status;

    QApplication app(argc, argv);
    QApplication::setApplicationName(kontaro::ui::texts::AppTitle());
    QApplication::setDesktopFileName(kontaro::ui::DesktopFileName());
    QApplication::setWindowIcon(kontaro::ui::AppIcon());
    kontaro::ui::InstallQtTranslations(app);

    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    kontaro::ui::MainWindow window(arguments);
    window.show();
    return QApplication::exec();
}
