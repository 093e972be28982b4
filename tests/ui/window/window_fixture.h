#pragma once
// Shared set-up of the window tests: a fixed "today", a fixed locale, scripted
// prompts, a small catalogue and helpers that find the window's components by
// their object names.
#include "model/day_number.h"
#include "model/project_file.h"
#include "support/project_builder.h"
#include "support/scripted_prompts.h"
#include "support/temp_dir.h"
#include "ui/main_window.h"

#include <QAction>
#include <QLocale>

#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace kontaro::controls {
class ColumnGrid;
}
namespace kontaro::ui {
class DayView;
class MonthCalendar;
class PageControl;
} // namespace kontaro::ui

namespace kontaro::test {

// 2005-03-15, the "today" of every window test.
inline constexpr model::DayNumber kToday = 38426;

// Group 1 "Getränke" with three products: 1 "Kaffee" at 10.00 (cost 5.00, 19 %),
// 2 "Kuchen" at 2.50 (cost 1.00, 7 %) and 3 "Tagesessen" with a variable price
// (cost 40 % of the net sales, 19 %).
// Every product's values hold from day 0 on.
void FillCatalogue(model::tGroups& groups, model::tProducts& products);

class WindowTest : public ::testing::Test {
protected:
    explicit WindowTest(QLocale locale = QLocale(QLocale::German, QLocale::Germany));
    ~WindowTest() override;

    // Creates the window with these command-line arguments and shows it.
    void Start(const QStringList& arguments = {});
    // Starts, then opens a new project and fills the catalogue of FillCatalogue.
    void StartWithCatalogue();
    // Saves `project` under `name` in the temporary folder; returns the full path.
    QString WriteProject(const model::Project& project, const std::string& name);

    ui::MainWindow& Main() { return *window_; }
    // The window's components, found by their object names.
    QAction& Action(const char* name);
    ui::DayView& DayPage();          // "tabDayView"
    controls::ColumnGrid& DayGrid(); // "gDayView"
    ui::MonthCalendar& Calendar();   // "CalDay"
    ui::PageControl& Pages();        // "MyPages"

    ScriptedPrompts prompts;
    TempDir temp;

private:
    template <class T>
    T& Component(const char* kind, const char* name);

    QLocale savedLocale_;
    std::unique_ptr<ui::MainWindow> window_;
};

} // namespace kontaro::test
