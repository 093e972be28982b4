#pragma once
// The column order of the program's grids: the calculations write their texts into
// these columns and the grids' set-ups lay them out by the same indices. The names
// are those of the columns' captions; hidden columns keep their index.

namespace kontaro::columns {

// The day view (gDayView).
namespace day {
inline constexpr int Name = 0;
inline constexpr int Produkt = 1;
inline constexpr int Menge = 2;
inline constexpr int VerkaufB = 3;
inline constexpr int VerkaufN = 4;
inline constexpr int Einkauf = 5;
inline constexpr int Steuer = 6;
inline constexpr int DB1 = 7;
inline constexpr int DB1P = 8;
inline constexpr int kColumnCount = 9;
} // namespace day

// The period summary (gSumView); "Steuer" shows the rate valid on the period's last
// day. The footer shows the period's dates under "Produkt" and "Menge".
namespace sum {
inline constexpr int Name = 0;
inline constexpr int Produkt = 1;
inline constexpr int Menge = 2;
inline constexpr int VerkaufB = 3;
inline constexpr int VerkaufN = 4;
inline constexpr int Einkauf = 5;
inline constexpr int Steuer = 6;
inline constexpr int DB1 = 7;
inline constexpr int DB1P = 8;
inline constexpr int kColumnCount = 9;
inline constexpr int kFromDateColumn = Produkt;
inline constexpr int kToDateColumn = Menge;
} // namespace sum

// The group summary (gGroupView); "Menge" and "Steuer" stay empty and hidden. The
// footer shows the period's dates under "Gruppe" and "Anteil".
namespace group {
inline constexpr int Name = 0;
inline constexpr int Gruppe = 1;
inline constexpr int Menge = 2;
inline constexpr int VerkaufB = 3;
inline constexpr int VerkaufN = 4;
inline constexpr int Einkauf = 5;
inline constexpr int Steuer = 6;
inline constexpr int DB1 = 7;
inline constexpr int DB1P = 8;
inline constexpr int Anteil = 9;
inline constexpr int kColumnCount = 10;
inline constexpr int kFromDateColumn = Gruppe;
inline constexpr int kToDateColumn = Anteil;
} // namespace group

// The product overview that the product export writes (gExportGrid).
namespace overview {
inline constexpr int ID = 0;
inline constexpr int Name = 1;
inline constexpr int Einkauf = 2;
inline constexpr int Verkauf = 3;
inline constexpr int kColumnCount = 4;
} // namespace overview

} // namespace kontaro::columns
