// The six print buttons of the day view and the summary pages with their dialogs,
// driven as the user does: the dialog runs through the modal runner, its questions
// and warnings through the scripted prompts. No printer queue is reachable here
// (the tests' environment points CUPS at no server), so "Drucken..." offers the PDF.
#include "controls/column_grid.h"
#include "controls/grid_print_settings_dialog.h"
#include "ui/day_view.h"
#include "ui/group_view_page.h"
#include "ui/modal_runner.h"
#include "ui/print_commands.h"
#include "ui/sum_view_page.h"
#include "ui/summary_page.h"
#include "ui/window/window_fixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QTest>

#include <deque>
#include <functional>

namespace kontaro::test {
namespace {

using controls::GridPrintSettingsDialog;

class PrintCommandsTest : public WindowTest {
protected:
    PrintCommandsTest()
    {
        ui::SetModalRunner([this](QDialog& dialog) {
            shown << dialog.objectName();
            if (steps.empty()) {
                ADD_FAILURE() << "unscripted dialog " << dialog.objectName().toStdString();
                return int(QDialog::Rejected);
            }
            const auto step = std::move(steps.front());
            steps.pop_front();
            dialog.show();
            step(static_cast<GridPrintSettingsDialog&>(dialog));
            return dialog.result();
        });
    }
    ~PrintCommandsTest() override
    {
        ui::SetModalRunner({});
        EXPECT_TRUE(steps.empty());
        EXPECT_TRUE(prompts.AllScriptsUsed());
    }

    void StartWithDay()
    {
        StartWithCatalogue();
        AddDay(Main().Days(), kToday, {{1, 2.0}, {2, 4.0}});
        DayPage().StoreDayOnSwitch = false;
        DayPage().CalDayClick();
        DayPage().StoreDayOnSwitch = true;
    }

    GridPrintSettingsDialog& Dialog(const char* name)
    {
        auto* dialog = Main().findChild<GridPrintSettingsDialog*>(QLatin1StringView(name));
        if (!dialog)
            throw std::runtime_error(std::string("no dialog ") + name);
        return *dialog;
    }
    QPushButton& Button(const char* name)
    {
        auto* button = Main().findChild<QPushButton*>(QLatin1StringView(name));
        if (!button)
            throw std::runtime_error(std::string("no button ") + name);
        return *button;
    }
    static void Uncentre(GridPrintSettingsDialog& dialog)
    {
        dialog.findChild<QCheckBox*>(QStringLiteral("Centered"))->setChecked(false);
    }

