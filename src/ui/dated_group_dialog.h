#pragma once
// DatedGroupDialog: the modal dialog for one dated row of a product's group list: a
// date and a group chosen from the catalogue's groups. It refuses a date that
// another row of the list uses (DateList, OldDate counting as free). It never
// touches the data model: after OK the caller reads Day(), GroupText() and
// GroupID().
#include "model/day_number.h"

#include <QDialog>

#include <cstdint>
#include <optional>
#include <vector>

class QCalendarWidget;
class QComboBox;
class QLabel;
class QPushButton;

namespace kontaro::model {
class tGroups;
} // namespace kontaro::model

namespace kontaro::ui {

class DatedGroupDialog : public QDialog {
    Q_OBJECT
public:
    // Lists the groups as they are now; the dialog keeps no reference to them.
    DatedGroupDialog(QWidget* owner, const model::tGroups& groups);

    std::optional<model::DayNumber> OldDate;
    std::vector<model::DayNumber> DateList;

    // Chooses the entry of the group with this ID; the first entry when there is none.
    void SelectGroup(int32_t id);

    model::DayNumber Day() const;
    QString GroupText() const;
    // The chosen group's ID; nothing when there are no groups to choose from.
    std::optional<int32_t> GroupID() const;

    void FormCreate(const model::tGroups& groups);
    void FormShow();
    void TheDayClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QCalendarWidget* const TheDay_;
    QLabel* const groupLabel_;
    QComboBox* const comGroup_;
    QLabel* const ErrText_;
    QPushButton* const bOK_;
    QPushButton* const bCancel_;
    bool shown_ = false;
};

} // namespace kontaro::ui
