// The pages "Produkte" and "Gruppen": rows drawn from the collections, the
// buttons' rules, the usage checks before deletion, the ID change of a product.
#include "controls/labeled_edit.h"
#include "ui/catalogue/catalogue_components.h"
#include "ui/catalogue/catalogue_fixture.h"
#include "ui/group_dialog.h"
#include "ui/groups_list_page.h"
#include "ui/product_dialog.h"
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

QStringList Entries(const model::tDays& days)
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

    QTableView& List() { return Child<QTableView>(*page, "ListProducts"); }
    QPushButton& Button(const char* name) { return Child<QPushButton>(*page, name); }
    void Select(int row) { List().selectRow(row); }

    std::unique_ptr<ui::ProductsPage> page;
};

TEST_F(ProductsPageTest, RowsShowTheIDAndTodaysName)
{
    auto product = std::make_unique<model::tProduct>();
    product->ID = 9;
    product->Name.AddValue(kToday - 10, "Alt");
    product->Name.AddValue(kToday + 1, "Morgen");
    ASSERT_GE(products.AddProduct(product), 0);
    auto nameless = std::make_unique<model::tProduct>();
    nameless->ID = 4;
    ASSERT_GE(products.AddProduct(nameless), 0);
    Open();
    EXPECT_EQ(ListRows(List()),
              (QStringList{QStringLiteral("3|Kaffee"), QStringLiteral("4|???"), QStringLiteral("5|Kuchen"),
                           QStringLiteral("6|Tee"), QStringLiteral("9|Alt")}));
    const QAbstractItemModel& model = *List().model();
    EXPECT_EQ(model.headerData(0, Qt::Horizontal).toString(), QStringLiteral("Produkt ID"));
    EXPECT_EQ(model.headerData(1, Qt::Horizontal).toString(), QStringLiteral("Aktueller Name"));
    // The ID column is wide enough for its caption.
    const QHeaderView& header = *List().horizontalHeader();
    EXPECT_GE(List().columnWidth(0), header.fontMetrics().horizontalAdvance(QStringLiteral("Produkt ID")));
}

TEST_F(ProductsPageTest, ButtonsFollowTheSelection)
{
    Open();
    EXPECT_TRUE(Button("bAddProd").isEnabled());
    EXPECT_FALSE(Button("bEditProd").isEnabled());
    EXPECT_FALSE(Button("bDelProd").isEnabled());
    EXPECT_TRUE(Button("bExportProd").isEnabled());
    EXPECT_EQ(Button("bExportProd").text(), QStringLiteral("&Export Übersicht"));
    Select(1);
    EXPECT_TRUE(Button("bEditProd").isEnabled());
    EXPECT_TRUE(Button("bDelProd").isEnabled());
    List().clearSelection();
    EXPECT_FALSE(Button("bEditProd").isEnabled());
    products.Clear();
    page->Reset();
    EXPECT_FALSE(Button("bExportProd").isEnabled());
    EXPECT_EQ(List().model()->rowCount(), 0);
}

TEST_F(ProductsPageTest, IDChangeIsCarriedIntoEveryDay)
{
    AddDay(kToday - 2, {{3, 1.0}, {5, 2.0}, {6, 3.0}});
    AddDay(kToday - 1, {{6, 1.0}});
    AddDay(kToday, {{5, 4.0}});
    Open();
    Select(1);
    dialogs.Next([](QDialog& dialog) {
        auto& editor = dynamic_cast<ui::ProductDialog&>(dialog);
        Type(ProdID(editor), QStringLiteral("7"));
        Click(bOK(editor));
    });
    Click(Button("bEditProd"));
    EXPECT_EQ(Entries(days), (QStringList{QStringLiteral("3,6,7"), QStringLiteral("6"), QStringLiteral("7")}));
    EXPECT_EQ(days.Item(0).Entry(2).Value, 2.0);
    EXPECT_EQ(ListRows(List()),
              (QStringList{QStringLiteral("3|Kaffee"), QStringLiteral("6|Tee"), QStringLiteral("7|Kuchen")}));
    // The changed product stays selected at its new place.
    EXPECT_TRUE(List().selectionModel()->isRowSelected(2, {}));
    EXPECT_TRUE(Button("bEditProd").isEnabled());
}

