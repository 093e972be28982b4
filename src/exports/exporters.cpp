#include "exports/exporters.h"

namespace kontaro::exports {

namespace {

xls::GridXlsExport Exporter(const xls::ExportableGrid& grid, const numbers::NumberLocale& locale,
                            xls::OverwriteMode overwrite, bool htmlTags)
{
    xls::GridXlsExport exporter;
    exporter.Grid = &grid;
    exporter.SetGridStartRow(0);
    exporter.SetGridStartCol(0);
    exporter.Options.ExportOverwrite = overwrite;
    exporter.Options.ExportHTMLTags = htmlTags;
    exporter.Options.ExportHiddenColumns = false;
    exporter.Locale = locale;
    return exporter;
}

} // namespace

xls::GridXlsExport DayExcel(const xls::ExportableGrid& grid, const numbers::NumberLocale& locale)
{
    return Exporter(grid, locale, xls::OverwriteMode::Never, false);
}

xls::GridXlsExport SumExcel(const xls::ExportableGrid& grid, const numbers::NumberLocale& locale)
{
    return Exporter(grid, locale, xls::OverwriteMode::Always, false);
}

xls::GridXlsExport GroupExcel(const xls::ExportableGrid& grid, const numbers::NumberLocale& locale)
{
    return Exporter(grid, locale, xls::OverwriteMode::Never, true);
}

xls::GridXlsExport ExportExcel(const xls::ExportableGrid& grid, const numbers::NumberLocale& locale)
{
    return Exporter(grid, locale, xls::OverwriteMode::Always, true);
}

} // namespace kontaro::exports
