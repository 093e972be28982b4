#pragma once
// The texts of the report verbs (UTF-8); "%s" is filled by numbers::FormatText.
#include <string_view>

namespace kontaro::cli::texts {

inline constexpr std::string_view kSummaryUsage =
    "summary DATEI --from JJJJ-MM-TT --to JJJJ-MM-TT [--csv] [--decimal ,|.] "
    "[--xls DATEI [--sheet NAME] [--replace] | --xls DATEI --daily]";
inline constexpr std::string_view kGroupsUsage =
    "groups DATEI --from JJJJ-MM-TT --to JJJJ-MM-TT [--csv] [--decimal ,|.] "
    "[--xls DATEI [--sheet NAME] [--replace] | --xls DATEI --daily]";
inline constexpr std::string_view kDayUsage =
    "day DATEI --date JJJJ-MM-TT [--csv] [--decimal ,|.] [--xls DATEI [--sheet NAME] [--replace]]";
inline constexpr std::string_view kProductsUsage =
    "products DATEI [--date JJJJ-MM-TT] [--csv] [--decimal ,|.] [--xls DATEI [--sheet NAME] [--replace]]";

inline constexpr std::string_view kSummaryHelp =
    "summary DATEI --from JJJJ-MM-TT --to JJJJ-MM-TT: die Summenansicht des Zeitraums, je Produkt "
    "(--xls DATEI --daily: eine neue Mappe wie \"Export mit Tagessummen...\", das Blatt \"Summe\", "
    "dann je Kalendertag die Tagesansicht)";
inline constexpr std::string_view kGroupsHelp =
    "groups DATEI --from JJJJ-MM-TT --to JJJJ-MM-TT: die Gruppenansicht des Zeitraums, je Gruppe "
    "(--xls DATEI --daily: wie \"Export mit Tagessummen...\" das Blatt \"Summe\", dann je Kalendertag "
    "die Gruppenansicht des Tages; andere Blätter der Mappe bleiben)";
inline constexpr std::string_view kDayHelp = "day DATEI --date JJJJ-MM-TT: die Tagesansicht eines gespeicherten Tages";
inline constexpr std::string_view kProductsHelp =
    "products DATEI [--date JJJJ-MM-TT]: die Produktübersicht (ohne --date: heute; --xls DATEI --replace "
    "schreibt sie wie \"Export Übersicht\"); "
    "alle Berichte: --csv für CSV, --decimal , oder . für das Dezimaltrennzeichen, "
    "--xls DATEI schreibt ein Blatt in eine Excel-Mappe (--sheet NAME, --replace für eine neue Datei)";

inline constexpr std::string_view kMissingOption = "Die Option %s fehlt. Aufruf: kontaro-report %s";
inline constexpr std::string_view kBadDate = "Ungültiges Datum \"%s\" für %s (erwartet JJJJ-MM-TT).";
inline constexpr std::string_view kBadDecimal = "Ungültiges Dezimaltrennzeichen \"%s\" (erlaubt sind , und .).";

inline constexpr std::string_view kWorkbookOptionAlone = "--sheet und --replace gelten nur mit --xls DATEI.";
inline constexpr std::string_view kDailyNeedsXlsAlone = "--daily gilt nur mit --xls DATEI, ohne --sheet und --replace.";
inline constexpr std::string_view kWorkbookFailed = "Die Excel-Mappe \"%s\" wurde nicht geschrieben: %s";
inline constexpr std::string_view kProductsSheet = "Produktübersicht";
inline constexpr std::string_view kSummarySheet = "Summe";

} // namespace kontaro::cli::texts
