#include "ui/qt_prompts.h"

#include "ui/texts.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

namespace kontaro::ui {

namespace {

UserPrompts* gInstalled = nullptr;

Answer Ask(QWidget* owner, const QString& text, bool withCancel)
{
    QMessageBox box(QMessageBox::Question, texts::ConfirmCaption(), text, QMessageBox::NoButton, owner);
    QPushButton* yes = box.addButton(texts::ButtonYes(), QMessageBox::YesRole);
    QPushButton* no = box.addButton(texts::ButtonNo(), QMessageBox::NoRole);
    QPushButton* cancel = withCancel ? box.addButton(texts::ButtonCancel(), QMessageBox::RejectRole) : nullptr;
    box.setDefaultButton(yes);
    // Closing the box without a button counts as the most cautious answer.
    box.setEscapeButton(cancel ? cancel : no);
    box.exec();
    if (box.clickedButton() == yes)
        return Answer::Yes;
    if (box.clickedButton() == no || !cancel)
        return Answer::No;
    return Answer::Cancel;
}

std::optional<QString> RunFileDialog(QWidget* owner, const FileDialogOptions& options, bool save)
{
    QFileDialog dialog(owner, save ? texts::SaveDialogCaption() : texts::OpenDialogCaption());
    // Qt's own dialog, so that its texts follow the German translation on every desktop.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(options.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !options.askOverwrite);
    dialog.setNameFilter(options.filter);
    dialog.setDefaultSuffix(options.defaultExtension);
    if (!options.initialFileName.isEmpty()) {
        const QFileInfo initial(options.initialFileName);
        dialog.setDirectory(initial.absolutePath());
        dialog.selectFile(initial.fileName());
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    if (options.selectedFilter)
        *options.selectedFilter = dialog.selectedNameFilter();
    return QFileInfo(dialog.selectedFiles().constFirst()).absoluteFilePath();
}

} // namespace

void QtUserPrompts::Warning(QWidget* owner, const QString& text)
{
    QMessageBox box(QMessageBox::Warning, texts::WarningCaption(), text, QMessageBox::NoButton, owner);
    box.addButton(texts::ButtonOk(), QMessageBox::AcceptRole);
    box.exec();
}

Answer QtUserPrompts::ConfirmYesNo(QWidget* owner, const QString& text) { return Ask(owner, text, false); }

Answer QtUserPrompts::ConfirmYesNoCancel(QWidget* owner, const QString& text) { return Ask(owner, text, true); }

std::optional<QString> QtUserPrompts::OpenFileName(QWidget* owner, const FileDialogOptions& options)
{
    return RunFileDialog(owner, options, false);
}

std::optional<QString> QtUserPrompts::SaveFileName(QWidget* owner, const FileDialogOptions& options)
{
    return RunFileDialog(owner, options, true);
}

UserPrompts& Prompts()
{
    static QtUserPrompts qtPrompts;
    return gInstalled ? *gInstalled : qtPrompts;
}

void SetPrompts(UserPrompts* prompts) { gInstalled = prompts; }

} // namespace kontaro::ui
