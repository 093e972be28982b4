#pragma once
// The pickers "Von:" and "Bis:" of the pages that compute over a period, and their
// month rule: choosing From sets To to From plus the number of days of From's
// month, minus one (from 2005-01-31 to 2005-03-02); a To before From is replaced
// the same way. The rule runs only on the user's changes and when a page calls it.
#include <QString>

class QBoxLayout;
class QWidget;

namespace kontaro::ui {

class DatePicker;

// A labelled picker added to `row`, named `name` (its label `name` + "Label"); a
// screen reader finds it by the caption.
DatePicker* AddPeriodPicker(QWidget& owner, QBoxLayout& row, const char* name, const QString& caption);

// From's rule: To := From + days of From's month - 1.
void FollowFromMonth(const DatePicker& from, DatePicker& to);
// To's rule: a To before From is replaced as FollowFromMonth does.
void KeepToAfterFrom(const DatePicker& from, DatePicker& to);

} // namespace kontaro::ui
