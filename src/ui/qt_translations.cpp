#include "ui/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace kontaro::ui {

bool InstallQtTranslations(QCoreApplication& app)
{
    auto translator = std::make_unique<QTranslator>();
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!translator->load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"), QStringLiteral("_"),
                          folder))
        return false;
    // The translator lives as long as the application that uses it.
    translator->setParent(&app);
    app.installTranslator(translator.release());
    return true;
}

} // namespace kontaro::ui
