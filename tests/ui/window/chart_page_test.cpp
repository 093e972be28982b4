// The page "Diagramm": reached by the view menu's next shortcut, the pickers'
// month rule and the bucket that follows the period, the charts and the grid of
// their figures against the core's series, the saved files and the reset at New.
#include "calc/period_series.h"
#include "calc/series_texts.h"
#include "charts/chart_file.h"
#include "charts/series_charts.h"
#include "columns/series_columns.h"
#include "controls/column_grid.h"
#include "controls/qt_number_locale.h"
#include "support/bytes.h"
#include "ui/chart_page.h"
#include "ui/date_controls.h"
#include "ui/page_control.h"
#include "ui/window/window_fixture.h"

#include <QAbstractBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QImage>
#include <QPushButton>
#include <QSet>
#include <QTest>

namespace kontaro::test {
namespace {

using model::DayFromCivil;

// Two groups over two months of 2005: the worked examples' lines on 03-10, more
// on 03-20 and 04-02.
model::Project ChartProject()
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
    AddDay(project.Days, March(10), {{1, 3}, {2, 100}});
    AddDay(project.Days, March(20), {{1, 12}});
    AddDay(project.Days, DayFromCivil({2005, 4, 2}), {{2, 45.5}});
    return project;
}

class ChartPageTest : public WindowTest {
protected:
    void SetUp() override
    {
        Start({WriteProject(ChartProject(), "diagramm.kdt")});
        ASSERT_TRUE(Main().ProjectOpen());
    }
    ui::ChartPage& Page() { return Main().ChartView(); }
    void Choose(ui::DatePicker& picker, const QDate& date) { picker.setDate(date); }
    void Calculate() { QTest::mouseClick(&Page().CalcButton(), Qt::LeftButton); }
    calc::SeriesBucket Bucket() { return calc::SeriesBucket(Page().BucketChoice().currentData().toInt()); }
    const grid::PlainGrid& Grid() { return Page().SeriesGrid().Grid(); }
};

TEST_F(ChartPageTest, ComesAfterTheGroupViewWithTheNextShortcut)
{
    EXPECT_EQ(Pages().tabText(3), QStringLiteral("Diagramm"));
    EXPECT_EQ(Pages().widget(3), &Page());
    EXPECT_EQ(Action("ShowChartView").shortcut(), QKeySequence(Qt::CTRL | Qt::Key_6));
    QTest::keyClick(&Main(), Qt::Key_6, Qt::ControlModifier);
    EXPECT_EQ(Pages().currentIndex(), 3);
    // The catalogue pages keep their shortcuts.
    QTest::keyClick(&Main(), Qt::Key_4, Qt::ControlModifier);
    EXPECT_EQ(Pages().currentWidget()->objectName(), QStringLiteral("tabProducts"));
    QTest::keyClick(&Main(), Qt::Key_5, Qt::ControlModifier);
    EXPECT_EQ(Pages().currentWidget()->objectName(), QStringLiteral("tabGroups"));
}

TEST_F(ChartPageTest, PickersKeepTheMonthRuleAndTheBucketFollowsTheLength)
{
    Choose(Page().FromPicker(), QDate(2005, 1, 31));
    EXPECT_EQ(Page().ToPicker().date(), QDate(2005, 3, 2));
    EXPECT_EQ(Bucket(), calc::SeriesBucket::Day);
    Choose(Page().ToPicker(), QDate(2005, 6, 30));
    EXPECT_EQ(Bucket(), calc::SeriesBucket::Week);
    Choose(Page().ToPicker(), QDate(2006, 1, 30));
    EXPECT_EQ(Bucket(), calc::SeriesBucket::Month);
    // A To before From is replaced by the month rule.
    Choose(Page().ToPicker(), QDate(2005, 1, 1));
    EXPECT_EQ(Page().ToPicker().date(), QDate(2005, 3, 2));
    // The user's choice of bucket holds until the period changes.
    Page().BucketChoice().setCurrentIndex(Page().BucketChoice().findData(int(calc::SeriesBucket::Month)));
    Calculate();
    EXPECT_EQ(Page().Series().bucket, calc::SeriesBucket::Month);
}

TEST_F(ChartPageTest, ChartsAndGridShowTheSeries)
{
    EXPECT_FALSE(Page().SaveImageButton().isEnabled());
    Choose(Page().FromPicker(), QDate(2005, 3, 1));
    Choose(Page().ToPicker(), QDate(2005, 4, 30));
    Page().BucketChoice().setCurrentIndex(Page().BucketChoice().findData(int(calc::SeriesBucket::Month)));
    Calculate();
    EXPECT_TRUE(prompts.warnings.isEmpty());
    EXPECT_TRUE(Page().SaveImageButton().isEnabled());
    EXPECT_TRUE(Page().SavePdfButton().isEnabled());

    model::Project project = ChartProject();
    const calc::PeriodSeries expected = calc::ComputePeriodSeries(
        project, DayFromCivil({2005, 3, 1}), DayFromCivil({2005, 4, 30}), calc::SeriesBucket::Month);
    const calc::TextGrid texts = calc::SeriesTexts(expected, true, controls::SystemNumberLocale());
    ASSERT_EQ(Grid().DataRowCount(), 2 * 3); // two months, each the total and two groups
    for (int row = 0; row < Grid().DataRowCount(); ++row)
        for (int col = 0; col < columns::series::kColumnCount; ++col)
            EXPECT_EQ(Grid().Cell(col, row + Grid().FirstDataRow()), texts.rows[std::size_t(row)][std::size_t(col)]);
    EXPECT_EQ(Grid().Cell(columns::series::Zeitraum, 1), "März 2005");
    EXPECT_FALSE(Grid().ColumnAt(columns::series::Gruppe).hidden);

    // Bars per bucket: Verkauf (N) and DB1, and DB1 per group stacked.
    const QList<QAbstractSeries*> margin = Page().MarginView().chart()->series();
    ASSERT_EQ(margin.size(), 2);
    const auto* bars = qobject_cast<QAbstractBarSeries*>(margin[0]);
    ASSERT_NE(bars, nullptr);
    ASSERT_EQ(bars->count(), 2);
    EXPECT_EQ(bars->barSets()[1]->label(), QStringLiteral("DB1"));
    EXPECT_EQ(bars->barSets()[1]->count(), 2);
    const auto* stacks = qobject_cast<QAbstractBarSeries*>(Page().GroupView().chart()->series().value(0));
    ASSERT_NE(stacks, nullptr);
    ASSERT_EQ(stacks->count(), 2);
    EXPECT_EQ(stacks->barSets()[0]->label(), QStringLiteral("Getränke"));
    // The views describe where their figures are readable.
    EXPECT_FALSE(Page().MarginView().accessibleDescription().isEmpty());
    EXPECT_EQ(Page().SeriesGrid().accessibleName(), QStringLiteral("Werte des Diagramms"));
}

TEST_F(ChartPageTest, SavesPicturesAndPdfThroughTheFileDialog)
{
    Choose(Page().FromPicker(), QDate(2005, 3, 1));
    Calculate();
    const QString png = QString::fromStdString(temp.File("bild.png"));
    const QString svg = QString::fromStdString(temp.File("bild.svg"));
    const QString pdf = QString::fromStdString(temp.File("bild.pdf"));
    prompts.ChooseFile(png);
    QTest::mouseClick(&Page().SaveImageButton(), Qt::LeftButton);
    prompts.ChooseFile(svg);
    Page().bChartSaveImageClick();
    prompts.ChooseFile(pdf);
    QTest::mouseClick(&Page().SavePdfButton(), Qt::LeftButton);
    ASSERT_EQ(prompts.fileDialogs.size(), 3);
    EXPECT_EQ(prompts.fileDialogs[0].initialFileName, QStringLiteral("Diagramm_05-03-01_05-03-31"));
    EXPECT_EQ(prompts.fileDialogs[2].defaultExtension, QStringLiteral("pdf"));
    EXPECT_EQ(ReadFileBytes(png.toStdString()).substr(0, 4), "\x89PNG");
    EXPECT_NE(ReadFileBytes(svg.toStdString()).find("<svg"), std::string::npos);
    EXPECT_EQ(ReadFileBytes(pdf.toStdString()).substr(0, 5), "%PDF-");
    EXPECT_TRUE(prompts.warnings.isEmpty());

    // A folder that does not exist: a warning, nothing written.
    const QString missing = QString::fromStdString(temp.File("fehlt/bild.png"));
    prompts.ChooseFile(missing);
    Page().bChartSaveImageClick();
    ASSERT_EQ(prompts.warnings.size(), 1);
    EXPECT_TRUE(prompts.warnings[0].contains(missing));
}

TEST_F(ChartPageTest, APeriodWithoutStoredDaysWarnsAndNewResets)
{
    Choose(Page().FromPicker(), QDate(2005, 5, 1));
    Calculate();
    ASSERT_EQ(prompts.warnings.size(), 1);
    EXPECT_EQ(prompts.warnings[0], QStringLiteral("Keine passenden Einträge gefunden!"));
    EXPECT_FALSE(Page().SaveImageButton().isEnabled());
    EXPECT_EQ(Grid().DataRowCount(), 31); // the zero days of May

    Choose(Page().FromPicker(), QDate(2005, 3, 1));
    Calculate();
    EXPECT_TRUE(Page().SaveImageButton().isEnabled());
    prompts.AnswerNext(ui::Answer::Yes);
    Main().NewProject();
    EXPECT_FALSE(Page().SaveImageButton().isEnabled());
    EXPECT_TRUE(Page().Series().points.empty());
}

// The tips over a bar or point: the bucket, the series (and group) and the shown
// value with the user's separators; the worked examples' day.
TEST(ChartTips, ShowTheBucketTheSeriesAndTheShownValue)
{
    model::Project project = ChartProject();
    const calc::PeriodSeries series = calc::ComputePeriodSeries(project, March(10), March(10), calc::SeriesBucket::Day);
    const numbers::NumberLocale comma{',', '.'};
    EXPECT_EQ(charts::MarginTip(series, 0, 0, comma), QStringLiteral("10.03.2005\nVerkauf (N): 99,76"));
    EXPECT_EQ(charts::MarginTip(series, 1, 0, comma), QStringLiteral("10.03.2005\nDB1: 68,12"));
    EXPECT_EQ(charts::MarginTip(series, 2, 0, comma), QStringLiteral("10.03.2005\nDB1 (%): 68,28"));
    EXPECT_EQ(charts::GroupTip(series, 1, 0, comma), QStringLiteral("10.03.2005\nDB1 Speisen: 65,42"));
}

// The charts rendered offscreen for a fixture period: the asked size, and drawn
// content in more than the page's white.
TEST(ChartFile, RendersThePngOffscreen)
{
    model::Project project = ChartProject();
    const calc::PeriodSeries series = calc::ComputePeriodSeries(project, March(1), March(31), calc::SeriesBucket::Day);
    const QByteArray bytes =
        charts::ChartBytes(series, controls::SystemNumberLocale(), charts::ChartFormat::Png, QSize(800, 600));
    const QImage image = QImage::fromData(bytes, "PNG");
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(800, 600));
    QSet<QRgb> colours;
    int dark = 0;
    for (int y = 0; y < image.height(); y += 2)
        for (int x = 0; x < image.width(); x += 2) {
            const QRgb pixel = image.pixel(x, y);
            colours.insert(pixel);
            dark += qGray(pixel) < 128 ? 1 : 0;
        }
    EXPECT_GT(colours.size(), 8);
    EXPECT_GT(dark, 500); // bars, texts and axes
}

} // namespace
} // namespace kontaro::test
