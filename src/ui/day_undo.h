#pragma once
// DayUndo: the undo history of the day grid since the day was shown. A step is
// the data rows before and after one edit of the user's (a committed cell, an
// inserted, deleted or cleared row); undoing or redoing puts the rows with their
// texts, figures, exact values and cell states back and recalculates the footer,
// so the row figures and the sums are those the grid showed at that moment.
//
// The day view calls Record after each edit step of the grid and Reset after the
// grid was loaded with a day. The history refers to the grid it is given for its
// whole lifetime.
#include "grid/plain_grid.h"

#include <QObject>

class QUndoStack;

namespace kontaro::ui {

class DayUndo : public QObject {
    Q_OBJECT
public:
    explicit DayUndo(grid::PlainGrid& grid, QObject* parent = nullptr);
    ~DayUndo() override;

    // The grid shows a day anew: the history starts empty from its rows.
    void Reset();
    // The grid shows the same day again (stored and reloaded): the history stays,
    // and the next step starts from the rows now.
    void Rebase();
    // One edit of the user's ended: a step from the rows of the last record to the
    // rows now, when they differ.
    void Record();

    bool CanUndo() const;
    bool CanRedo() const;
    void Undo();
    void Redo();

signals:
    void CanUndoChanged(bool canUndo);
    void CanRedoChanged(bool canRedo);
    // Undo or redo changed the grid's rows.
    void RowsRestored();

private:
    class Step;
    void Put(const grid::PlainGrid::DataRows& rows);

    grid::PlainGrid& grid_;
    QUndoStack* stack_;
    // The rows as the last record, reset, undo or redo left them.
    grid::PlainGrid::DataRows recorded_;
};

} // namespace kontaro::ui
