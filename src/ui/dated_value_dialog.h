#pragma once
// DatedValueDialog: the modal dialog for one dated row of a product's name, purchase
// price, sales price or tax rate lists. It refuses a date that another row of the
// same list uses (DateList, OldDate counting as free) and an empty value; a name
// must not hold "<" or ">". It never touches the data model: after OK the caller
// reads Day() and ValueText().
#include "model/day_number.h"

#include <QDialog>

#include <optional>
#include <vector>

class QCalendarWidget;
class QLabel;
class QPushButton;

namespace kontaro::controls {
class LabeledEdit;
}

namespace kontaro::ui {

class DatedValueDialog : public QDialog {
    Q_OBJECT
public:
    enum class ValueKind {
        Name, // a text; typing leaves at most 40 characters, a longer stored name stays whole
        Real, // a number shown with two decimals
    };

    explicit DatedValueDialog(QWidget* owner);

    // The date of the row being changed, which counts as free; nothing for a new row.
    std::optional<model::DayNumber> OldDate;
    // The dates of the rows of the list the row belongs to.
    std::vector<model::DayNumber> DateList;

    void SetValueKind(ValueKind kind);
    ValueKind GetValueKind() const { return kind_; }
    // The value field's text, label and placeholder, set before the dialog is shown.
    void SetValueField(const QString& text, const QString& label, const QString& placeholder);

    model::DayNumber Day() const;
    // The value as confirmed: a name without leading and trailing blanks, or the
    // two-decimal text of a real value.
    QString ValueText() const;

    void FormShow();
    void TheDayClick();
    void ValueChange();

    // A real value is completed before OK is taken, whether or not its field was left.
    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void ShowState();

    QCalendarWidget* const TheDay_;
    controls::LabeledEdit* const Value_;
    QLabel* const ErrText_;
    QPushButton* const bOK_;
    QPushButton* const bCancel_;
    ValueKind kind_ = ValueKind::Real;
    bool dateTaken_ = false;
    bool shown_ = false;
};

} // namespace kontaro::ui
