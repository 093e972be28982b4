// The product editor: start states, the ID checks, the flags, the dated rows
// through their dialogs, and what OK writes.
#include "catalogue_fixture.h"

#include "controls/labeled_edit.h"
#include "ui/day_dates.h"
#include "ui/detail_page.h"
#include "ui/group_detail.h"
#include "ui/product_page.h"

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

using Kind = ui::TProduktPage::ListKind;
using ui::TDetailPage;
using ui::TGroupDetail;
using ui::TProduktPage;

const char* ButtonPrefix(Kind kind)
{
    switch (kind) {
    case Kind::Name: return "Name";
    case Kind::Einkauf: return "Einkauf";
    case Kind::Verkauf: return "Verkauf";
    case Kind::Steuer: return "Steuer";
    case Kind::Gruppe: return "Gruppe";
    }
    return "";
}

class ProductPageTest : public CatalogueTest {
protected:
    ProductPageTest()
    {
        AddGroup(1, "Getr\xe4nke");
        AddGroup(2, "Speisen");
    }

    // Opens the editor for the product at `index`, or for a new one.
    TProduktPage& Open(int32_t index = TProduktPage::kNewProduct)
    {
        page = std::make_unique<TProduktPage>(nullptr, products, groups, &days);
        page->ProductIndex = index;
        page->show();
        Activate(*page);
        return *page;
    }

    QPushButton& Button(Kind kind, const char* action)
    {
        return Child<QPushButton>(*page, (std::string(ButtonPrefix(kind)) + action).c_str());
    }

    // "Neu" of a value list, answered with this date and typed value.
    void AddRow(Kind kind, DayNumber day, const QString& value)
    {
        dialogs.Next([=](QDialog& dialog) {
            auto& detail = dynamic_cast<TDetailPage&>(dialog);
            detail.TheDay->setSelectedDate(ui::DateOfDay(day));
            Type(*detail.Value, value);
            Click(*detail.bOK);
        });
        Click(Button(kind, "New"));
    }

