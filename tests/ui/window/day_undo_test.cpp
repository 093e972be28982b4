// Undo and redo in the day grid through the menu "Bearbeiten" and its shortcuts:
// cell edits, inserted and deleted rows, each step with its row figures and the
// footer; a day switch clears the history.
#include "columns/grid_columns.h"
#include "ui/day_dates.h"
#include "ui/day_view.h"
#include "ui/texts.h"
#include "ui/window/day_view_driver.h"
#include "ui/window/window_fixture.h"

#include <QMenu>
#include <QMenuBar>
#include <QTest>

namespace kontaro::test {
namespace {

using namespace columns::day;

class DayUndoTest : public WindowTest {
protected:
    void SetUp() override
    {
        StartWithCatalogue();
        DayPage().CalDayClick();
        driver_ = std::make_unique<DayViewDriver>(DayGrid(), Calendar());
    }
    DayViewDriver& D() { return *driver_; }
    grid::PlainGrid& G() { return D().Grid(); }
    QString FooterGross() { return D().Shown(VerkaufB, G().FooterRow()); }
    QString FooterDb1() { return D().Shown(DB1, G().FooterRow()); }
    void Undo() { QTest::keyClick(&DayGrid(), Qt::Key_Z, Qt::ControlModifier); }
    void Redo() { QTest::keyClick(&DayGrid(), Qt::Key_Y, Qt::ControlModifier); }
    void RedoShift() { QTest::keyClick(&DayGrid(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier); }
    // Kaffee x1 on row 1, Kuchen x4 on row 2: 10,00 + 10,00.
    void TwoRows()
    {
        D().TypeAt(Produkt, 1, QStringLiteral("1"));
        D().TypeAt(Menge, 1, QStringLiteral("1"));
        D().Key(Qt::Key_Insert);
        D().Type(QStringLiteral("2"));
        D().TypeAt(Menge, 2, QStringLiteral("4"));
    }

    std::unique_ptr<DayViewDriver> driver_;
};

TEST_F(DayUndoTest, TheMenuShowsTheCommandsWithTheirShortcuts)
{
    QMenu* menu = Main().menuBar()->findChild<QMenu*>(QStringLiteral("EditMenu"));
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->title(), ui::texts::MenuEdit());
    EXPECT_EQ(Action("UndoEdit").text(), QStringLiteral("Rückgängig"));
    EXPECT_EQ(Action("UndoEdit").shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
    EXPECT_EQ(Action("RedoEdit").text(), QStringLiteral("Wiederholen"));
    EXPECT_EQ(Action("RedoEdit").shortcuts(), QList<QKeySequence>({QKeySequence(Qt::CTRL | Qt::Key_Y),
                                                                   QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}));
    EXPECT_FALSE(Action("UndoEdit").isEnabled()) << "nothing edited yet";
    EXPECT_FALSE(Action("RedoEdit").isEnabled());
}

TEST_F(DayUndoTest, ACellEditIsUndoneAndRedoneWithItsFigures)
{
    D().TypeAt(Produkt, 1, QStringLiteral("1"));
    D().TypeAt(Menge, 1, QStringLiteral("3"));
    D().TypeAt(Menge, 1, QStringLiteral("5"));
    ASSERT_EQ(FooterGross(), QStringLiteral("50,00"));
    EXPECT_TRUE(Action("UndoEdit").isEnabled());

    Undo();
    EXPECT_EQ(D().Cell(Menge, 1), "3");
    EXPECT_EQ(D().Shown(VerkaufB, 1), QStringLiteral("30,00"));
    EXPECT_EQ(D().Shown(Einkauf, 1), QStringLiteral("15,00"));
    EXPECT_EQ(FooterGross(), QStringLiteral("30,00"));
    EXPECT_EQ(FooterDb1(), D().Shown(DB1, 1));
    EXPECT_TRUE(Action("RedoEdit").isEnabled());

    Redo();
    EXPECT_EQ(D().Cell(Menge, 1), "5");
    EXPECT_EQ(D().Shown(Einkauf, 1), QStringLiteral("25,00"));
    EXPECT_EQ(FooterGross(), QStringLiteral("50,00"));

    // Back to the empty row, step by step: the quantity, then the product.
    Undo();
    Undo();
    EXPECT_EQ(D().Cell(Menge, 1), "");
    EXPECT_EQ(D().Cell(Name, 1), "Kaffee");
    EXPECT_EQ(FooterGross(), QStringLiteral("0,00"));
    Undo();
    EXPECT_EQ(D().Cell(Produkt, 1), "");
    EXPECT_EQ(D().Cell(Name, 1), "");
    EXPECT_FALSE(G().HasCellState(Menge, 1)) << "the product's cell flags go with it";
    EXPECT_FALSE(Action("UndoEdit").isEnabled());

    RedoShift();
    RedoShift();
    EXPECT_EQ(D().Cell(Menge, 1), "3");
    EXPECT_TRUE(G().IsCellReadOnly(VerkaufB, 1));
    EXPECT_EQ(FooterGross(), QStringLiteral("30,00"));
}

TEST_F(DayUndoTest, AnInsertedRowIsUndoneAndRedone)
{
    TwoRows();
    ASSERT_EQ(FooterGross(), QStringLiteral("20,00"));
    Undo(); // Kuchen's quantity
    EXPECT_EQ(FooterGross(), QStringLiteral("10,00"));
    Undo(); // Kuchen
    ASSERT_EQ(G().DataRowCount(), 2);
    EXPECT_EQ(D().Cell(Produkt, 2), "");
    Undo(); // the inserted row
    EXPECT_EQ(G().DataRowCount(), 1);
    EXPECT_EQ(D().Cell(Produkt, 1), "1");
    EXPECT_EQ(FooterGross(), QStringLiteral("10,00"));

    Redo();
    EXPECT_EQ(G().DataRowCount(), 2);
    EXPECT_EQ(G().CursorRow(), 2);
    Redo();
    Redo();
    EXPECT_EQ(D().Cell(Name, 2), "Kuchen");
    EXPECT_EQ(D().Shown(VerkaufB, 2), QStringLiteral("10,00"));
    EXPECT_EQ(FooterGross(), QStringLiteral("20,00"));
}

TEST_F(DayUndoTest, ADeletedRowComesBackWithItsFigures)
{
    TwoRows();
    const std::string db1Kuchen = D().Cell(DB1, 2);
    const QString db1Both = FooterDb1();
    D().ClickCell(Produkt, 2);
    D().Key(Qt::Key_Delete);
    ASSERT_EQ(G().DataRowCount(), 1);
    EXPECT_EQ(FooterGross(), QStringLiteral("10,00"));

    Undo();
    ASSERT_EQ(G().DataRowCount(), 2);
    EXPECT_EQ(D().Cell(Produkt, 2), "2");
    EXPECT_EQ(D().Cell(DB1, 2), db1Kuchen);
    EXPECT_EQ(FooterGross(), QStringLiteral("20,00"));
    EXPECT_EQ(FooterDb1(), db1Both);

    Redo();
    EXPECT_EQ(G().DataRowCount(), 1);
    EXPECT_EQ(D().Cell(Produkt, 1), "1");
    EXPECT_EQ(FooterGross(), QStringLiteral("10,00"));

    // The only row is cleared by Delete; undo brings it back too.
    D().Key(Qt::Key_Delete);
    EXPECT_EQ(D().Cell(Produkt, 1), "");
    Undo();
    EXPECT_EQ(D().Cell(Produkt, 1), "1");
    EXPECT_EQ(FooterGross(), QStringLiteral("10,00"));
}

TEST_F(DayUndoTest, AnOpenEditIsCommittedAndThenUndone)
{
    D().TypeAt(Produkt, 1, QStringLiteral("1"));
    D().TypeAt(Menge, 1, QStringLiteral("3"));
    D().ClickCell(Menge, 1);
    QTest::keyClicks(&DayGrid(), QStringLiteral("7"));
    ASSERT_TRUE(DayGrid().IsEditing());
    DayPage().UndoEdit();
    EXPECT_FALSE(DayGrid().IsEditing());
    EXPECT_EQ(D().Cell(Menge, 1), "3");
    EXPECT_EQ(FooterGross(), QStringLiteral("30,00"));
}

TEST_F(DayUndoTest, ADaySwitchStoresTheDayAndClearsTheHistory)
{
    TwoRows();
    Undo();
    D().ClickDate(ui::DateOfDay(kToday + 1));
    EXPECT_FALSE(Action("UndoEdit").isEnabled());
    EXPECT_FALSE(Action("RedoEdit").isEnabled());
    Undo();
    D().ClickDate(ui::DateOfDay(kToday));
    EXPECT_FALSE(Action("UndoEdit").isEnabled());
    // The day was stored as the undo left it: Kuchen without a quantity is no entry.
    EXPECT_EQ(G().DataRowCount(), 1);
    EXPECT_EQ(D().Cell(Produkt, 1), "1");
    EXPECT_EQ(FooterGross(), QStringLiteral("10,00"));
}

TEST_F(DayUndoTest, OtherPagesLeaveTheDayGridAlone)
{
    TwoRows();
    Main().ShowPage(ui::MainWindow::Page::Products);
    EXPECT_FALSE(Action("UndoEdit").isEnabled());
    Main().ShowPage(ui::MainWindow::Page::DayView);
    EXPECT_FALSE(Action("UndoEdit").isEnabled()) << "the day was shown anew";
    EXPECT_EQ(FooterGross(), QStringLiteral("20,00"));
}

} // namespace
} // namespace kontaro::test
