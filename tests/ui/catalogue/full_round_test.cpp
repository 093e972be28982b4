// A whole round through the window: two groups and three products made in the
// dialogs, sales typed into the day view, saved, loaded again and compared.
#include "controls/labeled_edit.h"
#include "grid/grid_setups.h"
#include "model/project_file.h"
#include "support/temp_dir.h"
#include "ui/catalogue/catalogue_components.h"
#include "ui/catalogue/catalogue_fixture.h"
#include "ui/dated_group_dialog.h"
#include "ui/dated_value_dialog.h"
#include "ui/day_dates.h"
#include "ui/day_view.h"
#include "ui/group_dialog.h"
#include "ui/groups_list_page.h"
#include "ui/main_window.h"
#include "ui/product_dialog.h"
#include "ui/products_list_page.h"
#include "ui/window/day_view_driver.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include <sstream>

namespace kontaro::test {
namespace {

struct RowSpec {
    model::DayNumber day;
    QString value;
};

struct ProductInput {
    QString id;
    QString name;
    std::vector<RowSpec> purchase;
    std::vector<RowSpec> sales; // empty: variable sales price
    QString tax;
    int32_t group;
    bool percent = false;
};

// Everything a project holds, one line per element, for comparing two projects.
std::string Describe(const model::tGroups& groups, const model::tProducts& products, const model::tDays& days)
{
    std::ostringstream out;
    for (int g = 0; g < groups.Count(); ++g)
        out << "group " << groups.Item(g).ID << ' ' << groups.Item(g).Name << '\n';
    for (int p = 0; p < products.Count(); ++p) {
        const model::tProduct& product = products.Item(p);
        out << "product " << product.ID << " %" << product.EinkaufProzent << " var" << product.VerkaufVariabel;
        for (int i = 0; i < product.Name.Count(); ++i)
            out << " N" << product.Name.Item(i).Date << '=' << product.Name.Item(i).Text;
        for (int i = 0; i < product.Einkauf.Count(); ++i)
            out << " E" << product.Einkauf.Item(i).Date << '=' << product.Einkauf.Item(i).Value;
        for (int i = 0; i < product.Verkauf.Count(); ++i)
            out << " V" << product.Verkauf.Item(i).Date << '=' << product.Verkauf.Item(i).Value;
        for (int i = 0; i < product.Steuer.Count(); ++i)
            out << " S" << product.Steuer.Item(i).Date << '=' << product.Steuer.Item(i).Value;
        for (int i = 0; i < product.Gruppe.Count(); ++i)
            out << " G" << product.Gruppe.Item(i).Date << '=' << product.Gruppe.Item(i).Value;
        out << '\n';
    }
    for (int d = 0; d < days.Count(); ++d) {
        out << "day " << days.Item(d).Date;
        for (int e = 0; e < days.Item(d).Count(); ++e)
            out << ' ' << days.Item(d).Entry(e).ProductID << '=' << days.Item(d).Entry(e).Value;
        out << '\n';
    }
    return out.str();
}

class FullRoundTest : public CatalogueTest {
protected:
    void CreateGroup(ui::GroupsPage& page, const QString& id, const QString& name)
    {
        dialogs.Next([=](QDialog& dialog) {
            auto& editor = dynamic_cast<ui::GroupDialog&>(dialog);
            Type(eID(editor), id);
            Leave(eID(editor));
            Type(eName(editor), name);
            Click(bOK(editor));
        });
        Click(Child<QPushButton>(page, "bNewGroup"));
    }

    void AddRow(ui::ProductDialog& editor, const char* button, const RowSpec& row)
    {
        dialogs.Next([=](QDialog& dialog) {
            auto& detail = dynamic_cast<ui::DatedValueDialog&>(dialog);
            TheDay(detail).setSelectedDate(ui::DateOfDay(row.day));
            Type(Value(detail), row.value);
            Leave(Value(detail));
            Click(bOK(detail));
        });
        Click(Child<QPushButton>(editor, button));
    }

