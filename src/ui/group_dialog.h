#pragma once
// GroupDialog: the modal dialog for the ID and the name of a new or a changed group.
// It never touches the data model: after OK the caller reads GroupID() and
// GroupName() and creates or changes the tGroup itself. OK is possible only with
// an ID that no other group uses (IDList, OldID counting as free) and a non-empty
// name without "<" and ">"; the name is given without leading and trailing blanks.
#include <QDialog>

#include <cstdint>
#include <vector>

class QLabel;
class QPushButton;

namespace kontaro::controls {
class LabeledEdit;
}

namespace kontaro::ui {

class GroupDialog : public QDialog {
    Q_OBJECT
public:
    explicit GroupDialog(QWidget* owner);

    // The IDs of the groups in use, set by the caller before the dialog is shown.
    std::vector<int32_t> IDList;
    // The ID of the group being changed, which counts as free; -1 for a new group.
    int32_t OldID = -1;

    // Fills the fields with the ID and the name of the group being changed.
    void ShowGroup(int32_t id, const QString& name);

    int32_t GroupID() const;
    QString GroupName() const;

    void FormShow();
    // Checks the ID field's text; true when it is an ID the group may have.
    bool eIDValueValidate(const QString& value);
    void eNameChange();

    // OK checks the ID once more, since a shortcut may press OK while the ID field
    // still has the focus and has not been checked.
    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void ShowState();

    controls::LabeledEdit* const eID_;
    controls::LabeledEdit* const eName_;
    QLabel* const ErrText_;
    QPushButton* const bOK_;
    QPushButton* const bCancel_;
    bool idInUse_ = false;
    bool shown_ = false;
};

} // namespace kontaro::ui
