// The recovery copy: written while a changed project is open, removed by Save and
// a normal end, written when a save fails, and offered at the next start when its
// program did not end normally; an opened copy is an unsaved project.
#include "columns/grid_columns.h"
#include "model/project_file.h"
#include "support/project_builder.h"
#include "ui/day_view.h"
#include "ui/recovery_copy.h"
#include "ui/window/day_view_driver.h"
#include "ui/window/window_fixture.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QTest>

namespace kontaro::test {
namespace {

using namespace columns::day;

class RecoveryTest : public WindowTest {
protected:
    void StartTyping()
    {
        StartWithCatalogue();
        DayPage().CalDayClick();
        driver_ = std::make_unique<DayViewDriver>(DayGrid(), Calendar());
    }
    DayViewDriver& D() { return *driver_; }
    ui::RecoveryCopy& Recovery() { return Main().Recovery(); }
    bool CopyExists() { return QFile::exists(Recovery().CopyPath()); }
    // The entries of the copy's day kToday: product ID and value.
    std::vector<std::pair<int, double>> CopiedEntries()
    {
        model::Project copy;
        const model::LoadResult result = model::LoadProjectFile(Recovery().CopyPath().toStdString(), copy);
        EXPECT_EQ(result.status, model::LoadStatus::Ok) << result.message;
        std::vector<std::pair<int, double>> entries;
        const int index = copy.Days.IndexOfDate(kToday);
        for (int e = 0; index >= 0 && e < copy.Days.Item(index).Count(); ++e)
            entries.emplace_back(copy.Days.Item(index).Entry(e).ProductID, copy.Days.Item(index).Entry(e).Value);
        return entries;
    }
    // A copy as a program that was killed leaves it: the project, the note with
    // the project's file name, and a lock nobody holds.
    QString LeaveOrphan(const QString& id, const QString& original)
    {
        QDir().mkpath(ui::RecoveryCopy::Folder());
        model::Project project;
        FillCatalogue(project.Groups, project.Products);
        AddDay(project.Days, kToday, {{2, 6.0}});
        const QString base = ui::RecoveryCopy::Folder() + QLatin1Char('/') + id;
        EXPECT_TRUE(model::SaveProjectFile((base + QStringLiteral(".kdt")).toStdString(), project).ok);
        QFile note(base + QStringLiteral(".note"));
        EXPECT_TRUE(note.open(QIODevice::WriteOnly));
        note.write(original.toUtf8() + '\n');
        return base;
    }

