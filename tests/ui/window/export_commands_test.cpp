// The window's six export buttons: the save dialog's proposals (also for a project
// never saved), Cancel, the workbooks they write read back, the exports with daily
// sums under their progress dialog, cancelled or failing runs that leave the target
// and the window as they were, and day sheets equal to the day view's own export.
#include "calc/group_summary.h"
#include "controls/column_grid.h"
#include "controls/qt_number_locale.h"
#include "exports/export_fixture.h"
#include "grid/grid_setups.h"
#include "grid/plain_grid.h"
#include "ui/date_controls.h"
#include "ui/day_dates.h"
#include "ui/day_view.h"
#include "ui/group_view_page.h"
#include "ui/sum_view_page.h"
#include "ui/window/window_fixture.h"
#include "views/filled_grid.h"
#include "xls/cell_format.h"

#include <QProgressBar>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <tuple>
#include <vector>

namespace kontaro::xls {
// A differing cell format in failure messages: its fill, alignment and number format.
void PrintTo(const CellFormat& format, std::ostream* out)
{
    *out << "fill " << format.fillPattern << "/" << format.fillForeground << "/" << format.fillBackground << ", align "
         << format.horizontalAlignment << ", format of " << format.numberFormat.size() << " characters";
}
} // namespace kontaro::xls

