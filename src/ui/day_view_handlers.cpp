// The day view's handlers: the day switch, showing entries, the checks of typed
// values and the row figures. The page's widgets are built in day_view.cpp.
#include "calc/day_grid.h"
#include "calc/entry_figures.h"
#include "calc/shown_value.h"
#include "columns/grid_columns.h"
#include "controls/column_grid.h"
#include "controls/qt_number_locale.h"
#include "grid/day_entry_marks.h"
#include "grid/grid_setups.h"
#include "grid/plain_grid.h"
#include "ui/date_controls.h"
#include "ui/day_dates.h"
#include "ui/day_undo.h"
#include "ui/day_view.h"
#include "ui/model_text.h"
#include "ui/texts.h"
#include "ui/user_prompts.h"
#include "views/filled_grid.h"

#include <algorithm>
#include <memory>
#include <optional>

namespace kontaro::ui {

using namespace columns::day;

namespace {

// Restores a flag on every way out of a scope.
class FlagScope {
public:
    explicit FlagScope(bool& flag) : flag_(flag), saved_(flag) { flag_ = true; }
    ~FlagScope() { flag_ = saved_; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

private:
    bool& flag_;
    bool saved_;
};

std::string Utf8(const QString& text) { return text.toStdString(); }

} // namespace

grid::PlainGrid& DayView::Grid() { return gDayView_->Grid(); }

QString DayView::ProductName(int productIndex, model::DayNumber day) const
{
    const model::tProduct& product = project_.Products.Item(productIndex);
    // A product read from a file may lack a name; its row then shows none.
    if (product.Name.Count() == 0)
        return QString();
    std::string name;
    product.Name.ValueAt(day, name);
    return FromModelText(name);
}

int DayView::ValueColumn(int row) const { return gDayView_->Grid().IsCellReadOnly(Menge, row) ? VerkaufB : Menge; }

std::optional<double> DayView::EntryValue(int row) const
{
    // An unedited cell stores the value it was shown from, not its rounded text.
    return gDayView_->Grid().ExactNumber(ValueColumn(row), row);
}

bool DayView::CursorRowIncomplete() const
{
    const grid::PlainGrid& grid = gDayView_->Grid();
    const int row = grid.CursorRow();
    if (grid.Cell(Produkt, row).empty())
        return true;
    // A stored entry of a product that left the catalogue has no figures but
    // still holds the user's data: it is kept.
    const std::optional<int32_t> id = grid.CellAsInteger(Produkt, row);
    if (!id || project_.Products.IndexOfID(*id) < 0)
        return false;
    // Whether the row sells anything is its quantity (or amount), not its gross
    // figure: a free item with a purchase cost is an entry.
    return EntryValue(row).value_or(0.0) == 0.0;
}

void DayView::CalDayClick()
{
    grid::PlainGrid& grid = Grid();
    // An edit still open (a shortcut such as Ctrl+S while typing) belongs to the
    // shown day; a refused one is given up, as the day it was typed for goes.
    if (gDayView_->IsEditing() && !gDayView_->CommitEditor())
        gDayView_->CancelEditor();
    DayGridBusy = true;
    FlagScope switching(switching_);
    const model::DayNumber shownDay = CurrentDay;
    grid.BeginUpdate();

    if (CursorRowIncomplete())
        grid.RemoveRow(grid.CursorRow());
    grid.SetCursor(Produkt, grid.FirstDataRow());

    if (StoreDayOnSwitch)
        StoreGrid();

    CurrentDay = DayOfDate(calDay_->Date());
    LoadDay();

    grid.EndUpdate();
    // Storing the shown day and showing it again (a save) keeps its history.
    if (StoreDayOnSwitch && CurrentDay == shownDay)
        undo_->Rebase();
    else
        undo_->Reset();
    if (gDayView_->isVisible())
        gDayView_->setFocus();
    DayGridBusy = false;
}

void DayView::ShowDayWithoutStoring(model::DayNumber day)
{
    calDay_->SetDate(DateOfDay(day));
    StoreDayOnSwitch = false;
    CalDayClick();
    StoreDayOnSwitch = true;
}

void DayView::StoreGrid()
{
    const grid::PlainGrid& grid = gDayView_->Grid();
    model::tDays& days = project_.Days;

    // Rows without a product hold no entry; a day is never stored without entries.
    bool anyProduct = false;
    for (int row = grid.FirstDataRow(); row <= grid.LastDataRow(); ++row)
        anyProduct = anyProduct || !grid.Cell(Produkt, row).empty();
    if (!anyProduct) {
        days.DeleteDate(CurrentDay);
        return;
    }

    int index = days.IndexOfDate(CurrentDay);
    if (index < 0) {
        auto created = std::make_unique<model::tDay>();
        created->Date = CurrentDay;
        index = days.AddDay(created);
    }
    model::tDay& day = days.Item(index);
    day.Clear();
    for (int row = grid.FirstDataRow(); row <= grid.LastDataRow(); ++row) {
        if (grid.Cell(Produkt, row).empty())
            continue;
        auto entry = std::make_unique<model::tDayEntry>();
        entry->ProductID = grid.CellAsInteger(Produkt, row).value_or(0);
        entry->Value = EntryValue(row).value_or(0.0);
        // The checks keep product IDs unique per day; a duplicate would stay with us.
        day.AddEntry(entry);
    }
}

void DayView::LoadDay()
{
    grid::PlainGrid& grid = Grid();
    // The rows of the day shown before go, and with them their cells' own flags.
    grid.SetRowCount(3);
    grid.ClearRow(grid.FirstDataRow());
    grid.SetCursor(Produkt, grid.FirstDataRow());

    // The footer's name and date are those every stored day's grid shows, the exports'
    // day sheets included; its sums are the grid's own, kept up to date while typing.
    views::FillGrid(grid, calc::StoredDayGrid(project_, CurrentDay, Utf8(fileName_()), controls::SystemNumberLocale()));
    const int dayIndex = project_.Days.IndexOfDate(CurrentDay);
    const int count = dayIndex >= 0 ? project_.Days.Item(dayIndex).Count() : 0;
    for (int entry = 0; entry < count; ++entry)
        MarkStoredEntry(grid.FirstDataRow() + entry, project_.Days.Item(dayIndex).Entry(entry));
    grid.SetCursor(Produkt, grid.FirstDataRow() + std::max(count, 1) - 1);
    grid.RecalcFooter();
}

void DayView::MarkStoredEntry(int row, const model::tDayEntry& entry)
{
    const int productIndex = project_.Products.IndexOfID(entry.ProductID);
    const bool variable = productIndex >= 0 && project_.Products.Item(productIndex).VerkaufVariabel;
    grid::MarkDayEntryRow(Grid(), row, variable);
    Grid().SetExactNumber(ValueColumn(row), row, entry.Value);
    if (productIndex < 0)
        Prompts().Warning(window(), texts::UnknownProductEntry());
}

bool DayView::ValidateProduct(int row, const std::string& text)
{
    grid::PlainGrid& grid = Grid();
    const std::optional<int32_t> id = calc::ReadCellInteger(text);
    if (!id)
        return false;
    const int productIndex = project_.Products.IndexOfID(*id);
    if (productIndex < 0) {
        Prompts().Warning(window(), texts::ProductMissing());
        return false;
    }
    for (int other = grid.FirstDataRow(); other <= grid.LastDataRow(); ++other) {
        // An empty row holds no product, so it cannot hold this one.
        if (other == row || grid.Cell(Produkt, other).empty())
            continue;
        const std::optional<int32_t> otherId = grid.CellAsInteger(Produkt, other);
        if (!otherId)
            return false;
        if (*otherId == *id) {
            Prompts().Warning(window(), texts::ProductUsedOnDay());
            return false;
        }
    }
    const bool variable = project_.Products.Item(productIndex).VerkaufVariabel;
    grid::MarkDayEntryRow(Grid(), row, variable);
    if (variable)
        grid.SetCell(Menge, row, std::string());
    grid.SetCell(Name, row, Utf8(ProductName(productIndex, CurrentDay)));
    return true;
}

void DayView::gDayViewCellValidate(int col, int row, std::string& value, bool& valid)
{
    switch (col) {
    case Produkt:
        valid = ValidateProduct(row, value);
        break;
    case Menge:
    case VerkaufB:
        valid =
            Grid().IsCellReadOnly(col, row) || calc::ReadShownValue(value, controls::SystemNumberLocale()).has_value();
        break;
    default:
        break;
    }
}

void DayView::gDayViewCellsChanged()
{
    grid::PlainGrid& grid = Grid();
    const int row = grid.CursorRow();
    const std::optional<int32_t> id = calc::ReadCellInteger(grid.Cell(Produkt, row));
    const int productIndex = id ? project_.Products.IndexOfID(*id) : -1;
    if (productIndex < 0)
        return;
    const std::optional<calc::RowFigures> figures =
        calc::ComputeRowFigures(project_.Products, CurrentDay, grid.Cell(Produkt, row), grid.Cell(Menge, row),
                                grid.Cell(VerkaufB, row), controls::SystemNumberLocale());
    if (!figures)
        return;
    if (!project_.Products.Item(productIndex).VerkaufVariabel)
        grid.SetCell(VerkaufB, row, figures->verkaufB);
    grid.SetCell(Einkauf, row, figures->einkauf);
    grid.SetCell(Steuer, row, figures->steuer);
    grid.SetCell(VerkaufN, row, figures->verkaufN);
    grid.SetCell(DB1, row, figures->db1);
    grid.SetCell(DB1P, row, figures->db1Prozent);
}

void DayView::gDayViewRowChanging(int, int, bool& allow)
{
    if (DayGridBusy) {
        allow = true;
        return;
    }
    const grid::PlainGrid& grid = gDayView_->Grid();
    const int row = grid.CursorRow();
    auto filled = [&](int col) { return !grid.Cell(col, row).empty(); };
    allow = filled(Produkt) && (filled(Menge) || grid.IsCellReadOnly(Menge, row)) &&
            (filled(VerkaufB) || grid.IsCellReadOnly(VerkaufB, row));
}

void DayView::gDayViewColChanging(int oldCol, int, bool& allow)
{
    if (oldCol == Produkt)
        allow = !Grid().Cell(Produkt, Grid().CursorRow()).empty();
}

void DayView::gDayViewCanInsertRow(int row, bool& canInsert)
{
    grid::PlainGrid& grid = Grid();
    const bool productValid = ValidateProduct(row, grid.Cell(Produkt, row));
    const std::optional<double> value = EntryValue(row);
    canInsert = productValid && value && *value != 0.0;
}

void DayView::gDayViewAutoInsertRow(int) { Grid().SetCursor(Produkt, Grid().CursorRow()); }

void DayView::gDayViewCanDeleteRow(int row, bool& canDelete)
{
    FlagScope busy(DayGridBusy);
    grid::PlainGrid& grid = Grid();
    if (grid.DataRowCount() > 1) {
        canDelete = true;
        grid.SetCursor(Produkt, row == grid.LastDataRow() ? row - 1 : grid.CursorRow());
    } else {
        canDelete = false;
        grid.ClearRow(row);
    }
}

void DayView::gDayViewAutoDeleteRow(int row)
{
    FlagScope busy(DayGridBusy);
    grid::PlainGrid& grid = Grid();
    grid.SetCursor(grid.CursorCol(), std::clamp(row, grid.FirstDataRow(), grid.LastDataRow()));
}

void DayView::DayFooterPercent(int col, int row, std::string& value)
{
    if (col != DB1P)
        return;
    const grid::PlainGrid& grid = gDayView_->Grid();
    value = calc::DayFooterPercent(grid.Cell(VerkaufB, row), grid.Cell(DB1, row), controls::SystemNumberLocale());
}

} // namespace kontaro::ui
