#include "ui/group_detail.h"

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

TGroupDetail::TGroupDetail(QWidget* owner, const tGroups& groups)
    : QDialog(owner),
      TheDay(new QCalendarWidget(this)),
      Label1(new QLabel(t::LabelGroup(), this)),
      comGroup(new QComboBox(this)),
      ErrText(new QLabel(t::DateInUse(), this)),
      bOK(new QPushButton(t::ButtonOk(), this)),
      bCancel(new QPushButton(t::ButtonCancel(), this))
{
    setObjectName(QStringLiteral("TGroupDetail"));
    setWindowTitle(t::GroupDetailCaption());
    TheDay->setObjectName(QStringLiteral("TheDay"));
    Label1->setObjectName(QStringLiteral("Label1"));
    comGroup->setObjectName(QStringLiteral("comGroup"));
    ErrText->setObjectName(QStringLiteral("ErrText"));
    bOK->setObjectName(QStringLiteral("bOK"));
    bCancel->setObjectName(QStringLiteral("bCancel"));

    TheDay->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    connect(TheDay, &QCalendarWidget::selectionChanged, this, &TGroupDetail::TheDayClick);
    comGroup->setEditable(false);
    Label1->setBuddy(comGroup);
    ErrText->setStyleSheet(QStringLiteral("color: #c00000;"));
    ErrText->setWordWrap(true);
    ErrText->hide();

    bOK->setDefault(true);
    connect(bOK, &QPushButton::clicked, this, &TGroupDetail::accept);
    connect(bCancel, &QPushButton::clicked, this, &TGroupDetail::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(bOK);
    buttons->addWidget(bCancel);
    auto* side = new QVBoxLayout;
    side->addWidget(Label1);
    side->addWidget(comGroup);
    side->addWidget(ErrText);
    side->addStretch(1);
    side->addLayout(buttons);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(TheDay);
    layout->addLayout(side, 1);
    resize(sizeHint().expandedTo(QSize(409, 194)));

    FormCreate(groups);
}

void TGroupDetail::FormCreate(const tGroups& groups)
{
    comGroup->clear();
    for (int i = 0; i < groups.Count(); ++i) {
        const tGroup& group = groups.Item(i);
        comGroup->addItem(t::GroupChoice().arg(group.ID).arg(FromModelText(group.Name)), group.ID);
    }
}

void TGroupDetail::SelectGroup(int32_t id)
{
    const int index = comGroup->findData(id);
    comGroup->setCurrentIndex(index >= 0 ? index : 0);
}

DayNumber TGroupDetail::Day() const { return DayOfDate(TheDay->selectedDate()); }

QString TGroupDetail::GroupText() const { return comGroup->currentText(); }

std::optional<int32_t> TGroupDetail::GroupID() const
{
    if (comGroup->currentIndex() < 0)
        return std::nullopt;
    return comGroup->currentData().toInt();
}

void TGroupDetail::showEvent(QShowEvent* event)
{
    if (!shown_) {
        shown_ = true;
        FormShow();
    }
    QDialog::showEvent(event);
}

void TGroupDetail::FormShow()
{
    const DayNumber shown = OldDate ? *OldDate : FirstDayOfCurrentMonth();
    const QSignalBlocker quiet(TheDay);
    TheDay->setSelectedDate(DateOfDay(shown));
    TheDayClick();
    TheDay->setFocus();
}

void TGroupDetail::TheDayClick()
{
    const bool taken = DateTaken(Day(), OldDate, DateList);
    ErrText->setVisible(taken);
    bOK->setEnabled(!taken && comGroup->count() > 0);
}

} // namespace kontaro::ui
