#include "ui/export_commands.h"

#include "controls/column_grid.h"
#include "controls/qt_format_text.h"
#include "controls/qt_number_locale.h"
#include "exports/export_names.h"
#include "exports/view_exports.h"
#include "grid/plain_grid.h"
#include "model/globals.h"
#include "ui/day_view.h"
#include "ui/group_view_page.h"
#include "ui/products_list_page.h"
#include "ui/sum_view_page.h"
#include "ui/texts.h"
#include "ui/user_prompts.h"

#include <QCoreApplication>
#include <QProgressBar>
#include <QProgressDialog>
#include <QPushButton>

#include <exception>

namespace kontaro::ui {

ExportCommands::ExportCommands(QWidget& window, const model::Project& project, std::function<QString()> fileName,
                               DayView& day, SumViewPage& sum, GroupViewPage& group, ProductsPage& products)
    : QObject(&window),
      window_(window),
      project_(project),
      fileName_(std::move(fileName)),
      day_(day),
      sum_(sum),
      group_(group),
      products_(products)
{
    connect(&day.ExportButton(), &QPushButton::clicked, this, &ExportCommands::bDayExportClick);
    connect(&sum.ExportButton(), &QPushButton::clicked, this, &ExportCommands::bSumExportClick);
    connect(&sum.ExportDailyButton(), &QPushButton::clicked, this, &ExportCommands::bSumAllExportClick);
    connect(&group.ExportButton(), &QPushButton::clicked, this, &ExportCommands::bGroupExportClick);
    connect(&group.ExportDailyButton(), &QPushButton::clicked, this, &ExportCommands::bGroupAllExportClick);
    connect(&products.ExportButton(), &QPushButton::clicked, this, &ExportCommands::bExportProdClick);
}

std::string ExportCommands::ProjectFile() const { return fileName_().toStdString(); }

std::optional<std::string> ExportCommands::AskFile(const std::string& proposal) const
{
    FileDialogOptions options;
    options.filter = texts::ExportFilter();
    options.defaultExtension = texts::ExportExtension();
    options.initialFileName = QString::fromStdString(proposal);
    // Choosing an existing workbook is how sheets are collected in one file: no question.
    options.askOverwrite = false;
    const std::optional<QString> chosen = Prompts().SaveFileName(&window_, options);
    if (!chosen)
        return std::nullopt;
    return chosen->toStdString();
}

bool ExportCommands::Write(const std::string& file, const std::function<void()>& write) const
{
    try {
        write();
        return true;
    } catch (const std::exception& error) {
        // The writer's errors (xls::XlsError) carry its English text; anything else that
        // stopped the export is shown the same way, as the workbook was left unwritten.
        Prompts().Warning(&window_, controls::FormatText(texts::ExportFailed(), {QString::fromStdString(file),
                                                                                 QString::fromUtf8(error.what())}));
        return false;
    }
}

bool ExportCommands::WriteSeries(const std::string& file, model::DayNumber from, model::DayNumber to,
                                 const Series& series) const
{
    // Window-modal, so that the window repaints while it takes no other command.
    QProgressDialog progress(&window_);
    progress.setWindowTitle(texts::ExportProgressCaption());
    progress.setWindowModality(Qt::WindowModal);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    progress.setMinimumDuration(0);
    auto* bar = new QProgressBar(&progress);
    bar->setObjectName(QStringLiteral("MyProgress"));
    progress.setBar(bar);
    progress.setCancelButtonText(texts::ButtonCancel());
    progress.setRange(from, to);
    progress.setValue(from);
    progress.show();
    QCoreApplication::processEvents();

    const exports::DayProgress step = [&progress](model::DayNumber day) {
        progress.setLabelText(
            controls::FormatText(texts::ExportProgressDay(), {QString::fromStdString(model::ShortDateText(day))}));
        progress.setValue(day);
        QCoreApplication::processEvents();
        return !progress.wasCanceled();
    };
    exports::SeriesOutcome outcome = exports::SeriesOutcome::Cancelled;
    const bool written = Write(file, [&] { outcome = series(step); });
    return written && outcome == exports::SeriesOutcome::Written;
}

void ExportCommands::bDayExportClick()
{
    const std::optional<std::string> file = AskFile(exports::DayExportName(ProjectFile()));
    if (!file)
        return;
    // The grid as shown, rows not yet stored into the day included.
    const grid::PlainGrid& grid = day_.Grid();
    Write(*file, [&] { exports::ExportDayView(grid, day_.CurrentDay, *file, grid.Options().numberLocale); });
}

void ExportCommands::bSumExportClick()
{
    const std::optional<std::string> file = AskFile(exports::SumExportName(ProjectFile(), sum_.GridPeriod().to));
    if (!file)
        return;
    const grid::PlainGrid& grid = sum_.Grid().Grid();
    Write(*file, [&] { exports::ExportSumView(grid, *file, grid.Options().numberLocale); });
}

void ExportCommands::bSumAllExportClick()
{
    const SummaryPeriod period = sum_.GridPeriod();
    const std::optional<std::string> file = AskFile(exports::SumExportName(ProjectFile(), period.to));
    if (!file)
        return;
    const grid::PlainGrid& grid = sum_.Grid().Grid();
    const std::string projectFile = ProjectFile();
    WriteSeries(*file, period.from, period.to, [&](const exports::DayProgress& step) {
        return exports::ExportSumWithDailySums(grid, project_, period.from, period.to, projectFile, *file,
                                               grid.Options().numberLocale, step);
    });
}

void ExportCommands::bGroupExportClick()
{
    const std::optional<std::string> file = AskFile(exports::GroupExportName(ProjectFile(), group_.GridPeriod().to));
    if (!file)
        return;
    const grid::PlainGrid& grid = group_.Grid().Grid();
    Write(*file, [&] { exports::ExportGroupView(grid, *file, grid.Options().numberLocale); });
}

void ExportCommands::bGroupAllExportClick()
{
    // The workbook, and afterwards the grid, hold the pickers' period.
    const SummaryPeriod period = group_.PickerPeriod();
    const std::optional<std::string> file = AskFile(exports::GroupExportName(ProjectFile(), period.to));
    if (!file)
        return;
    const numbers::NumberLocale locale = group_.Grid().Grid().Options().numberLocale;
    const std::string projectFile = ProjectFile();
    const bool written = WriteSeries(*file, period.from, period.to, [&](const exports::DayProgress& step) {
        return exports::ExportGroupWithDailySums(project_, period.from, period.to, projectFile, *file, locale, step);
    });
    if (written)
        group_.bGroupCalcClick(false);
}

void ExportCommands::bExportProdClick()
{
    const std::optional<std::string> file = AskFile(exports::ProductsExportName(ProjectFile()));
    if (!file)
        return;
    const numbers::NumberLocale locale = controls::SystemNumberLocale();
    // The never shown overview grid keeps the rows of the last export.
    grid::PlainGrid& overview = products_.ExportGrid();
    overview = exports::ProductOverviewGrid(project_, model::TodayNumber(), ProjectFile(), locale);
    Write(*file, [&] { exports::ExportOverviewGrid(overview, *file, locale); });
}

} // namespace kontaro::ui
