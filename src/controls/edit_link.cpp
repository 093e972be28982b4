#include "controls/edit_link.h"

#include <QLineEdit>
#include <QRegularExpressionValidator>

#include "controls/calc_edit.h"
#include "controls/calc_edit_link.h"

namespace kontaro::controls {

QWidget* LineEditLink::CreateEditor(QWidget* parent)
{
    auto* editor = new QLineEdit(parent);
    editor->setFrame(false);
    if (numeric_) {
        editor->setValidator(new QRegularExpressionValidator(
            QRegularExpression(QStringLiteral("-?[0-9]*")), editor));
    }
    return editor;
}

void LineEditLink::SetEditorValue(QWidget* editor, const QString& text)
{
    auto* line = static_cast<QLineEdit*>(editor);
    line->setText(text);
    line->selectAll();
}

QString LineEditLink::EditorValue(const QWidget* editor) const
{
    return static_cast<const QLineEdit*>(editor)->text();
}

QWidget* CalcEditLink::CreateEditor(QWidget* parent) { return new CalcEdit(parent); }

void CalcEditLink::SetEditorValue(QWidget* editor, const QString& text)
{
    auto* calc = static_cast<CalcEdit*>(editor);
    calc->setText(text);
    calc->selectAll();
}

QString CalcEditLink::EditorValue(const QWidget* editor) const
{
    return static_cast<const CalcEdit*>(editor)->text();
}

} // namespace kontaro::controls
