#include "controls/column_grid.h"

#include "controls/calc_edit_link.h"
#include "controls/column_grid_accessible.h"
#include "controls/controls_texts.h"
#include "controls/edit_link.h"
#include "controls/grid_printer.h"
#include "controls/page_output.h"
#include "controls/qt_number_locale.h"

#include <QApplication>
#include <QFocusEvent>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>
#include <cmath>
#include <exception>

namespace kontaro::controls {

namespace {

// The part of ColumnGrid::kTextPadding left of a cell's text; the rest, with the
// grid line, is right of it.
constexpr int kTextLeft = 3;

QColor ToQColor(grid::Colour colour, const QPalette& palette)
{
    if (colour == grid::kWindowColour)
        return palette.color(QPalette::Base);
    if (colour == grid::kWindowTextColour)
        return palette.color(QPalette::Text);
    return QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}

QFont ToQFont(const grid::Font& font)
{
    QFont result(QString::fromStdString(font.name));
    result.setPointSize(std::max(1, font.pointSize));
    result.setBold(font.bold);
    result.setItalic(font.italic);
    result.setUnderline(font.underline);
    result.setStrikeOut(font.strikeOut);
    return result;
}

Qt::Alignment ToQtAlignment(grid::HAlign horizontal, grid::VAlign vertical)
{
    Qt::Alignment result = horizontal == grid::HAlign::Right    ? Qt::AlignRight
                           : horizontal == grid::HAlign::Centre ? Qt::AlignHCenter
                                                                : Qt::AlignLeft;
    result |= vertical == grid::VAlign::Top      ? Qt::AlignTop
              : vertical == grid::VAlign::Bottom ? Qt::AlignBottom
                                                 : Qt::AlignVCenter;
    return result;
}

bool IsGridKey(int key)
{
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        return true;
    default:
        return false;
    }
}

} // namespace

ColumnGrid::ColumnGrid(QWidget* parent)
    : QAbstractScrollArea(parent),
      textLink_(std::make_unique<LineEditLink>(false)),
      numericLink_(std::make_unique<LineEditLink>(true)),
      calcLink_(std::make_unique<CalcEditLink>())
{
    // Assistive technology reads every grid as a table (column_grid_accessible.h).
    [[maybe_unused]] static const bool accessibilityInstalled = (InstallColumnGridAccessibility(), true);
    grid_.Options().numberLocale = SystemNumberLocale();
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setFocusProxy(this);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    grid_.SetChangeListener([this] { GridChanged(); });
    MeasureColumns();
    UpdateScrollBars();
}

ColumnGrid::~ColumnGrid()
{
    // The editor's focus-out must not commit into a grid that is going away.
    committing_ = true;
    grid_.SetChangeListener({});
}

void ColumnGrid::SetEditLink(int col, std::unique_ptr<EditLink> link)
{
    if (col < 0)
        return;
    if (links_.size() <= std::size_t(col))
        links_.resize(std::size_t(col) + 1);
    links_[std::size_t(col)] = std::move(link);
}

EditLink* ColumnGrid::LinkFor(int col)
{
    if (std::size_t(col) < links_.size() && links_[std::size_t(col)])
        return links_[std::size_t(col)].get();
    switch (grid_.ColumnAt(col).editor) {
    case grid::EditorKind::Calculator:
        return calcLink_.get();
    case grid::EditorKind::Numeric:
        return numericLink_.get();
    case grid::EditorKind::Text:
        return textLink_.get();
    case grid::EditorKind::None:
        break;
    }
    return nullptr;
}

// --- editing -------------------------------------------------------------------

bool ColumnGrid::OpenEditor()
{
    if (editor_)
        return true;
    const int col = grid_.CursorCol();
    const int row = grid_.CursorRow();
    if (!grid_.CanEdit(col, row))
        return false;
    EditLink* link = LinkFor(col);
    if (!link)
        return false;
    EnsureCursorVisible();
    QWidget* editor = link->CreateEditor(viewport());
    editor->setObjectName(QStringLiteral("InplaceEditor"));
    link->SetEditorValue(editor, QString::fromStdString(grid_.Cell(col, row)));
    editor->installEventFilter(this);
    editor_ = editor;
    editLink_ = link;
    editCol_ = col;
    editRow_ = row;
    PlaceEditor();
    editor->show();
    editor->setFocus(Qt::OtherFocusReason);
    return true;
}

