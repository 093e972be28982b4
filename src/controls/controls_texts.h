#pragma once
// The German texts of the controls layer.
#include <QString>
#include <QStringList>

namespace kontaro::controls::texts {

inline QString NoPrinter() { return QStringLiteral("Es ist kein Drucker eingerichtet."); }
inline QString PrintFailed() { return QStringLiteral("Der Druckauftrag konnte nicht gestartet werden."); }
// The queue's name, then the printing system's own message.
inline QString JobRefused() { return QStringLiteral("Der Drucker \"%s\" hat den Druckauftrag abgelehnt:\n%s"); }
inline QString CannotWritePdf() { return QStringLiteral("Die Datei %s kann nicht geschrieben werden."); }
inline QString PdfFilter() { return QStringLiteral("PDF-Dateien (*.pdf);;Alle Dateien (*.*)"); }

// The print settings dialog.
inline QString PrintSettingsCaption() { return QStringLiteral("Druckeinstellungen"); }
inline QString CannotWrite() { return QStringLiteral("In %s kann nicht geschrieben werden"); }
inline QString NoGridAssigned() { return QStringLiteral("Dem Dialog ist keine Tabelle zugeordnet."); }
inline QString IniFilter() { return QStringLiteral("INI-Dateien (*.ini);;Alle Dateien (*.*)"); }
inline QString GroupGeneral() { return QStringLiteral("Rahmen und Allgemeines"); }
inline QString GroupFonts() { return QStringLiteral("Schriften"); }
inline QString GroupDateTime() { return QStringLiteral("Datum und Uhrzeit"); }
inline QString GroupTitle() { return QStringLiteral("Titel"); }
inline QString GroupPages() { return QStringLiteral("Seitennummern"); }
inline QString GroupMargins() { return QStringLiteral("R\u00e4nder (mm)"); }
inline QString GroupSpacing() { return QStringLiteral("Abst\u00e4nde (mm)"); }
inline QString GroupOrientation() { return QStringLiteral("Ausrichtung"); }
inline QString GroupFile() { return QStringLiteral("Einstellungen"); }
inline QString Borders() { return QStringLiteral("Rahmen:"); }
inline QString BorderStyle() { return QStringLiteral("Linienart:"); }
inline QString FitToPage() { return QStringLiteral("An Seitenbreite anpassen:"); }
inline QString Centered() { return QStringLiteral("Zentriert"); }
inline QString NoAutoSize() { return QStringLiteral("Spaltenbreiten nicht an den Inhalt anpassen"); }
inline QString RepeatFixedRows() { return QStringLiteral("Kopfzeile auf jeder Seite"); }
inline QString RepeatFixedCols() { return QStringLiteral("Erste Spalte auf jeder Seite"); }
inline QString UseDisplayFont() { return QStringLiteral("Bildschirmschrift verwenden"); }
inline QString FixedHeight() { return QStringLiteral("Feste Zeilenh\u00f6he (1/10 mm)"); }
inline QString FixedWidth() { return QStringLiteral("Feste Spaltenbreite (1/10 mm)"); }
inline QString CellFont() { return QStringLiteral("Zellen:"); }
inline QString HeaderFont() { return QStringLiteral("Seitenkopf:"); }
inline QString FooterFont() { return QStringLiteral("Seitenfu\u00df:"); }
inline QString Position() { return QStringLiteral("Position:"); }
inline QString Date() { return QStringLiteral("Datum:"); }
inline QString Time() { return QStringLiteral("Uhrzeit:"); }
inline QString DateFormat() { return QStringLiteral("Datumsformat:"); }
inline QString Prefix() { return QStringLiteral("Vor der Nummer:"); }
inline QString Separator() { return QStringLiteral("Trenner:"); }
inline QString Suffix() { return QStringLiteral("Nach der Nummer:"); }
inline QString Top() { return QStringLiteral("Oben:"); }
inline QString Bottom() { return QStringLiteral("Unten:"); }
inline QString Left() { return QStringLiteral("Links:"); }
inline QString Right() { return QStringLiteral("Rechts:"); }
inline QString RowSpacing() { return QStringLiteral("Zeilen:"); }
inline QString ColumnSpacing() { return QStringLiteral("Spalten:"); }
inline QString TitleSpacing() { return QStringLiteral("Unter dem Titel:"); }
inline QString UseDefaultOrientation() { return QStringLiteral("Einstellung des Druckers verwenden"); }
inline QString LoadSettings() { return QStringLiteral("Laden..."); }
inline QString SaveSettings() { return QStringLiteral("Speichern..."); }
inline QString PrintPreview() { return QStringLiteral("Seitenansicht..."); }
inline QString SavePdf() { return QStringLiteral("Als PDF speichern..."); }
inline QString PreviewCaption() { return QStringLiteral("Seitenansicht"); }
inline QStringList BorderKinds()
{
    return {QStringLiteral("Keine"),
            QStringLiteral("Einfach"),
            QStringLiteral("Doppelt"),
            QStringLiteral("Senkrecht"),
            QStringLiteral("Waagerecht"),
            QStringLiteral("Au\u00dfen"),
            QStringLiteral("Au\u00dfen und senkrecht"),
            QStringLiteral("Au\u00dfen und waagerecht"),
            QStringLiteral("Benutzerdefiniert")};
}
inline QStringList PenStyles()
{
    return {QStringLiteral("Durchgezogen"), QStringLiteral("Gestrichelt"),        QStringLiteral("Gepunktet"),
            QStringLiteral("Strich-Punkt"), QStringLiteral("Strich-Punkt-Punkt"), QStringLiteral("Unsichtbar"),
            QStringLiteral("Innerhalb")};
}
inline QStringList Positions()
{
    return {QStringLiteral("Keine"),      QStringLiteral("Oben links"),  QStringLiteral("Oben rechts"),
            QStringLiteral("Oben Mitte"), QStringLiteral("Unten links"), QStringLiteral("Unten rechts"),
            QStringLiteral("Unten Mitte")};
}
inline QStringList FitModes()
{
    return {QStringLiteral("Nie"), QStringLiteral("Vergr\u00f6\u00dfern"), QStringLiteral("Verkleinern"),
            QStringLiteral("Immer"), QStringLiteral("Benutzerdefiniert")};
}
inline QStringList Orientations() { return {QStringLiteral("Hochformat"), QStringLiteral("Querformat")}; }

} // namespace kontaro::controls::texts
