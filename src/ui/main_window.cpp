#include "ui/main_window.h"

#include "controls/column_grid.h"
#include "controls/qt_format_text.h"
#include "model/globals.h"
#include "ui/catalogue_hook.h"
#include "ui/chart_page.h"
#include "ui/chart_texts.h"
#include "ui/date_controls.h"
#include "ui/day_view.h"
#include "ui/edit_menu.h"
#include "ui/export_commands.h"
#include "ui/group_view_page.h"
#include "ui/page_control.h"
#include "ui/print_commands.h"
#include "ui/recent_files.h"
#include "ui/recovery_copy.h"
#include "ui/sum_view_page.h"
#include "ui/texts.h"
#include "ui/till_import_dialog.h"
#include "ui/till_import_texts.h"
#include "ui/user_prompts.h"
#include "ui/window_state.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>
#include <QToolBar>

namespace kontaro::ui {

namespace {

FileDialogOptions ProjectDialogOptions()
{
    FileDialogOptions options;
    options.filter = texts::ProjectFilter();
    options.defaultExtension = texts::ProjectExtension();
    return options;
}

// The warning after a load lists at most this many dropped elements by name.
constexpr int kListedDrops = 15;

} // namespace

MainWindow::MainWindow(const QStringList& arguments, QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("KontarosMain"));
    setWindowTitle(texts::AppTitle());
    setMinimumSize(600, 500);

    CreatePages();
    CreateCommands();
    CreateRecovery();
    resize(900, 640);
    geometryRestored_ = RestoreWindowGeometry(*this);

    // Start-up: the day view starts on today (its own set-up), every sheet hidden,
    // no project until New or Load.
    myPages_->SetPagesVisible(false);
    saveTool_->setEnabled(false);
    saveItem_->setEnabled(false);
    saveAsItem_->setEnabled(false);
    viewMenu_->setEnabled(false);
    for (QAction* item : viewMenu_->actions())
        item->setEnabled(false);

    // A file that cannot be opened gets Load's warning rather than a silent empty window.
    if (!arguments.isEmpty()) {
        SetFileName(QFileInfo(arguments.constFirst()).absoluteFilePath());
        LoadFileName();
    }
}

MainWindow::~MainWindow()
{
    // The pages refer to the collections, so they go first; the collections then go
    // in the order days, products, groups.
    cataloguePages_.reset();
    std::unique_ptr<QWidget>(takeCentralWidget()).reset();
    project_.Days.Clear();
    project_.Products.Clear();
    project_.Groups.Clear();
}

void MainWindow::CreatePages()
{
    myPages_ = new PageControl(this);
    myPages_->setObjectName(QStringLiteral("MyPages"));
    setCentralWidget(myPages_);

    const auto fileName = [this] { return fileName_; };
    dayView_ = new DayView(project_, fileName, myPages_);
    dayView_->setObjectName(QStringLiteral("tabDayView"));
    myPages_->addTab(dayView_, texts::PageDayView());

    sumView_ = new SumViewPage(project_, fileName, myPages_);
    sumView_->setObjectName(QStringLiteral("tabMonthView"));
    myPages_->addTab(sumView_, texts::PageSumView());
    groupView_ = new GroupViewPage(project_, fileName, myPages_);
    groupView_->setObjectName(QStringLiteral("tabYearView"));
    myPages_->addTab(groupView_, texts::PageGroupView());
    chartView_ = new ChartPage(project_, myPages_);
    chartView_->setObjectName(QStringLiteral("tabChartView"));
    myPages_->addTab(chartView_, chart_texts::PageChart());

    auto* tabProducts = new QWidget(myPages_);
    tabProducts->setObjectName(QStringLiteral("tabProducts"));
    myPages_->addTab(tabProducts, texts::PageProducts());
    auto* tabGroups = new QWidget(myPages_);
    tabGroups->setObjectName(QStringLiteral("tabGroups"));
    myPages_->addTab(tabGroups, texts::PageGroups());
    cataloguePages_ = CreateCataloguePages(*this, *tabProducts, *tabGroups);
    // A child of the window, connected to the pages' export buttons.
    new ExportCommands(*this, project_, fileName, *dayView_, *sumView_, *groupView_, cataloguePages_->Products());

    InstallPrintCommands(*this, *dayView_, *sumView_, *groupView_);
    myPages_->SetChangingHandler([this](int leaving, int entering) { return MyPagesChanging(leaving, entering); });
}

