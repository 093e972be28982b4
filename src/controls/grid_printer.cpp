#include "controls/grid_printer.h"

#include <QFontMetricsF>
#include <QImage>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>
#include <map>

namespace kontaro::controls {

namespace {

using grid::PrintPosition;

QColor Resolved(grid::Colour colour)
{
    const grid::Colour rgb = grid::ResolvedColour(colour);
    return QColor(int(rgb & 0xFF), int((rgb >> 8) & 0xFF), int((rgb >> 16) & 0xFF));
}

QFont FromPrintFont(const grid::PrintFont& font)
{
    QFont result(QString::fromStdString(font.name));
    result.setPointSize(std::max(1, font.size));
    result.setBold(font.style & grid::kBold);
    result.setItalic(font.style & grid::kItalic);
    result.setUnderline(font.style & grid::kUnderline);
    result.setStrikeOut(font.style & grid::kStrikeOut);
    return result;
}

QFont FromGridFont(const grid::Font& font)
{
    return FromPrintFont({font.name, font.pointSize,
                          (font.bold ? grid::kBold : 0) | (font.italic ? grid::kItalic : 0) |
                              (font.underline ? grid::kUnderline : 0) | (font.strikeOut ? grid::kStrikeOut : 0),
                          font.colour});
}

Qt::PenStyle ToPenStyle(grid::PenStyle style)
{
    switch (style) {
    case grid::PenStyle::Dash:
        return Qt::DashLine;
    case grid::PenStyle::Dot:
        return Qt::DotLine;
    case grid::PenStyle::DashDot:
        return Qt::DashDotLine;
    case grid::PenStyle::DashDotDot:
        return Qt::DashDotDotLine;
    case grid::PenStyle::Clear:
        return Qt::NoPen;
    case grid::PenStyle::Solid:
    case grid::PenStyle::InsideFrame:
        break;
    }
    return Qt::SolidLine;
}

bool IsTop(PrintPosition position)
{
    return position == PrintPosition::TopLeft || position == PrintPosition::TopRight ||
           position == PrintPosition::TopCenter;
}

Qt::Alignment PositionAlignment(PrintPosition position)
{
    switch (position) {
    case PrintPosition::TopRight:
    case PrintPosition::BottomRight:
        return Qt::AlignRight;
    case PrintPosition::TopCenter:
    case PrintPosition::BottomCenter:
        return Qt::AlignHCenter;
    default:
        return Qt::AlignLeft;
    }
}

// Everything about the pages that does not depend on the page being painted.
class PageLayout {
public:
    PageLayout(const PrintJob& job, QPaintDevice& device) : job_(job), device_(device)
    {
        const grid::PlainGrid& g = job.grid;
        const grid::PrintSettings& s = job.settings;
        const double screenToDevice = device.logicalDpiX() / 96.0;
        for (int col = 0; col < g.ColumnCount(); ++col)
            if (!g.ColumnAt(col).hidden)
                cols_.push_back(col);

        for (const int col : cols_) {
            double width = 0;
            if (s.UseFixedWidth) {
                width = Tenths(s.FixedWidth);
            } else if (s.NoAutoSize) {
                width = g.ColumnAt(col).width * screenToDevice;
            } else {
                for (int row = 0; row < g.RowCount(); ++row) {
                    const QFontMetricsF metrics(CellFont(col, row), &device);
                    width = std::max(width, metrics.horizontalAdvance(Text(col, row)) + 2 * Padding());
                }
            }
            colWidth_[col] = std::max(width, 2 * Padding()) + Tenths(s.ColumnSpacing);
        }
        for (int row = 0; row < g.RowCount(); ++row) {
            double height = 0;
            if (s.UseFixedHeight) {
                height = Tenths(s.FixedHeight);
            } else {
                for (const int col : cols_)
                    height = std::max(height, QFontMetricsF(CellFont(col, row), &device).height() + Padding());
            }
            rowHeight_.push_back(height + Tenths(s.RowSpacing));
        }

        area_ =
            QRectF(Tenths(s.LeftSize), Tenths(s.HeaderSize), device.width() - Tenths(s.LeftSize) - Tenths(s.RightSize),
                   device.height() - Tenths(s.HeaderSize) - Tenths(s.FooterSize));
        if (area_.width() < 1 || area_.height() < 1)
            area_ = QRectF(0, 0, device.width(), device.height());

        double total = 0;
        for (const int col : cols_)
            total += colWidth_[col];
        scale_ = 1;
        if (total > 0) {
            const double fit = area_.width() / total;
            switch (s.FitToPage) {
            case grid::FitToPageMode::Shrink:
                scale_ = std::min(1.0, fit);
                break;
            case grid::FitToPageMode::Grow:
                scale_ = std::max(1.0, fit);
                break;
            case grid::FitToPageMode::Always:
                scale_ = fit;
                break;
            default:
                break;
            }
        }
        topHeight_ = BlockHeight(true);
        bottomHeight_ = BlockHeight(false);
        Paginate();
    }