void ColumnGrid::CloseEditorWidget()
{
    if (!editor_)
        return;
    QWidget* editor = editor_;
    editor_ = nullptr;
    editLink_ = nullptr;
    editor->removeEventFilter(this);
    const bool hadFocus = editor->hasFocus() || editor->isAncestorOf(QApplication::focusWidget());
    editor->hide();
    editor->deleteLater();
    if (hadFocus)
        setFocus(Qt::OtherFocusReason);
    viewport()->update();
}

bool ColumnGrid::CommitEditor()
{
    if (!editor_)
        return true;
    if (committing_)
        return false;
    committing_ = true;
    const int col = editCol_;
    const int row = editRow_;
    const QString text = editLink_->EditorValue(editor_);
    CloseEditorWidget();
    const auto result = grid_.CommitEdit(col, row, text.toStdString());
    committing_ = false;
    if (result == grid::PlainGrid::CommitResult::Refused && col < grid_.ColumnCount() && grid_.IsDataRow(row) &&
        grid_.CanEdit(col, row)) {
        grid_.SetCursor(col, row);
        OpenEditor();
        return false;
    }
    return true;
}

void ColumnGrid::CancelEditor()
{
    if (committing_)
        return;
    CloseEditorWidget();
}

void ColumnGrid::PlaceEditor()
{
    if (!editor_)
        return;
    const QRect rect = CellRect(editCol_, editRow_);
    if (rect.isEmpty()) {
        editor_->setGeometry(QRect(-1000, -1000, 10, 10));
        return;
    }
    editor_->setGeometry(rect.adjusted(0, 0, -1, -1));
}

bool ColumnGrid::EditorKey(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        CommitEditor();
        return true;
    case Qt::Key_Escape:
        CancelEditor();
        return true;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        if (CommitEditor())
            TabMove(event->key() == Qt::Key_Tab && !(event->modifiers() & Qt::ShiftModifier));
        return true;
    case Qt::Key_Up:
        if (CommitEditor())
            MoveBy(0, -1);
        return true;
    case Qt::Key_Down:
        if (CommitEditor())
            MoveBy(0, 1);
        return true;
    case Qt::Key_PageUp:
        if (CommitEditor())
            MoveBy(0, -std::max(1, VisibleDataRows()));
        return true;
    case Qt::Key_PageDown:
        if (CommitEditor())
            MoveBy(0, std::max(1, VisibleDataRows()));
        return true;
    default:
        return false;
    }
}

bool ColumnGrid::HandleEditorEvent(QObject* watched, QEvent* event)
{
    if (editor_ && watched == editor_) {
        if (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride) {
            auto* key = static_cast<QKeyEvent*>(event);
            if (IsGridKey(key->key())) {
                if (event->type() == QEvent::ShortcutOverride) {
                    event->accept();
                    return true;
                }
                return EditorKey(key);
            }
        } else if (event->type() == QEvent::FocusOut) {
            const auto reason = static_cast<QFocusEvent*>(event)->reason();
            // A pop-up (the calculator panel) or a dialog of a handler does not end
            // the edit; the user leaving the grid does.
            if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason && !committing_) {
                QWidget* next = QApplication::focusWidget();
                if (next != this && !isAncestorOf(next))
                    CommitEditor();
            }
        }
    }
    return false;
}

// --- handler failures ----------------------------------------------------------------

template <typename Action>
bool ColumnGrid::Guarded(Action&& action)
{
    // A failing handler must not take the program down from inside Qt's event
    // delivery; the edit in progress is dropped and the failure reported.
    try {
        return action();
    } catch (const std::exception& failure) {
        committing_ = false;
        forwarding_ = false;
        emit HandlerFailed(QString::fromUtf8(failure.what()));
    }
    return true;
}

