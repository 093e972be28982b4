// The group editor: ID check on leaving the ID field, the name, OK's state.
#include "controls/labeled_edit.h"
#include "ui/catalogue/catalogue_components.h"
#include "ui/catalogue/catalogue_fixture.h"
#include "ui/group_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kontaro::test {
namespace {

using controls::LabeledEdit;

class GroupDialogTest : public CatalogueTest {
protected:
    // Opens the editor as the group page does: for a new group (oldID -1) or for
    // the group `oldID` with `name`.
    void Open(int32_t oldID = -1, const QString& name = QString())
    {
        dialog.IDList = {1, 3, 7};
        dialog.OldID = oldID;
        if (oldID >= 0)
            dialog.ShowGroup(oldID, name);
        dialog.show();
        Activate(dialog);
    }

    bool ErrorShown() { return !ErrText(dialog).isHidden(); }

    ui::GroupDialog dialog{nullptr};
};

TEST_F(GroupDialogTest, StartsWithIDZeroAndNeedsAName)
{
    Open();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Gruppe"));
    EXPECT_EQ(eID(dialog).Text(), QStringLiteral("0"));
    EXPECT_EQ(eID(dialog).PlaceholderText(), QStringLiteral("ID eingeben"));
    EXPECT_EQ(eName(dialog).PlaceholderText(), QStringLiteral("Name eingeben"));
    EXPECT_EQ(eName(dialog).LabelText(), QStringLiteral("Name:"));
    EXPECT_FALSE(ErrorShown());
    EXPECT_FALSE(bOK(dialog).isEnabled());
    Type(eName(dialog), QStringLiteral("Getränke"));
    EXPECT_TRUE(bOK(dialog).isEnabled());
    Click(bOK(dialog));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.GroupID(), 0);
    EXPECT_EQ(dialog.GroupName(), QStringLiteral("Getränke"));
}

TEST_F(GroupDialogTest, IDCheckedWhenTheFieldIsLeft)
{
    struct Case {
        int32_t oldID;
        QString typed;
        QString afterLeaving;
        bool error;
    };
    const Case cases[] = {
        {-1, QStringLiteral("3"), QStringLiteral("3"), true},  // another group's ID
        {-1, QStringLiteral("4"), QStringLiteral("4"), false}, // a free ID
        {-1, QString(), QStringLiteral("0"), false},           // empty becomes 0, which is free
        {3, QStringLiteral("3"), QStringLiteral("3"), false},  // the group keeps its own ID
        {3, QStringLiteral("7"), QStringLiteral("7"), true},
        {-1, QStringLiteral("999999999"), QStringLiteral("999999999"), false},
    };
    for (const Case& c : cases) {
        ui::GroupDialog editor(nullptr);
        editor.IDList = {1, 3, 7};
        editor.OldID = c.oldID;
        eName(editor).SetText(QStringLiteral("Speisen"));
        editor.show();
        Activate(editor);
        Type(eID(editor), c.typed);
        Leave(eID(editor));
        EXPECT_EQ(eID(editor).Text(), c.afterLeaving) << c.typed.toStdString();
        EXPECT_EQ(!ErrText(editor).isHidden(), c.error) << c.typed.toStdString();
        EXPECT_EQ(ErrText(editor).text(), QStringLiteral("Die ID wird schon verwendet!"));
        EXPECT_EQ(bOK(editor).isEnabled(), !c.error) << c.typed.toStdString();
    }
}

TEST_F(GroupDialogTest, IDErrorStaysUntilTheIDFieldIsLeftAgain)
{
    Open();
    Type(eID(dialog), QStringLiteral("7"));
    Leave(eID(dialog));
    ASSERT_TRUE(ErrorShown());
    Type(eName(dialog), QStringLiteral("Speisen"));
    EXPECT_FALSE(bOK(dialog).isEnabled());
    // Typing a free ID changes nothing until the field is left.
    Type(eID(dialog), QStringLiteral("8"));
    EXPECT_TRUE(ErrorShown());
    Leave(eID(dialog));
    EXPECT_FALSE(ErrorShown());
    EXPECT_TRUE(bOK(dialog).isEnabled());
}

TEST_F(GroupDialogTest, OKChecksAnIDThatWasNotLeftYet)
{
    Open();
    Type(eName(dialog), QStringLiteral("Speisen"));
    Type(eID(dialog), QStringLiteral("1"));
    // The default button pressed by its shortcut, while the ID field keeps the focus.
    ASSERT_TRUE(bOK(dialog).isEnabled());
    bOK(dialog).click();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(ErrorShown());
    EXPECT_FALSE(bOK(dialog).isEnabled());
}

TEST_F(GroupDialogTest, ChangedGroupKeepsItsIDAndName)
{
    Open(3, QStringLiteral("Speisen"));
    EXPECT_FALSE(ErrorShown());
    EXPECT_TRUE(bOK(dialog).isEnabled());
    Click(bOK(dialog));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.GroupID(), 3);
}

TEST_F(GroupDialogTest, NamesTheFileCannotHoldAreRefused)
{
    struct Case {
        QString typed;
        bool accepted;
        QString name;
    };
    const Case cases[] = {
        {QStringLiteral("  Kaffee & Tee  "), true, QStringLiteral("Kaffee & Tee")},
        {QStringLiteral("   "), false, QString()},
        {QStringLiteral("Eis <hausgemacht>"), false, QStringLiteral("Eis <hausgemacht>")},
        {QStringLiteral("a>b"), false, QStringLiteral("a>b")},
    };
    Open();
    for (const Case& c : cases) {
        Type(eName(dialog), c.typed);
        EXPECT_EQ(bOK(dialog).isEnabled(), c.accepted) << c.typed.toStdString();
        EXPECT_EQ(dialog.GroupName(), c.name);
        const bool markup = c.typed.contains(QLatin1Char('<')) || c.typed.contains(QLatin1Char('>'));
        EXPECT_EQ(ErrorShown(), markup) << c.typed.toStdString();
        if (markup) {
            EXPECT_EQ(ErrText(dialog).text(), QStringLiteral("Der Name darf kein „<“ und kein „>“ enthalten!"));
        }
    }
}

TEST_F(GroupDialogTest, NameIsLimitedTo40Characters)
{
    Open();
    Type(eName(dialog), QString(45, QLatin1Char('x')));
    EXPECT_EQ(eName(dialog).Text().size(), 40);
}

} // namespace
} // namespace kontaro::test
