// The day view driven with keys and clicks: typing products, quantities and
// variable amounts, the refusals, Insert and Delete, the day switch and the
// figures of a row and the footer in a German and an English locale.
#include "calc/calc_texts.h"
#include "controls/qt_format_text.h"
#include "grid/grid_setups.h"
#include "ui/day_dates.h"
#include "ui/day_view.h"
#include "ui/texts.h"
#include "ui/window/day_view_driver.h"
#include "ui/window/window_fixture.h"

#include <QTest>

#include <array>
#include <functional>
#include <stdexcept>

namespace kontaro::test {
namespace {

namespace texts = ui::texts;
using namespace columns::day;

class DayViewTest : public WindowTest {
protected:
    explicit DayViewTest(QLocale locale = QLocale(QLocale::German, QLocale::Germany)) : WindowTest(locale) {}

    void SetUp() override
    {
        StartWithCatalogue();
        // Start on today, as after a click on today's date.
        DayPage().CalDayClick();
        driver_ = std::make_unique<DayViewDriver>(DayGrid(), Calendar());
    }
    DayViewDriver& D() { return *driver_; }
    grid::PlainGrid& G() { return D().Grid(); }
    int Footer() { return G().FooterRow(); }
    const model::tDay* StoredDay(model::DayNumber day)
    {
        const int index = Main().Days().IndexOfDate(day);
        return index < 0 ? nullptr : &Main().Days().Item(index);
    }

