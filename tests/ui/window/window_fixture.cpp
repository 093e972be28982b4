#include "ui/window/window_fixture.h"

#include "controls/column_grid.h"
#include "model/globals.h"
#include "ui/date_controls.h"
#include "ui/day_view.h"
#include "ui/page_control.h"

#include <QSettings>
#include <QTest>

namespace kontaro::test {

void FillCatalogue(model::tGroups& groups, model::tProducts& products)
{
    AddGroup(groups, 1, "Getr\xe4nke");
    AddProduct(products,
               {.id = 1, .name = "Kaffee", .einkauf = 5.0, .verkauf = 10.0, .steuer = 19.0, .gruppe = 1, .from = 0});
    AddProduct(products,
               {.id = 2, .name = "Kuchen", .einkauf = 1.0, .verkauf = 2.5, .steuer = 7.0, .gruppe = 1, .from = 0});
    AddProduct(products, {.id = 3,
                          .name = "Tagesessen",
                          .einkauf = 40.0,
                          .verkauf = std::nullopt,
                          .steuer = 19.0,
                          .gruppe = 1,
                          .einkaufProzent = true,
                          .from = 0});
}

WindowTest::WindowTest(QLocale locale) : savedLocale_(QLocale())
{
    // The window's recovery copies and settings stay in the test's folder, away
    // from the user's.
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString(temp.File("data")));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QString::fromStdString(temp.File("config")));
    QLocale::setDefault(locale);
    model::SetTodayForTests([] { return kToday; });
}

WindowTest::~WindowTest()
{
    window_.reset();
    model::SetTodayForTests({});
    QLocale::setDefault(savedLocale_);
    qunsetenv("XDG_DATA_HOME");
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

QString WindowTest::WriteProject(const model::Project& project, const std::string& name)
{
    const std::string path = temp.File(name);
    const model::SaveResult result = model::SaveProjectFile(path, project);
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

QAction& WindowTest::Action(const char* name) { return Component<QAction>("action", name); }

ui::DayView& WindowTest::DayPage() { return Component<ui::DayView>("page", "tabDayView"); }

controls::ColumnGrid& WindowTest::DayGrid() { return Component<controls::ColumnGrid>("grid", "gDayView"); }

ui::MonthCalendar& WindowTest::Calendar() { return Component<ui::MonthCalendar>("calendar", "CalDay"); }

ui::PageControl& WindowTest::Pages() { return Component<ui::PageControl>("page control", "MyPages"); }

} // namespace kontaro::test
