#include "controls/grid_printer.h"
#include "grid/grid_setups.h"

#include <QBuffer>
#include <QDate>
#include <QPdfWriter>

#include <gtest/gtest.h>

namespace kontaro::controls {
namespace {

class GridPrinterTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        buffer.open(QIODevice::WriteOnly);
        writer = std::make_unique<QPdfWriter>(&buffer);
        writer->setResolution(300);
        writer->setPageSize(QPageSize(QPageSize::A4));
        grid::SetupDayView(g);
        for (int row = 1; row <= g.LastDataRow(); ++row)
            g.SetCell(0, row, "Produkt " + std::to_string(row));
    }

    QBuffer buffer;
    std::unique_ptr<QPdfWriter> writer;
    grid::PlainGrid g;
    grid::PrintSettings settings;
};

TEST_F(GridPrinterTest, SmallGridIsOnePage)
{
    EXPECT_EQ(PrintGridPages({g, settings}, *writer), 1);
    EXPECT_GT(buffer.size(), 0);
}

TEST_F(GridPrinterTest, LongGridsGoOnFurtherPages)
{
    g.SetRowCount(400);
    const int pages = CountGridPages({g, settings}, *writer);
    EXPECT_GT(pages, 3);
    settings.RepeatFixedRows = true;
    EXPECT_GE(CountGridPages({g, settings}, *writer), pages);
    EXPECT_EQ(PrintGridPages({g, settings}, *writer), CountGridPages({g, settings}, *writer));
}

TEST_F(GridPrinterTest, WideGridsShrinkToThePageOrSplitIntoBands)
{
    g.SetColumnCount(40);
    settings.NoAutoSize = true;
    for (int col = 0; col < 40; ++col)
        g.ColumnAt(col).width = 150;
    settings.FitToPage = grid::FitToPageMode::Never;
    EXPECT_GT(CountGridPages({g, settings}, *writer), 1);
    settings.FitToPage = grid::FitToPageMode::Shrink;
    EXPECT_EQ(CountGridPages({g, settings}, *writer), 1);
    // Hidden columns take no room.
    settings.FitToPage = grid::FitToPageMode::Never;
    for (int col = 4; col < 40; ++col)
        g.SetColumnHidden(col, true);
    EXPECT_EQ(CountGridPages({g, settings}, *writer), 1);
}

TEST(QtDateFormat, TranslatesTheSettingsLetters)
{
    EXPECT_EQ(QtDateFormat("dd/mm/yyyy"), QStringLiteral("dd/MM/yyyy"));
    EXPECT_EQ(QDate(2005, 3, 31).toString(QtDateFormat("dd/mm/yyyy")), QStringLiteral("31/03/2005"));
    EXPECT_EQ(QtDateFormat("yy-mm-dd hh:nn"), QStringLiteral("yy-MM-dd hh:mm"));
}

} // namespace
} // namespace kontaro::controls
