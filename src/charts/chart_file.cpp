#include "charts/chart_file.h"

#include "charts/series_charts.h"

#include <QBuffer>
#include <QChart>
#include <QGraphicsScene>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>

#include <memory>

namespace kontaro::charts {

namespace {

constexpr int kPdfResolution = 150;
constexpr qreal kPageMarginMillimetres = 10;
constexpr qreal kMillimetresPerInch = 25.4;

// The charts laid out on a scene of `size`, drawn by `paint` into its painter.
void DrawCharts(const calc::PeriodSeries& series, const numbers::NumberLocale& locale, QSize size, QPainter& painter,
                const QRectF& target)
{
    QGraphicsScene scene;
    std::unique_ptr<QChart> margin = MakeMarginChart(series, locale);
    std::unique_ptr<QChart> groups = series.groups.empty() ? nullptr : MakeGroupChart(series, locale);
    const qreal height = groups ? size.height() / 2.0 : size.height();
    margin->setGeometry(0, 0, size.width(), height);
    // The scene owns what it holds; it gives the charts back before it goes.
    scene.addItem(margin.get());
    if (groups) {
        groups->setGeometry(0, height, size.width(), height);
        scene.addItem(groups.get());
    }
    scene.setSceneRect(0, 0, size.width(), size.height());
    painter.fillRect(target, Qt::white);
    scene.render(&painter, target, scene.sceneRect());
    scene.removeItem(margin.get());
    if (groups)
        scene.removeItem(groups.get());
}

} // namespace

QByteArray ChartBytes(const calc::PeriodSeries& series, const numbers::NumberLocale& locale, ChartFormat format,
                      QSize size)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    switch (format) {
    case ChartFormat::Png: {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            DrawCharts(series, locale, size, painter, QRectF(QPointF(0, 0), size));
        }
        image.save(&buffer, "PNG");
        break;
    }
    case ChartFormat::Svg: {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(size);
        svg.setViewBox(QRect(QPoint(0, 0), size));
        svg.setTitle(MakeMarginChart(series, locale)->title());
        QPainter painter(&svg);
        DrawCharts(series, locale, size, painter, QRectF(QPointF(0, 0), size));
        break;
    }
    case ChartFormat::Pdf: {
        QPdfWriter pdf(&buffer);
        pdf.setResolution(kPdfResolution);
        pdf.setPageLayout(
            QPageLayout(QPageSize(QPageSize::A4), kChartOrientation, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
        pdf.setTitle(MakeMarginChart(series, locale)->title());
        PaintChartPage(series, locale, pdf, size);
        break;
    }
    }
    return bytes;
}

bool WriteChartFile(const calc::PeriodSeries& series, const numbers::NumberLocale& locale, ChartFormat format,
                    const QString& path, QSize size)
{
    const QByteArray bytes = ChartBytes(series, locale, format, size);
    if (bytes.isEmpty())
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

int PaintChartPage(const calc::PeriodSeries& series, const numbers::NumberLocale& locale, QPagedPaintDevice& device,
                   QSize size)
{
    QPainter painter;
    if (!painter.begin(&device))
        return 0;
    painter.setRenderHint(QPainter::Antialiasing);
    // The painter starts at the paint rectangle's corner.
    const int dpi = device.logicalDpiX();
    const int margin = qRound(kPageMarginMillimetres / kMillimetresPerInch * dpi);
    const QRect page =
        QRect(QPoint(0, 0), device.pageLayout().paintRectPixels(dpi).size()).adjusted(margin, margin, -margin, -margin);
    const QSize scene = size.scaled(page.size(), Qt::KeepAspectRatio);
    DrawCharts(series, locale, size, painter, QRectF(page.topLeft(), scene));
    return 1;
}

ChartFormat ChartFormatOfPath(const QString& path)
{
    if (path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive))
        return ChartFormat::Svg;
    if (path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        return ChartFormat::Pdf;
    return ChartFormat::Png;
}

} // namespace kontaro::charts
