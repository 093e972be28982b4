#pragma once
// Prompts for the programs that take pictures of the window: a picture must never
// wait for a click, so warnings go to stderr and every question is answered No
// (Cancel where it can be), every file dialog cancelled.
#include "ui/user_prompts.h"

#include <cstdio>

namespace kontaro::test {

class SilentPrompts final : public ui::UserPrompts {
public:
    void Warning(QWidget*, const QString& text) override
    {
        std::fprintf(stderr, "warning: %s\n", text.toLocal8Bit().constData());
    }
    ui::Answer ConfirmYesNo(QWidget*, const QString&) override { return ui::Answer::No; }
    ui::Answer ConfirmYesNoCancel(QWidget*, const QString&) override { return ui::Answer::Cancel; }
    std::optional<QString> OpenFileName(QWidget*, const ui::FileDialogOptions&) override { return {}; }
    std::optional<QString> SaveFileName(QWidget*, const ui::FileDialogOptions&) override { return {}; }
};

} // namespace kontaro::test
