// The printed pages as a reader of the PDF sees them: the pages go through the same
// painter as a print job into a PDF file, and poppler's pdfinfo, pdftotext and
// pdffonts read them back. Skipped with a message where poppler-utils is missing.
#include "columns/grid_columns.h"
#include "controls/grid_printer.h"
#include "controls/page_output.h"
#include "grid/grid_setups.h"
#include "grid/plain_grid.h"
#include "grid/print_settings.h"
#include "support/temp_dir.h"
#include "ui/print/pdf_tools.h"

#include <QPrinter>
#include <QRegularExpression>
#include <QStandardPaths>

#include <fstream>
#include <gtest/gtest.h>

namespace kontaro::test {
namespace {

namespace col = columns::day;

// A word of a page with its box in points, from pdftotext -bbox.
struct Word {
    QString text;
    double x0, y0, x1, y1;
};

struct Page {
    double width = 0;
    double height = 0;
    std::vector<Word> words;
};

class PrintedPagesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* tool : {"pdfinfo", "pdftotext", "pdffonts"})
            if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
                GTEST_SKIP() << "skipped: " << tool << " (poppler-utils) is not installed";
        grid::SetupDayView(g);
    }

    // A day with `rows` sales "Artikel 1" to "Artikel n", each sold for 1.50.
    void FillRows(int rows)
    {
        g.SetRowCount(rows + 2);
        for (int i = 1; i <= rows; ++i) {
            g.SetCell(col::Name, i, "Artikel " + std::to_string(i));
            g.SetCell(col::Produkt, i, std::to_string(i));
            g.SetCell(col::Menge, i, "1.00");
            g.SetCell(col::VerkaufB, i, "1.50");
        }
        g.RecalcFooter();
    }

    // Writes the grid's pages as "Als PDF speichern..." does, printed at a fixed time.
    QString Write(const char* name)
    {
        const QString path = QString::fromStdString(temp.File(name));
        const controls::PagePainter paint = [this](QPagedPaintDevice& device) {
            return controls::PrintGridPages({g, settings, QDateTime(QDate(2026, 3, 14), QTime(10, 30))}, device);
        };
        QString error;
        EXPECT_TRUE(controls::SavePagesAsPdf(paint, controls::PrintOrientation(settings), path, &error))
            << error.toStdString();
        return path;
    }

    static int PageCount(const QString& pdf)
    {
        const auto match =
            QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(RunPdfTool(QStringLiteral("pdfinfo"), {pdf}));
        return match.hasMatch() ? match.captured(1).toInt() : -1;
    }
    static QString Text(const QString& pdf, int page)
    {
        const QString number = QString::number(page);
        return RunPdfTool(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), QStringLiteral("-f"), number,
                                                        QStringLiteral("-l"), number, pdf, QStringLiteral("-")});
    }
    static Page Words(const QString& pdf, int pageNumber)
    {
        const QString number = QString::number(pageNumber);
        const QString html =
            RunPdfTool(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), QStringLiteral("-f"), number,
                                                     QStringLiteral("-l"), number, pdf, QStringLiteral("-")});
        Page page;
        const auto size =
            QRegularExpression(QStringLiteral("<page width=\"([\\d.]+)\" height=\"([\\d.]+)\"")).match(html);
        if (size.hasMatch()) {
            page.width = size.captured(1).toDouble();
            page.height = size.captured(2).toDouble();
        }
        static const QRegularExpression word(QStringLiteral(
            "<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)</word>"));
        for (auto it = word.globalMatch(html); it.hasNext();) {
            const auto m = it.next();
            page.words.push_back({m.captured(5), m.captured(1).toDouble(), m.captured(2).toDouble(),
                                  m.captured(3).toDouble(), m.captured(4).toDouble()});
        }
        return page;
    }
    static const Word* Find(const Page& page, const QString& text)
    {
        for (const Word& word : page.words)
            if (word.text == text)
                return &word;
        return nullptr;
    }

    TempDir temp;
    grid::PlainGrid g;
    grid::PrintSettings settings;
};

constexpr double kPointsPerTenth = 72.0 / 254.0;

TEST_F(PrintedPagesTest, LongGridBreaksBetweenRowsAndRepeatsTheHeaderWhenAsked)
{
    FillRows(200);
    const std::string footerSum = g.DisplayText(col::VerkaufB, g.FooterRow());
    EXPECT_EQ(footerSum, "300.00");
    const QString header = QString::fromStdString(g.DisplayText(col::VerkaufB, 0)).section(QLatin1Char(' '), 0, 0);
    for (const bool repeat : {false, true}) {
        SCOPED_TRACE(repeat ? "header repeated" : "header once");
        settings.RepeatFixedRows = repeat;
        const QString pdf = Write(repeat ? "repeated.pdf" : "once.pdf");
        const int pages = PageCount(pdf);
        EXPECT_GE(pages, 3);
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        controls::SetUpPrinterPage(printer, controls::PrintOrientation(settings));
        EXPECT_EQ(pages, controls::CountGridPages({g, settings}, printer));
        QString all;
        for (int page = 1; page <= pages; ++page) {
            const QString text = Text(pdf, page);
            all += text;
            EXPECT_EQ(text.contains(header), page == 1 || repeat) << "page " << page;
            EXPECT_EQ(text.contains(QString::fromStdString(footerSum)), page == pages) << "page " << page;
        }
        // Every row on exactly one page, none cut in two.
        for (int row = 1; row <= 200; ++row)
            EXPECT_EQ(all.count(QRegularExpression(QStringLiteral("\\bArtikel %1\\b").arg(row))), 1) << row;
    }
}

