#pragma once
// How the catalogue shows its own dialogs modally. The program runs them with
// QDialog::exec; tests install a runner that shows the dialog, works it through a
// script and returns its result, so that no test waits on a modal loop.
#include <functional>

class QDialog;

namespace kontaro::ui {

// Shows the dialog modally; 1 (QDialog::Accepted) for OK, otherwise 0 or 2.
int RunModal(QDialog& dialog);

// Replaces the runner for the rest of the process; an empty function restores exec.
void SetModalRunner(std::function<int(QDialog&)> runner);

} // namespace kontaro::ui
