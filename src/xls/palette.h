#pragma once
// The workbook's 56-colour palette: entry k (1 to 56) is BIFF colour index k+7. Without a
// PALETTE record it is the format's default table; with one, that record's colours.

#include "xls/biff_record.h"
#include "xls/exportable_grid.h"

#include <cstdint>
#include <optional>

namespace kontaro::xls {

class Palette {
public:
    // The PALETTE record of the workbook, or none for the default table.
    void SetRecord(const BiffRecord* record) { record_ = record; }

    // The colour of entry 1 to 56 (or as many as a PALETTE record holds). Throws XlsError
    // (kPaletteIndexRange) outside that range.
    Colour PaletteColor(int entry) const;

    // The entry 1 to 55 nearest to the colour's red, green and blue bytes; entry 56 is never
    // the answer. An exact match wins at once, else the first of the smallest distance.
    int NearestPaletteEntry(Colour colour) const;

private:
    int RecordCount() const;
    const BiffRecord* record_ = nullptr;
};

// The format's default colour table, entries 1 to 56.
Colour DefaultPaletteColour(int entry);

} // namespace kontaro::xls
