#pragma once
// The texts `kontaro --help` and `--version` print (UTF-8).
#include <string_view>

namespace kontaro::ui::texts {

inline constexpr std::string_view kCommandLineHelp =
    "Aufruf: kontaro [OPTIONEN] [DATEI]\n"
    "Kontaro berechnet den Deckungsbeitrag (DB1) eines Verkaufsgeschäfts aus Produktkatalog\n"
    "und Tagesverkäufen.\n"
    "\n"
    "  DATEI        öffnet das Projekt (.kdt) wie \"Laden...\"\n"
    "  -h, --help   zeigt diese Hilfe\n"
    "  --version    zeigt die Version\n"
    "\n"
    "Dazu kommen die Optionen von Qt, etwa -platform NAME oder -style NAME.\n"
    "Berichte und Exporte ohne Fenster: kontaro-report --help\n";
inline constexpr std::string_view kVersionLine = "kontaro %s\n";

} // namespace kontaro::ui::texts
