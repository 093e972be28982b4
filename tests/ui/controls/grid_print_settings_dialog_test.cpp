#include "controls/column_grid.h"
#include "controls/grid_print_settings_dialog.h"
#include "controls/grid_printer.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

namespace kontaro::controls {
namespace {

class PrintSettingsDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        dialog.SetGrid(&grid);
        dialog.SetWarning([this](QWidget*, const QString& text) { warnings << text; });
        dialog.SetFileQuestion([this](QWidget*, bool save, const QString& filter, QString* chosen) {
            asked << (save ? QStringLiteral("save") : QStringLiteral("open"));
            filters << filter;
            *chosen = filter.section(QStringLiteral(";;"), answerFilter, answerFilter);
            return answer;
        });
    }

    // Shows the dialog, lets change() work on it while it is open, then presses OK
    // or Cancel.
    bool ShowAndClose(const std::function<void()>& change, bool ok)
    {
        QTimer::singleShot(0, &dialog, [this, change, ok] {
            change();
            ok ? dialog.accept() : dialog.reject();
        });
        return dialog.Show();
    }

    QTemporaryDir folder;
    ColumnGrid grid;
    GridPrintSettingsDialog dialog;
    QStringList warnings;
    QStringList asked;
    QStringList filters;
    QString answer;
    int answerFilter = 0; // the entry of the offered filter the user chooses
};

TEST_F(PrintSettingsDialogTest, OkKeepsTheChangesAndCancelRestoresTheSettings)
{
    const auto uncentre = [this] { dialog.findChild<QCheckBox*>(QStringLiteral("Centered"))->setChecked(false); };
    EXPECT_FALSE(ShowAndClose(uncentre, false));
    EXPECT_TRUE(grid.PrintSettings().Centered);

    const auto landscape = [this] {
        dialog.findChild<QComboBox*>(QStringLiteral("Orientation"))->setCurrentIndex(1);
        // Changes reach the grid while the dialog is open.
        EXPECT_EQ(grid.PrintSettings().Orientation, grid::PrinterOrientation::Landscape);
    };
    EXPECT_TRUE(ShowAndClose(landscape, true));
    EXPECT_EQ(grid.PrintSettings().Orientation, grid::PrinterOrientation::Landscape);
    EXPECT_TRUE(warnings.isEmpty());
}

TEST_F(PrintSettingsDialogTest, MarginsShowInMillimetresAndKeepTheirTenths)
{
    grid.PrintSettings().HeaderSize = 95;
    const auto widen = [this] {
        auto* top = dialog.findChild<QDoubleSpinBox*>(QStringLiteral("HeaderSize"));
        EXPECT_DOUBLE_EQ(top->value(), 9.5);
        dialog.findChild<QDoubleSpinBox*>(QStringLiteral("LeftSize"))->setValue(12.3);
    };
    EXPECT_TRUE(ShowAndClose(widen, true));
    EXPECT_EQ(grid.PrintSettings().HeaderSize, 95);
    EXPECT_EQ(grid.PrintSettings().LeftSize, 123);
}

TEST_F(PrintSettingsDialogTest, WithoutAGridItWarnsAndReturnsFalse)
{
    dialog.SetGrid(nullptr);
    EXPECT_FALSE(dialog.Show());
    EXPECT_EQ(warnings, QStringList{QStringLiteral("Dem Dialog ist keine Tabelle zugeordnet.")});
}

TEST_F(PrintSettingsDialogTest, SaveAddsTheExtensionOnlyForTheFirstFilter)
{
    answer = folder.filePath(QStringLiteral("Summe"));
    dialog.SaveSettings();
    EXPECT_TRUE(QFile::exists(answer + QStringLiteral(".ini")));

    answer = folder.filePath(QStringLiteral("Andere"));
    answerFilter = 1;
    dialog.SaveSettings();
    EXPECT_TRUE(QFile::exists(answer));

    answer.clear(); // cancelled
    dialog.SaveSettings();
    EXPECT_EQ(asked.size(), 3);
    EXPECT_TRUE(warnings.isEmpty());
}