bool ColumnGrid::eventFilter(QObject* watched, QEvent* event)
{
    if (Guarded([&] { return HandleEditorEvent(watched, event); }))
        return true;
    return QAbstractScrollArea::eventFilter(watched, event);
}

void ColumnGrid::keyPressEvent(QKeyEvent* event)
{
    Guarded([&] {
        HandleKeyPress(event);
        return true;
    });
}

void ColumnGrid::mousePressEvent(QMouseEvent* event)
{
    Guarded([&] {
        HandleMousePress(event);
        return true;
    });
}

void ColumnGrid::mouseDoubleClickEvent(QMouseEvent* event)
{
    Guarded([&] {
        HandleDoubleClick(event);
        return true;
    });
}

// --- cursor movement -----------------------------------------------------------

void ColumnGrid::MoveBy(int dCol, int dRow)
{
    int col = grid_.CursorCol();
    if (dCol != 0) {
        int next = col + dCol;
        while (next >= 0 && next < grid_.ColumnCount() && grid_.ColumnAt(next).hidden)
            next += dCol > 0 ? 1 : -1;
        if (next >= grid_.Options().fixedCols && next < grid_.ColumnCount())
            col = next;
    }
    grid_.MoveCursor(col, grid_.CursorRow() + dRow);
    EnsureCursorVisible();
}

void ColumnGrid::MoveToRowEdge(bool last)
{
    const int row = grid_.CursorRow();
    std::vector<int> enterable;
    std::vector<int> editable;
    for (int col = grid_.Options().fixedCols; col < grid_.ColumnCount(); ++col) {
        if (grid_.ColumnAt(col).hidden)
            continue;
        enterable.push_back(col);
        if (grid_.CanEdit(col, row))
            editable.push_back(col);
    }
    // A grid without editable cells (the summaries) goes to its shown edge.
    const std::vector<int>& targets = editable.empty() ? enterable : editable;
    if (targets.empty())
        return;
    grid_.MoveCursor(last ? targets.back() : targets.front(), row);
    EnsureCursorVisible();
}

void ColumnGrid::TabMove(bool forward)
{
    const int first = std::min(grid_.Options().fixedCols, grid_.ColumnCount() - 1);
    int col = grid_.CursorCol();
    int row = grid_.CursorRow();
    do {
        col += forward ? 1 : -1;
        if (col >= grid_.ColumnCount()) {
            if (row >= grid_.LastDataRow())
                return;
            col = first;
            ++row;
        } else if (col < first) {
            if (row <= grid_.FirstDataRow())
                return;
            col = grid_.ColumnCount() - 1;
            --row;
        }
    } while (grid_.ColumnAt(col).hidden);
    grid_.MoveCursor(col, row);
    EnsureCursorVisible();
}

bool ColumnGrid::event(QEvent* event)
{
    // Tab moves between cells instead of to the next widget.
    if (event->type() == QEvent::KeyPress && grid_.Options().tabMovesCells) {
        auto* key = static_cast<QKeyEvent*>(event);
        // Ctrl+Tab and Alt+Tab stay with the window (page changes and the desktop).
        const bool plain = !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
        if (plain && (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)) {
            keyPressEvent(key);
            return true;
        }
    }
    return QAbstractScrollArea::event(event);
}

void ColumnGrid::ForwardToEditor(QKeyEvent* event)
{
    forwarding_ = true;
    QKeyEvent copy(QEvent::KeyPress, event->key(), event->modifiers(), event->text(), event->isAutoRepeat(),
                   ushort(event->count()));
    QApplication::sendEvent(editor_, &copy);
    forwarding_ = false;
}

