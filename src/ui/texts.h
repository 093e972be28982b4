#pragma once
// The German texts of the main window, its day view and the toolkit layer, each
// defined once. Placeholders are "%s", filled in order by controls::FormatText.
#include <QString>

namespace kontaro::ui::texts {

inline QString AppTitle() { return QStringLiteral("Kontaro"); }

// Message boxes.
inline QString WarningCaption() { return QStringLiteral("Warnung"); }
inline QString ConfirmCaption() { return QStringLiteral("Bestätigung"); }
inline QString ButtonYes() { return QStringLiteral("&Ja"); }
inline QString ButtonNo() { return QStringLiteral("&Nein"); }
inline QString ButtonOk() { return QStringLiteral("OK"); }
inline QString ButtonCancel() { return QStringLiteral("Abbrechen"); }

// File dialogs.
inline QString ProjectFilter() { return QStringLiteral("Kontaros-Daten (*.kdt)"); }
inline QString ProjectExtension() { return QStringLiteral("kdt"); }
inline QString OpenDialogCaption() { return QStringLiteral("Öffnen"); }
inline QString SaveDialogCaption() { return QStringLiteral("Speichern unter"); }

// Pages.
inline QString PageDayView() { return QStringLiteral("Tagesansicht"); }
inline QString PageSumView() { return QStringLiteral("Summenansicht"); }
inline QString PageGroupView() { return QStringLiteral("Gruppenansicht"); }
inline QString PageProducts() { return QStringLiteral("Produkte"); }
inline QString PageGroups() { return QStringLiteral("Gruppen"); }

// Recovery after a crash.
inline QString AskRecover()
{
    return QStringLiteral("Kontaro wurde nicht ordnungsgemäß beendet. Es gibt eine Wiederherstellungskopie "
                          "des Projekts \"%s\" vom %s.\n\nSoll sie als ungespeichertes Projekt geöffnet "
                          "werden? Die Projektdatei selbst bleibt unverändert.\n\nBei \"Nein\" wird die "
                          "Kopie gelöscht.");
}
inline QString AskRecoverUnsaved()
{
    return QStringLiteral("Kontaro wurde nicht ordnungsgemäß beendet. Es gibt eine Wiederherstellungskopie "
                          "eines ungespeicherten Projekts vom %s.\n\nSoll sie als ungespeichertes Projekt "
                          "geöffnet werden?\n\nBei \"Nein\" wird die Kopie gelöscht.");
}

// Menu and toolbar.
inline QString MenuFile() { return QStringLiteral("Datei"); }
inline QString MenuNew() { return QStringLiteral("&Neu"); }
inline QString MenuLoad() { return QStringLiteral("&Laden..."); }
inline QString MenuSave() { return QStringLiteral("&Speichern"); }
inline QString MenuSaveAs() { return QStringLiteral("Speichern &als..."); }
inline QString MenuExit() { return QStringLiteral("Beenden"); }
inline QString MenuView() { return QStringLiteral("Ansicht"); }
inline QString MenuEdit() { return QStringLiteral("Bearbeiten"); }
inline QString MenuUndo() { return QStringLiteral("Rückgängig"); }
inline QString MenuRedo() { return QStringLiteral("Wiederholen"); }
inline QString ToolLoad() { return QStringLiteral("Laden"); }
inline QString ToolSave() { return QStringLiteral("Speichern"); }

// File command questions and failures.
inline QString AskNew()
{
    return QStringLiteral("Wollen Sie alle Daten löschen und mit einem neuen Projekt beginnen "
                          "(alle nicht gespeicherten Daten gehen verloren)?");
}
inline QString AskLoad()
{
    return QStringLiteral("Durch das Laden einer Datei gehen alle nicht gespeicherten Daten "
                          "verloren. Wollen Sie fortsetzen?");
}
inline QString AskSaveOnExit()
{
    return QStringLiteral("Wollen Sie vor dem Beenden noch speichern "
                          "(Abbrechen beendet das Programm nicht)?");
}
inline QString LoadDropped()
{
    return QStringLiteral("Beim Laden der Datei \"%s\" konnten nicht alle Einträge gelesen "
                          "werden. Folgendes wurde verworfen und fehlt beim nächsten Speichern:");
}
inline QString MoreDropped() { return QStringLiteral("... und %s weitere"); }

// Day view.
inline QString ButtonPrint() { return QStringLiteral("Drucken..."); }
inline QString ButtonPrintSettings() { return QStringLiteral("Drucker Einstellungen..."); }
inline QString ButtonExport() { return QStringLiteral("Export..."); }
// The accessible name of the day view's month calendar.
inline QString CalendarName() { return QStringLiteral("Kalender"); }
inline QString HintBoxTitle() { return QStringLiteral(" Bedienungshinweise "); }
inline QString PleaseWait() { return QStringLiteral("Bitte warten: Berechnung wird durchgeführt..."); }
inline QString DayHintHtml()
{
    return QStringLiteral("<ul><li><b>Einfüge Taste</b>: Zeile einfügen</li><li><b>Entfernen Taste</b>: Zeile "
                          "löschen</li><li><b>Berechnungen in einer Zelle</b> können mit +,-,*,/ durchgeführt "
                          "werden. Achtung: Eine Berechnung muß mit = oder einer Rechentaste abgeschlossen "
                          "werden, <b>bevor</b> die Eingabetaste gedrückt wird.</ul>");
}
inline QString UnknownProductEntry() { return QStringLiteral("Dieser Eintrag beinhaltet ein unbekanntes Produkt!"); }
inline QString ProductMissing() { return QStringLiteral("Produkt existiert nicht!"); }
inline QString ProductUsedOnDay() { return QStringLiteral("Produkt wird an diesem Tag schon verwendet!"); }
// A handler of the grid failed; the detail is the failure's own text.
inline QString EditFailed() { return QStringLiteral("Die Änderung konnte nicht durchgeführt werden:\n%s"); }

// Summary pages ("Drucken...", "Drucker Einstellungen...", "Export..." and the
// waiting notice as in the day view).
inline QString LabelFrom() { return QStringLiteral("Von:"); }
inline QString LabelTo() { return QStringLiteral("Bis:"); }
inline QString ButtonCalculate() { return QStringLiteral("&Berechnen"); }
inline QString ButtonExportDaily() { return QStringLiteral("Export mit Tagessummen..."); }

// Exports.
inline QString ExportFilter() { return QStringLiteral("Excel Datei (*.xls)"); }
inline QString ExportExtension() { return QStringLiteral("xls"); }
// The workbook writer's own (English) message follows the lead-in.
inline QString ExportFailed() { return QStringLiteral("Die Excel-Mappe \"%s\" wurde nicht geschrieben:\n%s"); }
inline QString ExportProgressCaption() { return QStringLiteral("Export mit Tagessummen"); }
inline QString ExportProgressDay() { return QStringLiteral("Tag %s wird exportiert..."); }
// Printing: the day view's settings file, the dialogs' captions and the job's
// title (each with the page's name), and the question without a printer.
inline QString DayPrintSettingsName() { return QStringLiteral("Print.set"); }
inline QString PrintSettingsTitle() { return QStringLiteral("Druckeinstellungen: %s"); }
inline QString PrintJobTitle() { return QStringLiteral("Kontaro %s"); }
inline QString NoPrinterOfferPdf()
{
    return QStringLiteral("Es ist kein Drucker eingerichtet. Wollen Sie die Seiten stattdessen als PDF-Datei "
                          "speichern?");
}

} // namespace kontaro::ui::texts
