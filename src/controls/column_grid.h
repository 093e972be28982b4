#pragma once
// ColumnGrid: the Qt view over a plain grid (grid/plain_grid.h), which stays the
// single source of truth for texts, flags, colours, rows and the cursor. The widget
// draws the fixed header row and fixed columns, the data rows that scroll, and the
// footer row, which stays visible at the bottom of the grid area while the data
// rows scroll. It turns the user's keys, clicks and edits into the plain grid's
// operations, so the events of grid/grid_events.h arrive in the order stated there.
//
// Keyboard (no editor open): arrows, Page Up/Down move the cursor (with the row
// and column checks); Home and End go to the first and last editable column of
// the row (in a grid without editable cells, to its first and last shown column);
// Tab and Shift+Tab move from cell to cell when the grid's options say so; Enter
// or F2 opens the editor; typing a character opens it with that character
// replacing the text; Insert (no Alt, Ctrl or Shift) and
// Delete (no Alt) insert and delete rows where the grid's options allow it.
// With an editor open: Enter commits, Escape restores the cell's text, Tab and the
// Up/Down/Page keys commit and then move. A refused commit puts the cursor back on
// the cell and opens the editor again with the cell's previous text. Leaving the
// grid with the focus (not for a pop-up or a dialog) commits the edit too.
#include "grid/plain_grid.h"
#include "grid/print_settings.h"

#include <QAbstractScrollArea>
#include <QPointer>

#include <memory>
#include <utility>
#include <vector>

namespace kontaro::controls {

class EditLink;

class ColumnGrid : public QAbstractScrollArea {
    Q_OBJECT
public:
    // The grid takes its decimal and thousand separators from SystemNumberLocale().
    explicit ColumnGrid(QWidget* parent = nullptr);
    ~ColumnGrid() override;

    grid::PlainGrid& Grid() { return grid_; }
    const grid::PlainGrid& Grid() const { return grid_; }

    // Replaces the editor of a column; by default a column gets the editor its
    // EditorKind names.
    void SetEditLink(int col, std::unique_ptr<EditLink> link);

    bool IsEditing() const { return editor_ != nullptr; }
    // The open editor widget, nullptr when none.
    QWidget* Editor() const { return editor_; }
    int EditingCol() const { return editCol_; }
    int EditingRow() const { return editRow_; }
    // Opens the editor on the cursor cell with its text selected; false when the
    // cell cannot be edited.
    bool OpenEditor();
    // Ends an open edit with the editor's text. False when the commit was refused
    // (the editor is then open again on the cell); true otherwise.
    bool CommitEditor();
    // Ends an open edit and keeps the cell's text.
    void CancelEditor();

    // The selected data rows, first and last: the cursor row, or with range
    // selection the rows from where Shift+click or Shift+arrows started.
    std::pair<int, int> SelectedRows() const;

    // The space left and right of a cell's text, pixels.
    static constexpr int kTextPadding = 7;
    // The shown width of a column, pixels: its set width, or more where its caption
    // or the text of one of its cells needs more in the font it is drawn with. The
    // plain grid keeps the set width (printing and the export use that).
    int ColumnWidth(int col) const;

    // The cell's rectangle in viewport coordinates; empty when it is not shown.
    QRect CellRect(int col, int row) const;
    // The cell at a viewport position; false outside the cells.
    bool CellAt(const QPoint& position, int* col, int* row) const;
    void EnsureCursorVisible();

    // The grid's print settings (see grid/print_settings.h).
    grid::PrintSettings& PrintSettings() { return printSettings_; }
    const grid::PrintSettings& PrintSettings() const { return printSettings_; }
    // Prints every row and visible column on the default printer as one job named
    // `title`. False with a German message when there is no printer or the job was
    // refused (controls/page_output.h).
    bool Print(const QString& title, QString* error = nullptr);
    // Writes the same pages into a PDF file; false with a German message.
    bool SaveAsPdf(const QString& path, QString* error = nullptr);

    QSize sizeHint() const override;

signals:
    // A handler of the grid's events failed with an exception while the user
    // worked in the grid; the edit in progress was dropped.
    void HandlerFailed(const QString& what);

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    template <typename Action>
    bool Guarded(Action&& action);
    bool HandleEditorEvent(QObject* watched, QEvent* event);
    void HandleKeyPress(QKeyEvent* event);
    void HandleMousePress(QMouseEvent* event);
    void HandleDoubleClick(QMouseEvent* event);
    EditLink* LinkFor(int col);
    void GridChanged();
    void MeasureColumns();
    void UpdateScrollBars();
    void PlaceEditor();
    void CloseEditorWidget();
    // Moves in the grid's order of cells: columns left to right, then rows.
    void MoveBy(int dCol, int dRow);
    // Home and End: the first or last editable column of the cursor row.
    void MoveToRowEdge(bool last);
    void SetAnchor(bool extend, int fromRow);
    void TabMove(bool forward);
    bool EditorKey(QKeyEvent* event);
    void ForwardToEditor(QKeyEvent* event);
    int FixedWidth() const;
    int ColumnLeft(int col) const; // content coordinates
    int TotalWidth() const;
    int DataAreaBottom() const;
    int VisibleDataRows() const;
    // The header row, the data rows in the data area and the footer row, in the
    // order they are drawn.
    std::vector<int> ShownRows() const;
    void DrawCell(QPainter& painter, int col, int row, const QRect& rect) const;

    grid::PlainGrid grid_;
    grid::PrintSettings printSettings_;
    std::vector<std::unique_ptr<EditLink>> links_;
    std::unique_ptr<EditLink> textLink_;
    std::unique_ptr<EditLink> numericLink_;
    std::unique_ptr<EditLink> calcLink_;
    QPointer<QWidget> editor_;
    EditLink* editLink_ = nullptr;
    int editCol_ = -1;
    int editRow_ = -1;
    bool committing_ = false;
    bool forwarding_ = false;
    int topRow_ = 1;     // first data row shown
    int anchorRow_ = -1; // where a range selection started; -1 for none
    int lastCursorCol_ = -1;
    int lastCursorRow_ = -1;
    // Per column: the widest text of its cells plus the padding, 0 for none.
    std::vector<int> textWidths_;
};

} // namespace kontaro::controls
