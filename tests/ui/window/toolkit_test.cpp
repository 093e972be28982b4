// The toolkit layer: the German message boxes, the page control and the date
// controls that notify only on the user's changes.
#include "ui/date_controls.h"
#include "ui/page_control.h"
#include "ui/qt_prompts.h"
#include "ui/qt_translations.h"
#include "ui/texts.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace kontaro::test {
namespace {

namespace texts = ui::texts;
using ui::Answer;

// Runs `inspect` on the message box once it is shown, from inside its own loop.
template <class Inspect>
void WhenBoxShown(Inspect inspect)
{
    QTimer::singleShot(0, [inspect] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        inspect(*box);
    });
}

QStringList ButtonTexts(const QMessageBox& box)
{
    QStringList result;
    for (QAbstractButton* button : box.buttons())
        result << button->text();
    result.sort();
    return result;
}

QAbstractButton* ButtonWithText(const QMessageBox& box, const QString& text)
{
    for (QAbstractButton* button : box.buttons())
        if (button->text() == text)
            return button;
    return nullptr;
}

TEST(QtPromptsTest, WarningIsAGermanBoxWithOk)
{
    ui::QtUserPrompts prompts;
    bool seen = false;
    WhenBoxShown([&seen](QMessageBox& box) {
        seen = true;
        EXPECT_EQ(box.windowTitle(), texts::WarningCaption());
        EXPECT_EQ(box.icon(), QMessageBox::Warning);
        EXPECT_EQ(box.text(), QStringLiteral("Produkt existiert nicht!"));
        EXPECT_EQ(ButtonTexts(box), QStringList{QStringLiteral("OK")});
        box.buttons().constFirst()->click();
    });
    prompts.Warning(nullptr, QStringLiteral("Produkt existiert nicht!"));
    EXPECT_TRUE(seen);
}

TEST(QtPromptsTest, QuestionsAnswerWithTheButtonPressed)
{
    const struct {
        bool withCancel;
        QString press; // empty: the box is closed with Escape
        Answer expected;
    } cases[] = {
        {false, texts::ButtonYes(), Answer::Yes}, {false, texts::ButtonNo(), Answer::No},
        {false, QString(), Answer::No},           {true, texts::ButtonYes(), Answer::Yes},
        {true, texts::ButtonNo(), Answer::No},    {true, texts::ButtonCancel(), Answer::Cancel},
        {true, QString(), Answer::Cancel},
    };
    ui::QtUserPrompts prompts;
    for (const auto& c : cases) {
        SCOPED_TRACE(
            (c.press + (c.withCancel ? QStringLiteral(" of three") : QStringLiteral(" of two"))).toStdString());
        WhenBoxShown([&c](QMessageBox& box) {
            EXPECT_EQ(box.windowTitle(), texts::ConfirmCaption());
            EXPECT_EQ(box.icon(), QMessageBox::Question);
            QStringList expected{texts::ButtonYes(), texts::ButtonNo()};
            if (c.withCancel)
                expected << texts::ButtonCancel();
            expected.sort();
            EXPECT_EQ(ButtonTexts(box), expected);
            if (c.press.isEmpty()) {
                QTest::keyClick(&box, Qt::Key_Escape);
            } else {
                QAbstractButton* button = ButtonWithText(box, c.press);
                ASSERT_NE(button, nullptr);
                button->click();
            }
        });
        const Answer answer = c.withCancel ? prompts.ConfirmYesNoCancel(nullptr, QStringLiteral("?"))
                                           : prompts.ConfirmYesNo(nullptr, QStringLiteral("?"));
        EXPECT_EQ(answer, c.expected);
    }
}

TEST(QtTranslationsTest, QtsOwnDialogTextsBecomeGerman)
{
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!QFile::exists(folder + QStringLiteral("/qtbase_de.qm")))
        GTEST_SKIP() << "no German Qt translation installed";
    ASSERT_TRUE(ui::InstallQtTranslations(*QCoreApplication::instance()));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "&Open"), QStringLiteral("&Öffnen"));
}

