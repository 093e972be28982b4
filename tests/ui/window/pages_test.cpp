// Changing pages stores the day view before another page sees the data and
// reloads it from the data on the way back; a day typed with the keys survives
// Save and a new start on the file.
#include "grid/grid_setups.h"
#include "ui/day_view.h"
#include "ui/page_control.h"
#include "ui/window/day_view_driver.h"
#include "ui/window/window_fixture.h"

#include <QApplication>
#include <QTabBar>
#include <QTest>

namespace kontaro::test {
namespace {

using namespace columns::day;

class PagesTest : public WindowTest {
protected:
    void SetUp() override
    {
        StartWithCatalogue();
        DayPage().CalDayClick();
        ResetDriver();
    }
    void ResetDriver() { driver_ = std::make_unique<DayViewDriver>(DayGrid(), Calendar()); }
    void TypeOneCoffee()
    {
        driver_->TypeAt(Produkt, 1, QStringLiteral("1"));
        driver_->TypeAt(Menge, 1, QStringLiteral("2"));
    }
    void ClickTab(int index)
    {
        QTabBar* bar = Pages().tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
        ASSERT_EQ(Pages().currentIndex(), index);
    }
    int StoredCount()
    {
        const int index = Main().Days().IndexOfDate(kToday);
        return index < 0 ? 0 : Main().Days().Item(index).Count();
    }

    std::unique_ptr<DayViewDriver> driver_;
};

TEST_F(PagesTest, LeavingTheDayViewStoresTheGrid)
{
    const struct {
        const char* name;
        bool byMenu;
    } cases[] = {{"tab click", false}, {"view menu", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TypeOneCoffee();
        EXPECT_EQ(StoredCount(), 0);
        if (c.byMenu)
            QTest::keyClick(&Main(), Qt::Key_2, Qt::ControlModifier);
        else
            ClickTab(1);
        EXPECT_EQ(Pages().currentIndex(), 1);
        EXPECT_EQ(StoredCount(), 1);
        ClickTab(0);
        driver_->Key(Qt::Key_Delete);
        DayPage().CalDayClick();
        ASSERT_EQ(StoredCount(), 0);
    }
}

TEST_F(PagesTest, ComingBackReloadsTheDayViewFromTheData)
{
    TypeOneCoffee();
    ClickTab(3);
    // What a catalogue page may do meanwhile: rename the product.
    Main().Products().Item(0).Name.Item(0).Text = "Espresso";
    ClickTab(0);
    EXPECT_EQ(driver_->Cell(Name, 1), "Espresso");
    EXPECT_EQ(driver_->Cell(Menge, 1), "2,00");
}

// Save on another page must not write the grid back over what that page changed.
TEST_F(PagesTest, SaveOnAnotherPageKeepsThatPagesChanges)
{
    TypeOneCoffee();
    ClickTab(3);
    // A change of product ID 1 to 7 as the product page makes it.
    Main().Products().Item(0).ID = 7;
    Main().Products().SortByID();
    Main().Days().Item(Main().Days().IndexOfDate(kToday)).Entry(0).ProductID = 7;
    const QString file = QString::fromStdString(temp.File("seite.kdt"));
    prompts.ChooseFile(file);
    ASSERT_TRUE(Main().SaveProject());

    model::Project reread;
    ASSERT_EQ(model::LoadProjectFile(file.toStdString(), reread).status, model::LoadStatus::Ok);
    const model::tDay& day = reread.Days.Item(reread.Days.IndexOfDate(kToday));
    ASSERT_EQ(day.Count(), 1);
    EXPECT_EQ(day.Entry(0).ProductID, 7);
}

TEST_F(PagesTest, KeyboardReachesTheCalendarAndSwitchesTheDay)
{
    TypeOneCoffee();
    ui::DayView& page = DayPage();
    QTest::keyClick(&DayGrid(), Qt::Key_Tab, Qt::ControlModifier);
    ASSERT_TRUE(Calendar().hasFocus() || Calendar().isAncestorOf(QApplication::focusWidget()));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    EXPECT_EQ(page.CurrentDay, kToday + 1);
    EXPECT_EQ(StoredCount(), 1);
    // The day switch hands the focus back to the grid for the new day's entries.
    EXPECT_TRUE(DayGrid().hasFocus());
}

TEST_F(PagesTest, KeyboardDaySurvivesSaveAndReopen)
{
    TypeOneCoffee();
    driver_->Key(Qt::Key_Insert);
    driver_->Type(QStringLiteral("3"));
    driver_->Key(Qt::Key_Tab);
    driver_->Key(Qt::Key_Tab);
    ASSERT_EQ(DayPage().Grid().CursorCol(), VerkaufB);
    driver_->Type(QStringLiteral("23,80"));
    const QString file = QString::fromStdString(temp.File("tag.kdt"));
    prompts.ChooseFile(file);
    QTest::keyClick(&Main(), Qt::Key_S, Qt::ControlModifier);
    ASSERT_TRUE(prompts.AllScriptsUsed());

    Start({file});
    ResetDriver();
    EXPECT_EQ(DayPage().CurrentDay, kToday);
    EXPECT_EQ(driver_->Cell(Produkt, 1), "1");
    EXPECT_EQ(driver_->Shown(Menge, 1), QStringLiteral("2,00"));
    EXPECT_EQ(driver_->Cell(Produkt, 2), "3");
    EXPECT_EQ(driver_->Shown(VerkaufB, 2), QStringLiteral("23,80"));
    EXPECT_EQ(driver_->Shown(VerkaufB, DayPage().Grid().FooterRow()), QStringLiteral("43,80"));
}

} // namespace
} // namespace kontaro::test
