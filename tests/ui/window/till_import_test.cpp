// "Datei" -> "Kassendaten importieren...": the dialog's preview and mapping, and
// the days the import fills, through the real window and the shared sample.
#include "controls/column_grid.h"
#include "grid/plain_grid.h"
#include "model/xml_stream.h"
#include "support/till_project.h"
#include "ui/date_controls.h"
#include "ui/day_dates.h"
#include "ui/modal_runner.h"
#include "ui/recovery_copy.h"
#include "ui/till_import_dialog.h"
#include "window_fixture.h"

#include <QComboBox>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

namespace kontaro::test {
namespace {

class TillImportTest : public WindowTest {
protected:
    // Opens the café's catalogue, optionally with some days, in the window.
    void StartWithTillProject(const std::function<void(model::Project&)>& days = {})
    {
        model::Project project;
        FillTillProject(project);
        if (days)
            days(project);
        Start({WriteProject(project, "cafe.kdt")});
        ASSERT_TRUE(Main().ProjectOpen());
    }

    // Runs the command on `exportPath`; `work` handles the dialog and returns its result.
    void Import(const std::string& exportPath, const std::function<int(ui::TillImportDialog&)>& work)
    {
        prompts.ChooseFile(QString::fromStdString(exportPath));
        ui::SetModalRunner([&](QDialog& dialog) {
            auto* till = dynamic_cast<ui::TillImportDialog*>(&dialog);
            EXPECT_NE(till, nullptr);
            dialog.show();
            return till ? work(*till) : 0;
        });
        Action("ImportTill").trigger();
        ui::SetModalRunner({});
        EXPECT_TRUE(prompts.AllScriptsUsed());
    }

    std::string Entries(model::DayNumber date)
    {
        const int index = Main().Days().IndexOfDate(date);
        if (index < 0)
            return "-";
        std::string text;
        const model::tDay& day = Main().Days().Item(index);
        for (int i = 0; i < day.Count(); ++i)
            text += std::to_string(day.Entry(i).ProductID) + "=" + model::FormatReal(day.Entry(i).Value) + " ";
        return text;
    }

    static int Press(QDialog& dialog, const char* button)
    {
        QPushButton* pushed = dialog.findChild<QPushButton*>(QLatin1StringView(button));
        EXPECT_NE(pushed, nullptr);
        if (pushed)
            QTest::mouseClick(pushed, Qt::LeftButton);
        return dialog.result();
    }

