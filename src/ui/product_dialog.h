#pragma once
// ProductDialog: the modal product editor. It shows the ID, the two flags and the
// five dated lists (names, purchase prices, sales prices, tax rates, groups) of
// one product, or of a new one, and lets the user change them on copies. Only OK
// writes into the catalogue, in one step: a new product is added to `products`,
// an existing one is changed in place (same object, same index; the caller sorts
// the products again). Cancel leaves the catalogue untouched. A percentage purchase
// price goes only with a variable sales price; a product stored with the one but
// not the other opens with a warning that OK stores its purchase prices as fixed
// prices.
//
// Before showing it the caller sets ProductIndex (kNewProduct for a new product).
// After OK the caller reads OldID and ProductID() and carries an ID change into
// the days.
#include "model/day_number.h"

#include <QDialog>

#include <array>
#include <cstdint>
#include <limits>
#include <vector>

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace kontaro::model {
class tDays;
class tGroups;
class tProduct;
class tProducts;
} // namespace kontaro::model

namespace kontaro::controls {
class LabeledEdit;
}

namespace kontaro::ui {

class ProductDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int32_t kNewProduct = std::numeric_limits<int32_t>::max();

    // The five dated lists, in the order of their group boxes.
    enum class ListKind { Name, Einkauf, Verkauf, Steuer, Gruppe };

    // With `days`, changing the ID of a product to one that day entries still
    // carry (of a product no longer in the catalogue) is refused like a taken ID,
    // so that the change never gives a day two entries of one product.
    ProductDialog(QWidget* owner, model::tProducts& products, const model::tGroups& groups,
                  const model::tDays* days = nullptr);

    // Index in the products of the product to change, or kNewProduct; after OK
    // for a new product the index it was added at.
    int32_t ProductIndex = kNewProduct;
    // The product's ID when the dialog opened; kNewProduct for a new product.
    int32_t OldID = kNewProduct;

    // The ID in the ID field; 0 when it holds none.
    int32_t ProductID() const;

    void FormShow();
    void ProdIDChange();
    void UpdateOK();
    void cVerkaufSpecClick();
    void cEinkaufSpecClick();
    // The selection rule of a list (ProdNameChange ... ProdGruppeChange).
    void ListChange(ListKind kind);
    // "Neu", "Ändern" and "Löschen" of a list.
    void RowNewClick(ListKind kind);
    void RowEditClick(ListKind kind);
    void RowDelClick(ListKind kind);
    void bOKClick();

    void setVisible(bool visible) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    struct DatedList {
        QGroupBox* box = nullptr;
        QTreeWidget* list = nullptr;
        QPushButton* bNew = nullptr;
        QPushButton* bEdit = nullptr;
        QPushButton* bDel = nullptr;
    };

    static constexpr std::size_t Index(ListKind kind) { return static_cast<std::size_t>(kind); }
    QGroupBox* Box(ListKind kind) const { return lists_[Index(kind)].box; }
    QTreeWidget* List(ListKind kind) const { return lists_[Index(kind)].list; }
    DatedList MakeList(ListKind kind);
    void FillLists(const model::tProduct& product);
    // Opens the dated value dialog for a new row (row == nullptr) or for `row`.
    void RunRowDialog(ListKind kind, QTreeWidgetItem* row);
    void WriteLists(model::tProduct& product) const;
    void ShowIDError(const QString& text);
    bool IDTaken(int32_t id) const;

    QGroupBox* const grAllgemein_;
    controls::LabeledEdit* const ProdID_;
    QLabel* const ProdErr_;
    QCheckBox* const cVerkaufSpec_;
    QCheckBox* const cEinkaufSpec_;
    QPushButton* const bOK_;
    QPushButton* const bCancel_;
    model::tProducts& products_;
    const model::tGroups& groups_;
    const model::tDays* days_;
    std::array<DatedList, 5> lists_;
    bool shown_ = false;
};

} // namespace kontaro::ui
