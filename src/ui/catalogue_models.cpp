#include "ui/catalogue_models.h"

#include "model/catalogue.h"
#include "model/globals.h"
#include "ui/catalogue_texts.h"
#include "ui/model_text.h"

#include <QHeaderView>
#include <QTableView>

#include <algorithm>

namespace kontaro::ui {

namespace t = catalogue_texts;

namespace {

QVariant Header(int section, Qt::Orientation orientation, int role, const QString& first, const QString& second)
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    return section == 0 ? first : second;
}

} // namespace

ProductListModel::ProductListModel(const model::tProducts& products, QObject* parent)
    : QAbstractTableModel(parent), products_(products)
{}

int ProductListModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : products_.Count(); }

int ProductListModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 2; }

QVariant ProductListModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= products_.Count())
        return {};
    const model::tProduct& product = products_.Item(index.row());
    if (index.column() == 0)
        return QString::number(product.ID);
    if (product.Name.Count() == 0)
        return t::NoName();
    std::string name;
    product.Name.ValueAt(model::TodayNumber(), name);
    return FromModelText(name);
}

QVariant ProductListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    return Header(section, orientation, role, t::ColumnProductID(), t::ColumnCurrentName());
}

void ProductListModel::Reset()
{
    beginResetModel();
    endResetModel();
}

GroupListModel::GroupListModel(const model::tGroups& groups, QObject* parent)
    : QAbstractTableModel(parent), groups_(groups)
{}

int GroupListModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : groups_.Count(); }

int GroupListModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 2; }

QVariant GroupListModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= groups_.Count())
        return {};
    const model::tGroup& group = groups_.Item(index.row());
    return index.column() == 0 ? QVariant(QString::number(group.ID)) : QVariant(FromModelText(group.Name));
}

QVariant GroupListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    return Header(section, orientation, role, t::ColumnGroupID(), t::ColumnName());
}

void GroupListModel::Reset()
{
    beginResetModel();
    endResetModel();
}

void SetupCatalogueList(QTableView& list)
{
    list.setSelectionMode(QAbstractItemView::SingleSelection);
    list.setSelectionBehavior(QAbstractItemView::SelectRows);
    list.setEditTriggers(QAbstractItemView::NoEditTriggers);
    list.setShowGrid(true);
    list.setWordWrap(false);
    list.setTabKeyNavigation(false);
    list.verticalHeader()->hide();
    list.verticalHeader()->setDefaultSectionSize(list.fontMetrics().height() + 6);
    list.horizontalHeader()->setSectionsClickable(false);
    list.horizontalHeader()->setHighlightSections(false);
    list.horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // At least wide enough for its caption in the font in use.
    const QString caption = list.model() ? list.model()->headerData(0, Qt::Horizontal).toString() : QString();
    list.setColumnWidth(0, std::max(70, list.horizontalHeader()->fontMetrics().horizontalAdvance(caption) + 16));
    list.setColumnWidth(1, 430);
}

} // namespace kontaro::ui
