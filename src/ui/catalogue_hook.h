#pragma once
// Where the pages "Produkte" and "Gruppen" plug into the main window. The window
// creates their two empty tab sheets (object names "tabProducts" and "tabGroups")
// and, once its own pages exist, calls CreateCataloguePages exactly once; the
// pages build their content inside the two sheets (as children, so the window
// frees them) and keep the returned object for what the window tells them:
// ListsChanged after New and after Load (the collections were replaced: set the
// item counts and redraw). The window's collections are reached through
// TKontarosMain::Products(), Groups() and Days(); the window itself is the owner
// of their dialogs.
#include <memory>

class QWidget;

namespace kontaro::ui {

class TKontarosMain;

class CataloguePages {
public:
    virtual ~CataloguePages() = default;
    virtual void ListsChanged() = 0;
};

// Defined in catalogue_hook.cpp; the catalogue pages replace its body.
std::unique_ptr<CataloguePages> CreateCataloguePages(TKontarosMain& main, QWidget& tabProducts,
                                                     QWidget& tabGroups);

} // namespace kontaro::ui
