#include "ui/new_group.h"

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

TNewGroup::TNewGroup(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                         | Qt::CustomizeWindowHint),
      eID(new LabeledEdit(this)),
      eName(new LabeledEdit(this)),
      ErrText(new QLabel(t::IDInUse(), this)),
      bOK(new QPushButton(t::ButtonOk(), this)),
      bCancel(new QPushButton(t::ButtonCancel(), this))
{
    setObjectName(QStringLiteral("TNewGroup"));
    setWindowTitle(t::GroupCaption());
    eID->setObjectName(QStringLiteral("eID"));
    eName->setObjectName(QStringLiteral("eName"));
    ErrText->setObjectName(QStringLiteral("ErrText"));
    bOK->setObjectName(QStringLiteral("bOK"));
    bCancel->setObjectName(QStringLiteral("bCancel"));

    eID->SetKind(LabeledEdit::Kind::Integer);
    eID->SetLabelText(t::LabelID());
    eID->SetPlaceholderText(t::EnterID());
    eID->SetMaxLength(kIDDigits);
    eID->SetText(QStringLiteral("0"));
    eID->SetValueValidate([this](const QString& value) { return eIDValueValidate(value); });

    eName->SetLabelText(t::LabelName());
    eName->SetPlaceholderText(t::EnterName());
    eName->SetMaxLength(kNameLength);
    RestrictToModelText(*eName);
    connect(eName, &LabeledEdit::Changed, this, &TNewGroup::eNameChange);

    ErrText->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    ErrText->setStyleSheet(QStringLiteral("color: #c00000;"));
    ErrText->hide();

    bOK->setDefault(true);
    connect(bOK, &QPushButton::clicked, this, &TNewGroup::accept);
    connect(bCancel, &QPushButton::clicked, this, &TNewGroup::reject);

    auto* fields = new QHBoxLayout;
    fields->addWidget(eID, 1);
    fields->addWidget(eName, 3);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ErrText, 1);
    buttons->addWidget(bOK);
    buttons->addWidget(bCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addStretch(1);
    layout->addLayout(buttons);
    setFixedSize(320, 133);
}

int32_t TNewGroup::GroupID() const { return eID->Text().toInt(); }

QString TNewGroup::GroupName() const { return eName->Text().trimmed(); }

void TNewGroup::showEvent(QShowEvent* event)
{
    if (!shown_) {
        shown_ = true;
        FormShow();
    }
    QDialog::showEvent(event);
}

void TNewGroup::FormShow()
{
    eIDValueValidate(eID->Text());
    eID->setFocus();
}

bool TNewGroup::eIDValueValidate(const QString& value)
{
    bool ok = false;
    const int32_t id = value.toInt(&ok);
    if (!ok) {
        // Not an ID at all: nothing may be confirmed with it.
        bOK->setEnabled(false);
        return false;
    }
    idInUse_ = id != OldID && std::find(IDList.begin(), IDList.end(), id) != IDList.end();
    ShowState();
    return !idInUse_;
}

void TNewGroup::eNameChange() { ShowState(); }

void TNewGroup::ShowState()
{
    const QString name = GroupName();
    const bool markup = NameHasMarkup(name);
    if (idInUse_ || markup) {
        ErrText->setText(idInUse_ ? t::IDInUse() : t::NameHasMarkup());
        ErrText->show();
    } else {
        ErrText->hide();
    }
    bOK->setEnabled(!idInUse_ && !markup && !name.isEmpty());
}

void TNewGroup::accept()
{
    eID->Finish();
    if (bOK->isEnabled())
        QDialog::accept();
}

} // namespace kontaro::ui
