#include "ui/product_dialog.h"

#include "controls/labeled_edit.h"
#include "model/catalogue.h"
#include "model/days.h"
#include "ui/catalogue_texts.h"
#include "ui/dated_group_dialog.h"
#include "ui/dated_value_dialog.h"
#include "ui/modal_runner.h"
#include "ui/model_text.h"
#include "ui/user_prompts.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace kontaro::ui {

namespace t = catalogue_texts;
using controls::LabeledEdit;

namespace {

constexpr int kIDDigits = 6;

// Each row keeps its day number and its value next to the texts it shows, so that
// writing the lists back never reads a two-digit year or a rounded number.
constexpr int kDayRole = Qt::UserRole;
constexpr int kValueRole = Qt::UserRole;

struct ListSetup {
    const char* listName;
    const char* buttonPrefix;
    QString (*caption)();
    QString (*column)();
};

const std::array<ListSetup, 5>& Setups()
{
    static const std::array<ListSetup, 5> setups{{
        {"ProdName", "Name", &t::BoxName, &t::ColumnName},
        {"ProdEinkauf", "Einkauf", &t::BoxPurchaseNet, &t::ColumnPurchase},
        {"ProdVerkauf", "Verkauf", &t::BoxSales, &t::ColumnSales},
        {"ProdSteuer", "Steuer", &t::BoxTax, &t::ColumnTax},
        {"ProdGruppe", "Gruppe", &t::BoxGroup, &t::ColumnGroup},
    }};
    return setups;
}

// The shortest general form of a stored number, up to 15 significant digits.
QString StoredRealText(double value)
{
    QLocale plain;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    return plain.toString(value, 'g', 15);
}

model::DayNumber RowDay(const QTreeWidgetItem& row) { return row.data(0, kDayRole).toInt(); }

// Puts the row before the first row with a later date.
void InsertByDate(QTreeWidget& list, QTreeWidgetItem* row)
{
    const model::DayNumber day = RowDay(*row);
    int at = 0;
    while (at < list.topLevelItemCount() && RowDay(*list.topLevelItem(at)) <= day)
        ++at;
    list.insertTopLevelItem(at, row);
}

QTreeWidgetItem* MakeRow(model::DayNumber day, const QString& text, const QVariant& value)
{
    auto* row = new QTreeWidgetItem;
    row->setText(0, QString::fromStdString(model::ShortDateText(day)));
    row->setData(0, kDayRole, day);
    row->setText(1, text);
    row->setData(1, kValueRole, value);
    return row;
}

std::vector<model::DayNumber> RowDays(const QTreeWidget& list)
{
    std::vector<model::DayNumber> days;
    for (int i = 0; i < list.topLevelItemCount(); ++i)
        days.push_back(RowDay(*list.topLevelItem(i)));
    return days;
}

} // namespace

