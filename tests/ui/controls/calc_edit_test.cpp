#include "controls/calc_edit.h"
#include "controls/calc_panel.h"

#include <QLocale>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>
#include <memory>

namespace kontaro::controls {
namespace {

// Types a sequence in which "," stands for the locale's decimal separator, "." for
// its thousand separator and "<" for Backspace.
void Type(QWidget* widget, const QString& keys)
{
    const QLocale locale;
    for (const QChar c : keys) {
        if (c == QLatin1Char('<'))
            QTest::keyClick(widget, Qt::Key_Backspace);
        else if (c == QLatin1Char(','))
            QTest::keyClicks(widget, locale.decimalPoint());
        else if (c == QLatin1Char('.'))
            QTest::keyClicks(widget, locale.groupSeparator());
        else
            QTest::keyClicks(widget, QString(c));
    }
}

// An expected text with "," for the locale's decimal separator.
QString Shown(const char* text)
{
    QString result = QString::fromLatin1(text);
    result.replace(QLatin1Char(','), QLocale().decimalPoint());
    return result;
}

class CalcEditTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window = std::make_unique<QWidget>();
        window->resize(300, 200);
        edit = new CalcEdit(window.get());
        edit->setGeometry(10, 10, 120, 21);
        window->show();
        edit->setFocus();
    }

    std::unique_ptr<QWidget> window;
    CalcEdit* edit = nullptr;
};

TEST_F(CalcEditTest, KeyRules)
{
    struct Case {
        const char* start;
        const char* keys;
        const char* shown;
    };
    const Case cases[] = {
        {"", "5/0=", "0"},
        {"", "200+10%=", "220"},
        {"", "2+3", "3"},
        {"", "2+3=", "5"},
        {"", "3*12,5=", "37,5"},
        {"", "3*", "3"},
        {"", "12a", "12"},
        {"", "1x2 ", "12"},
        {"", "1,5,2", "1,52"},
        {"", "1.000", "1000"},
        {"", "5+C3=", "3"},
        {"", "7<", "0"},
        {"", "10-4=", "6"},
        {"", "0,1+0,2=", "0,3"},
        {"", "1/3=", "0,333333333333333"},
        // A separator after an operator starts a new number.
        {"", "3*,5=", "1,5"},
        // A digit replaces a lone 0 and the text after "=".
        {"0", "4", "4"},
        {"", "2+3=7", "7"},
    };
    for (const Case& c : cases) {
        CalcEdit fresh(window.get());
        fresh.show();
        fresh.setFocus();
        fresh.setText(Shown(c.start));
        Type(&fresh, QString::fromLatin1(c.keys));
        EXPECT_EQ(fresh.text(), Shown(c.shown)) << c.keys;
    }
}

TEST_F(CalcEditTest, ShowsEveryIntermediateResult)
{
    QStringList shown;
    for (const char* key : {"3", "*", "1", "2", ",", "5", "="}) {
        Type(edit, QString::fromLatin1(key));
        shown << edit->text();
    }
    const QString d = QLocale().decimalPoint();
    EXPECT_EQ(shown, (QStringList{QStringLiteral("3"), QStringLiteral("3"), QStringLiteral("1"), QStringLiteral("12"),
                                  QStringLiteral("12") + d, QStringLiteral("12") + d + QStringLiteral("5"),
                                  QStringLiteral("37") + d + QStringLiteral("5")}));
}

TEST_F(CalcEditTest, TypingReplacesASelectedCellText)
{
    edit->setText(Shown("12,50"));
    edit->selectAll();
    Type(edit, QStringLiteral(",7"));
    EXPECT_EQ(edit->text(), Shown(",7"));
}

TEST_F(CalcEditTest, DeletionsLeavingNothingShowZero)
{
    struct Case {
        const char* start;
        int selectFrom; // -1: no selection, the caret at the start
        int selectLength;
        Qt::Key key;
        const char* shown;
    };
    const Case cases[] = {
        {"5", -1, 0, Qt::Key_Delete, "0"},       {"12,50", 0, 5, Qt::Key_Delete, "0"},
        {"12,50", 0, 5, Qt::Key_Backspace, "0"}, {"125", 1, 2, Qt::Key_Backspace, "1"},
        {"125", 0, 2, Qt::Key_Delete, "5"},
    };
    for (const Case& c : cases) {
        edit->setText(Shown(c.start));
        if (c.selectFrom < 0)
            edit->home(false);
        else
            edit->setSelection(c.selectFrom, c.selectLength);
        QTest::keyClick(edit, c.key);
        EXPECT_EQ(edit->text(), Shown(c.shown)) << c.start << " " << c.key;
    }
}

