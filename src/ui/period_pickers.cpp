#include "ui/period_pickers.h"

#include "ui/date_controls.h"

#include <QBoxLayout>
#include <QLabel>

namespace kontaro::ui {

namespace {

constexpr int kLabelWidth = 41;
constexpr int kPickerWidth = 186;

} // namespace

DatePicker* AddPeriodPicker(QWidget& owner, QBoxLayout& row, const char* name, const QString& caption)
{
    auto* label = new QLabel(caption, &owner);
    label->setObjectName(QLatin1StringView(name) + QStringLiteral("Label"));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setMinimumWidth(kLabelWidth);
    auto* picker = new DatePicker(&owner);
    picker->setObjectName(QLatin1StringView(name));
    picker->setMinimumWidth(kPickerWidth);
    // A screen reader, and a test from outside, finds the picker by its label.
    picker->setAccessibleName(caption);
    label->setBuddy(picker);
    row.addWidget(label);
    row.addWidget(picker);
    return picker;
}

void FollowFromMonth(const DatePicker& from, DatePicker& to)
{
    const QDate date = from.date();
    to.SetDate(date.addDays(date.daysInMonth() - 1));
}

void KeepToAfterFrom(const DatePicker& from, DatePicker& to)
{
    if (from.date() > to.date())
        FollowFromMonth(from, to);
}

} // namespace kontaro::ui
