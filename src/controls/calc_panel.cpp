#include "controls/calc_panel.h"

#include "controls/calc_edit.h"

#include <QKeyEvent>
#include <QPushButton>

namespace kontaro::controls {

namespace {
// The captions by row and column; an empty caption leaves the place free.
const char* const kCaptions[4][5] = {
    {"7 ", "8 ", "9 ", "+ ", ""},
    {"4 ", "5 ", "6 ", "- ", "% "},
    {"1 ", "2 ", "3 ", "* ", "C "},
    {"0 ", "+/- ", ". ", "/ ", "= "},
};
} // namespace

CalcPanel::CalcPanel(CalcEdit* editor)
    : QFrame(editor, Qt::Popup | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), editor_(editor)
{
    setObjectName(QStringLiteral("CalcPanel"));
    // A click on the editor's button while the panel is open only closes it.
    setAttribute(Qt::WA_NoMouseReplay);
    setFrameShape(QFrame::Box);
    setFixedSize(5 * (kButtonWidth + kSpacing) + 4, 4 * kButtonHeight + 12);
    for (int row = 0; row < 4; ++row) {
        for (int col = 0; col < 5; ++col) {
            const QString caption = QString::fromLatin1(kCaptions[row][col]);
            if (caption.isEmpty())
                continue;
            auto* button = new QPushButton(caption, this);
            button->setObjectName(caption);
            button->setFocusPolicy(Qt::NoFocus);
            button->setGeometry(kSpacing + col * (kButtonWidth + kSpacing), kSpacing + row * (kButtonHeight + kSpacing),
                                kButtonWidth, kButtonHeight);
            connect(button, &QPushButton::clicked, this, [this, caption] { Pressed(caption); });
        }
    }
}

QPushButton* CalcPanel::Button(const QString& caption) const
{
    for (QPushButton* button : findChildren<QPushButton*>())
        if (button->text() == caption)
            return button;
    return nullptr;
}

void CalcPanel::PlaceAt(const QRect& editorGlobalRect, const QRect& screenRect)
{
    const int below = editorGlobalRect.top() + editorGlobalRect.height();
    const bool fitsBelow = editorGlobalRect.top() + height() <= screenRect.bottom() + 1;
    const bool roomAbove = editorGlobalRect.top() - height() >= screenRect.top();
    const int top = fitsBelow || !roomAbove ? below : editorGlobalRect.top() - height();
    move(editorGlobalRect.left(), top);
}

void CalcPanel::Pressed(const QString& caption)
{
    if (!editor_)
        return;
    const QChar first = caption.at(0);
    if (caption == QStringLiteral("+/- "))
        editor_->ToggleSign();
    else if (caption == QStringLiteral(". "))
        editor_->PanelDecimal();
    else if (caption == QStringLiteral("C "))
        editor_->ClearAll();
    else if (first.isDigit())
        editor_->PanelDigit(first);
    else if (first == QLatin1Char('+'))
        editor_->Calculate(CalcEdit::Operation::Add);
    else if (first == QLatin1Char('-'))
        editor_->Calculate(CalcEdit::Operation::Subtract);
    else if (first == QLatin1Char('*'))
        editor_->Calculate(CalcEdit::Operation::Multiply);
    else if (first == QLatin1Char('/'))
        editor_->Calculate(CalcEdit::Operation::Divide);
    else if (first == QLatin1Char('='))
        editor_->Equals();
    else if (first == QLatin1Char('%'))
        editor_->Percent();
}

void CalcPanel::keyPressEvent(QKeyEvent* event)
{
    event->accept();
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (editor_)
            editor_->Equals();
        hide();
        return;
    case Qt::Key_Escape:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_F4:
        hide();
        return;
    case Qt::Key_Backspace:
        if (editor_)
            editor_->PanelBackspace();
        return;
    default:
        break;
    }
    const QString typed = event->text();
    if (typed.size() != 1 || !editor_)
        return;
    const QChar c = typed.at(0);
    if (c.isDigit() && c.unicode() < 128)
        Pressed(QString(c) + QLatin1Char(' '));
    else if (c == editor_->DecimalSeparator())
        editor_->PanelDecimal();
    else if (c == QLatin1Char('C') || c == QLatin1Char('c'))
        editor_->ClearAll();
    else if (QStringLiteral("+-*/=%").contains(c))
        Pressed(QString(c) + QLatin1Char(' '));
}

} // namespace kontaro::controls