    std::unique_ptr<DayViewDriver> driver_;
};

TEST_F(RecoveryTest, ACopyFollowsTheChangesAndSaveRemovesIt)
{
    StartTyping();
    EXPECT_TRUE(Recovery().Tick());
    EXPECT_FALSE(CopyExists()) << "nothing changed";

    D().TypeAt(Produkt, 1, QStringLiteral("1"));
    D().TypeAt(Menge, 1, QStringLiteral("3"));
    // The last edit is still open in the grid: the copy takes the grid as it is.
    D().ClickCell(Menge, 1);
    QTest::keyClicks(&DayGrid(), QStringLiteral("9"));
    ASSERT_TRUE(Recovery().Tick());
    ASSERT_TRUE(CopyExists());
    EXPECT_EQ(CopiedEntries(), (std::vector<std::pair<int, double>>{{1, 3.0}}));
    EXPECT_TRUE(DayGrid().IsEditing()) << "the copy leaves the user's edit alone";
    QTest::keyClick(&DayGrid(), Qt::Key_Return);

    // Undo is a change too.
    QTest::keyClick(&DayGrid(), Qt::Key_Z, Qt::ControlModifier);
    ASSERT_EQ(D().Cell(Menge, 1), "3");
    ASSERT_TRUE(Recovery().Tick());
    EXPECT_EQ(CopiedEntries(), (std::vector<std::pair<int, double>>{{1, 3.0}}));

    const QString file = QString::fromStdString(temp.File("laden.kdt"));
    prompts.ChooseFile(file);
    ASSERT_TRUE(Main().SaveProject());
    EXPECT_FALSE(CopyExists());
    EXPECT_TRUE(QDir(ui::RecoveryCopy::Folder()).entryList(QDir::Files).isEmpty()) << "note and lock go too";
    EXPECT_TRUE(Recovery().Tick());
    EXPECT_FALSE(CopyExists()) << "saved, so unchanged";

    // A catalogue change counts as well; a normal end removes the copy.
    Main().MarkProjectChanged();
    ASSERT_TRUE(Recovery().Tick());
    EXPECT_TRUE(CopyExists());
    const QString copy = Recovery().CopyPath();
    prompts.AnswerNext(ui::Answer::No);
    Main().close();
    EXPECT_FALSE(QFile::exists(copy));
}

TEST_F(RecoveryTest, AFailedSaveWritesTheCopy)
{
    StartTyping();
    D().TypeAt(Produkt, 1, QStringLiteral("2"));
    D().TypeAt(Menge, 1, QStringLiteral("4"));
    Main().SetFileName(QString::fromStdString(temp.File("no-such-folder/laden.kdt")));
    EXPECT_FALSE(Main().SaveProject());
    EXPECT_EQ(prompts.warnings.size(), 1);
    ASSERT_TRUE(CopyExists());
    EXPECT_EQ(CopiedEntries(), (std::vector<std::pair<int, double>>{{2, 4.0}}));
}

TEST_F(RecoveryTest, AnOrphanIsOfferedAndOpensAsAnUnsavedProject)
{
    const QString original = QString::fromStdString(temp.File("laden.kdt"));
    const QString orphan = LeaveOrphan(QStringLiteral("kontaro-1-1"), original);
    prompts.AnswerNext(ui::Answer::Yes);
    Start();
    QTest::qWait(20); // the question comes once the window shows
    ASSERT_EQ(prompts.questions.size(), 1);
    EXPECT_TRUE(prompts.questions[0].contains(original)) << prompts.questions[0].toStdString();
    EXPECT_TRUE(Main().ProjectOpen());
    EXPECT_TRUE(Main().FileName().isEmpty()) << "Save must ask for a name";
    EXPECT_EQ(Main().windowTitle(), QStringLiteral("Kontaro"));
    EXPECT_EQ(DayGrid().Grid().Cell(Produkt, 1), "2");
    EXPECT_EQ(DayGrid().Grid().ExactNumber(Menge, 1), 6.0);
    EXPECT_FALSE(QFile::exists(orphan + QStringLiteral(".kdt")));
    EXPECT_FALSE(QFile::exists(orphan + QStringLiteral(".note")));
    // What the copy held lives on in the program's own copy until it is saved.
    EXPECT_TRUE(CopyExists());

    prompts.ChooseFile(QString::fromStdString(temp.File("gerettet.kdt")));
    QTest::keyClick(&Main(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(prompts.fileDialogs.size(), 1);
    EXPECT_FALSE(QFile::exists(original)) << "the original is never written";
    EXPECT_FALSE(CopyExists());
}

TEST_F(RecoveryTest, ADeclinedOrphanIsDeletedAndALivingProgramsCopyNotOffered)
{
    const QString declined = LeaveOrphan(QStringLiteral("kontaro-1-1"), QString());
    const QString living = LeaveOrphan(QStringLiteral("kontaro-2-2"), QStringLiteral("/x/anders.kdt"));
    QLockFile lock(living + QStringLiteral(".lock"));
    ASSERT_TRUE(lock.tryLock(0));
    prompts.AnswerNext(ui::Answer::No);
    Start();
    QTest::qWait(20);
    ASSERT_EQ(prompts.questions.size(), 1);
    EXPECT_TRUE(prompts.questions[0].contains(QStringLiteral("ungespeicherten"))) << prompts.questions[0].toStdString();
    EXPECT_FALSE(Main().ProjectOpen());
    EXPECT_FALSE(QFile::exists(declined + QStringLiteral(".kdt")));
    EXPECT_TRUE(QFile::exists(living + QStringLiteral(".kdt")));
}

} // namespace
} // namespace kontaro::test
