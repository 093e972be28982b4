#pragma once
// The German texts of the data model and the project file, UTF-8. Placeholders are
// "%s", filled in order by numbers::FormatText.
#include <string_view>

namespace kontaro::model::texts {

inline constexpr std::string_view kSaveFailed = "Die Datei \"%s\" konnte nicht gespeichert werden!";
inline constexpr std::string_view kLoadFailed = "Konnte die Datei \"%s\" nicht laden!";
inline constexpr std::string_view kNoGroups =
    "In dieser Datei sind keine Gruppen definiert. Die Datei ist daher mit dieser Programmversion nicht kompatibel.";

// What the reader dropped, one line per element.
inline constexpr std::string_view kGroupNoID = "Gruppe verworfen: ID nicht lesbar";
inline constexpr std::string_view kGroupNoName = "Gruppe %s verworfen: Name fehlt";
inline constexpr std::string_view kGroupDuplicate = "Gruppe %s verworfen: die ID gibt es schon";
inline constexpr std::string_view kProductGeneralBroken =
    "Produkt verworfen: ID, \"einproz\" oder \"vervar\" nicht lesbar; das Lesen der Produkte endet hier";
inline constexpr std::string_view kProductsNotRead = "%s weitere Produkte nicht gelesen";
inline constexpr std::string_view kProductIncomplete = "Produkt %s verworfen: unvollständig";
inline constexpr std::string_view kProductDuplicate = "Produkt %s verworfen: die ID gibt es schon";
inline constexpr std::string_view kItemNoDate = "Produkt %s, Liste \"%s\": Wert verworfen: Datum nicht lesbar";
inline constexpr std::string_view kItemNoValue = "Produkt %s, Liste \"%s\": Wert vom %s verworfen: Wert nicht lesbar";
inline constexpr std::string_view kItemDuplicate =
    "Produkt %s, Liste \"%s\": Wert vom %s verworfen: das Datum gibt es schon";
inline constexpr std::string_view kDayNoDate = "Tag verworfen: Datum nicht lesbar";
inline constexpr std::string_view kDayEmpty = "Tag %s verworfen: keine Einträge";
inline constexpr std::string_view kDayDuplicate = "Tag %s verworfen: das Datum gibt es schon";
inline constexpr std::string_view kDaysNotRead = "%s Tage nicht gelesen: die Datei enthält keine lesbaren Produkte";
inline constexpr std::string_view kSectionUnclosed =
    "Abschnitt \"%s\" ohne Ende (Datei abgeschnitten?): %s Elemente nicht gelesen";
inline constexpr std::string_view kEntryNoProduct = "Tag %s: Eintrag verworfen: Produkt-ID nicht lesbar";
inline constexpr std::string_view kEntryNoValue = "Tag %s: Eintrag für Produkt %s verworfen: Wert nicht lesbar";
inline constexpr std::string_view kEntryDuplicate =
    "Tag %s: Eintrag für Produkt %s verworfen: das Produkt gibt es an diesem Tag schon";
inline constexpr std::string_view kTillArticleUnreadable =
    "Zuordnung einer Kassen-Artikelnummer verworfen: Nummer oder Produkt-ID nicht lesbar";
inline constexpr std::string_view kTillArticleDuplicate =
    "Zuordnung der Kassen-Artikelnummer %s verworfen: die Nummer gibt es schon";

} // namespace kontaro::model::texts
