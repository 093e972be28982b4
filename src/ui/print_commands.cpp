#include "ui/print_commands.h"

#include "controls/column_grid.h"
#include "controls/grid_print_settings_dialog.h"
#include "controls/page_output.h"
#include "controls/qt_format_text.h"
#include "grid/print_settings.h"
#include "ui/day_view.h"
#include "ui/modal_runner.h"
#include "ui/summary_page.h"
#include "ui/texts.h"
#include "ui/user_prompts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QStandardPaths>

namespace kontaro::ui {

QString DayPrintSettingsFile()
{
    const QString programFolder = QCoreApplication::applicationDirPath();
    const QFileInfo folder(programFolder);
    if (folder.isDir() && folder.isWritable())
        return QDir(programFolder).filePath(texts::DayPrintSettingsName());
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation))
        .filePath(texts::DayPrintSettingsName());
}

void PrintOrOfferPdf(QWidget& owner, const QString& page,
                     const std::function<bool(const QString& jobTitle, QString* error)>& print,
                     const std::function<void()>& saveAsPdf)
{
    if (!controls::HasPrinterQueue()) {
        if (Prompts().ConfirmYesNo(&owner, texts::NoPrinterOfferPdf()) == Answer::Yes)
            saveAsPdf();
        return;
    }
    QString error;
    if (!print(controls::FormatText(texts::PrintJobTitle(), {page}), &error))
        Prompts().Warning(&owner, error);
}

PrintCommands::PrintCommands(QWidget& window, DayView& day, SummaryPage& sum, SummaryPage& group)
    : QObject(&window), window_(window)
{
    dayPrint_ = MakeDialog("DayPrint", texts::PageDayView());
    sumPrint_ = MakeDialog("SumPrint", texts::PageSumView());
    groupPrint_ = MakeDialog("GroupPrint", texts::PageGroupView());
    dayPrint_->SetGrid(&day.gDayView());
    sumPrint_->SetGrid(&sum.Grid());
    groupPrint_->SetGrid(&group.Grid());
    dayPrint_->SetIniFile(DayPrintSettingsFile());
    // The day is shrunk to the page width; the summaries keep the plain settings.
    day.gDayView().PrintSettings() = grid::DayViewPrintSettings();

    const struct {
        QPushButton& print;
        QPushButton& settings;
        controls::GridPrintSettingsDialog* dialog;
        QString title;
    } bindings[] = {
        {day.PrintButton(), day.PrintSettingsButton(), dayPrint_, texts::PageDayView()},
        {sum.PrintButton(), sum.PrintSettingsButton(), sumPrint_, texts::PageSumView()},
        {group.PrintButton(), group.PrintSettingsButton(), groupPrint_, texts::PageGroupView()},
    };
    for (const auto& binding : bindings) {
        controls::GridPrintSettingsDialog* dialog = binding.dialog;
        const QString title = binding.title;
        connect(&binding.print, &QPushButton::clicked, this, [this, dialog, title] { Print(*dialog, title); });
        connect(&binding.settings, &QPushButton::clicked, this, [this, dialog] { ShowSettings(*dialog); });
    }
}

controls::GridPrintSettingsDialog* PrintCommands::MakeDialog(const char* name, const QString& title)
{
    auto* dialog = new controls::GridPrintSettingsDialog(&window_);
    dialog->setObjectName(QLatin1StringView(name));
    dialog->setWindowTitle(controls::FormatText(texts::PrintSettingsTitle(), {title}));
    dialog->SetModalRun([](QDialog& shown) { return RunModal(shown); });
    dialog->SetWarning([](QWidget* owner, const QString& text) { Prompts().Warning(owner, text); });
    dialog->SetFileQuestion([](QWidget* owner, bool save, const QString& filter, QString* selectedFilter) {
        FileDialogOptions options;
        options.filter = filter;
        options.askOverwrite = save;
        options.selectedFilter = selectedFilter;
        const std::optional<QString> chosen =
            save ? Prompts().SaveFileName(owner, options) : Prompts().OpenFileName(owner, options);
        return chosen.value_or(QString());
    });
    return dialog;
}

void PrintCommands::Print(controls::GridPrintSettingsDialog& dialog, const QString& title)
{
    if (!dialog.Show())
        return;
    PrintOrOfferPdf(
        window_, title,
        [&dialog](const QString& jobTitle, QString* error) { return dialog.Grid()->Print(jobTitle, error); },
        [&dialog] { dialog.SaveAsPdf(); });
}

void PrintCommands::ShowSettings(controls::GridPrintSettingsDialog& dialog) { dialog.Show(); }

PrintCommands& InstallPrintCommands(QWidget& window, DayView& day, SummaryPage& sum, SummaryPage& group)
{
    return *new PrintCommands(window, day, sum, group);
}

} // namespace kontaro::ui
