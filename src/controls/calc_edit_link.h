#pragma once
// CalcEditLink: the edit link of the calculator columns. Every edit gets a new
// CalcEdit without a border, so no calculation carries over from one edit to the
// next; its value is the text it shows.
#include "controls/edit_link.h"

namespace kontaro::controls {

class CalcEditLink final : public EditLink {
public:
    QWidget* CreateEditor(QWidget* parent) override;
    void SetEditorValue(QWidget* editor, const QString& text) override;
    QString EditorValue(const QWidget* editor) const override;
};

} // namespace kontaro::controls
