#include "ui/product_page.h"

#include "controls/labeled_edit.h"
#include "model/catalogue.h"
#include "model/days.h"
#include "ui/catalogue_texts.h"
#include "ui/detail_page.h"
#include "ui/group_detail.h"
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
constexpr int kNameLength = 40;

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

DayNumber RowDay(const QTreeWidgetItem& row) { return row.data(0, kDayRole).toInt(); }

// Puts the row before the first row with a later date.
void InsertByDate(QTreeWidget& list, QTreeWidgetItem* row)
{
    const DayNumber day = RowDay(*row);
    int at = 0;
    while (at < list.topLevelItemCount() && RowDay(*list.topLevelItem(at)) <= day)
        ++at;
    list.insertTopLevelItem(at, row);
}

QTreeWidgetItem* MakeRow(DayNumber day, const QString& text, const QVariant& value)
{
    auto* row = new QTreeWidgetItem;
    row->setText(0, QString::fromStdString(ShortDateText(day)));
    row->setData(0, kDayRole, day);
    row->setText(1, text);
    row->setData(1, kValueRole, value);
    return row;
}

std::vector<DayNumber> RowDays(const QTreeWidget& list)
{
    std::vector<DayNumber> days;
    for (int i = 0; i < list.topLevelItemCount(); ++i)
        days.push_back(RowDay(*list.topLevelItem(i)));
    return days;
}

} // namespace

