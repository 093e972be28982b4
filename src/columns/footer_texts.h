#pragma once
// The texts of the grids' footer rows that both a fresh grid and a computed one show,
// UTF-8.

namespace kontaro::columns::texts {

// The first footer cell before the first calculation or day switch, and of a summary
// whose period holds no stored day.
inline constexpr const char* kSummen = "Summen";

} // namespace kontaro::columns::texts
