// "Drucken..." on the page "Diagramm": no printer queue is reachable here (the
// tests' environment points CUPS at no server), so it offers the PDF; the pages the
// queue would get are written through the same printing path and read back by
// poppler.
#include "charts/chart_file.h"
#include "controls/page_output.h"
#include "controls/qt_number_locale.h"
#include "ui/chart_page.h"
#include "ui/print/pdf_tools.h"
#include "ui/window/window_fixture.h"

#include <QFile>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

namespace kontaro::test {
namespace {

class ChartPrintTest : public WindowTest {
protected:
    void SetUp() override
    {
        for (const char* tool : {"pdfinfo", "pdftotext"})
            if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
                GTEST_SKIP() << "skipped: " << tool << " (poppler-utils) is not installed";
        StartWithCatalogue();
        AddDay(Main().Days(), kToday, {{1, 2.0}, {2, 4.0}});
        AddDay(Main().Days(), kToday + 2, {{3, 1.0}});
    }
    ui::ChartPage& Page() { return Main().ChartView(); }

    // The PDF has one landscape page holding both charts' titles and axes.
    static void ExpectChartPage(const QString& pdf)
    {
        const QString info = RunPdfTool(QStringLiteral("pdfinfo"), {pdf});
        EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n")))) << info.toStdString();
        const auto size = QRegularExpression(QStringLiteral("Page size:\\s+([\\d.]+) x ([\\d.]+) pts")).match(info);
        ASSERT_TRUE(size.hasMatch()) << info.toStdString();
        EXPECT_GT(size.captured(1).toDouble(), size.captured(2).toDouble()) << "landscape";
        const QString text = RunPdfTool(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        for (const char* shown :
             {"Verkauf (N) und DB1 vom 01.03.2005 bis 31.03.2005", "DB1 je Gruppe vom 01.03.2005 bis 31.03.2005",
              "Betrag", "DB1 (%)", "Getr\xc3\xa4nke"})
            EXPECT_TRUE(text.contains(QString::fromUtf8(shown))) << shown << " in\n" << text.toStdString();
    }
};

TEST_F(ChartPrintTest, WithoutAPrinterPrintOffersThePdfOfTheCharts)
{
    QPushButton& print = Page().PrintButton();
    EXPECT_EQ(print.text(), QStringLiteral("Drucken..."));
    EXPECT_FALSE(print.isEnabled()) << "nothing to print before a calculation";
    QTest::mouseClick(&Page().CalcButton(), Qt::LeftButton);
    ASSERT_TRUE(print.isEnabled());

    // No: nothing asked for, nothing written.
    prompts.AnswerNext(ui::Answer::No);
    QTest::mouseClick(&print, Qt::LeftButton);
    ASSERT_EQ(prompts.questions.size(), 1);
    EXPECT_EQ(
        prompts.questions[0],
        QStringLiteral("Es ist kein Drucker eingerichtet. Wollen Sie die Seiten stattdessen als PDF-Datei speichern?"));
    EXPECT_TRUE(prompts.fileDialogs.isEmpty());

    // Yes: "Als PDF speichern..." with its file dialog.
    const QString pdf = QString::fromStdString(temp.File("diagramm.pdf"));
    prompts.AnswerNext(ui::Answer::Yes);
    prompts.ChooseFile(pdf);
    QTest::mouseClick(&print, Qt::LeftButton);
    ASSERT_EQ(prompts.fileDialogs.size(), 1);
    EXPECT_EQ(prompts.fileDialogs[0].initialFileName, QStringLiteral("Diagramm_05-03-01_05-03-31"));
    EXPECT_TRUE(prompts.warnings.isEmpty());
    ASSERT_TRUE(QFile::exists(pdf));
    ExpectChartPage(pdf);

    // New clears the charts and disables printing again.
    Main().NewProject(false);
    EXPECT_FALSE(print.isEnabled());
}

TEST_F(ChartPrintTest, ThePrintedPageHoldsTheCharts)
{
    QTest::mouseClick(&Page().CalcButton(), Qt::LeftButton);
    const QString pdf = QString::fromStdString(temp.File("job.pdf"));
    const calc::PeriodSeries& series = Page().Series();
    const numbers::NumberLocale locale = controls::SystemNumberLocale();
    QString error;
    ASSERT_TRUE(controls::SavePagesAsPdf(
        [&](QPagedPaintDevice& device) { return charts::PaintChartPage(series, locale, device); },
        charts::kChartOrientation, pdf, &error))
        << error.toStdString();
    ExpectChartPage(pdf);

    // Without a queue the job is refused with the German message.
    EXPECT_FALSE(controls::PrintPagesOnQueue(
        [&](QPagedPaintDevice& device) { return charts::PaintChartPage(series, locale, device); },
        charts::kChartOrientation, QStringLiteral("Kontaro Diagramm"), &error));
    EXPECT_EQ(error, QStringLiteral("Es ist kein Drucker eingerichtet."));
}

} // namespace
} // namespace kontaro::test
