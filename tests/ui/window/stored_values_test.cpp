// The day view shows stored values with two decimals but stores them as they
// are: a value nobody edited comes back to the last bit after any number of day
// switches, page changes, saves and loads; only an edited cell stores what was
// typed.
#include "calc/period_summary.h"
#include "controls/qt_number_locale.h"
#include "grid/grid_setups.h"
#include "ui/day_dates.h"
#include "ui/day_view.h"
#include "ui/page_control.h"
#include "ui/window/day_view_driver.h"
#include "ui/window/window_fixture.h"

#include <QTabBar>
#include <QTest>

#include <functional>
#include <vector>

namespace kontaro::test {
namespace {

using namespace columns::day;

class StoredValuesTest : public WindowTest {
protected:
    void SetUp() override
    {
        StartWithCatalogue();
        DayPage().CalDayClick();
        ResetDriver();
    }
    void ResetDriver() { driver_ = std::make_unique<DayViewDriver>(DayGrid(), Calendar()); }
    DayViewDriver& D() { return *driver_; }

    // The stored values of today's entries, in stored order.
    std::vector<double> StoredValues()
    {
        std::vector<double> values;
        const int index = Main().Days().IndexOfDate(kToday);
        if (index >= 0)
            for (int entry = 0; entry < Main().Days().Item(index).Count(); ++entry)
                values.push_back(Main().Days().Item(index).Entry(entry).Value);
        return values;
    }
    // The period summary of today over the project as saved in `file`.
    calc::TextGrid SavedSummary(const QString& file)
    {
        model::Project saved;
        EXPECT_EQ(model::LoadProjectFile(file.toStdString(), saved).status, model::LoadStatus::Ok);
        return calc::PeriodSummary(saved, kToday, kToday, std::string(), controls::SystemNumberLocale()).grid;
    }
    void ClickTab(int index)
    {
        QTabBar* bar = Pages().tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
        ASSERT_EQ(Pages().currentIndex(), index);
    }

    std::unique_ptr<DayViewDriver> driver_;
};

TEST_F(StoredValuesTest, UneditedValuesKeepEveryDigitThroughSwitchesPagesSavesAndLoads)
{
    // A quantity and a variable gross amount with more than two decimals.
    D().TypeAt(Produkt, 1, QStringLiteral("1"));
    D().TypeAt(Menge, 1, QStringLiteral("10/3="));
    D().Key(Qt::Key_Insert);
    D().Type(QStringLiteral("3"));
    D().TypeAt(VerkaufB, 2, QStringLiteral("100/7="));
    const QString file = QString::fromStdString(temp.File("werte.kdt"));
    Main().SetFileName(file);
    ASSERT_TRUE(Main().SaveProject());
    const std::vector<double> typed = StoredValues();
    ASSERT_EQ(typed.size(), 2u);
    ASSERT_NEAR(typed[0], 10.0 / 3, 1e-13);
    ASSERT_NEAR(typed[1], 100.0 / 7, 1e-13);
    const calc::TextGrid summary = SavedSummary(file);

    for (int round = 1; round <= 3; ++round) {
        SCOPED_TRACE(round);
        D().ClickDate(ui::DateOfDay(kToday + 1));
        D().ClickDate(ui::DateOfDay(kToday));
        ClickTab(3);
        ClickTab(0);
        ASSERT_TRUE(Main().SaveProject());
        prompts.AnswerNext(ui::Answer::Yes);
        prompts.ChooseFile(file);
        Main().OpenProject();
        ASSERT_EQ(DayPage().CurrentDay, kToday);
        ASSERT_TRUE(Main().SaveProject());
        // Bit for bit, not within a tolerance.
        EXPECT_EQ(StoredValues(), typed);
        const calc::TextGrid saved = SavedSummary(file);
        EXPECT_EQ(saved.rows, summary.rows);
        EXPECT_EQ(saved.footer, summary.footer);
    }
    EXPECT_TRUE(prompts.warnings.isEmpty()) << prompts.warnings.join(QLatin1Char('\n')).toStdString();
}

// What the user does with the shown quantity 3,33 of the stored 10/3, and what is
// stored at the next switch.
TEST_F(StoredValuesTest, OnlyAnEditedCellStoresWhatWasTyped)
{
    const double exact = 10.0 / 3;
    const struct {
        const char* name;
        std::function<void(DayViewDriver&)> action;
        double stored;
    } cases[] = {
        {"nothing", [](DayViewDriver&) {}, exact},
        {"editor opened and closed with the text unchanged",
         [](DayViewDriver& d) {
             d.ClickCell(Menge, 1);
             d.Key(Qt::Key_F2);
             d.Key(Qt::Key_Return);
         },
         exact},
        {"a refused text",
         [](DayViewDriver& d) {
             EXPECT_EQ(d.Grid().CommitEdit(Menge, 1, "abc"), grid::PlainGrid::CommitResult::Refused);
         },
         exact},
        {"only the product changed", [](DayViewDriver& d) { d.TypeAt(Produkt, 1, QStringLiteral("2")); }, exact},
        {"a new quantity typed", [](DayViewDriver& d) { d.TypeAt(Menge, 1, QStringLiteral("2,5")); }, 2.5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Main().Days().Clear();
        AddDay(Main().Days(), kToday, {{1, exact}});
        DayPage().StoreDayOnSwitch = false;
        DayPage().CalDayClick();
        DayPage().StoreDayOnSwitch = true;
        ASSERT_EQ(D().Shown(Menge, 1), QStringLiteral("3,33"));

        c.action(D());
        DayPage().CalDayClick();
        ASSERT_EQ(StoredValues().size(), 1u);
        EXPECT_EQ(StoredValues()[0], c.stored);
        EXPECT_TRUE(prompts.warnings.isEmpty());
    }
}

} // namespace
} // namespace kontaro::test
