// The pages "Summenansicht" and "Gruppenansicht": the pickers' month rule, the
// calculation through the report tool's own computation, the footers whose dates
// are always those of the rows, the button states and the empty grids of start-up,
// New and Load. Most cases run on both pages.
#include "calc/group_summary.h"
#include "calc/period_summary.h"
#include "columns/grid_columns.h"
#include "controls/column_grid.h"
#include "controls/qt_number_locale.h"
#include "grid/grid_setups.h"
#include "ui/date_controls.h"
#include "ui/day_dates.h"
#include "ui/day_view.h"
#include "ui/group_view_page.h"
#include "ui/page_control.h"
#include "ui/sum_view_page.h"
#include "ui/summary_page.h"
#include "ui/window/day_view_driver.h"
#include "ui/window/window_fixture.h"
#include "views/filled_grid.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTest>

#include <array>
#include <vector>

// Dates in failure messages as ISO text.
void PrintTo(const QDate& date, std::ostream* out) { *out << date.toString(Qt::ISODate).toStdString(); }

namespace kontaro::test {
namespace {

using Summary = calc::SummaryResult (*)(const model::Project&, model::DayNumber, model::DayNumber, const std::string&,
                                        const numbers::NumberLocale&);

// What the tests need to know of one page, by its components' object names.
struct PageCase {
    const char* label;
    ui::MainWindow::Page page;
    const char* tab;
    const char* from;
    const char* to;
    const char* grid;
    const char* calc;
    std::array<const char*, 4> outputs; // print, print settings, export, export with daily sums
    int fromDateColumn;
    int toDateColumn;
    void (*setup)(grid::PlainGrid&);
    Summary summary;
};

const PageCase kSumPage{"Summenansicht",
                        ui::MainWindow::Page::SumView,
                        "tabMonthView",
                        "FromSum",
                        "ToSum",
                        "gSumView",
                        "bSumCalc",
                        {"bSumPrint", "bSumPrintSet", "bSumExport", "bSumAllExport"},
                        columns::sum::Produkt,
                        columns::sum::Menge,
                        grid::SetupSumView,
                        calc::PeriodSummary};
const PageCase kGroupPage{"Gruppenansicht",
                          ui::MainWindow::Page::GroupView,
                          "tabYearView",
                          "FromGroup",
                          "ToGroup",
                          "gGroupView",
                          "bGroupCalc",
                          {"bGroupPrint", "bGroupPrintSet", "bGroupExport", "bGroupAllExport"},
                          columns::group::Gruppe,
                          columns::group::Anteil,
                          grid::SetupGroupView,
                          calc::GroupSummary};
const PageCase* const kPages[] = {&kSumPage, &kGroupPage};

QDate Date(int year, int month, int day) { return QDate(year, month, day); }

using FooterPeriod = std::pair<std::string, std::string>;
FooterPeriod Dates(const char* from, const char* to) { return {from, to}; }

using Cells = std::vector<std::vector<std::string>>;

// Every cell of every row, header and footer included.
Cells AllCells(const grid::PlainGrid& grid)
{
    Cells cells(std::size_t(grid.RowCount()));
    for (int row = 0; row < grid.RowCount(); ++row)
        for (int col = 0; col < grid.ColumnCount(); ++col)
            cells[std::size_t(row)].push_back(grid.Cell(col, row));
    return cells;
}

// The two lines of the worked examples on 2005-03-10 (product 1 in group 10,
// product 2 in group 20), more sales on 03-20 and on 04-02, and nothing stored
// from 03-11 to 03-19.
model::Project ReportProject()
{
    model::Project project;
    AddGroup(project, 10, "Getr\xe4nke");
    AddGroup(project, 20, "Speisen");
    AddProduct(project, {.id = 1, .name = "Cola", .einkauf = 1.20, .verkauf = 2.50, .steuer = 19, .gruppe = 10});
    AddProduct(project, {.id = 2,
                         .name = "Tagesessen",
                         .einkauf = 30,
                         .verkauf = std::nullopt,
                         .steuer = 7,
                         .gruppe = 20,
                         .einkaufProzent = true});
    AddProduct(project, {.id = 3, .name = "Kuchen", .einkauf = 0.90, .verkauf = 3.20, .steuer = 7, .gruppe = 10});
    AddDay(project.Days, March(10), {{1, 3}, {2, 100}});
    AddDay(project.Days, March(20), {{1, 12}, {3, 7}});
    AddDay(project.Days, model::DayFromCivil({2005, 4, 2}), {{2, 45.5}, {3, 2}});
    return project;
}

class SummaryPagesTest : public WindowTest {
protected:
    // Starts the program on the saved ReportProject, as from the command line.
    void OpenReportProject()
    {
        projectFile_ = WriteProject(ReportProject(), "bericht.kdt");
        Start({projectFile_});
        ASSERT_TRUE(Main().ProjectOpen());
    }

