#include "controls/labeled_edit.h"

#include <QBoxLayout>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QValidator>

#include <algorithm>

namespace kontaro::controls {

namespace {

// Refuses every input that holds a character the field does not accept, so that
// typing or pasting such a character leaves the text as it was. A character the
// text already holds (set by the program) stays editable around.
class CharacterValidator : public QValidator {
public:
    // `shown` is the text as it was before the edit being checked.
    CharacterValidator(std::function<bool(char32_t)> accepts, const QString& shown, QObject* parent)
        : QValidator(parent), accepts_(std::move(accepts)), shown_(shown)
    {}

    State validate(QString& input, int&) const override
    {
        const QList<uint> present = shown_.toUcs4();
        for (const char32_t c : input.toUcs4()) {
            if (!accepts_(c) && !present.contains(c))
                return Invalid;
        }
        return Acceptable;
    }

private:
    std::function<bool(char32_t)> accepts_;
    const QString& shown_;
};

bool IsIn(char32_t codePoint, const QString& characters)
{
    for (const char32_t c : characters.toUcs4()) {
        if (c == codePoint)
            return true;
    }
    return false;
}

} // namespace

LabeledEdit::LabeledEdit(QWidget* parent)
    : QWidget(parent),
      layout_(new QBoxLayout(QBoxLayout::TopToBottom, this)),
      label_(new QLabel(this)),
      edit_(new QLineEdit(this))
{
    layout_->setContentsMargins(0, 0, 0, 0);
    layout_->setSpacing(2);
    layout_->addWidget(label_);
    layout_->addWidget(edit_, 1);
    label_->setBuddy(edit_);
    setFocusProxy(edit_);
    edit_->setValidator(new CharacterValidator([this](char32_t c) { return Accepts(c); }, shown_, this));
    edit_->installEventFilter(this);
    connect(edit_, &QLineEdit::textChanged, this, [this](const QString& text) {
        shown_ = text;
        emit Changed(text);
    });
}

void LabeledEdit::SetKind(Kind kind)
{
    kind_ = kind;
    edit_->setInputMethodHints(kind == Kind::Text      ? Qt::ImhNone
                               : kind == Kind::Integer ? Qt::ImhDigitsOnly
                                                       : Qt::ImhFormattedNumbersOnly);
}

void LabeledEdit::SetLabelPosition(LabelPosition position)
{
    layout_->setDirection(position == LabelPosition::Above ? QBoxLayout::TopToBottom : QBoxLayout::LeftToRight);
    layout_->setSpacing(position == LabelPosition::Above ? 2 : 8);
}

void LabeledEdit::SetLabelText(const QString& text) { label_->setText(text); }
QString LabeledEdit::LabelText() const { return label_->text(); }
void LabeledEdit::SetPlaceholderText(const QString& text) { edit_->setPlaceholderText(text); }
QString LabeledEdit::PlaceholderText() const { return edit_->placeholderText(); }
void LabeledEdit::SetMaxLength(int length)
{
    maxLength_ = length;
    AllowLength(edit_->text().size());
}

int LabeledEdit::MaxLength() const { return maxLength_; }

void LabeledEdit::AllowLength(qsizetype programLength)
{
    // The line edit cuts every text to its own limit, the program's too; it gets
    // room for the program's text, so only typing is held to the field's limit.
    edit_->setMaxLength(int(std::max<qsizetype>(maxLength_, programLength)));
}
void LabeledEdit::SetAlignment(Qt::Alignment alignment) { edit_->setAlignment(alignment); }
void LabeledEdit::SetCharacterFilter(CharacterFilter filter) { filter_ = std::move(filter); }
QString LabeledEdit::Text() const { return edit_->text(); }
void LabeledEdit::SetText(const QString& text)
{
    AllowLength(text.size());
    edit_->setText(text);
}
void LabeledEdit::SetCursorPosition(int position) { edit_->setCursorPosition(position); }

bool LabeledEdit::Accepts(char32_t codePoint) const
{
    if (filter_ && !filter_(codePoint))
        return false;
    const bool digit = codePoint >= U'0' && codePoint <= U'9';
    switch (kind_) {
    case Kind::Text:
        return true;
    case Kind::Integer:
        return digit;
    case Kind::Real: {
        const QLocale locale;
        return digit || IsIn(codePoint, locale.decimalPoint()) || IsIn(codePoint, locale.groupSeparator());
    }
    }
    return false;
}

void LabeledEdit::Finish()
{
    if (kind_ == Kind::Integer && edit_->text().isEmpty())
        edit_->setText(QStringLiteral("0"));
    else if (kind_ == Kind::Real)
        edit_->setText(RealText(RealValue(edit_->text())));
    valid_ = validate_ ? validate_(edit_->text()) : true;
}

bool LabeledEdit::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == edit_) {
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
                !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
                focusNextChild();
                return true;
            }
        } else if (event->type() == QEvent::FocusOut) {
            // Only leaving for another control of the window counts; a message box
            // or a menu taking the focus for a while does not.
            const auto reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
                Finish();
        }
    }
    return QWidget::eventFilter(watched, event);
}

QString LabeledEdit::RealText(double value, const QLocale& locale)
{
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    return plain.toString(value, 'f', 2);
}

double LabeledEdit::RealValue(const QString& text, const QLocale& locale)
{
    QString digits = text;
    for (const QChar c : locale.groupSeparator())
        digits.remove(c);
    bool ok = false;
    const double value = locale.toDouble(digits, &ok);
    return ok ? value : 0.0;
}

} // namespace kontaro::controls