void ColumnGrid::HandleKeyPress(QKeyEvent* event)
{
    // While an editor is open, the keys it leaves alone (such as Insert) come here
    // and do nothing; keys sent to the grid itself go on to the editor.
    if (editor_) {
        if (!forwarding_ && !editor_->hasFocus())
            ForwardToEditor(event);
        event->accept();
        return;
    }
    const auto modifiers = event->modifiers() & (Qt::AltModifier | Qt::ControlModifier | Qt::ShiftModifier);
    const bool rowSelect = grid_.Options().rowSelect;
    const bool extend = grid_.Options().rangeSelect && (modifiers & Qt::ShiftModifier);
    const int from = grid_.CursorRow();
    switch (event->key()) {
    case Qt::Key_Up:
        MoveBy(0, -1);
        SetAnchor(extend, from);
        return;
    case Qt::Key_Down:
        MoveBy(0, 1);
        SetAnchor(extend, from);
        return;
    case Qt::Key_PageUp:
        MoveBy(0, -std::max(1, VisibleDataRows()));
        SetAnchor(extend, from);
        return;
    case Qt::Key_PageDown:
        MoveBy(0, std::max(1, VisibleDataRows()));
        SetAnchor(extend, from);
        return;
    case Qt::Key_Left:
        if (rowSelect)
            horizontalScrollBar()->setValue(horizontalScrollBar()->value() - 20);
        else
            MoveBy(-1, 0);
        return;
    case Qt::Key_Right:
        if (rowSelect)
            horizontalScrollBar()->setValue(horizontalScrollBar()->value() + 20);
        else
            MoveBy(1, 0);
        return;
    case Qt::Key_Home:
        MoveToRowEdge(false);
        return;
    case Qt::Key_End:
        MoveToRowEdge(true);
        return;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        if (grid_.Options().tabMovesCells && !(modifiers & (Qt::ControlModifier | Qt::AltModifier))) {
            TabMove(event->key() == Qt::Key_Tab && !(event->modifiers() & Qt::ShiftModifier));
            return;
        }
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_F2:
        OpenEditor();
        return;
    case Qt::Key_Insert:
        if (modifiers == Qt::NoModifier && grid_.InsertKey()) {
            EnsureCursorVisible();
            return;
        }
        break;
    case Qt::Key_Delete:
        if (!(modifiers & Qt::AltModifier) && grid_.DeleteKey()) {
            EnsureCursorVisible();
            return;
        }
        break;
    default:
        break;
    }
    const QString typed = event->text();
    if (!typed.isEmpty() && typed.at(0).isPrint() && !(modifiers & (Qt::ControlModifier | Qt::AltModifier)) &&
        OpenEditor() && editor_) {
        ForwardToEditor(event);
        return;
    }
    QAbstractScrollArea::keyPressEvent(event);
}

void ColumnGrid::HandleMousePress(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mousePressEvent(event);
        return;
    }
    if (editor_ && !CommitEditor())
        return;
    int col = 0;
    int row = 0;
    if (!CellAt(event->position().toPoint(), &col, &row))
        return;
    const bool extend = grid_.Options().rangeSelect && (event->modifiers() & Qt::ShiftModifier);
    const int from = grid_.CursorRow();
    if (!grid_.IsDataRow(row) || col < grid_.Options().fixedCols) {
        if (grid_.Options().rowSelect && grid_.IsDataRow(row) && grid_.MoveCursor(grid_.CursorCol(), row))
            SetAnchor(extend, from);
        return;
    }
    if (grid_.MoveCursor(col, row))
        SetAnchor(extend, from);
    EnsureCursorVisible();
}

void ColumnGrid::SetAnchor(bool extend, int fromRow)
{
    if (!extend)
        anchorRow_ = -1;
    else if (anchorRow_ < 0)
        anchorRow_ = fromRow;
    viewport()->update();
}

std::pair<int, int> ColumnGrid::SelectedRows() const
{
    const int cursor = grid_.CursorRow();
    if (anchorRow_ < 0 || !grid_.IsDataRow(anchorRow_))
        return {cursor, cursor};
    return {std::min(anchorRow_, cursor), std::max(anchorRow_, cursor)};
}

void ColumnGrid::HandleDoubleClick(QMouseEvent* event)
{
    int col = 0;
    int row = 0;
    if (event->button() == Qt::LeftButton && CellAt(event->position().toPoint(), &col, &row) &&
        col == grid_.CursorCol() && row == grid_.CursorRow())
        OpenEditor();
}

