#include "xls/grid_xls_export.h"

#include "numbers/format_text.h"
#include "xls/cell_text_value.h"
#include "xls/exclusive_file.h"
#include "xls/text_utf16.h"
#include "xls/workbook_file.h"
#include "xls/xls_error.h"
#include "xls/xls_texts.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <random>
#include <system_error>
#include <vector>

namespace kontaro::xls {
namespace {

namespace fs = std::filesystem;

constexpr Colour kRgbMask = 0x00FFFFFF;
constexpr int kDefaultCellXf = 15;

int RoundHalfEven(double value) { return static_cast<int>(std::nearbyint(value)); }

// What the cell to the left and the row above left pending, per exported column position.
struct PendingBorder {
    bool bottom = false;
    Colour bottomColour = 0;
    bool right = false;
    Colour rightColour = 0;
};

// Writes the finished file beside the target and moves it over the target in one step, so
// that the target is either the old file or the complete new one, never a partial file.
void ReplaceFile(const std::string& target, std::span<const std::uint8_t> bytes)
{
    std::error_code ignoredError;
    // A link keeps pointing at the workbook: the file it names is replaced, not the link.
    const fs::path path = fs::is_symlink(target, ignoredError) ? fs::canonical(target, ignoredError) : fs::path(target);
    const fs::file_status previous = fs::status(path, ignoredError);
    const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
    std::random_device seed;
    std::mt19937 random(seed());
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = path.filename().string();
        name.insert(0, 1, '.');
        name += '.';
        name += std::to_string(random() % 1000000);
        name += ".tmp";
        const fs::path temporary = folder / name;
        try {
            ExclusiveFile file(temporary.string());
            file.Finish(bytes);
        } catch (const XlsError& error) {
            std::error_code ignored;
            if (fs::exists(temporary, ignored))
                continue; // another file has that name: try the next
            throw XlsError(numbers::FormatText(texts::kCantWriteFile, {target}), error.detail());
        }
        std::error_code failed;
        // The new file gets the old one's permissions, so that a private workbook stays private.
        if (fs::exists(previous))
            fs::permissions(temporary, previous.permissions(), failed);
        if (!failed)
            fs::rename(temporary, path, failed);
        if (failed) {
            std::error_code ignored;
            fs::remove(temporary, ignored);
            throw XlsError(numbers::FormatText(texts::kCantWriteFile, {target}), failed.message());
        }
        SyncFolderOf(path.string());
        return;
    }
    throw XlsError(numbers::FormatText(texts::kCantWriteFile, {target}), "no free temporary name");
}

class SheetWriter {
public:
    SheetWriter(const GridXlsExport& exporter, WorkbookFile& book)
        : exporter_(exporter), grid_(*exporter.Grid), options_(exporter.Options), book_(book)
    {}

    void Write();

private:
    void WriteCell(int sheetRow, int sheetColumn, int gridRow, int gridColumn, int position);
    void ApplyBorders(CellFormat& format, int gridRow, int gridColumn, int position, int span);
    void StoreCellFromText(int row, int column, const std::string& text, CellFormat format);
    int Palette(Colour colour) const { return book_.NearestPaletteEntry(colour & kRgbMask); }

