#include "controls/column_grid.h"
#include "grid/grid_setups.h"

#include <QAccessible>
#include <QTest>

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace kontaro::controls {
namespace {

// A shown day grid with two data rows and the footer, one of its columns hidden.
class ColumnGridAccessibleTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        view = std::make_unique<ColumnGrid>();
        view->setObjectName(QStringLiteral("gDayView"));
        view->resize(900, 300);
        grid::PlainGrid& g = view->Grid();
        grid::SetupDayView(g);
        g.SetRowCount(4);
        g.SetCell(1, 1, "7");
        g.SetCell(1, 2, "12");
        g.SetCell(0, 3, "Summe");
        view->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(view.get()));
        table = QAccessible::queryAccessibleInterface(view.get());
        ASSERT_NE(table, nullptr);
        ASSERT_NE(table->tableInterface(), nullptr);
    }

    static QString Name(QAccessibleInterface* cell)
    {
        return cell ? cell->text(QAccessible::Name) : QStringLiteral("<none>");
    }

    std::unique_ptr<ColumnGrid> view;
    QAccessibleInterface* table = nullptr;
};

TEST_F(ColumnGridAccessibleTest, IsATableOfTheDataRowsAndFooterUnderTheHeaderCaptions)
{
    grid::PlainGrid& g = view->Grid();
    QAccessibleTableInterface* t = table->tableInterface();
    EXPECT_EQ(table->role(), QAccessible::Table);
    EXPECT_EQ(table->text(QAccessible::Name), QStringLiteral("gDayView"));
    EXPECT_EQ(t->rowCount(), 3); // two data rows and the footer
    ASSERT_EQ(t->columnCount(), g.VisibleColumnCount());
    for (int column = 0; column < t->columnCount(); ++column) {
        const QString header = QString::fromStdString(g.ColumnAt(g.VisibleColumn(column)).header);
        EXPECT_EQ(t->columnDescription(column), header) << column;
        QAccessibleInterface* cell = t->cellAt(0, column);
        ASSERT_NE(cell, nullptr);
        const QList<QAccessibleInterface*> headers = cell->tableCellInterface()->columnHeaderCells();
        ASSERT_EQ(headers.size(), 1);
        EXPECT_EQ(headers.front()->role(), QAccessible::ColumnHeader);
        EXPECT_EQ(Name(headers.front()), header);
    }
    EXPECT_EQ(Name(t->cellAt(0, 1)), QStringLiteral("7"));
    EXPECT_EQ(Name(t->cellAt(1, 1)), QStringLiteral("12"));
    EXPECT_EQ(Name(t->cellAt(2, 0)), QStringLiteral("Summe"));
    EXPECT_EQ(t->cellAt(3, 0), nullptr);
    EXPECT_EQ(t->cellAt(0, t->columnCount()), nullptr);

    // Every cell is also a child, the header row first, and knows its place.
    EXPECT_EQ(table->childCount(), 4 * t->columnCount());
    QAccessibleInterface* footerCell = t->cellAt(2, 1);
    const int index = table->indexOfChild(footerCell);
    EXPECT_EQ(table->child(index), footerCell);
    EXPECT_EQ(footerCell->tableCellInterface()->rowIndex(), 2);
    EXPECT_EQ(footerCell->tableCellInterface()->columnIndex(), 1);
    EXPECT_EQ(footerCell->parent(), table);
    EXPECT_EQ(table->child(0)->role(), QAccessible::ColumnHeader);
}

TEST_F(ColumnGridAccessibleTest, CellsReadTheGridAsItIsNow)
{
    QAccessibleTableInterface* t = table->tableInterface();
    QAccessibleInterface* cell = t->cellAt(0, 1);
    view->Grid().SetCell(1, 1, "8");
    EXPECT_EQ(Name(cell), QStringLiteral("8"));
    EXPECT_EQ(cell->text(QAccessible::Value), QStringLiteral("8"));

    // A new row reshapes the table: the footer moves down and keeps its text.
    view->Grid().InsertRow(3);
    EXPECT_EQ(t->rowCount(), 4);
    EXPECT_EQ(Name(t->cellAt(3, 0)), QStringLiteral("Summe"));
    EXPECT_EQ(Name(t->cellAt(2, 0)), QString());

    // A hidden column leaves the table; the headers follow.
    grid::PlainGrid& g = view->Grid();
    const int columns = t->columnCount();
    const QString second = t->columnDescription(2);
    g.SetColumnHidden(g.VisibleColumn(1), true);
    EXPECT_EQ(t->columnCount(), columns - 1);
    EXPECT_EQ(t->columnDescription(1), second);
}

TEST_F(ColumnGridAccessibleTest, TheCursorCellIsSelectedAndFocused)
{
    grid::PlainGrid& g = view->Grid();
    QAccessibleTableInterface* t = table->tableInterface();
    view->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return view->hasFocus(); }));
    g.SetCursor(g.VisibleColumn(1), 2);
    QAccessibleInterface* cursor = t->cellAt(1, 1);
    ASSERT_EQ(t->selectedCells(), QList<QAccessibleInterface*>{cursor});
    EXPECT_TRUE(cursor->state().selected);
    EXPECT_TRUE(cursor->state().focused);
    EXPECT_EQ(table->focusChild(), cursor);
    EXPECT_FALSE(t->cellAt(0, 1)->state().selected);
    // Footer cells are read-only and never selected; data cells of an editable column are editable.
    EXPECT_TRUE(t->cellAt(2, 1)->state().readOnly);
    EXPECT_FALSE(t->cellAt(2, 1)->state().selectable);
    EXPECT_EQ(cursor->state().editable, g.CanEdit(g.VisibleColumn(1), 2));

    // With row selection the whole cursor row is selected.
    g.Options().rowSelect = true;
    EXPECT_EQ(t->selectedRows(), QList<int>{1});
    EXPECT_EQ(t->selectedCellCount(), t->columnCount());
    EXPECT_TRUE(t->isRowSelected(1));
    EXPECT_FALSE(t->isRowSelected(0));

    view->clearFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !view->hasFocus(); }));
    EXPECT_FALSE(cursor->state().focused);
    EXPECT_EQ(table->focusChild(), nullptr);
}

TEST_F(ColumnGridAccessibleTest, ACellAtAScreenPointIsTheCellDrawnThere)
{
    grid::PlainGrid& g = view->Grid();
    QAccessibleInterface* cell = table->tableInterface()->cellAt(1, 1);
    const QRect shown = view->CellRect(g.VisibleColumn(1), 2);
    ASSERT_FALSE(shown.isEmpty());
    EXPECT_EQ(cell->rect().size(), shown.size());
    EXPECT_EQ(table->childAt(cell->rect().center().x(), cell->rect().center().y()), cell);
}

} // namespace
} // namespace kontaro::controls
