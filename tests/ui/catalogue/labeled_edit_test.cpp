// The edit field: characters by kind, completion and validation on leaving, Enter.
#include "controls/labeled_edit.h"
#include "ui/catalogue/catalogue_fixture.h"
#include "ui/catalogue_fields.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

namespace kontaro::test {
namespace {

using controls::LabeledEdit;

class LabeledEditTest : public CatalogueTest {
protected:
    LabeledEditTest()
    {
        auto* layout = new QVBoxLayout(&window);
        field = new LabeledEdit(&window);
        next = new LabeledEdit(&window);
        layout->addWidget(field);
        layout->addWidget(next);
        window.show();
        Activate(window);
    }

    QWidget window;
    LabeledEdit* field;
    LabeledEdit* next;
};

TEST_F(LabeledEditTest, TypedCharactersFollowTheKind)
{
    struct Case {
        LabeledEdit::Kind kind;
        bool modelText;
        QString typed;
        QString shown;
    };
    const Case cases[] = {
        {LabeledEdit::Kind::Integer, false, QStringLiteral("1a2-3,4 5"), QStringLiteral("12345")},
        {LabeledEdit::Kind::Real, false, QStringLiteral("1.234,5-6e7"), QStringLiteral("1.234,567")},
        {LabeledEdit::Kind::Text, false, QStringLiteral("Käse €5 \u0141"), QStringLiteral("Käse €5 \u0141")},
        // Characters the project file cannot hold are refused where they are typed.
        {LabeledEdit::Kind::Text, true, QStringLiteral("Käse €5 \u0141\u4E2D!"), QStringLiteral("Käse €5 !")},
    };
    for (const Case& c : cases) {
        LabeledEdit edit;
        edit.SetKind(c.kind);
        if (c.modelText)
            ui::RestrictToModelText(edit);
        Keys(*edit.Edit(), c.typed);
        EXPECT_EQ(edit.Text(), c.shown) << c.typed.toStdString();
    }
}

TEST_F(LabeledEditTest, PasteWithAForeignCharacterIsRefusedWhole)
{
    ui::RestrictToModelText(*field);
    field->Edit()->insert(QStringLiteral("ab\u4E2D"));
    EXPECT_EQ(field->Text(), QString());
}

TEST_F(LabeledEditTest, TextSetByTheProgramStaysEditable)
{
    // A stored negative price shows its sign, which cannot be typed.
    field->SetKind(LabeledEdit::Kind::Real);
    field->SetText(QStringLiteral("-5"));
    field->Edit()->setFocus();
    field->Edit()->end(false);
    Keys(*field->Edit(), QStringLiteral("0x"));
    EXPECT_EQ(field->Text(), QStringLiteral("-50"));
}

TEST_F(LabeledEditTest, LeavingCompletesTheTextThenValidates)
{
    struct Case {
        LabeledEdit::Kind kind;
        QString typed;
        QString completed;
    };
    const Case cases[] = {
        {LabeledEdit::Kind::Integer, QString(), QStringLiteral("0")},
        {LabeledEdit::Kind::Integer, QStringLiteral("42"), QStringLiteral("42")},
        {LabeledEdit::Kind::Real, QString(), QStringLiteral("0,00")},
        {LabeledEdit::Kind::Real, QStringLiteral("2,5"), QStringLiteral("2,50")},
        {LabeledEdit::Kind::Real, QStringLiteral("1,239"), QStringLiteral("1,24")},
        {LabeledEdit::Kind::Real, QStringLiteral("1.234,5"), QStringLiteral("1234,50")},
        {LabeledEdit::Kind::Real, QStringLiteral("1,2,3"), QStringLiteral("0,00")},
        {LabeledEdit::Kind::Text, QString(), QString()},
    };
    for (const Case& c : cases) {
        field->SetKind(c.kind);
        QStringList validated;
        field->SetValueValidate([&](const QString& value) {
            validated << value;
            return value != QStringLiteral("0");
        });
        Type(*field, c.typed);
        Leave(*field);
        EXPECT_EQ(field->Text(), c.completed) << c.typed.toStdString();
        EXPECT_EQ(validated, QStringList{c.completed}) << c.typed.toStdString();
        EXPECT_EQ(field->IsValid(), c.completed != QStringLiteral("0"));
        EXPECT_TRUE(next->Edit()->hasFocus());
    }
}

TEST_F(LabeledEditTest, RealsFollowTheLocale)
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    field->SetKind(LabeledEdit::Kind::Real);
    Type(*field, QStringLiteral("1,234.5;"));
    Leave(*field);
    EXPECT_EQ(field->Text(), QStringLiteral("1234.50"));
}

TEST_F(LabeledEditTest, EnterMovesOnAndLengthIsLimited)
{
    field->SetMaxLength(5);
    field->SetLabelText(QStringLiteral("Name:"));
    field->SetPlaceholderText(QStringLiteral("Name eingeben"));
    Type(*field, QStringLiteral("abcdefgh"));
    EXPECT_EQ(field->Text(), QStringLiteral("abcde"));
    QTest::keyClick(field->Edit(), Qt::Key_Return);
    EXPECT_TRUE(next->Edit()->hasFocus());
    EXPECT_EQ(field->Label()->text(), QStringLiteral("Name:"));
    EXPECT_EQ(field->Edit()->placeholderText(), QStringLiteral("Name eingeben"));
}

TEST_F(LabeledEditTest, TextSetByTheProgramIsKeptWholeAndTheLimitAppliesToTyping)
{
    const QString stored = QStringLiteral("abcdefgh");
    field->SetMaxLength(5);
    field->SetText(stored);
    EXPECT_EQ(field->Text(), stored);
    EXPECT_EQ(field->MaxLength(), 5);
    field->Edit()->setFocus();
    field->Edit()->end(false);
    Keys(*field->Edit(), QStringLiteral("x"));
    EXPECT_EQ(field->Text(), stored);
    // A typing error in it can be mended: the text may grow back to the length it
    // was given, not beyond.
    QTest::keyClick(field->Edit(), Qt::Key_Backspace);
    Keys(*field->Edit(), QStringLiteral("yz"));
    EXPECT_EQ(field->Text(), QStringLiteral("abcdefgy"));
    Leave(*field);
    EXPECT_EQ(field->Text(), QStringLiteral("abcdefgy"));

    // A limit set after the text keeps it too; a short text limits typing again.
    next->SetText(stored);
    next->SetMaxLength(3);
    EXPECT_EQ(next->Text(), stored);
    next->SetText(QStringLiteral("ab"));
    next->Edit()->setFocus();
    next->Edit()->end(false);
    Keys(*next->Edit(), QStringLiteral("cdef"));
    EXPECT_EQ(next->Text(), QStringLiteral("abc"));
}

} // namespace
} // namespace kontaro::test
