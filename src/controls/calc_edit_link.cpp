#include "controls/calc_edit_link.h"

#include "controls/calc_edit.h"

namespace kontaro::controls {

QWidget* CalcEditLink::CreateEditor(QWidget* parent) { return new CalcEdit(parent); }

void CalcEditLink::SetEditorValue(QWidget* editor, const QString& text)
{
    auto* calc = static_cast<CalcEdit*>(editor);
    calc->setText(text);
    calc->selectAll();
}

QString CalcEditLink::EditorValue(const QWidget* editor) const { return static_cast<const CalcEdit*>(editor)->text(); }

} // namespace kontaro::controls
