#pragma once
// The German texts of the page "Diagramm", each defined once.
#include <QString>

namespace kontaro::ui::chart_texts {

inline QString PageChart() { return QStringLiteral("Diagramm"); }
inline QString LabelBucket() { return QStringLiteral("Einteilung:"); }
inline QString BucketDays() { return QStringLiteral("Tage"); }
inline QString BucketWeeks() { return QStringLiteral("Wochen"); }
inline QString BucketMonths() { return QStringLiteral("Monate"); }
inline QString ButtonSaveImage() { return QStringLiteral("Als Bild speichern..."); }
inline QString ButtonSavePdf() { return QStringLiteral("Als PDF speichern..."); }
inline QString ImageFilter() { return QStringLiteral("PNG-Bild (*.png);;SVG-Grafik (*.svg)"); }
inline QString ImageExtension() { return QStringLiteral("png"); }
inline QString PdfFilter() { return QStringLiteral("PDF-Dokument (*.pdf)"); }
inline QString PdfExtension() { return QStringLiteral("pdf"); }
// The proposed file name; %1 and %2 are the period's first and last day (yy-mm-dd).
inline QString ProposedName() { return QStringLiteral("Diagramm_%1_%2"); }
inline QString MarginChartName() { return QStringLiteral("Diagramm Verkauf (N) und DB1"); }
inline QString GroupChartName() { return QStringLiteral("Diagramm DB1 je Gruppe"); }
inline QString ChartDescription()
{
    return QStringLiteral("Die Werte des Diagramms stehen je Zeitraum in der Tabelle \"Werte des Diagramms\".");
}
inline QString SeriesGridName() { return QStringLiteral("Werte des Diagramms"); }

} // namespace kontaro::ui::chart_texts
