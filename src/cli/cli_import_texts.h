#pragma once
// The texts of the report tool's import verb (UTF-8); "%s" is filled by
// numbers::FormatText.
#include <string_view>

namespace kontaro::cli::texts {

inline constexpr std::string_view kImportHelp =
    "import PROJEKT EXPORT [--out DATEI] [--day-rule end|closing] [--mode replace|add|leave] [--map ARTNR=ID]...: "
    "zeigt, was der Import eines DSFinV-K-Kassenexports (Ordner oder ZIP) in die Tage schreibt; mit --out wird "
    "das Projekt mit dem Import als DATEI gespeichert (Status 1: Artikel ohne Produkt)";
inline constexpr std::string_view kImportUsage =
    "import PROJEKT EXPORT [--out DATEI] [--day-rule end|closing] [--mode replace|add|leave] [--map ARTNR=ID]";
inline constexpr std::string_view kBadDayRule = "Unbekannte Tagesregel \"%s\": end oder closing.";
inline constexpr std::string_view kBadMode = "Unbekannter Modus \"%s\": replace, add oder leave.";
inline constexpr std::string_view kBadMap = "Die Zuordnung \"%s\" hat nicht die Form ARTNR=ID.";
inline constexpr std::string_view kMapNoProduct = "Die Zuordnung \"%s\" nennt ein Produkt, das es nicht gibt.";
inline constexpr std::string_view kImportSaved = "Gespeichert: %s";

} // namespace kontaro::cli::texts
