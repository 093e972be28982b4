#pragma once
// The month calendar and the date picker of the window. Both announce only the
// user's changes; setting the date from the program raises no notification, and
// the picker keeps its time of day when the program sets a date.
#include <QCalendarWidget>
#include <QDateTimeEdit>

namespace kontaro::ui {

class MonthCalendar : public QCalendarWidget {
    Q_OBJECT
public:
    explicit MonthCalendar(QWidget* parent = nullptr);
    void SetDate(const QDate& date);
    QDate Date() const { return selectedDate(); }

signals:
    // The user chose a date (a click, or the keys of the calendar).
    void UserChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool programmatic_ = false;
    bool clicking_ = false;
};

class DatePicker : public QDateTimeEdit {
    Q_OBJECT
public:
    explicit DatePicker(QWidget* parent = nullptr);
    void SetDate(const QDate& date);

signals:
    void UserChanged();

private:
    bool programmatic_ = false;
};

} // namespace kontaro::ui
