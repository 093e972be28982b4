#include "grid/grid_setups.h"
#include "grid/plain_grid.h"
#include "numbers/number_text.h"

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace kontaro::grid {
namespace {

// A day grid whose handlers write what happened into a log, in order.
class GridEventsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetupDayView(grid);
        GridEvents& e = grid.Events();
        e.OnCellValidate = [this](int col, int row, std::string& value, bool& valid) {
            log.push_back("validate " + std::to_string(col) + "," + std::to_string(row) + " " + value);
            valid = value != "bad";
            if (value == "fix")
                value = "fixed";
        };
        e.OnCellsChanged = [this](const CellRect& r) {
            log.push_back("changed " + std::to_string(r.top) + "-" + std::to_string(r.bottom) + " footer " +
                          grid.Cell(columns::day::VerkaufB, grid.FooterRow()));
        };
        e.OnRowChanging = [this](int from, int to, bool& allow) {
            log.push_back("row " + std::to_string(from) + ">" + std::to_string(to));
            allow = allowRow;
        };
        e.OnColChanging = [this](int from, int to, bool& allow) {
            log.push_back("col " + std::to_string(from) + ">" + std::to_string(to) + (allow ? " allowed" : " refused"));
            if (forceCol)
                allow = true;
        };
        e.OnCanInsertRow = [this](int row, bool& can) {
            log.push_back("caninsert " + std::to_string(row));
            can = allowInsert;
        };
        e.OnAutoInsertRow = [this](int row) {
            log.push_back("autoinsert " + std::to_string(row));
            grid.SetCursor(columns::day::Produkt, grid.CursorRow());
        };
        e.OnCanDeleteRow = [this](int row, bool& can) {
            log.push_back("candelete " + std::to_string(row));
            can = allowDelete;
        };
        e.OnAutoDeleteRow = [this](int row) { log.push_back("autodelete " + std::to_string(row)); };
        e.OnCalcFooter = [this](int col, int row, std::string& value) {
            value = "pct of " + grid.Cell(columns::day::VerkaufB, row);
            log.push_back("footer " + std::to_string(col));
        };
    }

    void AddRows(int dataRows) { grid.SetRowCount(dataRows + 2); }

    PlainGrid grid;
    std::vector<std::string> log;
    bool allowRow = true;
    bool forceCol = false;
    bool allowInsert = true;
    bool allowDelete = true;
};

TEST_F(GridEventsTest, AcceptedCommitValidatesThenReportsTheCellThenRecalculatesTheFooter)
{
    EXPECT_EQ(grid.CommitEdit(columns::day::VerkaufB, 1, "12.5"), PlainGrid::CommitResult::Accepted);
    // The footer sum is still the old one while the cells-changed handler runs.
    const std::vector<std::string> expected = {"validate 3,1 12.5", "changed 1-1 footer 0.00", "footer 8"};
    EXPECT_EQ(log, expected);
    EXPECT_EQ(grid.Cell(columns::day::VerkaufB, 1), "12.5");
    EXPECT_EQ(grid.Cell(columns::day::VerkaufB, grid.FooterRow()), "12.50");
    EXPECT_EQ(grid.Cell(columns::day::DB1P, grid.FooterRow()), "pct of 12.50");
}

TEST_F(GridEventsTest, RefusedCommitKeepsThePreviousTextAndRaisesNothingElse)
{
    grid.SetCell(columns::day::Menge, 1, "3");
    EXPECT_EQ(grid.CommitEdit(columns::day::Menge, 1, "bad"), PlainGrid::CommitResult::Refused);
    EXPECT_EQ(grid.Cell(columns::day::Menge, 1), "3");
    EXPECT_EQ(log, std::vector<std::string>{"validate 2,1 bad"});
}

TEST_F(GridEventsTest, HandlerMayReplaceTheValue)
{
    grid.CommitEdit(columns::day::Menge, 1, "fix");
    EXPECT_EQ(grid.Cell(columns::day::Menge, 1), "fixed");
}

