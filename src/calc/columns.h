#pragma once
// The column order of the grids whose texts the calculations produce; the grids'
// set-ups address the same columns by the same indices.

namespace kontaro::calc {

namespace daycol {
inline constexpr int Name = 0;
inline constexpr int Produkt = 1;
inline constexpr int Menge = 2;
inline constexpr int VerkaufB = 3;
inline constexpr int VerkaufN = 4;
inline constexpr int Einkauf = 5;
inline constexpr int Steuer = 6;
inline constexpr int DB1 = 7;
inline constexpr int DB1P = 8;
inline constexpr int Count = 9;
} // namespace daycol

namespace sumcol {
inline constexpr int Name = 0;
inline constexpr int Produkt = 1;
inline constexpr int Menge = 2;
inline constexpr int VerkaufB = 3;
inline constexpr int VerkaufN = 4;
inline constexpr int Einkauf = 5;
inline constexpr int SteuerBis = 6;
inline constexpr int DB1 = 7;
inline constexpr int DB1P = 8;
inline constexpr int Count = 9;
} // namespace sumcol

// "Menge" and "Steuer (bis)" stay empty; the view hides them.
namespace groupcol {
inline constexpr int Name = 0;
inline constexpr int Gruppe = 1;
inline constexpr int Menge = 2;
inline constexpr int VerkaufB = 3;
inline constexpr int VerkaufN = 4;
inline constexpr int Einkauf = 5;
inline constexpr int SteuerBis = 6;
inline constexpr int DB1 = 7;
inline constexpr int DB1P = 8;
inline constexpr int Anteil = 9;
inline constexpr int Count = 10;
} // namespace groupcol

namespace overviewcol {
inline constexpr int ID = 0;
inline constexpr int Name = 1;
inline constexpr int Einkauf = 2;
inline constexpr int Verkauf = 3;
inline constexpr int Count = 4;
} // namespace overviewcol

} // namespace kontaro::calc