    // "Neu" of the group list, answered with this date and group.
    void AddGroupRow(DayNumber day, int32_t group)
    {
        dialogs.Next([=](QDialog& dialog) {
            auto& detail = dynamic_cast<TGroupDetail&>(dialog);
            detail.TheDay->setSelectedDate(ui::DateOfDay(day));
            detail.comGroup->setCurrentIndex(detail.comGroup->findData(group));
            Click(*detail.bOK);
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

    std::unique_ptr<TProduktPage> page;
};

TEST_F(ProductPageTest, NewProductStartState)
{
    Open();
    EXPECT_EQ(page->windowTitle(), QStringLiteral("Produkt"));
    EXPECT_EQ(page->ProdID->Text(), QStringLiteral("0"));
    EXPECT_EQ(page->ProdID->Edit()->cursorPosition(), 0);
    EXPECT_FALSE(page->ProdErr->isHidden());
    EXPECT_EQ(page->ProdErr->text(), QStringLiteral("Gültige Produkt ID eingeben!"));
    EXPECT_FALSE(page->bOK->isEnabled());
    EXPECT_FALSE(page->cVerkaufSpec->isChecked());
    EXPECT_FALSE(page->cEinkaufSpec->isChecked());
    EXPECT_FALSE(page->cEinkaufSpec->isEnabled());
    EXPECT_EQ(page->Box(Kind::Einkauf)->title(), QStringLiteral(" Einkaufspreis (netto) "));
    EXPECT_TRUE(Button(Kind::Gruppe, "New").isEnabled());
    EXPECT_FALSE(Button(Kind::Gruppe, "Edit").isEnabled());
    EXPECT_FALSE(Button(Kind::Gruppe, "Del").isEnabled());
    EXPECT_FALSE(Button(Kind::Name, "Edit").isEnabled());
    EXPECT_EQ(page->OldID, TProduktPage::kNewProduct);
}

TEST_F(ProductPageTest, OKOnlyAfterAValidIDAndAllRequiredLists)
{
    AddProduct(7, "Tee", 1);
    Open();
    FillRequiredLists();
    EXPECT_FALSE(page->bOK->isEnabled()); // the ID is still 0
    Type(*page->ProdID, QStringLiteral("7"));
    EXPECT_EQ(page->ProdErr->text(), QStringLiteral("Diese Produkt ID gibt es schon!"));
    EXPECT_FALSE(page->bOK->isEnabled());
    Type(*page->ProdID, QStringLiteral("5"));
    EXPECT_TRUE(page->ProdErr->isHidden());
    EXPECT_TRUE(page->bOK->isEnabled());
    // Each required list, when emptied, disables OK again.
    for (Kind kind : {Kind::Name, Kind::Einkauf, Kind::Verkauf, Kind::Steuer, Kind::Gruppe}) {
        QTreeWidget* list = page->List(kind);
        SelectRow(*list, 0);
        QTreeWidgetItem* row = list->takeTopLevelItem(0);
        page->UpdateOK();
        EXPECT_FALSE(page->bOK->isEnabled()) << ButtonPrefix(kind);
        list->addTopLevelItem(row);
        page->UpdateOK();
    }
    ASSERT_TRUE(page->bOK->isEnabled());
    Click(*page->bOK);
    EXPECT_EQ(page->result(), QDialog::Accepted);

    ASSERT_EQ(products.Count(), 2);
    EXPECT_EQ(page->ProductIndex, 0);
    const tProduct& product = products.Item(0);
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

TEST_F(ProductPageTest, IDChecksOfAnExistingProduct)
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
    EXPECT_EQ(page->OldID, 5);
    EXPECT_TRUE(page->bOK->isEnabled());
    for (const Case& c : cases) {
        Type(*page->ProdID, c.typed);
        EXPECT_EQ(page->ProdErr->isHidden(), c.error.isEmpty()) << c.typed.toStdString();
        if (!c.error.isEmpty()) {
            EXPECT_EQ(page->ProdErr->text(), c.error);
        }
        EXPECT_EQ(page->bOK->isEnabled(), c.error.isEmpty()) << c.typed.toStdString();
    }
    EXPECT_EQ(page->ProdID->Edit()->maxLength(), 6);
}

TEST_F(ProductPageTest, SelectingRowsDoesNotEnableOKWhileTheIDIsWrong)
{
    AddProduct(5, "Kaffee", 1);
    Open(0);
    Type(*page->ProdID, QString());
    ASSERT_FALSE(page->bOK->isEnabled());
    SelectRow(*page->List(Kind::Name), 0);
    SelectRow(*page->List(Kind::Steuer), 0);
    EXPECT_TRUE(Button(Kind::Name, "Edit").isEnabled());
    EXPECT_TRUE(Button(Kind::Name, "Del").isEnabled());
    EXPECT_FALSE(page->bOK->isEnabled());
}

TEST_F(ProductPageTest, IDOfOrphanedDayEntriesCannotBeTakenByAChange)
{
    AddProduct(5, "Kaffee", 1);
    AddDay(kToday, {{5, 2.0}, {9, 1.0}}); // product 9 is gone from the catalogue
    Open(0);
    Type(*page->ProdID, QStringLiteral("9"));
    EXPECT_EQ(page->ProdErr->text(), QStringLiteral("Diese Produkt ID gibt es schon!"));
    EXPECT_FALSE(page->bOK->isEnabled());
}

TEST_F(ProductPageTest, SalesFlagCouplesWithThePercentageFlag)
{
    Open();
    QGroupBox* sales = page->Box(Kind::Verkauf);
    page->cVerkaufSpec->click();
    EXPECT_FALSE(sales->isEnabled());
    EXPECT_FALSE(page->List(Kind::Verkauf)->isEnabled());
    EXPECT_FALSE(Button(Kind::Verkauf, "New").isEnabled());
    EXPECT_TRUE(page->cEinkaufSpec->isEnabled());
    page->cEinkaufSpec->click();
    EXPECT_EQ(page->Box(Kind::Einkauf)->title(), QStringLiteral(" Einkaufspreis (% von Verkaufspreis) "));

    // The purchase dialog asks for a percentage now.
    dialogs.Next([](QDialog& dialog) {
        auto& detail = dynamic_cast<TDetailPage&>(dialog);
        EXPECT_EQ(detail.windowTitle(), QStringLiteral("Einkaufspreis (% von Verkaufspreis)"));
        EXPECT_EQ(detail.Value->LabelText(), QStringLiteral("Einkaufsprozentsatz:"));
        EXPECT_EQ(detail.Value->PlaceholderText(), QStringLiteral("Prozentsatz eingeben"));
        EXPECT_EQ(detail.Value->Text(), QStringLiteral("0"));
        detail.reject();
    });
    Click(Button(Kind::Einkauf, "New"));

    page->cVerkaufSpec->click();
    EXPECT_TRUE(sales->isEnabled());
    EXPECT_FALSE(page->cEinkaufSpec->isChecked());
    EXPECT_FALSE(page->cEinkaufSpec->isEnabled());
    EXPECT_EQ(page->Box(Kind::Einkauf)->title(), QStringLiteral(" Einkaufspreis (netto) "));
}

TEST_F(ProductPageTest, VariableSalesPriceNeedsNoSalesRowAndKeepsItsRows)
{
    Open();
    FillRequiredLists();
    Type(*page->ProdID, QStringLiteral("3"));
    SelectRow(*page->List(Kind::Verkauf), 0);
    Click(Button(Kind::Verkauf, "Del"));
    EXPECT_FALSE(page->bOK->isEnabled());
    page->cVerkaufSpec->click();
    EXPECT_TRUE(page->bOK->isEnabled());
    page->cEinkaufSpec->click();
    Click(*page->bOK);
    const tProduct& product = products.Item(0);
    EXPECT_TRUE(product.VerkaufVariabel);
    EXPECT_TRUE(product.EinkaufProzent);
    EXPECT_EQ(product.Verkauf.Count(), 0);
}

TEST_F(ProductPageTest, StoredPercentageWithoutVariablePriceOpensAndSavesUnchecked)
{
    AddProduct(5, "Kaffee", 1);
    products.Item(0).EinkaufProzent = true;
    Open(0);
    EXPECT_FALSE(page->cEinkaufSpec->isChecked());
    EXPECT_FALSE(page->cVerkaufSpec->isChecked());
    EXPECT_FALSE(page->cEinkaufSpec->isEnabled());
    EXPECT_EQ(page->Box(Kind::Einkauf)->title(), QStringLiteral(" Einkaufspreis (netto) "));
    Click(*page->bOK);
    EXPECT_FALSE(products.Item(0).EinkaufProzent);
    EXPECT_FALSE(products.Item(0).VerkaufVariabel);
}

TEST_F(ProductPageTest, ExistingProductShowsItsListsAndFlags)
{
    auto product = std::make_unique<tProduct>();
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
    EXPECT_EQ(Rows(*page->List(Kind::Name)), (QStringList{QStringLiteral("04-02-09|Alt"), QStringLiteral("05-03-15|Neu")}));
    EXPECT_EQ(Rows(*page->List(Kind::Einkauf)), QStringList{QStringLiteral("99-12-30|35,5")});
    EXPECT_EQ(Rows(*page->List(Kind::Steuer)),
              (QStringList{QStringLiteral("99-12-30|19"), QStringLiteral("05-03-15|0,3")}));
    // Loaded group rows show the name only.
    EXPECT_EQ(Rows(*page->List(Kind::Gruppe)), QStringList{QStringLiteral("99-12-30|Speisen")});
    EXPECT_TRUE(page->cVerkaufSpec->isChecked());
    EXPECT_TRUE(page->cEinkaufSpec->isChecked());
    EXPECT_TRUE(page->bOK->isEnabled());
    EXPECT_EQ(page->ProdID->Text(), QStringLiteral("4"));

    // Unchanged rows are written back exactly, dates of another century included.
    Click(*page->bOK);
    const tProduct& saved = products.Item(0);
    EXPECT_EQ(saved.Steuer.ValueAt(kToday), 0.1 + 0.2);
    EXPECT_EQ(saved.Einkauf.Item(0).Date, 0);
    EXPECT_EQ(saved.Name.Item(0).Date, kToday - 400);
}

TEST_F(ProductPageTest, RowsAddedInAnyOrderEndUpSortedByDate)
{
    Open();
    for (DayNumber day : {kToday, kToday - 40, kToday + 100, kToday - 1})
        AddRow(Kind::Steuer, day, QString::number(day - kToday + 50));
    EXPECT_EQ(Rows(*page->List(Kind::Steuer)),
              (QStringList{QStringLiteral("05-02-03|10,00"), QStringLiteral("05-03-14|49,00"),
                           QStringLiteral("05-03-15|50,00"), QStringLiteral("05-06-23|150,00")}));
    AddRow(Kind::Name, kToday, QStringLiteral("Kaffee"));
    AddRow(Kind::Einkauf, kToday, QStringLiteral("1"));
    AddRow(Kind::Verkauf, kToday, QStringLiteral("2"));
    AddGroupRow(kToday + 5, 1);
    AddGroupRow(kToday - 5, 2);
    EXPECT_EQ(Rows(*page->List(Kind::Gruppe)),
              (QStringList{QStringLiteral("05-03-10|2: Speisen"), QStringLiteral("05-03-20|1: Getränke")}));
    Type(*page->ProdID, QStringLiteral("1"));
    Click(*page->bOK);
    const tProduct& product = products.Item(0);
    ASSERT_EQ(product.Steuer.Count(), 4);
    EXPECT_EQ(product.Steuer.Item(0).Date, kToday - 40);
    EXPECT_EQ(product.Steuer.Item(3).Date, kToday + 100);
    EXPECT_EQ(product.Gruppe.ValueAt(kToday), 2);
    EXPECT_EQ(product.Gruppe.ValueAt(kToday + 5), 1);
}

TEST_F(ProductPageTest, ChangeOfARowKeepsItsDateAndTakesTheNewValue)
{
    AddProduct(5, "Kaffee", 1, kToday);
    Open(0);
    SelectRow(*page->List(Kind::Verkauf), 0);
    dialogs.Next([](QDialog& dialog) {
        auto& detail = dynamic_cast<TDetailPage&>(dialog);
        EXPECT_EQ(detail.Day(), kToday);
        EXPECT_EQ(detail.Value->Text(), QStringLiteral("2,5"));
        EXPECT_EQ(detail.Value->LabelText(), QStringLiteral("Verkaufspreis:"));
        Type(*detail.Value, QStringLiteral("3,456"));
        Click(*detail.bOK);
    });
    Click(Button(Kind::Verkauf, "Edit"));
    EXPECT_EQ(Rows(*page->List(Kind::Verkauf)), QStringList{QStringLiteral("05-03-15|3,46")});

    // The group dialog preselects the row's group.
    SelectRow(*page->List(Kind::Gruppe), 0);
    dialogs.Next([](QDialog& dialog) {
        auto& detail = dynamic_cast<TGroupDetail&>(dialog);
        EXPECT_EQ(detail.GroupID(), 1);
        detail.comGroup->setCurrentIndex(1);
        Click(*detail.bOK);
    });
    Click(Button(Kind::Gruppe, "Edit"));
    EXPECT_EQ(Rows(*page->List(Kind::Gruppe)), QStringList{QStringLiteral("05-03-15|2: Speisen")});

    Click(*page->bOK);
    EXPECT_DOUBLE_EQ(products.Item(0).Verkauf.ValueAt(kToday), 3.46);
    EXPECT_EQ(products.Item(0).Gruppe.ValueAt(kToday), 2);
}

TEST_F(ProductPageTest, NewRowDialogsGetTheirLabelsAndProposals)
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
            auto& detail = dynamic_cast<TDetailPage&>(dialog);
            EXPECT_EQ(detail.windowTitle(), c.title);
            EXPECT_EQ(detail.Value->LabelText(), c.label);
            EXPECT_EQ(detail.Value->PlaceholderText(), c.placeholder);
            EXPECT_EQ(detail.Value->Text(), c.proposal);
            EXPECT_EQ(detail.Value->MaxLength(), c.maxLength);
            EXPECT_EQ(detail.Day(), kFirstOfMonth);
            Click(*detail.bCancel);
        });
        Click(Button(c.kind, "New"));
        EXPECT_EQ(page->List(c.kind)->topLevelItemCount(), 0);
    }
}

