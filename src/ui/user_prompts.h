#pragma once
// The one seam through which the window logic asks the user: message boxes and
// file dialogs. The program uses QtUserPrompts; tests install a double that answers
// scripted questions and records warnings. No test waits on a real modal dialog.
#include <QString>

#include <optional>

class QWidget;

namespace kontaro::ui {

enum class Answer { Yes, No, Cancel };

struct FileDialogOptions {
    QString filter;           // "Kontaros-Daten (*.kdt)"
    QString defaultExtension; // without the dot: "kdt"
    QString initialFileName;
    bool mustExist = false;    // open dialogs
    bool askOverwrite = false; // save dialogs
    // Receives the entry of `filter` (entries separated by ";;") the user chose;
    // may be null.
    QString* selectedFilter = nullptr;
};

class UserPrompts {
public:
    virtual ~UserPrompts() = default;
    // A warning box with OK (caption "Warnung").
    virtual void Warning(QWidget* owner, const QString& text) = 0;
    // A confirmation box with "&Ja" and "&Nein" (caption "Bestätigung").
    virtual Answer ConfirmYesNo(QWidget* owner, const QString& text) = 0;
    // A confirmation box with "&Ja", "&Nein" and "Abbrechen".
    virtual Answer ConfirmYesNoCancel(QWidget* owner, const QString& text) = 0;
    // The chosen full path, or nothing on cancel.
    virtual std::optional<QString> OpenFileName(QWidget* owner, const FileDialogOptions& options) = 0;
    virtual std::optional<QString> SaveFileName(QWidget* owner, const FileDialogOptions& options) = 0;
};

// The prompts in use; never null (the Qt implementation unless a test set one).
UserPrompts& Prompts();
// Installs `prompts` (not owned) for the rest of the process; nullptr restores the
// Qt implementation.
void SetPrompts(UserPrompts* prompts);

} // namespace kontaro::ui