    const GridXlsExport& exporter_;
    const ExportableGrid& grid_;
    const ExportOptions& options_;
    WorkbookFile& book_;
    std::vector<int> shown_; // the grid column at each exported position
    std::vector<PendingBorder> pending_;
};

void SheetWriter::Write()
{
    for (int column = 0; column < grid_.ColumnCount(); ++column) {
        if (options_.ExportHiddenColumns || !grid_.IsColumnHidden(column))
            shown_.push_back(column);
    }
    const int rows = grid_.RowCount();
    const int columns = static_cast<int>(shown_.size());
    const int rowShift = exporter_.XlsStartRow() - exporter_.GridStartRow();
    const int columnShift = exporter_.XlsStartCol() - exporter_.GridStartCol();

    if (options_.ExportCellSizes) {
        for (int row = exporter_.GridStartRow(); row < rows; ++row) {
            book_.SetRowHeightTwips(row + rowShift, grid_.RowHeightPixels(row) * 15);
        }
        for (int position = exporter_.GridStartCol(); position < columns; ++position) {
            const double units = grid_.ColumnWidthPixels(shown_[static_cast<std::size_t>(position)]) * 256.0 / 7.0;
            book_.SetColumnWidthUnits(position + columnShift, RoundHalfEven(units));
        }
    }
    pending_.assign(static_cast<std::size_t>(columns) + 2, PendingBorder{});
    for (int row = exporter_.GridStartRow(); row < rows; ++row) {
        for (int position = exporter_.GridStartCol(); position < columns; ++position) {
            const int column = shown_[static_cast<std::size_t>(position)];
            if (!grid_.CellSpan(column, row).isBase)
                continue;
            WriteCell(row + rowShift, position + columnShift, row, column, position);
        }
    }
}

void SheetWriter::ApplyBorders(CellFormat& format, int gridRow, int gridColumn, int position, int span)
{
    GridCellBorders sides = grid_.CellBorders(gridColumn, gridRow);
    const GridLines lines = grid_.Lines();
    if (options_.ExportHardBorders && lines.width > 0) {
        if (lines.horizontal) {
            if (!sides.top)
                sides.top = true, sides.topColour = lines.colour;
            if (!sides.bottom)
                sides.bottom = true, sides.bottomColour = lines.colour;
        }
        if (lines.vertical) {
            if (!sides.left)
                sides.left = true, sides.leftColour = lines.colour;
            if (!sides.right)
                sides.right = true, sides.rightColour = lines.colour;
        }
    }
    const auto at = [this](int index) -> PendingBorder& {
        return pending_[static_cast<std::size_t>(std::clamp(index, 0, static_cast<int>(pending_.size()) - 1))];
    };
    if (sides.top) {
        format.top = {1, Palette(sides.topColour)};
    } else if (at(position).bottom) {
        format.top = {1, Palette(at(position).bottomColour)};
    }
    if (sides.left) {
        format.left = {1, Palette(sides.leftColour)};
    } else if (at(position + span).right) {
        format.left = {1, Palette(at(position + span).rightColour)};
    }
    for (int c = position; c <= position + span; ++c) {
        at(c).bottom = sides.bottom;
        at(c).bottomColour = sides.bottomColour;
    }
    if (sides.bottom)
        format.bottom = {1, Palette(sides.bottomColour)};
    at(position + span + 1).right = sides.right;
    at(position + span + 1).rightColour = sides.rightColour;
    if (sides.right)
        format.right = {1, Palette(sides.rightColour)};
}

void SheetWriter::WriteCell(int sheetRow, int sheetColumn, int gridRow, int gridColumn, int position)
{
    const GridCellSpan span = grid_.CellSpan(gridColumn, gridRow);
    const bool spans = span.columns > 0 || span.rows > 0;
    if (spans)
        book_.MergeCellRange(sheetRow, sheetColumn, sheetRow + span.rows, sheetColumn + span.columns);

    int x = book_.CellXf(sheetRow, sheetColumn);
    if (x < 0)
        x = book_.RowXf(sheetRow);
    if (x < 1)
        x = book_.ColumnXf(sheetColumn);
    const CellFormat start = book_.DescribeXf(x < 0 ? kDefaultCellXf : x);
    CellFormat format = start;

    const GridFont font = grid_.CellFont(gridColumn, gridRow);
    format.font.name = Utf8ToUtf16(font.name);
    format.font.height = font.pixelsPerInch > 0 ? font.heightPixels * 72 * 20 / font.pixelsPerInch : format.font.height;
    format.font.colour = Palette(font.colour);
    format.font.style =
        (font.bold ? kFontBold : 0) | (font.italic ? kFontItalic : 0) | (font.strikeOut ? kFontStrikeOut : 0);
    format.font.underline = font.underline ? 1 : 0;

    ApplyBorders(format, gridRow, gridColumn, position, span.columns);

    const Colour background = grid_.CellBackground(gridColumn, gridRow) & kRgbMask;
    if (background != kRgbMask) {
        format.fillPattern = 2;
        format.fillForeground = Palette(background);
    } else {
        format.fillPattern = 1;
    }

    if (grid_.IsCellRotated(gridColumn, gridRow)) {
        int angle = grid_.CellRotationDegrees(gridColumn, gridRow);
        angle = angle < 0 ? 360 - (-angle % 360) : angle % 360;
        if (angle == 360)
            angle = 0;
        if (angle <= 90) {
            format.rotation = angle;
        } else if (angle >= 270) {
            format.rotation = (450 - angle) % 256;
        }
    }

    std::string text = grid_.CellText(gridColumn, gridRow);
    if (!options_.ExportHTMLTags)
        text = BreakTagsToLineBreaks(text);
    if (text.find('\n') != std::string::npos || (grid_.WrapsWords() && options_.ExportWordWrapped))
        format.wrap = true;
    if (!options_.ExportHTMLTags && text.find("</") != std::string::npos)
        text = StripMarkup(text);

    switch (grid_.CellHorizontalAlignment(gridColumn, gridRow)) {
    case GridHorizontalAlignment::Left:
        format.horizontalAlignment = 1;
        break;
    case GridHorizontalAlignment::Right:
        format.horizontalAlignment = 3;
        break;
    case GridHorizontalAlignment::Centre:
        format.horizontalAlignment = 2;
        break;
    default:
        format.horizontalAlignment = 0;
        break;
    }
    switch (grid_.CellVerticalAlignment(gridColumn, gridRow)) {
    case GridVerticalAlignment::Top:
        format.verticalAlignment = 0;
        break;
    case GridVerticalAlignment::Centre:
        format.verticalAlignment = 1;
        break;
    default:
        format.verticalAlignment = 2;
        break;
    }

    const bool formula = !text.empty() && text.front() == '=';
    int xf = -1;
    if (options_.ExportCellFormats) {
        const CellFormat& used = options_.ExportCellProperties ? format : start;
        if (formula && options_.ExportFormulas) {
            // The workbook gets such a text as it stands: no formula is parsed or stored.
            xf = book_.RegisterCellFormat(used);
            book_.StoreCellWithXf(sheetRow, sheetColumn, Utf8ToUtf16(text), xf);
        } else {
            StoreCellFromText(sheetRow, sheetColumn, text, used);
            xf = book_.CellXf(sheetRow, sheetColumn);
            if (xf < 0)
                xf = book_.RegisterCellFormat(used);
        }
    } else {
        xf = options_.ExportCellProperties ? book_.RegisterCellFormat(format) : -1;
        book_.StoreCellWithXf(sheetRow, sheetColumn, Utf8ToUtf16(text), xf);
    }
    if (spans && xf >= 0) {
        for (int r = sheetRow; r <= sheetRow + span.rows; ++r) {
            for (int c = sheetColumn; c <= sheetColumn + span.columns; ++c) {
                if (r != sheetRow || c != sheetColumn)
                    book_.StoreCellWithXf(r, c, std::monostate{}, xf);
            }
        }
    }
}

void SheetWriter::StoreCellFromText(int row, int column, const std::string& text, CellFormat format)
{
    CellValue value;
    if (const auto number = ParseNumberText(text, exporter_.Locale)) {
        value = *number;
    } else if (const auto flag = ParseBooleanText(text)) {
        value = *flag;
    } else if (const auto date = ParseDateTimeText(text, exporter_.DateFormat, exporter_.TimeFormat, exporter_.Dates)) {
        value = date->serial;
        format.numberFormat = Utf8ToUtf16(date->numberFormat);
    } else {
        value = Utf8ToUtf16(text);
    }
    book_.StoreCellWithXf(row, column, value, book_.RegisterCellFormat(format));
}

} // namespace