    template <class T>
    T& Find(const PageCase& c, const char* name)
    {
        auto* component = Page(c).findChild<T*>(QLatin1StringView(name));
        if (!component)
            throw std::runtime_error(std::string("no ") + name + " on " + c.label);
        return *component;
    }
    ui::SummaryPage& Page(const PageCase& c)
    {
        auto* page = Main().findChild<ui::SummaryPage*>(QLatin1StringView(c.tab));
        if (!page)
            throw std::runtime_error(std::string("no page ") + c.tab);
        return *page;
    }
    ui::DatePicker& From(const PageCase& c) { return Find<ui::DatePicker>(c, c.from); }
    ui::DatePicker& To(const PageCase& c) { return Find<ui::DatePicker>(c, c.to); }
    grid::PlainGrid& Grid(const PageCase& c) { return Find<controls::ColumnGrid>(c, c.grid).Grid(); }
    QPushButton& Button(const PageCase& c, const char* name) { return Find<QPushButton>(c, name); }

    // The user's change of a picker: the picker announces it.
    void Choose(ui::DatePicker& picker, const QDate& date) { picker.setDate(date); }
    // Shows the page and clicks "&Berechnen".
    void Calculate(const PageCase& c)
    {
        Main().ShowPage(c.page);
        QTest::mouseClick(&Button(c, c.calc), Qt::LeftButton);
    }

    std::string FooterCell(const PageCase& c, int col) { return Grid(c).Cell(col, Grid(c).FooterRow()); }
    FooterPeriod FooterDates(const PageCase& c)
    {
        return {FooterCell(c, c.fromDateColumn), FooterCell(c, c.toDateColumn)};
    }
    std::vector<bool> OutputsEnabled(const PageCase& c)
    {
        std::vector<bool> enabled;
        for (const char* name : c.outputs)
            enabled.push_back(Button(c, name).isEnabled());
        return enabled;
    }
    // The grid of a fresh start with no calculation: one empty data row, "Summen".
    void ExpectEmptyGrid(const PageCase& c, const char* firstFooterText)
    {
        const grid::PlainGrid& grid = Grid(c);
        ASSERT_EQ(grid.DataRowCount(), 1);
        for (int col = 0; col < grid.ColumnCount(); ++col)
            EXPECT_EQ(grid.Cell(col, grid.FirstDataRow()), "") << "column " << col;
        EXPECT_EQ(FooterCell(c, 0), firstFooterText);
        for (const int col : {3, 4, 5, 7})
            EXPECT_EQ(FooterCell(c, col), "0,00") << "column " << col;
    }
    // What the report tool computes for the saved project and period.
    grid::PlainGrid ReportGrid(const PageCase& c, model::DayNumber from, model::DayNumber to)
    {
        model::Project reread;
        EXPECT_EQ(model::LoadProjectFile(projectFile_.toStdString(), reread).status, model::LoadStatus::Ok);
        const numbers::NumberLocale locale = controls::SystemNumberLocale();
        return views::FilledGrid(c.setup, c.summary(reread, from, to, projectFile_.toStdString(), locale).grid, locale);
    }

