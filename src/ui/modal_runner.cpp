#include "ui/modal_runner.h"

#include <QDialog>

namespace kontaro::ui {

namespace {

std::function<int(QDialog&)>& Runner()
{
    static std::function<int(QDialog&)> runner;
    return runner;
}

} // namespace

int RunModal(QDialog& dialog)
{
    if (Runner())
        return Runner()(dialog);
    return dialog.exec();
}

void SetModalRunner(std::function<int(QDialog&)> runner) { Runner() = std::move(runner); }

} // namespace kontaro::ui