TEST_F(ProductPageTest, GroupThatNoLongerExistsIsReportedAndDropped)
{
    AddProduct(5, "Kaffee", 4); // group 4 was renumbered or deleted
    products.Item(0).Gruppe.AddValue(kToday, 9);
    Open(0);
    EXPECT_EQ(prompts.warnings,
              (QStringList{QStringLiteral("Gruppe nicht mehr vorhanden!"), QStringLiteral("Gruppe nicht mehr vorhanden!")}));
    EXPECT_EQ(page->List(Kind::Gruppe)->topLevelItemCount(), 0);
    EXPECT_FALSE(page->bOK->isEnabled());
    AddGroupRow(kToday - 10, 1);
    EXPECT_TRUE(page->bOK->isEnabled());
    Click(*page->bOK);
    const tTimeintegerList& saved = products.Item(0).Gruppe;
    ASSERT_EQ(saved.Count(), 1);
    EXPECT_EQ(saved.Item(0).Value, 1);
}

TEST_F(ProductPageTest, WithoutGroupsNoGroupRowCanBeAdded)
{
    groups.Clear();
    Open();
    EXPECT_FALSE(Button(Kind::Gruppe, "New").isEnabled());
    page->RowNewClick(Kind::Gruppe);
    EXPECT_EQ(prompts.warnings, QStringList{QStringLiteral("Noch keine Gruppen definiert!")});
}

TEST_F(ProductPageTest, UsedDateOfTheListIsRefusedInItsDialog)
{
    AddProduct(5, "Kaffee", 1, kFirstOfMonth);
    Open(0);
    dialogs.Next([](QDialog& dialog) {
        auto& detail = dynamic_cast<TDetailPage&>(dialog);
        EXPECT_FALSE(detail.ErrText->isHidden());
        EXPECT_FALSE(detail.bOK->isEnabled());
        Click(*detail.bCancel);
    });
    Click(Button(Kind::Name, "New"));
}

TEST_F(ProductPageTest, CancelWritesNothing)
{
    AddProduct(5, "Kaffee", 1);
    Open(0);
    Type(*page->ProdID, QStringLiteral("6"));
    SelectRow(*page->List(Kind::Name), 0);
    Click(Button(Kind::Name, "Del"));
    Click(*page->bCancel);
    EXPECT_EQ(page->result(), QDialog::Rejected);
    EXPECT_EQ(products.Item(0).ID, 5);
    EXPECT_EQ(products.Item(0).Name.Count(), 1);
}

} // namespace
} // namespace kontaro::test