    int PageCount() const { return int(bands_.size() * rowPages_.size()); }

    void PaintPage(QPainter& painter, int page) const
    {
        const std::vector<int>& cols = bands_[std::size_t(page) / rowPages_.size()];
        const std::vector<int>& rows = rowPages_[std::size_t(page) % rowPages_.size()];
        PaintTexts(painter, page);

        double width = 0;
        for (const int col : cols)
            width += colWidth_.at(col);
        const double left =
            area_.left() + (job_.settings.Centered ? std::max(0.0, (area_.width() - width * scale_) / 2) : 0);
        painter.save();
        painter.translate(left, area_.top() + topHeight_);
        painter.scale(scale_, scale_);
        double y = 0;
        for (const int row : rows) {
            double x = 0;
            for (const int col : cols) {
                PaintCell(painter, col, row, QRectF(x, y, colWidth_.at(col), rowHeight_[std::size_t(row)]));
                x += colWidth_.at(col);
            }
            y += rowHeight_[std::size_t(row)];
        }
        PaintBorders(painter, cols, rows, width, y);
        painter.restore();
    }

private:
    double Tenths(int tenthsOfMillimetre) const { return tenthsOfMillimetre * device_.logicalDpiY() / 254.0; }
    double Padding() const { return device_.logicalDpiX() / 48.0; }

    QFont CellFont(int col, int row) const
    {
        const grid::PrintSettings& s = job_.settings;
        if (s.UseDisplayFont)
            return FromGridFont(job_.grid.CellFont(col, row));
        return FromPrintFont(job_.grid.IsFixedCell(col, row) ? s.FixedFont : s.Font);
    }
    QString Text(int col, int row) const { return QString::fromStdString(job_.grid.DisplayText(col, row)); }

    std::map<PrintPosition, QStringList> Texts(int page) const
    {
        const grid::PrintSettings& s = job_.settings;
        std::map<PrintPosition, QStringList> texts;
        if (s.Title != PrintPosition::None)
            for (const std::string& line : s.TitleLines)
                texts[s.Title] << QString::fromStdString(line);
        // Without a format of its own the date is written as the desktop writes it.
        if (s.Date != PrintPosition::None)
            texts[s.Date] << (s.DateFormat.empty() ? QLocale().toString(job_.printedAt.date(), QLocale::ShortFormat)
                                                   : job_.printedAt.date().toString(QtDateFormat(s.DateFormat)));
        if (s.Time != PrintPosition::None)
            texts[s.Time] << job_.printedAt.time().toString(QStringLiteral("hh:mm:ss"));
        if (s.PageNr != PrintPosition::None)
            texts[s.PageNr] << QString::fromStdString(s.PagePrefix) + QString::number(page + 1) +
                                   QString::fromStdString(s.PageNumSep) + QString::number(PageCount()) +
                                   QString::fromStdString(s.PageSuffix);
        return texts;
    }