void SaveWorkbook(ExportWorkbook& workbook, const std::string& fileName, int activeSheet)
{
    workbook.book.MakeSheetSelected(activeSheet);
    ReplaceFile(fileName, workbook.book.WriteWorkbookBytes());
}

std::optional<ExportWorkbook> GridXlsExport::OpenWorkbook(const std::string& fileName) const
{
    std::error_code ignored;
    const bool exists = fs::exists(fileName, ignored);
    bool readExisting = exists;
    switch (Options.ExportOverwrite) {
    case OverwriteMode::Always:
        readExisting = false;
        break;
    case OverwriteMode::Warn:
        if (exists) {
            const std::string question = numbers::FormatText(Options.ExportOverwriteMessage, {fileName});
            if (!OnConfirmOverwrite || !OnConfirmOverwrite(question))
                return std::nullopt;
            readExisting = false;
        }
        break;
    case OverwriteMode::Never:
        break;
    }
    ExportWorkbook workbook;
    if (readExisting) {
        workbook.book.ReadWorkbookFile(fileName);
    } else {
        workbook.book.CreateFromTemplate(1);
        workbook.blankTemplate = true;
    }
    return workbook;
}

void GridXlsExport::WriteSheet(ExportWorkbook& workbook, const std::string& sheetName, int sheetPosition) const
{
    if (!Grid)
        throw XlsError(std::string(texts::kNoGridAssigned));
    WorkbookFile& book = workbook.book;
    if (workbook.blankTemplate) {
        book.SetCurrentSheet(1);
    } else {
        if (const int sheet = book.FindSheet(sheetName); sheet > 0) {
            // A chart or other sheet takes no cells: writing into it would silently write nothing.
            if (!book.SheetAt(sheet).IsWorksheet())
                throw XlsError(numbers::FormatText(texts::kNotAWorksheet, {sheetName}));
            book.SetCurrentSheet(sheet);
            book.ResetCurrentSheet();
        } else {
            const int position =
                sheetPosition > 0 && sheetPosition <= book.SheetTotal() ? sheetPosition : book.SheetTotal() + 1;
            book.InsertBlankSheets(position, 1);
            book.SetCurrentSheet(position);
        }
    }
    workbook.blankTemplate = false;
    SheetWriter(*this, book).Write();
    if (!sheetName.empty())
        book.SetCurrentSheetTitle(sheetName);
}

void GridXlsExport::ExportGrid(const std::string& fileName, const std::string& sheetName, int sheetPosition,
                               int activeSheet)
{
    if (!Grid)
        throw XlsError(std::string(texts::kNoGridAssigned));
    std::optional<ExportWorkbook> workbook = OpenWorkbook(fileName);
    if (!workbook)
        return;
    WriteSheet(*workbook, sheetName, sheetPosition);
    SaveWorkbook(*workbook, fileName, activeSheet);
}

} // namespace kontaro::xls
