#include "cli/report_xls.h"

#include "cli/cli_report_texts.h"
#include "exports/daily_exports.h"
#include "exports/view_exports.h"
#include "grid/export_adapter.h"
#include "model/model_texts.h"
#include "numbers/format_text.h"
#include "xls/grid_xls_export.h"
#include "xls/xls_error.h"

namespace kontaro::cli {

namespace {

// Runs a write of `file`, turning the writer's error into the report's Failure.
template <typename Write>
void WriteWorkbook(const std::string& file, Write write)
{
    try {
        write();
    } catch (const xls::XlsError& error) {
        throw Failure{numbers::FormatText(texts::kWorkbookFailed, {file, error.what()})};
    }
}

} // namespace

std::optional<WorkbookTarget> TakeWorkbookTarget(Arguments& args)
{
    std::optional<std::string> file = args.TakeOption("--xls");
    std::optional<std::string> sheet = args.TakeOption("--sheet");
    const bool replace = args.TakeFlag("--replace");
    if (!file) {
        if (sheet || replace)
            throw Failure{std::string(texts::kWorkbookOptionAlone)};
        return std::nullopt;
    }
    return WorkbookTarget{*file, std::move(sheet), replace};
}

void ExportReport(const Report& report, const WorkbookTarget& target, std::string_view defaultSheet,
                  const numbers::NumberLocale& locale)
{
    const grid::ExportAdapter adapter(report.grid);
    xls::GridXlsExport exporter;
    exporter.Grid = &adapter;
    // The window's exporters start at the grid's first row and column, header and footer
    // rows included.
    exporter.SetGridStartRow(0);
    exporter.SetGridStartCol(0);
    exporter.Options.ExportOverwrite = target.replace ? xls::OverwriteMode::Always : xls::OverwriteMode::Never;
    exporter.Locale = locale;
    WriteWorkbook(target.file,
                  [&] { exporter.ExportGrid(target.file, target.sheet.value_or(std::string(defaultSheet)), -1, 1); });
}

void ExportSummaryWithDailySums(const Report& report, const model::Project& project, model::DayNumber from,
                                model::DayNumber to, const std::string& projectFile, const std::string& file,
                                const numbers::NumberLocale& locale)
{
    WriteWorkbook(file,
                  [&] { exports::ExportSumWithDailySums(report.grid, project, from, to, projectFile, file, locale); });
}

void ExportGroupsWithDailySums(const model::Project& project, model::DayNumber from, model::DayNumber to,
                               const std::string& projectFile, const std::string& file,
                               const numbers::NumberLocale& locale)
{
    WriteWorkbook(file, [&] { exports::ExportGroupWithDailySums(project, from, to, projectFile, file, locale); });
}

void ExportProductOverview(const model::Project& project, model::DayNumber day, const std::string& projectFile,
                           const std::string& file, const numbers::NumberLocale& locale)
{
    WriteWorkbook(file, [&] { exports::ExportProductOverview(project, day, projectFile, file, locale); });
}

} // namespace kontaro::cli
