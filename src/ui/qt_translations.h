#pragma once
// German texts for Qt's own dialogs (file dialogs, standard buttons, context
// menus), from the translations Debian ships with Qt. Without them Qt's English
// texts stay; the program's own texts are German either way.
class QCoreApplication;

namespace kontaro::ui {

// Installs the translators on `app`; false when no German translation was found.
bool InstallQtTranslations(QCoreApplication& app);

} // namespace kontaro::ui
