#pragma once
// Drives the day view as a user does: clicks on cells, typed characters, Enter,
// Tab, Insert and Delete, clicks in the calendar.
#include "controls/column_grid.h"
#include "grid/plain_grid.h"
#include "ui/date_controls.h"

#include <QDate>
#include <QString>

namespace kontaro::test {

class DayViewDriver {
public:
    DayViewDriver(controls::ColumnGrid& grid, ui::MonthCalendar& calendar) : grid_(grid), calendar_(calendar) {}

    grid::PlainGrid& Grid() { return grid_.Grid(); }
    std::string Cell(int col, int row) { return Grid().Cell(col, row); }
    QString Shown(int col, int row) { return QString::fromStdString(Grid().DisplayText(col, row)); }

    void ClickCell(int col, int row);
    // Types `text` into the cursor cell (the first character opens the editor) and
    // ends with Enter.
    void Type(const QString& text);
    // Clicks the cell, then types.
    void TypeAt(int col, int row, const QString& text);
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // Clicks the calendar's cell of that date (shown in the calendar's month).
    void ClickDate(const QDate& date);

private:
    controls::ColumnGrid& grid_;
    ui::MonthCalendar& calendar_;
};

} // namespace kontaro::test
