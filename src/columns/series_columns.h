#pragma once
// The column order of the series grid: per bucket of a period its label, its
// first and last day, the group ("Gesamt" for all sales; the column is hidden
// without the groups) and the summaries' five figures.

namespace kontaro::columns::series {

inline constexpr int Zeitraum = 0;
inline constexpr int Von = 1;
inline constexpr int Bis = 2;
inline constexpr int Gruppe = 3;
inline constexpr int VerkaufB = 4;
inline constexpr int VerkaufN = 5;
inline constexpr int Einkauf = 6;
inline constexpr int DB1 = 7;
inline constexpr int DB1P = 8;
inline constexpr int kColumnCount = 9;

} // namespace kontaro::columns::series
