#include "xls/cell_format.h"

#include "xls/biff_string.h"
#include "xls/xls_error.h"
#include "xls/xls_texts.h"

#include <algorithm>
#include <array>

namespace kontaro::xls {
namespace {

constexpr std::array<std::u16string_view, 50> kBuiltIn = {u"",
                                                          u"0",
                                                          u"0.00",
                                                          u"#,##0",
                                                          u"#,##0.00",
                                                          u"",
                                                          u"",
                                                          u"",
                                                          u"",
                                                          u"0%",
                                                          u"0.00%",
                                                          u"0.00E+00",
                                                          u"?/?",
                                                          u"# ?\?/?\?",
                                                          u"dd/mm/YYYY",
                                                          u"DD-MMM-YY",
                                                          u"DD-MMM",
                                                          u"MMM-YY",
                                                          u"h:mm AM/PM",
                                                          u"h:mm:ss AM/PM",
                                                          u"hh:mm",
                                                          u"hh:mm:ss",
                                                          u"dd/mm/YYYY hh:mm",
                                                          u"",
                                                          u"",
                                                          u"",
                                                          u"",
                                                          u"",
                                                          u"",
                                                          u"",
                                                          u"",
                                                          u"",
                                                          u"",
                                                          u"",
                                                          u"",
                                                          u"",
                                                          u"",
                                                          u"#,##0 _$;-#,##0 _$",
                                                          u"#,##0 _$;[Red]-#,##0 _$",
                                                          u"#,##0.00 _$;-#,##0.00 _$",
                                                          u"#,##0.00 _$;[Red]-#,##0.00 _$",
                                                          u"",
                                                          u"",
                                                          u"",
                                                          u"",
                                                          u"mm:ss",
                                                          u"[h]:mm:ss",
                                                          u"mm:ss,0",
                                                          u"##0.0E+0",
                                                          u"@"};

constexpr std::array<std::uint8_t, 5> kUnderlineBytes = {0x00, 0x01, 0x02, 0x21, 0x22};

std::uint32_t BorderColourIndex(int entry)
{
    std::uint32_t index = static_cast<std::uint32_t>(entry + 7) & 0x7F;
    if (index <= 7)
        index = 8;
    if (index > 64)
        index = 64;
    return index;
}
std::uint32_t ColourIndex(int entry) { return static_cast<std::uint32_t>(entry + 7) & 0x7F; }
int BorderEntry(std::uint32_t index) { return index > 7 ? static_cast<int>(index) - 7 : 1; }

int FormatId(const BiffRecord& record) { return record.data.size() >= 2 ? GetU16(record.data.data()) : -1; }

std::u16string FormatString(const BiffRecord& record)
{
    std::size_t offset = 2;
    try {
        return ReadBiffString(record.data, offset, 2);
    } catch (const XlsError&) {
        return {};
    }
}

} // namespace

std::u16string BuiltInNumberFormat(int id)
{
    return id >= 0 && id < 50 ? std::u16string(kBuiltIn[static_cast<std::size_t>(id)]) : std::u16string();
}

Bytes EncodeFont(const CellFont& font)
{
    Bytes data;
    PutU16(data, static_cast<std::uint16_t>(font.height));
    PutU16(data, static_cast<std::uint16_t>(((font.style & kFontItalic) ? 0x0002 : 0) |
                                            ((font.style & kFontStrikeOut) ? 0x0008 : 0)));
    PutU16(data, static_cast<std::uint16_t>(font.colour + 7));
    PutU16(data, (font.style & kFontBold) ? 700 : 400);
    PutU16(data, (font.style & kFontSubscript) ? 2 : (font.style & kFontSuperscript) ? 1 : 0);
    const bool knownUnderline = font.underline >= 0 && font.underline < 5;
    PutU8(data, knownUnderline ? kUnderlineBytes[static_cast<std::size_t>(font.underline)] : 0);
    PutU8(data, font.family);
    PutU8(data, font.characterSet);
    PutU8(data, 0);
    PutBiffString(data, font.name, 1, true);
    return data;
}

Bytes EncodeXf(const CellFormat& f, int fontIndex, int formatId)
{
    Bytes data;
    PutU16(data, static_cast<std::uint16_t>(fontIndex));
    PutU16(data, static_cast<std::uint16_t>(formatId));
    PutU16(data, static_cast<std::uint16_t>((f.locked ? 1 : 0) | (f.hidden ? 2 : 0)));
    PutU16(data, static_cast<std::uint16_t>((f.horizontalAlignment & 7) | (f.wrap ? 8 : 0) |
                                            ((f.verticalAlignment & 7) << 4) | ((f.rotation & 0xFF) << 8)));
    PutU16(data, static_cast<std::uint16_t>((f.indent & 15) | (f.shrinkToFit ? 16 : 0) | 0xFC00));
    PutU16(data, static_cast<std::uint16_t>((f.left.style & 15) | ((f.right.style & 15) << 4) |
                                            ((f.top.style & 15) << 8) | ((f.bottom.style & 15) << 12)));
    PutU16(data,
           static_cast<std::uint16_t>(BorderColourIndex(f.left.colour) | (BorderColourIndex(f.right.colour) << 7) |
                                      (static_cast<std::uint32_t>(f.diagonals & 3) << 14)));
    PutU32(data, BorderColourIndex(f.top.colour) | (BorderColourIndex(f.bottom.colour) << 7) |
                     (ColourIndex(f.diagonal.colour) << 14) |
                     (static_cast<std::uint32_t>(f.diagonal.style & 15) << 21) |
                     (static_cast<std::uint32_t>((f.fillPattern - 1) & 0x3F) << 26));
    PutU16(data, static_cast<std::uint16_t>(ColourIndex(f.fillForeground) | (ColourIndex(f.fillBackground) << 7)));
    return data;
}

int FormatTables::FindOrAddFont(const CellFont& font)
{
    const Bytes data = EncodeFont(font);
    for (std::size_t i = 0; i < fonts.size(); ++i) {
        if (fonts[i].data == data)
            return static_cast<int>(i <= 3 ? i : i + 1);
    }
    const std::size_t n = fonts.size();
    fonts.push_back(BiffRecord{rec::FONT, data, {}});
    // An XF of the file may have named this index before it had a record.
    described_.clear();
    return static_cast<int>(n <= 3 ? n : n + 1);
}

void FormatTables::SortFormats()
{
    const auto byId = [](const BiffRecord& a, const BiffRecord& b) { return FormatId(a) < FormatId(b); };
    if (std::is_sorted(formats.begin(), formats.end(), byId))
        return;
    std::stable_sort(formats.begin(), formats.end(), byId);
    formatStringsValid_ = false;
}

const std::vector<std::pair<int, std::u16string>>& FormatTables::FormatStrings()
{
    if (!formatStringsValid_ || formatStringsOf_ != formats.size()) {
        formatStrings_.clear();
        for (const BiffRecord& record : formats)
            formatStrings_.emplace_back(FormatId(record), FormatString(record));
        formatStringsOf_ = formats.size();
        formatStringsValid_ = true;
    }
    return formatStrings_;
}

int FormatTables::FindOrAddNumberFormat(std::u16string_view format)
{
    for (const auto& [id, text] : FormatStrings()) {
        if (text == format)
            return id;
    }
    for (int id = 0; id < 50; ++id) {
        if (kBuiltIn[static_cast<std::size_t>(id)] == format)
            return id;
    }
    SortFormats();
    int id = 164;
    if (!formats.empty())
        id = std::max(id, FormatId(formats.back()) + 1);
    Bytes data;
    PutU16(data, static_cast<std::uint16_t>(id));
    PutBiffString(data, format, 2);
    if (data.size() > kMaxRecordData)
        throw XlsError(std::string(texts::kInvalidString));
    formats.push_back(BiffRecord{rec::FORMAT, std::move(data), {}});
    // An XF may have named this identifier before it had a record.
    described_.clear();
    return id;
}

int FormatTables::RegisterCellFormat(const CellFormat& format)
{
    for (const auto& [known, index] : registered_) {
        if (known == format)
            return index;
    }
    const int font = FindOrAddFont(format.font);
    const int id = FindOrAddNumberFormat(format.numberFormat);
    Bytes data = EncodeXf(format, font, id);
    int index = -1;
    for (std::size_t i = 0; i < xfs.size() && index < 0; ++i) {
        if (xfs[i].data == data)
            index = static_cast<int>(i);
    }
    if (index < 0) {
        xfs.push_back(BiffRecord{rec::XF, std::move(data), {}});
        index = static_cast<int>(xfs.size() - 1);
    }
    registered_.emplace_back(format, index);
    return index;
}

CellFormat FormatTables::DescribeXf(int index)
{
    CellFormat f;
    if (xfs.empty())
        return f;
    if (index < 0 || static_cast<std::size_t>(index) >= xfs.size())
        index = 0;
    const auto slot = static_cast<std::size_t>(index);
    if (slot < described_.size() && described_[slot])
        return *described_[slot];
    Bytes x = xfs[static_cast<std::size_t>(index)].data;
    x.resize(std::max<std::size_t>(x.size(), 20), 0);

    int fontIndex = GetU16(x.data());
    if (fontIndex > 3)
        --fontIndex;
    if (fontIndex < 0 || static_cast<std::size_t>(fontIndex) >= fonts.size())
        fontIndex = 0;
    if (!fonts.empty()) {
        Bytes d = fonts[static_cast<std::size_t>(fontIndex)].data;
        if (d.size() >= 14) {
            f.font.height = GetU16(d.data());
            const std::uint16_t options = GetU16(d.data() + 2);
            f.font.colour = GetU16(d.data() + 4) - 7;
            f.font.style = (GetU16(d.data() + 6) == 700 ? kFontBold : 0) | ((options & 2) ? kFontItalic : 0) |
                           ((options & 8) ? kFontStrikeOut : 0);
            const std::uint16_t escapement = GetU16(d.data() + 8);
            if (escapement == 1)
                f.font.style |= kFontSuperscript;
            if (escapement == 2)
                f.font.style |= kFontSubscript;
            const auto underline = std::find(kUnderlineBytes.begin(), kUnderlineBytes.end(), d[10]);
            f.font.underline =
                underline == kUnderlineBytes.end() ? 0 : static_cast<int>(underline - kUnderlineBytes.begin());
            f.font.family = d[11];
            f.font.characterSet = d[12];
            std::size_t offset = 14;
            try {
                f.font.name = ReadBiffString(d, offset, 1);
            } catch (const XlsError&) {
                f.font.name.clear();
            }
        }
    }

    const int id = GetU16(x.data() + 2);
    SortFormats();
    const auto& strings = FormatStrings();
    const auto record =
        std::find_if(strings.begin(), strings.end(), [id](const auto& entry) { return entry.first == id; });
    f.numberFormat = record != strings.end() ? record->second : BuiltInNumberFormat(id);

    const std::uint16_t protection = GetU16(x.data() + 4);
    f.locked = protection & 1;
    f.hidden = protection & 2;
    f.parent = protection & 0xFFF0;
    const std::uint16_t align = GetU16(x.data() + 6);
    f.horizontalAlignment = align & 7;
    f.wrap = align & 8;
    f.verticalAlignment = (align >> 4) & 7;
    f.rotation = align >> 8;
    const std::uint16_t indent = GetU16(x.data() + 8);
    f.indent = indent & 15;
    f.shrinkToFit = indent & 16;
    const std::uint16_t styles = GetU16(x.data() + 10);
    f.left.style = styles & 15;
    f.right.style = (styles >> 4) & 15;
    f.top.style = (styles >> 8) & 15;
    f.bottom.style = (styles >> 12) & 15;
    const std::uint16_t sides = GetU16(x.data() + 12);
    f.left.colour = BorderEntry(sides & 0x7F);
    f.right.colour = BorderEntry((sides >> 7) & 0x7F);
    f.diagonals = sides >> 14;
    const std::uint32_t more = GetU32(x.data() + 14);
    f.top.colour = BorderEntry(more & 0x7F);
    f.bottom.colour = BorderEntry((more >> 7) & 0x7F);
    f.diagonal.colour = BorderEntry((more >> 14) & 0x7F);
    f.diagonal.style = (more >> 21) & 15;
    f.fillPattern = static_cast<int>(more >> 26) + 1;
    const std::uint16_t fill = GetU16(x.data() + 18);
    f.fillForeground = (fill & 0x7F) - 7;
    f.fillBackground = ((fill >> 7) & 0x7F) - 7;
    if (described_.size() <= slot)
        described_.resize(slot + 1);
    described_[slot] = f;
    return f;
}

} // namespace kontaro::xls
