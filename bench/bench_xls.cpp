// The workbook export: a report grid of 2,000 rows and 10 columns into a new file, and the
// period export with daily sums, a summary sheet and then 31 day sheets into one file (32
// complete read-and-write cycles). bench/xls_compare runs the same table through a peer
// writer and reports the ratios.
#include "xls/exportable_grid.h"
#include "xls/grid_xls_export.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace kontaro::bench {
namespace {

namespace fs = std::filesystem;
using namespace kontaro::xls;

// Shown values as the program's grids show them: German separators, two decimals.
std::string Shown(double value)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.2f", value);
    std::string s(text);
    s[s.find('.')] = ',';
    return s;
}

// The texts are made once, as a grid holds them, so that only the export is measured.
class ReportGrid : public ExportableGrid {
public:
    ReportGrid(int rows, int columns, int seed) : rows_(rows), columns_(columns)
    {
        for (int row = 0; row < rows; ++row) {
            for (int column = 0; column < columns; ++column) {
                if (row == 0) {
                    texts_.push_back(column == 0 ? "Produkt" : "Spalte " + std::to_string(column));
                } else if (column == 0) {
                    texts_.push_back("Produkt " + std::to_string((row * 7 + seed) % 997));
                } else {
                    texts_.push_back(Shown(((row * 31 + column * 17 + seed) % 100000) / 100.0));
                }
            }
        }
    }
    int RowCount() const override { return rows_; }
    int ColumnCount() const override { return columns_; }
    int ColumnWidthPixels(int column) const override { return column == 0 ? 150 : 70; }
    int RowHeightPixels(int) const override { return 18; }
    std::string CellText(int column, int row) const override
    {
        return texts_[static_cast<std::size_t>(row * columns_ + column)];
    }
    GridFont CellFont(int, int row) const override
    {
        GridFont font;
        font.name = "Tahoma";
        font.heightPixels = 11;
        font.bold = row == 0;
        return font;
    }
    Colour CellBackground(int column, int) const override
    {
        return column == 3 ? MakeColour(255, 255, 204) : MakeColour(255, 255, 255);
    }
    GridHorizontalAlignment CellHorizontalAlignment(int column, int) const override
    {
        return column == 0 ? GridHorizontalAlignment::Left : GridHorizontalAlignment::Right;
    }
    GridVerticalAlignment CellVerticalAlignment(int, int) const override { return GridVerticalAlignment::Centre; }

private:
    int rows_, columns_;
    std::vector<std::string> texts_;
};

fs::path Target(const char* name) { return fs::temp_directory_path() / name; }

void Export(const ExportableGrid& grid, const fs::path& file, const std::string& sheet, OverwriteMode mode)
{
    GridXlsExport exporter;
    exporter.Grid = &grid;
    exporter.SetGridStartRow(0);
    exporter.SetGridStartCol(0);
    exporter.Locale = {',', '.'};
    exporter.Options.ExportOverwrite = mode;
    exporter.Options.ExportHTMLTags = false;
    exporter.ExportGrid(file.string(), sheet, -1, 1);
}

void BM_ExportReportGrid(benchmark::State& state)
{
    const ReportGrid grid(2000, 10, 0);
    const fs::path file = Target("kontaro-bench-report.xls");
    for (auto _ : state)
        Export(grid, file, "Summe", OverwriteMode::Always);
    state.counters["bytes"] = static_cast<double>(fs::file_size(file));
    fs::remove(file);
}
BENCHMARK(BM_ExportReportGrid)->Unit(benchmark::kMillisecond);

void BM_ExportDaySeries(benchmark::State& state)
{
    const ReportGrid summary(200, 10, 0);
    std::vector<ReportGrid> days;
    for (int day = 1; day <= 31; ++day)
        days.emplace_back(40, 10, day);
    const fs::path file = Target("kontaro-bench-series.xls");
    for (auto _ : state) {
        Export(summary, file, "Summe", OverwriteMode::Always);
        for (int day = 1; day <= 31; ++day) {
            Export(days[static_cast<std::size_t>(day - 1)], file,
                   (day < 10 ? "05-03-0" : "05-03-") + std::to_string(day), OverwriteMode::Never);
        }
    }
    state.counters["bytes"] = static_cast<double>(fs::file_size(file));
    fs::remove(file);
}
BENCHMARK(BM_ExportDaySeries)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace kontaro::bench

BENCHMARK_MAIN();
