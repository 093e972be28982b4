// The group editor: ID check on leaving the ID field, the name, OK's state.
#include "catalogue_fixture.h"

#include "controls/labeled_edit.h"
#include "ui/new_group.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kontaro::test {
namespace {

using controls::LabeledEdit;

class NewGroupTest : public CatalogueTest {
protected:
    // Opens the editor as the group page does: for a new group (oldID -1) or for
    // the group `oldID` with `name`.
    void Open(int32_t oldID = -1, const QString& name = QString())
    {
        dialog.IDList = {1, 3, 7};
        dialog.OldID = oldID;
        if (oldID >= 0) {
            dialog.eID->SetText(QString::number(oldID));
            dialog.eName->SetText(name);
        }
        dialog.show();
        Activate(dialog);
    }

    bool ErrorShown() const { return !dialog.ErrText->isHidden(); }

    ui::TNewGroup dialog{nullptr};
};

TEST_F(NewGroupTest, StartsWithIDZeroAndNeedsAName)
{
    Open();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Gruppe"));
    EXPECT_EQ(dialog.eID->Text(), QStringLiteral("0"));
    EXPECT_EQ(dialog.eID->PlaceholderText(), QStringLiteral("ID eingeben"));
    EXPECT_EQ(dialog.eName->PlaceholderText(), QStringLiteral("Name eingeben"));
    EXPECT_EQ(dialog.eName->LabelText(), QStringLiteral("Name:"));
    EXPECT_FALSE(ErrorShown());
    EXPECT_FALSE(dialog.bOK->isEnabled());
    Type(*dialog.eName, QStringLiteral("Getränke"));
    EXPECT_TRUE(dialog.bOK->isEnabled());
    Click(*dialog.bOK);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.GroupID(), 0);
    EXPECT_EQ(dialog.GroupName(), QStringLiteral("Getränke"));
}

TEST_F(NewGroupTest, IDCheckedWhenTheFieldIsLeft)
{
    struct Case {
        int32_t oldID;
        QString typed;
        QString afterLeaving;
        bool error;
    };
    const Case cases[] = {
        {-1, QStringLiteral("3"), QStringLiteral("3"), true},     // another group's ID
        {-1, QStringLiteral("4"), QStringLiteral("4"), false},    // a free ID
        {-1, QString(), QStringLiteral("0"), false},              // empty becomes 0, which is free
        {3, QStringLiteral("3"), QStringLiteral("3"), false},     // the group keeps its own ID
        {3, QStringLiteral("7"), QStringLiteral("7"), true},
        {-1, QStringLiteral("999999999"), QStringLiteral("999999999"), false},
    };
    for (const Case& c : cases) {
        ui::TNewGroup editor(nullptr);
        editor.IDList = {1, 3, 7};
        editor.OldID = c.oldID;
        editor.eName->SetText(QStringLiteral("Speisen"));
        editor.show();
        Activate(editor);
        Type(*editor.eID, c.typed);
        Leave(*editor.eID);
        EXPECT_EQ(editor.eID->Text(), c.afterLeaving) << c.typed.toStdString();
        EXPECT_EQ(!editor.ErrText->isHidden(), c.error) << c.typed.toStdString();
        EXPECT_EQ(editor.ErrText->text(), QStringLiteral("Die ID wird schon verwendet!"));
        EXPECT_EQ(editor.bOK->isEnabled(), !c.error) << c.typed.toStdString();
    }
}

TEST_F(NewGroupTest, IDErrorStaysUntilTheIDFieldIsLeftAgain)
{
    Open();
    Type(*dialog.eID, QStringLiteral("7"));
    Leave(*dialog.eID);
    ASSERT_TRUE(ErrorShown());
    Type(*dialog.eName, QStringLiteral("Speisen"));
    EXPECT_FALSE(dialog.bOK->isEnabled());
    // Typing a free ID changes nothing until the field is left.
    Type(*dialog.eID, QStringLiteral("8"));
    EXPECT_TRUE(ErrorShown());
    Leave(*dialog.eID);
    EXPECT_FALSE(ErrorShown());
    EXPECT_TRUE(dialog.bOK->isEnabled());
}

TEST_F(NewGroupTest, OKChecksAnIDThatWasNotLeftYet)
{
    Open();
    Type(*dialog.eName, QStringLiteral("Speisen"));
    Type(*dialog.eID, QStringLiteral("1"));
    // The default button pressed by its shortcut, while the ID field keeps the focus.
    ASSERT_TRUE(dialog.bOK->isEnabled());
    dialog.bOK->click();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(ErrorShown());
    EXPECT_FALSE(dialog.bOK->isEnabled());
}

TEST_F(NewGroupTest, ChangedGroupKeepsItsIDAndName)
{
    Open(3, QStringLiteral("Speisen"));
    EXPECT_FALSE(ErrorShown());
    EXPECT_TRUE(dialog.bOK->isEnabled());
    Click(*dialog.bOK);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.GroupID(), 3);
}

TEST_F(NewGroupTest, NamesTheFileCannotHoldAreRefused)
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
        Type(*dialog.eName, c.typed);
        EXPECT_EQ(dialog.bOK->isEnabled(), c.accepted) << c.typed.toStdString();
        EXPECT_EQ(dialog.GroupName(), c.name);
        const bool markup = c.typed.contains(QLatin1Char('<')) || c.typed.contains(QLatin1Char('>'));
        EXPECT_EQ(ErrorShown(), markup) << c.typed.toStdString();
        if (markup) {
            EXPECT_EQ(dialog.ErrText->text(), QStringLiteral("Der Name darf kein „<“ und kein „>“ enthalten!"));
        }
    }
}

TEST_F(NewGroupTest, NameIsLimitedTo40Characters)
{
    Open();
    Type(*dialog.eName, QString(45, QLatin1Char('x')));
    EXPECT_EQ(dialog.eName->Text().size(), 40);
}

} // namespace
} // namespace kontaro::test