ProductDialog::ProductDialog(QWidget* owner, model::tProducts& products, const model::tGroups& groups,
                             const model::tDays* days)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::CustomizeWindowHint),
      grAllgemein_(new QGroupBox(t::BoxGeneral(), this)),
      ProdID_(new LabeledEdit(grAllgemein_)),
      ProdErr_(new QLabel(grAllgemein_)),
      cVerkaufSpec_(new QCheckBox(t::SalesVariable(), grAllgemein_)),
      cEinkaufSpec_(new QCheckBox(t::PurchasePercent(), grAllgemein_)),
      bOK_(new QPushButton(t::ButtonOk(), this)),
      bCancel_(new QPushButton(t::ButtonCancel(), this)),
      products_(products),
      groups_(groups),
      days_(days)
{
    setObjectName(QStringLiteral("ProductDialog"));
    setWindowTitle(t::ProductCaption());
    grAllgemein_->setObjectName(QStringLiteral("grAllgemein"));
    ProdID_->setObjectName(QStringLiteral("ProdID"));
    ProdErr_->setObjectName(QStringLiteral("ProdErr"));
    cVerkaufSpec_->setObjectName(QStringLiteral("cVerkaufSpec"));
    cEinkaufSpec_->setObjectName(QStringLiteral("cEinkaufSpec"));
    bOK_->setObjectName(QStringLiteral("bOK"));
    bCancel_->setObjectName(QStringLiteral("bCancel"));

    ProdID_->SetKind(LabeledEdit::Kind::Integer);
    ProdID_->SetLabelPosition(LabeledEdit::LabelPosition::Left);
    ProdID_->SetLabelText(t::LabelProductID());
    ProdID_->SetPlaceholderText(t::EnterID());
    ProdID_->SetMaxLength(kIDDigits);
    ProdID_->SetAlignment(Qt::AlignRight);
    ProdID_->SetText(QStringLiteral("0"));
    connect(ProdID_, &LabeledEdit::Changed, this, &ProductDialog::ProdIDChange);

    ProdErr_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    ProdErr_->setStyleSheet(QStringLiteral("color: #c00000;"));
    ProdErr_->hide();

    // The box goes to the right of the caption.
    cVerkaufSpec_->setLayoutDirection(Qt::RightToLeft);
    cEinkaufSpec_->setLayoutDirection(Qt::RightToLeft);
    connect(cVerkaufSpec_, &QCheckBox::toggled, this, &ProductDialog::cVerkaufSpecClick);
    connect(cEinkaufSpec_, &QCheckBox::toggled, this, &ProductDialog::cEinkaufSpecClick);

    auto* general = new QVBoxLayout(grAllgemein_);
    general->addWidget(ProdID_);
    general->addWidget(ProdErr_);
    general->addStretch(1);
    general->addWidget(cVerkaufSpec_, 0, Qt::AlignRight);
    general->addWidget(cEinkaufSpec_, 0, Qt::AlignRight);

    for (ListKind kind : {ListKind::Name, ListKind::Einkauf, ListKind::Verkauf, ListKind::Steuer, ListKind::Gruppe})
        lists_[Index(kind)] = MakeList(kind);
    lists_[Index(ListKind::Gruppe)].bEdit->setEnabled(false);
    lists_[Index(ListKind::Gruppe)].bDel->setEnabled(false);

    bOK_->setDefault(true);
    connect(bOK_, &QPushButton::clicked, this, &ProductDialog::bOKClick);
    connect(bCancel_, &QPushButton::clicked, this, &ProductDialog::reject);

    // The keys go through the dialog box by box, OK and Cancel last.
    QWidget* previous = ProdID_;
    for (QWidget* next : {static_cast<QWidget*>(cVerkaufSpec_), static_cast<QWidget*>(cEinkaufSpec_)}) {
        setTabOrder(previous, next);
        previous = next;
    }
    for (const DatedList& parts : lists_) {
        for (QWidget* next : {static_cast<QWidget*>(parts.list), static_cast<QWidget*>(parts.bNew),
                              static_cast<QWidget*>(parts.bEdit), static_cast<QWidget*>(parts.bDel)}) {
            setTabOrder(previous, next);
            previous = next;
        }
    }
    setTabOrder(previous, bOK_);
    setTabOrder(bOK_, bCancel_);

    auto* boxes = new QGridLayout;
    boxes->addWidget(grAllgemein_, 0, 0);
    boxes->addWidget(Box(ListKind::Name), 0, 1);
    boxes->addWidget(Box(ListKind::Einkauf), 1, 0);
    boxes->addWidget(Box(ListKind::Verkauf), 1, 1);
    boxes->addWidget(Box(ListKind::Steuer), 2, 0);
    boxes->addWidget(Box(ListKind::Gruppe), 2, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(bOK_);
    buttons->addWidget(bCancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(boxes, 1);
    layout->addLayout(buttons);
    setFixedSize(QSize(600, 540).expandedTo(minimumSizeHint()));
}

ProductDialog::DatedList ProductDialog::MakeList(ListKind kind)
{
    const ListSetup& setup = Setups()[Index(kind)];
    const QString prefix = QString::fromLatin1(setup.buttonPrefix);
    DatedList parts;
    parts.box = new QGroupBox(setup.caption(), this);
    parts.box->setObjectName(QStringLiteral("gr") + prefix);
    parts.list = new QTreeWidget(parts.box);
    parts.list->setObjectName(QString::fromLatin1(setup.listName));
    parts.list->setColumnCount(2);
    parts.list->setHeaderLabels({t::ColumnDate(), setup.column()});
    // The date column fits a short date in the font in use.
    parts.list->setColumnWidth(0, std::max(60, fontMetrics().horizontalAdvance(QStringLiteral("00-00-00")) + 16));
    // The value column takes the rest of the list's width.
    parts.list->header()->setStretchLastSection(true);
    parts.list->setMinimumSize(150, 90);
    parts.list->setRootIsDecorated(false);
    parts.list->setSelectionMode(QAbstractItemView::SingleSelection);
    parts.list->setSelectionBehavior(QAbstractItemView::SelectRows);
    parts.list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    parts.list->header()->setSectionsClickable(false);
    parts.bNew = new QPushButton(t::RowNew(), parts.box);
    parts.bEdit = new QPushButton(t::RowChange(), parts.box);
    parts.bDel = new QPushButton(t::RowDelete(), parts.box);
    parts.bNew->setObjectName(prefix + QStringLiteral("New"));
    parts.bEdit->setObjectName(prefix + QStringLiteral("Edit"));
    parts.bDel->setObjectName(prefix + QStringLiteral("Del"));

    connect(parts.list, &QTreeWidget::itemSelectionChanged, this, [this, kind] { ListChange(kind); });
    connect(parts.list, &QTreeWidget::itemActivated, this, [this, kind] { RowEditClick(kind); });
    connect(parts.bNew, &QPushButton::clicked, this, [this, kind] { RowNewClick(kind); });
    connect(parts.bEdit, &QPushButton::clicked, this, [this, kind] { RowEditClick(kind); });
    connect(parts.bDel, &QPushButton::clicked, this, [this, kind] { RowDelClick(kind); });

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(parts.bNew);
    buttons->addWidget(parts.bEdit);
    buttons->addWidget(parts.bDel);
    buttons->addStretch(1);
    auto* layout = new QHBoxLayout(parts.box);
    layout->addWidget(parts.list, 1);
    layout->addLayout(buttons);
    return parts;
}

int32_t ProductDialog::ProductID() const { return ProdID_->Text().toInt(); }

void ProductDialog::showEvent(QShowEvent* event)
{
    if (!shown_) {
        shown_ = true;
        FormShow();
    }
    QDialog::showEvent(event);
}

void ProductDialog::FormShow()
{
    if (ProductIndex == kNewProduct) {
        OldID = kNewProduct;
        cVerkaufSpecClick();
        bOK_->setEnabled(false);
        ProdID_->SetText(QStringLiteral("0"));
        ProdIDChange();
    } else {
        const model::tProduct& product = products_.Item(ProductIndex);
        OldID = product.ID;
        FillLists(product);
        // The check boxes cannot show this combination: unchecking the variable
        // price unchecks the percentage, so OK would turn the stored percentages
        // into prices. The user hears of it before anything is changed.
        if (product.EinkaufProzent && !product.VerkaufVariabel)
            Prompts().Warning(this, t::PercentWithoutVariablePrice());
        cEinkaufSpec_->setChecked(product.EinkaufProzent);
        cEinkaufSpecClick();
        cVerkaufSpec_->setChecked(product.VerkaufVariabel);
        cVerkaufSpecClick();
        bOK_->setEnabled(true);
        ProdID_->SetText(QString::number(product.ID));
        ProdIDChange();
    }
    for (ListKind kind : {ListKind::Name, ListKind::Einkauf, ListKind::Verkauf, ListKind::Steuer, ListKind::Gruppe})
        ListChange(kind);
    ProdID_->setFocus();
}

void ProductDialog::setVisible(bool visible)
{
    const bool opening = visible && !isVisible();
    QDialog::setVisible(visible);
    // Showing the dialog focuses the ID field with all of its text selected; the
    // caret goes to the start instead.
    if (opening)
        ProdID_->SetCursorPosition(0);
}

void ProductDialog::FillLists(const model::tProduct& product)
{
    for (int i = 0; i < product.Name.Count(); ++i) {
        const model::tStringItem& item = product.Name.Item(i);
        List(ListKind::Name)->addTopLevelItem(MakeRow(item.Date, FromModelText(item.Text), {}));
    }
    const auto fillReals = [this](ListKind kind, const model::tTimeFloatList& values) {
        for (int i = 0; i < values.Count(); ++i) {
            const model::tFloatItem& item = values.Item(i);
            List(kind)->addTopLevelItem(MakeRow(item.Date, StoredRealText(item.Value), item.Value));
        }
    };
    fillReals(ListKind::Einkauf, product.Einkauf);
    fillReals(ListKind::Verkauf, product.Verkauf);
    fillReals(ListKind::Steuer, product.Steuer);
    for (int i = 0; i < product.Gruppe.Count(); ++i) {
        const model::tIntegerItem& item = product.Gruppe.Item(i);
        const int group = groups_.IndexOfID(item.Value);
        if (group < 0) {
            Prompts().Warning(this, t::GroupGone());
            continue;
        }
        List(ListKind::Gruppe)
            ->addTopLevelItem(MakeRow(item.Date, FromModelText(groups_.Item(group).Name), item.Value));
    }
}

void ProductDialog::ShowIDError(const QString& text)
{
    ProdErr_->setText(text);
    ProdErr_->show();
    bOK_->setEnabled(false);
}

void ProductDialog::ProdIDChange()
{
    bool ok = false;
    const int32_t id = ProdID_->Text().toInt(&ok);
    if (!ok) {
        ShowIDError(t::IDNotValid());
    } else if (id == OldID) {
        ProdErr_->hide();
        UpdateOK();
    } else if (id == 0) {
        ShowIDError(t::IDEnterValid());
    } else if (IDTaken(id)) {
        ShowIDError(t::IDExists());
    } else {
        ProdErr_->hide();
        UpdateOK();
    }
}

bool ProductDialog::IDTaken(int32_t id) const
{
    if (products_.IndexOfID(id) >= 0)
        return true;
    // A new product may take the ID of orphaned entries (that recovers them); only
    // a change would give such a day two entries of one product.
    if (days_ != nullptr && ProductIndex != kNewProduct) {
        for (int d = 0; d < days_->Count(); ++d) {
            if (days_->Item(d).IndexOfProduct(id) >= 0)
                return true;
        }
    }
    return false;
}

void ProductDialog::UpdateOK()
{
    const auto hasRows = [this](ListKind kind) { return List(kind)->topLevelItemCount() > 0; };
    bOK_->setEnabled(ProdErr_->isHidden() && hasRows(ListKind::Name) && hasRows(ListKind::Einkauf) &&
                     (hasRows(ListKind::Verkauf) || cVerkaufSpec_->isChecked()) && hasRows(ListKind::Steuer) &&
                     hasRows(ListKind::Gruppe));
}

void ProductDialog::cEinkaufSpecClick()
{
    Box(ListKind::Einkauf)->setTitle(cEinkaufSpec_->isChecked() ? t::BoxPurchasePercent() : t::BoxPurchaseNet());
}

void ProductDialog::cVerkaufSpecClick()
{
    const bool variable = cVerkaufSpec_->isChecked();
    const DatedList& sales = lists_[Index(ListKind::Verkauf)];
    QPalette look = sales.list->palette();
    look.setColor(QPalette::Base, palette().color(variable ? QPalette::Button : QPalette::Base));
    sales.list->setPalette(look);
    sales.box->setEnabled(!variable);
    if (variable) {
        cEinkaufSpec_->setEnabled(true);
    } else {
        cEinkaufSpec_->setChecked(false);
        cEinkaufSpecClick();
        cEinkaufSpec_->setEnabled(false);
    }
    UpdateOK();
}

void ProductDialog::ListChange(ListKind kind)
{
    const DatedList& parts = lists_[Index(kind)];
    const bool selected = parts.list->currentItem() != nullptr && parts.list->currentItem()->isSelected();
    if (kind == ListKind::Gruppe && groups_.Count() == 0) {
        parts.bNew->setEnabled(false);
        parts.bEdit->setEnabled(false);
    } else {
        parts.bNew->setEnabled(true);
        parts.bEdit->setEnabled(selected);
    }
    parts.bDel->setEnabled(parts.bEdit->isEnabled());
    UpdateOK();
}

void ProductDialog::RowNewClick(ListKind kind)
{
    if (kind == ListKind::Gruppe && groups_.Count() == 0) {
        Prompts().Warning(this, t::NoGroupsYet());
        lists_[Index(kind)].bNew->setEnabled(false);
        return;
    }
    RunRowDialog(kind, nullptr);
}

void ProductDialog::RowEditClick(ListKind kind)
{
    QTreeWidget* list = List(kind);
    QTreeWidgetItem* row = list->currentItem();
    if (row == nullptr || !row->isSelected() || !lists_[Index(kind)].bEdit->isEnabled())
        return;
    RunRowDialog(kind, row);
}

void ProductDialog::RowDelClick(ListKind kind)
{
    QTreeWidgetItem* row = List(kind)->currentItem();
    if (row == nullptr || !row->isSelected())
        return;
    delete row;
    ListChange(kind);
}

void ProductDialog::RunRowDialog(ListKind kind, QTreeWidgetItem* row)
{
    QTreeWidget* list = List(kind);
    const QString caption = Box(kind)->title().trimmed();
    std::optional<model::DayNumber> oldDate;
    if (row != nullptr)
        oldDate = RowDay(*row);

    model::DayNumber day = 0;
    QString text;
    QVariant value;
    if (kind == ListKind::Gruppe) {
        DatedGroupDialog dialog(this, groups_);
        dialog.setWindowTitle(caption);
        dialog.DateList = RowDays(*list);
        dialog.OldDate = oldDate;
        dialog.SelectGroup(row != nullptr ? row->data(1, kValueRole).toInt() : groups_.Item(0).ID);
        if (RunModal(dialog) != QDialog::Accepted || !dialog.GroupID())
            return;
        day = dialog.Day();
        text = dialog.GroupText();
        value = *dialog.GroupID();
    } else {
        struct ValueSetup {
            QString label;
            QString placeholder;
            QString proposal;
        };
        const ValueSetup setup = [&]() -> ValueSetup {
            switch (kind) {
            case ListKind::Name:
                return {t::LabelName(), t::EnterName(), QString()};
            case ListKind::Einkauf:
                return cEinkaufSpec_->isChecked()
                           ? ValueSetup{t::LabelPurchasePercent(), t::EnterPercent(), QStringLiteral("0")}
                           : ValueSetup{t::LabelPurchase(), t::EnterPrice(), QStringLiteral("0")};
            case ListKind::Verkauf:
                return {t::LabelSales(), t::EnterPrice(), QStringLiteral("0")};
            default:
                return {t::LabelTax(), t::EnterTax(), QStringLiteral("10")};
            }
        }();
        DatedValueDialog dialog(this);
        dialog.setWindowTitle(caption);
        dialog.DateList = RowDays(*list);
        dialog.OldDate = oldDate;
        dialog.SetValueKind(kind == ListKind::Name ? DatedValueDialog::ValueKind::Name
                                                   : DatedValueDialog::ValueKind::Real);
        dialog.SetValueField(row != nullptr ? row->text(1) : setup.proposal, setup.label, setup.placeholder);
        if (RunModal(dialog) != QDialog::Accepted)
            return;
        day = dialog.Day();
        text = dialog.ValueText();
        if (kind != ListKind::Name)
            value = LabeledEdit::RealValue(text);
    }

    if (row == nullptr) {
        row = MakeRow(day, text, value);
    } else {
        list->takeTopLevelItem(list->indexOfTopLevelItem(row));
        row->setText(0, QString::fromStdString(model::ShortDateText(day)));
        row->setData(0, kDayRole, day);
        row->setText(1, text);
        row->setData(1, kValueRole, value);
    }
    InsertByDate(*list, row);
    list->setCurrentItem(row);
    ListChange(kind);
}

void ProductDialog::bOKClick()
{
    if (!bOK_->isEnabled())
        return;
    const int32_t id = ProductID();
    if (ProductIndex == kNewProduct) {
        auto product = std::make_unique<model::tProduct>();
        product->ID = id;
        const int index = products_.AddProduct(product);
        if (index < 0) {
            Prompts().Warning(this, t::ProductNotAdded());
            reject();
            return;
        }
        ProductIndex = index;
    } else {
        products_.Item(ProductIndex).ID = id;
    }
    model::tProduct& product = products_.Item(ProductIndex);
    WriteLists(product);
    product.EinkaufProzent = cEinkaufSpec_->isChecked();
    product.VerkaufVariabel = cVerkaufSpec_->isChecked();
    accept();
}

void ProductDialog::WriteLists(model::tProduct& product) const
{
    const auto rows = [this](ListKind kind) {
        std::vector<const QTreeWidgetItem*> items;
        for (int i = 0; i < List(kind)->topLevelItemCount(); ++i)
            items.push_back(List(kind)->topLevelItem(i));
        return items;
    };
    product.Name.Clear();
    for (const QTreeWidgetItem* row : rows(ListKind::Name)) {
        // The name field takes only characters the model text can hold.
        product.Name.AddValue(RowDay(*row), ToModelText(row->text(1)).value_or(std::string()));
    }
    product.Name.SortByDate();
    const auto writeReals = [&](ListKind kind, model::tTimeFloatList& values) {
        values.Clear();
        for (const QTreeWidgetItem* row : rows(kind))
            values.AddValue(RowDay(*row), row->data(1, kValueRole).toDouble());
        values.SortByDate();
    };
    writeReals(ListKind::Einkauf, product.Einkauf);
    writeReals(ListKind::Verkauf, product.Verkauf);
    writeReals(ListKind::Steuer, product.Steuer);
    product.Gruppe.Clear();
    for (const QTreeWidgetItem* row : rows(ListKind::Gruppe))
        product.Gruppe.AddValue(RowDay(*row), row->data(1, kValueRole).toInt());
    product.Gruppe.SortByDate();
}

} // namespace kontaro::ui
