#pragma once
// The charts of a period series written into a file, without a display: the
// margin chart above the group chart (the margin chart alone when no group sold),
// on a white page of `size` pixels (PNG, SVG) or on a landscape A4 page (PDF).
// The printed page is the PDF's page on the printer's paper.
// Needs a QApplication, which may run on the offscreen platform.
//
// The file is written whole or not at all: a failure (a folder that does not
// exist, a full disk) leaves an existing file as it was and returns false.
#include "calc/period_series.h"
#include "numbers/number_locale.h"

#include <QByteArray>
#include <QPageLayout>
#include <QSize>
#include <QString>

class QPagedPaintDevice;

namespace kontaro::charts {

enum class ChartFormat { Png, Svg, Pdf };

// The size of the pictures when none is asked for.
inline constexpr QSize kDefaultChartSize{1200, 900};

QByteArray ChartBytes(const calc::PeriodSeries& series, const numbers::NumberLocale& locale, ChartFormat format,
                      QSize size = kDefaultChartSize);

bool WriteChartFile(const calc::PeriodSeries& series, const numbers::NumberLocale& locale, ChartFormat format,
                    const QString& path, QSize size = kDefaultChartSize);

// The orientation the charts are printed in.
inline constexpr QPageLayout::Orientation kChartOrientation = QPageLayout::Landscape;

// Paints the charts, laid out at `size` and scaled into the page inside a margin,
// on the one page of `device`; returns the number of pages painted (0 when the
// device cannot be painted on). Fits controls::PagePainter.
int PaintChartPage(const calc::PeriodSeries& series, const numbers::NumberLocale& locale, QPagedPaintDevice& device,
                   QSize size = kDefaultChartSize);

// The format a file name's extension names (.png, .svg, .pdf, in any case); PNG
// for any other.
ChartFormat ChartFormatOfPath(const QString& path);

} // namespace kontaro::charts