// --- geometry --------------------------------------------------------------------

int ColumnGrid::ColumnWidth(int col) const
{
    const int needed = std::size_t(col) < textWidths_.size() ? textWidths_[std::size_t(col)] : 0;
    return std::max(grid_.ColumnAt(col).width, needed);
}

void ColumnGrid::MeasureColumns()
{
    // The set widths were chosen for a font the desktop may not have; the font it
    // gives instead can be wider. Few fonts occur, so their metrics are kept.
    std::vector<std::pair<grid::Font, QFontMetricsF>> metrics;
    const auto metricsOf = [&](const grid::Font& font) -> const QFontMetricsF& {
        for (const auto& [known, fontMetrics] : metrics)
            if (known == font)
                return fontMetrics;
        return metrics.emplace_back(font, QFontMetricsF(ToQFont(font), viewport())).second;
    };
    textWidths_.assign(std::size_t(grid_.ColumnCount()), 0);
    for (int col = 0; col < grid_.ColumnCount(); ++col) {
        qreal widest = 0;
        for (int row = 0; row < grid_.RowCount(); ++row) {
            const std::string text = grid_.DisplayText(col, row);
            if (!text.empty())
                widest = std::max(widest,
                                  metricsOf(grid_.CellFont(col, row)).horizontalAdvance(QString::fromStdString(text)));
        }
        textWidths_[std::size_t(col)] = widest > 0 ? int(std::ceil(widest)) + kTextPadding : 0;
    }
}

int ColumnGrid::FixedWidth() const
{
    int width = 0;
    for (int col = 0; col < std::min(grid_.Options().fixedCols, grid_.ColumnCount()); ++col)
        if (!grid_.ColumnAt(col).hidden)
            width += ColumnWidth(col);
    return width;
}

int ColumnGrid::ColumnLeft(int col) const
{
    int left = 0;
    for (int c = 0; c < col; ++c)
        if (!grid_.ColumnAt(c).hidden)
            left += ColumnWidth(c);
    return left;
}

int ColumnGrid::TotalWidth() const { return ColumnLeft(grid_.ColumnCount()); }

int ColumnGrid::DataAreaBottom() const
{
    const int footer = grid_.FooterRow();
    return viewport()->height() - (footer >= 0 ? grid_.RowHeight(footer) : 0);
}

int ColumnGrid::VisibleDataRows() const
{
    int y = grid_.RowHeight(0);
    int count = 0;
    for (int row = topRow_; row <= grid_.LastDataRow(); ++row) {
        y += grid_.RowHeight(row);
        if (y > DataAreaBottom())
            break;
        ++count;
    }
    return count;
}

QRect ColumnGrid::CellRect(int col, int row) const
{
    if (col < 0 || col >= grid_.ColumnCount() || row < 0 || row >= grid_.RowCount() || grid_.ColumnAt(col).hidden)
        return {};
    const int fixedCols = grid_.Options().fixedCols;
    int x = ColumnLeft(col);
    if (col >= fixedCols)
        x -= horizontalScrollBar()->value();
    const int width = ColumnWidth(col);
    if (col >= fixedCols && x + width <= FixedWidth())
        return {};

    int y = 0;
    if (row == grid_.FooterRow()) {
        // Right below the last data row while all rows fit, else at the bottom.
        int contentBottom = grid_.RowHeight(0);
        for (int r = grid_.FirstDataRow(); r <= grid_.LastDataRow(); ++r)
            contentBottom += grid_.RowHeight(r);
        y = std::min(contentBottom, DataAreaBottom());
    } else if (row > 0) {
        if (row < topRow_)
            return {};
        y = grid_.RowHeight(0);
        for (int r = topRow_; r < row; ++r)
            y += grid_.RowHeight(r);
        if (y >= DataAreaBottom())
            return {};
    }
    return QRect(x, y, width, grid_.RowHeight(row));
}

