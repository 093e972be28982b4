#pragma once
// The German texts of the till import's command and dialog, each defined once.
#include <QString>

namespace kontaro::ui::texts {

inline QString MenuImportTill() { return QStringLiteral("Kassendaten importieren..."); }
inline QString TillFilter() { return QStringLiteral("DSFinV-K-Export (index.xml *.zip);;Alle Dateien (*)"); }
inline QString TillDialogCaption() { return QStringLiteral("Kassendaten importieren"); }
inline QString TillSource() { return QStringLiteral("Kassendaten: %s"); }
inline QString TillDayRule() { return QStringLiteral("Tag:"); }
inline QString TillMode() { return QStringLiteral("Tage mit Einträgen dieser Produkte:"); }
inline QString TillPreview() { return QStringLiteral("Vorschau:"); }
inline QString TillUnmapped()
{
    return QStringLiteral("Artikel ohne Produkt (Produkt wählen, um sie zu importieren):");
}
inline QString TillColumnNumber() { return QStringLiteral("Artikelnummer"); }
inline QString TillColumnText() { return QStringLiteral("Artikeltext"); }
inline QString TillColumnQuantity() { return QStringLiteral("Menge"); }
inline QString TillColumnGross() { return QStringLiteral("Brutto"); }
inline QString TillColumnProduct() { return QStringLiteral("Produkt"); }
inline QString TillNoProduct() { return QStringLiteral("nicht importieren"); }
inline QString TillImportButton() { return QStringLiteral("Importieren"); }
inline QString TillNothingToImport()
{
    return QStringLiteral("Der Export enthält nichts, was importiert werden kann.");
}

} // namespace kontaro::ui::texts
