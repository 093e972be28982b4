// The main window's file commands with every answer to their questions, the
// start-up argument, the caption and the enabling of the commands.
#include "controls/column_grid.h"
#include "controls/qt_format_text.h"
#include "grid/grid_setups.h"
#include "grid/plain_grid.h"
#include "ui/day_view.h"
#include "ui/page_control.h"
#include "ui/texts.h"
#include "ui/window/window_fixture.h"

#include <QDir>
#include <QFile>
#include <QTabBar>
#include <QTest>

#include <filesystem>
#include <fstream>

namespace kontaro::test {
namespace {

namespace texts = ui::texts;

const QString kCannotSave = QStringLiteral("Die Datei \"%s\" konnte nicht gespeichert werden!");
using ui::Answer;
using namespace columns::day;

class FileCommandsTest : public WindowTest {
protected:
    // A project with the catalogue and two days, the later one with product 2.
    QString WriteSample(const std::string& name = "laden.kdt")
    {
        model::Project project;
        FillCatalogue(project.Groups, project.Products);
        AddDay(project.Days, kToday - 10, {{1, 3.0}});
        AddDay(project.Days, kToday - 2, {{2, 4.0}, {3, 12.5}});
        return WriteProject(project, name);
    }
    grid::PlainGrid& Grid() { return DayPage().Grid(); }
    bool PageShown() { return Pages().isVisible() && Pages().tabBar()->isTabVisible(0); }
};

TEST_F(FileCommandsTest, StartsWithoutProjectAndOnlyNewLoadAndExitEnabled)
{
    Start();
    EXPECT_EQ(Main().windowTitle(), texts::AppTitle());
    EXPECT_FALSE(Main().ProjectOpen());
    EXPECT_FALSE(PageShown());
    for (const char* name : {"tSave", "SaveProject", "SaveProjectAs", "ShowDayView", "ShowGroups"})
        EXPECT_FALSE(Action(name).isEnabled()) << name;
    for (const char* name : {"tLoad", "NewProject", "OpenProject", "ExitProgram"})
        EXPECT_TRUE(Action(name).isEnabled()) << name;
    EXPECT_GE(Main().minimumWidth(), 600);
    EXPECT_GE(Main().minimumHeight(), 500);
}

TEST_F(FileCommandsTest, MenuShortcutsAreTheListedOnes)
{
    Start();
    const struct {
        const char* action;
        QKeySequence keys;
    } cases[] = {
        {"NewProject", QKeySequence(Qt::CTRL | Qt::Key_N)},    {"OpenProject", QKeySequence(Qt::CTRL | Qt::Key_O)},
        {"SaveProject", QKeySequence(Qt::CTRL | Qt::Key_S)},   {"SaveProjectAs", QKeySequence(Qt::Key_F12)},
        {"ShowDayView", QKeySequence(Qt::CTRL | Qt::Key_1)},   {"ShowSumView", QKeySequence(Qt::CTRL | Qt::Key_2)},
        {"ShowGroupView", QKeySequence(Qt::CTRL | Qt::Key_3)}, {"ShowProducts", QKeySequence(Qt::CTRL | Qt::Key_4)},
        {"ShowGroups", QKeySequence(Qt::CTRL | Qt::Key_5)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Action(c.action).shortcut(), c.keys) << c.action;
}

TEST_F(FileCommandsTest, NewRightAfterStartAsksNothingAndOpensTheDayView)
{
    Start();
    QTest::keyClick(&Main(), Qt::Key_N, Qt::ControlModifier);
    EXPECT_TRUE(prompts.questions.isEmpty());
    EXPECT_TRUE(Main().ProjectOpen());
    EXPECT_TRUE(PageShown());
    EXPECT_EQ(Pages().currentIndex(), 0);
    EXPECT_TRUE(Action("SaveProject").isEnabled());
    // The new project's day view shows today's empty day.
    EXPECT_EQ(DayPage().CurrentDay, kToday);
    EXPECT_EQ(Grid().Cell(Produkt, Grid().FooterRow()), "05-03-15");
    EXPECT_EQ(Grid().Cell(Name, Grid().FooterRow()), "Summe ()");
}

TEST_F(FileCommandsTest, NewWhileOpenAsksAndNoKeepsEverything)
{
    Start({WriteSample()});
    const QString title = Main().windowTitle();
    prompts.AnswerNext(Answer::No);
    Main().NewProject();
    EXPECT_EQ(prompts.questions, QStringList{texts::AskNew()});
    EXPECT_EQ(Main().windowTitle(), title);
    EXPECT_EQ(Main().Products().Count(), 3);

    prompts.AnswerNext(Answer::Yes);
    Main().NewProject();
    EXPECT_EQ(Main().Products().Count(), 0);
    EXPECT_EQ(Main().Days().Count(), 0);
    EXPECT_EQ(Main().windowTitle(), texts::AppTitle());
    EXPECT_TRUE(Main().FileName().isEmpty());
}

TEST_F(FileCommandsTest, CommandLineFileIsLoadedWithItsFullPathAndLatestDay)
{
    WriteSample();
    const QString previous = QDir::currentPath();
    QDir::setCurrent(QString::fromStdString(temp.Path().string()));
    Start({QStringLiteral("laden.kdt")});
    QDir::setCurrent(previous);

    const QString full = QString::fromStdString(temp.File("laden.kdt"));
    EXPECT_EQ(Main().FileName(), full);
    EXPECT_EQ(Main().windowTitle(), full);
    EXPECT_TRUE(Main().ProjectOpen());
    EXPECT_EQ(DayPage().CurrentDay, kToday - 2);
    EXPECT_EQ(Grid().Cell(Produkt, 1), "2");
    EXPECT_EQ(Grid().Cell(Produkt, 2), "3");
    EXPECT_EQ(Grid().Cell(Name, Grid().FooterRow()), "Summe (laden)");
    EXPECT_TRUE(prompts.warnings.isEmpty());
    // Loaded before the window was shown, the day still shows from its first row.
    EXPECT_FALSE(DayGrid().CellRect(Produkt, 1).isEmpty());
}

TEST_F(FileCommandsTest, SampleProjectOpensWithoutWarningsOnItsFirstRow)
{
    Start({QStringLiteral(KONTARO_SOURCE_DIR "/examples/cafe-sonnenschein.kdt")});
    EXPECT_TRUE(prompts.warnings.isEmpty()) << prompts.warnings.join(QLatin1Char('\n')).toStdString();
    ASSERT_GT(Main().Days().Count(), 0);
    EXPECT_GT(Grid().DataRowCount(), 1);
    EXPECT_FALSE(DayGrid().CellRect(Produkt, 1).isEmpty());
    EXPECT_TRUE(DayGrid().hasFocus());
}

TEST_F(FileCommandsTest, CommandLineFileThatCannotBeOpenedWarnsAsLoadDoes)
{
    std::filesystem::create_directory(temp.File("ordner.kdt"));
    for (const char* name : {"fehlt.kdt", "ordner.kdt"}) {
        SCOPED_TRACE(name);
        const QString path = QString::fromStdString(temp.File(name));
        Start({path, QStringLiteral("zweites")});
        ASSERT_EQ(prompts.warnings.size(), 1);
        EXPECT_EQ(prompts.warnings[0],
                  controls::FormatText(QStringLiteral("Konnte die Datei \"%s\" nicht laden!"), {path}));
        EXPECT_TRUE(Main().ProjectOpen());
        EXPECT_TRUE(Main().FileName().isEmpty());
        EXPECT_EQ(Main().windowTitle(), texts::AppTitle());
        EXPECT_EQ(Main().Groups().Count(), 0);
        prompts.warnings.clear();
    }
}

TEST_F(FileCommandsTest, LoadWithoutProjectShowsTheOpenDialogAtOnce)
{
    Start();
    const QString file = WriteSample();
    prompts.ChooseFile(file);
    Main().OpenProject();
    EXPECT_TRUE(prompts.questions.isEmpty());
    ASSERT_EQ(prompts.fileDialogs.size(), 1);
    EXPECT_EQ(prompts.fileDialogs[0].filter, texts::ProjectFilter());
    EXPECT_EQ(prompts.fileDialogs[0].defaultExtension, QStringLiteral("kdt"));
    EXPECT_TRUE(prompts.fileDialogs[0].mustExist);
    EXPECT_EQ(Main().windowTitle(), file);
    EXPECT_EQ(Main().Days().Count(), 2);
}

TEST_F(FileCommandsTest, LoadWhileOpenAsksAndCancelledDialogChangesNothing)
{
    const QString file = WriteSample();
    Start({file});
    prompts.AnswerNext(Answer::No);
    Main().OpenProject();
    EXPECT_EQ(prompts.questions, QStringList{texts::AskLoad()});
    EXPECT_TRUE(prompts.fileDialogs.isEmpty());

    prompts.AnswerNext(Answer::Yes);
    prompts.CancelFileDialog();
    Main().OpenProject();
    EXPECT_EQ(Main().windowTitle(), file);
    EXPECT_EQ(Main().Days().Count(), 2);
    EXPECT_TRUE(prompts.AllScriptsUsed());
}

TEST_F(FileCommandsTest, LoadOfAFileWithoutDaysLeavesAnEmptyDayView)
{
    model::Project project;
    FillCatalogue(project.Groups, project.Products);
    Start({WriteProject(project, "leer.kdt")});
    EXPECT_EQ(Grid().DataRowCount(), 1);
    EXPECT_EQ(Grid().Cell(Produkt, 1), "");
    EXPECT_EQ(DayPage().CurrentDay, kToday);
    EXPECT_EQ(Grid().Cell(Name, Grid().FooterRow()), "Summe (leer)");
}

// A refused file leaves an open, empty project without a file name, so the next
// Save asks for a name instead of replacing the refused file.
TEST_F(FileCommandsTest, FailedLoadLeavesNoFileNameAndSaveAsksForOne)
{
    const struct {
        const char* name;
        const char* content; // nullptr: a folder instead of a file
        QString warning;
    } cases[] = {
        {"kaputt.kdt", nullptr, QStringLiteral("Konnte die Datei \"%s\" nicht laden!")},
        {"ohne.kdt", "<?xml version=\"1.0\" ?>\r\n<kontaro>\r\n</kontaro>\r\n",
         QStringLiteral("In dieser Datei sind keine Gruppen definiert. Die Datei ist daher mit dieser "
                        "Programmversion nicht kompatibel.")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = temp.File(c.name);
        if (c.content)
            std::ofstream(path, std::ios::binary) << c.content;
        else
            std::filesystem::create_directory(path);
        Start();
        prompts.ChooseFile(QString::fromStdString(path));
        Main().OpenProject();
        ASSERT_EQ(prompts.warnings.size(), 1);
        EXPECT_EQ(prompts.warnings[0], controls::FormatText(c.warning, {QString::fromStdString(path)}));
        EXPECT_TRUE(Main().ProjectOpen());
        EXPECT_TRUE(Main().FileName().isEmpty());
        EXPECT_EQ(Main().windowTitle(), texts::AppTitle());
        EXPECT_EQ(Main().Groups().Count(), 0);
        // The day view shows the empty project the failed load left, not the refused file.
        EXPECT_EQ(DayPage().CurrentDay, kToday);
        EXPECT_EQ(Grid().Cell(Name, Grid().FooterRow()), "Summe ()");
        EXPECT_EQ(Grid().Cell(Produkt, Grid().FooterRow()), "05-03-15");

        prompts.CancelFileDialog();
        EXPECT_FALSE(Main().SaveProject());
        EXPECT_EQ(prompts.fileDialogs.size(), 2);
        if (c.content) {
            std::ifstream back(path, std::ios::binary);
            EXPECT_EQ(std::string(std::istreambuf_iterator<char>(back), {}), c.content);
        }
        prompts.warnings.clear();
        prompts.fileDialogs.clear();
    }
}

// A cell editor still open when New or Load empties the catalogue is given up:
// committing it then would check the typed product against the emptied catalogue.
TEST_F(FileCommandsTest, NewOrLoadGivesUpAnOpenCellEditor)
{
    const QString file = WriteSample();
    const struct {
        const char* name;
        bool load;
    } cases[] = {{"New", false}, {"Load", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Start({file});
        DayGrid().setFocus();
        QTest::keyClicks(&DayGrid(), QStringLiteral("1"));
        ASSERT_TRUE(DayGrid().IsEditing());
        prompts.AnswerNext(Answer::Yes);
        if (c.load) {
            prompts.ChooseFile(file);
            Main().OpenProject();
        } else {
            Main().NewProject();
        }
        EXPECT_TRUE(prompts.warnings.isEmpty()) << prompts.warnings.join(QLatin1Char('\n')).toStdString();
        EXPECT_FALSE(DayGrid().IsEditing());
        EXPECT_EQ(Grid().Cell(Produkt, 1), c.load ? "2" : "");
        EXPECT_TRUE(prompts.AllScriptsUsed());
    }
}

TEST_F(FileCommandsTest, LoadThatDroppedElementsListsThemInOneWarning)
{
    model::Project project;
    FillCatalogue(project.Groups, project.Products);
    project.Products.Item(1).Verkauf.AddValue(5, 3.0);
    const std::string path = WriteProject(project, "defekt.kdt").toStdString();
    std::ifstream in(path, std::ios::binary);
    std::string content(std::istreambuf_iterator<char>(in), {});
    in.close();
    // Product 2's second price loses its date.
    const size_t at = content.find("<d>5</d>");
    ASSERT_NE(at, std::string::npos);
    content.replace(at, 8, "<d>x</d>");
    std::ofstream(path, std::ios::binary) << content;

    Start({QString::fromStdString(path)});
    ASSERT_EQ(prompts.warnings.size(), 1);
    EXPECT_TRUE(
        prompts.warnings[0].startsWith(controls::FormatText(texts::LoadDropped(), {QString::fromStdString(path)})));
    EXPECT_TRUE(prompts.warnings[0].contains(QStringLiteral("Produkt 2"))) << prompts.warnings[0].toStdString();
    EXPECT_EQ(Main().FileName(), QString::fromStdString(path));
    EXPECT_EQ(Main().Products().Count(), 3);
}

TEST_F(FileCommandsTest, SaveOfANewProjectAsksForANameAndCancelWritesNothing)
{
    StartWithCatalogue();
    prompts.CancelFileDialog();
    QTest::keyClick(&Main(), Qt::Key_S, Qt::ControlModifier);
    ASSERT_EQ(prompts.fileDialogs.size(), 1);
    EXPECT_TRUE(prompts.fileDialogs[0].askOverwrite);
    EXPECT_EQ(Main().windowTitle(), texts::AppTitle());
    EXPECT_TRUE(std::filesystem::is_empty(temp.Path()));
}

TEST_F(FileCommandsTest, SaveAsWritesTheChosenFileAndProposesTheCurrentName)
{
    const QString file = WriteSample();
    Start({file});
    const QString copy = QString::fromStdString(temp.File("kopie.kdt"));
    prompts.ChooseFile(copy);
    Main().SaveProjectAs();
    EXPECT_EQ(prompts.fileDialogs[0].initialFileName, file);
    EXPECT_EQ(Main().windowTitle(), copy);

    model::Project reread;
    ASSERT_EQ(model::LoadProjectFile(copy.toStdString(), reread).status, model::LoadStatus::Ok);
    EXPECT_EQ(reread.Days.Count(), 2);
    EXPECT_EQ(reread.Products.Count(), 3);
}

TEST_F(FileCommandsTest, SaveThatFailsWarnsAndKeepsTheTriedName)
{
    StartWithCatalogue();
    const QString unwritable = QString::fromStdString(temp.File("fehlt/neu.kdt"));
    prompts.ChooseFile(unwritable);
    EXPECT_FALSE(Main().SaveProjectAs());
    EXPECT_EQ(prompts.warnings, QStringList{controls::FormatText(kCannotSave, {unwritable})});
    EXPECT_EQ(Main().FileName(), unwritable);
}

TEST_F(FileCommandsTest, ExitWithoutGroupsClosesWithoutQuestion)
{
    Start();
    Main().NewProject();
    EXPECT_TRUE(Main().close());
    EXPECT_TRUE(prompts.questions.isEmpty());
}

TEST_F(FileCommandsTest, ExitQuestionWithEachAnswer)
{
    const struct {
        const char* name;
        Answer answer;
        bool chooseFile; // for Yes on an unsaved project: the save dialog's answer
        bool closes;
        bool written;
    } cases[] = {
        {"cancel keeps the window", Answer::Cancel, false, false, false},
        {"no closes without writing", Answer::No, false, true, false},
        {"yes with a cancelled save dialog keeps the window", Answer::Yes, false, false, false},
        {"yes saves and closes", Answer::Yes, true, true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        StartWithCatalogue();
        const QString target = QString::fromStdString(temp.File("ende.kdt"));
        prompts.AnswerNext(c.answer);
        if (c.answer == Answer::Yes) {
            if (c.chooseFile)
                prompts.ChooseFile(target);
            else
                prompts.CancelFileDialog();
        }
        EXPECT_EQ(Main().close(), c.closes);
        EXPECT_EQ(prompts.questions.constLast(), texts::AskSaveOnExit());
        EXPECT_EQ(QFile::exists(target), c.written);
        EXPECT_TRUE(prompts.AllScriptsUsed());
        QFile::remove(target);
    }
}

TEST_F(FileCommandsTest, ExitAfterAFailedSaveKeepsTheWindow)
{
    StartWithCatalogue();
    const QString unwritable = QString::fromStdString(temp.File("fehlt/neu.kdt"));
    Main().SetFileName(unwritable);
    prompts.AnswerNext(Answer::Yes);
    EXPECT_FALSE(Main().close());
    EXPECT_EQ(prompts.warnings, QStringList{controls::FormatText(kCannotSave, {unwritable})});
}

} // namespace
} // namespace kontaro::test