TProduktPage::TProduktPage(QWidget* owner, tProducts& products, const tGroups& groups, const tDays* days)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                         | Qt::CustomizeWindowHint),
      grAllgemein(new QGroupBox(t::BoxGeneral(), this)),
      ProdID(new LabeledEdit(grAllgemein)),
      ProdErr(new QLabel(grAllgemein)),
      cVerkaufSpec(new QCheckBox(t::SalesVariable(), grAllgemein)),
      cEinkaufSpec(new QCheckBox(t::PurchasePercent(), grAllgemein)),
      bOK(new QPushButton(t::ButtonOk(), this)),
      bCancel(new QPushButton(t::ButtonCancel(), this)),
      products_(products),
      groups_(groups),
      days_(days)
{
    setObjectName(QStringLiteral("TProduktPage"));
    setWindowTitle(t::ProductCaption());
    grAllgemein->setObjectName(QStringLiteral("grAllgemein"));
    ProdID->setObjectName(QStringLiteral("ProdID"));
    ProdErr->setObjectName(QStringLiteral("ProdErr"));
    cVerkaufSpec->setObjectName(QStringLiteral("cVerkaufSpec"));
    cEinkaufSpec->setObjectName(QStringLiteral("cEinkaufSpec"));
    bOK->setObjectName(QStringLiteral("bOK"));
    bCancel->setObjectName(QStringLiteral("bCancel"));

    ProdID->SetKind(LabeledEdit::Kind::Integer);
    ProdID->SetLabelPosition(LabeledEdit::LabelPosition::Left);
    ProdID->SetLabelText(t::LabelProductID());
    ProdID->SetPlaceholderText(t::EnterID());
    ProdID->SetMaxLength(kIDDigits);
    ProdID->SetAlignment(Qt::AlignRight);
    ProdID->SetText(QStringLiteral("0"));
    connect(ProdID, &LabeledEdit::Changed, this, &TProduktPage::ProdIDChange);

    ProdErr->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    ProdErr->setStyleSheet(QStringLiteral("color: #c00000;"));
    ProdErr->hide();

    // The box goes to the right of the caption.
    cVerkaufSpec->setLayoutDirection(Qt::RightToLeft);
    cEinkaufSpec->setLayoutDirection(Qt::RightToLeft);
    connect(cVerkaufSpec, &QCheckBox::toggled, this, &TProduktPage::cVerkaufSpecClick);
    connect(cEinkaufSpec, &QCheckBox::toggled, this, &TProduktPage::cEinkaufSpecClick);

    auto* general = new QVBoxLayout(grAllgemein);
    general->addWidget(ProdID);
    general->addWidget(ProdErr);
    general->addStretch(1);
    general->addWidget(cVerkaufSpec, 0, Qt::AlignRight);
    general->addWidget(cEinkaufSpec, 0, Qt::AlignRight);

    for (ListKind kind : {ListKind::Name, ListKind::Einkauf, ListKind::Verkauf, ListKind::Steuer,
                          ListKind::Gruppe})
        lists_[Index(kind)] = MakeList(kind);
    lists_[Index(ListKind::Gruppe)].bEdit->setEnabled(false);
    lists_[Index(ListKind::Gruppe)].bDel->setEnabled(false);

    bOK->setDefault(true);
    connect(bOK, &QPushButton::clicked, this, &TProduktPage::bOKClick);
    connect(bCancel, &QPushButton::clicked, this, &TProduktPage::reject);

    // The keys go through the dialog box by box, OK and Cancel last.
    QWidget* previous = ProdID;
    for (QWidget* next : {static_cast<QWidget*>(cVerkaufSpec), static_cast<QWidget*>(cEinkaufSpec)}) {
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
    setTabOrder(previous, bOK);
    setTabOrder(bOK, bCancel);

    auto* boxes = new QGridLayout;
    boxes->addWidget(grAllgemein, 0, 0);
    boxes->addWidget(Box(ListKind::Name), 0, 1);
    boxes->addWidget(Box(ListKind::Einkauf), 1, 0);
    boxes->addWidget(Box(ListKind::Verkauf), 1, 1);
    boxes->addWidget(Box(ListKind::Steuer), 2, 0);
    boxes->addWidget(Box(ListKind::Gruppe), 2, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(bOK);
    buttons->addWidget(bCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(boxes, 1);
    layout->addLayout(buttons);
    setFixedSize(QSize(600, 540).expandedTo(minimumSizeHint()));
}

TProduktPage::DatedList TProduktPage::MakeList(ListKind kind)
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

int32_t TProduktPage::ProductID() const { return ProdID->Text().toInt(); }

void TProduktPage::showEvent(QShowEvent* event)
{
    if (!shown_) {
        shown_ = true;
        FormShow();
    }
    QDialog::showEvent(event);
}

void TProduktPage::FormShow()
{
    if (ProductIndex == kNewProduct) {
        OldID = kNewProduct;
        cVerkaufSpecClick();
        bOK->setEnabled(false);
        ProdID->SetText(QStringLiteral("0"));
        ProdIDChange();
    } else {
        const tProduct& product = products_.Item(ProductIndex);
        OldID = product.ID;
        FillLists(product);
        cEinkaufSpec->setChecked(product.EinkaufProzent);
        cEinkaufSpecClick();
        cVerkaufSpec->setChecked(product.VerkaufVariabel);
        cVerkaufSpecClick();
        bOK->setEnabled(true);
        ProdID->SetText(QString::number(product.ID));
        ProdIDChange();
    }
    for (ListKind kind : {ListKind::Name, ListKind::Einkauf, ListKind::Verkauf, ListKind::Steuer,
                          ListKind::Gruppe})
        ListChange(kind);
    ProdID->setFocus();
}

void TProduktPage::setVisible(bool visible)
{
    const bool opening = visible && !isVisible();
    QDialog::setVisible(visible);
    // Showing the dialog focuses the ID field with all of its text selected; the
    // caret goes to the start instead.
    if (opening)
        ProdID->SetCursorPosition(0);
}

void TProduktPage::FillLists(const tProduct& product)
{
    for (int i = 0; i < product.Name.Count(); ++i) {
        const tStringItem& item = product.Name.Item(i);
        List(ListKind::Name)->addTopLevelItem(MakeRow(item.Date, FromModelText(item.Text), {}));
    }
    const auto fillReals = [this](ListKind kind, const tTimeFloatList& values) {
        for (int i = 0; i < values.Count(); ++i) {
            const tFloatItem& item = values.Item(i);
            List(kind)->addTopLevelItem(MakeRow(item.Date, StoredRealText(item.Value), item.Value));
        }
    };
    fillReals(ListKind::Einkauf, product.Einkauf);
    fillReals(ListKind::Verkauf, product.Verkauf);
    fillReals(ListKind::Steuer, product.Steuer);
    for (int i = 0; i < product.Gruppe.Count(); ++i) {
        const tIntegerItem& item = product.Gruppe.Item(i);
        const int group = groups_.IndexOfID(item.Value);
        if (group < 0) {
            Prompts().Warning(this, t::GroupGone());
            continue;
        }
        List(ListKind::Gruppe)
            ->addTopLevelItem(MakeRow(item.Date, FromModelText(groups_.Item(group).Name), item.Value));
    }
}

void TProduktPage::ShowIDError(const QString& text)
{
    ProdErr->setText(text);
    ProdErr->show();
    bOK->setEnabled(false);
}

void TProduktPage::ProdIDChange()
{
    bool ok = false;
    const int32_t id = ProdID->Text().toInt(&ok);
    if (!ok) {
        ShowIDError(t::IDNotValid());
    } else if (id == OldID) {
        ProdErr->hide();
        UpdateOK();
    } else if (id == 0) {
        ShowIDError(t::IDEnterValid());
    } else if (IDTaken(id)) {
        ShowIDError(t::IDExists());
    } else {
        ProdErr->hide();
        UpdateOK();
    }
}

bool TProduktPage::IDTaken(int32_t id) const
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

void TProduktPage::UpdateOK()
{
    const auto hasRows = [this](ListKind kind) { return List(kind)->topLevelItemCount() > 0; };
    bOK->setEnabled(ProdErr->isHidden() && hasRows(ListKind::Name) && hasRows(ListKind::Einkauf)
                    && (hasRows(ListKind::Verkauf) || cVerkaufSpec->isChecked())
                    && hasRows(ListKind::Steuer) && hasRows(ListKind::Gruppe));
}

void TProduktPage::cEinkaufSpecClick()
{
    Box(ListKind::Einkauf)->setTitle(cEinkaufSpec->isChecked() ? t::BoxPurchasePercent() : t::BoxPurchaseNet());
}

void TProduktPage::cVerkaufSpecClick()
{
    const bool variable = cVerkaufSpec->isChecked();
    const DatedList& sales = lists_[Index(ListKind::Verkauf)];
    QPalette look = sales.list->palette();
    look.setColor(QPalette::Base, palette().color(variable ? QPalette::Button : QPalette::Base));
    sales.list->setPalette(look);
    sales.box->setEnabled(!variable);
    if (variable) {
        cEinkaufSpec->setEnabled(true);
    } else {
        cEinkaufSpec->setChecked(false);
        cEinkaufSpecClick();
        cEinkaufSpec->setEnabled(false);
    }
    UpdateOK();
}

void TProduktPage::ListChange(ListKind kind)
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

void TProduktPage::RowNewClick(ListKind kind)
{
    if (kind == ListKind::Gruppe && groups_.Count() == 0) {
        Prompts().Warning(this, t::NoGroupsYet());
        lists_[Index(kind)].bNew->setEnabled(false);
        return;
    }
    RunRowDialog(kind, nullptr);
}

void TProduktPage::RowEditClick(ListKind kind)
{
    QTreeWidget* list = List(kind);
    QTreeWidgetItem* row = list->currentItem();
    if (row == nullptr || !row->isSelected() || !lists_[Index(kind)].bEdit->isEnabled())
        return;
    RunRowDialog(kind, row);
}

void TProduktPage::RowDelClick(ListKind kind)
{
    QTreeWidgetItem* row = List(kind)->currentItem();
    if (row == nullptr || !row->isSelected())
        return;
    delete row;
    ListChange(kind);
}

void TProduktPage::RunRowDialog(ListKind kind, QTreeWidgetItem* row)
{
    QTreeWidget* list = List(kind);
    const QString caption = Box(kind)->title().trimmed();
    std::optional<DayNumber> oldDate;
    if (row != nullptr)
        oldDate = RowDay(*row);

    DayNumber day = 0;
    QString text;
    QVariant value;
    if (kind == ListKind::Gruppe) {
        TGroupDetail dialog(this, groups_);
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
                return cEinkaufSpec->isChecked()
                           ? ValueSetup{t::LabelPurchasePercent(), t::EnterPercent(), QStringLiteral("0")}
                           : ValueSetup{t::LabelPurchase(), t::EnterPrice(), QStringLiteral("0")};
            case ListKind::Verkauf:
                return {t::LabelSales(), t::EnterPrice(), QStringLiteral("0")};
            default:
                return {t::LabelTax(), t::EnterTax(), QStringLiteral("10")};
            }
        }();
        TDetailPage dialog(this);
        dialog.setWindowTitle(caption);
        dialog.DateList = RowDays(*list);
        dialog.OldDate = oldDate;
        dialog.SetValueKind(kind == ListKind::Name ? TDetailPage::ValueKind::Name : TDetailPage::ValueKind::Real);
        if (kind == ListKind::Name)
            dialog.Value->SetMaxLength(kNameLength);
        dialog.Value->SetText(row != nullptr ? row->text(1) : setup.proposal);
        dialog.Value->SetLabelText(setup.label);
        dialog.Value->SetPlaceholderText(setup.placeholder);
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
        row->setText(0, QString::fromStdString(ShortDateText(day)));
        row->setData(0, kDayRole, day);
        row->setText(1, text);
        row->setData(1, kValueRole, value);
    }
    InsertByDate(*list, row);
    list->setCurrentItem(row);
    ListChange(kind);
}

void TProduktPage::bOKClick()
{
    if (!bOK->isEnabled())
        return;
    const int32_t id = ProductID();
    if (ProductIndex == kNewProduct) {
        auto product = std::make_unique<tProduct>();
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
    tProduct& product = products_.Item(ProductIndex);
    WriteLists(product);
    product.EinkaufProzent = cEinkaufSpec->isChecked();
    product.VerkaufVariabel = cVerkaufSpec->isChecked();
    accept();
}

void TProduktPage::WriteLists(tProduct& product) const
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
    const auto writeReals = [&](ListKind kind, tTimeFloatList& values) {
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
