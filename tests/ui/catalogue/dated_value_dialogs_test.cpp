// The dated value dialogs: the proposed date, the date check, the value, the
// group choices.
#include "catalogue_fixture.h"

#include "controls/labeled_edit.h"
#include "ui/day_dates.h"
#include "ui/detail_page.h"
#include "ui/group_detail.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace kontaro::test {
namespace {

using ui::TDetailPage;
using ui::TGroupDetail;

// A user's click on a day of the calendar.
void Pick(QCalendarWidget& calendar, DayNumber day) { calendar.setSelectedDate(ui::DateOfDay(day)); }

class DetailPageTest : public CatalogueTest {
protected:
    void Open(std::optional<DayNumber> oldDate, const QString& value,
              TDetailPage::ValueKind kind = TDetailPage::ValueKind::Real)
    {
        dialog.DateList = {kFirstOfMonth - 31, kFirstOfMonth, kToday};
        dialog.OldDate = oldDate;
        dialog.SetValueKind(kind);
        dialog.Value->SetText(value);
        dialog.show();
        Activate(dialog);
    }

    TDetailPage dialog{nullptr};
};

TEST_F(DetailPageTest, NewRowProposesTheFirstOfTheMonth)
{
    dialog.DateList = {kToday};
    Open(std::nullopt, QStringLiteral("0"));
    EXPECT_EQ(dialog.Day(), kFirstOfMonth);
    // The list of this test has a row on the first of the month.
    EXPECT_FALSE(dialog.ErrText->isHidden());
    EXPECT_EQ(dialog.ErrText->text(), QStringLiteral("Das Datum wird bereits verwendet!"));
    EXPECT_FALSE(dialog.bOK->isEnabled());
}

TEST_F(DetailPageTest, ChangedRowKeepsItsDate)
{
    Open(kToday, QStringLiteral("2,5"));
    EXPECT_EQ(dialog.Day(), kToday);
    EXPECT_TRUE(dialog.ErrText->isHidden());
    EXPECT_TRUE(dialog.bOK->isEnabled());
    Click(*dialog.bOK);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.ValueText(), QStringLiteral("2,50"));
}

TEST_F(DetailPageTest, UsedDatesAreRefusedUntilAFreeOneIsPicked)
{
    Open(kToday, QStringLiteral("1"));
    struct Case {
        DayNumber day;
        QString value;
        bool error;
        bool ok;
    };
    const Case cases[] = {
        {kFirstOfMonth, QStringLiteral("1"), true, false},
        {kToday + 1, QStringLiteral("1"), false, true},
        {kToday + 1, QString(), false, false}, // a free date, but no value
        {kFirstOfMonth - 31, QString(), true, false},
        {kToday, QStringLiteral("3"), false, true}, // the row's own date
    };
    for (const Case& c : cases) {
        Type(*dialog.Value, c.value);
        Pick(*dialog.TheDay, c.day);
        EXPECT_EQ(!dialog.ErrText->isHidden(), c.error) << c.day;
        EXPECT_EQ(dialog.bOK->isEnabled(), c.ok) << c.day;
    }
}

TEST_F(DetailPageTest, RealValueShowsTwoDecimalsOnceLeft)
{
    Open(kToday, QStringLiteral("0"));
    struct Case {
        QString typed;
        QString shown;
    };
    const Case cases[] = {
        {QStringLiteral("3,14159"), QStringLiteral("3,14")},
        {QStringLiteral("2,005"), QStringLiteral("2,00")}, // the double nearest 2.005 lies below it
        {QStringLiteral("7"), QStringLiteral("7,00")},
        {QString(), QStringLiteral("0,00")},
    };
    for (const Case& c : cases) {
        Type(*dialog.Value, c.typed);
        Leave(*dialog.Value);
        EXPECT_EQ(dialog.Value->Text(), c.shown) << c.typed.toStdString();
    }
    // An emptied field reads 0 but is a value; OK is possible.
    EXPECT_TRUE(dialog.bOK->isEnabled());
}

TEST_F(DetailPageTest, NameIsTrimmedAndMustNotHoldMarkup)
{
    Open(std::nullopt, QString(), TDetailPage::ValueKind::Name);
    Pick(*dialog.TheDay, kToday + 3);
    EXPECT_FALSE(dialog.bOK->isEnabled());
    Type(*dialog.Value, QStringLiteral("Torte <groß>"));
    EXPECT_FALSE(dialog.bOK->isEnabled());
    EXPECT_EQ(dialog.ErrText->text(), QStringLiteral("Der Name darf kein „<“ und kein „>“ enthalten!"));
    Type(*dialog.Value, QStringLiteral("  Torte groß "));
    EXPECT_TRUE(dialog.ErrText->isHidden());
    Click(*dialog.bOK);
    EXPECT_EQ(dialog.ValueText(), QStringLiteral("Torte groß"));
    EXPECT_EQ(dialog.Day(), kToday + 3);
}

class GroupDetailTest : public CatalogueTest {
protected:
    GroupDetailTest()
    {
        AddGroup(12, "Speisen");
        AddGroup(3, "Getr\xe4nke");
    }
};

TEST_F(GroupDetailTest, ChoicesInIDOrderWithIDColonName)
{
    TGroupDetail dialog(nullptr, groups);
    ASSERT_EQ(dialog.comGroup->count(), 2);
    EXPECT_EQ(dialog.comGroup->itemText(0), QStringLiteral("3: Getränke"));
    EXPECT_EQ(dialog.comGroup->itemText(1), QStringLiteral("12: Speisen"));
    EXPECT_FALSE(dialog.comGroup->isEditable());
    dialog.SelectGroup(12);
    dialog.show();
    EXPECT_EQ(dialog.Day(), kFirstOfMonth);
    Click(*dialog.bOK);
    EXPECT_EQ(dialog.GroupText(), QStringLiteral("12: Speisen"));
    EXPECT_EQ(dialog.GroupID(), 12);
}

TEST_F(GroupDetailTest, UsedDateDisablesOK)
{
    TGroupDetail dialog(nullptr, groups);
    dialog.DateList = {kToday, kToday + 10};
    dialog.OldDate = kToday;
    dialog.show();
    EXPECT_TRUE(dialog.bOK->isEnabled());
    Pick(*dialog.TheDay, kToday + 10);
    EXPECT_FALSE(dialog.ErrText->isHidden());
    EXPECT_FALSE(dialog.bOK->isEnabled());
    Pick(*dialog.TheDay, kToday + 11);
    EXPECT_TRUE(dialog.ErrText->isHidden());
    EXPECT_TRUE(dialog.bOK->isEnabled());
}

} // namespace
} // namespace kontaro::test
