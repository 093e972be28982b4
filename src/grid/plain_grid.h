#pragma once
// The plain grid: the single source of truth behind every grid of the program.
// It holds the cells (UTF-8 texts with an optional read-only flag and colour of
// their own), the columns, the rows, the cursor and the footer, and carries the
// editing rules and the event order of grid_events.h, free of any widget. A view
// (the ColumnGrid widget, printing, the exporter adapter) only reads it and feeds
// it the user's commits, moves and keys.
//
// Rows: 0 is the fixed header row; rows 1 to RowCount()-2 are the data rows and
// RowCount()-1 is the footer row when the grid has one (Options().footer), else
// rows 1 to RowCount()-1 are data rows. There is always at least one data row.
// Columns below Options().fixedCols are fixed: the cursor never enters them.
// Options().footer is set before the rows are (the set-ups of grid_setups.h do).
//
// Indices outside the grid throw std::out_of_range.
#include "grid/grid_column.h"
#include "grid/grid_events.h"
#include "grid/grid_types.h"
#include "numbers/number_locale.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kontaro::grid {

struct GridOptions {
    int fixedCols = 1;        // 0 or more leading fixed columns
    bool footer = true;       // the last row is a footer row that stays visible
    bool editing = true;      // cells may be edited at all
    bool rowSelect = false;   // the whole cursor row is highlighted
    bool rangeSelect = false; // the user may select several rows
    bool gridLines = true;
    bool tabMovesCells = true;
    bool insertDeleteKeys = false; // the Insert and Delete keys insert and delete rows
    int defaultRowHeight = 21;     // pixels
    int floatDecimals = 2;         // SetFloat and the sum footers write "%.2f"
    Font font;                     // data rows and footer
    Font fixedFont;                // header row and fixed columns
    Colour fixedColour = RgbColour(240, 240, 240);
    Colour gridLineColour = RgbColour(192, 192, 192);
    // Numbers are read and written with the user's separators; the grid never looks
    // at a global locale.
    numbers::NumberLocale numberLocale;
};

class PlainGrid {
public:
    explicit PlainGrid(int columnCount = 1, int rowCount = 3);

    GridOptions& Options() { return options_; }
    const GridOptions& Options() const { return options_; }
    GridEvents& Events() { return events_; }

    // --- columns ------------------------------------------------------------
    int ColumnCount() const { return int(columns_.size()); }
    // New columns get the default Column; cells follow.
    void SetColumnCount(int count);
    Column& ColumnAt(int col);
    const Column& ColumnAt(int col) const;
    // -1 when no column has that name.
    int ColumnIndex(std::string_view name) const;
    void SetColumnHidden(int col, bool hidden);
    int HiddenColumnCount() const;
    int VisibleColumnCount() const { return ColumnCount() - HiddenColumnCount(); }
    // The grid column shown at a visible position (0-based).
    int VisibleColumn(int visiblePosition) const;

    // --- rows ---------------------------------------------------------------
    int RowCount() const { return int(rows_.size()); }
    // Adds empty data rows or removes data rows before the footer; never below one
    // data row. Raises no event.
    void SetRowCount(int count);
    int FirstDataRow() const { return 1; }
    int LastDataRow() const { return RowCount() - (options_.footer ? 2 : 1); }
    int DataRowCount() const { return LastDataRow() - FirstDataRow() + 1; }
    // -1 when the grid has no footer.
    int FooterRow() const { return options_.footer ? RowCount() - 1 : -1; }
    bool IsDataRow(int row) const { return row >= FirstDataRow() && row <= LastDataRow(); }
    int RowHeight(int row) const;
    void SetRowHeight(int row, int pixels);

    // --- cells --------------------------------------------------------------
    const std::string& Cell(int col, int row) const;
    void SetCell(int col, int row, std::string text);
    // Writes value with Options().floatDecimals (numbers::FixedText).
    void SetFloat(int col, int row, double value);
    // Empty and "-" read as 0; nothing for any other text that is not a number.
    std::optional<std::int32_t> CellAsInteger(int col, int row) const;
    std::optional<double> CellAsNumber(int col, int row) const;
    // The exact number a cell's text shows rounded, such as a stored value written
    // with two decimals. Any new text of the cell drops it (SetCell, an accepted
    // edit); an edit that is refused or leaves the text as it was keeps it.
    void SetExactNumber(int col, int row, double value);
    // The cell's exact number when it has one, else CellAsNumber.
    std::optional<double> ExactNumber(int col, int row) const;
    // The text as shown: in a non-header row of a column with display decimals, a
    // cell that reads as a number (empty and "-" excepted) in that format; else the
    // text as written.
    std::string DisplayText(int col, int row) const;

