#include "ui/date_controls.h"

#include <QEvent>
#include <QTableView>

namespace kontaro::ui {

namespace {
// The program's short date text; every date the window shows uses it.
QString ShortDateFormat() { return QStringLiteral("yy-MM-dd"); }
} // namespace

MonthCalendar::MonthCalendar(QWidget* parent) : QCalendarWidget(parent)
{
    setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    // A click on a date, also on the one already selected, is one user change; it
    // also changes the selection, which must then not count a second time.
    if (auto* view = findChild<QTableView*>()) {
        view->installEventFilter(this);
        view->viewport()->installEventFilter(this);
    }
    connect(this, &QCalendarWidget::selectionChanged, this, [this] {
        if (!programmatic_ && !clicking_)
            emit UserChanged();
    });
    connect(this, &QCalendarWidget::clicked, this, [this] {
        clicking_ = false;
        if (!programmatic_)
            emit UserChanged();
    });
}

bool MonthCalendar::eventFilter(QObject* watched, QEvent* event)
{
    // The selection follows the mouse from the press on; the click that ends it is
    // the one notification.
    if (event->type() == QEvent::MouseButtonPress)
        clicking_ = true;
    else if (event->type() == QEvent::KeyPress)
        clicking_ = false;
    return QCalendarWidget::eventFilter(watched, event);
}

void MonthCalendar::SetDate(const QDate& date)
{
    programmatic_ = true;
    setSelectedDate(date);
    programmatic_ = false;
}

DatePicker::DatePicker(QWidget* parent) : QDateTimeEdit(parent)
{
    setCalendarPopup(true);
    setDisplayFormat(ShortDateFormat());
    connect(this, &QDateTimeEdit::dateChanged, this, [this] {
        if (!programmatic_)
            emit UserChanged();
    });
}

void DatePicker::SetDate(const QDate& date)
{
    programmatic_ = true;
    setDateTime(QDateTime(date, time()));
    programmatic_ = false;
}

} // namespace kontaro::ui