TEST_F(CalcEditTest, GridKeysAreLeftToTheGrid)
{
    for (const Qt::Key key :
         {Qt::Key_Return, Qt::Key_Escape, Qt::Key_Tab, Qt::Key_Up, Qt::Key_Down, Qt::Key_PageUp, Qt::Key_PageDown}) {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(edit, &event);
        EXPECT_FALSE(event.isAccepted()) << key;
    }
}

TEST_F(CalcEditTest, PanelOpensWithF4AndTheButtonAndCloses)
{
    QTest::keyClick(edit, Qt::Key_F4);
    ASSERT_TRUE(edit->IsPanelOpen());
    CalcPanel* panel = edit->Panel();
    EXPECT_EQ(panel->size(), QSize(5 * 26 + 4, 4 * 24 + 12));
    EXPECT_EQ(panel->pos().x(), edit->mapToGlobal(QPoint(0, 0)).x());
    QTest::keyClick(panel, Qt::Key_Escape);
    EXPECT_FALSE(edit->IsPanelOpen());

    EXPECT_EQ(edit->PanelButton()->size(), QSize(15, 17));
    EXPECT_EQ(edit->PanelButton()->geometry().right(), edit->width() - 1);
    QTest::mouseClick(edit->PanelButton(), Qt::LeftButton);
    EXPECT_TRUE(edit->IsPanelOpen());
    QTest::keyClick(edit->Panel(), Qt::Key_F4);
    EXPECT_FALSE(edit->IsPanelOpen());
}

TEST_F(CalcEditTest, PanelButtonsCalculate)
{
    edit->OpenPanel();
    CalcPanel* panel = edit->Panel();
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->findChildren<QPushButton*>().size(), 19);
    const auto press = [panel](const char* caption) {
        QPushButton* button = panel->Button(QString::fromLatin1(caption));
        ASSERT_NE(button, nullptr) << caption;
        button->click();
    };
    for (const char* caption : {"1 ", "2 ", ". ", "5 ", "* ", "2 ", "= "})
        press(caption);
    EXPECT_EQ(edit->text(), Shown("25"));
    press("+/- ");
    EXPECT_EQ(edit->text(), QStringLiteral("-25"));
    press("+/- ");
    EXPECT_EQ(edit->text(), QStringLiteral("25"));
    press("C ");
    EXPECT_EQ(edit->text(), QStringLiteral("0"));
    press(". ");
    press("5 ");
    EXPECT_EQ(edit->text(), Shown("0,5"));
    press("+ ");
    press("4 ");
    press("% "); // 0,5 × 4 / 100
    EXPECT_EQ(edit->text(), Shown("0,02"));
}

TEST_F(CalcEditTest, PanelKeysAndEnterAppliesThePendingOperation)
{
    edit->OpenPanel();
    CalcPanel* panel = edit->Panel();
    Type(panel, QStringLiteral("2+3"));
    EXPECT_EQ(edit->text(), QStringLiteral("3"));
    QTest::keyClick(panel, Qt::Key_Backspace);
    EXPECT_EQ(edit->text(), QStringLiteral("0"));
    Type(panel, QStringLiteral("4,,5"));
    EXPECT_EQ(edit->text(), Shown("4,5"));
    QTest::keyClick(panel, Qt::Key_Return);
    EXPECT_EQ(edit->text(), Shown("6,5"));
    EXPECT_FALSE(edit->IsPanelOpen());
}

TEST(CalcPanelPlacement, BelowWhenItFitsOrThereIsNoRoomAboveElseAbove)
{
    CalcEdit edit;
    CalcPanel panel(&edit);
    const QRect screen(0, 0, 800, 600);
    struct Case {
        int editorTop;
        int expectedTop;
    };
    const int h = panel.height(); // 108
    const Case cases[] = {
        {100, 121},              // fits below
        {600 - h, 600 - h + 21}, // exactly fits
        {560, 560 - h},          // room above only
    };
    for (const Case& c : cases) {
        panel.PlaceAt(QRect(40, c.editorTop, 64, 21), screen);
        EXPECT_EQ(panel.pos(), QPoint(40, c.expectedTop)) << c.editorTop;
    }
    // A screen too small for either side: below.
    panel.PlaceAt(QRect(40, 50, 64, 21), QRect(0, 0, 800, 120));
    EXPECT_EQ(panel.pos(), QPoint(40, 71));
}

} // namespace
} // namespace kontaro::controls