void MainWindow::CreateRecovery()
{
    RecoveryCopy::Hooks hooks;
    hooks.projectOpen = [this] { return projectOpen_; };
    // Only the day view's grid is newer than the project; on another page it was
    // stored when it was left, and the project may have changed since.
    hooks.storeShown = [this] {
        if (myPages_->currentIndex() == int(Page::DayView))
            dayView_->StoreShownDay();
    };
    hooks.fileName = [this] { return fileName_; };
    recovery_ = new RecoveryCopy(project_, std::move(hooks), this);
    connect(dayView_, &DayView::DayEdited, this, &MainWindow::MarkProjectChanged);
}

void MainWindow::OpenRecoveryCopy(const QString& copy)
{
    SetFileName(copy);
    LoadFileName(false);
    SetFileName(QString());
    if (!projectOpen_)
        return;
    // The footer names the project by its file, which it no longer has.
    dayView_->CalDayClick();
    // The copy is deleted once opened: what it held lives on in this program's copy.
    project_.MarkChanged();
    recovery_->WriteNow();
}

void MainWindow::CreateCommands()
{
    auto makeAction = [this](const char* name, const QString& caption) {
        auto* action = new QAction(caption, this);
        action->setObjectName(QLatin1StringView(name));
        return action;
    };

    QToolBar* toolBar = addToolBar(QString());
    toolBar->setObjectName(QStringLiteral("ToolBar"));
    toolBar->setMovable(false);
    QAction* openTool = makeAction("tLoad", texts::ToolLoad());
    openTool->setToolTip(texts::ToolLoad());
    saveTool_ = makeAction("tSave", texts::ToolSave());
    saveTool_->setToolTip(texts::ToolSave());
    toolBar->addAction(openTool);
    toolBar->addAction(saveTool_);
    connect(openTool, &QAction::triggered, this, [this] { OpenProject(); });
    connect(saveTool_, &QAction::triggered, this, [this] { SaveProject(); });

    QMenu* fileMenu = menuBar()->addMenu(texts::MenuFile());
    fileMenu->setObjectName(QStringLiteral("FileMenu"));
    QAction* newItem = makeAction("NewProject", texts::MenuNew());
    newItem->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    QAction* openItem = makeAction("OpenProject", texts::MenuLoad());
    openItem->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    saveItem_ = makeAction("SaveProject", texts::MenuSave());
    saveItem_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    saveAsItem_ = makeAction("SaveProjectAs", texts::MenuSaveAs());
    saveAsItem_->setShortcut(QKeySequence(Qt::Key_F12));
    QAction* exitItem = makeAction("ExitProgram", texts::MenuExit());
    fileMenu->addActions({newItem, openItem, saveItem_, saveAsItem_});
    // The till import works on an open project, as saving does.
    QAction* importTill =
        fileMenu->addAction(texts::MenuImportTill(), this, [this] { ImportTillData(this, project_, *dayView_); });
    importTill->setObjectName(QStringLiteral("ImportTill"));
    connect(saveItem_, &QAction::changed, importTill,
            [this, importTill] { importTill->setEnabled(saveItem_->isEnabled()); });
    fileMenu->addSeparator();
    QAction* recentEnd = fileMenu->addSeparator();
    ListRecentFiles(*fileMenu, recentEnd, [this](const QString& path) { OpenProjectFile(path); });
    fileMenu->addAction(exitItem);
    connect(newItem, &QAction::triggered, this, [this] { NewProject(); });
    connect(openItem, &QAction::triggered, this, [this] { OpenProject(); });
    connect(saveItem_, &QAction::triggered, this, [this] { SaveProject(); });
    connect(saveAsItem_, &QAction::triggered, this, [this] { SaveProjectAs(); });
    connect(exitItem, &QAction::triggered, this, [this] { ExitProgram(); });

    CreateEditMenu(*menuBar(), *dayView_, *myPages_);

    viewMenu_ = menuBar()->addMenu(texts::MenuView());
    viewMenu_->setObjectName(QStringLiteral("ViewMenu"));
    const struct {
        const char* name;
        QString caption;
        Qt::Key key;
    } views[kPageCount] = {
        {"ShowDayView", texts::PageDayView(), Qt::Key_1},     {"ShowSumView", texts::PageSumView(), Qt::Key_2},
        {"ShowGroupView", texts::PageGroupView(), Qt::Key_3}, {"ShowChartView", chart_texts::PageChart(), Qt::Key_6},
        {"ShowProducts", texts::PageProducts(), Qt::Key_4},   {"ShowGroups", texts::PageGroups(), Qt::Key_5},
    };
    for (int index = 0; index < kPageCount; ++index) {
        QAction* item = makeAction(views[index].name, views[index].caption);
        item->setShortcut(QKeySequence(Qt::CTRL | views[index].key));
        item->setData(index);
        viewMenu_->addAction(item);
        connect(item, &QAction::triggered, this, [this, index] { ShowPage(Page(index)); });
    }
}

