#include "grid/plain_grid.h"

#include "numbers/number_text.h"

#include <algorithm>
#include <stdexcept>

namespace kontaro::grid {

Colour ResolvedColour(Colour colour)
{
    if (colour == kWindowColour)
        return RgbColour(255, 255, 255);
    if (colour == kWindowTextColour)
        return RgbColour(0, 0, 0);
    return colour;
}

PlainGrid::PlainGrid(int columnCount, int rowCount)
{
    columns_.resize(std::size_t(std::max(columnCount, 1)));
    SetRowCount(rowCount);
    SetCursor(options_.fixedCols, FirstDataRow());
}

// --- columns -----------------------------------------------------------------

void PlainGrid::SetColumnCount(int count)
{
    count = std::max(count, 1);
    columns_.resize(std::size_t(count));
    for (RowData& row : rows_)
        row.cells.resize(std::size_t(count));
    ClampCursor();
    Changed();
}

Column& PlainGrid::ColumnAt(int col)
{
    CheckColumn(col);
    return columns_[std::size_t(col)];
}

const Column& PlainGrid::ColumnAt(int col) const
{
    CheckColumn(col);
    return columns_[std::size_t(col)];
}

int PlainGrid::ColumnIndex(std::string_view name) const
{
    for (int col = 0; col < ColumnCount(); ++col)
        if (!name.empty() && columns_[std::size_t(col)].name == name)
            return col;
    return -1;
}

void PlainGrid::SetColumnHidden(int col, bool hidden)
{
    ColumnAt(col).hidden = hidden;
    Changed();
}

int PlainGrid::HiddenColumnCount() const
{
    return int(std::count_if(columns_.begin(), columns_.end(), [](const Column& column) { return column.hidden; }));
}

int PlainGrid::VisibleColumn(int visiblePosition) const
{
    int position = 0;
    for (int col = 0; col < ColumnCount(); ++col) {
        if (columns_[std::size_t(col)].hidden)
            continue;
        if (position == visiblePosition)
            return col;
        ++position;
    }
    throw std::out_of_range("visible column position outside the grid");
}

// --- rows --------------------------------------------------------------------

void PlainGrid::SetRowCount(int count)
{
    const int minimum = options_.footer ? 3 : 2;
    count = std::max(count, minimum);
    if (rows_.empty()) {
        rows_.assign(std::size_t(count), EmptyRow());
    } else if (count > RowCount()) {
        const auto at = rows_.begin() + (LastDataRow() + 1);
        rows_.insert(at, std::size_t(count - RowCount()), EmptyRow());
    } else if (count < RowCount()) {
        const int removed = RowCount() - count;
        const auto last = rows_.begin() + (LastDataRow() + 1);
        rows_.erase(last - removed, last);
    }
    ClampCursor();
    Changed();
}

int PlainGrid::RowHeight(int row) const
{
    CheckRow(row);
    return rows_[std::size_t(row)].height.value_or(options_.defaultRowHeight);
}

void PlainGrid::SetRowHeight(int row, int pixels)
{
    CheckRow(row);
    rows_[std::size_t(row)].height = pixels;
    Changed();
}

// --- cells -------------------------------------------------------------------

const std::string& PlainGrid::Cell(int col, int row) const { return At(col, row).text; }

void PlainGrid::SetCell(int col, int row, std::string text)
{
    CellData& cell = At(col, row);
    cell.text = std::move(text);
    cell.exactNumber.reset();
    Changed();
}

void PlainGrid::SetFloat(int col, int row, double value)
{
    SetCell(col, row, numbers::FixedText(value, options_.floatDecimals, options_.numberLocale.decimalSeparator));
}

std::optional<std::int32_t> PlainGrid::CellAsInteger(int col, int row) const
{
    return numbers::ReadCellInteger(Cell(col, row));
}

std::optional<double> PlainGrid::CellAsNumber(int col, int row) const
{
    return numbers::ReadCellNumber(Cell(col, row), options_.numberLocale.decimalSeparator);
}

void PlainGrid::SetExactNumber(int col, int row, double value) { At(col, row).exactNumber = value; }

std::optional<double> PlainGrid::ExactNumber(int col, int row) const
{
    if (const std::optional<double>& exact = At(col, row).exactNumber)
        return exact;
    return CellAsNumber(col, row);
}

std::string PlainGrid::DisplayText(int col, int row) const
{
    const std::string& text = Cell(col, row);
    const Column& column = ColumnAt(col);
    if (row == 0 || !column.displayDecimals)
        return text;
    const auto value = numbers::ParseNumber(text, options_.numberLocale.decimalSeparator);
    if (!value)
        return text;
    return numbers::FixedText(*value, *column.displayDecimals, options_.numberLocale.decimalSeparator);
}

// --- per-cell state ------------------------------------------------------------

void PlainGrid::SetCellReadOnly(int col, int row, bool readOnly, Colour colour)
{
    CellData& cell = At(col, row);
    cell.readOnly = readOnly;
    cell.colour = colour;
    Changed();
}

void PlainGrid::ClearCellState(int col, int row)
{
    CellData& cell = At(col, row);
    cell.readOnly.reset();
    cell.colour.reset();
    Changed();
}

bool PlainGrid::HasCellState(int col, int row) const { return At(col, row).readOnly.has_value(); }

bool PlainGrid::IsFixedCell(int col, int row) const
{
    CheckColumn(col);
    CheckRow(row);
    return row == 0 || row == FooterRow() || col < options_.fixedCols;
}

bool PlainGrid::IsCellReadOnly(int col, int row) const
{
    if (IsFixedCell(col, row))
        return true;
    const CellData& cell = At(col, row);
    return cell.readOnly.value_or(ColumnAt(col).readOnly);
}

bool PlainGrid::CanEdit(int col, int row) const
{
    return options_.editing && ColumnAt(col).editor != EditorKind::None && !IsCellReadOnly(col, row);
}

Colour PlainGrid::CellColour(int col, int row) const
{
    if (IsFixedCell(col, row))
        return options_.fixedColour;
    return At(col, row).colour.value_or(ColumnAt(col).colour);
}

HAlign PlainGrid::CellAlignment(int col, int row) const
{
    CheckRow(row);
    const Column& column = ColumnAt(col);
    return row == 0 ? column.headerAlignment : column.alignment;
}

const Font& PlainGrid::CellFont(int col, int row) const
{
    CheckColumn(col);
    CheckRow(row);
    return row == 0 || col < options_.fixedCols ? options_.fixedFont : options_.font;
}

// --- row operations -------------------------------------------------------------

void PlainGrid::ClearRow(int row)
{
    CheckRow(row);
    rows_[std::size_t(row)].cells.assign(columns_.size(), CellData{});
    RowsChanged({0, row, ColumnCount() - 1, row});
}

void PlainGrid::InsertRow(int index)
{
    if (index < FirstDataRow() || index > LastDataRow() + 1)
        throw std::out_of_range("row insertion outside the data rows");
    rows_.insert(rows_.begin() + index, EmptyRow());
    RowsChanged({0, index, ColumnCount() - 1, LastDataRow()});
}

void PlainGrid::RemoveRow(int row)
{
    if (!IsDataRow(row))
        throw std::out_of_range("row removal outside the data rows");
    if (DataRowCount() == 1) {
        ClearRow(row);
        return;
    }
    rows_.erase(rows_.begin() + row);
    ClampCursor();
    RowsChanged({0, row, ColumnCount() - 1, std::max(row, LastDataRow())});
}

// --- cursor ---------------------------------------------------------------------

void PlainGrid::SetCursor(int col, int row)
{
    cursorCol_ = col;
    cursorRow_ = row;
    ClampCursor();
    Changed();
}

bool PlainGrid::MoveCursor(int col, int row)
{
    col = std::clamp(col, std::min(options_.fixedCols, ColumnCount() - 1), ColumnCount() - 1);
    row = std::clamp(row, FirstDataRow(), LastDataRow());
    const int oldCol = cursorCol_;
    const int oldRow = cursorRow_;
    if (col == oldCol && row == oldRow)
        return true;
    bool allow = true;
    if (row != oldRow && events_.OnRowChanging)
        events_.OnRowChanging(oldRow, row, allow);
    if (col != oldCol && events_.OnColChanging)
        events_.OnColChanging(oldCol, col, allow);
    if (cursorCol_ != oldCol || cursorRow_ != oldRow)
        return false;
    if (!allow)
        return false;
    SetCursor(col, row);
    return true;
}

// --- editing --------------------------------------------------------------------

PlainGrid::CommitResult PlainGrid::CommitEdit(int col, int row, std::string text)
{
    if (!CanEdit(col, row))
        return CommitResult::Refused;
    const std::string before = Cell(col, row);
    if (text == before)
        return CommitResult::Unchanged;
    const std::optional<double> exactBefore = At(col, row).exactNumber;
    bool valid = true;
    if (events_.OnCellValidate)
        events_.OnCellValidate(col, row, text, valid);
    // The handler may have removed rows; a cell that is gone takes nothing.
    const bool inside = col < ColumnCount() && row < RowCount();
    if (!valid) {
        if (inside) {
            SetCell(col, row, before);
            At(col, row).exactNumber = exactBefore;
        }
        return CommitResult::Refused;
    }
    if (inside)
        SetCell(col, row, std::move(text));
    if (events_.OnCellsChanged)
        events_.OnCellsChanged({col, row, col, row});
    RecalcFooter();
    return CommitResult::Accepted;
}

// --- keys -----------------------------------------------------------------------

bool PlainGrid::InsertKey()
{
    if (!options_.insertDeleteKeys || !options_.editing)
        return false;
    const int row = cursorRow_;
    bool canInsert = true;
    if (events_.OnCanInsertRow)
        events_.OnCanInsertRow(row, canInsert);
    if (!canInsert)
        return false;
    const int newRow = std::clamp(row + 1, FirstDataRow(), LastDataRow() + 1);
    rows_.insert(rows_.begin() + newRow, EmptyRow());
    if (events_.OnAutoInsertRow)
        events_.OnAutoInsertRow(newRow);
    cursorRow_ = newRow;
    ClampCursor();
    RowsChanged({0, newRow, ColumnCount() - 1, LastDataRow()});
    return true;
}

bool PlainGrid::DeleteKey()
{
    if (!options_.insertDeleteKeys || !options_.editing)
        return false;
    const int row = cursorRow_;
    bool canDelete = true;
    if (events_.OnCanDeleteRow)
        events_.OnCanDeleteRow(row, canDelete);
    if (!canDelete || !IsDataRow(row))
        return false;
    if (DataRowCount() > 1)
        rows_.erase(rows_.begin() + row);
    else
        rows_[std::size_t(row)].cells.assign(columns_.size(), CellData{});
    if (events_.OnAutoDeleteRow)
        events_.OnAutoDeleteRow(row);
    if (cursorRow_ > LastDataRow())
        cursorRow_ = LastDataRow();
    ClampCursor();
    RowsChanged({0, std::min(row, LastDataRow()), ColumnCount() - 1, LastDataRow()});
    return true;
}

// --- footer ---------------------------------------------------------------------

PlainGrid::DataRows PlainGrid::SaveDataRows() const
{
    DataRows saved;
    saved.rows.assign(rows_.begin() + FirstDataRow(), rows_.begin() + LastDataRow() + 1);
    saved.cursorCol = cursorCol_;
    saved.cursorRow = cursorRow_;
    return saved;
}

void PlainGrid::RestoreDataRows(const DataRows& saved)
{
    // There is always one data row; saved rows of another column count belong to
    // another grid.
    if (saved.rows.empty())
        throw std::invalid_argument("RestoreDataRows: no data row");
    for (const RowData& row : saved.rows)
        if (int(row.cells.size()) != ColumnCount())
            throw std::invalid_argument("RestoreDataRows: column count differs");
    rows_.erase(rows_.begin() + FirstDataRow(), rows_.begin() + LastDataRow() + 1);
    rows_.insert(rows_.begin() + FirstDataRow(), saved.rows.begin(), saved.rows.end());
    cursorCol_ = saved.cursorCol;
    cursorRow_ = saved.cursorRow;
    ClampCursor();
    Changed();
    RecalcFooter();
}

void PlainGrid::RecalcFooter()
{
    if (!options_.footer)
        return;
    for (int col = 0; col < ColumnCount(); ++col)
        RecalcFooterColumn(col);
}

void PlainGrid::RecalcFooterColumn(int col)
{
    if (!options_.footer)
        return;
    const Column& column = ColumnAt(col);
    const int footer = FooterRow();
    if (column.footer == FooterKind::Sum) {
        double sum = 0;
        for (int row = FirstDataRow(); row <= LastDataRow(); ++row)
            if (const auto value = CellAsNumber(col, row))
                sum += *value;
        SetFloat(col, footer, sum);
    } else if (column.footer == FooterKind::Custom) {
        std::string value;
        if (events_.OnCalcFooter)
            events_.OnCalcFooter(col, footer, value);
        SetCell(col, footer, std::move(value));
    }
}

// --- repainting -------------------------------------------------------------------

void PlainGrid::BeginUpdate() { ++updateDepth_; }

void PlainGrid::EndUpdate()
{
    if (updateDepth_ == 0)
        return;
    if (--updateDepth_ == 0 && changedWhileSuspended_) {
        changedWhileSuspended_ = false;
        if (listener_)
            listener_();
    }
}

// --- private ----------------------------------------------------------------------

PlainGrid::CellData& PlainGrid::At(int col, int row)
{
    CheckColumn(col);
    CheckRow(row);
    return rows_[std::size_t(row)].cells[std::size_t(col)];
}

const PlainGrid::CellData& PlainGrid::At(int col, int row) const
{
    CheckColumn(col);
    CheckRow(row);
    return rows_[std::size_t(row)].cells[std::size_t(col)];
}

void PlainGrid::CheckColumn(int col) const
{
    if (col < 0 || col >= ColumnCount())
        throw std::out_of_range("grid column outside the grid");
}

void PlainGrid::CheckRow(int row) const
{
    if (row < 0 || row >= RowCount())
        throw std::out_of_range("grid row outside the grid");
}

PlainGrid::RowData PlainGrid::EmptyRow() const
{
    RowData row;
    row.cells.resize(columns_.size());
    return row;
}

void PlainGrid::RowsChanged(const CellRect& rect)
{
    Changed();
    if (events_.OnCellsChanged)
        events_.OnCellsChanged(rect);
    RecalcFooter();
}

void PlainGrid::Changed()
{
    if (updateDepth_ > 0) {
        changedWhileSuspended_ = true;
        return;
    }
    if (listener_)
        listener_();
}

void PlainGrid::ClampCursor()
{
    cursorCol_ = std::clamp(cursorCol_, std::min(options_.fixedCols, ColumnCount() - 1), ColumnCount() - 1);
    cursorRow_ = std::clamp(cursorRow_, FirstDataRow(), std::max(FirstDataRow(), LastDataRow()));
}

} // namespace kontaro::grid