TEST_F(PrintSettingsDialogTest, AFixedSettingsFileIsUsedWithoutAsking)
{
    const QString path = folder.filePath(QStringLiteral("Print.set"));
    dialog.SetIniFile(path);
    grid.PrintSettings().RepeatFixedRows = true;
    dialog.SaveSettings();
    grid.PrintSettings() = {};
    dialog.LoadSettings();
    EXPECT_TRUE(grid.PrintSettings().RepeatFixedRows);
    EXPECT_TRUE(dialog.findChild<QCheckBox*>(QStringLiteral("RepeatFixedRows"))->isChecked());
    EXPECT_TRUE(asked.isEmpty());
}

TEST_F(PrintSettingsDialogTest, LoadReadsMissingKeysAsDefaultsAndSaveFailureWarns)
{
    const QString path = folder.filePath(QStringLiteral("alt.ini"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[PRINTSETTINGS]\r\nBorders=3\r\n");
    file.close();
    grid.PrintSettings().Centered = false;
    answer = path;
    dialog.LoadSettings();
    EXPECT_TRUE(grid.PrintSettings().Centered);
    EXPECT_EQ(grid.PrintSettings().Borders, grid::PrintBorderKind::Vertical);
    EXPECT_EQ(dialog.findChild<QComboBox*>(QStringLiteral("Borders"))->currentIndex(), 3);

    // A file where the settings file's folder should be.
    QFile blocker(folder.filePath(QStringLiteral("Datei")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString unwritable = folder.filePath(QStringLiteral("Datei/Print.set"));
    dialog.SetIniFile(unwritable);
    grid.PrintSettings().Centered = false;
    dialog.SaveSettings();
    EXPECT_EQ(warnings, QStringList{QStringLiteral("In %1 kann nicht geschrieben werden").arg(unwritable)});
    EXPECT_FALSE(grid.PrintSettings().Centered) << "the grid's settings are not affected";

    // A missing folder of the settings file is made.
    dialog.SetIniFile(folder.filePath(QStringLiteral("neu/Print.set")));
    dialog.SaveSettings();
    EXPECT_TRUE(QFile::exists(folder.filePath(QStringLiteral("neu/Print.set"))));
    EXPECT_EQ(warnings.size(), 1);
}

TEST_F(PrintSettingsDialogTest, SavesThePagesAsPdfAndPreviewsAllOfThem)
{
    grid.Grid().SetRowCount(300);
    answer = folder.filePath(QStringLiteral("Tag"));
    EXPECT_TRUE(dialog.SaveAsPdf());
    EXPECT_EQ(filters.constLast(), QStringLiteral("PDF-Dateien (*.pdf);;Alle Dateien (*.*)"));
    QFile pdf(answer + QStringLiteral(".pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5).startsWith("%PDF-"));

    answer = folder.filePath(QStringLiteral("Datei/Tag.pdf")); // below a file: not writable
    QFile(folder.filePath(QStringLiteral("Datei"))).open(QIODevice::WriteOnly);
    EXPECT_FALSE(dialog.SaveAsPdf());
    EXPECT_EQ(warnings, QStringList{QStringLiteral("Die Datei %1 kann nicht geschrieben werden.").arg(answer)});

    // The preview shows every page the printout has.
    int previewPages = 0;
    dialog.SetModalRun([&previewPages](QDialog& shown) {
        auto* preview = shown.findChild<QPrintPreviewWidget*>();
        if (preview) {
            preview->updatePreview();
            previewPages = preview->pageCount();
        }
        return int(QDialog::Rejected);
    });
    dialog.PreviewAllPages();
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    SetUpPrinterPage(printer, PrintOrientation(grid.PrintSettings()));
    EXPECT_GT(previewPages, 1);
    EXPECT_EQ(previewPages, CountGridPages({grid.Grid(), grid.PrintSettings()}, printer));
}

} // namespace
} // namespace kontaro::controls
