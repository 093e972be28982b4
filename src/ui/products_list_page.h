#pragma once
// The page "Produkte": the list of all products (ListProducts, drawn on demand
// from the products), the buttons to create, change and delete a product, and the
// never-shown overview grid gExportGrid that the product export writes. A product
// is deleted only when no day uses it; an ID change is carried into every day.
//
// The page works on the window's collections, which must outlive it.
#include "grid/plain_grid.h"

#include <QWidget>

class QPushButton;
class QTableView;

namespace kontaro::model {
class tDays;
class tGroups;
class tProducts;
} // namespace kontaro::model

namespace kontaro::ui {

class ProductListModel;

class ProductsPage : public QWidget {
    Q_OBJECT
public:
    ProductsPage(model::tProducts& products, const model::tGroups& groups, model::tDays& days,
                 QWidget* parent = nullptr);

    // The overview grid of the product export; hidden, laid out once.
    grid::PlainGrid& ExportGrid() { return gExportGrid; }
    // "&Export Übersicht", enabled while there are products; its click is the export's.
    QPushButton& ExportButton() { return *bExportProd_; }

    // Shows the products as they are now (after New, Load or any change of them).
    void Reset();

    void ListProductsChange();
    void bAddProdClick();
    void bEditProdClick();
    void bDelProdClick();

signals:
    // A product was added, changed or deleted.
    void CatalogueChanged();

private:
    // Selects the product with this ID, if any, and applies the selection rule.
    void SelectID(int32_t id);
    int SelectedIndex() const;
    bool ProductUsed(int32_t id) const;
    void CarryIDChange(int32_t oldID, int32_t newID);

    QTableView* const ListProducts_;
    QPushButton* const bAddProd_;
    QPushButton* const bEditProd_;
    QPushButton* const bDelProd_;
    QPushButton* const bExportProd_;
    model::tProducts& products_;
    const model::tGroups& groups_;
    model::tDays& days_;
    ProductListModel* const model_;
    grid::PlainGrid gExportGrid;
};

} // namespace kontaro::ui