TEST(PageControlTest, AnnouncesOnlyTheUsersChange)
{
    ui::PageControl pages;
    for (const char* caption : {"A", "B", "C"})
        pages.addTab(new QWidget, QString::fromLatin1(caption));
    QList<std::pair<int, int>> calls;
    bool allow = true;
    pages.SetChangingHandler([&](int leaving, int entering) {
        calls.append({leaving, entering});
        return allow;
    });
    pages.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&pages));

    pages.SetActivePage(2);
    EXPECT_TRUE(calls.isEmpty());

    QTabBar* bar = pages.tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
    ASSERT_EQ(calls.size(), 1);
    EXPECT_EQ(calls[0], std::make_pair(2, 1));
    EXPECT_EQ(pages.currentIndex(), 1);

    allow = false;
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(0).center());
    EXPECT_EQ(calls.size(), 2);
    EXPECT_EQ(pages.currentIndex(), 1);

    pages.SetPagesVisible(false);
    pages.SetPagesVisible(true);
    EXPECT_EQ(calls.size(), 2);
}

// The centre of the calendar cell that shows `day` of the shown month (a day
// number that occurs once on the page).
QPoint CellOfDay(QCalendarWidget& calendar, int day)
{
    auto* view = calendar.findChild<QTableView*>();
    QAbstractItemModel* model = view->model();
    for (int row = 1; row < model->rowCount(); ++row)
        for (int col = 0; col < model->columnCount(); ++col)
            if (model->index(row, col).data().toInt() == day)
                return view->visualRect(model->index(row, col)).center();
    return {};
}

TEST(MonthCalendarTest, NotifiesOncePerUserChangeAndNeverForTheProgram)
{
    ui::MonthCalendar calendar;
    QSignalSpy changes(&calendar, &ui::MonthCalendar::UserChanged);
    calendar.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&calendar));

    calendar.SetDate(QDate(2005, 3, 15));
    EXPECT_EQ(changes.count(), 0);

    QWidget* viewport = calendar.findChild<QTableView*>()->viewport();
    QTest::mouseClick(viewport, Qt::LeftButton, {}, CellOfDay(calendar, 20));
    EXPECT_EQ(calendar.Date(), QDate(2005, 3, 20));
    EXPECT_EQ(changes.count(), 1);

    // A click on the date already chosen is a choice too.
    QTest::mouseClick(viewport, Qt::LeftButton, {}, CellOfDay(calendar, 20));
    EXPECT_EQ(changes.count(), 2);

    QTest::keyClick(calendar.findChild<QTableView*>(), Qt::Key_Right);
    EXPECT_EQ(calendar.Date(), QDate(2005, 3, 21));
    EXPECT_EQ(changes.count(), 3);
}

TEST(DatePickerTest, ProgramDatesKeepTheTimeAndRaiseNothing)
{
    ui::DatePicker picker;
    picker.setDateTime(QDateTime(QDate(2005, 1, 1), QTime(13, 45)));
    QSignalSpy changes(&picker, &ui::DatePicker::UserChanged);
    picker.SetDate(QDate(2005, 3, 31));
    EXPECT_EQ(picker.dateTime(), QDateTime(QDate(2005, 3, 31), QTime(13, 45)));
    EXPECT_EQ(picker.text(), QStringLiteral("05-03-31"));
    EXPECT_EQ(changes.count(), 0);

    picker.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&picker));
    picker.setFocus();
    picker.setCurrentSection(QDateTimeEdit::DaySection);
    QTest::keyClick(&picker, Qt::Key_Down);
    EXPECT_EQ(picker.date(), QDate(2005, 3, 30));
    EXPECT_EQ(changes.count(), 1);
}

} // namespace
} // namespace kontaro::test
