#pragma once
// TKontarosMain: the program's one main window. It owns the open project (groups,
// products, days), hosts the five pages in MyPages and carries the file commands
// (New, Load, Save, Save as, Exit) with their questions. Every question and
// warning goes through Prompts(), so tests drive the window with scripted answers.
//
// Pages, in this order: 0 "Tagesansicht" (tabDayView), 1 "Summenansicht"
// (tabMonthView), 2 "Gruppenansicht" (tabYearView), 3 "Produkte" (tabProducts),
// 4 "Gruppen" (tabGroups). The catalogue pages fill sheets 3 and 4 through
// catalogue_hook.h; the summary sheets are empty until their pages exist.
#include "model/project_file.h"

#include <QMainWindow>
#include <QString>
#include <QStringList>

#include <memory>

class QAction;
class QMenu;

namespace kontaro::ui {

class CataloguePages;
class TDayView;
class TPageControl;

class TKontarosMain : public QMainWindow {
    Q_OBJECT
public:
    enum Page { PageDayView = 0, PageMonthView, PageYearView, PageProducts, PageGroups, PageCount };

    // `arguments` are the command-line arguments without the program name; a first
    // argument naming an existing file is loaded before the window is shown.
    explicit TKontarosMain(const QStringList& arguments = {}, QWidget* parent = nullptr);
    ~TKontarosMain() override;

    tGroups& Groups() { return project_.Groups; }
    tProducts& Products() { return project_.Products; }
    tDays& Days() { return project_.Days; }

    bool ProjectOpen() const { return projectOpen_; }
    const QString& FileName() const { return fileName_; }
    TDayView& DayView() { return *dayView_; }
    TPageControl& MyPages() { return *myPages_; }

    void SetFileName(const QString& name);
    void SetProjectOpen(bool open);

    // The file commands. `fromUser` is false when the window runs them itself: then
    // no question, no dialog and no change of the file name.
    void Neu1Click(bool fromUser = true);
    void tLoadClick(bool fromUser = true);
    // True when the project was written.
    bool tSaveClick();
    bool Speichernals1Click();
    void Beenden1Click();
    // The view menu: the page-change step, then the page with this index.
    void agesansicht1Click(int page);
    // Runs before the user changes the page; always allows it.
    bool MyPagesChanging(int leaving, int entering);

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void CreatePages();
    void CreateCommands();
    // Load of FileName without questions (Load from step 2 on).
    void LoadFileName();
    void ResetProject();
    void WarnAboutDroppedElements(const LoadReport& report);

    Project project_;
    QString fileName_;
    bool projectOpen_ = false;
    bool centred_ = false;

    TPageControl* myPages_ = nullptr;
    TDayView* dayView_ = nullptr;
    std::unique_ptr<CataloguePages> cataloguePages_;

    QAction* tSave_ = nullptr;
    QAction* Speichern1_ = nullptr;
    QAction* Speichernals1_ = nullptr;
    QMenu* Ansicht1_ = nullptr;
};

} // namespace kontaro::ui