TEST_F(GridEventsTest, UnchangedTextAndReadOnlyCellsRaiseNothing)
{
    grid.SetCell(columns::day::Menge, 1, "3");
    EXPECT_EQ(grid.CommitEdit(columns::day::Menge, 1, "3"), PlainGrid::CommitResult::Unchanged);
    grid.SetCellReadOnly(columns::day::Menge, 1, true, kLightYellow);
    EXPECT_EQ(grid.CommitEdit(columns::day::Menge, 1, "4"), PlainGrid::CommitResult::Refused);
    EXPECT_EQ(grid.CommitEdit(columns::day::Einkauf, 1, "4"), PlainGrid::CommitResult::Refused);
    EXPECT_EQ(grid.CommitEdit(columns::day::Name, 1, "4"), PlainGrid::CommitResult::Refused);
    EXPECT_EQ(grid.CommitEdit(columns::day::Menge, grid.FooterRow(), "4"), PlainGrid::CommitResult::Refused);
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(grid.Cell(columns::day::Menge, 1), "3");
}

// The exact number behind a rounded text lives as long as that text, and moves
// with its row.
TEST_F(GridEventsTest, ExactNumberGoesWithANewTextOnly)
{
    const int menge = columns::day::Menge;
    const double exact = 10.0 / 3;
    const struct {
        const char* name;
        std::function<void(PlainGrid&)> action;
        std::optional<double> number; // of row 1 afterwards
    } cases[] = {
        {"nothing", [](PlainGrid&) {}, exact},
        {"unchanged commit", [](PlainGrid& g) { g.CommitEdit(menge, 1, "3.33"); }, exact},
        {"refused commit", [](PlainGrid& g) { g.CommitEdit(menge, 1, "bad"); }, exact},
        {"accepted commit", [](PlainGrid& g) { g.CommitEdit(menge, 1, "2.5"); }, 2.5},
        {"program's new text", [](PlainGrid& g) { g.SetCell(menge, 1, "4"); }, 4.0},
        {"cleared row", [](PlainGrid& g) { g.ClearRow(1); }, 0.0},
        {"text that is no number", [](PlainGrid& g) { g.SetCell(menge, 1, "n/a"); }, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        grid.SetRowCount(3);
        grid.ClearRow(1);
        grid.SetCell(menge, 1, "3.33");
        EXPECT_EQ(grid.ExactNumber(menge, 1), 3.33);
        grid.SetExactNumber(menge, 1, exact);
        c.action(grid);
        EXPECT_EQ(grid.ExactNumber(menge, 1), c.number);
    }

    grid.SetCell(menge, 1, "3.33");
    grid.SetExactNumber(menge, 1, exact);
    grid.InsertRow(1);
    EXPECT_EQ(grid.ExactNumber(menge, 1), 0.0);
    EXPECT_EQ(grid.ExactNumber(menge, 2), exact);
}

TEST_F(GridEventsTest, RowThenColumnCheckShareOneAllowFlag)
{
    AddRows(2);
    allowRow = false;
    EXPECT_FALSE(grid.MoveCursor(columns::day::Menge, 2));
    EXPECT_EQ(log, (std::vector<std::string>{"row 1>2", "col 1>2 refused"}));
    EXPECT_EQ(grid.CursorRow(), 1);
    EXPECT_EQ(grid.CursorCol(), columns::day::Produkt);

    // The column handler has the last word.
    log.clear();
    forceCol = true;
    EXPECT_TRUE(grid.MoveCursor(columns::day::Menge, 2));
    EXPECT_EQ(grid.CursorRow(), 2);
    EXPECT_EQ(grid.CursorCol(), columns::day::Menge);

    // A move within the row asks only the column; program moves ask nobody.
    log.clear();
    grid.MoveCursor(columns::day::VerkaufB, 2);
    grid.SetCursor(columns::day::Produkt, 1);
    EXPECT_EQ(log, std::vector<std::string>{"col 2>3 allowed"});
}

TEST_F(GridEventsTest, CursorNeverEntersFixedColumnHeaderOrFooter)
{
    grid.MoveCursor(columns::day::Name, 0);
    EXPECT_EQ(grid.CursorCol(), columns::day::Produkt);
    EXPECT_EQ(grid.CursorRow(), 1);
    grid.SetCursor(columns::day::DB1P, grid.FooterRow());
    EXPECT_EQ(grid.CursorRow(), grid.LastDataRow());
}

TEST_F(GridEventsTest, InsertKeyInsertsAfterTheCursorRowAndMovesDown)
{
    AddRows(2);
    grid.SetCursor(columns::day::VerkaufB, 2); // the last data row
    grid.SetCell(columns::day::VerkaufB, 2, "5");
    ASSERT_TRUE(grid.InsertKey());
    EXPECT_EQ(log, (std::vector<std::string>{"caninsert 2", "autoinsert 3", "changed 3-3 footer 0.00", "footer 8"}));
    EXPECT_EQ(grid.RowCount(), 5);
    EXPECT_EQ(grid.CursorRow(), 3);
    EXPECT_EQ(grid.CursorCol(), columns::day::Produkt);
    EXPECT_EQ(grid.Cell(columns::day::VerkaufB, 2), "5");
    EXPECT_EQ(grid.Cell(columns::day::VerkaufB, 3), "");
    EXPECT_EQ(grid.Cell(columns::day::VerkaufB, grid.FooterRow()), "5.00");
}

TEST_F(GridEventsTest, RefusedInsertChangesNothing)
{
    allowInsert = false;
    EXPECT_FALSE(grid.InsertKey());
    EXPECT_EQ(grid.RowCount(), 3);
    EXPECT_EQ(log, std::vector<std::string>{"caninsert 1"});
}

TEST_F(GridEventsTest, DeleteKeyRemovesTheCursorRowAndKeepsTheCursorOffTheFooter)
{
    AddRows(3);
    for (int row = 1; row <= 3; ++row)
        grid.SetCell(columns::day::VerkaufB, row, std::to_string(row));
    grid.SetCursor(columns::day::Menge, 3);
    ASSERT_TRUE(grid.DeleteKey());
    EXPECT_EQ(log, (std::vector<std::string>{"candelete 3", "autodelete 3", "changed 2-2 footer 0.00", "footer 8"}));
    EXPECT_EQ(grid.DataRowCount(), 2);
    EXPECT_EQ(grid.CursorRow(), 2);
    EXPECT_EQ(grid.Cell(columns::day::VerkaufB, grid.FooterRow()), "3.00");
}

TEST_F(GridEventsTest, DeleteOfTheOnlyDataRowClearsIt)
{
    grid.SetCell(columns::day::Produkt, 1, "7");
    grid.SetCellReadOnly(columns::day::Menge, 1, true, kLightYellow);
    ASSERT_TRUE(grid.DeleteKey());
    EXPECT_EQ(grid.DataRowCount(), 1);
    EXPECT_EQ(grid.Cell(columns::day::Produkt, 1), "");
    EXPECT_FALSE(grid.HasCellState(columns::day::Menge, 1));

    log.clear();
    allowDelete = false;
    EXPECT_FALSE(grid.DeleteKey());
    EXPECT_EQ(log, std::vector<std::string>{"candelete 1"});
}

TEST_F(GridEventsTest, KeysDoNothingWhereTheGridDoesNotAllowThem)
{
    grid.Options().insertDeleteKeys = false;
    EXPECT_FALSE(grid.InsertKey());
    EXPECT_FALSE(grid.DeleteKey());
    EXPECT_TRUE(log.empty());
}

TEST_F(GridEventsTest, RowOperationsReportChangesAndRecalculateTheFooter)
{
    grid.SetCell(columns::day::VerkaufB, 1, "2");
    grid.InsertRow(2);
    grid.SetCell(columns::day::VerkaufB, 2, "3");
    grid.InsertRow(2); // between
    EXPECT_EQ(grid.Cell(columns::day::VerkaufB, 3), "3");
    grid.ClearRow(1);
    grid.RemoveRow(2);
    grid.RemoveRow(1);
    EXPECT_EQ(grid.DataRowCount(), 1);
    EXPECT_EQ(grid.Cell(columns::day::VerkaufB, 1), "3");
    EXPECT_EQ(grid.Cell(columns::day::VerkaufB, grid.FooterRow()), "3.00");
    EXPECT_EQ(std::count_if(log.begin(), log.end(), [](const std::string& s) { return s.starts_with("changed"); }), 5);
    EXPECT_THROW(grid.InsertRow(0), std::out_of_range);
    EXPECT_THROW(grid.RemoveRow(grid.FooterRow()), std::out_of_range);
    EXPECT_THROW(grid.Cell(9, 0), std::out_of_range);
}

TEST(PlainGridFooter, SumsSkipTextsThatAreNoNumbersAndCustomSeesSumsOnItsLeft)
{
    PlainGrid grid;
    grid.Options().numberLocale = {',', '.'};
    SetupDayView(grid);
    grid.SetRowCount(5);
    const char* values[] = {"10,00", "abc", "-", ""};
    for (int row = 1; row <= 3; ++row) {
        grid.SetCell(columns::day::VerkaufB, row, values[row - 1]);
        grid.SetCell(columns::day::DB1, row, "3,40");
    }
    grid.Events().OnCalcFooter = [&grid](int, int row, std::string& value) {
        const double sales = *grid.CellAsNumber(columns::day::VerkaufB, row);
        if (sales != 0)
            value = numbers::FixedText(*grid.CellAsNumber(columns::day::DB1, row) * 100 / sales, 2,
                                       grid.Options().numberLocale.decimalSeparator);
    };
    grid.RecalcFooter();
    const int footer = grid.FooterRow();
    EXPECT_EQ(grid.Cell(columns::day::VerkaufB, footer), "10,00");
    EXPECT_EQ(grid.Cell(columns::day::DB1, footer), "10,20");
    EXPECT_EQ(grid.Cell(columns::day::DB1P, footer), "102,00");
    EXPECT_EQ(grid.Cell(columns::day::Menge, footer), "");
    EXPECT_EQ(grid.Cell(columns::day::Name, footer), "Summen");
}

TEST(PlainGridLook, CellStateOverridesTheColumnAndClearingRemovesIt)
{
    PlainGrid grid;
    SetupDayView(grid);
    EXPECT_FALSE(grid.IsCellReadOnly(columns::day::VerkaufB, 1));
    EXPECT_EQ(grid.CellColour(columns::day::VerkaufB, 1), kLightYellow);
    grid.SetCellReadOnly(columns::day::Menge, 1, true, kLightYellow);
    grid.SetCellReadOnly(columns::day::VerkaufB, 1, false, kWindowColour);
    EXPECT_TRUE(grid.IsCellReadOnly(columns::day::Menge, 1));
    EXPECT_EQ(grid.CellColour(columns::day::Menge, 1), kLightYellow);
    EXPECT_TRUE(grid.CanEdit(columns::day::VerkaufB, 1));
    EXPECT_EQ(grid.CellColour(columns::day::VerkaufB, 1), kWindowColour);
    grid.ClearRow(1);
    EXPECT_FALSE(grid.IsCellReadOnly(columns::day::Menge, 1));
    EXPECT_EQ(grid.CellColour(columns::day::VerkaufB, 1), kLightYellow);
}

TEST(PlainGridLook, DisplayFormatAppliesToNumbersOnly)
{
    PlainGrid grid;
    grid.Options().numberLocale = {',', '.'};
    SetupDayView(grid);
    grid.SetCell(columns::day::Steuer, 1, "19,00");
    grid.SetCell(columns::day::Menge, 1, "3");
    grid.SetCell(columns::day::VerkaufN, 1, "8,4");
    grid.SetCell(columns::day::Einkauf, 1, "n/a");
    grid.SetCell(columns::day::Einkauf, grid.FooterRow(), "2");
    EXPECT_EQ(grid.DisplayText(columns::day::Steuer, 1), "19,0");
    EXPECT_EQ(grid.DisplayText(columns::day::Menge, 1), "3,00");
    EXPECT_EQ(grid.DisplayText(columns::day::VerkaufN, 1), "8,4");
    EXPECT_EQ(grid.DisplayText(columns::day::Einkauf, 1), "n/a");
    EXPECT_EQ(grid.DisplayText(columns::day::Einkauf, grid.FooterRow()), "2,00");
    EXPECT_EQ(grid.DisplayText(columns::day::Steuer, 0), "Steuer");
}

TEST(PlainGridUpdates, SuspendedRepaintingNotifiesOnceAtTheEnd)
{
    PlainGrid grid;
    SetupDayView(grid);
    int notified = 0;
    grid.SetChangeListener([&notified] { ++notified; });
    grid.BeginUpdate();
    grid.BeginUpdate();
    grid.SetCell(1, 1, "1");
    grid.InsertRow(2);
    grid.EndUpdate();
    EXPECT_EQ(notified, 0);
    grid.EndUpdate();
    EXPECT_EQ(notified, 1);
    grid.EndUpdate(); // unbalanced: ignored
    EXPECT_FALSE(grid.UpdatesSuspended());
}

TEST(GridSetups, LayOutTheFourGrids)
{
    PlainGrid day, sum, group, overview;
    SetupDayView(day);
    SetupSumView(sum);
    SetupGroupView(group);
    SetupExportGrid(overview);

    struct Expect {
        const PlainGrid* grid;
        int columns;
        int rows;
        int fixedCols;
        int visible;
        bool editing;
    };
    const Expect expects[] = {
        {&day, 9, 3, 1, 9, true},
        {&sum, 9, 3, 1, 9, false},
        {&group, 10, 3, 1, 8, false},
        {&overview, 4, 2, 0, 4, false},
    };
    for (const Expect& e : expects) {
        EXPECT_EQ(e.grid->ColumnCount(), e.columns);
        EXPECT_EQ(e.grid->RowCount(), e.rows);
        EXPECT_EQ(e.grid->Options().fixedCols, e.fixedCols);
        EXPECT_EQ(e.grid->VisibleColumnCount(), e.visible);
        EXPECT_EQ(e.grid->Options().editing, e.editing);
        EXPECT_EQ(e.grid->DataRowCount(), 1);
        // Only the day grid keeps Tab for moving between its cells.
        EXPECT_EQ(e.grid->Options().tabMovesCells, e.editing);
    }

    EXPECT_EQ(day.ColumnIndex("cMenge"), columns::day::Menge);
    EXPECT_EQ(day.ColumnIndex("cDB1P"), columns::day::DB1P);
    EXPECT_EQ(sum.ColumnIndex("SumSteuer"), columns::sum::Steuer);
    EXPECT_EQ(group.ColumnIndex(""), -1);
    EXPECT_EQ(day.Cell(columns::day::VerkaufB, 0), "Verkauf (B)");
    EXPECT_EQ(sum.Cell(columns::sum::Steuer, 0), "Steuer (bis)");
    EXPECT_EQ(group.Cell(columns::group::Anteil, 0), "Anteil (%)");
    EXPECT_EQ(group.VisibleColumn(2), columns::group::VerkaufB);
    EXPECT_EQ(overview.Cell(columns::overview::Name, 0), "Name");
    EXPECT_EQ(overview.ColumnAt(columns::overview::Name).width, 312);
    EXPECT_EQ(overview.ColumnAt(columns::overview::Einkauf).alignment, HAlign::Right);
    EXPECT_EQ(overview.ColumnAt(columns::overview::Einkauf).headerAlignment, HAlign::Left);

    EXPECT_EQ(day.Cell(columns::day::Name, day.FooterRow()), "Summen");
    EXPECT_EQ(day.Cell(columns::day::VerkaufB, day.FooterRow()), "0.00");
    EXPECT_EQ(day.Cell(columns::day::DB1P, day.FooterRow()), "");
    EXPECT_EQ(day.ColumnAt(columns::day::Menge).editor, EditorKind::Calculator);
    EXPECT_EQ(day.ColumnAt(columns::day::Produkt).editor, EditorKind::Numeric);
    EXPECT_EQ(day.ColumnAt(columns::day::VerkaufN).colour, kLightYellow);
    EXPECT_EQ(day.CursorCol(), columns::day::Produkt);
    for (const int col : {3, 4, 5, 7}) {
        EXPECT_EQ(sum.ColumnAt(col).footer, FooterKind::Sum);
        EXPECT_EQ(group.ColumnAt(col).footer, FooterKind::Sum);
    }
    EXPECT_EQ(group.Cell(0, group.FooterRow()), "Summen");
}

TEST(GridSetups, KeepTheSeparatorsOfTheGrid)
{
    PlainGrid grid;
    grid.Options().numberLocale = {',', '.'};
    SetupSumView(grid);
    EXPECT_EQ(grid.Cell(columns::sum::VerkaufB, grid.FooterRow()), "0,00");
}

} // namespace
} // namespace kontaro::grid