// A settings file with a title of two lines (one backslash-n), the date top right
// and the page number bottom centre, and no "Centered": the grid stands in the
// middle of the page, below the title.
TEST_F(PrintedPagesTest, TitleDateAndPageNumberStandWhereTheSettingsPutThem)
{
    FillRows(120);
    const std::string file = temp.File("Seiten.ini");
    {
        std::ofstream out(file, std::ios::binary);
        out << "[PRINTSETTINGS]\r\nTitle=3\r\nTitleLines=Sonnenschein\\nTagesumsatz\r\nDate=2\r\n"
               "DateFormat=dd.mm.yyyy\r\nPageNr=6\r\nPagePrefix=Seite \r\nPageNumSep= von \r\nBorders=1\r\n";
    }
    grid::LoadPrintSettingsFile(settings, file);
    ASSERT_EQ(settings.TitleLines, (std::vector<std::string>{"Sonnenschein", "Tagesumsatz"}));
    const QString pdf = Write("seiten.pdf");
    const int pages = PageCount(pdf);
    ASSERT_GE(pages, 2);
    const double margin = 100 * kPointsPerTenth; // the file's default margins: 10 mm

    for (int number = 1; number <= pages; ++number) {
        SCOPED_TRACE("page " + std::to_string(number));
        const Page page = Words(pdf, number);
        const Word* first = Find(page, QStringLiteral("Sonnenschein"));
        const Word* second = Find(page, QStringLiteral("Tagesumsatz"));
        const Word* date = Find(page, QStringLiteral("14.03.2026"));
        ASSERT_TRUE(first && second && date);
        // The title: two centred lines in the top margin's band.
        EXPECT_NEAR((first->x0 + first->x1) / 2, page.width / 2, 3);
        EXPECT_NEAR((second->x0 + second->x1) / 2, page.width / 2, 3);
        EXPECT_NEAR(first->y0, margin, 6);
        EXPECT_GT(second->y0, first->y1 - 1);
        // The date: right-aligned on the first line.
        EXPECT_NEAR(date->x1, page.width - margin, 3);
        EXPECT_NEAR(date->y0, first->y0, 2);
        // The page number: "Seite n von m", centred at the bottom.
        const QString expected = QStringLiteral("Seite %1 von %2").arg(number).arg(pages);
        std::vector<const Word*> footer;
        for (const Word& word : page.words)
            if (word.y1 > page.height - margin - 20)
                footer.push_back(&word);
        ASSERT_EQ(footer.size(), 4u);
        QStringList texts;
        for (const Word* word : footer)
            texts << word->text;
        EXPECT_EQ(texts.join(QLatin1Char(' ')), expected);
        EXPECT_NEAR((footer.front()->x0 + footer.back()->x1) / 2, page.width / 2, 3);
        EXPECT_NEAR(footer.back()->y1, page.height - margin, 4);

        // The grid: centred, below the title, above the page number.
        double left = page.width, right = 0, top = page.height;
        for (const Word& word : page.words) {
            if (word.y0 <= second->y1 || word.y1 >= footer.front()->y0)
                continue;
            left = std::min(left, word.x0);
            right = std::max(right, word.x1);
            top = std::min(top, word.y0);
        }
        EXPECT_GT(top, second->y1 + 20 * kPointsPerTenth - 1) << "the title spacing lies below the title";
        // The header row spans the grid's whole width on the first page.
        if (number == 1) {
            EXPECT_NEAR(left - margin, page.width - margin - right, 12) << "centred between the margins";
        }
    }
}

// Landscape, a left margin of 30 mm, not centred, and the cell font of the
// settings instead of the screen's.
TEST_F(PrintedPagesTest, OrientationMarginsAndFontsFollowTheSettings)
{
    FillRows(5);
    settings.Orientation = grid::PrinterOrientation::Landscape;
    settings.Centered = false;
    settings.LeftSize = 300;
    settings.UseDisplayFont = false;
    settings.Font = {"DejaVu Serif", 11, grid::kBold, 0};
    settings.FixedFont = settings.Font;
    const QString pdf = Write("quer.pdf");
    const Page page = Words(pdf, 1);
    EXPECT_GT(page.width, page.height);
    const Word* name = Find(page, QStringLiteral("Artikel"));
    ASSERT_TRUE(name);
    EXPECT_GT(name->x0, 300 * kPointsPerTenth);
    EXPECT_LT(name->x0, 300 * kPointsPerTenth + 8);
    EXPECT_TRUE(RunPdfTool(QStringLiteral("pdffonts"), {pdf}).contains(QStringLiteral("DejaVuSerif-Bold")));

    settings.UseDefaultOrientation = true; // the printer's own: portrait for the PDF
    const Page portrait = Words(Write("hoch.pdf"), 1);
    EXPECT_LT(portrait.width, portrait.height);
}

} // namespace
} // namespace kontaro::test