namespace kontaro::test {
namespace {

namespace fs = std::filesystem;

std::size_t FileCount(const fs::path& folder)
{
    return std::size_t(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

std::string FileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The cells of a sheet as (row, column, kind, number, encoded text, format): what a
// reader sees.
using SheetCells = std::vector<std::tuple<int, int, int, double, xls::Bytes, xls::CellFormat>>;
SheetCells CellsOf(xls::WorkbookFile& book, int sheet)
{
    SheetCells cells;
    for (const auto& [row, entry] : book.SheetAt(sheet).Rows())
        for (const xls::Cell& cell : entry.cells)
            cells.emplace_back(row, cell.column, int(cell.kind), cell.number, cell.sst ? cell.sst->first : xls::Bytes{},
                               book.DescribeXf(cell.xf));
    return cells;
}

class ExportCommandsTest : public WindowTest {
protected:
    // Starts the program on ExportShop saved as "Laden.kdt": the day view shows 3 March.
    void OpenShop()
    {
        projectFile_ = WriteProject(ExportShop(), "Laden.kdt");
        Start({projectFile_});
        ASSERT_TRUE(Main().ProjectOpen());
    }
    QString InFolder(const char* name) const
    {
        return QString::fromStdString((fs::path(projectFile_.toStdString()).parent_path() / name).string());
    }

    QPushButton& Button(const char* name)
    {
        auto* button = Main().findChild<QPushButton*>(QLatin1StringView(name));
        if (!button)
            throw std::runtime_error(std::string("no button ") + name);
        return *button;
    }
    // Shows the button's page and clicks it, answering the save dialog with `file`
    // (nothing: Cancel).
    void Export(ui::MainWindow::Page page, const char* button, const std::optional<QString>& file)
    {
        if (file)
            prompts.ChooseFile(*file);
        else
            prompts.CancelFileDialog();
        Main().ShowPage(page);
        Button(button).click();
        EXPECT_TRUE(prompts.AllScriptsUsed());
    }
    // The period of the pickers, then "&Berechnen" on that page.
    void Calculate(ui::SummaryPage& page, ui::MainWindow::Page shown, model::DayNumber from, model::DayNumber to)
    {
        Main().ShowPage(shown);
        page.FromPicker().setDate(ui::DateOfDay(from));
        page.ToPicker().setDate(ui::DateOfDay(to));
        page.CalcButton().click();
    }
    void ShowDay(model::DayNumber day)
    {
        DayPage().CalDay().SetDate(ui::DateOfDay(day));
        DayPage().CalDayClick();
    }

    QString projectFile_;
};

struct ButtonCase {
    const char* button;
    ui::MainWindow::Page page;
    const char* saved;      // the proposal for Laden.kdt, in its folder
    const char* neverSaved; // the proposal of a project without a file
};

const ButtonCase kButtons[] = {
    {"bDayExport", ui::MainWindow::Page::DayView, "Laden.xls", ".xls"},
    {"bSumExport", ui::MainWindow::Page::SumView, "Laden_05-03-31.xls", "_05-03-31.xls"},
    {"bSumAllExport", ui::MainWindow::Page::SumView, "Laden_05-03-31.xls", "_05-03-31.xls"},
    {"bGroupExport", ui::MainWindow::Page::GroupView, "Laden_Grp_05-03-31.xls", "_Grp_05-03-31.xls"},
    {"bGroupAllExport", ui::MainWindow::Page::GroupView, "Laden_Grp_05-03-31.xls", "_Grp_05-03-31.xls"},
    {"bExportProd", ui::MainWindow::Page::Products, "Laden_Produkte.xls", "_Produkte.xls"},
};

TEST_F(ExportCommandsTest, EveryButtonProposesItsNameAndCancelWritesNothing)
{
    OpenShop();
    Calculate(Main().SumView(), ui::MainWindow::Page::SumView, March(1), March(31));
    Calculate(Main().GroupView(), ui::MainWindow::Page::GroupView, March(1), March(31));
    // The summary's proposal is the end of the period its grid holds, not of the pickers.
    Main().SumView().FromPicker().setDate(ui::DateOfDay(March(10)));
    const std::size_t filesBefore = FileCount(temp.Path());

    for (const ButtonCase& c : kButtons) {
        SCOPED_TRACE(c.button);
        ASSERT_TRUE(Button(c.button).isEnabled());
        Export(c.page, c.button, std::nullopt);
        const ui::FileDialogOptions& dialog = prompts.fileDialogs.constLast();
        EXPECT_EQ(dialog.initialFileName, InFolder(c.saved));
        EXPECT_EQ(dialog.filter, QStringLiteral("Excel Datei (*.xls)"));
        EXPECT_EQ(dialog.defaultExtension, QStringLiteral("xls"));
        EXPECT_FALSE(dialog.askOverwrite);
    }
    EXPECT_EQ(FileCount(temp.Path()), filesBefore);
    EXPECT_EQ(prompts.warnings, QStringList());
    EXPECT_EQ(Main().SumView().GridPeriod(), (ui::SummaryPeriod{March(1), March(31)}));
}

TEST_F(ExportCommandsTest, AProjectNeverSavedProposesTheSuffixAlone)
{
    OpenShop();
    Main().SetFileName(QString());
    Calculate(Main().SumView(), ui::MainWindow::Page::SumView, March(1), March(31));
    Calculate(Main().GroupView(), ui::MainWindow::Page::GroupView, March(1), March(31));
    for (const ButtonCase& c : kButtons) {
        SCOPED_TRACE(c.button);
        Export(c.page, c.button, std::nullopt);
        EXPECT_EQ(prompts.fileDialogs.constLast().initialFileName, QLatin1StringView(c.neverSaved));
    }
}

TEST_F(ExportCommandsTest, SingleExportsWriteTheirGridsAsShown)
{
    OpenShop();
    const std::string day = InFolder("tag.xls").toStdString();
    Export(ui::MainWindow::Page::DayView, "bDayExport", QString::fromStdString(day));
    ShowDay(March(1));
    Export(ui::MainWindow::Page::DayView, "bDayExport", QString::fromStdString(day));
    EXPECT_EQ(SheetNames(day), (std::vector<std::string>{"05-03-03", "05-03-01"}));
    // 3 March: ten Cola at 2.50.
    EXPECT_EQ(CellNumber(ReadWorkbook(day), 1, 1, 3), 25.0);

    Calculate(Main().SumView(), ui::MainWindow::Page::SumView, March(1), March(3));
    const std::string sum = InFolder("summe.xls").toStdString();
    Export(ui::MainWindow::Page::SumView, "bSumExport", QString::fromStdString(sum));
    EXPECT_EQ(SheetNames(sum), std::vector<std::string>{"Summe"});
    // Cola: 14 sold, 35.00 gross.
    EXPECT_EQ(CellNumber(ReadWorkbook(sum), 1, 1, 2), 14.0);
    EXPECT_EQ(CellNumber(ReadWorkbook(sum), 1, 1, 3), 35.0);

    Calculate(Main().GroupView(), ui::MainWindow::Page::GroupView, March(1), March(3));
    Export(ui::MainWindow::Page::GroupView, "bGroupExport", QString::fromStdString(day));
    EXPECT_EQ(SheetNames(day), (std::vector<std::string>{"05-03-03", "05-03-01", "Summe"}));

    const std::string products = InFolder("produkte.xls").toStdString();
    Export(ui::MainWindow::Page::Products, "bExportProd", QString::fromStdString(products));
    EXPECT_EQ(SheetNames(products), std::vector<std::string>{"Produkt\xc3\xbc"
                                                             "bersicht"});
    const xls::WorkbookFile overview = ReadWorkbook(products);
    EXPECT_EQ(CellNumber(overview, 1, 1, 0), 1.0);
    EXPECT_EQ(CellNumber(overview, 1, 1, 3), 2.5);
    // The variable price and the percentage purchase of "Tagesessen" stay empty.
    EXPECT_EQ(CellNumber(overview, 1, 2, 2), std::nullopt);
    EXPECT_EQ(CellNumber(overview, 1, 2, 3), std::nullopt);
    EXPECT_EQ(RowCount(overview, 1), 4u);
    EXPECT_EQ(prompts.warnings, QStringList());
}

TEST_F(ExportCommandsTest, SumWithDailySumsShowsItsProgressAndLeavesTheDayViewAsItWas)
{
    OpenShop();
    ShowDay(March(1));
    Calculate(Main().SumView(), ui::MainWindow::Page::SumView, March(1), March(3));
    // The pickers' next period does not change what the workbook holds.
    Main().SumView().FromPicker().setDate(ui::DateOfDay(March(20)));

    struct Seen {
        bool visible = false;
        bool modal = false;
        int minimum = 0;
        int maximum = 0;
        std::vector<int> values;
    } seen;
    // Runs inside the export, when it lets the window repaint.
    std::function<void()> watch = [&] {
        auto* bar = Main().findChild<QProgressBar*>(QStringLiteral("MyProgress"));
        if (!bar)
            return;
        seen.visible = bar->isVisible();
        seen.modal = bar->window()->windowModality() == Qt::WindowModal;
        seen.minimum = bar->minimum();
        seen.maximum = bar->maximum();
        if (seen.values.empty() || seen.values.back() != bar->value())
            seen.values.push_back(bar->value());
    };
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, watch);
    poll.start(0);

    const std::string file = InFolder("serie.xls").toStdString();
    Export(ui::MainWindow::Page::SumView, "bSumAllExport", QString::fromStdString(file));
    poll.stop();

    EXPECT_EQ(SheetNames(file), (std::vector<std::string>{"Summe", "05-03-01", "05-03-02", "05-03-03"}));
    EXPECT_EQ(CellNumber(ReadWorkbook(file), 1, 1, 3), 35.0);
    EXPECT_TRUE(seen.visible);
    EXPECT_TRUE(seen.modal);
    EXPECT_EQ(seen.minimum, March(1));
    EXPECT_EQ(seen.maximum, March(3));
    EXPECT_EQ(seen.values, (std::vector<int>{March(1), March(2), March(3)}));
    EXPECT_EQ(Main().findChild<QProgressBar*>(QStringLiteral("MyProgress")), nullptr);

    EXPECT_EQ(DayPage().CurrentDay, March(1));
    EXPECT_EQ(DayPage().CalDay().Date(), ui::DateOfDay(March(1)));
    EXPECT_TRUE(DayPage().StoreDayOnSwitch);
    EXPECT_EQ(prompts.warnings, QStringList());
}

TEST_F(ExportCommandsTest, DaySheetsOfTheSeriesAreTheDayViewsOwnExport)
{
    OpenShop();
    Calculate(Main().SumView(), ui::MainWindow::Page::SumView, March(1), March(3));
    const std::string series = InFolder("serie.xls").toStdString();
    Export(ui::MainWindow::Page::SumView, "bSumAllExport", QString::fromStdString(series));

    const std::string days = InFolder("tage.xls").toStdString();
    for (const model::DayNumber day : {March(1), March(2), March(3)}) {
        Main().ShowPage(ui::MainWindow::Page::DayView);
        ShowDay(day);
        Export(ui::MainWindow::Page::DayView, "bDayExport", QString::fromStdString(days));
    }
    xls::WorkbookFile fromSeries = ReadWorkbook(series);
    xls::WorkbookFile fromDayView = ReadWorkbook(days);
    for (int sheet = 1; sheet <= 3; ++sheet) {
        SCOPED_TRACE(sheet);
        // Footer "Summe (Laden)" with the day's date and sums included.
        EXPECT_EQ(CellsOf(fromSeries, sheet + 1), CellsOf(fromDayView, sheet));
    }
    const grid::PlainGrid& grid = DayGrid().Grid();
    EXPECT_EQ(grid.Cell(0, grid.FooterRow()), "Summe (Laden)");
}

TEST_F(ExportCommandsTest, CancelledSeriesLeavesTheWorkbookAsItWas)
{
    OpenShop();
    Calculate(Main().SumView(), ui::MainWindow::Page::SumView, March(1), March(3));
    const std::string file = InFolder("vorher.xls").toStdString();
    Export(ui::MainWindow::Page::SumView, "bSumExport", QString::fromStdString(file));
    const std::string before = FileBytes(file);

    // "Abbrechen" while the first day is written.
    QTimer::singleShot(0, &Main(), [this] {
        if (auto* progress = Main().findChild<QProgressDialog*>())
            progress->cancel();
    });
    Export(ui::MainWindow::Page::SumView, "bSumAllExport", QString::fromStdString(file));
    EXPECT_EQ(FileBytes(file), before);
    EXPECT_EQ(SheetNames(file), std::vector<std::string>{"Summe"});
    EXPECT_EQ(prompts.warnings, QStringList());
    EXPECT_EQ(Main().findChild<QProgressDialog*>(), nullptr);
    EXPECT_TRUE(DayPage().StoreDayOnSwitch);
}

TEST_F(ExportCommandsTest, FailingExportsWarnAndLeaveFileAndWindowAsTheyWere)
{
    OpenShop();
    ShowDay(March(1));
    Calculate(Main().SumView(), ui::MainWindow::Page::SumView, March(1), March(3));
    Calculate(Main().GroupView(), ui::MainWindow::Page::GroupView, March(1), March(3));
    ui::GroupViewPage& group = Main().GroupView();
    group.FromPicker().setDate(ui::DateOfDay(March(2)));
    group.ToPicker().setDate(ui::DateOfDay(March(3)));
    const grid::PlainGrid groupBefore = group.Grid().Grid();

    // A file that is no workbook, and a folder that is a file.
    const std::string notABook = InFolder("notizen.xls").toStdString();
    std::ofstream(notABook) << "Kein Excel, nur Notizen.\n";
    const std::string underAFile = InFolder("notizen.xls/neu.xls").toStdString();
    const struct {
        const char* button;
        ui::MainWindow::Page page;
        std::string file;
    } cases[] = {
        {"bDayExport", ui::MainWindow::Page::DayView, notABook},
        {"bGroupExport", ui::MainWindow::Page::GroupView, notABook},
        {"bGroupAllExport", ui::MainWindow::Page::GroupView, notABook},
        {"bSumExport", ui::MainWindow::Page::SumView, underAFile},
        {"bSumAllExport", ui::MainWindow::Page::SumView, underAFile},
        {"bExportProd", ui::MainWindow::Page::Products, underAFile},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.button);
        prompts.warnings.clear();
        Export(c.page, c.button, QString::fromStdString(c.file));
        ASSERT_EQ(prompts.warnings.size(), 1);
        EXPECT_TRUE(prompts.warnings[0].startsWith(
            QStringLiteral("Die Excel-Mappe \"%1\" wurde nicht geschrieben:\n").arg(QString::fromStdString(c.file))))
            << prompts.warnings[0].toStdString();
        EXPECT_EQ(FileBytes(notABook), "Kein Excel, nur Notizen.\n");
        EXPECT_FALSE(fs::exists(temp.Path() / "notizen.xls" / "neu.xls"));
        EXPECT_EQ(Main().findChild<QProgressDialog*>(), nullptr);
        EXPECT_EQ(DayPage().CurrentDay, March(1));
        EXPECT_EQ(DayPage().CalDay().Date(), ui::DateOfDay(March(1)));
        EXPECT_TRUE(DayPage().StoreDayOnSwitch);
        EXPECT_EQ(group.PickerPeriod(), (ui::SummaryPeriod{March(2), March(3)}));
        EXPECT_EQ(group.GridPeriod(), (ui::SummaryPeriod{March(1), March(3)}));
        for (int row = 0; row < groupBefore.RowCount(); ++row)
            for (int col = 0; col < groupBefore.ColumnCount(); ++col)
                EXPECT_EQ(group.Grid().Grid().Cell(col, row), groupBefore.Cell(col, row));
    }
}

TEST_F(ExportCommandsTest, GroupWithDailySumsEndsOnThePickersPeriodAndItsSummary)
{
    OpenShop();
    // The pickers then show a period other than the grid's.
    Calculate(Main().GroupView(), ui::MainWindow::Page::GroupView, March(1), March(31));
    ui::GroupViewPage& group = Main().GroupView();
    group.FromPicker().setDate(ui::DateOfDay(March(1)));
    group.ToPicker().setDate(ui::DateOfDay(March(3)));

    const std::string file = InFolder("gruppen.xls").toStdString();
    Export(ui::MainWindow::Page::GroupView, "bGroupAllExport", QString::fromStdString(file));
    EXPECT_EQ(SheetNames(file), (std::vector<std::string>{"Summe", "05-03-01", "05-03-02", "05-03-03"}));
    EXPECT_EQ(prompts.fileDialogs.constLast().initialFileName, InFolder("Laden_Grp_05-03-03.xls"));

    EXPECT_EQ(group.PickerPeriod(), (ui::SummaryPeriod{March(1), March(3)}));
    EXPECT_EQ(group.GridPeriod(), (ui::SummaryPeriod{March(1), March(3)}));
    model::Project reread;
    ASSERT_EQ(model::LoadProjectFile(projectFile_.toStdString(), reread).status, model::LoadStatus::Ok);
    const numbers::NumberLocale locale = controls::SystemNumberLocale();
    const grid::PlainGrid expected = views::FilledGrid(
        grid::SetupGroupView, calc::GroupSummary(reread, March(1), March(3), projectFile_.toStdString(), locale).grid,
        locale);
    const grid::PlainGrid& shown = group.Grid().Grid();
    ASSERT_EQ(shown.RowCount(), expected.RowCount());
    for (int row = 0; row < expected.RowCount(); ++row)
        for (int col = 0; col < expected.ColumnCount(); ++col)
            EXPECT_EQ(shown.Cell(col, row), expected.Cell(col, row)) << col << ", " << row;
    // "Summe" is that summary: Getränke 35.00 gross.
    EXPECT_EQ(CellNumber(ReadWorkbook(file), 1, 1, 2), 35.0);
    EXPECT_EQ(prompts.warnings, QStringList());
}

} // namespace
} // namespace kontaro::test
