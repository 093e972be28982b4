#include "xls/palette.h"

#include "numbers/format_text.h"
#include "xls/xls_error.h"
#include "xls/xls_texts.h"

#include <algorithm>
#include <array>
#include <limits>
#include <string>

namespace kontaro::xls {
namespace {

// Colour indexes 8 to 63 as 0xRRGGBB.
constexpr std::array<std::uint32_t, 56> kDefaultRgb = {
    0x000000, 0xFFFFFF, 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00, 0xFF00FF, 0x00FFFF, 0x800000, 0x008000,
    0x000080, 0x808000, 0x800080, 0x008080, 0xC0C0C0, 0x808080, 0x9999FF, 0x993366, 0xFFFFCC, 0xCCFFFF,
    0x660066, 0xFF8080, 0x0066CC, 0xCCCCFF, 0x000080, 0xFF00FF, 0xFFFF00, 0x00FFFF, 0x800080, 0x800000,
    0x008080, 0x0000FF, 0x00CCFF, 0xCCFFFF, 0xCCFFCC, 0xFFFF99, 0x99CCFF, 0xFF99CC, 0xCC99FF, 0xFFCC99,
    0x3366FF, 0x33CCCC, 0x99CC00, 0xFFCC00, 0xFF9900, 0xFF6600, 0x666699, 0x969696, 0x003366, 0x339966,
    0x003300, 0x333300, 0x993300, 0x993366, 0x333399, 0x333333};

} // namespace

Colour DefaultPaletteColour(int entry)
{
    const std::uint32_t rgb = kDefaultRgb[static_cast<std::size_t>(entry - 1)];
    return MakeColour(static_cast<std::uint8_t>(rgb >> 16), static_cast<std::uint8_t>(rgb >> 8),
                      static_cast<std::uint8_t>(rgb));
}

int Palette::RecordCount() const
{
    if (!record_ || record_->data.size() < 2)
        return 0;
    const std::size_t declared = GetU16(record_->data.data());
    const std::size_t held = (record_->data.size() - 2) / 4;
    return static_cast<int>(std::min<std::size_t>({declared, held, 56}));
}

Colour Palette::PaletteColor(int entry) const
{
    if (!record_) {
        if (entry < 1 || entry > 56) {
            throw XlsError(
                numbers::FormatText(texts::kPaletteIndexRange, {std::to_string(entry), "Palette index", "0", "55"}));
        }
        return DefaultPaletteColour(entry);
    }
    const int count = RecordCount();
    if (entry < 1 || entry > count) {
        throw XlsError(numbers::FormatText(texts::kPaletteIndexRange,
                                           {std::to_string(entry), "Palette Color Index", "1", std::to_string(count)}));
    }
    const std::uint8_t* p = record_->data.data() + 2 + 4 * (entry - 1);
    return MakeColour(p[0], p[1], p[2]);
}

int Palette::NearestPaletteEntry(Colour colour) const
{
    const int last = record_ ? std::min(55, RecordCount()) : 55;
    int best = 1;
    long bestDistance = std::numeric_limits<long>::max();
    for (int entry = 1; entry <= last; ++entry) {
        const Colour candidate = PaletteColor(entry);
        long distance = 0;
        for (int shift = 0; shift < 24; shift += 8) {
            const long d = static_cast<long>((colour >> shift) & 0xFF) - static_cast<long>((candidate >> shift) & 0xFF);
            distance += d * d;
        }
        if (distance == 0)
            return entry;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = entry;
        }
    }
    return best;
}

} // namespace kontaro::xls
