#pragma once
// The German texts of the catalogue: the product and group pages, the product
// editor, the group editor and the dated value dialogs, each defined once.
#include <QString>

namespace kontaro::ui::catalogue_texts {

// Dialog buttons.
inline QString ButtonOk() { return QStringLiteral(" &Ok"); }
inline QString ButtonCancel() { return QStringLiteral("&Abbrechen"); }
inline QString ButtonNew() { return QStringLiteral("&Neu"); }
inline QString ButtonChange() { return QStringLiteral("&Ändern"); }
inline QString ButtonDelete() { return QStringLiteral("&Löschen"); }
inline QString ButtonExportOverview() { return QStringLiteral("&Export Übersicht"); }
inline QString RowNew() { return QStringLiteral("Neu"); }
inline QString RowChange() { return QStringLiteral("Ändern"); }
inline QString RowDelete() { return QStringLiteral("Löschen"); }

// Product and group pages.
inline QString ColumnProductID() { return QStringLiteral("Produkt ID"); }
inline QString ColumnCurrentName() { return QStringLiteral("Aktueller Name"); }
inline QString ColumnGroupID() { return QStringLiteral("Gruppen ID"); }
inline QString ColumnName() { return QStringLiteral("Name"); }
inline QString NoName() { return QStringLiteral("???"); }
inline QString AskDeleteProduct() { return QStringLiteral("Wollen Sie dieses Produkt wirklich löschen?"); }
inline QString ProductInUse()
{
    return QStringLiteral("Das Produkt wird bereits verwendet und kann daher nicht gelöscht werden!");
}
inline QString AskDeleteGroup() { return QStringLiteral("Wollen Sie diese Gruppe wirklich löschen?"); }
inline QString GroupInUse()
{
    return QStringLiteral("Diese Gruppe ist in Verwendung und kann daher nicht gelöscht werden!");
}
inline QString GroupNotAdded() { return QStringLiteral("Konnte die neue Gruppe nicht hinzufügen!"); }

// Product editor.
inline QString ProductCaption() { return QStringLiteral("Produkt"); }
inline QString BoxGeneral() { return QStringLiteral(" Allgemeines "); }
inline QString BoxName() { return QStringLiteral(" Name "); }
inline QString BoxPurchaseNet() { return QStringLiteral(" Einkaufspreis (netto) "); }
inline QString BoxPurchasePercent() { return QStringLiteral(" Einkaufspreis (% von Verkaufspreis) "); }
inline QString BoxSales() { return QStringLiteral(" Verkaufspreis (brutto) "); }
inline QString BoxTax() { return QStringLiteral(" Steuer (%) "); }
inline QString BoxGroup() { return QStringLiteral(" Gruppe "); }
inline QString ColumnDate() { return QStringLiteral("Datum"); }
inline QString ColumnPurchase() { return QStringLiteral("Einkaufspreis"); }
inline QString ColumnSales() { return QStringLiteral("Verkaufspreis"); }
inline QString ColumnTax() { return QStringLiteral("Steuer"); }
inline QString ColumnGroup() { return QStringLiteral("Gruppe"); }
inline QString LabelProductID() { return QStringLiteral("Produkt ID"); }
inline QString EnterID() { return QStringLiteral("ID eingeben"); }
inline QString SalesVariable() { return QStringLiteral("Verkaufspreis ist variabel"); }
inline QString PurchasePercent() { return QStringLiteral("Einkaufspreis ist Prozentsatz"); }
inline QString IDNotValid() { return QStringLiteral("Keine gültige Produkt ID!"); }
inline QString IDEnterValid() { return QStringLiteral("Gültige Produkt ID eingeben!"); }
inline QString IDExists() { return QStringLiteral("Diese Produkt ID gibt es schon!"); }
inline QString GroupGone() { return QStringLiteral("Gruppe nicht mehr vorhanden!"); }
inline QString NoGroupsYet() { return QStringLiteral("Noch keine Gruppen definiert!"); }
// The editor offers a percentage purchase price only with a variable sales price.
inline QString PercentWithoutVariablePrice()
{
    return QStringLiteral("Dieses Produkt ist mit \u201EEinkaufspreis ist Prozentsatz\u201C, aber ohne "
                          "\u201EVerkaufspreis ist variabel\u201C gespeichert. Diese Kombination kann so nicht "
                          "bearbeitet werden: \u201EOk\u201C speichert die Einkaufspreise als feste Preise (netto), "
                          "\u201EAbbrechen\u201C l\u00e4sst das Produkt unver\u00e4ndert.");
}
inline QString ProductNotAdded() { return QStringLiteral("Konnte das neue Produkt nicht hinzufügen!"); }
inline QString LabelName() { return QStringLiteral("Name:"); }
inline QString EnterName() { return QStringLiteral("Name eingeben"); }
inline QString LabelPurchasePercent() { return QStringLiteral("Einkaufsprozentsatz:"); }
inline QString EnterPercent() { return QStringLiteral("Prozentsatz eingeben"); }
inline QString LabelPurchase() { return QStringLiteral("Einkaufspreis:"); }
inline QString EnterPrice() { return QStringLiteral("Preis eingeben"); }
inline QString LabelSales() { return QStringLiteral("Verkaufspreis:"); }
inline QString LabelTax() { return QStringLiteral("Steuer:"); }
inline QString EnterTax() { return QStringLiteral("Steuer eingeben"); }
// "%s: %s", the group's ID and name, in the group choices and in new group rows.
inline QString GroupChoice() { return QStringLiteral("%s: %s"); }

// Group editor.
inline QString GroupCaption() { return QStringLiteral("Gruppe"); }
inline QString LabelID() { return QStringLiteral("ID:"); }
inline QString IDInUse() { return QStringLiteral("Die ID wird schon verwendet!"); }
// Names go into the project file unescaped, where "<" and ">" would cut the data.
inline QString NameHasMarkup()
{
    return QStringLiteral("Der Name darf kein \u201E<\u201C und kein \u201E>\u201C enthalten!");
}

// Dated value dialogs.
inline QString DetailCaption() { return QStringLiteral("Produkt Detail"); }
inline QString GroupDetailCaption() { return QStringLiteral("Produkt Gruppe"); }
inline QString DetailValueLabel() { return QStringLiteral("Valuename"); }
inline QString LabelGroup() { return QStringLiteral("Gruppe"); }
inline QString DateInUse() { return QStringLiteral("Das Datum wird bereits verwendet!"); }

} // namespace kontaro::ui::catalogue_texts
