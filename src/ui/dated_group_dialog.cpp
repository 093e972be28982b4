#include "ui/dated_group_dialog.h"

#include "controls/qt_format_text.h"
#include "model/catalogue.h"
#include "ui/catalogue_texts.h"
#include "ui/day_dates.h"
#include "ui/dialog_dates.h"
#include "ui/model_text.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kontaro::ui {

namespace t = catalogue_texts;

DatedGroupDialog::DatedGroupDialog(QWidget* owner, const model::tGroups& groups)
    : QDialog(owner),
      TheDay_(new QCalendarWidget(this)),
      groupLabel_(new QLabel(t::LabelGroup(), this)),
      comGroup_(new QComboBox(this)),
      ErrText_(new QLabel(t::DateInUse(), this)),
      bOK_(new QPushButton(t::ButtonOk(), this)),
      bCancel_(new QPushButton(t::ButtonCancel(), this))
{
    setObjectName(QStringLiteral("DatedGroupDialog"));
    setWindowTitle(t::GroupDetailCaption());
    TheDay_->setObjectName(QStringLiteral("TheDay"));
    TheDay_->setAccessibleName(t::ColumnDate());
    groupLabel_->setObjectName(QStringLiteral("GroupLabel"));
    comGroup_->setObjectName(QStringLiteral("comGroup"));
    ErrText_->setObjectName(QStringLiteral("ErrText"));
    bOK_->setObjectName(QStringLiteral("bOK"));
    bCancel_->setObjectName(QStringLiteral("bCancel"));

    TheDay_->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    connect(TheDay_, &QCalendarWidget::selectionChanged, this, &DatedGroupDialog::TheDayClick);
    comGroup_->setEditable(false);
    groupLabel_->setBuddy(comGroup_);
    ErrText_->setStyleSheet(QStringLiteral("color: #c00000;"));
    ErrText_->setWordWrap(true);
    ErrText_->hide();

    bOK_->setDefault(true);
    connect(bOK_, &QPushButton::clicked, this, &DatedGroupDialog::accept);
    connect(bCancel_, &QPushButton::clicked, this, &DatedGroupDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(bOK_);
    buttons->addWidget(bCancel_);
    auto* side = new QVBoxLayout;
    side->addWidget(groupLabel_);
    side->addWidget(comGroup_);
    side->addWidget(ErrText_);
    side->addStretch(1);
    side->addLayout(buttons);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(TheDay_);
    layout->addLayout(side, 1);
    resize(sizeHint().expandedTo(QSize(409, 194)));

    FormCreate(groups);
}

void DatedGroupDialog::FormCreate(const model::tGroups& groups)
{
    comGroup_->clear();
    for (int i = 0; i < groups.Count(); ++i) {
        const model::tGroup& group = groups.Item(i);
        comGroup_->addItem(
            controls::FormatText(t::GroupChoice(), {QString::number(group.ID), FromModelText(group.Name)}), group.ID);
    }
}

void DatedGroupDialog::SelectGroup(int32_t id)
{
    const int index = comGroup_->findData(id);
    comGroup_->setCurrentIndex(index >= 0 ? index : 0);
}

model::DayNumber DatedGroupDialog::Day() const { return DayOfDate(TheDay_->selectedDate()); }

QString DatedGroupDialog::GroupText() const { return comGroup_->currentText(); }

std::optional<int32_t> DatedGroupDialog::GroupID() const
{
    if (comGroup_->currentIndex() < 0)
        return std::nullopt;
    return comGroup_->currentData().toInt();
}

void DatedGroupDialog::showEvent(QShowEvent* event)
{
    if (!shown_) {
        shown_ = true;
        FormShow();
    }
    QDialog::showEvent(event);
}

void DatedGroupDialog::FormShow()
{
    const model::DayNumber shown = OldDate ? *OldDate : FirstDayOfCurrentMonth();
    const QSignalBlocker quiet(TheDay_);
    TheDay_->setSelectedDate(DateOfDay(shown));
    TheDayClick();
    TheDay_->setFocus();
}

void DatedGroupDialog::TheDayClick()
{
    const bool taken = DateTaken(Day(), OldDate, DateList);
    ErrText_->setVisible(taken);
    bOK_->setEnabled(!taken && comGroup_->count() > 0);
}

} // namespace kontaro::ui
