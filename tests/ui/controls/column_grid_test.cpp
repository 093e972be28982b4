#include "controls/calc_edit.h"
#include "controls/column_grid.h"
#include "controls/html_label.h"
#include "grid/grid_setups.h"

#include <QLineEdit>
#include <QLocale>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace kontaro::controls {
namespace {

using grid::PlainGrid;

std::string Local(const char* text)
{
    std::string result = text;
    const char decimal = QLocale().decimalPoint().toStdString().front();
    for (char& c : result)
        if (c == ',')
            c = decimal;
    return result;
}

// A shown day grid whose handlers log what the widget made the grid raise.
class ColumnGridTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        view = std::make_unique<ColumnGrid>();
        view->setObjectName(QStringLiteral("gDayView"));
        view->resize(700, 300);
        PlainGrid& g = view->Grid();
        grid::SetupDayView(g);
        g.Events().OnCellValidate = [this](int col, int row, std::string& value, bool& valid) {
            log.push_back("validate " + std::to_string(col) + "," + std::to_string(row) + " " + value);
            valid = value != "99";
        };
        g.Events().OnCellsChanged = [this](const grid::CellRect& r) {
            log.push_back("changed " + std::to_string(r.top));
        };
        g.Events().OnRowChanging = [this](int from, int to, bool&) {
            log.push_back("row " + std::to_string(from) + ">" + std::to_string(to));
        };
        g.Events().OnColChanging = [this](int from, int to, bool& allow) {
            log.push_back("col " + std::to_string(from) + ">" + std::to_string(to));
            allow = allow && allowCol;
        };
        g.Events().OnCanInsertRow = [this](int row, bool&) { log.push_back("caninsert " + std::to_string(row)); };
        g.Events().OnAutoInsertRow = [this](int row) { log.push_back("autoinsert " + std::to_string(row)); };
        g.Events().OnCanDeleteRow = [this](int row, bool&) { log.push_back("candelete " + std::to_string(row)); };
        g.Events().OnAutoDeleteRow = [this](int row) { log.push_back("autodelete " + std::to_string(row)); };
        view->show();
        view->activateWindow();
        view->setFocus();
    }

    PlainGrid& G() { return view->Grid(); }
    void Click(int col, int row)
    {
        const QRect rect = view->CellRect(col, row);
        ASSERT_FALSE(rect.isEmpty());
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, rect.center());
    }

    std::unique_ptr<ColumnGrid> view;
    std::vector<std::string> log;
    bool allowCol = true;
};

TEST_F(ColumnGridTest, TypingOpensTheColumnEditorAndTabCommitsThenMoves)
{
    QTest::keyClicks(view.get(), QStringLiteral("7"));
    ASSERT_TRUE(view->IsEditing());
    EXPECT_NE(qobject_cast<QLineEdit*>(view->Editor()), nullptr);
    EXPECT_EQ(qobject_cast<CalcEdit*>(view->Editor()), nullptr);
    QTest::keyClick(view->Editor(), Qt::Key_Tab);
    EXPECT_FALSE(view->IsEditing());
    EXPECT_EQ(G().Cell(columns::day::Produkt, 1), "7");
    EXPECT_EQ(log, (std::vector<std::string>{"validate 1,1 7", "changed 1", "col 1>2"}));
    EXPECT_EQ(G().CursorCol(), columns::day::Menge);

    // The calculator columns get a calculator editor.
    QTest::keyClicks(view.get(), QStringLiteral("4"));
    EXPECT_NE(qobject_cast<CalcEdit*>(view->Editor()), nullptr);
}

TEST_F(ColumnGridTest, NumericEditorTakesDigitsOnly)
{
    QTest::keyClicks(view.get(), QStringLiteral("1a2"));
    QTest::keyClick(view->Editor(), Qt::Key_Return);
    EXPECT_EQ(G().Cell(columns::day::Produkt, 1), "12");
}

