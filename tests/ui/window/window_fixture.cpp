#include "window_fixture.h"

#include "controls/column_grid.h"
#include "model/globals.h"
#include "ui/date_controls.h"
#include "ui/day_view.h"
#include "ui/page_control.h"

#include <QTest>

namespace kontaro::test {

void AddProduct(tProducts& products, const ProductSpec& spec)
{
    auto product = std::make_unique<tProduct>();
    product->ID = spec.id;
    product->Name.AddValue(0, spec.name);
    product->Einkauf.AddValue(0, spec.cost);
    if (!spec.variable)
        product->Verkauf.AddValue(0, spec.price);
    product->Steuer.AddValue(0, spec.tax);
    product->Gruppe.AddValue(0, 1);
    product->EinkaufProzent = spec.costPercent;
    product->VerkaufVariabel = spec.variable;
    ASSERT_GE(products.AddProduct(product), 0);
}

void FillCatalogue(tGroups& groups, tProducts& products)
{
    auto group = std::make_unique<tGroup>();
    group->ID = 1;
    group->Name = "Getr\xe4nke";
    ASSERT_GE(groups.AddGroup(group), 0);
    AddProduct(products, {1, "Kaffee", 10.0, 5.0, 19.0});
    AddProduct(products, {2, "Kuchen", 2.5, 1.0, 7.0});
    AddProduct(products, {3, "Tagesessen", 0.0, 40.0, 19.0, true, true});
}

void AddDay(tDays& days, DayNumber date, std::initializer_list<tDayEntry> entries)
{
    auto day = std::make_unique<tDay>();
    day->Date = date;
    for (const tDayEntry& e : entries) {
        auto entry = std::make_unique<tDayEntry>(e);
        ASSERT_GE(day->AddEntry(entry), 0);
    }
    ASSERT_GE(days.AddDay(day), 0);
}

WindowTest::WindowTest(QLocale locale) : savedLocale_(QLocale())
{
    QLocale::setDefault(locale);
    SetTodayForTests([] { return kToday; });
}

WindowTest::~WindowTest()
{
    window_.reset();
    SetTodayForTests({});
    QLocale::setDefault(savedLocale_);
}

void WindowTest::Start(const QStringList& arguments)
{
    window_ = std::make_unique<ui::MainWindow>(arguments);
    window_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
}

void WindowTest::StartWithCatalogue()
{
    Start();
    Main().NewProject();
    FillCatalogue(Main().Groups(), Main().Products());
}

QString WindowTest::WriteProject(const Project& project, const std::string& name)
{
    const std::string path = temp.File(name);
    const SaveResult result = SaveProjectFile(path, project);
    EXPECT_TRUE(result.ok) << result.message;
    return QString::fromStdString(path);
}

template <class T>
T& WindowTest::Component(const char* kind, const char* name)
{
    auto* component = window_->findChild<T*>(QLatin1StringView(name));
    if (!component)
        throw std::runtime_error(std::string("no ") + kind + " " + name);
    return *component;
}

QAction& WindowTest::Action(const char* name)
{
    return Component<QAction>("action", name);
}

ui::DayView& WindowTest::DayPage()
{
    return Component<ui::DayView>("page", "tabDayView");
}

controls::ColumnGrid& WindowTest::DayGrid()
{
    return Component<controls::ColumnGrid>("grid", "gDayView");
}

ui::MonthCalendar& WindowTest::Calendar()
{
    return Component<ui::MonthCalendar>("calendar", "CalDay");
}

ui::PageControl& WindowTest::Pages()
{
    return Component<ui::PageControl>("page control", "MyPages");
}

} // namespace kontaro::test
