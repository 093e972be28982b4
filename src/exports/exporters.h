#pragma once
// The four exporters of the views, each set up for one grid as the window's export
// buttons use it. All start at the grid's row 0 and column 0 (the header row and the
// first column are written), leave hidden columns out and read the grid's texts back as
// numbers with `locale`. The grid must outlive the exporter.
#include "numbers/number_locale.h"
#include "xls/exportable_grid.h"
#include "xls/grid_xls_export.h"

namespace kontaro::exports {

// The day view: an existing workbook keeps its other sheets, a sheet of the same name is
// written again in its place; no HTML tags.
xls::GridXlsExport DayExcel(const xls::ExportableGrid& grid, const numbers::NumberLocale& locale);
// The period summary: always a new file; no HTML tags.
xls::GridXlsExport SumExcel(const xls::ExportableGrid& grid, const numbers::NumberLocale& locale);
// The group summary: keeps an existing workbook's other sheets; HTML tags.
xls::GridXlsExport GroupExcel(const xls::ExportableGrid& grid, const numbers::NumberLocale& locale);
// The product overview: always a new file; HTML tags.
xls::GridXlsExport ExportExcel(const xls::ExportableGrid& grid, const numbers::NumberLocale& locale);

} // namespace kontaro::exports
