#include "cli/report_xls.h"

#include "cli/cli_report_texts.h"
#include "grid/export_adapter.h"
#include "model/model_texts.h"
#include "numbers/format_text.h"
#include "xls/grid_xls_export.h"
#include "xls/xls_error.h"

namespace kontaro::cli {

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
    try {
        exporter.ExportGrid(target.file, target.sheet.value_or(std::string(defaultSheet)), -1, 1);
    } catch (const xls::XlsError& error) {
        throw Failure{numbers::FormatText(texts::kWorkbookFailed, {target.file, error.what()})};
    }
}

} // namespace kontaro::cli