    void CreateProduct(ui::ProductsPage& page, const ProductInput& input)
    {
        dialogs.Next([=, this](QDialog& dialog) {
            auto& editor = dynamic_cast<ui::ProductDialog&>(dialog);
            Type(ProdID(editor), input.id);
            AddRow(editor, "NameNew", {kFirstOfMonth, input.name});
            if (input.sales.empty()) {
                cVerkaufSpec(editor).click();
                if (input.percent)
                    cEinkaufSpec(editor).click();
            }
            for (const RowSpec& row : input.purchase)
                AddRow(editor, "EinkaufNew", row);
            for (const RowSpec& row : input.sales)
                AddRow(editor, "VerkaufNew", row);
            AddRow(editor, "SteuerNew", {0, input.tax});
            dialogs.Next([=](QDialog& groupDialog) {
                auto& detail = dynamic_cast<ui::DatedGroupDialog&>(groupDialog);
                comGroup(detail).setCurrentIndex(comGroup(detail).findData(input.group));
                Click(bOK(detail));
            });
            Click(Child<QPushButton>(editor, "GruppeNew"));
            Click(bOK(editor));
        });
        Click(Child<QPushButton>(page, "bAddProd"));
    }
};

TEST_F(FullRoundTest, CatalogueAndSalesSurviveSaveAndLoad)
{
    TempDir temp;
    auto main = std::make_unique<ui::MainWindow>();
    main->show();
    main->NewProject();
    auto& groupsPage = *main->findChild<ui::GroupsPage*>();
    auto& productsPage = *main->findChild<ui::ProductsPage*>();
    const QAbstractItemModel& groupRows = *Child<QTableView>(groupsPage, "ListGroups").model();
    const QAbstractItemModel& productRows = *Child<QTableView>(productsPage, "ListProducts").model();

    main->ShowPage(ui::MainWindow::Page::Groups);
    CreateGroup(groupsPage, QStringLiteral("2"), QStringLiteral("Speisen"));
    CreateGroup(groupsPage, QStringLiteral("1"), QStringLiteral("Getränke"));
    EXPECT_EQ(groupRows.index(0, 1).data().toString(), QStringLiteral("Getränke"));

    main->ShowPage(ui::MainWindow::Page::Products);
    CreateProduct(productsPage, {QStringLiteral("10"),
                                 QStringLiteral("Milchkaffee"),
                                 {{0, QStringLiteral("0,8")}},
                                 {{0, QStringLiteral("2,5")}, {kToday, QStringLiteral("2,8")}},
                                 QStringLiteral("19"),
                                 1});
    CreateProduct(productsPage, {QStringLiteral("20"),
                                 QStringLiteral("Käsekuchen"),
                                 {{0, QStringLiteral("1,1")}},
                                 {{0, QStringLiteral("3,2")}},
                                 QStringLiteral("7"),
                                 2});
    CreateProduct(productsPage, {QStringLiteral("15"),
                                 QStringLiteral("Mittagsmenü"),
                                 {{0, QStringLiteral("40")}},
                                 {},
                                 QStringLiteral("7"),
                                 2,
                                 true});
    ASSERT_EQ(main->Products().Count(), 3);
    EXPECT_EQ(productRows.index(1, 0).data().toString(), QStringLiteral("15"));

    main->ShowPage(ui::MainWindow::Page::DayView);
    DayViewDriver day(Child<controls::ColumnGrid>(*main, "gDayView"), Child<ui::MonthCalendar>(*main, "CalDay"));
    day.ClickDate(ui::DateOfDay(kToday));
    day.TypeAt(columns::day::Produkt, 1, QStringLiteral("10"));
    day.TypeAt(columns::day::Menge, 1, QStringLiteral("4"));
    day.Key(Qt::Key_Insert);
    ASSERT_EQ(day.Grid().DataRowCount(), 2);
    day.TypeAt(columns::day::Produkt, 2, QStringLiteral("15"));
    day.TypeAt(columns::day::VerkaufB, 2, QStringLiteral("21,40"));
    day.ClickDate(ui::DateOfDay(kToday - 1));
    day.TypeAt(columns::day::Produkt, 1, QStringLiteral("20"));
    day.TypeAt(columns::day::Menge, 1, QStringLiteral("3"));
    EXPECT_EQ(day.Shown(columns::day::VerkaufB, 1), QStringLiteral("9,60"));

    const QString file = QString::fromStdString(temp.File("runde.kdt"));
    prompts.ChooseFile(file);
    ASSERT_TRUE(main->SaveProject());
    const std::string saved = Describe(main->Groups(), main->Products(), main->Days());
    EXPECT_NE(saved.find("day " + std::to_string(kToday) + " 10=4 15=21.4"), std::string::npos) << saved;
    EXPECT_NE(saved.find("day " + std::to_string(kToday - 1) + " 20=3"), std::string::npos) << saved;
    EXPECT_NE(saved.find("product 15 %1 var1"), std::string::npos) << saved;

    model::Project loaded;
    ASSERT_EQ(model::LoadProjectFile(file.toStdString(), loaded).status, model::LoadStatus::Ok);
    EXPECT_EQ(Describe(loaded.Groups, loaded.Products, loaded.Days), saved);

    // Loading it into the window again shows the same catalogue in the lists.
    prompts.AnswerNext(ui::Answer::Yes);
    prompts.ChooseFile(file);
    main->OpenProject();
    EXPECT_EQ(Describe(main->Groups(), main->Products(), main->Days()), saved);
    EXPECT_EQ(productRows.rowCount(), 3);
    EXPECT_EQ(productRows.index(2, 1).data().toString(), QStringLiteral("Käsekuchen"));
    EXPECT_EQ(groupRows.rowCount(), 2);
    EXPECT_TRUE(prompts.warnings.isEmpty()) << prompts.warnings.join(QLatin1Char('\n')).toStdString();
}

} // namespace
} // namespace kontaro::test