std::vector<int> ColumnGrid::ShownRows() const
{
    std::vector<int> rows{0};
    int y = grid_.RowHeight(0);
    for (int row = topRow_; row <= grid_.LastDataRow() && y < DataAreaBottom(); ++row) {
        rows.push_back(row);
        y += grid_.RowHeight(row);
    }
    if (grid_.FooterRow() >= 0)
        rows.push_back(grid_.FooterRow());
    return rows;
}

bool ColumnGrid::CellAt(const QPoint& position, int* col, int* row) const
{
    // The footer lies over the data rows it covers, the fixed columns over the
    // scrolled ones.
    const std::vector<int> rows = ShownRows();
    for (auto r = rows.rbegin(); r != rows.rend(); ++r) {
        for (int c = 0; c < grid_.ColumnCount(); ++c) {
            const QRect rect = CellRect(c, *r);
            if (rect.contains(position) && (c < grid_.Options().fixedCols || position.x() >= FixedWidth())) {
                *col = c;
                *row = *r;
                return true;
            }
        }
    }
    return false;
}

void ColumnGrid::EnsureCursorVisible()
{
    const int row = grid_.CursorRow();
    if (row < topRow_)
        topRow_ = row;
    // Scroll until the cursor row lies wholly above the footer.
    const auto rowBottom = [this](int r) {
        int y = grid_.RowHeight(0);
        for (int i = topRow_; i <= r; ++i)
            y += grid_.RowHeight(i);
        return y;
    };
    while (topRow_ < row && rowBottom(row) > DataAreaBottom())
        ++topRow_;
    UpdateScrollBars();

    const int col = grid_.CursorCol();
    if (col >= grid_.Options().fixedCols && !grid_.ColumnAt(col).hidden) {
        QScrollBar* bar = horizontalScrollBar();
        const int left = ColumnLeft(col) - FixedWidth();
        const int right = ColumnLeft(col) + ColumnWidth(col) - viewport()->width();
        if (bar->value() > left)
            bar->setValue(left);
        else if (bar->value() < right)
            bar->setValue(std::min(right, left));
    }
    PlaceEditor();
    viewport()->update();
}

void ColumnGrid::UpdateScrollBars()
{
    // The greatest first row that still fills the data area.
    int lastTop = grid_.LastDataRow();
    int height = grid_.RowHeight(0) + grid_.RowHeight(lastTop);
    while (lastTop > grid_.FirstDataRow() && height + grid_.RowHeight(lastTop - 1) <= DataAreaBottom()) {
        --lastTop;
        height += grid_.RowHeight(lastTop);
    }
    topRow_ = std::clamp(topRow_, grid_.FirstDataRow(), lastTop);
    QScrollBar* vertical = verticalScrollBar();
    const QSignalBlocker block(vertical);
    vertical->setRange(0, lastTop - grid_.FirstDataRow());
    vertical->setPageStep(std::max(1, VisibleDataRows()));
    vertical->setValue(topRow_ - grid_.FirstDataRow());

    QScrollBar* horizontal = horizontalScrollBar();
    horizontal->setRange(0, std::max(0, TotalWidth() - viewport()->width()));
    horizontal->setPageStep(std::max(1, viewport()->width() - FixedWidth()));
    horizontal->setSingleStep(20);
}

void ColumnGrid::scrollContentsBy(int, int)
{
    topRow_ = grid_.FirstDataRow() + verticalScrollBar()->value();
    PlaceEditor();
    viewport()->update();
}

void ColumnGrid::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBars();
    PlaceEditor();
}

bool ColumnGrid::Print(const QString& title, QString* error)
{
    return PrintPagesOnQueue(GridPagePainter(grid_, printSettings_), PrintOrientation(printSettings_), title, error);
}

bool ColumnGrid::SaveAsPdf(const QString& path, QString* error)
{
    return SavePagesAsPdf(GridPagePainter(grid_, printSettings_), PrintOrientation(printSettings_), path, error);
}

