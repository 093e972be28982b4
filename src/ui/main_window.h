#pragma once
// MainWindow: the program's one main window. It owns the open project (groups,
// products, days), hosts the six pages in MyPages and carries the file commands
// (new, open, save, save as, exit) with their questions. Every question and
// warning goes through Prompts(), so tests drive the window with scripted answers.
//
// Pages, in this order: 0 "Tagesansicht" (tabDayView), 1 "Summenansicht"
// (tabMonthView), 2 "Gruppenansicht" (tabYearView), 3 "Diagramm" (tabChartView),
// 4 "Produkte" (tabProducts), 5 "Gruppen" (tabGroups). The catalogue pages fill
// sheets 4 and 5 through catalogue_hook.h. The view menu lists them in this order
// with Ctrl+1 to Ctrl+5 in the order the pages had before "Diagramm" came, which
// has Ctrl+6.
#include "model/project_file.h"

#include <QMainWindow>
#include <QString>
#include <QStringList>

#include <memory>

class QAction;
class QMenu;

namespace kontaro::ui {

class CataloguePages;
class ChartPage;
class DayView;
class GroupViewPage;
class PageControl;
class RecoveryCopy;
class SumViewPage;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    enum class Page { DayView = 0, SumView, GroupView, Chart, Products, Groups };
    static constexpr int kPageCount = 6;

    // `arguments` are the command-line arguments without the program name; a first
    // argument is loaded as Load does before the window is shown, with Load's warning
    // when it cannot be.
    explicit MainWindow(const QStringList& arguments = {}, QWidget* parent = nullptr);
    ~MainWindow() override;

    model::tGroups& Groups() { return project_.Groups; }
    model::tProducts& Products() { return project_.Products; }
    model::tDays& Days() { return project_.Days; }

    // The summary pages, for the print and export commands.
    SumViewPage& SumView() { return *sumView_; }
    GroupViewPage& GroupView() { return *groupView_; }
    ChartPage& ChartView() { return *chartView_; }

    bool ProjectOpen() const { return projectOpen_; }
    const QString& FileName() const { return fileName_; }

    void SetFileName(const QString& name);
    // An editing path changed the project (see model::Project::Changes).
    void MarkProjectChanged() { project_.MarkChanged(); }
    // Opens a recovery copy as an unsaved project: no file name, so Save asks.
    void OpenRecoveryCopy(const QString& copy);
    RecoveryCopy& Recovery() { return *recovery_; }
    void SetProjectOpen(bool open);

    // The file commands. `fromUser` is false when the window runs them itself: then
    // no question, no dialog and no change of the file name.
    void NewProject(bool fromUser = true);
    void OpenProject(bool fromUser = true);
    // A recent project: the question before Load, then the file, without dialog.
    void OpenProjectFile(const QString& path);
    // True when the project was written.
    bool SaveProject();
    bool SaveProjectAs();
    void ExitProgram();
    // The view menu: the page-change step, then the page.
    void ShowPage(Page page);
    // Runs before the user changes the page; always allows it.
    bool MyPagesChanging(int leaving, int entering);

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void CreatePages();
    void CreateCommands();
    void CreateRecovery();
    void OfferRecoveryCopies();
    // The first project of the run opens on the page the last run ended on.
    void ShowStartPage();
    // Loads FileName without questions (OpenProject once the file is chosen).
    // `remember`: the file joins the recent projects.
    void LoadFileName(bool remember = true);
    // Empties the project, giving up an open cell edit, shows today's empty day and
    // the summary pages' empty grids.
    void ResetProject();
    // Widens the window to its pages' size hint, never beyond the screen.
    void GrowToShowThePages();
    void WarnAboutDroppedElements(const model::LoadReport& report);

    model::Project project_;
    QString fileName_;
    bool projectOpen_ = false;
    bool centred_ = false;
    bool geometryRestored_ = false;
    bool startPageShown_ = false;

    PageControl* myPages_ = nullptr;
    DayView* dayView_ = nullptr;
    SumViewPage* sumView_ = nullptr;
    GroupViewPage* groupView_ = nullptr;
    ChartPage* chartView_ = nullptr;
    std::unique_ptr<CataloguePages> cataloguePages_;
    RecoveryCopy* recovery_ = nullptr;

    QAction* saveTool_ = nullptr;
    QAction* saveItem_ = nullptr;
    QAction* saveAsItem_ = nullptr;
    QMenu* viewMenu_ = nullptr;
};

} // namespace kontaro::ui