    // One step per dialog the commands show, in order.
    std::deque<std::function<void(GridPrintSettingsDialog&)>> steps;
    QStringList shown;
};

TEST_F(PrintCommandsTest, EachGridHasItsDialogAndInitialSettings)
{
    Start();
    EXPECT_EQ(Dialog("DayPrint").Grid(), &DayGrid());
    EXPECT_EQ(Dialog("SumPrint").Grid(), &Main().SumView().Grid());
    EXPECT_EQ(Dialog("GroupPrint").Grid(), &Main().GroupView().Grid());
    EXPECT_EQ(DayGrid().PrintSettings(), grid::DayViewPrintSettings());
    EXPECT_EQ(Main().SumView().Grid().PrintSettings(), grid::PrintSettings{});
    EXPECT_EQ(Main().GroupView().Grid().PrintSettings(), grid::PrintSettings{});

    // The day view's file lies next to the program, whose folder is writable here.
    EXPECT_EQ(Dialog("DayPrint").IniFile(),
              QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("Print.set")));
    EXPECT_EQ(ui::DayPrintSettingsFile(), Dialog("DayPrint").IniFile());
    EXPECT_TRUE(Dialog("SumPrint").IniFile().isEmpty());
    EXPECT_TRUE(Dialog("GroupPrint").IniFile().isEmpty());
    for (const char* name : {"bDayPrint", "bDayPrintSet", "bSumPrint", "bSumPrintSet", "bGroupPrint", "bGroupPrintSet"})
        EXPECT_EQ(Button(name).text(), QString::fromLatin1(name).endsWith(QLatin1String("Set"))
                                           ? QStringLiteral("Drucker Einstellungen...")
                                           : QStringLiteral("Drucken..."));
}

TEST_F(PrintCommandsTest, CancelPrintsNothingAndRestoresTheSettings)
{
    StartWithDay();
    steps.push_back([](GridPrintSettingsDialog& dialog) {
        Uncentre(dialog);
        dialog.reject();
    });
    QTest::mouseClick(&Button("bDayPrint"), Qt::LeftButton);
    EXPECT_EQ(shown, QStringList{QStringLiteral("DayPrint")});
    EXPECT_TRUE(DayGrid().PrintSettings().Centered);
    EXPECT_TRUE(prompts.questions.isEmpty()) << "nothing printed, no printer looked for";
    EXPECT_TRUE(prompts.warnings.isEmpty());
}

TEST_F(PrintCommandsTest, SettingsConfirmedWithOkStayWithTheirGridOnly)
{
    StartWithDay();
    Main().ShowPage(ui::MainWindow::Page::SumView);
    QTest::mouseClick(&Main().SumView().CalcButton(), Qt::LeftButton);
    ASSERT_TRUE(Button("bSumPrintSet").isEnabled());
    EXPECT_FALSE(Button("bGroupPrintSet").isEnabled()) << "no group calculation yet";

    steps.push_back([](GridPrintSettingsDialog& dialog) {
        Uncentre(dialog);
        dialog.accept();
    });
    QTest::mouseClick(&Button("bSumPrintSet"), Qt::LeftButton);
    EXPECT_FALSE(Main().SumView().Grid().PrintSettings().Centered);
    EXPECT_TRUE(DayGrid().PrintSettings().Centered);
    EXPECT_TRUE(Main().GroupView().Grid().PrintSettings().Centered);
    EXPECT_TRUE(prompts.questions.isEmpty()) << "the settings button prints nothing";

    // The next dialog of the same grid starts from the kept settings.
    steps.push_back([](GridPrintSettingsDialog& dialog) {
        EXPECT_FALSE(dialog.findChild<QCheckBox*>(QStringLiteral("Centered"))->isChecked());
        dialog.reject();
    });
    QTest::mouseClick(&Button("bSumPrint"), Qt::LeftButton);
    EXPECT_EQ(shown, (QStringList{QStringLiteral("SumPrint"), QStringLiteral("SumPrint")}));
}

TEST_F(PrintCommandsTest, WithoutAPrinterPrintOffersThePdf)
{
    StartWithDay();
    const auto ok = [](GridPrintSettingsDialog& dialog) { dialog.accept(); };
    steps.push_back(ok);
    prompts.AnswerNext(ui::Answer::Yes);
    const QString name = QString::fromStdString(temp.File("Tag"));
    prompts.ChooseFile(name);
    QTest::mouseClick(&Button("bDayPrint"), Qt::LeftButton);
    ASSERT_EQ(prompts.questions.size(), 1);
    EXPECT_EQ(
        prompts.questions[0],
        QStringLiteral("Es ist kein Drucker eingerichtet. Wollen Sie die Seiten stattdessen als PDF-Datei speichern?"));
    ASSERT_EQ(prompts.fileDialogs.size(), 1);
    EXPECT_EQ(prompts.fileDialogs[0].filter, QStringLiteral("PDF-Dateien (*.pdf);;Alle Dateien (*.*)"));
    QFile pdf(name + QStringLiteral(".pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly)) << "the first filter adds \".pdf\"";
    EXPECT_TRUE(pdf.read(5).startsWith("%PDF-"));

    // No: nothing is written, and the confirmed settings stay.
    steps.push_back([](GridPrintSettingsDialog& dialog) {
        Uncentre(dialog);
        dialog.accept();
    });
    prompts.AnswerNext(ui::Answer::No);
    QTest::mouseClick(&Button("bDayPrint"), Qt::LeftButton);
    EXPECT_EQ(prompts.fileDialogs.size(), 1);
    EXPECT_FALSE(DayGrid().PrintSettings().Centered);
    EXPECT_TRUE(prompts.warnings.isEmpty());
}

TEST_F(PrintCommandsTest, DaySettingsFileIsUsedWithoutAskingAndNotLoadedAtStartUp)
{
    Start();
    const QString file = QString::fromStdString(temp.File("Print.set"));
    Dialog("DayPrint").SetIniFile(file);
    steps.push_back([](GridPrintSettingsDialog& dialog) {
        dialog.findChild<QCheckBox*>(QStringLiteral("RepeatFixedRows"))->setChecked(true);
        dialog.findChild<QPushButton*>(QStringLiteral("bSaveSettings"))->click();
        dialog.accept();
    });
    QTest::mouseClick(&Button("bDayPrintSet"), Qt::LeftButton);
    ASSERT_TRUE(QFile::exists(file));
    EXPECT_TRUE(prompts.fileDialogs.isEmpty());

    // A new window starts with the initial settings until the file is loaded.
    Start();
    EXPECT_EQ(DayGrid().PrintSettings(), grid::DayViewPrintSettings());
    Dialog("DayPrint").SetIniFile(file);
    steps.push_back([](GridPrintSettingsDialog& dialog) {
        dialog.findChild<QPushButton*>(QStringLiteral("bLoadSettings"))->click();
        EXPECT_TRUE(dialog.findChild<QCheckBox*>(QStringLiteral("RepeatFixedRows"))->isChecked());
        dialog.accept();
    });
    QTest::mouseClick(&Button("bDayPrintSet"), Qt::LeftButton);
    EXPECT_TRUE(DayGrid().PrintSettings().RepeatFixedRows);
    // What the file did not hold comes from the file's defaults.
    EXPECT_EQ(DayGrid().PrintSettings().FitToPage, grid::FitToPageMode::Shrink);
}

TEST_F(PrintCommandsTest, SummaryDialogsAskForTheFileAndWarnThroughThePrompts)
{
    StartWithDay();
    QTest::mouseClick(&Main().GroupView().CalcButton(), Qt::LeftButton);
    const QString name = QString::fromStdString(temp.File("Gruppen"));
    prompts.ChooseFile(name);
    // A folder in place of the file's folder: the file cannot be written.
    QFile blocker(QString::fromStdString(temp.File("Datei")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString unwritable = blocker.fileName() + QStringLiteral("/Print.ini");
    prompts.ChooseFile(unwritable);
    steps.push_back([](GridPrintSettingsDialog& dialog) {
        auto* save = dialog.findChild<QPushButton*>(QStringLiteral("bSaveSettings"));
        save->click();
        Uncentre(dialog);
        save->click();
        dialog.reject();
    });
    QTest::mouseClick(&Button("bGroupPrintSet"), Qt::LeftButton);
    EXPECT_TRUE(QFile::exists(name + QStringLiteral(".ini")));
    ASSERT_EQ(prompts.fileDialogs.size(), 2);
    EXPECT_EQ(prompts.fileDialogs[0].filter, QStringLiteral("INI-Dateien (*.ini);;Alle Dateien (*.*)"));
    EXPECT_EQ(prompts.warnings, QStringList{QStringLiteral("In %1 kann nicht geschrieben werden").arg(unwritable)});
    EXPECT_TRUE(Main().GroupView().Grid().PrintSettings().Centered) << "Cancel restored the settings";
}

} // namespace
} // namespace kontaro::test