QSize ColumnGrid::sizeHint() const
{
    int height = 0;
    for (int row = 0; row < std::min(grid_.RowCount(), 12); ++row)
        height += grid_.RowHeight(row);
    return {TotalWidth() + 2 * frameWidth() + 20, height + 2 * frameWidth() + 20};
}

void ColumnGrid::GridChanged()
{
    MeasureColumns();
    ColumnGridAccessible::NotifyCellsChanged(this);
    if (editor_ && !committing_ &&
        (editCol_ >= grid_.ColumnCount() || editRow_ >= grid_.RowCount() || !grid_.IsDataRow(editRow_)))
        CloseEditorWidget();
    if (grid_.CursorCol() != lastCursorCol_ || grid_.CursorRow() != lastCursorRow_) {
        lastCursorCol_ = grid_.CursorCol();
        lastCursorRow_ = grid_.CursorRow();
        ColumnGridAccessible::NotifyCursorMoved(this);
        EnsureCursorVisible();
        return;
    }
    UpdateScrollBars();
    PlaceEditor();
    viewport()->update();
}

// --- painting ---------------------------------------------------------------------

void ColumnGrid::DrawCell(QPainter& painter, int col, int row, const QRect& rect) const
{
    const QPalette& pal = palette();
    const bool fixed = grid_.IsFixedCell(col, row);
    const auto [firstSelected, lastSelected] = SelectedRows();
    const bool cursorRow =
        grid_.IsDataRow(row) &&
        (row == grid_.CursorRow() || (grid_.Options().rowSelect && row >= firstSelected && row <= lastSelected));
    const bool selected = !fixed && cursorRow && (grid_.Options().rowSelect || col == grid_.CursorCol());
    QColor background = ToQColor(grid_.CellColour(col, row), pal);
    const grid::Font& font = grid_.CellFont(col, row);
    QColor foreground = ToQColor(font.colour, pal);
    if (selected && (hasFocus() || grid_.Options().rowSelect)) {
        background = pal.color(QPalette::Highlight);
        foreground = pal.color(QPalette::HighlightedText);
    }
    painter.fillRect(rect, background);
    if (grid_.Options().gridLines) {
        painter.setPen(ToQColor(grid_.Options().gridLineColour, pal));
        painter.drawLine(rect.topRight(), rect.bottomRight());
        painter.drawLine(rect.bottomLeft(), rect.bottomRight());
    }
    if (selected && !hasFocus() && !grid_.Options().rowSelect) {
        painter.setPen(QPen(pal.color(QPalette::Highlight), 1, Qt::DotLine));
        painter.drawRect(rect.adjusted(0, 0, -2, -2));
    }
    painter.setFont(ToQFont(font));
    painter.setPen(foreground);
    const auto alignment = ToQtAlignment(grid_.CellAlignment(col, row), grid_.ColumnAt(col).verticalAlignment);
    painter.drawText(rect.adjusted(kTextLeft, 1, kTextLeft - kTextPadding, -1), int(alignment),
                     QString::fromStdString(grid_.DisplayText(col, row)));
}

void ColumnGrid::paintEvent(QPaintEvent*)
{
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), palette().color(QPalette::Window));
    const int fixedCols = grid_.Options().fixedCols;
    const int fixedWidth = FixedWidth();
    const std::vector<int> rows = ShownRows();
    // The scrolled columns first, clipped right of the fixed ones; then the fixed
    // columns over them.
    painter.save();
    painter.setClipRect(QRect(fixedWidth, 0, viewport()->width() - fixedWidth, viewport()->height()));
    for (const int row : rows) {
        for (int col = fixedCols; col < grid_.ColumnCount(); ++col) {
            const QRect rect = CellRect(col, row);
            if (!rect.isEmpty() && rect.left() < viewport()->width())
                DrawCell(painter, col, row, rect);
        }
    }
    painter.restore();
    for (const int row : rows) {
        for (int col = 0; col < std::min(fixedCols, grid_.ColumnCount()); ++col) {
            const QRect rect = CellRect(col, row);
            if (!rect.isEmpty())
                DrawCell(painter, col, row, rect);
        }
    }
}

} // namespace kontaro::controls
