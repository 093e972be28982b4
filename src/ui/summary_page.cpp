#include "ui/summary_page.h"

#include "calc/calc_texts.h"
#include "controls/column_grid.h"
#include "grid/plain_grid.h"
#include "model/globals.h"
#include "ui/date_controls.h"
#include "ui/day_dates.h"
#include "ui/period_pickers.h"
#include "ui/texts.h"
#include "ui/user_prompts.h"
#include "views/filled_grid.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStackedLayout>
#include <QVBoxLayout>

#include <algorithm>

namespace kontaro::ui {

namespace {

// The column of buttons right of the grid, and the widths of the period's row.
constexpr int kSideWidth = 162;
// A button's place left free between "&Berechnen" and the print buttons, and
// before the export with daily sums.
constexpr int kButtonGroupGap = 32;

} // namespace

SummaryPage::SummaryPage(model::Project& project, std::function<QString()> fileName, const Plan& plan, QWidget* parent)
    : QWidget(parent), project_(project), fileName_(std::move(fileName)), plan_(plan)
{
    CreateComponents();

    const QDate today = DateOfDay(model::TodayNumber());
    from_->SetDate(QDate(today.year(), today.month(), 1));
    FromChange();
    ProjectReset();
}

SummaryPage::~SummaryPage() = default;

void SummaryPage::CreateComponents()
{
    auto* layout = new QGridLayout(this);

    auto* period = new QHBoxLayout();
    from_ = AddPeriodPicker(*this, *period, plan_.fromName, texts::LabelFrom());
    to_ = AddPeriodPicker(*this, *period, plan_.toName, texts::LabelTo());
    period->addStretch(1);
    layout->addLayout(period, 0, 0, 1, 2);

    // The waiting notice lies under the grid at its place; the grid covers it.
    auto* gridArea = new QWidget(this);
    auto* stack = new QStackedLayout(gridArea);
    stack->setStackingMode(QStackedLayout::StackAll);
    stack->setContentsMargins(0, 0, 0, 0);
    auto* pleaseWait = new QLabel(texts::PleaseWait(), gridArea);
    pleaseWait->setObjectName(QLatin1StringView(plan_.waitName));
    pleaseWait->setAlignment(plan_.waitAlignment);
    grid_ = new controls::ColumnGrid(gridArea);
    grid_->setObjectName(QLatin1StringView(plan_.gridName));
    stack->addWidget(pleaseWait);
    stack->addWidget(grid_);
    stack->setCurrentWidget(grid_);
    layout->addWidget(gridArea, 1, 0);

    auto* side = new QWidget(this);
    auto* column = new QVBoxLayout(side);
    column->setContentsMargins(0, 0, 0, 0);
    auto makeButton = [side, column](const char* name, const QString& caption) {
        auto* button = new QPushButton(caption, side);
        button->setObjectName(QLatin1StringView(name));
        column->addWidget(button);
        return button;
    };
    calc_ = makeButton(plan_.calcName, texts::ButtonCalculate());
    column->addSpacing(kButtonGroupGap);
    print_ = makeButton(plan_.printName, texts::ButtonPrint());
    printSettings_ = makeButton(plan_.printSettingsName, texts::ButtonPrintSettings());
    export_ = makeButton(plan_.exportName, texts::ButtonExport());
    column->addSpacing(kButtonGroupGap);
    exportDaily_ = makeButton(plan_.exportDailyName, texts::ButtonExportDaily());
    column->addStretch(1);
    // As wide as the longest caption needs in the desktop's font, 162 pixels at least.
    int sideWidth = kSideWidth;
    for (const QPushButton* button : {calc_, print_, printSettings_, export_, exportDaily_})
        sideWidth = std::max(sideWidth, button->sizeHint().width());
    side->setFixedWidth(sideWidth);
    layout->addWidget(side, 1, 1, Qt::AlignTop);

    layout->setColumnStretch(0, 1);
    layout->setRowStretch(1, 1);

    connect(from_, &DatePicker::UserChanged, this, [this] { FromChange(); });
    connect(to_, &DatePicker::UserChanged, this, [this] { ToChange(); });
    connect(calc_, &QPushButton::clicked, this, [this] { Calculate(true); });
}

SummaryPeriod SummaryPage::PickerPeriod() const { return {DayOfDate(from_->date()), DayOfDate(to_->date())}; }

void SummaryPage::FromChange() { FollowFromMonth(*from_, *to_); }

void SummaryPage::ToChange() { KeepToAfterFrom(*from_, *to_); }

void SummaryPage::ShowPeriod()
{
    grid::PlainGrid& grid = grid_->Grid();
    grid.SetCell(plan_.fromDateColumn, grid.FooterRow(), model::ShortDateText(gridPeriod_.from));
    grid.SetCell(plan_.toDateColumn, grid.FooterRow(), model::ShortDateText(gridPeriod_.to));
}

void SummaryPage::ProjectReset()
{
    grid::PlainGrid& grid = grid_->Grid();
    grid.BeginUpdate();
    // The set-up keeps the grid's number locale.
    plan_.setup(grid);
    gridPeriod_ = PickerPeriod();
    ShowPeriod();
    grid.EndUpdate();
    SetOutputsEnabled(false);
}

void SummaryPage::Calculate(bool fromUser)
{
    grid::PlainGrid& grid = grid_->Grid();
    const SummaryPeriod period = PickerPeriod();
    calc::SummaryResult result =
        plan_.summary(project_, period.from, period.to, fileName_().toStdString(), grid.Options().numberLocale);
    // The empty grid of a period without stored days keeps the footer's first text:
    // "Summe (%s)" once the page has calculated, else "Summen".
    if (!result.daysFound)
        result.grid.footer[0] = grid.Cell(0, grid.FooterRow());

    views::FillGrid(grid, result.grid);
    grid.SetCursor(grid.Options().fixedCols, grid.FirstDataRow());
    // A grid scrolled down in the last result starts again at its first row.
    grid_->EnsureCursorVisible();
    gridPeriod_ = period;

    if (!result.daysFound) {
        if (fromUser)
            Prompts().Warning(window(), QString::fromUtf8(calc::texts::kKeinePassendenEintraege));
        return;
    }
    SetOutputsEnabled(true);
}

void SummaryPage::SetOutputsEnabled(bool enabled)
{
    for (QPushButton* button : {print_, printSettings_, export_, exportDaily_})
        button->setEnabled(enabled);
}

} // namespace kontaro::ui