void MainWindow::showEvent(QShowEvent* event)
{
    // A window put back where the last run left it keeps its place and size.
    if (!centred_ && !geometryRestored_) {
        GrowToShowThePages();
        if (QScreen* screen = this->screen()) {
            QRect frame = frameGeometry();
            frame.moveCenter(screen->availableGeometry().center());
            move(frame.topLeft());
        }
    }
    if (!centred_) {
        centred_ = true;
        OfferRecoveryCopies();
    }
    QMainWindow::showEvent(event);
    // A project loaded at start-up was shown before the grid could take the focus.
    if (projectOpen_ && myPages_->currentIndex() == int(Page::DayView))
        dayView_->gDayView().setFocus();
}

void MainWindow::OfferRecoveryCopies()
{
    // Asked once the window shows, so that the question stands in front of it.
    QTimer::singleShot(
        0, this, [this] { RecoveryCopy::OfferOrphans(this, [this](const QString& copy) { OpenRecoveryCopy(copy); }); });
}

void MainWindow::GrowToShowThePages()
{
    // The grids' columns are as wide as their captions and figures in the desktop's
    // font, so the usual start size may cut the day: grow, as far as the screen allows.
    if (isMaximized() || isFullScreen())
        return;
    QSize wanted = size().expandedTo(sizeHint());
    if (const QScreen* screen = this->screen())
        wanted = wanted.boundedTo(screen->availableGeometry().size().expandedTo(size()));
    if (wanted != size())
        resize(wanted);
}

void MainWindow::SetFileName(const QString& name)
{
    fileName_ = name;
    setWindowTitle(name.isEmpty() ? texts::AppTitle() : name);
}

void MainWindow::SetProjectOpen(bool open)
{
    if (open == projectOpen_)
        return;
    projectOpen_ = open;
    myPages_->SetPagesVisible(open);
    saveTool_->setEnabled(open);
    saveItem_->setEnabled(open);
    saveAsItem_->setEnabled(open);
    viewMenu_->setEnabled(open);
    // A disabled menu keeps its items' shortcuts alive; the items follow it.
    for (QAction* item : viewMenu_->actions())
        item->setEnabled(open);
    if (open && isVisible())
        GrowToShowThePages();
}

void MainWindow::ResetProject()
{
    DayView& day = *dayView_;
    // An edit still open belongs to the project that goes; committed after the
    // catalogue is emptied, its product would be checked against nothing.
    if (day.gDayView().IsEditing())
        day.gDayView().CancelEditor();

    project_.Groups.Clear();
    project_.Products.Clear();
    project_.Days.Clear();
    cataloguePages_->ListsChanged();

    // The empty project starts on today's empty day: what is typed next belongs
    // to the day the calendar shows.
    day.ShowDayWithoutStoring(model::TodayNumber());

    // A result of the project that went would pass for one of the new project.
    sumView_->ProjectReset();
    groupView_->ProjectReset();
    recovery_->Discard();
    chartView_->ProjectReset();
}

void MainWindow::NewProject(bool fromUser)
{
    if (fromUser && projectOpen_ && Prompts().ConfirmYesNo(this, texts::AskNew()) != Answer::Yes)
        return;
    ResetProject();
    if (fromUser)
        SetFileName(QString());
    SetProjectOpen(true);
    if (fromUser)
        ShowStartPage();
    else
        myPages_->SetActivePage(int(Page::DayView));
}

void MainWindow::ShowStartPage()
{
    int page = int(Page::DayView);
    if (!startPageShown_) {
        startPageShown_ = true;
        const int saved = SavedPage();
        if (saved >= 0 && saved < kPageCount)
            page = saved;
    }
    myPages_->SetActivePage(page);
}

