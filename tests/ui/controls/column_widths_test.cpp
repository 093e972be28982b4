// The shown column widths of the program's grids in the font the desktop really
// gives for the grids' font (on a Debian desktop without Tahoma: DejaVu Sans):
// every caption and every text fits, the set widths stay the least width, and the
// plain grid keeps the set widths for printing and the export.
#include "controls/column_grid.h"
#include "grid/grid_setups.h"

#include <QFont>
#include <QFontInfo>
#include <QFontMetricsF>

#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace kontaro::controls {
namespace {

using grid::PlainGrid;

QFont ScreenFont(const grid::Font& font)
{
    QFont result(QString::fromStdString(font.name));
    result.setPointSize(font.pointSize);
    result.setBold(font.bold);
    result.setItalic(font.italic);
    return result;
}

// The width a cell's text takes in the font the grid draws it with.
int TextWidth(const ColumnGrid& view, int col, int row)
{
    const PlainGrid& g = view.Grid();
    const QFontMetricsF metrics(ScreenFont(g.CellFont(col, row)), view.viewport());
    return int(std::ceil(metrics.horizontalAdvance(QString::fromStdString(g.DisplayText(col, row)))));
}

void ExpectEveryTextFits(const ColumnGrid& view, const std::vector<int>& setWidths)
{
    const PlainGrid& g = view.Grid();
    for (int col = 0; col < g.ColumnCount(); ++col) {
        if (g.ColumnAt(col).hidden)
            continue;
        EXPECT_GE(view.ColumnWidth(col), setWidths[std::size_t(col)]) << g.ColumnAt(col).header;
        EXPECT_EQ(g.ColumnAt(col).width, setWidths[std::size_t(col)]) << g.ColumnAt(col).header;
        for (int row = 0; row < g.RowCount(); ++row) {
            EXPECT_GE(view.ColumnWidth(col) - ColumnGrid::kTextPadding, TextWidth(view, col, row))
                << g.ColumnAt(col).header << " row " << row << ": " << g.DisplayText(col, row);
        }
    }
}

std::vector<int> SetWidths(const PlainGrid& g)
{
    std::vector<int> widths;
    for (int col = 0; col < g.ColumnCount(); ++col)
        widths.push_back(g.ColumnAt(col).width);
    return widths;
}

TEST(ColumnWidths, CaptionsAndFiveDigitFiguresFitInTheFontInUse)
{
    const QFont font = ScreenFont(grid::Font{});
    RecordProperty("font", QFontInfo(font).family().toStdString());
    struct Case {
        const char* name;
        void (*setup)(PlainGrid&);
    };
    const Case cases[] = {
        {"day view", &grid::SetupDayView},
        {"period summary", &grid::SetupSumView},
        {"group summary", &grid::SetupGroupView},
        {"product overview", &grid::SetupExportGrid},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ColumnGrid view;
        c.setup(view.Grid());
        PlainGrid& g = view.Grid();
        const std::vector<int> set = SetWidths(g);
        view.resize(1000, 300);
        view.show();
        ExpectEveryTextFits(view, set);

        // Figures of five digits with a sign, in every column but the first.
        g.SetRowCount(g.RowCount() + 1);
        for (int row = g.FirstDataRow(); row <= g.LastDataRow(); ++row)
            for (int col = 1; col < g.ColumnCount(); ++col)
                g.SetFloat(col, row, -88888.88);
        g.RecalcFooter();
        ExpectEveryTextFits(view, set);
    }
}

TEST(ColumnWidths, ColumnsFollowTheirWidestTextAsCellsChange)
{
    ColumnGrid view;
    grid::SetupDayView(view.Grid());
    PlainGrid& g = view.Grid();
    view.resize(1000, 300);
    view.show();
    const int einkauf = columns::day::Einkauf;
    const int set = view.ColumnWidth(einkauf);

    g.SetCell(einkauf, 1, "123456789012345678");
    const int wide = view.ColumnWidth(einkauf);
    EXPECT_GE(wide - ColumnGrid::kTextPadding, TextWidth(view, einkauf, 1));
    EXPECT_GT(wide, set);
    // The columns right of it move along.
    EXPECT_EQ(view.CellRect(einkauf + 1, 1).left(), view.CellRect(einkauf, 1).right() + 1);

    g.SetCell(einkauf, 1, "1");
    EXPECT_EQ(view.ColumnWidth(einkauf), set);
    EXPECT_EQ(g.ColumnAt(einkauf).width, 64);
}

} // namespace
} // namespace kontaro::controls
