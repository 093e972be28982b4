#pragma once
// The shape the pages "Summenansicht" and "Gruppenansicht" share: a period chosen
// with the pickers "Von:" and "Bis:", "&Berechnen", the grid holding the summary of
// a period with its footer of totals, and the buttons that print and export the
// grid. The rows come from the page's calculation (calc::PeriodSummary or
// calc::GroupSummary) through the view builder; the page computes nothing itself.
//
// The rows and the footer's dates always belong together: the footer shows the
// period the grid was computed for, and GridPeriod() is that period. The pickers
// alone show the period the next calculation uses; changing them leaves the grid
// as it is. The empty grid of start-up, New and Load shows the pickers' period of
// that moment.
//
// The print and export buttons are enabled by a calculation that finds stored
// days and disabled at start-up, New and Load; their clicks belong to the print
// and export commands. Messages go through Prompts(). The page refers to the
// project it is given for its whole lifetime.
#include "calc/text_grid.h"
#include "model/day_number.h"
#include "model/project_file.h"
#include "numbers/number_locale.h"

#include <QString>
#include <QWidget>

#include <functional>
#include <string>

class QPushButton;

namespace kontaro::grid {
class PlainGrid;
}
namespace kontaro::controls {
class ColumnGrid;
}

namespace kontaro::ui {

class DatePicker;

// A period of days, both ends included.
struct SummaryPeriod {
    model::DayNumber from = 0;
    model::DayNumber to = 0;
    friend bool operator==(const SummaryPeriod&, const SummaryPeriod&) = default;
};

class SummaryPage : public QWidget {
    Q_OBJECT
public:
    ~SummaryPage() override;

    DatePicker& FromPicker() { return *from_; }
    DatePicker& ToPicker() { return *to_; }
    controls::ColumnGrid& Grid() { return *grid_; }
    // The period whose summary the grid holds, and whose dates its footer shows.
    SummaryPeriod GridPeriod() const { return gridPeriod_; }
    // The period the pickers show: the one the next calculation uses.
    SummaryPeriod PickerPeriod() const;

    QPushButton& CalcButton() { return *calc_; }
    QPushButton& PrintButton() { return *print_; }
    QPushButton& PrintSettingsButton() { return *printSettings_; }
    QPushButton& ExportButton() { return *export_; }
    QPushButton& ExportDailyButton() { return *exportDaily_; }

    // New and Load: the grid becomes the empty one of start-up for the pickers'
    // period (a hidden column of the set-up hidden again), and the print and export
    // buttons are disabled until the next calculation that finds stored days.
    void ProjectReset();

protected:
    using Summary = calc::SummaryResult (*)(const model::Project&, model::DayNumber, model::DayNumber,
                                            const std::string&, const numbers::NumberLocale&);
    // What tells the two pages apart: their components' object names, the grid's
    // set-up, the calculation and the footer columns of the period's dates.
    struct Plan {
        const char* fromName;
        const char* toName;
        const char* gridName;
        const char* waitName;
        Qt::Alignment waitAlignment;
        const char* calcName;
        const char* printName;
        const char* printSettingsName;
        const char* exportName;
        const char* exportDailyName;
        void (*setup)(grid::PlainGrid&);
        Summary summary;
        int fromDateColumn;
        int toDateColumn;
    };

    // Starts on the current month: From on its first day, then FromChange.
    // `fileName` gives the project file's full path (empty for an unsaved project).
    SummaryPage(model::Project& project, std::function<QString()> fileName, const Plan& plan,
                QWidget* parent = nullptr);

    // From's handler: To becomes From plus the number of days of From's month, minus
    // one (from 2005-01-31 to 2005-03-02).
    void FromChange();
    // To's handler: a To before From is replaced as FromChange does.
    void ToChange();
    // Writes the dates of the period the grid holds into the footer.
    void ShowPeriod();
    // "&Berechnen": fills the grid with the summary of the pickers' period. A period
    // without stored days leaves the empty grid (the footer's first text kept) and
    // warns when `fromUser`; the buttons then keep their state.
    void Calculate(bool fromUser);

private:
    void CreateComponents();
    void SetOutputsEnabled(bool enabled);

    model::Project& project_;
    std::function<QString()> fileName_;
    const Plan plan_;
    SummaryPeriod gridPeriod_;

    DatePicker* from_ = nullptr;
    DatePicker* to_ = nullptr;
    controls::ColumnGrid* grid_ = nullptr;
    QPushButton* calc_ = nullptr;
    QPushButton* print_ = nullptr;
    QPushButton* printSettings_ = nullptr;
    QPushButton* export_ = nullptr;
    QPushButton* exportDaily_ = nullptr;
};

} // namespace kontaro::ui
