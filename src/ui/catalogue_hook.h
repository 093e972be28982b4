#pragma once
// Where the pages "Produkte" and "Gruppen" plug into the main window. The window
// creates their two empty tab sheets (object names "tabProducts" and "tabGroups")
// and then calls CreateCataloguePages exactly once; the pages build their content
// inside the two sheets (as children, so the window frees them), and the window
// keeps the returned object to tell them ListsChanged after a new project and
// after a load (the collections were replaced: set the item counts and redraw).
// The window's collections are reached through MainWindow::Products(), Groups()
// and Days(); the window itself is the owner of their dialogs.
#include <memory>

class QWidget;

namespace kontaro::ui {

class MainWindow;
class ProductsPage;

class CataloguePages {
public:
    virtual ~CataloguePages() = default;
    virtual void ListsChanged() = 0;
    // The page "Produkte", for the product export.
    virtual ProductsPage& Products() = 0;
};

std::unique_ptr<CataloguePages> CreateCataloguePages(MainWindow& main, QWidget& tabProducts, QWidget& tabGroups);

} // namespace kontaro::ui
