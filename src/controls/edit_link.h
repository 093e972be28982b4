#pragma once
// An edit link makes the editor of a grid column. The grid asks it for a fresh
// editor each time editing of a cell starts, puts the cell's text into it, shows it
// over the cell and, when the edit ends, takes the editor's value as the cell's new
// text. The grid owns the editor (as a child widget) and deletes it afterwards.
//
// Keys: Enter, Escape, Tab, Backtab, Up, Down, Page Up and Page Down always go to
// the grid, which ends the edit; all other keys stay in the editor.
#include <QString>

class QWidget;

namespace kontaro::controls {

class EditLink {
public:
    virtual ~EditLink() = default;
    virtual QWidget* CreateEditor(QWidget* parent) = 0;
    virtual void SetEditorValue(QWidget* editor, const QString& text) = 0;
    virtual QString EditorValue(const QWidget* editor) const = 0;
};

// A plain one-line editor; with numeric set it takes only digits and a leading minus.
class LineEditLink final : public EditLink {
public:
    explicit LineEditLink(bool numeric) : numeric_(numeric) {}
    QWidget* CreateEditor(QWidget* parent) override;
    void SetEditorValue(QWidget* editor, const QString& text) override;
    QString EditorValue(const QWidget* editor) const override;

private:
    bool numeric_;
};

} // namespace kontaro::controls
