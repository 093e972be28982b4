// The pages "Produkte" and "Gruppen": rows drawn from the collections, the
// buttons' rules, the usage checks before deletion, the ID change of a product.
#include "catalogue_fixture.h"

#include "controls/labeled_edit.h"
#include "ui/groups_list_page.h"
#include "ui/new_group.h"
#include "ui/product_page.h"
#include "ui/products_list_page.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTableView>

namespace kontaro::test {
namespace {

QStringList ListRows(const QTableView& list)
{
    QStringList rows;
    const QAbstractItemModel& model = *list.model();
    for (int r = 0; r < model.rowCount(); ++r)
        rows << model.index(r, 0).data().toString() + QLatin1Char('|') + model.index(r, 1).data().toString();
    return rows;
}

QStringList Entries(const tDays& days)
{
    QStringList result;
    for (int d = 0; d < days.Count(); ++d) {
        QStringList ids;
        for (int e = 0; e < days.Item(d).Count(); ++e)
            ids << QString::number(days.Item(d).Entry(e).ProductID);
        result << ids.join(QLatin1Char(','));
    }
    return result;
}

class ProductsPageTest : public CatalogueTest {
protected:
    ProductsPageTest()
    {
        AddGroup(1, "Getr\xe4nke");
        AddProduct(3, "Kaffee", 1);
        AddProduct(5, "Kuchen", 1);
        AddProduct(6, "Tee", 1);
    }

    ui::ProductsPage& Open()
    {
        page = std::make_unique<ui::ProductsPage>(products, groups, days);
        page->Reset();
        page->show();
        return *page;
    }

    void Select(int row) { page->ListProducts->selectRow(row); }