    QString projectFile_;
};

using NoWarnings = QStringList;

TEST_F(SummaryPagesTest, StartsOnTheCurrentMonthWithAnEmptyGrid)
{
    Start();
    for (const PageCase* c : kPages) {
        SCOPED_TRACE(c->label);
        EXPECT_EQ(From(*c).date(), Date(2005, 3, 1));
        EXPECT_EQ(To(*c).date(), Date(2005, 3, 31));
        EXPECT_EQ(FooterDates(*c), Dates("05-03-01", "05-03-31"));
        EXPECT_EQ(Page(*c).GridPeriod(), (ui::SummaryPeriod{March(1), March(31)}));
        ExpectEmptyGrid(*c, "Summen");
        EXPECT_TRUE(Button(*c, c->calc).isEnabled());
        EXPECT_EQ(OutputsEnabled(*c), std::vector<bool>(4, false));
        EXPECT_EQ(Button(*c, c->calc).text(), QStringLiteral("&Berechnen"));
        EXPECT_EQ(Button(*c, c->outputs[3]).text(), QStringLiteral("Export mit Tagessummen..."));
        // The pickers are named by their labels for assistive technology.
        EXPECT_EQ(From(*c).accessibleName(), QStringLiteral("Von:"));
        EXPECT_EQ(To(*c).accessibleName(), QStringLiteral("Bis:"));
    }
}

TEST_F(SummaryPagesTest, GridsAreReadOnlyRowSelectingWithAFloatingFooter)
{
    Start();
    Main().NewProject();
    for (const PageCase* c : kPages) {
        SCOPED_TRACE(c->label);
        Main().ShowPage(c->page);
        auto& view = Find<controls::ColumnGrid>(*c, c->grid);
        const grid::GridOptions& options = view.Grid().Options();
        EXPECT_TRUE(options.rowSelect);
        EXPECT_FALSE(options.editing);
        EXPECT_TRUE(options.footer);
        EXPECT_EQ(options.fixedCols, 1);
        EXPECT_EQ(options.rangeSelect, c == &kGroupPage);
        view.Grid().SetCursor(3, 1);
        EXPECT_FALSE(view.OpenEditor());
    }
}

TEST_F(SummaryPagesTest, GroupGridHidesMengeAndSteuerAlsoAfterNewAndLoad)
{
    OpenReportProject();
    const auto expectEightColumns = [this] {
        Main().ShowPage(ui::MainWindow::Page::GroupView);
        const grid::PlainGrid& grid = Grid(kGroupPage);
        EXPECT_EQ(grid.VisibleColumnCount(), 8);
        EXPECT_TRUE(grid.ColumnAt(columns::group::Menge).hidden);
        EXPECT_TRUE(grid.ColumnAt(columns::group::Steuer).hidden);
        auto& view = Find<controls::ColumnGrid>(kGroupPage, kGroupPage.grid);
        EXPECT_TRUE(view.CellRect(columns::group::Menge, 0).isEmpty());
        EXPECT_TRUE(view.CellRect(columns::group::Steuer, 0).isEmpty());
        EXPECT_FALSE(view.CellRect(columns::group::Anteil, 0).isEmpty());
        EXPECT_EQ(Grid(kSumPage).VisibleColumnCount(), 9);
    };
    expectEightColumns();

    Choose(From(kGroupPage), Date(2005, 3, 10));
    Calculate(kGroupPage);
    // The footer's To date lies under "Anteil (%)", the shown column beside the hidden ones.
    EXPECT_EQ(FooterDates(kGroupPage), Dates("05-03-10", "05-04-09"));
    expectEightColumns();

    prompts.AnswerNext(ui::Answer::Yes);
    Main().NewProject();
    expectEightColumns();
    prompts.AnswerNext(ui::Answer::Yes);
    prompts.ChooseFile(projectFile_);
    Main().OpenProject();
    expectEightColumns();
    EXPECT_TRUE(prompts.AllScriptsUsed());
}

TEST_F(SummaryPagesTest, FromGivesToPlusTheLengthOfItsMonth)
{
    Start();
    const struct {
        QDate from;
        QDate to;
    } cases[] = {
        {Date(2005, 3, 15), Date(2005, 4, 14)},  {Date(2005, 1, 31), Date(2005, 3, 2)},
        {Date(2004, 2, 1), Date(2004, 2, 29)},   {Date(2005, 2, 1), Date(2005, 2, 28)},
        {Date(2004, 12, 31), Date(2005, 1, 30)}, {Date(2005, 4, 30), Date(2005, 5, 29)},
    };
    for (const PageCase* c : kPages) {
        for (const auto& one : cases) {
            SCOPED_TRACE(std::string(c->label) + " from " + one.from.toString(Qt::ISODate).toStdString());
            Choose(From(*c), one.from);
            EXPECT_EQ(From(*c).date(), one.from);
            EXPECT_EQ(To(*c).date(), one.to);
            EXPECT_EQ(Page(*c).PickerPeriod(), (ui::SummaryPeriod{ui::DayOfDate(one.from), ui::DayOfDate(one.to)}));
        }
    }
    EXPECT_EQ(prompts.warnings, NoWarnings());
}

TEST_F(SummaryPagesTest, ToBeforeFromIsReplacedAndALaterToIsKept)
{
    Start();
    for (const PageCase* c : kPages) {
        SCOPED_TRACE(c->label);
        Choose(From(*c), Date(2005, 3, 15));
        Choose(To(*c), Date(2005, 3, 10));
        EXPECT_EQ(From(*c).date(), Date(2005, 3, 15));
        EXPECT_EQ(To(*c).date(), Date(2005, 4, 14));

        Choose(To(*c), Date(2005, 6, 30));
        EXPECT_EQ(From(*c).date(), Date(2005, 3, 15));
        EXPECT_EQ(To(*c).date(), Date(2005, 6, 30));

        // The same day at both ends is a period of one day.
        Choose(To(*c), Date(2005, 3, 15));
        EXPECT_EQ(To(*c).date(), Date(2005, 3, 15));
    }
}

TEST_F(SummaryPagesTest, ThePickersKeysChangeThePeriod)
{
    Start();
    Main().NewProject();
    Main().ShowPage(ui::MainWindow::Page::SumView);
    ui::DatePicker& from = From(kSumPage);
    from.setFocus();
    // The year section is the first; Up moves From a year on, and To follows.
    QTest::keyClick(&from, Qt::Key_Up);
    EXPECT_EQ(from.date(), Date(2006, 3, 1));
    EXPECT_EQ(To(kSumPage).date(), Date(2006, 3, 31));
}

// The figures of the worked examples, on a period of that one day.
TEST_F(SummaryPagesTest, CalculationShowsTheWorkedExamples)
{
    OpenReportProject();
    const std::vector<std::vector<std::string>> sumRows = {
        {"Cola", "1", "3,00", "7,50", "6,30", "3,60", "19,00", "2,70", "42,88"},
        {"Tagesessen", "2", "", "100,00", "93,46", "28,04", "7,00", "65,42", "70,00"},
    };
    const std::vector<std::vector<std::string>> groupRows = {
        {"Getränke", "10", "", "7,50", "6,30", "3,60", "", "2,70", "42,88", "6,32"},
        {"Speisen", "20", "", "100,00", "93,46", "28,04", "", "65,42", "70,00", "93,68"},
    };
    for (const PageCase* c : kPages) {
        SCOPED_TRACE(c->label);
        Choose(From(*c), Date(2005, 3, 10));
        Choose(To(*c), Date(2005, 3, 10));
        Calculate(*c);
        const grid::PlainGrid& grid = Grid(*c);
        const auto& rows = c == &kSumPage ? sumRows : groupRows;
        ASSERT_EQ(grid.DataRowCount(), int(rows.size()));
        for (std::size_t r = 0; r < rows.size(); ++r)
            for (std::size_t col = 0; col < rows[r].size(); ++col)
                EXPECT_EQ(grid.Cell(int(col), grid.FirstDataRow() + int(r)), rows[r][col])
                    << "row " << r << " column " << col;
        EXPECT_EQ(FooterCell(*c, 0), "Summe (bericht)");
        EXPECT_EQ(FooterDates(*c), Dates("05-03-10", "05-03-10"));
        const std::string footer[] = {FooterCell(*c, 3), FooterCell(*c, 4), FooterCell(*c, 5), FooterCell(*c, 7),
                                      FooterCell(*c, 8)};
        EXPECT_EQ(std::vector<std::string>(std::begin(footer), std::end(footer)),
                  (std::vector<std::string>{"107,50", "99,76", "31,64", "68,12", "68,28"}));
    }
    EXPECT_EQ(prompts.warnings, NoWarnings());
}

// The window shows exactly what `kontaro-report summary` and `groups` compute for
// the saved file: every cell of every row and of the footer.
TEST_F(SummaryPagesTest, CalculationMatchesTheReportTool)
{
    OpenReportProject();
    const struct {
        const char* name;
        QDate from;
        QDate to;
    } periods[] = {
        {"March", Date(2005, 3, 1), Date(2005, 3, 31)},
        {"March and April", Date(2005, 3, 1), Date(2005, 4, 30)},
        {"from the 11th", Date(2005, 3, 11), Date(2005, 4, 10)},
    };
    for (const PageCase* c : kPages) {
        for (const auto& period : periods) {
            SCOPED_TRACE(std::string(c->label) + ", " + period.name);
            Choose(From(*c), period.from);
            Choose(To(*c), period.to);
            Calculate(*c);
            const grid::PlainGrid expected = ReportGrid(*c, ui::DayOfDate(period.from), ui::DayOfDate(period.to));
            ASSERT_GT(Grid(*c).DataRowCount(), 1);
            EXPECT_EQ(AllCells(Grid(*c)), AllCells(expected));
            EXPECT_EQ(OutputsEnabled(*c), std::vector<bool>(4, true));
        }
    }
    EXPECT_EQ(prompts.warnings, NoWarnings());
}

TEST_F(SummaryPagesTest, PeriodWithoutStoredDaysWarnsAndLeavesTheEmptyGrid)
{
    OpenReportProject();
    for (const PageCase* c : kPages) {
        SCOPED_TRACE(c->label);
        prompts.warnings.clear();
        // Never calculated: the footer keeps "Summen", the buttons stay disabled.
        Choose(From(*c), Date(2005, 3, 11));
        Choose(To(*c), Date(2005, 3, 19));
        Calculate(*c);
        EXPECT_EQ(prompts.warnings, QStringList{QStringLiteral("Keine passenden Einträge gefunden!")});
        ExpectEmptyGrid(*c, "Summen");
        EXPECT_EQ(FooterCell(*c, 8), "0,00");
        EXPECT_EQ(FooterDates(*c), Dates("05-03-11", "05-03-19"));
        EXPECT_EQ(OutputsEnabled(*c), std::vector<bool>(4, false));

        // After a result: the grid is emptied for the new period, the footer keeps
        // its "Summe (...)" and the buttons stay enabled.
        Choose(From(*c), Date(2005, 3, 1));
        Calculate(*c);
        ASSERT_GT(Grid(*c).DataRowCount(), 1);
        Choose(From(*c), Date(2005, 4, 3));
        Calculate(*c);
        EXPECT_EQ(prompts.warnings.size(), 2);
        ExpectEmptyGrid(*c, "Summe (bericht)");
        EXPECT_EQ(FooterDates(*c), Dates("05-04-03", "05-05-02"));
        EXPECT_EQ(Page(*c).GridPeriod(), Page(*c).PickerPeriod());
        EXPECT_EQ(OutputsEnabled(*c), std::vector<bool>(4, true));
    }
}

TEST_F(SummaryPagesTest, GroupCalculationWithoutTheUserDoesNotWarn)
{
    OpenReportProject();
    Main().ShowPage(ui::MainWindow::Page::GroupView);
    Choose(From(kGroupPage), Date(2005, 3, 11));
    Choose(To(kGroupPage), Date(2005, 3, 19));
    Main().GroupView().bGroupCalcClick(false);
    EXPECT_EQ(prompts.warnings, NoWarnings());
    ExpectEmptyGrid(kGroupPage, "Summen");
}

// Rows and footer dates belong together: a picker change shows only in the
// pickers until the next calculation.
TEST_F(SummaryPagesTest, PickerChangeLeavesTheGridAndItsDates)
{
    OpenReportProject();
    for (const PageCase* c : kPages) {
        SCOPED_TRACE(c->label);
        Calculate(*c);
        const Cells march = AllCells(Grid(*c));
        ASSERT_EQ(FooterDates(*c), Dates("05-03-01", "05-03-31"));

        Choose(From(*c), Date(2005, 4, 1));
        Choose(To(*c), Date(2005, 3, 20)); // before From: replaced
        Choose(To(*c), Date(2005, 4, 20));
        EXPECT_EQ(Page(*c).PickerPeriod(),
                  (ui::SummaryPeriod{ui::DayOfDate(Date(2005, 4, 1)), ui::DayOfDate(Date(2005, 4, 20))}));
        EXPECT_EQ(Page(*c).GridPeriod(), (ui::SummaryPeriod{March(1), March(31)}));
        EXPECT_EQ(AllCells(Grid(*c)), march);
        EXPECT_EQ(OutputsEnabled(*c), std::vector<bool>(4, true));

        Calculate(*c);
        EXPECT_EQ(FooterDates(*c), Dates("05-04-01", "05-04-20"));
        EXPECT_EQ(Page(*c).GridPeriod(), Page(*c).PickerPeriod());
    }
}

TEST_F(SummaryPagesTest, CalculationEnablesOnlyItsOwnPagesButtons)
{
    OpenReportProject();
    Calculate(kSumPage);
    EXPECT_EQ(OutputsEnabled(kSumPage), std::vector<bool>(4, true));
    EXPECT_EQ(OutputsEnabled(kGroupPage), std::vector<bool>(4, false));
    Calculate(kGroupPage);
    EXPECT_EQ(OutputsEnabled(kGroupPage), std::vector<bool>(4, true));
}

TEST_F(SummaryPagesTest, NewAndLoadDisableTheButtonsAndEmptyTheGrids)
{
    const struct {
        const char* name;
        bool load;
    } commands[] = {{"New", false}, {"Load", true}};
    for (const auto& command : commands) {
        SCOPED_TRACE(command.name);
        OpenReportProject();
        for (const PageCase* c : kPages) {
            Choose(From(*c), Date(2005, 3, 1));
            Calculate(*c);
            ASSERT_EQ(OutputsEnabled(*c), std::vector<bool>(4, true));
            // The pickers now show another period than the grid.
            Choose(From(*c), Date(2005, 4, 1));
        }
        prompts.AnswerNext(ui::Answer::Yes);
        if (command.load) {
            prompts.ChooseFile(projectFile_);
            Main().OpenProject();
        } else {
            Main().NewProject();
        }
        ASSERT_TRUE(prompts.AllScriptsUsed());
        for (const PageCase* c : kPages) {
            SCOPED_TRACE(c->label);
            EXPECT_EQ(OutputsEnabled(*c), std::vector<bool>(4, false));
            EXPECT_TRUE(Button(*c, c->calc).isEnabled());
            ExpectEmptyGrid(*c, "Summen");
            // The empty grid is that of the pickers' period, which they keep.
            EXPECT_EQ(From(*c).date(), Date(2005, 4, 1));
            EXPECT_EQ(FooterDates(*c), Dates("05-04-01", "05-04-30"));
            EXPECT_EQ(Page(*c).GridPeriod(), Page(*c).PickerPeriod());
        }
    }
}

TEST_F(SummaryPagesTest, CalculationSeesTheDayViewsLastEdits)
{
    StartWithCatalogue();
    DayPage().CalDayClick();
    DayViewDriver driver(DayGrid(), Calendar());
    driver.TypeAt(columns::day::Produkt, 1, QStringLiteral("1"));
    driver.TypeAt(columns::day::Menge, 1, QStringLiteral("2"));
    ASSERT_EQ(Main().Days().Count(), 0);

    // The user's way: the tab, then the button.
    QTabBar* bar = Pages().tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(int(ui::MainWindow::Page::SumView)).center());
    ASSERT_EQ(Pages().currentIndex(), int(ui::MainWindow::Page::SumView));
    QTest::mouseClick(&Button(kSumPage, kSumPage.calc), Qt::LeftButton);

