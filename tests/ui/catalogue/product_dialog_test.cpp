// The product editor: start states, the ID checks, the flags, the dated rows
// through their dialogs, and what OK writes.
#include "controls/labeled_edit.h"
#include "ui/catalogue/catalogue_components.h"
#include "ui/catalogue/catalogue_fixture.h"
#include "ui/dated_group_dialog.h"
#include "ui/dated_value_dialog.h"
#include "ui/day_dates.h"
#include "ui/product_dialog.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

namespace kontaro::test {
namespace {

using Kind = ui::ProductDialog::ListKind;
using ui::DatedGroupDialog;
using ui::DatedValueDialog;
using ui::ProductDialog;

const char* ButtonPrefix(Kind kind)
{
    switch (kind) {
    case Kind::Name:
        return "Name";
    case Kind::Einkauf:
        return "Einkauf";
    case Kind::Verkauf:
        return "Verkauf";
    case Kind::Steuer:
        return "Steuer";
    case Kind::Gruppe:
        return "Gruppe";
    }
    return "";
}

class ProductDialogTest : public CatalogueTest {
protected:
    ProductDialogTest()
    {
        AddGroup(1, "Getr\xe4nke");
        AddGroup(2, "Speisen");
    }

    // Opens the editor for the product at `index`, or for a new one.
    ProductDialog& Open(int32_t index = ProductDialog::kNewProduct)
    {
        editor = std::make_unique<ProductDialog>(nullptr, products, groups, &days);
        editor->ProductIndex = index;
        editor->show();
        Activate(*editor);
        return *editor;
    }

    // The group box ("gr...") and the list ("Prod...") of a dated list.
    QGroupBox* Box(Kind kind) { return &Child<QGroupBox>(*editor, (std::string("gr") + ButtonPrefix(kind)).c_str()); }
    QTreeWidget* List(Kind kind)
    {
        return &Child<QTreeWidget>(*editor, (std::string("Prod") + ButtonPrefix(kind)).c_str());
    }

    QPushButton& Button(Kind kind, const char* action)
    {
        return Child<QPushButton>(*editor, (std::string(ButtonPrefix(kind)) + action).c_str());
    }

    // "Neu" of a value list, answered with this date and typed value.
    void AddRow(Kind kind, model::DayNumber day, const QString& value)
    {
        dialogs.Next([=](QDialog& dialog) {
            auto& detail = dynamic_cast<DatedValueDialog&>(dialog);
            TheDay(detail).setSelectedDate(ui::DateOfDay(day));
            Type(Value(detail), value);
            Click(bOK(detail));
        });
        Click(Button(kind, "New"));
    }

    // "Neu" of the group list, answered with this date and group.
    void AddGroupRow(model::DayNumber day, int32_t group)
    {
        dialogs.Next([=](QDialog& dialog) {
            auto& detail = dynamic_cast<DatedGroupDialog&>(dialog);
            TheDay(detail).setSelectedDate(ui::DateOfDay(day));
            comGroup(detail).setCurrentIndex(comGroup(detail).findData(group));
            Click(bOK(detail));
        });
        Click(Button(Kind::Gruppe, "New"));
    }

    void FillRequiredLists()
    {
        AddRow(Kind::Name, kToday, QStringLiteral("Kaffee"));
        AddRow(Kind::Einkauf, kToday, QStringLiteral("1,2"));
        AddRow(Kind::Verkauf, kToday, QStringLiteral("2,5"));
        AddRow(Kind::Steuer, kToday, QStringLiteral("19"));
        AddGroupRow(kToday, 2);
    }

