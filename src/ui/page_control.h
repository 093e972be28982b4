#pragma once
// The main window's page control: tab sheets in a fixed order that can be shown or
// hidden as a whole, and one notification before the user changes the page. Setting
// the page from the program raises no notification.
#include <QTabWidget>

#include <functional>

namespace kontaro::ui {

class PageControl : public QTabWidget {
    Q_OBJECT
public:
    // Called with the page being left and the page the user chose, before any other
    // event is handled; returning false keeps the page being left.
    using ChangingHandler = std::function<bool(int leaving, int entering)>;

    explicit PageControl(QWidget* parent = nullptr);

    void SetChangingHandler(ChangingHandler handler) { changing_ = std::move(handler); }
    // Shows the page without notification.
    void SetActivePage(int index);
    void SetPagesVisible(bool visible);

private:
    void UserChanged(int index);

    ChangingHandler changing_;
    int shown_ = -1;
    bool programmatic_ = false;
};

} // namespace kontaro::ui
