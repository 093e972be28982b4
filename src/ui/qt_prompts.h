#pragma once
// The program's own prompts: German message boxes and Qt file dialogs. Installed by
// default behind Prompts(); tests replace it with a scripted double.
#include "ui/user_prompts.h"

namespace kontaro::ui {

class QtUserPrompts final : public UserPrompts {
public:
    void Warning(QWidget* owner, const QString& text) override;
    Answer ConfirmYesNo(QWidget* owner, const QString& text) override;
    Answer ConfirmYesNoCancel(QWidget* owner, const QString& text) override;
    std::optional<QString> OpenFileName(QWidget* owner, const FileDialogOptions& options) override;
    std::optional<QString> SaveFileName(QWidget* owner, const FileDialogOptions& options) override;
};

} // namespace kontaro::ui
