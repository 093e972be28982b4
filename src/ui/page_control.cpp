#include "ui/page_control.h"

namespace kontaro::ui {

PageControl::PageControl(QWidget* parent) : QTabWidget(parent)
{
    connect(this, &QTabWidget::currentChanged, this, &PageControl::UserChanged);
}

void PageControl::SetActivePage(int index)
{
    programmatic_ = true;
    setCurrentIndex(index);
    programmatic_ = false;
    shown_ = currentIndex();
}

void PageControl::SetPagesVisible(bool visible)
{
    programmatic_ = true;
    for (int i = 0; i < count(); ++i)
        setTabVisible(i, visible);
    // Without a project the client area stays empty, not just the tab row.
    setVisible(visible);
    programmatic_ = false;
    shown_ = currentIndex();
}

void PageControl::UserChanged(int index)
{
    // Qt moves the current index itself when tabs are hidden; only the user's change
    // (click, keys, wheel on the tab bar) is announced.
    if (programmatic_ || index < 0 || index == shown_) {
        if (!programmatic_)
            shown_ = index;
        return;
    }
    const int leaving = shown_;
    if (changing_ && leaving >= 0 && !changing_(leaving, index)) {
        SetActivePage(leaving);
        return;
    }
    shown_ = index;
}

} // namespace kontaro::ui