    std::unique_ptr<ui::ProductsPage> page;
};

TEST_F(ProductsPageTest, RowsShowTheIDAndTodaysName)
{
    auto product = std::make_unique<tProduct>();
    product->ID = 9;
    product->Name.AddValue(kToday - 10, "Alt");
    product->Name.AddValue(kToday + 1, "Morgen");
    ASSERT_GE(products.AddProduct(product), 0);
    auto nameless = std::make_unique<tProduct>();
    nameless->ID = 4;
    ASSERT_GE(products.AddProduct(nameless), 0);
    Open();
    EXPECT_EQ(ListRows(*page->ListProducts),
              (QStringList{QStringLiteral("3|Kaffee"), QStringLiteral("4|???"), QStringLiteral("5|Kuchen"),
                           QStringLiteral("6|Tee"), QStringLiteral("9|Alt")}));
    const QAbstractItemModel& model = *page->ListProducts->model();
    EXPECT_EQ(model.headerData(0, Qt::Horizontal).toString(), QStringLiteral("Produkt ID"));
    EXPECT_EQ(model.headerData(1, Qt::Horizontal).toString(), QStringLiteral("Aktueller Name"));
    EXPECT_GE(page->ListProducts->columnWidth(0), 70);
    EXPECT_EQ(page->ListProducts->columnWidth(1), 430);
}

TEST_F(ProductsPageTest, ButtonsFollowTheSelection)
{
    Open();
    EXPECT_TRUE(page->bAddProd->isEnabled());
    EXPECT_FALSE(page->bEditProd->isEnabled());
    EXPECT_FALSE(page->bDelProd->isEnabled());
    EXPECT_TRUE(page->bExportProd->isEnabled());
    EXPECT_EQ(page->bExportProd->text(), QStringLiteral("&Export Übersicht"));
    Select(1);
    EXPECT_TRUE(page->bEditProd->isEnabled());
    EXPECT_TRUE(page->bDelProd->isEnabled());
    page->ListProducts->clearSelection();
    EXPECT_FALSE(page->bEditProd->isEnabled());
    products.Clear();
    page->Reset();
    EXPECT_FALSE(page->bExportProd->isEnabled());
    EXPECT_EQ(page->ListProducts->model()->rowCount(), 0);
}

TEST_F(ProductsPageTest, IDChangeIsCarriedIntoEveryDay)
{
    AddDay(kToday - 2, {{3, 1.0}, {5, 2.0}, {6, 3.0}});
    AddDay(kToday - 1, {{6, 1.0}});
    AddDay(kToday, {{5, 4.0}});
    Open();
    Select(1);
    dialogs.Next([](QDialog& dialog) {
        auto& editor = dynamic_cast<ui::TProduktPage&>(dialog);
        Type(*editor.ProdID, QStringLiteral("7"));
        Click(*editor.bOK);
    });
    Click(*page->bEditProd);
    EXPECT_EQ(Entries(days), (QStringList{QStringLiteral("3,6,7"), QStringLiteral("6"), QStringLiteral("7")}));
    EXPECT_EQ(days.Item(0).Entry(2).Value, 2.0);
    EXPECT_EQ(ListRows(*page->ListProducts),
              (QStringList{QStringLiteral("3|Kaffee"), QStringLiteral("6|Tee"), QStringLiteral("7|Kuchen")}));
    // The changed product stays selected at its new place.
    EXPECT_TRUE(page->ListProducts->selectionModel()->isRowSelected(2, {}));
    EXPECT_TRUE(page->bEditProd->isEnabled());
}

TEST_F(ProductsPageTest, NewProductAppearsInTheList)
{
    Open();
    dialogs.Next([](QDialog& dialog) {
        auto& editor = dynamic_cast<ui::TProduktPage&>(dialog);
        EXPECT_EQ(editor.ProductIndex, ui::TProduktPage::kNewProduct);
        Click(*editor.bCancel);
    });
    Click(*page->bAddProd);
    EXPECT_EQ(products.Count(), 3);
    EXPECT_EQ(page->ListProducts->model()->rowCount(), 3);
}

TEST_F(ProductsPageTest, DeletionAsksThenChecksTheDays)
{
    AddDay(kToday - 300, {{5, 1.0}});
    Open();
    struct Case {
        int row;
        ui::Answer answer;
        QStringList warnings;
        int countAfter;
    };
    const Case cases[] = {
        {1, ui::Answer::No, {}, 3},
        {1, ui::Answer::Yes, {QStringLiteral("Das Produkt wird bereits verwendet und kann daher nicht gelöscht werden!")}, 3},
        {2, ui::Answer::Yes, {}, 2},
    };
    for (const Case& c : cases) {
        prompts.warnings.clear();
        prompts.questions.clear();
        Select(c.row);
        prompts.AnswerNext(c.answer);
        Click(*page->bDelProd);
        EXPECT_EQ(prompts.questions, QStringList{QStringLiteral("Wollen Sie dieses Produkt wirklich löschen?")});
        EXPECT_EQ(prompts.warnings, c.warnings);
        EXPECT_EQ(products.Count(), c.countAfter);
    }
    EXPECT_EQ(products.IndexOfID(6), -1);
}

TEST_F(ProductsPageTest, DeletingTheLastProductEmptiesTheList)
{
    products.Delete(0);
    products.Delete(0);
    Open();
    Select(0);
    prompts.AnswerNext(ui::Answer::Yes);
    Click(*page->bDelProd);
    EXPECT_EQ(products.Count(), 0);
    EXPECT_EQ(page->ListProducts->model()->rowCount(), 0);
    EXPECT_FALSE(page->bEditProd->isEnabled());
    EXPECT_FALSE(page->bDelProd->isEnabled());
    EXPECT_FALSE(page->bExportProd->isEnabled());
}

class GroupsPageTest : public CatalogueTest {
protected:
    GroupsPageTest()
    {
        AddGroup(1, "Getr\xe4nke");
        AddGroup(2, "Speisen");
        AddGroup(4, "Eis");
        // Product 3 used group 2 in the past and uses group 1 now.
        AddProduct(3, "Kaffee", 2, 0);
        products.Item(0).Gruppe.AddValue(kToday - 5, 1);
    }

