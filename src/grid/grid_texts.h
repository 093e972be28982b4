#pragma once
// The German texts of the grid layer: the captions of the program's grids, UTF-8. The
// text their footers start with is columns/footer_texts.h.

namespace kontaro::grid::texts {

inline constexpr const char* kName = "Name";
inline constexpr const char* kProdukt = "Produkt";
inline constexpr const char* kGruppe = "Gruppe";
inline constexpr const char* kMenge = "Menge";
inline constexpr const char* kVerkaufB = "Verkauf (B)";
inline constexpr const char* kVerkaufN = "Verkauf (N)";
inline constexpr const char* kEinkauf = "Einkauf";
inline constexpr const char* kSteuer = "Steuer";
inline constexpr const char* kSteuerBis = "Steuer (bis)";
inline constexpr const char* kDB1 = "DB1";
inline constexpr const char* kDB1Prozent = "DB1 (%)";
inline constexpr const char* kAnteil = "Anteil (%)";
inline constexpr const char* kId = "ID";
inline constexpr const char* kVerkauf = "Verkauf";
inline constexpr const char* kZeitraum = "Zeitraum";
inline constexpr const char* kVon = "Von";
inline constexpr const char* kBis = "Bis";

} // namespace kontaro::grid::texts
