#pragma once
// The report tool's own texts (UTF-8); "%s" is filled by numbers::FormatText. A
// verb's help text starts with its usage.
#include <string_view>

namespace kontaro::cli::texts {

inline constexpr std::string_view kUsage = "Aufruf: kontaro-report BEFEHL [ARGUMENTE]";
inline constexpr std::string_view kVerbsHeading = "Befehle:";
inline constexpr std::string_view kHelpHint = "Hilfe: kontaro-report --help";
inline constexpr std::string_view kUnknownVerb = "Unbekannter Befehl \"%s\". Hilfe: kontaro-report --help";
inline constexpr std::string_view kUnknownOption = "Unbekannte Option \"%s\" für \"%s\". Hilfe: kontaro-report --help";
inline constexpr std::string_view kMissingValue = "Der Option \"%s\" fehlt ihr Wert.";
inline constexpr std::string_view kWrongArguments = "Falsche Argumente für \"%s\". Aufruf: kontaro-report %s";
inline constexpr std::string_view kNothingDropped = "Nichts verworfen.";
inline constexpr std::string_view kUnexpectedError = "Unerwarteter Fehler: %s";
inline constexpr std::string_view kDroppedOnLoad =
    "Warnung: Beim Laden von \"%s\" wurde Unlesbares verworfen (Einzelheiten: kontaro-report check).";

inline constexpr std::string_view kHelpHelp = "--help: zeigt diese Hilfe";
inline constexpr std::string_view kVersionHelp = "--version: zeigt die Version";
inline constexpr std::string_view kVersion = "kontaro-report %s";
inline constexpr std::string_view kInfoHelp =
    "info DATEI: zählt Gruppen, Produkte, Tage und Einträge und nennt den ersten und letzten Tag";
inline constexpr std::string_view kCheckHelp =
    "check DATEI: listet, was das Laden verwirft (Status 0: nichts, 1: etwas, 2: nicht ladbar)";
inline constexpr std::string_view kNormalizeHelp =
    "normalize EIN AUS: lädt EIN und speichert es als AUS, wie das Programm speichert (mit .bak-Kopie)";

} // namespace kontaro::cli::texts
