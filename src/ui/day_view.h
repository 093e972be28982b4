#pragma once
// The day view (page "Tagesansicht"): the sales of one calendar day in the grid
// gDayView, the month calendar CalDay that chooses the day, the print and export
// buttons and the operating hints. The grid is a working copy of the day
// CurrentDay: CalDayClick (the day switch) is the one step that writes it back
// into the project's days and loads another day. Every figure comes from the
// calculations; the handlers only move texts between the grid and the data,
// except that a value cell the user did not edit stores the exact value it was
// shown from, not its two-decimal text.
//
// Keyboard: Ctrl+Tab in the grid moves the focus to the calendar, whose arrow
// keys switch the day (the switch hands the focus back to the grid); Enter there
// returns to the grid without a switch.
//
// Messages go through Prompts(). The page refers to the project it is given for
// its whole lifetime.
#include "model/day_number.h"
#include "model/project_file.h"

#include <QString>
#include <QWidget>

#include <functional>
#include <optional>
#include <string>

class QGroupBox;
class QLabel;
class QPushButton;

namespace kontaro::grid {
class PlainGrid;
}
namespace kontaro::controls {
class ColumnGrid;
class HtmlLabel;
} // namespace kontaro::controls

namespace kontaro::ui {

class DayUndo;
class MonthCalendar;

class DayView : public QWidget {
    Q_OBJECT
public:
    // `fileName` gives the project file's full path (empty for an unsaved project).
    DayView(model::Project& project, std::function<QString()> fileName, QWidget* parent = nullptr);
    ~DayView() override;

    // The day the grid shows and stores into; starts as today.
    model::DayNumber CurrentDay = 0;
    // While true the day switch stores the grid before it loads the next day.
    bool StoreDayOnSwitch = true;
    // True while the window itself moves the grid's cursor: every row change is allowed.
    bool DayGridBusy = false;

    // For the main window, which sets the calendar's day and gives the grid the focus.
    MonthCalendar& CalDay() { return *calDay_; }
    controls::ColumnGrid& gDayView() { return *gDayView_; }
    QPushButton& ExportButton() { return *bDayExport_; }
    // "Drucken..." and "Drucker Einstellungen...", for the print commands.
    QPushButton& PrintButton() { return *bDayPrint_; }
    QPushButton& PrintSettingsButton() { return *bDayPrintSet_; }
    grid::PlainGrid& Grid();
    // The grid's edits since the day was shown.
    DayUndo& Undo() { return *undo_; }
    // Ctrl+Z and Ctrl+Y: an open edit is committed first (given up when refused),
    // so that it is the step undone.
    void UndoEdit();
    void RedoEdit();
    // Stores the grid into CurrentDay's day and leaves the grid as it is (an open
    // edit stays open and is not stored): for a copy of the project.
    void StoreShownDay() { StoreGrid(); }

    // The day switch: drops an incomplete cursor row, stores the grid into
    // CurrentDay's day when StoreDayOnSwitch is set (deleting that day when the
    // grid holds no product), then shows the calendar's day.
    void CalDayClick();
    // Sets the calendar to `day` and shows it without storing the grid first: for a
    // grid whose rows must not reach the days (a reset's empty grid, a day the
    // program has just written itself).
    void ShowDayWithoutStoring(model::DayNumber day);

    // The grid's events.
    void gDayViewCellValidate(int col, int row, std::string& value, bool& valid);
    void gDayViewCellsChanged();
    void gDayViewRowChanging(int oldRow, int newRow, bool& allow);
    void gDayViewColChanging(int oldCol, int newCol, bool& allow);
    void gDayViewCanInsertRow(int row, bool& canInsert);
    void gDayViewAutoInsertRow(int row);
    void gDayViewCanDeleteRow(int row, bool& canDelete);
    void gDayViewAutoDeleteRow(int row);
    void DayFooterPercent(int col, int row, std::string& value);

signals:
    // The user changed the shown day's rows (an edit, undo or redo).
    void DayEdited();

protected:
    // Ctrl+Tab leads from the grid, which keeps Tab for its cells, to the calendar.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateComponents();
    void ConnectGrid();
    // The column-1 check of a typed or present product ID, with its messages and,
    // when valid, its effects on the row's flags, "Menge" and name.
    bool ValidateProduct(int row, const std::string& text);
    // The column a row's entry value is typed in: "Verkauf (B)" for a product
    // with a variable sales price, else "Menge".
    int ValueColumn(int row) const;
    // The value the row's entry stores; nothing when its text is no number.
    std::optional<double> EntryValue(int row) const;
    // The cursor row holds no entry worth keeping: no product, or a value of 0.
    bool CursorRowIncomplete() const;
    void StoreGrid();
    // Fills the grid with CurrentDay's stored entries (calc::StoredDayGrid through
    // the view builder), cursor on the last of them.
    void LoadDay();
    // The flags of a stored entry's row: the column its value is typed in is the
    // editable one and keeps the exact stored value behind its two-decimal text;
    // an entry whose product is missing is warned of.
    void MarkStoredEntry(int row, const model::tDayEntry& entry);
    QString ProductName(int productIndex, model::DayNumber day) const;

    model::Project& project_;
    std::function<QString()> fileName_;
    DayUndo* undo_ = nullptr;
    // True while the day switch fills the grid: its row changes are no edits.
    bool switching_ = false;

    controls::ColumnGrid* gDayView_ = nullptr;
    MonthCalendar* calDay_ = nullptr;
    QPushButton* bDayPrint_ = nullptr;
    QPushButton* bDayPrintSet_ = nullptr;
    QPushButton* bDayExport_ = nullptr;
    QGroupBox* HintBox_ = nullptr;
    controls::HtmlLabel* DayHint_ = nullptr;
    QLabel* pleaseWait_ = nullptr;
};

} // namespace kontaro::ui
