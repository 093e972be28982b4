#pragma once
// Lays a whole plain grid out on pages (header row, data rows and footer row; the
// visible columns) according to a grid's print settings: margins, spacings, fonts,
// borders, scaling to the page width, centring, repeated fixed rows and columns,
// and the title, date, time and page number at their positions. Columns wider
// than the page go on further pages, left to right, after all rows of the first.
#include "controls/page_output.h"
#include "grid/plain_grid.h"
#include "grid/print_settings.h"

#include <QDateTime>

class QImage;
class QPagedPaintDevice;

namespace kontaro::controls {

struct PrintJob {
    const grid::PlainGrid& grid;
    const grid::PrintSettings& settings;
    QDateTime printedAt = QDateTime::currentDateTime();
};

// Paints all pages on the device (which must not be painted on yet) and returns
// the number of pages; 0 when the device could not be painted on.
int PrintGridPages(const PrintJob& job, QPagedPaintDevice& device);

// PrintGridPages as the painter of page_output.h, printed at the time it paints;
// the grid and the settings must outlive it.
PagePainter GridPagePainter(const grid::PlainGrid& grid, const grid::PrintSettings& settings);

// The orientation the settings ask for; nothing for the printer's own.
PageOrientation PrintOrientation(const grid::PrintSettings& settings);

// The page count PrintGridPages would produce, without painting.
int CountGridPages(const PrintJob& job, QPagedPaintDevice& device);

// Paints the first page on an image whose size and resolution stand for the
// paper's (the dialog's preview).
void PaintGridPreview(const PrintJob& job, QImage& page);

// A date format of the settings ("dd/mm/yyyy", "d.m.yy", "hh:nn") as a Qt format.
QString QtDateFormat(const std::string& format);

} // namespace kontaro::controls