    const grid::PlainGrid& grid = Grid(kSumPage);
    ASSERT_EQ(grid.DataRowCount(), 1);
    EXPECT_EQ(grid.Cell(columns::sum::Name, 1), "Kaffee");
    EXPECT_EQ(grid.Cell(columns::sum::Menge, 1), "2,00");
    EXPECT_EQ(grid.Cell(columns::sum::VerkaufB, 1), "20,00");
    // A project never saved: empty parentheses.
    EXPECT_EQ(FooterCell(kSumPage, 0), "Summe ()");
    EXPECT_EQ(prompts.warnings, NoWarnings());
}

TEST_F(SummaryPagesTest, NewResultStartsAtItsFirstRow)
{
    model::Project project;
    AddGroup(project, 10, "Getr\xe4nke");
    for (int id = 1; id <= 60; ++id) {
        AddProduct(project, {.id = id, .name = "Artikel " + std::to_string(id)});
        AddEntry(project, March(10), id, 1);
    }
    Start({WriteProject(project, "lang.kdt")});
    Calculate(kSumPage);
    auto& view = Find<controls::ColumnGrid>(kSumPage, kSumPage.grid);
    ASSERT_EQ(view.Grid().DataRowCount(), 60);
    // Scrolled with the scroll bar: the cursor stays on the first row.
    view.verticalScrollBar()->setValue(view.verticalScrollBar()->maximum());
    ASSERT_EQ(view.Grid().CursorRow(), 1);
    ASSERT_TRUE(view.CellRect(1, 1).isEmpty());

    Calculate(kSumPage);
    EXPECT_EQ(view.Grid().CursorRow(), 1);
    EXPECT_FALSE(view.CellRect(1, 1).isEmpty());
}

// The grid grows with the window on every side; the period's row stays at the
// top left and the buttons at the top right.
TEST_F(SummaryPagesTest, PagesFollowTheWindowsSize)
{
    Start();
    Main().NewProject();
    for (const PageCase* c : kPages) {
        SCOPED_TRACE(c->label);
        Main().ShowPage(c->page);
        ui::SummaryPage& page = Page(*c);
        auto& view = Find<controls::ColumnGrid>(*c, c->grid);
        QPushButton& button = Button(*c, c->outputs[2]);
        QApplication::processEvents();
        const auto measure = [&] {
            QApplication::processEvents();
            const QPoint buttonAt = button.mapTo(&page, QPoint(0, 0));
            return std::array<int, 6>{view.width(),
                                      view.height(),
                                      page.width() - (buttonAt.x() + button.width()),
                                      buttonAt.y(),
                                      From(*c).mapTo(&page, QPoint(0, 0)).x(),
                                      From(*c).mapTo(&page, QPoint(0, 0)).y()};
        };
        const std::array<int, 6> before = measure();
        const QSize pageBefore = page.size();
        Main().resize(Main().size() + QSize(160, 120));
        const std::array<int, 6> after = measure();
        const QSize grown = page.size() - pageBefore;
        ASSERT_GT(grown.width(), 0);
        ASSERT_GT(grown.height(), 0);
        EXPECT_EQ(after[0], before[0] + grown.width());
        EXPECT_EQ(after[1], before[1] + grown.height());
        for (std::size_t i = 2; i < after.size(); ++i)
            EXPECT_EQ(after[i], before[i]) << "measure " << i;
        // The grid lies left of the buttons, below the period's row.
        EXPECT_LT(view.mapTo(&page, QPoint(view.width(), 0)).x(), button.mapTo(&page, QPoint(0, 0)).x());
        EXPECT_GT(view.mapTo(&page, QPoint(0, 0)).y(), From(*c).mapTo(&page, QPoint(0, From(*c).height())).y() - 1);
        Main().resize(Main().size() - QSize(160, 120));
    }
}

} // namespace
} // namespace kontaro::test
