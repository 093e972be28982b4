#pragma once
// The texts of the verbs "series" and "chart" (UTF-8); "%s" is filled by
// numbers::FormatText.
#include <string_view>

namespace kontaro::cli::texts {

inline constexpr std::string_view kSeriesUsage =
    "series DATEI --from JJJJ-MM-TT --to JJJJ-MM-TT [--by day|week|month] [--groups] [--csv] [--decimal ,|.]";
inline constexpr std::string_view kSeriesHelp =
    "series DATEI --from JJJJ-MM-TT --to JJJJ-MM-TT: Verkauf, Einkauf und DB1 je Tag, Woche oder Monat "
    "(--by day|week|month, ohne --by nach der Länge des Zeitraums; --groups: auch je Gruppe)";
inline constexpr std::string_view kChartUsage =
    "chart DATEI --from JJJJ-MM-TT --to JJJJ-MM-TT [--by day|week|month] (--png|--svg|--pdf) AUSGABE";
inline constexpr std::string_view kChartHelp =
    "chart DATEI --from JJJJ-MM-TT --to JJJJ-MM-TT (--png|--svg|--pdf) AUSGABE: das Diagramm der Seite "
    "\"Diagramm\" als Bild oder PDF, ohne Bildschirm";
inline constexpr std::string_view kBadBucket =
    "Ungültige Einteilung \"%s\" für --by (erlaubt sind day, week und month).";
inline constexpr std::string_view kBadPeriod = "Der Zeitraum endet (%s) vor seinem Beginn (%s).";
inline constexpr std::string_view kOneChartFormat = "Genau eine der Optionen --png, --svg und --pdf ist nötig.";

} // namespace kontaro::cli::texts