    // --- per-cell state -----------------------------------------------------
    // Gives the cell its own read-only flag and background colour.
    void SetCellReadOnly(int col, int row, bool readOnly, Colour colour);
    void ClearCellState(int col, int row);
    bool HasCellState(int col, int row) const;
    // The cell's own flag, else its column's. Header, footer and fixed cells are
    // always read-only.
    bool IsCellReadOnly(int col, int row) const;
    // Editing allowed, the column has an editor and the cell is not read-only.
    bool CanEdit(int col, int row) const;
    bool IsFixedCell(int col, int row) const;
    // The look a view draws the cell with.
    Colour CellColour(int col, int row) const;
    HAlign CellAlignment(int col, int row) const;
    const Font& CellFont(int col, int row) const;

    // --- row operations (each raises OnCellsChanged and recalculates the footer) --
    // Empties the texts and removes the cell states of a row.
    void ClearRow(int row);
    // Inserts an empty data row at index (FirstDataRow() to LastDataRow()+1).
    void InsertRow(int index);
    // Removes a data row; the only data row is cleared instead.
    void RemoveRow(int row);

    // --- cursor -------------------------------------------------------------
    int CursorCol() const { return cursorCol_; }
    int CursorRow() const { return cursorRow_; }
    // The program's move: no event. Clamped into the data rows and the columns
    // right of the fixed ones.
    void SetCursor(int col, int row);
    // The user's move, with OnRowChanging and OnColChanging (see grid_events.h).
    // True when the cursor moved (or stood there already).
    bool MoveCursor(int col, int row);

    // --- editing ------------------------------------------------------------
    enum class CommitResult { Unchanged, Accepted, Refused };
    // The user ended editing the cell with text (see grid_events.h).
    CommitResult CommitEdit(int col, int row, std::string text);

    // --- keys ---------------------------------------------------------------
    // True when a row was inserted or removed. Without Options().insertDeleteKeys
    // both do nothing.
    bool InsertKey();
    bool DeleteKey();

    // --- footer -------------------------------------------------------------
    void RecalcFooter();
    void RecalcFooterColumn(int col);

    // --- repainting ---------------------------------------------------------
    // Nested; while suspended, the change listener is not called; EndUpdate calls
    // it once when something changed meanwhile.
    void BeginUpdate();
    void EndUpdate();
    bool UpdatesSuspended() const { return updateDepth_ > 0; }
    // The view's hook: called after every visible change.
    void SetChangeListener(std::function<void()> listener) { listener_ = std::move(listener); }

    // --- the data rows as a value (undo) ----------------------------------------
    struct CellData {
        std::string text;
        std::optional<double> exactNumber;
        std::optional<bool> readOnly;
        std::optional<Colour> colour;
        bool operator==(const CellData&) const = default;
    };
    struct RowData {
        std::vector<CellData> cells;
        std::optional<int> height;
        bool operator==(const RowData&) const = default;
    };
    // Everything the user changes by editing: the data rows with their texts, exact
    // numbers and cell states, and the cursor.
    struct DataRows {
        std::vector<RowData> rows;
        int cursorCol = 1;
        int cursorRow = 1;
        bool operator==(const DataRows&) const = default;
    };
    DataRows SaveDataRows() const;
    // Puts saved data rows and cursor back (the column count must be the same) and
    // recalculates the footer; raises no event but OnCalcFooter.
    void RestoreDataRows(const DataRows& saved);

private:
    CellData& At(int col, int row);
    const CellData& At(int col, int row) const;
    void CheckColumn(int col) const;
    void CheckRow(int row) const;
    RowData EmptyRow() const;
    void RowsChanged(const CellRect& rect);
    void Changed();
    void ClampCursor();

    GridOptions options_;
    GridEvents events_;
    std::vector<Column> columns_;
    std::vector<RowData> rows_;
    int cursorCol_ = 1;
    int cursorRow_ = 1;
    int updateDepth_ = 0;
    bool changedWhileSuspended_ = false;
    std::function<void()> listener_;
};

} // namespace kontaro::grid
