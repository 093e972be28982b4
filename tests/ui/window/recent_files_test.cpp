// The recent projects in "Datei" and the window's place and page kept between
// runs, in the test's own settings folder.
#include "support/project_builder.h"
#include "ui/page_control.h"
#include "ui/recent_files.h"
#include "ui/window/window_fixture.h"

#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

namespace kontaro::test {
namespace {

class RecentFilesTest : public WindowTest {
protected:
    QString Project(const std::string& name)
    {
        model::Project project;
        FillCatalogue(project.Groups, project.Products);
        return WriteProject(project, name);
    }
    QMenu& FileMenu()
    {
        auto* menu = Main().menuBar()->findChild<QMenu*>(QStringLiteral("FileMenu"));
        if (!menu)
            throw std::runtime_error("no file menu");
        return *menu;
    }
    // The recent items as the menu lists them when it opens.
    QStringList ListedItems()
    {
        emit FileMenu().aboutToShow();
        QStringList items;
        for (QAction* item : FileMenu().actions())
            if (item->objectName().startsWith(QStringLiteral("RecentFile")))
                items << item->text();
        return items;
    }
};

TEST_F(RecentFilesTest, TheListKeepsFiveAndDropsVanishedFiles)
{
    QStringList files;
    for (int i = 1; i <= 7; ++i)
        files << Project("p" + std::to_string(i) + ".kdt");
    for (const QString& file : files)
        ui::AddRecentFile(file);
    ui::AddRecentFile(files[3]); // listed already: moves to the front
    EXPECT_EQ(ui::RecentFiles(), (QStringList{files[3], files[6], files[5], files[4], files[2]}));

    QFile::remove(files[5]);
    EXPECT_EQ(ui::RecentFiles(), (QStringList{files[3], files[6], files[4], files[2]}));
    // Dropped from the settings too: the next file does not bring it back.
    QFile::remove(files[6]);
    ui::AddRecentFile(files[0]);
    EXPECT_EQ(ui::RecentFiles(), (QStringList{files[0], files[3], files[4], files[2]}));
}

TEST_F(RecentFilesTest, LoadAndSaveListTheFileAndTheMenuOpensIt)
{
    const QString first = Project("erster.kdt");
    const QString second = Project("zweiter.kdt");
    Start();
    EXPECT_TRUE(ListedItems().isEmpty());

    prompts.ChooseFile(first);
    Main().OpenProject();
    prompts.ChooseFile(second);
    Main().SaveProjectAs();
    ASSERT_EQ(ListedItems().size(), 2);
    EXPECT_TRUE(ListedItems()[0].startsWith(QStringLiteral("&1 "))) << ListedItems()[0].toStdString();
    EXPECT_TRUE(ListedItems()[0].endsWith(QStringLiteral("zweiter.kdt")));
    EXPECT_TRUE(ListedItems()[1].endsWith(QStringLiteral("erster.kdt")));

    // Choosing an item asks as Load does, then opens the file without a dialog.
    prompts.AnswerNext(ui::Answer::Yes);
    Action("RecentFile2").trigger();
    EXPECT_EQ(Main().FileName(), first);
    EXPECT_EQ(prompts.questions.size(), 1);
    EXPECT_EQ(prompts.fileDialogs.size(), 2);
    EXPECT_TRUE(ListedItems()[0].endsWith(QStringLiteral("erster.kdt")));
}

TEST_F(RecentFilesTest, TheWindowComesBackWhereItWasOnItsPage)
{
    Start();
    Main().NewProject();
    Main().ShowPage(ui::MainWindow::Page::Groups);
    Main().setGeometry(QRect(QPoint(40, 50), QSize(950, 700)));
    const QRect placed = Main().geometry();
    Main().close();

    Start();
    EXPECT_EQ(Main().geometry(), placed);
    EXPECT_FALSE(Main().ProjectOpen());
    Main().NewProject();
    EXPECT_EQ(Pages().currentIndex(), int(ui::MainWindow::Page::Groups));
    // Only the first project of the run: the next starts on the day view.
    prompts.AnswerNext(ui::Answer::Yes);
    Main().NewProject();
    EXPECT_EQ(Pages().currentIndex(), int(ui::MainWindow::Page::DayView));
}

} // namespace
} // namespace kontaro::test