TEST_F(ColumnGridTest, RefusedCommitRestoresTheTextAndReopensTheEditor)
{
    G().SetCell(columns::day::Produkt, 1, "5");
    QTest::keyClicks(view.get(), QStringLiteral("99"));
    QTest::keyClick(view->Editor(), Qt::Key_Tab);
    EXPECT_EQ(G().Cell(columns::day::Produkt, 1), "5");
    ASSERT_TRUE(view->IsEditing());
    EXPECT_EQ(view->EditingCol(), columns::day::Produkt);
    EXPECT_EQ(G().CursorCol(), columns::day::Produkt);
    EXPECT_EQ(qobject_cast<QLineEdit*>(view->Editor())->text(), QStringLiteral("5"));
    EXPECT_EQ(log, std::vector<std::string>{"validate 1,1 99"});
}

TEST_F(ColumnGridTest, EscapeKeepsTheCellText)
{
    G().SetCell(columns::day::Produkt, 1, "5");
    QTest::keyClicks(view.get(), QStringLiteral("8"));
    QTest::keyClick(view->Editor(), Qt::Key_Escape);
    EXPECT_FALSE(view->IsEditing());
    EXPECT_EQ(G().Cell(columns::day::Produkt, 1), "5");
    EXPECT_TRUE(log.empty());
}

TEST_F(ColumnGridTest, ReadOnlyCellsOpenNoEditor)
{
    G().SetCellReadOnly(columns::day::Menge, 1, true, grid::kLightYellow);
    G().SetCell(columns::day::Menge, 1, "2");
    G().SetCursor(columns::day::Menge, 1);
    QTest::keyClicks(view.get(), QStringLiteral("5"));
    QTest::keyClick(view.get(), Qt::Key_Return);
    EXPECT_FALSE(view->IsEditing());
    G().SetCursor(columns::day::Einkauf, 1);
    QTest::keyClicks(view.get(), QStringLiteral("5"));
    EXPECT_FALSE(view->IsEditing());
    EXPECT_EQ(G().Cell(columns::day::Menge, 1), "2");
    EXPECT_TRUE(log.empty());
}

TEST_F(ColumnGridTest, CalculatorEditThroughTheGrid)
{
    struct Case {
        const char* keys;
        const char* cell;
    };
    const Case cases[] = {{"2+3", "3"}, {"2+3=", "5"}, {"5/0=", "0"}, {"200+10%=", "220"}};
    for (const Case& c : cases) {
        G().SetCell(columns::day::Menge, 1, "");
        G().SetCursor(columns::day::Menge, 1);
        QTest::keyClicks(view.get(), QString::fromLatin1(c.keys));
        ASSERT_TRUE(view->IsEditing()) << c.keys;
        QTest::keyClick(view->Editor(), Qt::Key_Return);
        EXPECT_EQ(G().Cell(columns::day::Menge, 1), c.cell) << c.keys;
    }
}

TEST_F(ColumnGridTest, NoCalculationCarriesIntoTheNextEdit)
{
    G().SetCursor(columns::day::Menge, 1);
    QTest::keyClicks(view.get(), QStringLiteral("2+"));
    QTest::keyClick(view->Editor(), Qt::Key_Return);
    EXPECT_EQ(G().Cell(columns::day::Menge, 1), "2");
    QTest::keyClick(view.get(), Qt::Key_F2);
    ASSERT_TRUE(view->IsEditing());
    QTest::keyClicks(view->Editor(), QStringLiteral("3="));
    QTest::keyClick(view->Editor(), Qt::Key_Return);
    EXPECT_EQ(G().Cell(columns::day::Menge, 1), "3");
}

TEST_F(ColumnGridTest, FooterSumsFollowEveryCommit)
{
    G().SetRowCount(4);
    G().SetCursor(columns::day::VerkaufB, 1);
    QTest::keyClicks(view.get(), QString::fromStdString(Local("10,5")));
    QTest::keyClick(view->Editor(), Qt::Key_Down);
    QTest::keyClicks(view.get(), QStringLiteral("2*3="));
    QTest::keyClick(view->Editor(), Qt::Key_Return);
    EXPECT_EQ(G().Cell(columns::day::VerkaufB, 2), "6");
    EXPECT_EQ(G().Cell(columns::day::VerkaufB, G().FooterRow()), Local("16,50"));
    EXPECT_EQ(G().DisplayText(columns::day::VerkaufB, 2), Local("6,00"));
}

