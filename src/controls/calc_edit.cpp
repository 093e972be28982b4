#include "controls/calc_edit.h"

#include "controls/calc_panel.h"
#include "numbers/number_text.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLocale>
#include <QScreen>
#include <QToolButton>

namespace kontaro::controls {

namespace {
constexpr int kButtonWidth = 15;
constexpr int kButtonHeight = 17;
const QString kZero = QStringLiteral("0");
} // namespace

CalcEdit::CalcEdit(QWidget* parent) : QLineEdit(parent)
{
    const QLocale locale;
    decimal_ = locale.decimalPoint().isEmpty() ? QLatin1Char('.') : locale.decimalPoint().at(0);
    thousand_ = locale.groupSeparator().isEmpty() ? QChar() : locale.groupSeparator().at(0);
    setFrame(false);
    setContextMenuPolicy(Qt::NoContextMenu);

    button_ = new QToolButton(this);
    button_->setObjectName(QStringLiteral("CalcButton"));
    button_->setFocusPolicy(Qt::NoFocus);
    button_->setCursor(Qt::ArrowCursor);
    button_->setText(QStringLiteral("\u2026"));
    button_->setFixedSize(kButtonWidth, kButtonHeight);
    connect(button_, &QToolButton::clicked, this, &CalcEdit::TogglePanel);
    setTextMargins(0, 0, kButtonWidth, 0);
    PlaceButton();
}

// The panel is a child and goes with the editor.
CalcEdit::~CalcEdit() = default;

bool CalcEdit::IsPanelOpen() const { return panel_ && panel_->isVisible(); }

CalcPanel* CalcEdit::Panel() const { return panel_; }

double CalcEdit::TextValue(bool* ok) const
{
    QString plain = text();
    plain.replace(decimal_, QLatin1Char('.'));
    const auto value = numbers::ParseNumber(plain.toStdString(), '.');
    if (ok)
        *ok = value.has_value() || plain.trimmed().isEmpty();
    return value.value_or(0.0);
}

QString CalcEdit::Formatted(long double value) const
{
    double shown = double(value);
    if (shown == 0)
        shown = 0; // no "-0"
    QString result = QString::number(shown, 'g', 15);
    result.replace(QLatin1Char('.'), decimal_);
    return result;
}

void CalcEdit::ApplyPending()
{
    const long double a = TextValue();
    switch (pending_) {
    case Operation::Add:
        accumulator_ = accumulator_ + a;
        break;
    case Operation::Subtract:
        accumulator_ = accumulator_ - a;
        break;
    case Operation::Multiply:
        accumulator_ = accumulator_ * a;
        break;
    case Operation::Divide:
        accumulator_ = a == 0 ? 0 : accumulator_ / a;
        break;
    case Operation::None:
        accumulator_ = a;
        break;
    }
    setText(Formatted(accumulator_));
    newNumber_ = true;
}

void CalcEdit::Calculate(Operation next)
{
    ApplyPending();
    pending_ = next;
}

void CalcEdit::Equals()
{
    ApplyPending();
    if (text().isEmpty())
        setText(kZero);
    accumulator_ = TextValue();
    pending_ = Operation::None;
}

void CalcEdit::Percent() { setText(Formatted(accumulator_ * TextValue() / 100)); }

void CalcEdit::ClearEntry()
{
    setText(kZero);
    newNumber_ = true;
    pending_ = Operation::None;
}

void CalcEdit::ClearAll()
{
    setText(kZero);
    accumulator_ = 0;
    pending_ = Operation::None;
}

void CalcEdit::PanelDigit(QChar digit)
{
    if (text() == kZero || newNumber_) {
        setText(QString(digit));
        newNumber_ = false;
    } else {
        setText(text() + digit);
    }
}

void CalcEdit::PanelDecimal()
{
    // A new number starts with "0," so that the separator never joins the
    // result shown before.
    if (text() == kZero || newNumber_) {
        setText(kZero + decimal_);
        newNumber_ = false;
    } else if (!text().contains(decimal_)) {
        setText(text() + decimal_);
    }
}

void CalcEdit::PanelBackspace()
{
    QString shown = text();
    shown.chop(1);
    setText(shown.isEmpty() ? kZero : shown);
}

void CalcEdit::ToggleSign()
{
    const QString shown = text();
    if (shown.contains(QLatin1Char('-')))
        setText(shown.mid(1));
    else
        setText(QLatin1Char('-') + shown);
}

bool CalcEdit::CalculatorCharacter(QChar c)
{
    switch (c.unicode()) {
    case '+':
        Calculate(Operation::Add);
        return true;
    case '-':
        Calculate(Operation::Subtract);
        return true;
    case '*':
        Calculate(Operation::Multiply);
        return true;
    case '/':
        Calculate(Operation::Divide);
        return true;
    case '=':
        Equals();
        return true;
    case '%':
        Percent();
        return true;
    case 'C':
    case 'c':
        ClearEntry();
        return true;
    default:
        return false;
    }
}

void CalcEdit::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_F4:
        TogglePanel();
        event->accept();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        event->ignore(); // the grid's keys
        return;
    case Qt::Key_Backspace:
        if (text().size() == 1 && !hasSelectedText()) {
            setText(kZero);
            event->accept();
            return;
        }
        [[fallthrough]];
    case Qt::Key_Delete:
        // An empty cell could not be left (the row needs its value), so no
        // deletion leaves the text empty.
        QLineEdit::keyPressEvent(event);
        if (text().isEmpty())
            setText(kZero);
        return;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
        QLineEdit::keyPressEvent(event);
        return;
    default:
        break;
    }
    if (event == QKeySequence::SelectAll || event == QKeySequence::Copy) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    event->accept();
    const QString typed = event->text();
    if (typed.size() != 1 || (event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)))
        return;
    const QChar c = typed.at(0);
    if (CalculatorCharacter(c))
        return;
    if (c.isDigit() && c.unicode() < 128) {
        if (text() == kZero || newNumber_) {
            setText(QString(c));
            end(false);
            newNumber_ = false;
            return;
        }
        insert(QString(c));
        return;
    }
    if (c == decimal_) {
        if (newNumber_) {
            setText(kZero + decimal_);
            end(false);
            newNumber_ = false;
            return;
        }
        // The separator a selection would replace does not count.
        QString remaining = text();
        if (hasSelectedText())
            remaining.remove(selectionStart(), selectedText().size());
        if (!remaining.contains(decimal_))
            insert(QString(c));
        return;
    }
    // The thousand separator, letters and every other character are ignored.
}

void CalcEdit::resizeEvent(QResizeEvent* event)
{
    QLineEdit::resizeEvent(event);
    PlaceButton();
}

void CalcEdit::PlaceButton() { button_->move(width() - kButtonWidth, std::max(0, (height() - kButtonHeight) / 2)); }

void CalcEdit::OpenPanel()
{
    if (IsPanelOpen())
        return;
    if (!panel_)
        panel_ = new CalcPanel(this);
    QScreen* shown = screen() ? screen() : QGuiApplication::primaryScreen();
    const QRect screenRect = shown ? shown->geometry() : QRect(0, 0, 1024, 768);
    panel_->PlaceAt(QRect(mapToGlobal(QPoint(0, 0)), size()), screenRect);
    panel_->show();
    panel_->setFocus(Qt::PopupFocusReason);
}

void CalcEdit::ClosePanel()
{
    if (panel_)
        panel_->hide();
}

void CalcEdit::TogglePanel()
{
    if (IsPanelOpen())
        ClosePanel();
    else
        OpenPanel();
}

} // namespace kontaro::controls
