#include "main_window.h"

#include "catalogue_hook.h"
#include "date_controls.h"
#include "day_dates.h"
#include "day_view.h"
#include "page_control.h"
#include "texts.h"
#include "user_prompts.h"

#include "controls/column_grid.h"

#include "model/globals.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
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

TKontarosMain::TKontarosMain(const QStringList& arguments, QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("KontarosMain"));
    setWindowTitle(texts::AppTitle());
    setMinimumSize(600, 500);
    resize(900, 640);

    CreatePages();
    CreateCommands();

    // Start-up: the day view starts on today (its own set-up), every sheet hidden,
    // no project until New or Load.
    myPages_->SetPagesVisible(false);
    tSave_->setEnabled(false);
    Speichern1_->setEnabled(false);
    Speichernals1_->setEnabled(false);
    Ansicht1_->setEnabled(false);
    for (QAction* item : Ansicht1_->actions())
        item->setEnabled(false);

    if (!arguments.isEmpty()) {
        const QFileInfo file(arguments.constFirst());
        if (file.exists() && file.isFile()) {
            SetFileName(file.absoluteFilePath());
            LoadFileName();
        }
    }
}

TKontarosMain::~TKontarosMain()
{
    // The pages refer to the collections, so they go first; the collections then go
    // in the order days, products, groups.
    cataloguePages_.reset();
    std::unique_ptr<QWidget>(takeCentralWidget()).reset();
    project_.Days.Clear();
    project_.Products.Clear();
    project_.Groups.Clear();
}

void TKontarosMain::CreatePages()
{
    myPages_ = new TPageControl(this);
    myPages_->setObjectName(QStringLiteral("MyPages"));
    setCentralWidget(myPages_);

    dayView_ = new TDayView(project_, [this] { return fileName_; }, myPages_);
    dayView_->setObjectName(QStringLiteral("tabDayView"));
    myPages_->addTab(dayView_, texts::PageDayView());

    const struct {
        const char* name;
        QString caption;
    } sheets[] = {
        {"tabMonthView", texts::PageMonthView()},
        {"tabYearView", texts::PageYearView()},
        {"tabProducts", texts::PageProducts()},
        {"tabGroups", texts::PageGroups()},
    };
    QWidget* sheetWidgets[4] = {};
    int index = 0;
    for (const auto& sheet : sheets) {
        auto* widget = new QWidget(myPages_);
        widget->setObjectName(QLatin1StringView(sheet.name));
        myPages_->addTab(widget, sheet.caption);
        sheetWidgets[index++] = widget;
    }
    cataloguePages_ = CreateCataloguePages(*this, *sheetWidgets[2], *sheetWidgets[3]);

    myPages_->SetChangingHandler([this](int leaving, int entering) { return MyPagesChanging(leaving, entering); });
}