void MainWindow::OpenProject(bool fromUser)
{
    if (fromUser) {
        if (projectOpen_ && Prompts().ConfirmYesNo(this, texts::AskLoad()) != Answer::Yes)
            return;
        FileDialogOptions options = ProjectDialogOptions();
        options.mustExist = true;
        const std::optional<QString> chosen = Prompts().OpenFileName(this, options);
        if (!chosen)
            return;
        SetFileName(*chosen);
    }
    LoadFileName();
}

void MainWindow::OpenProjectFile(const QString& path)
{
    if (projectOpen_ && Prompts().ConfirmYesNo(this, texts::AskLoad()) != Answer::Yes)
        return;
    SetFileName(path);
    LoadFileName();
}

void MainWindow::LoadFileName(bool remember)
{
    NewProject(false);

    const model::LoadResult result = model::LoadProjectFile(fileName_.toStdString(), project_);
    if (result.status != model::LoadStatus::Ok) {
        // What the refused file held must not reach the window, and the next Save
        // must ask for a name instead of replacing the refused file. The day view
        // then shows the unnamed empty project, footer included.
        SetFileName(QString());
        ResetProject();
        Prompts().Warning(this, QString::fromStdString(result.message));
        return;
    }
    cataloguePages_->ListsChanged();

    if (project_.Days.Count() > 0) {
        // The grid is the reset's empty one: storing it would delete the day
        // stored under today.
        dayView_->ShowDayWithoutStoring(project_.Days.Item(project_.Days.Count() - 1).Date);
    }
    SetProjectOpen(true);
    ShowStartPage();
    if (remember)
        AddRecentFile(fileName_);
    if (!result.report.Empty())
        WarnAboutDroppedElements(result.report);
}

void MainWindow::WarnAboutDroppedElements(const model::LoadReport& report)
{
    QStringList lines;
    const int listed = std::min<int>(kListedDrops, int(report.details.size()));
    for (int i = 0; i < listed; ++i)
        lines << QString::fromStdString(report.details[size_t(i)]);
    if (int(report.details.size()) > listed)
        lines << controls::FormatText(texts::MoreDropped(), {QString::number(int(report.details.size()) - listed)});
    Prompts().Warning(this, controls::FormatText(texts::LoadDropped(), {fileName_}) + QStringLiteral("\n\n") +
                                lines.join(QLatin1Char('\n')));
}

bool MainWindow::SaveProject()
{
    if (fileName_.isEmpty())
        return SaveProjectAs();
    // The grid is newer than the data only while the day view is shown; any other
    // page was entered with the grid stored, and may have changed the data since.
    if (myPages_->currentIndex() == int(Page::DayView))
        dayView_->CalDayClick();
    const model::SaveResult result = model::SaveProjectFile(fileName_.toStdString(), project_);
    if (!result.ok) {
        // What the user typed must survive until the file can be written.
        recovery_->WriteNow();
        Prompts().Warning(this, QString::fromStdString(result.message));
        return false;
    }
    recovery_->Saved();
    AddRecentFile(fileName_);
    return true;
}

bool MainWindow::SaveProjectAs()
{
    FileDialogOptions options = ProjectDialogOptions();
    options.initialFileName = fileName_;
    options.askOverwrite = true;
    const std::optional<QString> chosen = Prompts().SaveFileName(this, options);
    if (!chosen)
        return false;
    SetFileName(*chosen);
    return SaveProject();
}

void MainWindow::ExitProgram() { close(); }

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (project_.Groups.Count() > 0) {
        switch (Prompts().ConfirmYesNoCancel(this, texts::AskSaveOnExit())) {
        case Answer::Cancel:
            event->ignore();
            return;
        case Answer::Yes:
            // A failed or cancelled save keeps the window, so nothing is lost.
            if (!SaveProject()) {
                event->ignore();
                return;
            }
            break;
        case Answer::No:
            break;
        }
    }
    recovery_->Remove();
    SaveWindowState(*this, myPages_->currentIndex());
    event->accept();
}

bool MainWindow::MyPagesChanging(int leaving, int)
{
    DayView& day = *dayView_;
    if (leaving == int(Page::DayView)) {
        day.CalDayClick();
    } else {
        day.StoreDayOnSwitch = false;
        day.CalDayClick();
        day.StoreDayOnSwitch = true;
    }
    return true;
}

void MainWindow::ShowPage(Page page)
{
    MyPagesChanging(myPages_->currentIndex(), int(page));
    myPages_->SetActivePage(int(page));
}

} // namespace kontaro::ui
