#pragma once
// CellFormat and CellFont, the plain description of a cell's look, and the workbook's FONT,
// FORMAT and XF lists that turn a description into an XF index and back.

#include "xls/biff_record.h"
#include "xls/palette.h"

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace kontaro::xls {

struct CellFont {
    std::u16string name = u"Arial";
    int height = 200;  // twips
    int colour = 1;    // palette entry (BIFF colour index minus 7)
    int style = 0;     // bits: 0 bold, 1 italic, 2 strikeout, 3 superscript, 4 subscript
    int underline = 0; // 0 none, 1 single, 2 double, 3 single accounting, 4 double accounting
    std::uint8_t family = 0;
    std::uint8_t characterSet = 0;
    bool operator==(const CellFont&) const = default;
};

inline constexpr int kFontBold = 1, kFontItalic = 2, kFontStrikeOut = 4, kFontSuperscript = 8, kFontSubscript = 16;

struct CellBorder {
    int style = 0;  // line style code 0 to 13; 0 none, 1 thin
    int colour = 1; // palette entry
    bool operator==(const CellBorder&) const = default;
};

struct CellFormat {
    CellFont font;
    CellBorder left, right, top, bottom, diagonal;
    int diagonals = 0;           // 2 bits: which diagonals are drawn
    std::u16string numberFormat; // empty is General
    int fillPattern = 1;         // 1 none, 2 solid: the pattern code plus 1
    int fillForeground = 57;     // palette entries
    int fillBackground = 58;
    int horizontalAlignment = 0; // 0 general, 1 left, 2 centre, 3 right, up to 7
    int verticalAlignment = 2;   // 0 top, 1 centre, 2 bottom, up to 4
    bool locked = true;
    bool hidden = false;
    int parent = 0; // as read; never written
    bool wrap = false;
    bool shrinkToFit = false;
    int rotation = 0;
    int indent = 0;
    bool operator==(const CellFormat&) const = default;
};

// The built-in number format of identifier 0 to 49 (empty for those a FORMAT record names).
std::u16string BuiltInNumberFormat(int id);

// The FONT, FORMAT and XF records of a workbook, in the order they are written. Records are
// only ever appended (or the FORMAT list sorted), so what was found once stays valid: the
// exporter asks for every cell, and the answers are remembered.
class FormatTables {
public:
    std::vector<BiffRecord> fonts;
    std::vector<BiffRecord> formats;
    std::vector<BiffRecord> xfs;
    Palette palette;

    // The XF index of a record equal to the format's, appending FONT, FORMAT and XF records
    // where none is equal. Throws XlsError(kInvalidString) for a font name of 256 characters.
    int RegisterCellFormat(const CellFormat& format);
    // The format XF `index` stands for; an index outside the list stands for XF 0.
    CellFormat DescribeXf(int index);

    int FindOrAddFont(const CellFont& font);
    int FindOrAddNumberFormat(std::u16string_view format);

private:
    void SortFormats();
    const std::vector<std::pair<int, std::u16string>>& FormatStrings();

    std::vector<std::pair<int, std::u16string>> formatStrings_; // of `formats`, in list order
    std::size_t formatStringsOf_ = 0;
    bool formatStringsValid_ = false;
    std::vector<std::optional<CellFormat>> described_;
    std::vector<std::pair<CellFormat, int>> registered_;
};

// The 20 data bytes of the XF record for a format with the given font and number format.
Bytes EncodeXf(const CellFormat& format, int fontIndex, int formatId);
Bytes EncodeFont(const CellFont& font);

} // namespace kontaro::xls
