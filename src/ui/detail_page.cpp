#include "ui/detail_page.h"

#include "controls/labeled_edit.h"
#include "ui/catalogue_fields.h"
#include "ui/catalogue_texts.h"
#include "ui/day_dates.h"
#include "ui/dialog_dates.h"

#include <QCalendarWidget>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kontaro::ui {

namespace t = catalogue_texts;
using controls::LabeledEdit;

namespace {

constexpr int kValueLength = 40;

} // namespace

TDetailPage::TDetailPage(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                         | Qt::CustomizeWindowHint),
      TheDay(new QCalendarWidget(this)),
      Value(new LabeledEdit(this)),
      ErrText(new QLabel(t::DateInUse(), this)),
      bOK(new QPushButton(t::ButtonOk(), this)),
      bCancel(new QPushButton(t::ButtonCancel(), this))
{
    setObjectName(QStringLiteral("TDetailPage"));
    setWindowTitle(t::DetailCaption());
    TheDay->setObjectName(QStringLiteral("TheDay"));
    Value->setObjectName(QStringLiteral("Value"));
    ErrText->setObjectName(QStringLiteral("ErrText"));
    bOK->setObjectName(QStringLiteral("bOK"));
    bCancel->setObjectName(QStringLiteral("bCancel"));

    TheDay->setGridVisible(false);
    TheDay->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    connect(TheDay, &QCalendarWidget::selectionChanged, this, &TDetailPage::TheDayClick);

    Value->SetLabelText(t::DetailValueLabel());
    Value->SetMaxLength(kValueLength);
    Value->SetText(LabeledEdit::RealText(0.0));
    RestrictToModelText(*Value);
    SetValueKind(ValueKind::Real);
    connect(Value, &LabeledEdit::Changed, this, &TDetailPage::ValueChange);

    ErrText->setStyleSheet(QStringLiteral("color: #c00000;"));
    ErrText->setWordWrap(true);
    ErrText->hide();

    bOK->setDefault(true);
    connect(bOK, &QPushButton::clicked, this, &TDetailPage::accept);
    connect(bCancel, &QPushButton::clicked, this, &TDetailPage::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(bOK);
    buttons->addWidget(bCancel);
    auto* side = new QVBoxLayout;
    side->addWidget(Value);
    side->addWidget(ErrText);
    side->addStretch(1);
    side->addLayout(buttons);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(TheDay);
    layout->addLayout(side, 1);
    setFixedSize(sizeHint().expandedTo(QSize(400, 164)));
}

void TDetailPage::SetValueKind(ValueKind kind)
{
    kind_ = kind;
    Value->SetKind(kind == ValueKind::Real ? LabeledEdit::Kind::Real : LabeledEdit::Kind::Text);
    Value->SetAlignment(kind == ValueKind::Real ? Qt::AlignRight : Qt::AlignLeft);
}

DayNumber TDetailPage::Day() const { return DayOfDate(TheDay->selectedDate()); }

QString TDetailPage::ValueText() const
{
    if (kind_ == ValueKind::Real)
        return LabeledEdit::RealText(LabeledEdit::RealValue(Value->Text()));
    return Value->Text().trimmed();
}

void TDetailPage::showEvent(QShowEvent* event)
{
    if (!shown_) {
        shown_ = true;
        FormShow();
    }
    QDialog::showEvent(event);
}

void TDetailPage::FormShow()
{
    const DayNumber shown = OldDate ? *OldDate : FirstDayOfCurrentMonth();
    const QSignalBlocker quiet(TheDay);
    TheDay->setSelectedDate(DateOfDay(shown));
    TheDayClick();
    Value->setFocus();
}

void TDetailPage::TheDayClick()
{
    dateTaken_ = DateTaken(Day(), OldDate, DateList);
    ShowState();
}

void TDetailPage::ValueChange() { ShowState(); }

void TDetailPage::ShowState()
{
    const QString value = Value->Text().trimmed();
    const bool markup = kind_ == ValueKind::Name && NameHasMarkup(value);
    if (dateTaken_ || markup) {
        ErrText->setText(dateTaken_ ? t::DateInUse() : t::NameHasMarkup());
        ErrText->show();
    } else {
        ErrText->hide();
    }
    bOK->setEnabled(!dateTaken_ && !markup && !value.isEmpty());
}

void TDetailPage::accept()
{
    Value->Finish();
    if (bOK->isEnabled())
        QDialog::accept();
}

} // namespace kontaro::ui