TEST_F(ProductsPageTest, NewProductAppearsInTheList)
{
    Open();
    dialogs.Next([](QDialog& dialog) {
        auto& editor = dynamic_cast<ui::ProductDialog&>(dialog);
        EXPECT_EQ(editor.ProductIndex, ui::ProductDialog::kNewProduct);
        Click(bCancel(editor));
    });
    Click(Button("bAddProd"));
    EXPECT_EQ(products.Count(), 3);
    EXPECT_EQ(List().model()->rowCount(), 3);
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
        {1,
         ui::Answer::Yes,
         {QStringLiteral("Das Produkt wird bereits verwendet und kann daher nicht gelöscht werden!")},
         3},
        {2, ui::Answer::Yes, {}, 2},
    };
    for (const Case& c : cases) {
        prompts.warnings.clear();
        prompts.questions.clear();
        Select(c.row);
        prompts.AnswerNext(c.answer);
        Click(Button("bDelProd"));
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
    Click(Button("bDelProd"));
    EXPECT_EQ(products.Count(), 0);
    EXPECT_EQ(List().model()->rowCount(), 0);
    EXPECT_FALSE(Button("bEditProd").isEnabled());
    EXPECT_FALSE(Button("bDelProd").isEnabled());
    EXPECT_FALSE(Button("bExportProd").isEnabled());
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

    QTableView& List() { return Child<QTableView>(*page, "ListGroups"); }
    QPushButton& Button(const char* name) { return Child<QPushButton>(*page, name); }

    std::unique_ptr<ui::GroupsPage> page;
};

TEST_F(GroupsPageTest, NewGroupIsAddedInIDOrder)
{
    Open();
    EXPECT_EQ(ListRows(List()),
              (QStringList{QStringLiteral("1|Getränke"), QStringLiteral("2|Speisen"), QStringLiteral("4|Eis")}));
    EXPECT_FALSE(Button("bEditGroup").isEnabled());
    dialogs.Next([](QDialog& dialog) {
        auto& editor = dynamic_cast<ui::GroupDialog&>(dialog);
        EXPECT_EQ(editor.OldID, -1);
        EXPECT_EQ(editor.IDList, (std::vector<int32_t>{1, 2, 4}));
        Type(eID(editor), QStringLiteral("3"));
        Leave(eID(editor));
        Type(eName(editor), QStringLiteral(" Kuchen "));
        Click(bOK(editor));
    });
    Click(Button("bNewGroup"));
    EXPECT_EQ(ListRows(List()), (QStringList{QStringLiteral("1|Getränke"), QStringLiteral("2|Speisen"),
                                             QStringLiteral("3|Kuchen"), QStringLiteral("4|Eis")}));
}

TEST_F(GroupsPageTest, RenumberedGroupLeavesTheProductsReferences)
{
    Open();
    List().selectRow(0);
    dialogs.Next([](QDialog& dialog) {
        auto& editor = dynamic_cast<ui::GroupDialog&>(dialog);
        EXPECT_EQ(editor.OldID, 1);
        EXPECT_EQ(eID(editor).Text(), QStringLiteral("1"));
        EXPECT_EQ(eName(editor).Text(), QStringLiteral("Getränke"));
        Type(eID(editor), QStringLiteral("9"));
        Leave(eID(editor));
        Click(bOK(editor));
    });
    Click(Button("bEditGroup"));
    EXPECT_EQ(ListRows(List()),
              (QStringList{QStringLiteral("2|Speisen"), QStringLiteral("4|Eis"), QStringLiteral("9|Getränke")}));
    EXPECT_EQ(products.Item(0).Gruppe.ValueAt(kToday), 1);
    EXPECT_EQ(groups.IndexOfID(1), -1);
}

TEST_F(GroupsPageTest, NameLongerThanTheFieldIsKeptWholeWhenOnlyTheIDChanges)
{
    // 53 characters; the file holds it, the name field takes 40 when typed.
    const std::string stored = "Hei\xdfgetr\xe4nke aus fairem Handel und biologischem Anbau";
    AddGroup(6, stored);
    Open();
    List().selectRow(3);
    dialogs.Next([](QDialog& dialog) {
        auto& editor = dynamic_cast<ui::GroupDialog&>(dialog);
        EXPECT_EQ(eName(editor).Text(), QStringLiteral("Heißgetränke aus fairem Handel und biologischem Anbau"));
        Type(eID(editor), QStringLiteral("7"));
        Leave(eID(editor));
        Click(bOK(editor));
    });
    Click(Button("bEditGroup"));
    ASSERT_GE(groups.IndexOfID(7), 0);
    EXPECT_EQ(groups.Item(groups.IndexOfID(7)).Name, stored);
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
        List().selectRow(c.row);
        if (c.answer)
            prompts.AnswerNext(*c.answer);
        Click(Button("bDelGroup"));
        EXPECT_EQ(prompts.warnings, c.warnings) << c.row;
        EXPECT_EQ(prompts.questions.size(), c.answer ? 1 : 0) << c.row;
        EXPECT_EQ(groups.Count(), c.countAfter) << c.row;
    }
    EXPECT_EQ(prompts.questions, QStringList{QStringLiteral("Wollen Sie diese Gruppe wirklich löschen?")});
    EXPECT_EQ(groups.IndexOfID(4), -1);
    EXPECT_FALSE(Button("bDelGroup").isEnabled());
}

} // namespace
} // namespace kontaro::test