void TKontarosMain::CreateCommands()
{
    auto makeAction = [this](const char* name, const QString& caption) {
        auto* action = new QAction(caption, this);
        action->setObjectName(QLatin1StringView(name));
        return action;
    };

    QToolBar* toolBar = addToolBar(QString());
    toolBar->setObjectName(QStringLiteral("ToolBar"));
    toolBar->setMovable(false);
    QAction* tLoad = makeAction("tLoad", texts::ToolLoad());
    tLoad->setToolTip(texts::ToolLoad());
    tSave_ = makeAction("tSave", texts::ToolSave());
    tSave_->setToolTip(texts::ToolSave());
    toolBar->addAction(tLoad);
    toolBar->addAction(tSave_);
    connect(tLoad, &QAction::triggered, this, [this] { tLoadClick(); });
    connect(tSave_, &QAction::triggered, this, [this] { tSaveClick(); });

    QMenu* Datei1 = menuBar()->addMenu(texts::MenuFile());
    Datei1->setObjectName(QStringLiteral("Datei1"));
    QAction* Neu1 = makeAction("Neu1", texts::MenuNew());
    Neu1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    QAction* Laden1 = makeAction("Laden1", texts::MenuLoad());
    Laden1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    Speichern1_ = makeAction("Speichern1", texts::MenuSave());
    Speichern1_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    Speichernals1_ = makeAction("Speichernals1", texts::MenuSaveAs());
    Speichernals1_->setShortcut(QKeySequence(Qt::Key_F12));
    QAction* Beenden1 = makeAction("Beenden1", texts::MenuExit());
    Datei1->addActions({Neu1, Laden1, Speichern1_, Speichernals1_});
    Datei1->addSeparator();
    Datei1->addAction(Beenden1);
    connect(Neu1, &QAction::triggered, this, [this] { Neu1Click(); });
    connect(Laden1, &QAction::triggered, this, [this] { tLoadClick(); });
    connect(Speichern1_, &QAction::triggered, this, [this] { tSaveClick(); });
    connect(Speichernals1_, &QAction::triggered, this, [this] { Speichernals1Click(); });
    connect(Beenden1, &QAction::triggered, this, [this] { Beenden1Click(); });

    Ansicht1_ = menuBar()->addMenu(texts::MenuView());
    Ansicht1_->setObjectName(QStringLiteral("Ansicht1"));
    const struct {
        const char* name;
        QString caption;
    } views[PageCount] = {
        {"agesansicht1", texts::PageDayView()},   {"Monatsansicht1", texts::PageMonthView()},
        {"Jahresansicht1", texts::PageYearView()}, {"Produkte1", texts::PageProducts()},
        {"Gruppen1", texts::PageGroups()},
    };
    for (int page = 0; page < PageCount; ++page) {
        QAction* item = makeAction(views[page].name, views[page].caption);
        item->setShortcut(QKeySequence(Qt::CTRL | Qt::Key(Qt::Key_1 + page)));
        item->setData(page);
        Ansicht1_->addAction(item);
        connect(item, &QAction::triggered, this, [this, page] { agesansicht1Click(page); });
    }
}

void TKontarosMain::showEvent(QShowEvent* event)
{
    if (!centred_) {
        centred_ = true;
        if (QScreen* screen = this->screen()) {
            QRect frame = frameGeometry();
            frame.moveCenter(screen->availableGeometry().center());
            move(frame.topLeft());
        }
    }
    QMainWindow::showEvent(event);
    // A project loaded at start-up was shown before the grid could take the focus.
    if (projectOpen_ && myPages_->currentIndex() == PageDayView)
        dayView_->gDayView().setFocus();
}

void TKontarosMain::SetFileName(const QString& name)
{
    fileName_ = name;
    setWindowTitle(name.isEmpty() ? texts::AppTitle() : name);
}

void TKontarosMain::SetProjectOpen(bool open)
{
    if (open == projectOpen_)
        return;
    projectOpen_ = open;
    myPages_->SetPagesVisible(open);
    tSave_->setEnabled(open);
    Speichern1_->setEnabled(open);
    Speichernals1_->setEnabled(open);
    Ansicht1_->setEnabled(open);
    // A disabled menu keeps its items' shortcuts alive; the items follow it.
    for (QAction* item : Ansicht1_->actions())
        item->setEnabled(open);
}

void TKontarosMain::ResetProject()
{
    project_.Groups.Clear();
    project_.Products.Clear();
    project_.Days.Clear();
    cataloguePages_->ListsChanged();

    TDayView& day = *dayView_;
    day.CalDay().SetDate(DateOfDay(0));
    day.StoreDayOnSwitch = false;
    day.CalDayClick();
    day.CalDay().SetDate(DateOfDay(TodayNumber()));
    day.StoreDayOnSwitch = true;
}

void TKontarosMain::Neu1Click(bool fromUser)
{
    if (fromUser && projectOpen_ && Prompts().ConfirmYesNo(this, texts::AskNew()) != Answer::Yes)
        return;
    ResetProject();
    if (fromUser)
        SetFileName(QString());
    SetProjectOpen(true);
    myPages_->SetActivePage(PageDayView);
}

