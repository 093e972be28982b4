// The dated value dialogs: the proposed date, the date check, the value, the
// group choices.
#include "controls/labeled_edit.h"
#include "ui/catalogue/catalogue_components.h"
#include "ui/catalogue/catalogue_fixture.h"
#include "ui/dated_group_dialog.h"
#include "ui/dated_value_dialog.h"
#include "ui/day_dates.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace kontaro::test {
namespace {

using ui::DatedGroupDialog;
using ui::DatedValueDialog;

// A user's click on a day of the calendar.
void Pick(QCalendarWidget& calendar, model::DayNumber day) { calendar.setSelectedDate(ui::DateOfDay(day)); }

class DatedValueDialogTest : public CatalogueTest {
protected:
    void Open(std::optional<model::DayNumber> oldDate, const QString& value,
              DatedValueDialog::ValueKind kind = DatedValueDialog::ValueKind::Real)
    {
        dialog.DateList = {kFirstOfMonth - 31, kFirstOfMonth, kToday};
        dialog.OldDate = oldDate;
        dialog.SetValueKind(kind);
        Value(dialog).SetText(value);
        dialog.show();
        Activate(dialog);
    }

    DatedValueDialog dialog{nullptr};
};

TEST_F(DatedValueDialogTest, NewRowProposesTheFirstOfTheMonth)
{
    dialog.DateList = {kToday};
    Open(std::nullopt, QStringLiteral("0"));
    EXPECT_EQ(dialog.Day(), kFirstOfMonth);
    // The list of this test has a row on the first of the month.
    EXPECT_FALSE(ErrText(dialog).isHidden());
    EXPECT_EQ(ErrText(dialog).text(), QStringLiteral("Das Datum wird bereits verwendet!"));
    EXPECT_FALSE(bOK(dialog).isEnabled());
}

TEST_F(DatedValueDialogTest, ChangedRowKeepsItsDate)
{
    Open(kToday, QStringLiteral("2,5"));
    EXPECT_EQ(dialog.Day(), kToday);
    EXPECT_TRUE(ErrText(dialog).isHidden());
    EXPECT_TRUE(bOK(dialog).isEnabled());
    Click(bOK(dialog));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.ValueText(), QStringLiteral("2,50"));
}

TEST_F(DatedValueDialogTest, UsedDatesAreRefusedUntilAFreeOneIsPicked)
{
    Open(kToday, QStringLiteral("1"));
    struct Case {
        model::DayNumber day;
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
        Type(Value(dialog), c.value);
        Pick(TheDay(dialog), c.day);
        EXPECT_EQ(!ErrText(dialog).isHidden(), c.error) << c.day;
        EXPECT_EQ(bOK(dialog).isEnabled(), c.ok) << c.day;
    }
}

TEST_F(DatedValueDialogTest, RealValueShowsTwoDecimalsOnceLeft)
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
        Type(Value(dialog), c.typed);
        Leave(Value(dialog));
        EXPECT_EQ(Value(dialog).Text(), c.shown) << c.typed.toStdString();
    }
    // An emptied field reads 0 but is a value; OK is possible.
    EXPECT_TRUE(bOK(dialog).isEnabled());
}

TEST_F(DatedValueDialogTest, NameIsTrimmedAndMustNotHoldMarkup)
{
    Open(std::nullopt, QString(), DatedValueDialog::ValueKind::Name);
    Pick(TheDay(dialog), kToday + 3);
    EXPECT_FALSE(bOK(dialog).isEnabled());
    Type(Value(dialog), QStringLiteral("Torte <groß>"));
    EXPECT_FALSE(bOK(dialog).isEnabled());
    EXPECT_EQ(ErrText(dialog).text(), QStringLiteral("Der Name darf kein „<“ und kein „>“ enthalten!"));
    Type(Value(dialog), QStringLiteral("  Torte groß "));
    EXPECT_TRUE(ErrText(dialog).isHidden());
    Click(bOK(dialog));
    EXPECT_EQ(dialog.ValueText(), QStringLiteral("Torte groß"));
    EXPECT_EQ(dialog.Day(), kToday + 3);
}

class DatedGroupDialogTest : public CatalogueTest {
protected:
    DatedGroupDialogTest()
    {
        AddGroup(12, "Speisen");
        AddGroup(3, "Getr\xe4nke");
    }
};

TEST_F(DatedGroupDialogTest, ChoicesInIDOrderWithIDColonName)
{
    DatedGroupDialog dialog(nullptr, groups);
    ASSERT_EQ(comGroup(dialog).count(), 2);
    EXPECT_EQ(comGroup(dialog).itemText(0), QStringLiteral("3: Getränke"));
    EXPECT_EQ(comGroup(dialog).itemText(1), QStringLiteral("12: Speisen"));
    EXPECT_FALSE(comGroup(dialog).isEditable());
    dialog.SelectGroup(12);
    dialog.show();
    EXPECT_EQ(dialog.Day(), kFirstOfMonth);
    Click(bOK(dialog));
    EXPECT_EQ(dialog.GroupText(), QStringLiteral("12: Speisen"));
    EXPECT_EQ(dialog.GroupID(), 12);
}

TEST_F(DatedGroupDialogTest, UsedDateDisablesOK)
{
    DatedGroupDialog dialog(nullptr, groups);
    dialog.DateList = {kToday, kToday + 10};
    dialog.OldDate = kToday;
    dialog.show();
    EXPECT_TRUE(bOK(dialog).isEnabled());
    Pick(TheDay(dialog), kToday + 10);
    EXPECT_FALSE(ErrText(dialog).isHidden());
    EXPECT_FALSE(bOK(dialog).isEnabled());
    Pick(TheDay(dialog), kToday + 11);
    EXPECT_TRUE(ErrText(dialog).isHidden());
    EXPECT_TRUE(bOK(dialog).isEnabled());
}

} // namespace
} // namespace kontaro::test
