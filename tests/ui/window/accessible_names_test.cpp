// Every button, picker and list of the window has an accessible name, so that a screen
// reader can say what it is and a test driving the program from outside can find it.
#include "ui/window/window_fixture.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QCalendarWidget>
#include <QComboBox>
#include <QDateTimeEdit>

#include <gtest/gtest.h>

namespace kontaro::test {
namespace {

class AccessibleNamesTest : public WindowTest {};

template <typename Widget>
void ExpectNamed(QWidget& root, const char* kind)
{
    for (Widget* widget : root.findChildren<Widget*>()) {
        // Qt's own parts (a tool bar's extension button, a calendar's month view, the
        // headers and corner button of a list) name themselves or stand for their owner.
        if (widget->objectName().startsWith(QStringLiteral("qt_")) ||
            qobject_cast<QAbstractItemView*>(widget->parentWidget()))
            continue;
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        ASSERT_NE(accessible, nullptr) << kind;
        EXPECT_FALSE(accessible->text(QAccessible::Name).isEmpty())
            << kind << " " << widget->objectName().toStdString() << " has no accessible name";
        EXPECT_FALSE(accessible->text(QAccessible::Name).contains(QLatin1Char('&')))
            << kind << " " << widget->objectName().toStdString();
    }
}

TEST_F(AccessibleNamesTest, EveryButtonPickerAndListOfTheWindowIsNamed)
{
    StartWithCatalogue();
    ExpectNamed<QAbstractButton>(Main(), "button");
    ExpectNamed<QCalendarWidget>(Main(), "calendar");
    ExpectNamed<QDateTimeEdit>(Main(), "date picker");
    ExpectNamed<QComboBox>(Main(), "choice");
    ExpectNamed<QAbstractItemView>(Main(), "list");
}

} // namespace
} // namespace kontaro::test
