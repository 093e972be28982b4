#include "grid/grid_setups.h"

#include "grid/grid_texts.h"

namespace kontaro::grid {

namespace {

struct ColumnPlan {
    const char* header;
    const char* name;
    int width;
};

// The common start of every set-up: rows of a fresh grid, columns from the plan,
// all cells and headers right-aligned and read-only unless a set-up says otherwise.
template <std::size_t N>
void LayOut(PlainGrid& grid, const GridOptions& options, const ColumnPlan (&plan)[N])
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
        grid.SetCell(0, grid.FooterRow(), texts::kSummen);
        grid.RecalcFooter();
    }
    grid.SetCursor(grid.Options().fixedCols, grid.FirstDataRow());
}

} // namespace

void SetupDayView(PlainGrid& grid)
{
    GridOptions options;
    options.fixedCols = 1;
    options.footer = true;
    options.editing = true;
    options.tabMovesCells = true;
    options.insertDeleteKeys = true;
    options.separators = grid.Options().separators;
    static constexpr ColumnPlan plan[] = {
        {texts::kName, "cDisplay", 150},   {texts::kProdukt, "cProdukt", 64},
        {texts::kMenge, "cMenge", 64},     {texts::kVerkaufB, "cVerkauf", 64},
        {texts::kVerkaufN, "cVerkaufN", 64}, {texts::kEinkauf, "cEinkauf", 64},
        {texts::kSteuer, "cSteuer", 64},   {texts::kDB1, "cDB1", 64},
        {texts::kDB1Prozent, "cDB1P", 64},
    };
    LayOut(grid, options, plan);

    Column& produkt = grid.ColumnAt(day::cProdukt);
    produkt.editor = EditorKind::Numeric;
    produkt.readOnly = false;
    for (const int col : {int(day::cMenge), int(day::cVerkauf)}) {
        grid.ColumnAt(col).editor = EditorKind::Calculator;
        grid.ColumnAt(col).readOnly = false;
    }
    for (int col = day::cVerkauf; col <= day::cDB1P; ++col)
        grid.ColumnAt(col).colour = kLightYellow;
    for (const int col : {int(day::cMenge), int(day::cVerkauf), int(day::cEinkauf), int(day::cDB1)})
        grid.ColumnAt(col).displayDecimals = 2;
    grid.ColumnAt(day::cSteuer).displayDecimals = 1;

    SumFooters(grid, {day::cVerkauf, day::cVerkaufN, day::cEinkauf, day::cDB1});
    grid.ColumnAt(day::cDB1P).footer = FooterKind::Custom;
    Finish(grid);
}

void SetupSumView(PlainGrid& grid)
{
    GridOptions options = SummaryOptions();
    options.separators = grid.Options().separators;
    static constexpr ColumnPlan plan[] = {
        {texts::kName, "SumName", 150},         {texts::kProdukt, "SumProd", 64},
        {texts::kMenge, "SumMenge", 64},        {texts::kVerkaufB, "SumVerkauf", 64},
        {texts::kVerkaufN, "SumVerkaufN", 64},  {texts::kEinkauf, "SumEinkauf", 64},
        {texts::kSteuerBis, "SumSteuer", 64},   {texts::kDB1, "SumDB1", 64},
        {texts::kDB1Prozent, "SumDB1P", 64},
    };
    LayOut(grid, options, plan);
    SumFooters(grid, {sum::SumVerkauf, sum::SumVerkaufN, sum::SumEinkauf, sum::SumDB1});
    Finish(grid);
}

void SetupGroupView(PlainGrid& grid)
{
    GridOptions options = SummaryOptions();
    options.rangeSelect = true;
    options.separators = grid.Options().separators;
    static constexpr ColumnPlan plan[] = {
        {texts::kName, "", 150},       {texts::kGruppe, "", 64},     {texts::kMenge, "", 64},
        {texts::kVerkaufB, "", 64},    {texts::kVerkaufN, "", 64},   {texts::kEinkauf, "", 64},
        {texts::kSteuerBis, "", 64},   {texts::kDB1, "", 64},        {texts::kDB1Prozent, "", 64},
        {texts::kAnteil, "", 64},
    };
    LayOut(grid, options, plan);
    SumFooters(grid, {group::kVerkauf, group::kVerkaufN, group::kEinkauf, group::kDB1});
    HideGroupViewColumns(grid);
    Finish(grid);
}

void HideGroupViewColumns(PlainGrid& grid)
{
    grid.SetColumnHidden(group::kMenge, true);
    grid.SetColumnHidden(group::kSteuer, true);
}

void SetupExportGrid(PlainGrid& grid)
{
    GridOptions options;
    options.fixedCols = 0;
    options.footer = false;
    options.editing = false;
    options.insertDeleteKeys = false;
    options.tabMovesCells = false;
    options.separators = grid.Options().separators;
    static constexpr ColumnPlan plan[] = {
        {texts::kId, "", 64},
        {texts::kName, "", 312},
        {texts::kEinkauf, "", 64},
        {texts::kVerkauf, "", 64},
    };
    LayOut(grid, options, plan);
    for (int col = 0; col < overview::kColumnCount; ++col)
        grid.ColumnAt(col).headerAlignment = HAlign::Left;
    grid.ColumnAt(overview::kId).alignment = HAlign::Left;
    grid.ColumnAt(overview::kName).alignment = HAlign::Left;
    Finish(grid);
}

} // namespace kontaro::grid