TEST_F(ColumnGridTest, CursorKeysRunRowThenColumnCheck)
{
    G().SetRowCount(4);
    QTest::keyClick(view.get(), Qt::Key_Down);
    QTest::keyClick(view.get(), Qt::Key_Right);
    EXPECT_EQ(log, (std::vector<std::string>{"row 1>2", "col 1>2"}));
    EXPECT_EQ(G().CursorRow(), 2);
    EXPECT_EQ(G().CursorCol(), columns::day::Menge);

    log.clear();
    allowCol = false;
    Click(columns::day::Produkt, 1);
    EXPECT_EQ(log, (std::vector<std::string>{"row 2>1", "col 2>1"}));
    EXPECT_EQ(G().CursorRow(), 2);
    allowCol = true;
    Click(columns::day::Name, 1); // the fixed column takes no cursor
    EXPECT_EQ(G().CursorCol(), columns::day::Menge);
}

TEST_F(ColumnGridTest, InsertAndDeleteKeysWithTheirModifiers)
{
    QTest::keyClick(view.get(), Qt::Key_Insert, Qt::ControlModifier);
    QTest::keyClick(view.get(), Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(G().DataRowCount(), 1);
    QTest::keyClick(view.get(), Qt::Key_Insert);
    EXPECT_EQ(G().DataRowCount(), 2);
    EXPECT_EQ(G().CursorRow(), 2);
    QTest::keyClick(view.get(), Qt::Key_Delete, Qt::AltModifier);
    EXPECT_EQ(G().DataRowCount(), 2);
    QTest::keyClick(view.get(), Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(G().DataRowCount(), 1);
    EXPECT_EQ(log, (std::vector<std::string>{"caninsert 1", "autoinsert 2", "changed 2", "candelete 2", "autodelete 2",
                                             "changed 1"}));
}

TEST_F(ColumnGridTest, KeysInsideAnOpenEditorDoNotTouchRows)
{
    G().SetCell(columns::day::Produkt, 1, "12");
    QTest::keyClick(view.get(), Qt::Key_F2);
    QTest::keyClick(view->Editor(), Qt::Key_End);
    QTest::keyClick(view->Editor(), Qt::Key_Delete);
    QTest::keyClick(view->Editor(), Qt::Key_Insert);
    EXPECT_EQ(G().DataRowCount(), 1);
    EXPECT_TRUE(view->IsEditing());
}

TEST_F(ColumnGridTest, FooterStaysVisibleWhileTheDataRowsScroll)
{
    G().SetRowCount(40);
    view->resize(700, 200);
    QApplication::processEvents();
    const QRect footer = view->CellRect(columns::day::VerkaufB, G().FooterRow());
    ASSERT_FALSE(footer.isEmpty());
    EXPECT_EQ(footer.bottom(), view->viewport()->height() - 1);
    EXPECT_TRUE(view->CellRect(columns::day::VerkaufB, 38).isEmpty());

    G().SetCursor(columns::day::VerkaufB, 38);
    QApplication::processEvents();
    const QRect last = view->CellRect(columns::day::VerkaufB, 38);
    const QRect footerAfter = view->CellRect(columns::day::VerkaufB, G().FooterRow());
    ASSERT_FALSE(last.isEmpty());
    EXPECT_LT(last.bottom(), footerAfter.top());
    EXPECT_EQ(footerAfter.bottom(), view->viewport()->height() - 1);
    EXPECT_FALSE(view->CellRect(columns::day::VerkaufB, 0).isEmpty());
    EXPECT_GT(view->verticalScrollBar()->value(), 0);

    // With few rows the footer follows the last data row.
    G().SetRowCount(3);
    EXPECT_EQ(view->CellRect(columns::day::VerkaufB, G().FooterRow()).top(), 2 * 21);
}

TEST_F(ColumnGridTest, HiddenColumnsTakeNoSpaceAndNoCursor)
{
    G().SetColumnHidden(columns::day::Menge, true);
    EXPECT_TRUE(view->CellRect(columns::day::Menge, 1).isEmpty());
    EXPECT_EQ(view->CellRect(columns::day::VerkaufB, 1).left(), 150 + 64);
    QTest::keyClick(view.get(), Qt::Key_Right);
    EXPECT_EQ(G().CursorCol(), columns::day::VerkaufB);
}

TEST_F(ColumnGridTest, LeavingTheGridCommitsButThePanelDoesNot)
{
    QWidget window;
    window.resize(800, 400);
    view->setParent(&window);
    QLineEdit other(&window);
    other.setGeometry(0, 320, 50, 20);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    view->setFocus();
    G().SetCursor(columns::day::Menge, 1);
    QTest::keyClicks(view.get(), QStringLiteral("4"));
    ASSERT_TRUE(view->IsEditing());
    auto* calc = qobject_cast<CalcEdit*>(view->Editor());
    ASSERT_NE(calc, nullptr);
    calc->OpenPanel();
    QApplication::processEvents();
    EXPECT_TRUE(view->IsEditing());
    calc->ClosePanel();
    view->Editor()->setFocus();
    other.setFocus(Qt::MouseFocusReason);
    QApplication::processEvents();
    EXPECT_FALSE(view->IsEditing());
    EXPECT_EQ(G().Cell(columns::day::Menge, 1), "4");
    EXPECT_EQ(log, (std::vector<std::string>{"validate 2,1 4", "changed 1"}));
    view->setParent(nullptr);
}

TEST_F(ColumnGridTest, TabRunsAlongTheRowThenToTheNextRow)
{
    G().SetRowCount(4);
    G().SetCursor(columns::day::DB1P, 1);
    QTest::keyClick(view.get(), Qt::Key_Tab);
    EXPECT_EQ(G().CursorRow(), 2);
    EXPECT_EQ(G().CursorCol(), columns::day::Produkt);
    QTest::keyClick(view.get(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(G().CursorRow(), 1);
    EXPECT_EQ(G().CursorCol(), columns::day::DB1P);
    G().SetCursor(columns::day::DB1P, 2);
    QTest::keyClick(view.get(), Qt::Key_Tab); // the last cell: stays
    EXPECT_EQ(G().CursorRow(), 2);
    EXPECT_EQ(G().CursorCol(), columns::day::DB1P);
}

TEST_F(ColumnGridTest, HomeAndEndGoToTheFirstAndLastEditableColumnOfTheRow)
{
    G().SetCursor(columns::day::Menge, 1);
    QTest::keyClick(view.get(), Qt::Key_End);
    EXPECT_EQ(G().CursorCol(), columns::day::VerkaufB);
    QTest::keyClick(view.get(), Qt::Key_Home);
    EXPECT_EQ(G().CursorCol(), columns::day::Produkt);
    EXPECT_EQ(log, (std::vector<std::string>{"col 2>3", "col 3>1"}));

    // A row of a product with a fixed price: its gross amount is computed.
    G().SetCell(columns::day::Produkt, 1, "5");
    G().SetCellReadOnly(columns::day::VerkaufB, 1, true, grid::kLightYellow);
    QTest::keyClick(view.get(), Qt::Key_End);
    EXPECT_EQ(G().CursorCol(), columns::day::Menge);
    G().SetCursor(columns::day::DB1P, 1);
    QTest::keyClick(view.get(), Qt::Key_Home);
    EXPECT_EQ(G().CursorCol(), columns::day::Produkt);
    EXPECT_EQ(G().CursorRow(), 1);
}

TEST(ColumnGridHomeEnd, GridsWithoutEditableCellsGoToTheirFirstAndLastShownColumn)
{
    struct Case {
        void (*setup)(PlainGrid&);
        int first;
        int last;
    };
    const Case cases[] = {
        {&grid::SetupSumView, columns::sum::Produkt, columns::sum::DB1P},
        {&grid::SetupGroupView, columns::group::Gruppe, columns::group::Anteil},
    };
    for (const Case& c : cases) {
        ColumnGrid view;
        c.setup(view.Grid());
        view.resize(300, 200);
        view.show();
        QTest::keyClick(&view, Qt::Key_End);
        EXPECT_EQ(view.Grid().CursorCol(), c.last);
        // The last column is scrolled into view.
        EXPECT_FALSE(view.CellRect(c.last, 1).isEmpty());
        EXPECT_LE(view.CellRect(c.last, 1).right(), view.viewport()->width());
        QTest::keyClick(&view, Qt::Key_Home);
        EXPECT_EQ(view.Grid().CursorCol(), c.first);
        EXPECT_EQ(view.horizontalScrollBar()->value(), 0);
    }
}

TEST_F(ColumnGridTest, BackspaceOverTheWholeCalculatorTextLeavesZero)
{
    G().SetCell(columns::day::Produkt, 1, "5");
    G().SetCell(columns::day::Menge, 1, "12");
    G().SetCursor(columns::day::Menge, 1);
    QTest::keyClick(view.get(), Qt::Key_F2); // opens with the text selected
    ASSERT_TRUE(view->IsEditing());
    QTest::keyClick(view->Editor(), Qt::Key_Backspace);
    QTest::keyClick(view->Editor(), Qt::Key_Return);
    EXPECT_EQ(G().Cell(columns::day::Menge, 1), "0");
}

TEST_F(ColumnGridTest, DoubleClickOpensTheEditor)
{
    G().SetCell(columns::day::Produkt, 1, "3");
    const QPoint centre = view->CellRect(columns::day::Produkt, 1).center();
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, centre);
    ASSERT_TRUE(view->IsEditing());
    EXPECT_EQ(qobject_cast<QLineEdit*>(view->Editor())->text(), QStringLiteral("3"));
}

TEST_F(ColumnGridTest, ClickOnTheFooterOverAPartlyCoveredRowHitsTheFooter)
{
    G().SetRowCount(40);
    view->resize(700, 200);
    QApplication::processEvents();
    int col = 0;
    int row = 0;
    const QRect footer = view->CellRect(columns::day::VerkaufB, G().FooterRow());
    ASSERT_TRUE(view->CellAt(footer.topLeft() + QPoint(2, 1), &col, &row));
    EXPECT_EQ(row, G().FooterRow());
    Click(columns::day::VerkaufB, G().FooterRow());
    EXPECT_EQ(G().CursorRow(), 1);
}

TEST_F(ColumnGridTest, AFailingHandlerIsReportedInsteadOfEndingTheProgram)
{
    G().Events().OnCellValidate = [](int, int, std::string&, bool&) { throw std::runtime_error("kaputt"); };
    QStringList failures;
    QObject::connect(view.get(), &ColumnGrid::HandlerFailed, [&failures](const QString& what) { failures << what; });
    QTest::keyClicks(view.get(), QStringLiteral("7"));
    QTest::keyClick(view->Editor(), Qt::Key_Return);
    EXPECT_EQ(failures, QStringList{QStringLiteral("kaputt")});
    EXPECT_FALSE(view->IsEditing());
    EXPECT_EQ(G().Cell(columns::day::Produkt, 1), "");
    // The grid goes on working.
    G().Events().OnCellValidate = nullptr;
    QTest::keyClicks(view.get(), QStringLiteral("8"));
    QTest::keyClick(view->Editor(), Qt::Key_Return);
    EXPECT_EQ(G().Cell(columns::day::Produkt, 1), "8");
}

TEST(ColumnGridSelection, ShiftExtendsARangeOnlyWhereTheGridAllowsIt)
{
    for (const bool range : {true, false}) {
        ColumnGrid view;
        grid::SetupGroupView(view.Grid());
        view.Grid().Options().rangeSelect = range;
        view.Grid().SetRowCount(8);
        view.resize(800, 300);
        view.show();
        QTest::keyClick(&view, Qt::Key_Down);
        QTest::keyClick(&view, Qt::Key_Down, Qt::ShiftModifier);
        QTest::keyClick(&view, Qt::Key_Down, Qt::ShiftModifier);
        EXPECT_EQ(view.SelectedRows(), range ? std::make_pair(2, 4) : std::make_pair(4, 4));
        QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::ShiftModifier, view.CellRect(1, 1).center());
        EXPECT_EQ(view.SelectedRows(), range ? std::make_pair(1, 2) : std::make_pair(1, 1));
        QTest::keyClick(&view, Qt::Key_Down);
        EXPECT_EQ(view.SelectedRows(), std::make_pair(2, 2));
    }
}

TEST(HtmlLabel, RendersRichText)
{
    HtmlLabel label;
    label.SetHtml(QStringLiteral("<ul><li><b>Einf\u00fcge Taste</b>: Zeile einf\u00fcgen</li></ul>"));
    EXPECT_EQ(label.textFormat(), Qt::RichText);
    EXPECT_TRUE(label.wordWrap());
    EXPECT_TRUE(label.Html().startsWith(QStringLiteral("<ul>")));
}

} // namespace
} // namespace kontaro::controls