    std::unique_ptr<DayViewDriver> driver_;
};

TEST_F(DayViewTest, KeyboardEntryOfAProductAndAQuantityComputesTheRow)
{
    D().TypeAt(Produkt, 1, QStringLiteral("1"));
    EXPECT_EQ(D().Cell(Name, 1), "Kaffee");
    EXPECT_FALSE(G().IsCellReadOnly(Menge, 1));
    EXPECT_TRUE(G().IsCellReadOnly(VerkaufB, 1));
    D().Key(Qt::Key_Tab);
    EXPECT_EQ(G().CursorCol(), Menge);
    D().Type(QStringLiteral("3"));
    EXPECT_EQ(D().Shown(VerkaufB, 1), QStringLiteral("30,00"));
    EXPECT_EQ(D().Shown(VerkaufB, Footer()), QStringLiteral("30,00"));
    EXPECT_TRUE(prompts.warnings.isEmpty());
}

// The hint's rule: a calculation is finished with "=" or an operator before Enter.
TEST_F(DayViewTest, CalculationsInAQuantityCell)
{
    const struct {
        const char* typed;
        const char* quantity;
    } cases[] = {
        {"2+3=", "5,00"},
        {"2+3", "3,00"},
        {"4*3+", "12,00"},
    };
    D().TypeAt(Produkt, 1, QStringLiteral("1"));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        D().TypeAt(Menge, 1, QString::fromLatin1(c.typed));
        EXPECT_EQ(D().Shown(Menge, 1), QString::fromLatin1(c.quantity));
    }
    EXPECT_EQ(D().Shown(VerkaufB, 1), QStringLiteral("120,00"));
}

TEST_F(DayViewTest, VariablePriceProductTakesTheGrossAmount)
{
    D().TypeAt(Produkt, 1, QStringLiteral("3"));
    EXPECT_TRUE(G().IsCellReadOnly(Menge, 1));
    EXPECT_FALSE(G().IsCellReadOnly(VerkaufB, 1));
    EXPECT_EQ(D().Cell(Menge, 1), "");
    D().TypeAt(VerkaufB, 1, QStringLiteral("11,90"));
    EXPECT_EQ(D().Shown(VerkaufB, 1), QStringLiteral("11,90"));
    EXPECT_EQ(D().Shown(VerkaufN, 1), QStringLiteral("10,00"));
    EXPECT_EQ(D().Shown(Einkauf, 1), QStringLiteral("4,00"));

    DayPage().CalDayClick();
    const model::tDay* day = StoredDay(kToday);
    ASSERT_NE(day, nullptr);
    ASSERT_EQ(day->Count(), 1);
    EXPECT_EQ(day->Entry(0).ProductID, 3);
    EXPECT_DOUBLE_EQ(day->Entry(0).Value, 11.9);
}

TEST_F(DayViewTest, ChangingToAVariablePriceProductEmptiesTheQuantity)
{
    D().TypeAt(Produkt, 1, QStringLiteral("1"));
    D().TypeAt(Menge, 1, QStringLiteral("2"));
    D().TypeAt(Produkt, 1, QStringLiteral("3"));
    EXPECT_EQ(D().Cell(Menge, 1), "");
    EXPECT_TRUE(G().IsCellReadOnly(Menge, 1));
    // And back: "Verkauf (B)" is recomputed from the empty quantity.
    D().TypeAt(Produkt, 1, QStringLiteral("2"));
    EXPECT_TRUE(G().IsCellReadOnly(VerkaufB, 1));
    EXPECT_EQ(D().Shown(VerkaufB, 1), QStringLiteral("0,00"));
}

TEST_F(DayViewTest, RefusedValuesRestoreTheCellWithTheirMessage)
{
    D().TypeAt(Produkt, 1, QStringLiteral("1"));
    D().TypeAt(Menge, 1, QStringLiteral("1"));
    D().Key(Qt::Key_Insert);
    ASSERT_EQ(G().DataRowCount(), 2);

    const struct {
        const char* name;
        int col;
        const char* text;
        QString warning; // empty: refused silently
    } cases[] = {
        {"unknown product", Produkt, "99", texts::ProductMissing()},
        {"product of another row", Produkt, "1", texts::ProductUsedOnDay()},
        {"lone minus as product", Produkt, "-", QString()},
        {"quantity that is no number", Menge, "abc", QString()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        prompts.warnings.clear();
        const std::string before = D().Cell(c.col, 2);
        const auto result = G().CommitEdit(c.col, 2, c.text);
        EXPECT_EQ(result, grid::PlainGrid::CommitResult::Refused);
        EXPECT_EQ(D().Cell(c.col, 2), before);
        EXPECT_EQ(prompts.warnings, c.warning.isEmpty() ? QStringList() : QStringList{c.warning});
    }

    // Typed with the keys, the refusal reopens the editor on the cell.
    prompts.warnings.clear();
    D().TypeAt(Produkt, 2, QStringLiteral("99"));
    EXPECT_EQ(prompts.warnings, QStringList{texts::ProductMissing()});
    EXPECT_TRUE(DayGrid().IsEditing());
    EXPECT_EQ(G().CursorRow(), 2);
    DayGrid().CancelEditor();
}

TEST_F(DayViewTest, TheEditedRowIsNotComparedWithItself)
{
    D().TypeAt(Produkt, 1, QStringLiteral("1"));
    D().TypeAt(Menge, 1, QStringLiteral("1"));
    EXPECT_EQ(G().CommitEdit(Produkt, 1, "01"), grid::PlainGrid::CommitResult::Accepted);
    EXPECT_TRUE(prompts.warnings.isEmpty());
}

TEST_F(DayViewTest, InsertNeedsAValidProductAndAValue)
{
    D().TypeAt(Produkt, 1, QStringLiteral("1"));
    D().Key(Qt::Key_Insert);
    EXPECT_EQ(G().DataRowCount(), 1) << "empty quantity";
    D().TypeAt(Menge, 1, QStringLiteral("0"));
    D().Key(Qt::Key_Insert);
    EXPECT_EQ(G().DataRowCount(), 1) << "quantity 0";
    EXPECT_TRUE(prompts.warnings.isEmpty());

    D().TypeAt(Menge, 1, QStringLiteral("2"));
    D().Key(Qt::Key_Insert);
    ASSERT_EQ(G().DataRowCount(), 2);
    EXPECT_EQ(G().CursorRow(), 2);
    EXPECT_EQ(G().CursorCol(), Produkt);
    // The new, empty row cannot be left by the keys.
    D().Key(Qt::Key_Up);
    EXPECT_EQ(G().CursorRow(), 2);
}

TEST_F(DayViewTest, DeleteRemovesTheRowAndClearsTheOnlyOne)
{
    D().TypeAt(Produkt, 1, QStringLiteral("1"));
    D().TypeAt(Menge, 1, QStringLiteral("1"));
    D().Key(Qt::Key_Insert);
    D().Type(QStringLiteral("2"));
    D().TypeAt(Menge, 2, QStringLiteral("4"));
    EXPECT_EQ(D().Shown(VerkaufB, Footer()), QStringLiteral("20,00"));

    D().Key(Qt::Key_Delete);
    ASSERT_EQ(G().DataRowCount(), 1);
    EXPECT_EQ(G().CursorRow(), 1);
    EXPECT_EQ(D().Cell(Produkt, 1), "1");
    EXPECT_EQ(D().Shown(VerkaufB, Footer()), QStringLiteral("10,00"));

    D().Key(Qt::Key_Delete);
    EXPECT_EQ(G().DataRowCount(), 1);
    EXPECT_EQ(D().Cell(Produkt, 1), "");
    EXPECT_EQ(D().Cell(Name, 1), "");
    EXPECT_FALSE(G().HasCellState(Menge, 1));
    EXPECT_EQ(D().Shown(VerkaufB, Footer()), QStringLiteral("0,00"));
}

TEST_F(DayViewTest, DaySwitchStoresSortedAndShowsTheChosenDay)
{
    D().TypeAt(Produkt, 1, QStringLiteral("2"));
    D().TypeAt(Menge, 1, QStringLiteral("4"));
    D().Key(Qt::Key_Insert);
    D().Type(QStringLiteral("1"));
    D().TypeAt(Menge, 2, QStringLiteral("1"));

    D().ClickDate(ui::DateOfDay(kToday + 1));
    EXPECT_EQ(DayPage().CurrentDay, kToday + 1);
    EXPECT_EQ(G().DataRowCount(), 1);
    EXPECT_EQ(D().Cell(Produkt, 1), "");
    EXPECT_EQ(D().Cell(Produkt, Footer()), "05-03-16");
    EXPECT_EQ(D().Shown(VerkaufB, Footer()), QStringLiteral("0,00"));
    EXPECT_EQ(D().Cell(DB1P, Footer()), "");

    const model::tDay* day = StoredDay(kToday);
    ASSERT_NE(day, nullptr);
    ASSERT_EQ(day->Count(), 2);
    EXPECT_EQ(day->Entry(0).ProductID, 1);
    EXPECT_EQ(day->Entry(1).ProductID, 2);
    EXPECT_DOUBLE_EQ(day->Entry(1).Value, 4.0);
    EXPECT_EQ(StoredDay(kToday + 1), nullptr) << "an empty day is never stored";

    D().ClickDate(ui::DateOfDay(kToday));
    EXPECT_EQ(D().Cell(Produkt, 1), "1");
    EXPECT_EQ(D().Cell(Produkt, 2), "2");
    EXPECT_EQ(D().Shown(VerkaufB, Footer()), QStringLiteral("20,00"));
}

TEST_F(DayViewTest, DaySwitchDropsTheIncompleteCursorRowOnly)
{
    const struct {
        const char* name;
        const char* quantity; // of the cursor row 2; nullptr: no product typed
        int storedCount;
    } cases[] = {
        {"inserted and left empty", nullptr, 1},
        {"quantity 0", "0", 1},
        {"complete", "2", 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        D().TypeAt(Produkt, 1, QStringLiteral("1"));
        D().TypeAt(Menge, 1, QStringLiteral("1"));
        D().Key(Qt::Key_Insert);
        if (c.quantity) {
            D().Type(QStringLiteral("2"));
            D().TypeAt(Menge, 2, QString::fromLatin1(c.quantity));
        }
        DayPage().CalDayClick();
        const model::tDay* day = StoredDay(kToday);
        ASSERT_NE(day, nullptr);
        EXPECT_EQ(day->Count(), c.storedCount);
        // Empty the day again for the next case.
        while (G().DataRowCount() > 1)
            D().Key(Qt::Key_Delete);
        D().Key(Qt::Key_Delete);
        DayPage().CalDayClick();
        EXPECT_EQ(StoredDay(kToday), nullptr) << "an emptied day is deleted";
    }
}

TEST_F(DayViewTest, IncompleteFirstRowIsRemovedAndTheOthersStored)
{
    AddDay(Main().Days(), kToday, {{1, 1.0}, {2, 2.0}});
    DayPage().StoreDayOnSwitch = false;
    DayPage().CalDayClick();
    DayPage().StoreDayOnSwitch = true;
    // Quantity 0 on row 1 with the cursor there.
    D().TypeAt(Menge, 1, QStringLiteral("0"));
    DayPage().CalDayClick();
    const model::tDay* day = StoredDay(kToday);
    ASSERT_NE(day, nullptr);
    ASSERT_EQ(day->Count(), 1);
    EXPECT_EQ(day->Entry(0).ProductID, 2);
}

TEST_F(DayViewTest, StoredEntryOfAMissingProductIsShownWarnedAndKept)
{
    AddDay(Main().Days(), kToday, {{2, 1.0}, {9, 5.0}});
    DayPage().StoreDayOnSwitch = false;
    DayPage().CalDayClick();
    DayPage().StoreDayOnSwitch = true;
    EXPECT_EQ(prompts.warnings, QStringList{texts::UnknownProductEntry()});
    EXPECT_EQ(D().Cell(Name, 2), calc::texts::kUnbekanntesProdukt);
    EXPECT_EQ(D().Shown(Menge, 2), QStringLiteral("5,00"));
    EXPECT_EQ(D().Cell(VerkaufB, 2), "");
    EXPECT_TRUE(G().IsCellReadOnly(VerkaufB, 2));

    // The cursor stands on that row; the switch keeps the user's stored entry.
    ASSERT_EQ(G().CursorRow(), 2);
    DayPage().CalDayClick();
    const model::tDay* day = StoredDay(kToday);
    ASSERT_NE(day, nullptr);
    ASSERT_EQ(day->Count(), 2);
    EXPECT_EQ(day->Entry(1).ProductID, 9);
    EXPECT_DOUBLE_EQ(day->Entry(1).Value, 5.0);
}

TEST_F(DayViewTest, StoredEntriesComeBackComputedWithTheirValueColumnEditable)
{
    AddDay(Main().Days(), kToday - 1, {{1, 2.0}, {3, 23.8}});
    D().ClickDate(ui::DateOfDay(kToday - 1));
    EXPECT_EQ(D().Cell(Name, 1), "Kaffee");
    EXPECT_EQ(D().Shown(Menge, 1), QStringLiteral("2,00"));
    EXPECT_EQ(D().Shown(VerkaufB, 1), QStringLiteral("20,00"));
    EXPECT_EQ(D().Shown(Einkauf, 1), QStringLiteral("10,00"));
    EXPECT_FALSE(G().IsCellReadOnly(Menge, 1));
    EXPECT_TRUE(G().IsCellReadOnly(VerkaufB, 1));
    // product 3 has a variable price: its gross amount is typed, its quantity not
    EXPECT_EQ(D().Cell(Name, 2), "Tagesessen");
    EXPECT_EQ(D().Cell(Menge, 2), "");
    EXPECT_EQ(D().Shown(VerkaufB, 2), QStringLiteral("23,80"));
    EXPECT_EQ(D().Shown(VerkaufN, 2), QStringLiteral("20,00"));
    EXPECT_EQ(D().Shown(Einkauf, 2), QStringLiteral("8,00"));
    EXPECT_TRUE(G().IsCellReadOnly(Menge, 2));
    EXPECT_FALSE(G().IsCellReadOnly(VerkaufB, 2));
    EXPECT_EQ(D().Shown(VerkaufB, Footer()), QStringLiteral("43,80"));
    EXPECT_EQ(D().Cell(Produkt, Footer()), "05-03-14");
    EXPECT_EQ(G().CursorRow(), 2);
    EXPECT_TRUE(prompts.warnings.isEmpty());
}

TEST_F(DayViewTest, NameIsTheOneValidOnTheShownDay)
{
    Main().Products().Item(0).Name.AddValue(kToday + 1, "Kaffee gro\xdf");
    AddDay(Main().Days(), kToday - 1, {{1, 1.0}});
    AddDay(Main().Days(), kToday + 1, {{1, 1.0}});
    D().ClickDate(ui::DateOfDay(kToday + 1));
    EXPECT_EQ(D().Cell(Name, 1), "Kaffee gro\xc3\x9f");
    D().ClickDate(ui::DateOfDay(kToday - 1));
    EXPECT_EQ(D().Cell(Name, 1), "Kaffee");
}

// The day the calendar shows after a reset is the one typed entries belong to.
TEST_F(DayViewTest, EntriesTypedAfterNewOrAnEmptyLoadBelongToToday)
{
    model::Project withoutDays;
    FillCatalogue(withoutDays.Groups, withoutDays.Products);
    const QString file = WriteProject(withoutDays, "ohne-tage.kdt");
    const struct {
        const char* name;
        std::function<void()> reset;
    } cases[] = {
        {"New",
         [this] {
             prompts.AnswerNext(ui::Answer::Yes);
             Main().NewProject();
             FillCatalogue(Main().Groups(), Main().Products());
         }},
        {"Load of a file without days",
         [this, &file] {
             prompts.AnswerNext(ui::Answer::Yes);
             prompts.ChooseFile(file);
             Main().OpenProject();
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        c.reset();
        EXPECT_EQ(DayPage().CurrentDay, kToday);
        EXPECT_EQ(D().Cell(Produkt, Footer()), "05-03-15");
        D().TypeAt(Produkt, 1, QStringLiteral("1"));
        D().TypeAt(Menge, 1, QStringLiteral("1"));
        D().ClickDate(ui::DateOfDay(kToday + 1));
        EXPECT_NE(StoredDay(kToday), nullptr);
        EXPECT_EQ(StoredDay(0), nullptr);
        EXPECT_TRUE(prompts.warnings.isEmpty());
    }
}

// A free item (sales price 0) with its purchase cost is an entry like any other.
TEST_F(DayViewTest, DaySwitchKeepsAFreeItemAlsoOnTheCursorRow)
{
    AddProduct(Main().Products(),
               {.id = 4, .name = "Probe", .einkauf = 0.5, .verkauf = 0.0, .steuer = 19.0, .gruppe = 1, .from = 0});
    const struct {
        const char* name;
        const char* first;  // the product of row 1
        const char* second; // the product of row 2, where the cursor stands
    } cases[] = {
        {"cursor on the free item", "1", "4"},
        {"cursor on another row", "4", "1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Main().Days().Clear();
        DayPage().StoreDayOnSwitch = false;
        DayPage().CalDayClick();
        DayPage().StoreDayOnSwitch = true;
        D().TypeAt(Produkt, 1, QString::fromLatin1(c.first));
        D().TypeAt(Menge, 1, QStringLiteral("2"));
        D().Key(Qt::Key_Insert);
        D().Type(QString::fromLatin1(c.second));
        D().TypeAt(Menge, 2, QStringLiteral("2"));
        ASSERT_EQ(G().CursorRow(), 2);

        DayPage().CalDayClick();
        const model::tDay* day = StoredDay(kToday);
        ASSERT_NE(day, nullptr);
        ASSERT_EQ(day->Count(), 2);
        EXPECT_EQ(day->Entry(1).ProductID, 4);
        EXPECT_EQ(day->Entry(1).Value, 2.0);
        EXPECT_EQ(D().Shown(VerkaufB, 2), QStringLiteral("0,00"));
        EXPECT_EQ(D().Shown(Einkauf, 2), QStringLiteral("1,00"));
    }
}

// The grid reports a handler that failed while the user worked in it; the window
// shows it instead of dropping the edit without a word.
TEST_F(DayViewTest, AFailingHandlerIsShownInAWarning)
{
    G().Events().OnCellValidate = [](int, int, std::string&, bool&) { throw std::runtime_error("validation failed"); };
    D().TypeAt(Produkt, 1, QStringLiteral("1"));
    EXPECT_EQ(prompts.warnings,
              QStringList{controls::FormatText(texts::EditFailed(), {QStringLiteral("validation failed")})});
    EXPECT_FALSE(DayGrid().IsEditing());
    EXPECT_EQ(D().Cell(Produkt, 1), "");
}

TEST_F(DayViewTest, NoProgressIsShownWhileNothingIsComputed)
{
    // The progress bar belongs to a running export with daily sums.
    EXPECT_EQ(Main().findChild<QWidget*>(QStringLiteral("MyProgress")), nullptr);
}

// The example row of 10.00 at 19 % with a purchase price of 5.00, in a German and
// an English locale.
struct FiguresCase {
    const char* name;
    QLocale locale;
    std::array<const char*, 6> row; // Verkauf (B), Verkauf (N), Einkauf, Steuer, DB1, DB1 (%)
    std::array<const char*, 6> footer;
};

void PrintTo(const FiguresCase& c, std::ostream* out) { *out << c.name; }

class DayFiguresTest : public DayViewTest, public ::testing::WithParamInterface<FiguresCase> {
protected:
    DayFiguresTest() : DayViewTest(GetParam().locale) {}
};

TEST_P(DayFiguresTest, RowAndFooterOfTheExample)
{
    D().TypeAt(Produkt, 1, QStringLiteral("1"));
    D().TypeAt(Menge, 1, QStringLiteral("1"));
    const int cols[] = {VerkaufB, VerkaufN, Einkauf, Steuer, DB1, DB1P};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(D().Shown(cols[i], 1), QString::fromLatin1(GetParam().row[size_t(i)])) << "column " << cols[i];
        EXPECT_EQ(D().Shown(cols[i], Footer()), QString::fromLatin1(GetParam().footer[size_t(i)]))
            << "footer column " << cols[i];
    }
}

INSTANTIATE_TEST_SUITE_P(Locales, DayFiguresTest,
                         ::testing::Values(FiguresCase{"German",
                                                       QLocale(QLocale::German, QLocale::Germany),
                                                       {"10,00", "8,40", "5,00", "19,0", "3,40", "40,46"},
                                                       {"10,00", "8,40", "5,00", "", "3,40", "34,00"}},
                                           FiguresCase{"English",
                                                       QLocale(QLocale::English, QLocale::UnitedStates),
                                                       {"10.00", "8.40", "5.00", "19.0", "3.40", "40.46"},
                                                       {"10.00", "8.40", "5.00", "", "3.40", "34.00"}}),
                         [](const ::testing::TestParamInfo<FiguresCase>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
} // namespace kontaro::test
