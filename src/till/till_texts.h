#pragma once
// The German texts of the till import (UTF-8); "%s" is filled in order by
// numbers::FormatText.
#include <string_view>

namespace kontaro::till::texts {

// Reading the export.
inline constexpr std::string_view kExportMissing = "Die Kassendaten \"%s\" gibt es nicht oder sie sind nicht lesbar.";
inline constexpr std::string_view kNoIndex = "In \"%s\" gibt es keine index.xml: das ist kein DSFinV-K-Export.";
inline constexpr std::string_view kZipBroken = "Die ZIP-Datei \"%s\" ist beschädigt oder keine ZIP-Datei.";
inline constexpr std::string_view kZipEntryBroken = "Die Datei \"%s\" in der ZIP-Datei \"%s\" ist beschädigt.";
inline constexpr std::string_view kFileUnreadable = "Die Datei \"%s\" ist nicht lesbar.";
inline constexpr std::string_view kFileTooLarge = "Die Datei \"%s\" ist zu groß für den Import.";
inline constexpr std::string_view kIndexBroken = "index.xml, Zeile %s, Spalte %s: kein gültiges XML.";
inline constexpr std::string_view kIndexUnsupported = "index.xml, Tabelle \"%s\": %s wird nicht unterstützt.";
inline constexpr std::string_view kTableNotDeclared = "Die Tabelle \"%s\" ist in index.xml nicht beschrieben.";
inline constexpr std::string_view kTableMissing = "Die Tabelle \"%s\" fehlt im Export.";
inline constexpr std::string_view kColumnMissing = "%s, Zeile %s: die Spalte \"%s\" fehlt.";
inline constexpr std::string_view kNoHeader = "%s: die Kopfzeile mit den Spaltennamen fehlt.";
inline constexpr std::string_view kFieldCount = "%s, Zeile %s: %s Felder statt %s wie in der Kopfzeile.";
inline constexpr std::string_view kQuoteOpen = "%s, Zeile %s, Spalte %s: das Textfeld endet nicht (fehlendes \").";
inline constexpr std::string_view kNotUtf8 = "%s, Zeile %s: kein gültiges UTF-8, obwohl index.xml UTF-8 angibt.";
inline constexpr std::string_view kBadNumber =
    "%s, Zeile %s, Spalte %s (%s): \"%s\" ist keine Zahl im Format laut index.xml (Dezimalzeichen \"%s\", "
    "Tausendertrennzeichen \"%s\", höchstens %s Nachkommastellen). Nichts wurde importiert.";
inline constexpr std::string_view kBadTimestamp = "%s, Zeile %s, Spalte %s (%s): \"%s\" ist kein Zeitpunkt.";
inline constexpr std::string_view kBadDate = "%s, Zeile %s, Spalte %s (%s): \"%s\" ist kein Datum.";
inline constexpr std::string_view kEmptyField = "%s, Zeile %s, Spalte %s (%s): das Feld ist leer.";
inline constexpr std::string_view kDuplicateReceipt =
    "%s, Zeile %s: der Vorgang %s der Kasse %s steht zweimal im Export.";
inline constexpr std::string_view kNoReceipt =
    "%s, Zeile %s: zum Vorgang %s der Kasse %s gibt es keinen Bonkopf in transactions.csv.";
inline constexpr std::string_view kNoClosing =
    "%s, Zeile %s: zum Kassenabschluss %s der Kasse %s gibt es keine Zeile in cashpointclosing.csv.";
inline constexpr std::string_view kReceiptMismatch =
    "%s, Zeile %s, Spalte %s (UMS_BRUTTO): der Beleg %s der Kasse %s hat %s als Summe, seine Positionen ergeben "
    "%s. Nichts wurde importiert.";

// Plausible inconsistencies: reported, not fatal.
inline constexpr std::string_view kNoteRounding =
    "Beleg %s der Kasse %s: Positionen %s, Belegsumme %s (Rundungsdifferenz).";
inline constexpr std::string_view kNoteFlaggedVoids =
    "Beleg %s der Kasse %s: als storniert markierte Positionen ohne Gegenbuchung wurden nicht gezählt.";
inline constexpr std::string_view kNoteEstimated =
    "%s Positionen ohne Zeile in lines_vat.csv: ihr Brutto ist aus Menge × Stückpreis geschätzt.";
inline constexpr std::string_view kNoteNoVatTable =
    "lines_vat.csv fehlt: das Brutto jeder Position ist aus Menge × Stückpreis geschätzt.";
inline constexpr std::string_view kNoteFactor =
    "%s Positionen mit einem Faktor ungleich 1 (z. B. Artikel %s): bitte die Mengen prüfen.";
inline constexpr std::string_view kNoteStornoPositive =
    "Beleg %s der Kasse %s ist als Storno markiert, hat aber eine positive Summe: bitte prüfen.";
inline constexpr std::string_view kNoteNoClosingTable =
    "cashpointclosing.csv fehlt: der Geschäftstag ist das Datum des Kassenabschlusses.";

// Day rules and modes.
inline constexpr std::string_view kRuleReceiptEnd = "Datum des Belegendes (BON_ENDE)";
inline constexpr std::string_view kRuleBusinessDay = "Geschäftstag laut Kassenabschluss";
inline constexpr std::string_view kModeReplace = "Einträge ersetzen";
inline constexpr std::string_view kModeAdd = "zu den Einträgen addieren";
inline constexpr std::string_view kModeLeave = "Tage mit Einträgen belassen";

// The preview.
inline constexpr std::string_view kPreviewSource = "Kassendaten: %s";
inline constexpr std::string_view kPreviewSummary = "%s Belege von %s Kassen, %s Tage";
inline constexpr std::string_view kPreviewRule = "Tag: %s";
inline constexpr std::string_view kPreviewMode = "Vorhandene Einträge: %s";
inline constexpr std::string_view kPreviewDay = "%s:";
inline constexpr std::string_view kPreviewDayLeft = "%s: bleibt wie er ist (hat schon Einträge dieser Produkte)";
inline constexpr std::string_view kPreviewQuantity = "Menge %s";
inline constexpr std::string_view kPreviewGross = "Verkauf (B) %s";
inline constexpr std::string_view kPreviewNew = "neu";
inline constexpr std::string_view kPreviewReplaces = "ersetzt %s";
inline constexpr std::string_view kPreviewAddsTo = "zu %s addiert";
inline constexpr std::string_view kPreviewRemoves = "entfernt %s";
inline constexpr std::string_view kPreviewUnchanged = "unverändert";
inline constexpr std::string_view kPreviewEntry = "  Produkt %s %s: %s (%s); Kasse %s, Katalog %s";
inline constexpr std::string_view kPreviewUnknownProduct = "unbekanntes Produkt!";
inline constexpr std::string_view kPreviewTotals = "  Brutto laut Kasse %s, laut Katalog %s, Differenz %s";
inline constexpr std::string_view kPreviewExcluded = "  Nicht übernommen: %s";
inline constexpr std::string_view kPreviewUnmappedDay = "  Nicht zugeordnete Artikel: %s";
inline constexpr std::string_view kExcludedOrders = "Bestellungen und andere AV-Vorgänge %s";
inline constexpr std::string_view kExcludedDiscounts = "Rabatte und Aufschläge %s";
inline constexpr std::string_view kExcludedDeposits = "Pfand %s";
inline constexpr std::string_view kExcludedVouchers = "Gutscheine %s";
inline constexpr std::string_view kExcludedTips = "Trinkgeld %s";
inline constexpr std::string_view kExcludedAgency = "Agenturumsätze %s";
inline constexpr std::string_view kExcludedOther = "Sonstiges %s";
inline constexpr std::string_view kPreviewUnmapped = "Nicht zugeordnete Artikel (werden nicht importiert):";
inline constexpr std::string_view kPreviewUnmappedArticle = "  %s \"%s\": Menge %s, Brutto %s";
inline constexpr std::string_view kPreviewNotes = "Hinweise:";
inline constexpr std::string_view kPreviewNothing = "Der Export enthält keine Verkäufe.";

} // namespace kontaro::till::texts
