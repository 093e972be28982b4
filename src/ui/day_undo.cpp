#include "ui/day_undo.h"

#include <QUndoStack>

namespace kontaro::ui {

// The rows before and after one edit; both put the cursor where the edit was.
class DayUndo::Step : public QUndoCommand {
public:
    Step(DayUndo& owner, grid::PlainGrid::DataRows before, grid::PlainGrid::DataRows after)
        : owner_(owner), before_(std::move(before)), after_(std::move(after))
    {
        before_.cursorCol = after_.cursorCol;
        before_.cursorRow = after_.cursorRow;
    }

    void undo() override { owner_.Put(before_); }
    void redo() override
    {
        // Pushed after the edit happened: the grid holds these rows already.
        if (pushed_)
            owner_.Put(after_);
        pushed_ = true;
    }

private:
    DayUndo& owner_;
    grid::PlainGrid::DataRows before_;
    grid::PlainGrid::DataRows after_;
    bool pushed_ = false;
};

DayUndo::DayUndo(grid::PlainGrid& grid, QObject* parent)
    : QObject(parent), grid_(grid), stack_(new QUndoStack(this)), recorded_(grid.SaveDataRows())
{
    connect(stack_, &QUndoStack::canUndoChanged, this, &DayUndo::CanUndoChanged);
    connect(stack_, &QUndoStack::canRedoChanged, this, &DayUndo::CanRedoChanged);
}

DayUndo::~DayUndo() = default;

void DayUndo::Reset()
{
    stack_->clear();
    recorded_ = grid_.SaveDataRows();
}

void DayUndo::Rebase() { recorded_ = grid_.SaveDataRows(); }

void DayUndo::Record()
{
    grid::PlainGrid::DataRows now = grid_.SaveDataRows();
    // A cursor move alone is no edit.
    if (now.rows == recorded_.rows)
        return;
    grid::PlainGrid::DataRows before = std::exchange(recorded_, now);
    stack_->push(new Step(*this, std::move(before), std::move(now)));
}

bool DayUndo::CanUndo() const { return stack_->canUndo(); }
bool DayUndo::CanRedo() const { return stack_->canRedo(); }
void DayUndo::Undo() { stack_->undo(); }
void DayUndo::Redo() { stack_->redo(); }

void DayUndo::Put(const grid::PlainGrid::DataRows& rows)
{
    grid_.RestoreDataRows(rows);
    recorded_ = rows;
    emit RowsRestored();
}

} // namespace kontaro::ui