    const model::DayNumber k14 = model::DayFromCivil({2024, 3, 14});
    const model::DayNumber k15 = model::DayFromCivil({2024, 3, 15});
};

TEST_F(TillImportTest, TheSampleFillsItsDaysAndTheDayViewShowsTheFirst)
{
    StartWithTillProject();
    EXPECT_TRUE(Action("ImportTill").isEnabled());
    Import(TillExport("sample/index.xml"), [](ui::TillImportDialog& dialog) {
        const QString preview = dialog.findChild<QPlainTextEdit*>(QStringLiteral("TillPreview"))->toPlainText();
        EXPECT_TRUE(preview.contains(QStringLiteral("  Produkt 4711 Tagesgericht: Verkauf (B) 9,50 (neu); Kasse 9,50, "
                                                    "Katalog 9,50")))
            << preview.toStdString();
        EXPECT_TRUE(preview.contains(QStringLiteral("  Brutto laut Kasse 32,00, laut Katalog 32,00, Differenz 0,00")));
        EXPECT_TRUE(preview.contains(QStringLiteral("Nicht übernommen: Bestellungen und andere AV-Vorgänge 12,40")));
        EXPECT_EQ(dialog.findChild<QTableWidget*>(QStringLiteral("TillArticles"))->rowCount(), 0);
        return Press(dialog, "bImport");
    });
    EXPECT_EQ(Entries(k14), "1001=3 2002=4 3003=1 4711=9.5 ");
    EXPECT_EQ(Entries(k15), "1001=2 2002=-1 3003=2 4711=8.9 ");
    // The day view shows the first imported day: the quantity, or the gross of the daily dish.
    EXPECT_EQ(Calendar().Date(), ui::DateOfDay(k14));
    const grid::PlainGrid& grid = DayGrid().Grid();
    ASSERT_EQ(grid.RowCount(), 6);
    EXPECT_EQ(grid.Cell(1, 1), "1001");
    EXPECT_EQ(grid.Cell(2, 1), "3,00");
    EXPECT_EQ(grid.Cell(1, 4), "4711");
    EXPECT_EQ(grid.Cell(3, 4), "9,50");
    EXPECT_EQ(grid.Cell(3, 5), "32,00");
    EXPECT_TRUE(prompts.warnings.isEmpty());
    // The import is a change: the next recovery copy holds it.
    ASSERT_TRUE(Main().Recovery().Tick());
    EXPECT_TRUE(QFile::exists(Main().Recovery().CopyPath()));
}

TEST_F(TillImportTest, CancelChangesNothingAndABrokenExportIsNamed)
{
    StartWithTillProject([this](model::Project& project) { AddEntry(project, k14, 1001, 7); });
    Import(TillExport("sample"), [](ui::TillImportDialog& dialog) { return Press(dialog, "bCancel"); });
    EXPECT_EQ(Entries(k14), "1001=7 ");
    EXPECT_EQ(Entries(k15), "-");

    prompts.ChooseFile(QString::fromStdString(TillExport("dialect-mismatch/index.xml")));
    Action("ImportTill").trigger();
    ASSERT_EQ(prompts.warnings.size(), 1);
    EXPECT_TRUE(prompts.warnings[0].startsWith(QStringLiteral("transactions.csv, Zeile 2, Spalte 8 (UMS_BRUTTO)")));
    EXPECT_EQ(Entries(k14), "1001=7 ");
}

TEST_F(TillImportTest, UnmappedArticlesAreMappedInTheDialogAndRemembered)
{
    StartWithTillProject([this](model::Project& project) { AddEntry(project, k14, 2002, 1); });
    Import(TillExport("quoted-text"), [](ui::TillImportDialog& dialog) {
        auto* articles = dialog.findChild<QTableWidget*>(QStringLiteral("TillArticles"));
        EXPECT_EQ(articles->rowCount(), 2);
        EXPECT_EQ(articles->item(0, 0)->text(), QStringLiteral("0815"));
        EXPECT_EQ(articles->item(1, 1)->text(), QStringLiteral("Tagesgericht \"Linsen; Spätzle\""));
        auto* product = dialog.findChild<QComboBox*>(QStringLiteral("TillProduct1"));
        product->setCurrentIndex(product->findData(4711));
        auto* mode = dialog.findChild<QComboBox*>(QStringLiteral("TillMode"));
        mode->setCurrentIndex(mode->findData(static_cast<int>(till::ImportMode::Add)));
        const QString preview = dialog.findChild<QPlainTextEdit*>(QStringLiteral("TillPreview"))->toPlainText();
        EXPECT_TRUE(preview.contains(QStringLiteral("Produkt 4711 Tagesgericht: Verkauf (B) 9,50 (neu)")));
        EXPECT_TRUE(preview.contains(QStringLiteral("Nicht zugeordnete Artikel: 0815 (2,90)")));
        return Press(dialog, "bImport");
    });
    EXPECT_EQ(Entries(k14), "2002=1 4711=9.5 ");
    // The day view shows what was typed and what came from the till.
    EXPECT_EQ(DayGrid().Grid().Cell(1, 2), "4711");
    // Saved with the project, the mapping serves the next import.
    ASSERT_TRUE(Main().SaveProject());
    model::Project saved;
    ASSERT_EQ(model::LoadProjectFile(Main().FileName().toStdString(), saved).status, model::LoadStatus::Ok);
    EXPECT_EQ(saved.TillArticles.ProductOf("T;1"), 4711);
    EXPECT_EQ(saved.TillArticles.Count(), 1);
}

} // namespace
} // namespace kontaro::test
