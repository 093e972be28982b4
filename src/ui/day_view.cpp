// The day view's components and their wiring; the handlers are in
// day_view_handlers.cpp.
#include "ui/day_view.h"

#include "controls/column_grid.h"
#include "controls/html_label.h"
#include "controls/qt_format_text.h"
#include "grid/grid_setups.h"
#include "grid/plain_grid.h"
#include "model/globals.h"
#include "ui/date_controls.h"
#include "ui/day_dates.h"
#include "ui/day_undo.h"
#include "ui/texts.h"
#include "ui/user_prompts.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStackedLayout>
#include <QVBoxLayout>

#include <algorithm>

namespace kontaro::ui {

namespace {
// The column of calendar, buttons and hints right of the grid.
constexpr int kSideWidth = 162;
} // namespace

DayView::DayView(model::Project& project, std::function<QString()> fileName, QWidget* parent)
    : QWidget(parent), project_(project), fileName_(std::move(fileName))
{
    CreateComponents();
    ConnectGrid();
    undo_ = new DayUndo(Grid(), this);
    connect(undo_, &DayUndo::RowsRestored, this, &DayView::DayEdited);

    CurrentDay = model::TodayNumber();
    calDay_->SetDate(DateOfDay(CurrentDay));
    DayGridBusy = false;
    StoreDayOnSwitch = true;
}

DayView::~DayView() = default;

void DayView::CreateComponents()
{
    auto* layout = new QGridLayout(this);

    // The waiting notice lies under the grid at its place; the grid covers it.
    auto* gridArea = new QWidget(this);
    auto* stack = new QStackedLayout(gridArea);
    stack->setStackingMode(QStackedLayout::StackAll);
    stack->setContentsMargins(0, 0, 0, 0);
    pleaseWait_ = new QLabel(texts::PleaseWait(), gridArea);
    pleaseWait_->setObjectName(QStringLiteral("PleaseWait"));
    pleaseWait_->setAlignment(Qt::AlignCenter);
    gDayView_ = new controls::ColumnGrid(gridArea);
    gDayView_->setObjectName(QStringLiteral("gDayView"));
    stack->addWidget(pleaseWait_);
    stack->addWidget(gDayView_);
    stack->setCurrentWidget(gDayView_);
    layout->addWidget(gridArea, 0, 0, 2, 1);

    auto* side = new QWidget(this);
    auto* column = new QVBoxLayout(side);
    column->setContentsMargins(0, 0, 0, 0);

    calDay_ = new MonthCalendar(side);
    calDay_->setObjectName(QStringLiteral("CalDay"));
    calDay_->setAccessibleName(texts::CalendarName());
    column->addWidget(calDay_);
    // The column is 162 pixels wide unless the calendar needs more to show a
    // whole month in the desktop's font.
    const int sideWidth = std::max(kSideWidth, calDay_->sizeHint().width());
    side->setFixedWidth(sideWidth);

    auto makeButton = [side, column](const char* name, const QString& caption) {
        auto* button = new QPushButton(caption, side);
        button->setObjectName(QLatin1StringView(name));
        column->addWidget(button);
        return button;
    };
    bDayPrint_ = makeButton("bDayPrint", texts::ButtonPrint());
    bDayPrintSet_ = makeButton("bDayPrintSet", texts::ButtonPrintSettings());
    bDayExport_ = makeButton("bDayExport", texts::ButtonExport());

    HintBox_ = new QGroupBox(texts::HintBoxTitle(), side);
    HintBox_->setObjectName(QStringLiteral("HintBox"));
    auto* hints = new QVBoxLayout(HintBox_);
    DayHint_ = new controls::HtmlLabel(HintBox_);
    DayHint_->setObjectName(QStringLiteral("DayHint"));
    DayHint_->SetHtml(texts::DayHintHtml());
    hints->addWidget(DayHint_);
    hints->addStretch(1);
    column->addWidget(HintBox_, 1);

    layout->addWidget(side, 0, 1, 2, 1);
    layout->setColumnStretch(0, 1);
}

void DayView::ConnectGrid()
{
    grid::PlainGrid& grid = Grid();
    // The grid came with the user's separators, which the set-up keeps.
    grid::SetupDayView(grid);

    grid::GridEvents& events = grid.Events();
    events.OnCellValidate = [this](int col, int row, std::string& value, bool& valid) {
        gDayViewCellValidate(col, row, value, valid);
    };
    events.OnCellsChanged = [this](const grid::CellRect&) {
        gDayViewCellsChanged();
        // The handler has written the row's figures: the edit step is complete.
        if (!switching_) {
            undo_->Record();
            emit DayEdited();
        }
    };
    events.OnRowChanging = [this](int oldRow, int newRow, bool& allow) { gDayViewRowChanging(oldRow, newRow, allow); };
    events.OnColChanging = [this](int oldCol, int newCol, bool& allow) { gDayViewColChanging(oldCol, newCol, allow); };
    events.OnCanInsertRow = [this](int row, bool& canInsert) { gDayViewCanInsertRow(row, canInsert); };
    events.OnAutoInsertRow = [this](int row) { gDayViewAutoInsertRow(row); };
    events.OnCanDeleteRow = [this](int row, bool& canDelete) { gDayViewCanDeleteRow(row, canDelete); };
    events.OnAutoDeleteRow = [this](int row) { gDayViewAutoDeleteRow(row); };
    events.OnCalcFooter = [this](int col, int row, std::string& value) { DayFooterPercent(col, row, value); };

    // The grid has dropped the edit whose handler failed; the user learns why.
    connect(gDayView_, &controls::ColumnGrid::HandlerFailed, this, [this](const QString& what) {
        Prompts().Warning(window(), controls::FormatText(texts::EditFailed(), {what}));
    });
    connect(calDay_, &MonthCalendar::UserChanged, this, [this] { CalDayClick(); });
    connect(calDay_, &QCalendarWidget::activated, this, [this] { gDayView_->setFocus(); });
    gDayView_->installEventFilter(this);
}

void DayView::UndoEdit()
{
    if (gDayView_->IsEditing() && !gDayView_->CommitEditor())
        gDayView_->CancelEditor();
    undo_->Undo();
    gDayView_->EnsureCursorVisible();
}

void DayView::RedoEdit()
{
    if (gDayView_->IsEditing() && !gDayView_->CommitEditor())
        gDayView_->CancelEditor();
    undo_->Redo();
    gDayView_->EnsureCursorVisible();
}

bool DayView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == gDayView_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab && key->modifiers() == Qt::ControlModifier && !gDayView_->IsEditing()) {
            calDay_->setFocus(Qt::TabFocusReason);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace kontaro::ui
