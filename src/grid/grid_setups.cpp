#include "grid/grid_setups.h"

#include "columns/footer_texts.h"
#include "columns/series_columns.h"
#include "grid/grid_texts.h"

#include <array>

namespace kontaro::grid {

namespace {

struct ColumnPlan {
    const char* header = "";
    const char* name = "";
    int width = 0;
};

// A set-up's columns, indexed by the columns of columns/grid_columns.h.
template <std::size_t N>
using ColumnPlans = std::array<ColumnPlan, N>;

// Every column has a plan: none was left out of the table.
template <std::size_t N>
constexpr bool EveryColumnPlanned(const ColumnPlans<N>& plan)
{
    for (const ColumnPlan& column : plan)
        if (column.width == 0)
            return false;
    return true;
}

// The common start of every set-up: rows of a fresh grid, columns from the plan,
// all cells and headers right-aligned and read-only unless a set-up says otherwise.
template <std::size_t N>
void LayOut(PlainGrid& grid, const GridOptions& options, const ColumnPlans<N>& plan)
{
    grid.Options() = options;
    grid.SetColumnCount(int(N));
    grid.SetRowCount(0);
    for (int row = 0; row < grid.RowCount(); ++row)
        grid.ClearRow(row);
    for (std::size_t i = 0; i < N; ++i) {
        Column column;
        column.header = plan[i].header;
        column.name = plan[i].name;
        column.width = plan[i].width;
        column.alignment = HAlign::Right;
        column.headerAlignment = HAlign::Right;
        column.editor = EditorKind::None;
        column.readOnly = true;
        grid.ColumnAt(int(i)) = column;
        grid.SetCell(int(i), 0, column.header);
    }
}

GridOptions SummaryOptions()
{
    GridOptions options;
    options.fixedCols = 1;
    options.footer = true;
    options.editing = false;
    options.rowSelect = true;
    options.insertDeleteKeys = false;
    options.tabMovesCells = false;
    return options;
}

void SumFooters(PlainGrid& grid, std::initializer_list<int> columns)
{
    for (const int col : columns)
        grid.ColumnAt(col).footer = FooterKind::Sum;
}

void Finish(PlainGrid& grid)
{
    if (grid.FooterRow() >= 0) {
        grid.SetCell(0, grid.FooterRow(), columns::texts::kSummen);
        grid.RecalcFooter();
    }
    grid.SetCursor(grid.Options().fixedCols, grid.FirstDataRow());
}

} // namespace

void SetupDayView(PlainGrid& grid)
{
    namespace col = columns::day;
    GridOptions options;
    options.fixedCols = 1;
    options.footer = true;
    options.editing = true;
    options.tabMovesCells = true;
    options.insertDeleteKeys = true;
    options.numberLocale = grid.Options().numberLocale;
    static constexpr ColumnPlans<col::kColumnCount> plan = [] {
        ColumnPlans<col::kColumnCount> p;
        p[col::Name] = {texts::kName, "cDisplay", 150};
        p[col::Produkt] = {texts::kProdukt, "cProdukt", 64};
        p[col::Menge] = {texts::kMenge, "cMenge", 64};
        p[col::VerkaufB] = {texts::kVerkaufB, "cVerkauf", 64};
        p[col::VerkaufN] = {texts::kVerkaufN, "cVerkaufN", 64};
        p[col::Einkauf] = {texts::kEinkauf, "cEinkauf", 64};
        p[col::Steuer] = {texts::kSteuer, "cSteuer", 64};
        p[col::DB1] = {texts::kDB1, "cDB1", 64};
        p[col::DB1P] = {texts::kDB1Prozent, "cDB1P", 64};
        return p;
    }();
    static_assert(EveryColumnPlanned(plan));
    LayOut(grid, options, plan);

    Column& produkt = grid.ColumnAt(col::Produkt);
    produkt.editor = EditorKind::Numeric;
    produkt.readOnly = false;
    for (const int c : {col::Menge, col::VerkaufB}) {
        grid.ColumnAt(c).editor = EditorKind::Calculator;
        grid.ColumnAt(c).readOnly = false;
    }
    for (int c = col::VerkaufB; c <= col::DB1P; ++c)
        grid.ColumnAt(c).colour = kLightYellow;
    for (const int c : {col::Menge, col::VerkaufB, col::Einkauf, col::DB1})
        grid.ColumnAt(c).displayDecimals = 2;
    grid.ColumnAt(col::Steuer).displayDecimals = 1;

    SumFooters(grid, {col::VerkaufB, col::VerkaufN, col::Einkauf, col::DB1});
    grid.ColumnAt(col::DB1P).footer = FooterKind::Custom;
    Finish(grid);
}

void SetupSumView(PlainGrid& grid)
{
    namespace col = columns::sum;
    GridOptions options = SummaryOptions();
    options.numberLocale = grid.Options().numberLocale;
    static constexpr ColumnPlans<col::kColumnCount> plan = [] {
        ColumnPlans<col::kColumnCount> p;
        p[col::Name] = {texts::kName, "SumName", 150};
        p[col::Produkt] = {texts::kProdukt, "SumProd", 64};
        p[col::Menge] = {texts::kMenge, "SumMenge", 64};
        p[col::VerkaufB] = {texts::kVerkaufB, "SumVerkauf", 64};
        p[col::VerkaufN] = {texts::kVerkaufN, "SumVerkaufN", 64};
        p[col::Einkauf] = {texts::kEinkauf, "SumEinkauf", 64};
        p[col::Steuer] = {texts::kSteuerBis, "SumSteuer", 64};
        p[col::DB1] = {texts::kDB1, "SumDB1", 64};
        p[col::DB1P] = {texts::kDB1Prozent, "SumDB1P", 64};
        return p;
    }();
    static_assert(EveryColumnPlanned(plan));
    LayOut(grid, options, plan);
    SumFooters(grid, {col::VerkaufB, col::VerkaufN, col::Einkauf, col::DB1});
    Finish(grid);
}

void SetupGroupView(PlainGrid& grid)
{
    namespace col = columns::group;
    GridOptions options = SummaryOptions();
    options.rangeSelect = true;
    options.numberLocale = grid.Options().numberLocale;
    static constexpr ColumnPlans<col::kColumnCount> plan = [] {
        ColumnPlans<col::kColumnCount> p;
        p[col::Name] = {texts::kName, "", 150};
        p[col::Gruppe] = {texts::kGruppe, "", 64};
        p[col::Menge] = {texts::kMenge, "", 64};
        p[col::VerkaufB] = {texts::kVerkaufB, "", 64};
        p[col::VerkaufN] = {texts::kVerkaufN, "", 64};
        p[col::Einkauf] = {texts::kEinkauf, "", 64};
        p[col::Steuer] = {texts::kSteuerBis, "", 64};
        p[col::DB1] = {texts::kDB1, "", 64};
        p[col::DB1P] = {texts::kDB1Prozent, "", 64};
        p[col::Anteil] = {texts::kAnteil, "", 64};
        return p;
    }();
    static_assert(EveryColumnPlanned(plan));
    LayOut(grid, options, plan);
    SumFooters(grid, {col::VerkaufB, col::VerkaufN, col::Einkauf, col::DB1});
    HideGroupViewColumns(grid);
    Finish(grid);
}

void HideGroupViewColumns(PlainGrid& grid)
{
    grid.SetColumnHidden(columns::group::Menge, true);
    grid.SetColumnHidden(columns::group::Steuer, true);
}

void SetupExportGrid(PlainGrid& grid)
{
    namespace col = columns::overview;
    GridOptions options;
    options.fixedCols = 0;
    options.footer = false;
    options.editing = false;
    options.insertDeleteKeys = false;
    options.tabMovesCells = false;
    options.numberLocale = grid.Options().numberLocale;
    static constexpr ColumnPlans<col::kColumnCount> plan = [] {
        ColumnPlans<col::kColumnCount> p;
        p[col::ID] = {texts::kId, "", 64};
        p[col::Name] = {texts::kName, "", 312};
        p[col::Einkauf] = {texts::kEinkauf, "", 64};
        p[col::Verkauf] = {texts::kVerkauf, "", 64};
        return p;
    }();
    static_assert(EveryColumnPlanned(plan));
    LayOut(grid, options, plan);
    for (int c = 0; c < col::kColumnCount; ++c)
        grid.ColumnAt(c).headerAlignment = HAlign::Left;
    grid.ColumnAt(col::ID).alignment = HAlign::Left;
    grid.ColumnAt(col::Name).alignment = HAlign::Left;
    Finish(grid);
}

void SetupSeriesGrid(PlainGrid& grid)
{
    namespace col = columns::series;
    GridOptions options;
    options.fixedCols = 0;
    options.footer = false;
    options.editing = false;
    options.rowSelect = true;
    options.insertDeleteKeys = false;
    options.tabMovesCells = false;
    options.numberLocale = grid.Options().numberLocale;
    static constexpr ColumnPlans<col::kColumnCount> plan = [] {
        ColumnPlans<col::kColumnCount> p;
        p[col::Zeitraum] = {texts::kZeitraum, "", 110};
        p[col::Von] = {texts::kVon, "", 64};
        p[col::Bis] = {texts::kBis, "", 64};
        p[col::Gruppe] = {texts::kGruppe, "", 150};
        p[col::VerkaufB] = {texts::kVerkaufB, "", 80};
        p[col::VerkaufN] = {texts::kVerkaufN, "", 80};
        p[col::Einkauf] = {texts::kEinkauf, "", 80};
        p[col::DB1] = {texts::kDB1, "", 80};
        p[col::DB1P] = {texts::kDB1Prozent, "", 64};
        return p;
    }();
    static_assert(EveryColumnPlanned(plan));
    LayOut(grid, options, plan);
    for (const int c : {col::Zeitraum, col::Gruppe}) {
        grid.ColumnAt(c).alignment = HAlign::Left;
        grid.ColumnAt(c).headerAlignment = HAlign::Left;
    }
    ShowSeriesGroups(grid, false);
    Finish(grid);
}

void ShowSeriesGroups(PlainGrid& grid, bool shown) { grid.SetColumnHidden(columns::series::Gruppe, !shown); }

} // namespace kontaro::grid
