#pragma once
// TillImportDialog: what importing a till's export would do, before anything
// changes. It shows the preview (per day the entries written or replaced, the
// excluded amounts, the difference between the till's and the catalogue's gross),
// lets the user choose the day rule, the mode for days with entries and a product
// for every article without one, and ends with "Importieren" or "Abbrechen". It
// reads the project only; the caller applies the plan.
#include "model/project_file.h"
#include "till/import_plan.h"

#include <QDialog>
#include <QString>

class QComboBox;
class QPlainTextEdit;
class QTableWidget;

namespace kontaro::ui {

class TillImportDialog : public QDialog {
    Q_OBJECT
public:
    // `sales` were read from `source` with `rule`.
    TillImportDialog(const model::Project& project, QString source, till::TillSales sales, till::DayRule rule,
                     QWidget* parent = nullptr);

    // What "Importieren" applies.
    const till::ImportPlan& Plan() const { return plan_; }
    const till::ArticleChoices& Choices() const { return choices_; }

private:
    void ChangeDayRule();
    void FillArticles();
    void Refresh();

    const model::Project& project_;
    QString source_;
    till::TillSales sales_;
    till::DayRule rule_;
    till::ArticleChoices choices_;
    till::ImportPlan plan_;

    QComboBox* dayRule_ = nullptr;
    QComboBox* mode_ = nullptr;
    QPlainTextEdit* preview_ = nullptr;
    QTableWidget* articles_ = nullptr;
};

// The command "Datei" -> "Kassendaten importieren...": asks for the export (a ZIP
// or the index.xml of a folder), stores the day view's grid, shows the dialog and,
// on "Importieren", applies the plan (unsaved, like typing) and shows the first
// imported day. A broken export gives its German message and changes nothing.
class DayView;
void ImportTillData(QWidget* owner, model::Project& project, DayView& dayView);

} // namespace kontaro::ui
