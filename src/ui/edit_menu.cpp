#include "ui/edit_menu.h"

#include "ui/day_undo.h"
#include "ui/day_view.h"
#include "ui/page_control.h"
#include "ui/texts.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace kontaro::ui {

QMenu* CreateEditMenu(QMenuBar& bar, DayView& dayView, PageControl& pages)
{
    QMenu* menu = bar.addMenu(texts::MenuEdit());
    menu->setObjectName(QStringLiteral("EditMenu"));
    QAction* undo = menu->addAction(texts::MenuUndo());
    undo->setObjectName(QStringLiteral("UndoEdit"));
    undo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Z)});
    QAction* redo = menu->addAction(texts::MenuRedo());
    redo->setObjectName(QStringLiteral("RedoEdit"));
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});

    DayUndo& history = dayView.Undo();
    auto update = [undo, redo, &history, &dayView, &pages] {
        const bool shown = pages.currentWidget() == &dayView && dayView.isVisible();
        undo->setEnabled(shown && history.CanUndo());
        redo->setEnabled(shown && history.CanRedo());
    };
    update();
    QObject::connect(&history, &DayUndo::CanUndoChanged, menu, update);
    QObject::connect(&history, &DayUndo::CanRedoChanged, menu, update);
    QObject::connect(&pages, &QTabWidget::currentChanged, menu, update);
    QObject::connect(menu, &QMenu::aboutToShow, menu, update);
    QObject::connect(undo, &QAction::triggered, &dayView, &DayView::UndoEdit);
    QObject::connect(redo, &QAction::triggered, &dayView, &DayView::RedoEdit);
    return menu;
}

} // namespace kontaro::ui
