#include "controls/edit_link.h"

#include <QLineEdit>
#include <QRegularExpressionValidator>

namespace kontaro::controls {

QWidget* LineEditLink::CreateEditor(QWidget* parent)
{
    auto* editor = new QLineEdit(parent);
    editor->setFrame(false);
    if (numeric_) {
        editor->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("-?[0-9]*")), editor));
    }
    return editor;
}

void LineEditLink::SetEditorValue(QWidget* editor, const QString& text)
{
    auto* line = static_cast<QLineEdit*>(editor);
    line->setText(text);
    line->selectAll();
}

QString LineEditLink::EditorValue(const QWidget* editor) const { return static_cast<const QLineEdit*>(editor)->text(); }

} // namespace kontaro::controls
