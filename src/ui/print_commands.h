#pragma once
// The print commands of the day view and the two summary pages: "Drucken..."
// shows the page's print settings dialog and prints the page's grid on the default
// printer queue after OK; "Drucker Einstellungen..." shows the same dialog and
// prints nothing. Each grid has its own dialog (DayPrint, SumPrint, GroupPrint)
// and its own settings; Cancel gives the grid back the settings it had.
//
// The dialogs run modally through RunModal, warn through Prompts() and ask for
// files through Prompts()' file dialogs. Without a printer queue "Drucken..."
// says so and offers to save the pages as PDF; a refused job is shown with the
// printing system's message. The day view's settings file is DayPrintSettingsFile();
// the summary dialogs ask for theirs.
#include <QObject>
#include <QString>

#include <functional>

namespace kontaro::controls {
class GridPrintSettingsDialog;
}

namespace kontaro::ui {

class DayView;
class SummaryPage;

// "Print.set" in the program's folder when that folder is writable, else in the
// user's configuration folder (QStandardPaths::AppConfigLocation): an installed
// program's folder is not writable.
QString DayPrintSettingsFile();

// Prints a page's printout as one job named after `page` through `print` (given
// the job's title and the place for the error); without a printer queue asks
// whether to save the pages as PDF instead and then calls `saveAsPdf`. A refused
// job is warned about with the printing system's message.
void PrintOrOfferPdf(QWidget& owner, const QString& page,
                     const std::function<bool(const QString& jobTitle, QString* error)>& print,
                     const std::function<void()>& saveAsPdf);

class PrintCommands final : public QObject {
    Q_OBJECT
public:
    // Binds the six buttons of the pages to their dialogs and gives the day grid
    // its own initial settings. `window` owns the commands and the dialogs.
    PrintCommands(QWidget& window, DayView& day, SummaryPage& sum, SummaryPage& group);

    controls::GridPrintSettingsDialog& DayPrint() { return *dayPrint_; }
    controls::GridPrintSettingsDialog& SumPrint() { return *sumPrint_; }
    controls::GridPrintSettingsDialog& GroupPrint() { return *groupPrint_; }

    // "Drucken...": the dialog, then after OK the printout named `title`.
    void Print(controls::GridPrintSettingsDialog& dialog, const QString& title);
    // "Drucker Einstellungen...": the dialog alone.
    void ShowSettings(controls::GridPrintSettingsDialog& dialog);

private:
    controls::GridPrintSettingsDialog* MakeDialog(const char* name, const QString& title);

    QWidget& window_;
    controls::GridPrintSettingsDialog* dayPrint_ = nullptr;
    controls::GridPrintSettingsDialog* sumPrint_ = nullptr;
    controls::GridPrintSettingsDialog* groupPrint_ = nullptr;
};

// Creates the window's print commands, owned by the window.
PrintCommands& InstallPrintCommands(QWidget& window, DayView& day, SummaryPage& sum, SummaryPage& group);

} // namespace kontaro::ui
