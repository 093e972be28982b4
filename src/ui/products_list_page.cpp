#include "ui/products_list_page.h"

#include "grid/grid_setups.h"
#include "model/catalogue.h"
#include "model/days.h"
#include "ui/catalogue_models.h"
#include "ui/catalogue_texts.h"
#include "ui/modal_runner.h"
#include "ui/product_dialog.h"
#include "ui/texts.h"
#include "ui/user_prompts.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace kontaro::ui {

namespace t = catalogue_texts;

namespace {

constexpr int kButtonWidth = 162;

} // namespace

ProductsPage::ProductsPage(model::tProducts& products, const model::tGroups& groups, model::tDays& days,
                           QWidget* parent)
    : QWidget(parent),
      ListProducts_(new QTableView(this)),
      bAddProd_(new QPushButton(t::ButtonNew(), this)),
      bEditProd_(new QPushButton(t::ButtonChange(), this)),
      bDelProd_(new QPushButton(t::ButtonDelete(), this)),
      bExportProd_(new QPushButton(t::ButtonExportOverview(), this)),
      products_(products),
      groups_(groups),
      days_(days),
      model_(new ProductListModel(products, this))
{
    ListProducts_->setObjectName(QStringLiteral("ListProducts"));
    ListProducts_->setAccessibleName(texts::PageProducts());
    bAddProd_->setObjectName(QStringLiteral("bAddProd"));
    bEditProd_->setObjectName(QStringLiteral("bEditProd"));
    bDelProd_->setObjectName(QStringLiteral("bDelProd"));
    bExportProd_->setObjectName(QStringLiteral("bExportProd"));
    grid::SetupExportGrid(gExportGrid);

    ListProducts_->setModel(model_);
    SetupCatalogueList(*ListProducts_);
    connect(ListProducts_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &ProductsPage::ListProductsChange);
    connect(ListProducts_, &QTableView::activated, this, &ProductsPage::bEditProdClick);

    bEditProd_->setEnabled(false);
    bDelProd_->setEnabled(false);
    connect(bAddProd_, &QPushButton::clicked, this, &ProductsPage::bAddProdClick);
    connect(bEditProd_, &QPushButton::clicked, this, &ProductsPage::bEditProdClick);
    connect(bDelProd_, &QPushButton::clicked, this, &ProductsPage::bDelProdClick);

    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {bAddProd_, bEditProd_, bDelProd_, bExportProd_}) {
        button->setFixedWidth(kButtonWidth);
        buttons->addWidget(button);
    }
    buttons->addStretch(1);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(ListProducts_, 1);
    layout->addLayout(buttons);
}

void ProductsPage::Reset()
{
    model_->Reset();
    ListProductsChange();
}

int ProductsPage::SelectedIndex() const
{
    const QModelIndexList rows = ListProducts_->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void ProductsPage::ListProductsChange()
{
    const bool selected = SelectedIndex() >= 0;
    bEditProd_->setEnabled(selected);
    bDelProd_->setEnabled(selected);
    bExportProd_->setEnabled(products_.Count() > 0);
}

void ProductsPage::SelectID(int32_t id)
{
    const int index = products_.IndexOfID(id);
    if (index >= 0)
        ListProducts_->selectRow(index);
    ListProductsChange();
}

void ProductsPage::bAddProdClick()
{
    ProductDialog editor(window(), products_, groups_, &days_);
    editor.ProductIndex = ProductDialog::kNewProduct;
    if (RunModal(editor) == QDialog::Accepted) {
        emit CatalogueChanged();
        model_->Reset();
        SelectID(editor.ProductID());
    }
}

void ProductsPage::bEditProdClick()
{
    const int index = SelectedIndex();
    if (index < 0) {
        bEditProd_->setEnabled(false);
        return;
    }
    ProductDialog editor(window(), products_, groups_, &days_);
    editor.ProductIndex = index;
    if (RunModal(editor) == QDialog::Accepted) {
        const int32_t oldID = editor.OldID;
        const int32_t newID = editor.ProductID();
        if (oldID != newID)
            CarryIDChange(oldID, newID);
        products_.SortByID();
        emit CatalogueChanged();
        model_->Reset();
        SelectID(newID);
    }
}

void ProductsPage::CarryIDChange(int32_t oldID, int32_t newID)
{
    for (int d = 0; d < days_.Count(); ++d) {
        model::tDay& day = days_.Item(d);
        const int entry = day.IndexOfProduct(oldID);
        if (entry < 0)
            continue;
        day.Entry(entry).ProductID = newID;
        day.SortByProduct();
    }
}

bool ProductsPage::ProductUsed(int32_t id) const
{
    for (int d = 0; d < days_.Count(); ++d) {
        if (days_.Item(d).IndexOfProduct(id) >= 0)
            return true;
    }
    return false;
}

void ProductsPage::bDelProdClick()
{
    const int index = SelectedIndex();
    if (index < 0) {
        bDelProd_->setEnabled(false);
        return;
    }
    if (Prompts().ConfirmYesNo(window(), t::AskDeleteProduct()) != Answer::Yes)
        return;
    if (ProductUsed(products_.Item(index).ID)) {
        Prompts().Warning(window(), t::ProductInUse());
        return;
    }
    products_.Delete(index);
    emit CatalogueChanged();
    model_->Reset();
    ListProductsChange();
}

} // namespace kontaro::ui