void TKontarosMain::tLoadClick(bool fromUser)
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

void TKontarosMain::LoadFileName()
{
    Neu1Click(false);

    const LoadResult result = LoadProjectFile(fileName_.toStdString(), project_);
    if (result.status != LoadStatus::Ok) {
        // What the refused file held must not reach the window, and the next Save
        // must ask for a name instead of replacing the refused file.
        project_.Clear();
        cataloguePages_->ListsChanged();
        const QString refused = fileName_;
        SetFileName(QString());
        Prompts().Warning(this, result.status == LoadStatus::NoGroups ? texts::NoGroups()
                                                                      : texts::CannotLoad().arg(refused));
        return;
    }
    cataloguePages_->ListsChanged();

    if (project_.Days.Count() > 0) {
        TDayView& day = *dayView_;
        day.CalDay().SetDate(DateOfDay(project_.Days.Item(project_.Days.Count() - 1).Date));
        // The grid is the reset's empty one: storing it would delete a day stored
        // under day number 0.
        day.StoreDayOnSwitch = false;
        day.CalDayClick();
        day.StoreDayOnSwitch = true;
    }
    SetProjectOpen(true);
    myPages_->SetActivePage(PageDayView);
    if (!result.report.Empty())
        WarnAboutDroppedElements(result.report);
}

void TKontarosMain::WarnAboutDroppedElements(const LoadReport& report)
{
    QStringList lines;
    const int listed = std::min<int>(kListedDrops, int(report.details.size()));
    for (int i = 0; i < listed; ++i)
        lines << QString::fromStdString(report.details[size_t(i)]);
    if (int(report.details.size()) > listed)
        lines << texts::MoreDropped().arg(int(report.details.size()) - listed);
    Prompts().Warning(this, texts::LoadDropped().arg(fileName_) + QStringLiteral("\n\n") +
                                lines.join(QLatin1Char('\n')));
}

bool TKontarosMain::tSaveClick()
{
    if (fileName_.isEmpty())
        return Speichernals1Click();
    // The grid is newer than the data only while the day view is shown; any other
    // page was entered with the grid stored, and may have changed the data since.
    if (myPages_->currentIndex() == PageDayView)
        dayView_->CalDayClick();
    const SaveResult result = SaveProjectFile(fileName_.toStdString(), project_);
    if (!result.ok) {
        Prompts().Warning(this, texts::CannotSave().arg(fileName_));
        return false;
    }
    return true;
}

bool TKontarosMain::Speichernals1Click()
{
    FileDialogOptions options = ProjectDialogOptions();
    options.initialFileName = fileName_;
    options.askOverwrite = true;
    const std::optional<QString> chosen = Prompts().SaveFileName(this, options);
    if (!chosen)
        return false;
    SetFileName(*chosen);
    return tSaveClick();
}

void TKontarosMain::Beenden1Click()
{
    close();
}

void TKontarosMain::closeEvent(QCloseEvent* event)
{
    if (project_.Groups.Count() > 0) {
        switch (Prompts().ConfirmYesNoCancel(this, texts::AskSaveOnExit())) {
        case Answer::Cancel:
            event->ignore();
            return;
        case Answer::Yes:
            // A failed or cancelled save keeps the window, so nothing is lost.
            if (!tSaveClick()) {
                event->ignore();
                return;
            }
            break;
        case Answer::No:
            break;
        }
    }
    event->accept();
}

bool TKontarosMain::MyPagesChanging(int leaving, int)
{
    TDayView& day = *dayView_;
    if (leaving == PageDayView) {
        day.CalDayClick();
    } else {
        day.StoreDayOnSwitch = false;
        day.CalDayClick();
        day.StoreDayOnSwitch = true;
    }
    return true;
}

void TKontarosMain::agesansicht1Click(int page)
{
    MyPagesChanging(myPages_->currentIndex(), page);
    myPages_->SetActivePage(page);
}

} // namespace kontaro::ui