    std::unique_ptr<ProductDialog> editor;
};

TEST_F(ProductDialogTest, NewProductStartState)
{
    Open();
    EXPECT_EQ(editor->windowTitle(), QStringLiteral("Produkt"));
    EXPECT_EQ(ProdID(*editor).Text(), QStringLiteral("0"));
    EXPECT_EQ(ProdID(*editor).Edit()->cursorPosition(), 0);
    EXPECT_FALSE(ProdErr(*editor).isHidden());
    EXPECT_EQ(ProdErr(*editor).text(), QStringLiteral("Gültige Produkt ID eingeben!"));
    EXPECT_FALSE(bOK(*editor).isEnabled());
    EXPECT_FALSE(cVerkaufSpec(*editor).isChecked());
    EXPECT_FALSE(cEinkaufSpec(*editor).isChecked());
    EXPECT_FALSE(cEinkaufSpec(*editor).isEnabled());
    EXPECT_EQ(Box(Kind::Einkauf)->title(), QStringLiteral(" Einkaufspreis (netto) "));
    EXPECT_TRUE(Button(Kind::Gruppe, "New").isEnabled());
    EXPECT_FALSE(Button(Kind::Gruppe, "Edit").isEnabled());
    EXPECT_FALSE(Button(Kind::Gruppe, "Del").isEnabled());
    EXPECT_FALSE(Button(Kind::Name, "Edit").isEnabled());
    EXPECT_EQ(editor->OldID, ProductDialog::kNewProduct);
}

TEST_F(ProductDialogTest, OKOnlyAfterAValidIDAndAllRequiredLists)
{
    AddProduct(7, "Tee", 1);
    Open();
    FillRequiredLists();
    EXPECT_FALSE(bOK(*editor).isEnabled()); // the ID is still 0
    Type(ProdID(*editor), QStringLiteral("7"));
    EXPECT_EQ(ProdErr(*editor).text(), QStringLiteral("Diese Produkt ID gibt es schon!"));
    EXPECT_FALSE(bOK(*editor).isEnabled());
    Type(ProdID(*editor), QStringLiteral("5"));
    EXPECT_TRUE(ProdErr(*editor).isHidden());
    EXPECT_TRUE(bOK(*editor).isEnabled());
    // Each required list, when emptied, disables OK again.
    for (Kind kind : {Kind::Name, Kind::Einkauf, Kind::Verkauf, Kind::Steuer, Kind::Gruppe}) {
        QTreeWidget* list = List(kind);
        SelectRow(*list, 0);
        QTreeWidgetItem* row = list->takeTopLevelItem(0);
        editor->UpdateOK();
        EXPECT_FALSE(bOK(*editor).isEnabled()) << ButtonPrefix(kind);
        list->addTopLevelItem(row);
        editor->UpdateOK();
    }
    ASSERT_TRUE(bOK(*editor).isEnabled());
    Click(bOK(*editor));
    EXPECT_EQ(editor->result(), QDialog::Accepted);

    ASSERT_EQ(products.Count(), 2);
    EXPECT_EQ(editor->ProductIndex, 0);
    const model::tProduct& product = products.Item(0);
    EXPECT_EQ(product.ID, 5);
    std::string name;
    product.Name.ValueAt(kToday, name);
    EXPECT_EQ(name, "Kaffee");
    EXPECT_DOUBLE_EQ(product.Einkauf.ValueAt(kToday), 1.2);
    EXPECT_DOUBLE_EQ(product.Verkauf.ValueAt(kToday), 2.5);
    EXPECT_DOUBLE_EQ(product.Steuer.ValueAt(kToday), 19.0);
    EXPECT_EQ(product.Gruppe.ValueAt(kToday), 2);
    EXPECT_EQ(product.Gruppe.Item(0).Date, kToday);
    EXPECT_FALSE(product.EinkaufProzent);
    EXPECT_FALSE(product.VerkaufVariabel);
}

TEST_F(ProductDialogTest, IDChecksOfAnExistingProduct)
{
    AddProduct(5, "Kaffee", 1);
    AddProduct(7, "Tee", 1);
    struct Case {
        QString typed;
        QString error; // empty: none
    };
    const Case cases[] = {
        {QString(), QStringLiteral("Keine gültige Produkt ID!")},
        {QStringLiteral("0"), QStringLiteral("Gültige Produkt ID eingeben!")},
        {QStringLiteral("7"), QStringLiteral("Diese Produkt ID gibt es schon!")},
        {QStringLiteral("5"), QString()}, // the product's own ID
        {QStringLiteral("8"), QString()},
        {QStringLiteral("000005"), QString()},
    };
    Open(products.IndexOfID(5));
    EXPECT_EQ(editor->OldID, 5);
    EXPECT_TRUE(bOK(*editor).isEnabled());
    for (const Case& c : cases) {
        Type(ProdID(*editor), c.typed);
        EXPECT_EQ(ProdErr(*editor).isHidden(), c.error.isEmpty()) << c.typed.toStdString();
        if (!c.error.isEmpty()) {
            EXPECT_EQ(ProdErr(*editor).text(), c.error);
        }
        EXPECT_EQ(bOK(*editor).isEnabled(), c.error.isEmpty()) << c.typed.toStdString();
    }
    EXPECT_EQ(ProdID(*editor).Edit()->maxLength(), 6);
}

TEST_F(ProductDialogTest, SelectingRowsDoesNotEnableOKWhileTheIDIsWrong)
{
    AddProduct(5, "Kaffee", 1);
    Open(0);
    Type(ProdID(*editor), QString());
    ASSERT_FALSE(bOK(*editor).isEnabled());
    SelectRow(*List(Kind::Name), 0);
    SelectRow(*List(Kind::Steuer), 0);
    EXPECT_TRUE(Button(Kind::Name, "Edit").isEnabled());
    EXPECT_TRUE(Button(Kind::Name, "Del").isEnabled());
    EXPECT_FALSE(bOK(*editor).isEnabled());
}

TEST_F(ProductDialogTest, IDOfOrphanedDayEntriesCannotBeTakenByAChange)
{
    AddProduct(5, "Kaffee", 1);
    AddDay(kToday, {{5, 2.0}, {9, 1.0}}); // product 9 is gone from the catalogue
    Open(0);
    Type(ProdID(*editor), QStringLiteral("9"));
    EXPECT_EQ(ProdErr(*editor).text(), QStringLiteral("Diese Produkt ID gibt es schon!"));
    EXPECT_FALSE(bOK(*editor).isEnabled());
}

TEST_F(ProductDialogTest, SalesFlagCouplesWithThePercentageFlag)
{
    Open();
    QGroupBox* sales = Box(Kind::Verkauf);
    cVerkaufSpec(*editor).click();
    EXPECT_FALSE(sales->isEnabled());
    EXPECT_FALSE(List(Kind::Verkauf)->isEnabled());
    EXPECT_FALSE(Button(Kind::Verkauf, "New").isEnabled());
    EXPECT_TRUE(cEinkaufSpec(*editor).isEnabled());
    cEinkaufSpec(*editor).click();
    EXPECT_EQ(Box(Kind::Einkauf)->title(), QStringLiteral(" Einkaufspreis (% von Verkaufspreis) "));

    // The purchase dialog asks for a percentage now.
    dialogs.Next([](QDialog& dialog) {
        auto& detail = dynamic_cast<DatedValueDialog&>(dialog);
        EXPECT_EQ(detail.windowTitle(), QStringLiteral("Einkaufspreis (% von Verkaufspreis)"));
        EXPECT_EQ(Value(detail).LabelText(), QStringLiteral("Einkaufsprozentsatz:"));
        EXPECT_EQ(Value(detail).PlaceholderText(), QStringLiteral("Prozentsatz eingeben"));
        EXPECT_EQ(Value(detail).Text(), QStringLiteral("0"));
        detail.reject();
    });
    Click(Button(Kind::Einkauf, "New"));

    cVerkaufSpec(*editor).click();
    EXPECT_TRUE(sales->isEnabled());
    EXPECT_FALSE(cEinkaufSpec(*editor).isChecked());
    EXPECT_FALSE(cEinkaufSpec(*editor).isEnabled());
    EXPECT_EQ(Box(Kind::Einkauf)->title(), QStringLiteral(" Einkaufspreis (netto) "));
}

TEST_F(ProductDialogTest, VariableSalesPriceNeedsNoSalesRowAndKeepsItsRows)
{
    Open();
    FillRequiredLists();
    Type(ProdID(*editor), QStringLiteral("3"));
    SelectRow(*List(Kind::Verkauf), 0);
    Click(Button(Kind::Verkauf, "Del"));
    EXPECT_FALSE(bOK(*editor).isEnabled());
    cVerkaufSpec(*editor).click();
    EXPECT_TRUE(bOK(*editor).isEnabled());
    cEinkaufSpec(*editor).click();
    Click(bOK(*editor));
    const model::tProduct& product = products.Item(0);
    EXPECT_TRUE(product.VerkaufVariabel);
    EXPECT_TRUE(product.EinkaufProzent);
    EXPECT_EQ(product.Verkauf.Count(), 0);
}

TEST_F(ProductDialogTest, StoredPercentageWithoutVariablePriceIsAnnouncedBeforeOKStoresFixedPrices)
{
    const QString warning = QStringLiteral(
        "Dieses Produkt ist mit \u201EEinkaufspreis ist Prozentsatz\u201C, aber ohne \u201EVerkaufspreis ist "
        "variabel\u201C gespeichert. Diese Kombination kann so nicht bearbeitet werden: \u201EOk\u201C speichert "
        "die Einkaufspreise als feste Preise (netto), \u201EAbbrechen\u201C l\u00e4sst das Produkt unver\u00e4ndert.");
    for (const bool ok : {true, false}) {
        SCOPED_TRACE(ok ? "OK" : "Cancel");
        products.Clear();
        prompts.warnings.clear();
        AddProduct(5, "Kaffee", 1);
        products.Item(0).EinkaufProzent = true;
        Open(0);
        EXPECT_EQ(prompts.warnings, QStringList{warning});
        EXPECT_FALSE(cEinkaufSpec(*editor).isChecked());
        EXPECT_FALSE(cVerkaufSpec(*editor).isChecked());
        EXPECT_FALSE(cEinkaufSpec(*editor).isEnabled());
        EXPECT_EQ(Box(Kind::Einkauf)->title(), QStringLiteral(" Einkaufspreis (netto) "));
        Click(ok ? bOK(*editor) : bCancel(*editor));
        EXPECT_EQ(products.Item(0).EinkaufProzent, !ok);
        EXPECT_FALSE(products.Item(0).VerkaufVariabel);
        EXPECT_DOUBLE_EQ(products.Item(0).Einkauf.ValueAt(kToday), 1.0);
    }

    // Products whose flags the editor can show open without a word.
    for (const auto& [variable, percent] : {std::pair{false, false}, {true, false}, {true, true}}) {
        products.Clear();
        prompts.warnings.clear();
        AddProduct(5, "Kaffee", 1);
        products.Item(0).VerkaufVariabel = variable;
        products.Item(0).EinkaufProzent = percent;
        Open(0);
        EXPECT_TRUE(prompts.warnings.isEmpty()) << variable << percent;
        Click(bCancel(*editor));
    }
}

TEST_F(ProductDialogTest, ExistingProductShowsItsListsAndFlags)
{
    auto product = std::make_unique<model::tProduct>();
    product->ID = 4;
    product->Name.AddValue(kToday - 400, "Alt");
    product->Name.AddValue(kToday, "Neu");
    product->Einkauf.AddValue(0, 35.5);
    product->Steuer.AddValue(0, 19.0);
    product->Steuer.AddValue(kToday, 0.1 + 0.2);
    product->Gruppe.AddValue(0, 2);
    product->VerkaufVariabel = true;
    product->EinkaufProzent = true;
    ASSERT_GE(products.AddProduct(product), 0);
    Open(0);
    EXPECT_EQ(Rows(*List(Kind::Name)), (QStringList{QStringLiteral("04-02-09|Alt"), QStringLiteral("05-03-15|Neu")}));
    EXPECT_EQ(Rows(*List(Kind::Einkauf)), QStringList{QStringLiteral("99-12-30|35,5")});
    EXPECT_EQ(Rows(*List(Kind::Steuer)), (QStringList{QStringLiteral("99-12-30|19"), QStringLiteral("05-03-15|0,3")}));
    // Loaded group rows show the name only.
    EXPECT_EQ(Rows(*List(Kind::Gruppe)), QStringList{QStringLiteral("99-12-30|Speisen")});
    EXPECT_TRUE(cVerkaufSpec(*editor).isChecked());
    EXPECT_TRUE(cEinkaufSpec(*editor).isChecked());
    EXPECT_TRUE(bOK(*editor).isEnabled());
    EXPECT_EQ(ProdID(*editor).Text(), QStringLiteral("4"));

    // Unchanged rows are written back exactly, dates of another century included.
    Click(bOK(*editor));
    const model::tProduct& saved = products.Item(0);
    EXPECT_EQ(saved.Steuer.ValueAt(kToday), 0.1 + 0.2);
    EXPECT_EQ(saved.Einkauf.Item(0).Date, 0);
    EXPECT_EQ(saved.Name.Item(0).Date, kToday - 400);
}

TEST_F(ProductDialogTest, RowsAddedInAnyOrderEndUpSortedByDate)
{
    Open();
    for (model::DayNumber day : {kToday, kToday - 40, kToday + 100, kToday - 1})
        AddRow(Kind::Steuer, day, QString::number(day - kToday + 50));
    EXPECT_EQ(Rows(*List(Kind::Steuer)),
              (QStringList{QStringLiteral("05-02-03|10,00"), QStringLiteral("05-03-14|49,00"),
                           QStringLiteral("05-03-15|50,00"), QStringLiteral("05-06-23|150,00")}));
    AddRow(Kind::Name, kToday, QStringLiteral("Kaffee"));
    AddRow(Kind::Einkauf, kToday, QStringLiteral("1"));
    AddRow(Kind::Verkauf, kToday, QStringLiteral("2"));
    AddGroupRow(kToday + 5, 1);
    AddGroupRow(kToday - 5, 2);
    EXPECT_EQ(Rows(*List(Kind::Gruppe)),
              (QStringList{QStringLiteral("05-03-10|2: Speisen"), QStringLiteral("05-03-20|1: Getränke")}));
    Type(ProdID(*editor), QStringLiteral("1"));
    Click(bOK(*editor));
    const model::tProduct& product = products.Item(0);
    ASSERT_EQ(product.Steuer.Count(), 4);
    EXPECT_EQ(product.Steuer.Item(0).Date, kToday - 40);
    EXPECT_EQ(product.Steuer.Item(3).Date, kToday + 100);
    EXPECT_EQ(product.Gruppe.ValueAt(kToday), 2);
    EXPECT_EQ(product.Gruppe.ValueAt(kToday + 5), 1);
}

TEST_F(ProductDialogTest, ChangeOfARowKeepsItsDateAndTakesTheNewValue)
{
    AddProduct(5, "Kaffee", 1, kToday);
    Open(0);
    SelectRow(*List(Kind::Verkauf), 0);
    dialogs.Next([](QDialog& dialog) {
        auto& detail = dynamic_cast<DatedValueDialog&>(dialog);
        EXPECT_EQ(detail.Day(), kToday);
        EXPECT_EQ(Value(detail).Text(), QStringLiteral("2,5"));
        EXPECT_EQ(Value(detail).LabelText(), QStringLiteral("Verkaufspreis:"));
        Type(Value(detail), QStringLiteral("3,456"));
        Click(bOK(detail));
    });
    Click(Button(Kind::Verkauf, "Edit"));
    EXPECT_EQ(Rows(*List(Kind::Verkauf)), QStringList{QStringLiteral("05-03-15|3,46")});

    // The group dialog preselects the row's group.
    SelectRow(*List(Kind::Gruppe), 0);
    dialogs.Next([](QDialog& dialog) {
        auto& detail = dynamic_cast<DatedGroupDialog&>(dialog);
        EXPECT_EQ(detail.GroupID(), 1);
        comGroup(detail).setCurrentIndex(1);
        Click(bOK(detail));
    });
    Click(Button(Kind::Gruppe, "Edit"));
    EXPECT_EQ(Rows(*List(Kind::Gruppe)), QStringList{QStringLiteral("05-03-15|2: Speisen")});

    Click(bOK(*editor));
    EXPECT_DOUBLE_EQ(products.Item(0).Verkauf.ValueAt(kToday), 3.46);
    EXPECT_EQ(products.Item(0).Gruppe.ValueAt(kToday), 2);
}

TEST_F(ProductDialogTest, NameLongerThanTheFieldIsKeptWholeWhenItsRowChanges)
{
    // 52 characters; the file holds it, the name field takes 40 when typed.
    const std::string stored = "Schwarzw\xe4lder Kirschtorte nach Art des Hauses, St\xfc"
                               "ck";
    AddProduct(5, stored, 1, kToday);
    Open(0);
    SelectRow(*List(Kind::Name), 0);
    // Only the date of the name changes.
    dialogs.Next([](QDialog& dialog) {
        auto& detail = dynamic_cast<DatedValueDialog&>(dialog);
        EXPECT_EQ(Value(detail).Text(), QStringLiteral("Schwarzwälder Kirschtorte nach Art des Hauses, Stück"));
        TheDay(detail).setSelectedDate(ui::DateOfDay(kToday - 1));
        Click(bOK(detail));
    });
    Click(Button(Kind::Name, "Edit"));
    Type(ProdID(*editor), QStringLiteral("8"));
    Click(bOK(*editor));
    const model::tProduct& product = products.Item(0);
    EXPECT_EQ(product.ID, 8);
    ASSERT_EQ(product.Name.Count(), 1);
    EXPECT_EQ(product.Name.Item(0).Date, kToday - 1);
    EXPECT_EQ(product.Name.Item(0).Text, stored);
}

TEST_F(ProductDialogTest, NewRowDialogsGetTheirLabelsAndProposals)
{
    struct Case {
        Kind kind;
        QString title;
        QString label;
        QString placeholder;
        QString proposal;
        int maxLength;
    };
    const Case cases[] = {
        {Kind::Name, QStringLiteral("Name"), QStringLiteral("Name:"), QStringLiteral("Name eingeben"), QString(), 40},
        {Kind::Einkauf, QStringLiteral("Einkaufspreis (netto)"), QStringLiteral("Einkaufspreis:"),
         QStringLiteral("Preis eingeben"), QStringLiteral("0"), 40},
        {Kind::Verkauf, QStringLiteral("Verkaufspreis (brutto)"), QStringLiteral("Verkaufspreis:"),
         QStringLiteral("Preis eingeben"), QStringLiteral("0"), 40},
        {Kind::Steuer, QStringLiteral("Steuer (%)"), QStringLiteral("Steuer:"), QStringLiteral("Steuer eingeben"),
         QStringLiteral("10"), 40},
    };
    Open();
    for (const Case& c : cases) {
        dialogs.Next([&](QDialog& dialog) {
            auto& detail = dynamic_cast<DatedValueDialog&>(dialog);
            EXPECT_EQ(detail.windowTitle(), c.title);
            EXPECT_EQ(Value(detail).LabelText(), c.label);
            EXPECT_EQ(Value(detail).PlaceholderText(), c.placeholder);
            EXPECT_EQ(Value(detail).Text(), c.proposal);
            EXPECT_EQ(Value(detail).MaxLength(), c.maxLength);
            EXPECT_EQ(detail.Day(), kFirstOfMonth);
            Click(bCancel(detail));
        });
        Click(Button(c.kind, "New"));
        EXPECT_EQ(List(c.kind)->topLevelItemCount(), 0);
    }
}

TEST_F(ProductDialogTest, GroupThatNoLongerExistsIsReportedAndDropped)
{
    AddProduct(5, "Kaffee", 4); // group 4 was renumbered or deleted
    products.Item(0).Gruppe.AddValue(kToday, 9);
    Open(0);
    EXPECT_EQ(prompts.warnings, (QStringList{QStringLiteral("Gruppe nicht mehr vorhanden!"),
                                             QStringLiteral("Gruppe nicht mehr vorhanden!")}));
    EXPECT_EQ(List(Kind::Gruppe)->topLevelItemCount(), 0);
    EXPECT_FALSE(bOK(*editor).isEnabled());
    AddGroupRow(kToday - 10, 1);
    EXPECT_TRUE(bOK(*editor).isEnabled());
    Click(bOK(*editor));
    const model::tTimeintegerList& saved = products.Item(0).Gruppe;
    ASSERT_EQ(saved.Count(), 1);
    EXPECT_EQ(saved.Item(0).Value, 1);
}

TEST_F(ProductDialogTest, WithoutGroupsNoGroupRowCanBeAdded)
{
    groups.Clear();
    Open();
    EXPECT_FALSE(Button(Kind::Gruppe, "New").isEnabled());
    editor->RowNewClick(Kind::Gruppe);
    EXPECT_EQ(prompts.warnings, QStringList{QStringLiteral("Noch keine Gruppen definiert!")});
}

TEST_F(ProductDialogTest, UsedDateOfTheListIsRefusedInItsDialog)
{
    AddProduct(5, "Kaffee", 1, kFirstOfMonth);
    Open(0);
    dialogs.Next([](QDialog& dialog) {
        auto& detail = dynamic_cast<DatedValueDialog&>(dialog);
        EXPECT_FALSE(ErrText(detail).isHidden());
        EXPECT_FALSE(bOK(detail).isEnabled());
        Click(bCancel(detail));
    });
    Click(Button(Kind::Name, "New"));
}

TEST_F(ProductDialogTest, CancelWritesNothing)
{
    AddProduct(5, "Kaffee", 1);
    Open(0);
    Type(ProdID(*editor), QStringLiteral("6"));
    SelectRow(*List(Kind::Name), 0);
    Click(Button(Kind::Name, "Del"));
    Click(bCancel(*editor));
    EXPECT_EQ(editor->result(), QDialog::Rejected);
    EXPECT_EQ(products.Item(0).ID, 5);
    EXPECT_EQ(products.Item(0).Name.Count(), 1);
}

} // namespace
} // namespace kontaro::test