    ui::GroupsPage& Open()
    {
        page = std::make_unique<ui::GroupsPage>(groups, products);
        page->Reset();
        page->show();
        return *page;
    }

    std::unique_ptr<ui::GroupsPage> page;
};

TEST_F(GroupsPageTest, NewGroupIsAddedInIDOrder)
{
    Open();
    EXPECT_EQ(ListRows(*page->ListGroups),
              (QStringList{QStringLiteral("1|Getränke"), QStringLiteral("2|Speisen"), QStringLiteral("4|Eis")}));
    EXPECT_FALSE(page->bEditGroup->isEnabled());
    dialogs.Next([](QDialog& dialog) {
        auto& editor = dynamic_cast<ui::TNewGroup&>(dialog);
        EXPECT_EQ(editor.OldID, -1);
        EXPECT_EQ(editor.IDList, (std::vector<int32_t>{1, 2, 4}));
        Type(*editor.eID, QStringLiteral("3"));
        Leave(*editor.eID);
        Type(*editor.eName, QStringLiteral(" Kuchen "));
        Click(*editor.bOK);
    });
    Click(*page->bNewGroup);
    EXPECT_EQ(ListRows(*page->ListGroups),
              (QStringList{QStringLiteral("1|Getränke"), QStringLiteral("2|Speisen"), QStringLiteral("3|Kuchen"),
                           QStringLiteral("4|Eis")}));
}

TEST_F(GroupsPageTest, RenumberedGroupLeavesTheProductsReferences)
{
    Open();
    page->ListGroups->selectRow(0);
    dialogs.Next([](QDialog& dialog) {
        auto& editor = dynamic_cast<ui::TNewGroup&>(dialog);
        EXPECT_EQ(editor.OldID, 1);
        EXPECT_EQ(editor.eID->Text(), QStringLiteral("1"));
        EXPECT_EQ(editor.eName->Text(), QStringLiteral("Getränke"));
        Type(*editor.eID, QStringLiteral("9"));
        Leave(*editor.eID);
        Click(*editor.bOK);
    });
    Click(*page->bEditGroup);
    EXPECT_EQ(ListRows(*page->ListGroups),
              (QStringList{QStringLiteral("2|Speisen"), QStringLiteral("4|Eis"), QStringLiteral("9|Getränke")}));
    EXPECT_EQ(products.Item(0).Gruppe.ValueAt(kToday), 1);
    EXPECT_EQ(groups.IndexOfID(1), -1);
}

TEST_F(GroupsPageTest, DeletionChecksEveryDatedGroupThenAsks)
{
    Open();
    struct Case {
        int row;
        std::optional<ui::Answer> answer; // none: no question expected
        QStringList warnings;
        int countAfter;
    };
    const Case cases[] = {
        {1, std::nullopt, {QStringLiteral("Diese Gruppe ist in Verwendung und kann daher nicht gelöscht werden!")}, 3},
        {0, std::nullopt, {QStringLiteral("Diese Gruppe ist in Verwendung und kann daher nicht gelöscht werden!")}, 3},
        {2, ui::Answer::No, {}, 3},
        {2, ui::Answer::Yes, {}, 2},
    };
    for (const Case& c : cases) {
        prompts.warnings.clear();
        prompts.questions.clear();
        page->ListGroups->selectRow(c.row);
        if (c.answer)
            prompts.AnswerNext(*c.answer);
        Click(*page->bDelGroup);
        EXPECT_EQ(prompts.warnings, c.warnings) << c.row;
        EXPECT_EQ(prompts.questions.size(), c.answer ? 1 : 0) << c.row;
        EXPECT_EQ(groups.Count(), c.countAfter) << c.row;
    }
    EXPECT_EQ(prompts.questions, QStringList{QStringLiteral("Wollen Sie diese Gruppe wirklich löschen?")});
    EXPECT_EQ(groups.IndexOfID(4), -1);
    EXPECT_FALSE(page->bDelGroup->isEnabled());
}

} // namespace
} // namespace kontaro::test
