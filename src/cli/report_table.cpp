#include "cli/report_table.h"

#include <algorithm>
#include <string_view>
#include <vector>

namespace kontaro::cli {

namespace {

using Lines = std::vector<std::vector<std::string>>;

// The shown texts of the visible columns; row 0 holds the captions.
Lines ShownTexts(const grid::PlainGrid& grid, std::vector<grid::HAlign>* alignments = nullptr)
{
    std::vector<int> columns;
    for (int position = 0; position < grid.VisibleColumnCount(); ++position)
        columns.push_back(grid.VisibleColumn(position));
    Lines lines;
    for (int row = 0; row < grid.RowCount(); ++row) {
        std::vector<std::string>& line = lines.emplace_back();
        for (const int col : columns)
            line.push_back(row == 0 ? grid.ColumnAt(col).header : grid.DisplayText(col, row));
    }
    if (alignments) {
        for (const int col : columns)
            alignments->push_back(grid.ColumnAt(col).alignment);
    }
    return lines;
}

// Characters of a UTF-8 text (bytes that do not continue a character).
std::size_t Width(std::string_view text)
{
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

} // namespace

std::string TextTable(const grid::PlainGrid& grid)
{
    std::vector<grid::HAlign> alignments;
    const Lines lines = ShownTexts(grid, &alignments);
    std::vector<std::size_t> widths(alignments.size(), 0);
    for (const auto& line : lines)
        for (std::size_t c = 0; c < line.size(); ++c)
            widths[c] = std::max(widths[c], Width(line[c]));

    std::string out;
    for (const auto& line : lines) {
        std::string text;
        for (std::size_t c = 0; c < line.size(); ++c) {
            if (c > 0)
                text += "  ";
            const std::string padding(widths[c] - Width(line[c]), ' ');
            if (alignments[c] == grid::HAlign::Right)
                text += padding + line[c];
            else
                text += line[c] + padding;
        }
        text.erase(text.find_last_not_of(' ') + 1);
        out += text;
        out += '\n';
    }
    return out;
}

std::string CsvTable(const grid::PlainGrid& grid, char separator)
{
    std::string out;
    for (const auto& line : ShownTexts(grid)) {
        for (std::size_t c = 0; c < line.size(); ++c) {
            if (c > 0)
                out += separator;
            const std::string& field = line[c];
            if (field.find_first_of(std::string{separator, '"', '\r', '\n'}) == std::string::npos) {
                out += field;
                continue;
            }
            out += '"';
            for (const char ch : field) {
                if (ch == '"')
                    out += '"';
                out += ch;
            }
            out += '"';
        }
        out += "\r\n";
    }
    return out;
}

} // namespace kontaro::cli
