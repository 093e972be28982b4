#pragma once
// The item models behind the lists of the pages "Produkte" and "Gruppen". They
// hold no copies: every row is drawn on demand from the collection, so a change of
// the collection shows after Reset() (the list's new count and a redraw).
#include <QAbstractTableModel>

class QTableView;

namespace kontaro::model {
class tGroups;
class tProducts;
} // namespace kontaro::model

namespace kontaro::ui {

// Row i is product i of the products: its ID and its name valid today ("???" when
// it has no name).
class ProductListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ProductListModel(const model::tProducts& products, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    void Reset();

private:
    const model::tProducts& products_;
};

// Row i is group i of the groups: its ID and its name.
class GroupListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit GroupListModel(const model::tGroups& groups, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    void Reset();

private:
    const model::tGroups& groups_;
};

// The look both catalogue lists share: a report of whole rows with grid lines, one
// selected row at most, no editing in place, headers that do not sort; the ID
// column 70 pixels wide (or as wide as its caption) and the name column 430.
// Called once the list has its model.
void SetupCatalogueList(QTableView& list);

} // namespace kontaro::ui