    double BlockHeight(bool top) const
    {
        const QFontMetricsF metrics(FromPrintFont(top ? job_.settings.HeaderFont : job_.settings.FooterFont), &device_);
        double height = 0;
        // The page count is not known yet; one line per text is all that matters.
        std::map<PrintPosition, int> lines;
        const grid::PrintSettings& s = job_.settings;
        if (s.Title != PrintPosition::None)
            lines[s.Title] += int(s.TitleLines.size());
        for (const PrintPosition p : {s.Date, s.Time, s.PageNr})
            if (p != PrintPosition::None)
                lines[p] += 1;
        for (const auto& [position, count] : lines)
            if (IsTop(position) == top)
                height = std::max(height, count * metrics.height());
        return height > 0 ? height + Tenths(s.TitleSpacing) : 0;
    }

    void Paginate()
    {
        const grid::PlainGrid& g = job_.grid;
        const grid::PrintSettings& s = job_.settings;
        const double pageHeight = std::max(1.0, (area_.height() - topHeight_ - bottomHeight_) / scale_);
        std::vector<int> page;
        double used = 0;
        for (int row = 0; row < g.RowCount(); ++row) {
            const double h = rowHeight_[std::size_t(row)];
            if (!page.empty() && used + h > pageHeight) {
                rowPages_.push_back(page);
                page.clear();
                used = 0;
                if (s.RepeatFixedRows && row > 0) {
                    page.push_back(0);
                    used = rowHeight_[0];
                }
            }
            page.push_back(row);
            used += h;
        }
        rowPages_.push_back(page);

        const double pageWidth = std::max(1.0, area_.width() / scale_);
        std::vector<int> fixed;
        for (const int col : cols_)
            if (col < g.Options().fixedCols)
                fixed.push_back(col);
        std::vector<int> band;
        double width = 0;
        for (const int col : cols_) {
            const double w = colWidth_.at(col);
            if (!band.empty() && width + w > pageWidth) {
                bands_.push_back(band);
                band.clear();
                width = 0;
                if (s.RepeatFixedCols && col >= g.Options().fixedCols) {
                    for (const int f : fixed) {
                        band.push_back(f);
                        width += colWidth_.at(f);
                    }
                }
            }
            band.push_back(col);
            width += w;
        }
        bands_.push_back(band);
    }

    void PaintTexts(QPainter& painter, int page) const
    {
        for (const auto& [position, lines] : Texts(page)) {
            const bool top = IsTop(position);
            painter.setFont(FromPrintFont(top ? job_.settings.HeaderFont : job_.settings.FooterFont));
            painter.setPen(Resolved(top ? job_.settings.HeaderFont.colour : job_.settings.FooterFont.colour));
            const double lineHeight = QFontMetricsF(painter.font(), &device_).height();
            const double height = lineHeight * lines.size();
            const double y = top ? area_.top() : area_.bottom() - height;
            painter.drawText(QRectF(area_.left(), y, area_.width(), height),
                             int(PositionAlignment(position) | Qt::AlignTop), lines.join(QLatin1Char('\n')));
        }
    }

    void PaintCell(QPainter& painter, int col, int row, const QRectF& rect) const
    {
        const QColor background = Resolved(job_.grid.CellColour(col, row));
        if (background != QColor(Qt::white))
            painter.fillRect(rect, background);
        const QFont font = CellFont(col, row);
        painter.setFont(font);
        painter.setPen(
            Resolved(job_.settings.UseDisplayFont ? job_.grid.CellFont(col, row).colour : job_.settings.Font.colour));
        const grid::HAlign align = job_.grid.CellAlignment(col, row);
        const Qt::Alignment flags = (align == grid::HAlign::Right    ? Qt::AlignRight
                                     : align == grid::HAlign::Centre ? Qt::AlignHCenter
                                                                     : Qt::AlignLeft) |
                                    Qt::AlignVCenter;
        painter.drawText(rect.adjusted(Padding(), 0, -Padding(), 0), int(flags), Text(col, row));
    }

