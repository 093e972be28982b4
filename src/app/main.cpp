// The program entry: the application titled "Kontaro", its one main window, and
// the message loop until that window closes.
#include "ui/main_window.h"
#include "ui/qt_translations.h"
#include "ui/texts.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(kontaro::ui::texts::AppTitle());
    kontaro::ui::InstallQtTranslations(app);

    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    kontaro::ui::MainWindow window(arguments);
    window.show();
    return QApplication::exec();
}
