#include "ui/window/day_view_driver.h"

#include <QAbstractItemModel>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

namespace kontaro::test {

void DayViewDriver::ClickCell(int col, int row)
{
    const QRect rect = grid_.CellRect(col, row);
    ASSERT_FALSE(rect.isEmpty()) << "cell " << col << "/" << row << " not shown";
    QTest::mouseClick(grid_.viewport(), Qt::LeftButton, {}, rect.center());
}

void DayViewDriver::Type(const QString& text)
{
    ASSERT_FALSE(text.isEmpty());
    grid_.setFocus();
    QTest::keyClicks(&grid_, text.left(1));
    ASSERT_TRUE(grid_.IsEditing()) << "typing did not open an editor";
    QTest::keyClicks(grid_.Editor(), text.mid(1));
    QTest::keyClick(grid_.Editor(), Qt::Key_Return);
}

void DayViewDriver::TypeAt(int col, int row, const QString& text)
{
    ClickCell(col, row);
    Type(text);
}

void DayViewDriver::Key(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QWidget* target = grid_.IsEditing() ? grid_.Editor() : static_cast<QWidget*>(&grid_);
    QTest::keyClick(target, key, modifiers);
}

void DayViewDriver::ClickDate(const QDate& date)
{
    calendar_.setCurrentPage(date.year(), date.month());
    auto* view = calendar_.findChild<QTableView*>();
    QAbstractItemModel* model = view->model();
    // Days of the neighbouring months share the page: late days in the first week
    // row, early days in the last two.
    for (int row = 1; row < model->rowCount(); ++row) {
        for (int col = 0; col < model->columnCount(); ++col) {
            const int day = model->index(row, col).data().toInt();
            if (day != date.day() || (row == 1 && day > 7) || (row >= 5 && day < 15))
                continue;
            QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(model->index(row, col)).center());
            ASSERT_EQ(calendar_.Date(), date);
            return;
        }
    }
    FAIL() << "date not on the calendar page";
}

} // namespace kontaro::test
