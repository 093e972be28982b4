#include "ui/dated_value_dialog.h"

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

DatedValueDialog::DatedValueDialog(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::CustomizeWindowHint),
      TheDay_(new QCalendarWidget(this)),
      Value_(new LabeledEdit(this)),
      ErrText_(new QLabel(t::DateInUse(), this)),
      bOK_(new QPushButton(t::ButtonOk(), this)),
      bCancel_(new QPushButton(t::ButtonCancel(), this))
{
    setObjectName(QStringLiteral("DatedValueDialog"));
    setWindowTitle(t::DetailCaption());
    TheDay_->setObjectName(QStringLiteral("TheDay"));
    TheDay_->setAccessibleName(t::ColumnDate());
    Value_->setObjectName(QStringLiteral("Value"));
    ErrText_->setObjectName(QStringLiteral("ErrText"));
    bOK_->setObjectName(QStringLiteral("bOK"));
    bCancel_->setObjectName(QStringLiteral("bCancel"));

    TheDay_->setGridVisible(false);
    TheDay_->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    connect(TheDay_, &QCalendarWidget::selectionChanged, this, &DatedValueDialog::TheDayClick);

    Value_->SetLabelText(t::DetailValueLabel());
    Value_->SetMaxLength(kValueLength);
    Value_->SetText(LabeledEdit::RealText(0.0));
    RestrictToModelText(*Value_);
    SetValueKind(ValueKind::Real);
    connect(Value_, &LabeledEdit::Changed, this, &DatedValueDialog::ValueChange);

    ErrText_->setStyleSheet(QStringLiteral("color: #c00000;"));
    ErrText_->setWordWrap(true);
    ErrText_->hide();

    bOK_->setDefault(true);
    connect(bOK_, &QPushButton::clicked, this, &DatedValueDialog::accept);
    connect(bCancel_, &QPushButton::clicked, this, &DatedValueDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(bOK_);
    buttons->addWidget(bCancel_);
    auto* side = new QVBoxLayout;
    side->addWidget(Value_);
    side->addWidget(ErrText_);
    side->addStretch(1);
    side->addLayout(buttons);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(TheDay_);
    layout->addLayout(side, 1);
    setFixedSize(sizeHint().expandedTo(QSize(400, 164)));
}

void DatedValueDialog::SetValueKind(ValueKind kind)
{
    kind_ = kind;
    Value_->SetKind(kind == ValueKind::Real ? LabeledEdit::Kind::Real : LabeledEdit::Kind::Text);
    Value_->SetAlignment(kind == ValueKind::Real ? Qt::AlignRight : Qt::AlignLeft);
}

void DatedValueDialog::SetValueField(const QString& text, const QString& label, const QString& placeholder)
{
    Value_->SetText(text);
    Value_->SetLabelText(label);
    Value_->SetPlaceholderText(placeholder);
}

model::DayNumber DatedValueDialog::Day() const { return DayOfDate(TheDay_->selectedDate()); }

QString DatedValueDialog::ValueText() const
{
    if (kind_ == ValueKind::Real)
        return LabeledEdit::RealText(LabeledEdit::RealValue(Value_->Text()));
    return Value_->Text().trimmed();
}

void DatedValueDialog::showEvent(QShowEvent* event)
{
    if (!shown_) {
        shown_ = true;
        FormShow();
    }
    QDialog::showEvent(event);
}

void DatedValueDialog::FormShow()
{
    const model::DayNumber shown = OldDate ? *OldDate : FirstDayOfCurrentMonth();
    const QSignalBlocker quiet(TheDay_);
    TheDay_->setSelectedDate(DateOfDay(shown));
    TheDayClick();
    Value_->setFocus();
}

void DatedValueDialog::TheDayClick()
{
    dateTaken_ = DateTaken(Day(), OldDate, DateList);
    ShowState();
}

void DatedValueDialog::ValueChange() { ShowState(); }

void DatedValueDialog::ShowState()
{
    const QString value = Value_->Text().trimmed();
    const bool markup = kind_ == ValueKind::Name && NameHasMarkup(value);
    if (dateTaken_ || markup) {
        ErrText_->setText(dateTaken_ ? t::DateInUse() : t::NameHasMarkup());
        ErrText_->show();
    } else {
        ErrText_->hide();
    }
    bOK_->setEnabled(!dateTaken_ && !markup && !value.isEmpty());
}

void DatedValueDialog::accept()
{
    Value_->Finish();
    if (bOK_->isEnabled())
        QDialog::accept();
}

} // namespace kontaro::ui
