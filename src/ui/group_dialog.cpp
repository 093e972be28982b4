#include "ui/group_dialog.h"

#include "controls/labeled_edit.h"
#include "ui/catalogue_fields.h"
#include "ui/catalogue_texts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace kontaro::ui {

namespace t = catalogue_texts;
using controls::LabeledEdit;

namespace {

// Nine digits always fit an int32, so a typed ID always converts.
constexpr int kIDDigits = 9;
constexpr int kNameLength = 40;

} // namespace

GroupDialog::GroupDialog(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::CustomizeWindowHint),
      eID_(new LabeledEdit(this)),
      eName_(new LabeledEdit(this)),
      ErrText_(new QLabel(t::IDInUse(), this)),
      bOK_(new QPushButton(t::ButtonOk(), this)),
      bCancel_(new QPushButton(t::ButtonCancel(), this))
{
    setObjectName(QStringLiteral("GroupDialog"));
    setWindowTitle(t::GroupCaption());
    eID_->setObjectName(QStringLiteral("eID"));
    eName_->setObjectName(QStringLiteral("eName"));
    ErrText_->setObjectName(QStringLiteral("ErrText"));
    bOK_->setObjectName(QStringLiteral("bOK"));
    bCancel_->setObjectName(QStringLiteral("bCancel"));

    eID_->SetKind(LabeledEdit::Kind::Integer);
    eID_->SetLabelText(t::LabelID());
    eID_->SetPlaceholderText(t::EnterID());
    eID_->SetMaxLength(kIDDigits);
    eID_->SetText(QStringLiteral("0"));
    eID_->SetValueValidate([this](const QString& value) { return eIDValueValidate(value); });

    eName_->SetLabelText(t::LabelName());
    eName_->SetPlaceholderText(t::EnterName());
    eName_->SetMaxLength(kNameLength);
    RestrictToModelText(*eName_);
    connect(eName_, &LabeledEdit::Changed, this, &GroupDialog::eNameChange);

    ErrText_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    ErrText_->setStyleSheet(QStringLiteral("color: #c00000;"));
    ErrText_->hide();

    bOK_->setDefault(true);
    connect(bOK_, &QPushButton::clicked, this, &GroupDialog::accept);
    connect(bCancel_, &QPushButton::clicked, this, &GroupDialog::reject);

    auto* fields = new QHBoxLayout;
    fields->addWidget(eID_, 1);
    fields->addWidget(eName_, 3);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ErrText_, 1);
    buttons->addWidget(bOK_);
    buttons->addWidget(bCancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addStretch(1);
    layout->addLayout(buttons);
    setFixedSize(320, 133);
}

void GroupDialog::ShowGroup(int32_t id, const QString& name)
{
    eID_->SetText(QString::number(id));
    eName_->SetText(name);
}

int32_t GroupDialog::GroupID() const { return eID_->Text().toInt(); }

QString GroupDialog::GroupName() const { return eName_->Text().trimmed(); }

void GroupDialog::showEvent(QShowEvent* event)
{
    if (!shown_) {
        shown_ = true;
        FormShow();
    }
    QDialog::showEvent(event);
}

void GroupDialog::FormShow()
{
    eIDValueValidate(eID_->Text());
    eID_->setFocus();
}

bool GroupDialog::eIDValueValidate(const QString& value)
{
    bool ok = false;
    const int32_t id = value.toInt(&ok);
    if (!ok) {
        // Not an ID at all: nothing may be confirmed with it.
        bOK_->setEnabled(false);
        return false;
    }
    idInUse_ = id != OldID && std::find(IDList.begin(), IDList.end(), id) != IDList.end();
    ShowState();
    return !idInUse_;
}

void GroupDialog::eNameChange() { ShowState(); }

void GroupDialog::ShowState()
{
    const QString name = GroupName();
    const bool markup = NameHasMarkup(name);
    if (idInUse_ || markup) {
        ErrText_->setText(idInUse_ ? t::IDInUse() : t::NameHasMarkup());
        ErrText_->show();
    } else {
        ErrText_->hide();
    }
    bOK_->setEnabled(!idInUse_ && !markup && !name.isEmpty());
}

void GroupDialog::accept()
{
    eID_->Finish();
    if (bOK_->isEnabled())
        QDialog::accept();
}

} // namespace kontaro::ui
