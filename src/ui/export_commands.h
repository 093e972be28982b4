#pragma once
// The window's six export commands: "Export..." of the day view, "Export..." and
// "Export mit Tagessummen..." of both summary pages, and "&Export Übersicht" of the
// product list. Each asks for the workbook through Prompts()' save dialog (filter
// "Excel Datei (*.xls)", the name proposed from the project file's name in its
// folder) and hands its grid to the exports layer; a cancelled dialog changes
// nothing. A workbook that cannot be read or written is named in a warning with the
// writer's message, and stays exactly as it was.
//
// The exports with daily sums cover one period, "Summe" first, then every calendar
// day: on "Summenansicht" the period the grid holds (its rows, footer dates and
// proposed name belong together), on "Gruppenansicht" the period of the pickers,
// whose summary the grid then holds. While one runs, a window-modal progress dialog
// shows the progress bar MyProgress and "Abbrechen": the window repaints but takes
// no other command, and a cancelled run leaves the workbook as it was. No export
// changes the project, the day view's day or a picker; only a written group export
// with daily sums recalculates its page.
//
// The commands connect themselves to the buttons and live as a child of `window`;
// the project and the pages must outlive them.
#include "exports/daily_exports.h"
#include "model/project_file.h"

#include <QObject>
#include <QString>

#include <functional>
#include <optional>
#include <string>

class QWidget;

namespace kontaro::ui {

class DayView;
class GroupViewPage;
class ProductsPage;
class SumViewPage;

class ExportCommands final : public QObject {
    Q_OBJECT
public:
    // `fileName` gives the project file's full path (empty for an unsaved project).
    ExportCommands(QWidget& window, const model::Project& project, std::function<QString()> fileName, DayView& day,
                   SumViewPage& sum, GroupViewPage& group, ProductsPage& products);

    void bDayExportClick();
    void bSumExportClick();
    void bSumAllExportClick();
    void bGroupExportClick();
    void bGroupAllExportClick();
    void bExportProdClick();

private:
    using Series = std::function<exports::SeriesOutcome(const exports::DayProgress&)>;

    // The save dialog with `proposal`; the chosen path, or nothing on cancel.
    std::optional<std::string> AskFile(const std::string& proposal) const;
    // Runs a write of `file`; false, after the warning, when it failed.
    bool Write(const std::string& file, const std::function<void()>& write) const;
    // Runs a series over `from`..`to` under the progress dialog; true when it was written.
    bool WriteSeries(const std::string& file, model::DayNumber from, model::DayNumber to, const Series& series) const;
    std::string ProjectFile() const;

    QWidget& window_;
    const model::Project& project_;
    std::function<QString()> fileName_;
    DayView& day_;
    SumViewPage& sum_;
    GroupViewPage& group_;
    ProductsPage& products_;
};

} // namespace kontaro::ui