    void PaintBorders(QPainter& painter, const std::vector<int>& cols, const std::vector<int>& rows, double width,
                      double height) const
    {
        using K = grid::PrintBorderKind;
        const K kind = job_.settings.Borders;
        if (kind == K::NoBorder)
            return;
        painter.setPen(QPen(Qt::black, 0, ToPenStyle(job_.settings.BorderStyle)));
        const bool inner = kind == K::Single || kind == K::Double || kind == K::Custom;
        const bool vertical = inner || kind == K::Vertical || kind == K::AroundVertical;
        const bool horizontal = inner || kind == K::Horizontal || kind == K::AroundHorizontal;
        const bool around = kind != K::Vertical && kind != K::Horizontal;
        if (vertical) {
            double x = 0;
            for (std::size_t i = 0; i + 1 < cols.size(); ++i) {
                x += colWidth_.at(cols[i]);
                painter.drawLine(QPointF(x, 0), QPointF(x, height));
            }
        }
        if (horizontal) {
            double y = 0;
            for (std::size_t i = 0; i + 1 < rows.size(); ++i) {
                y += rowHeight_[std::size_t(rows[i])];
                painter.drawLine(QPointF(0, y), QPointF(width, y));
            }
        }
        if (around)
            painter.drawRect(QRectF(0, 0, width, height));
        if (kind == K::Double) {
            const double gap = Padding() / 2;
            painter.drawRect(QRectF(-gap, -gap, width + 2 * gap, height + 2 * gap));
        }
    }

    const PrintJob& job_;
    QPaintDevice& device_;
    std::vector<int> cols_;
    std::map<int, double> colWidth_;
    std::vector<double> rowHeight_;
    QRectF area_;
    double scale_ = 1;
    double topHeight_ = 0;
    double bottomHeight_ = 0;
    std::vector<std::vector<int>> rowPages_;
    std::vector<std::vector<int>> bands_;
};

} // namespace

QString QtDateFormat(const std::string& format)
{
    // Day, month and year letters of the settings become Qt's; "nn" are minutes.
    QString result;
    const QString source = QString::fromStdString(format);
    for (qsizetype i = 0; i < source.size(); ++i) {
        const QChar c = source.at(i);
        const QChar lower = c.toLower();
        if (lower == QLatin1Char('m'))
            result += QLatin1Char('M');
        else if (lower == QLatin1Char('d') || lower == QLatin1Char('y') || lower == QLatin1Char('h'))
            result += lower;
        else if (lower == QLatin1Char('n'))
            result += QLatin1Char('m');
        else if (lower == QLatin1Char('s'))
            result += QLatin1Char('s');
        else if (c.isLetter())
            result += QLatin1Char('\'') + c + QLatin1Char('\'');
        else
            result += c;
    }
    return result;
}

void PaintGridPreview(const PrintJob& job, QImage& page)
{
    page.fill(Qt::white);
    const PageLayout layout(job, page);
    QPainter painter(&page);
    layout.PaintPage(painter, 0);
}

int CountGridPages(const PrintJob& job, QPagedPaintDevice& device) { return PageLayout(job, device).PageCount(); }

int PrintGridPages(const PrintJob& job, QPagedPaintDevice& device)
{
    const PageLayout layout(job, device);
    QPainter painter;
    if (!painter.begin(&device))
        return 0;
    for (int page = 0; page < layout.PageCount(); ++page) {
        if (page > 0)
            device.newPage();
        layout.PaintPage(painter, page);
    }
    painter.end();
    return layout.PageCount();
}

PagePainter GridPagePainter(const grid::PlainGrid& grid, const grid::PrintSettings& settings)
{
    return [&grid, &settings](QPagedPaintDevice& device) { return PrintGridPages({grid, settings}, device); };
}

PageOrientation PrintOrientation(const grid::PrintSettings& settings)
{
    if (settings.UseDefaultOrientation)
        return std::nullopt;
    return settings.Orientation == grid::PrinterOrientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
}

} // namespace kontaro::controls
