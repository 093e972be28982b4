#include "ui/groups_list_page.h"

#include "controls/labeled_edit.h"
#include "model/catalogue.h"
#include "ui/catalogue_models.h"
#include "ui/catalogue_texts.h"
#include "ui/group_dialog.h"
#include "ui/modal_runner.h"
#include "ui/model_text.h"
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

GroupsPage::GroupsPage(model::tGroups& groups, const model::tProducts& products, QWidget* parent)
    : QWidget(parent),
      ListGroups_(new QTableView(this)),
      bNewGroup_(new QPushButton(t::ButtonNew(), this)),
      bEditGroup_(new QPushButton(t::ButtonChange(), this)),
      bDelGroup_(new QPushButton(t::ButtonDelete(), this)),
      groups_(groups),
      products_(products),
      model_(new GroupListModel(groups, this))
{
    ListGroups_->setObjectName(QStringLiteral("ListGroups"));
    ListGroups_->setAccessibleName(texts::PageGroups());
    bNewGroup_->setObjectName(QStringLiteral("bNewGroup"));
    bEditGroup_->setObjectName(QStringLiteral("bEditGroup"));
    bDelGroup_->setObjectName(QStringLiteral("bDelGroup"));

    ListGroups_->setModel(model_);
    SetupCatalogueList(*ListGroups_);
    connect(ListGroups_->selectionModel(), &QItemSelectionModel::selectionChanged, this, &GroupsPage::ListGroupsChange);
    connect(ListGroups_, &QTableView::activated, this, &GroupsPage::bEditGroupClick);

    bEditGroup_->setEnabled(false);
    bDelGroup_->setEnabled(false);
    connect(bNewGroup_, &QPushButton::clicked, this, &GroupsPage::bNewGroupClick);
    connect(bEditGroup_, &QPushButton::clicked, this, &GroupsPage::bEditGroupClick);
    connect(bDelGroup_, &QPushButton::clicked, this, &GroupsPage::bDelGroupClick);

    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {bNewGroup_, bEditGroup_, bDelGroup_}) {
        button->setFixedWidth(kButtonWidth);
        buttons->addWidget(button);
    }
    buttons->addStretch(1);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(ListGroups_, 1);
    layout->addLayout(buttons);
}

void GroupsPage::Reset()
{
    model_->Reset();
    ListGroupsChange();
}

int GroupsPage::SelectedIndex() const
{
    const QModelIndexList rows = ListGroups_->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void GroupsPage::ListGroupsChange()
{
    const bool selected = SelectedIndex() >= 0;
    bEditGroup_->setEnabled(selected);
    bDelGroup_->setEnabled(selected);
}

void GroupsPage::SelectID(int32_t id)
{
    const int index = groups_.IndexOfID(id);
    if (index >= 0)
        ListGroups_->selectRow(index);
    ListGroupsChange();
}

std::vector<int32_t> GroupsPage::IDsInUse() const
{
    std::vector<int32_t> ids;
    for (int i = 0; i < groups_.Count(); ++i)
        ids.push_back(groups_.Item(i).ID);
    return ids;
}

void GroupsPage::bNewGroupClick()
{
    GroupDialog editor(window());
    editor.IDList = IDsInUse();
    editor.OldID = -1;
    if (RunModal(editor) != QDialog::Accepted)
        return;
    auto group = std::make_unique<model::tGroup>();
    group->ID = editor.GroupID();
    group->Name = ToModelText(editor.GroupName()).value_or(std::string());
    if (groups_.AddGroup(group) < 0)
        Prompts().Warning(window(), t::GroupNotAdded());
    emit CatalogueChanged();
    model_->Reset();
    SelectID(editor.GroupID());
}

void GroupsPage::bEditGroupClick()
{
    const int index = SelectedIndex();
    if (index < 0) {
        bEditGroup_->setEnabled(false);
        return;
    }
    model::tGroup& group = groups_.Item(index);
    GroupDialog editor(window());
    editor.IDList = IDsInUse();
    editor.OldID = group.ID;
    editor.ShowGroup(group.ID, FromModelText(group.Name));
    if (RunModal(editor) != QDialog::Accepted)
        return;
    group.ID = editor.GroupID();
    group.Name = ToModelText(editor.GroupName()).value_or(group.Name);
    groups_.SortByID();
    emit CatalogueChanged();
    model_->Reset();
    SelectID(editor.GroupID());
}

bool GroupsPage::GroupUsed(int32_t id) const
{
    for (int p = 0; p < products_.Count(); ++p) {
        const model::tTimeintegerList& uses = products_.Item(p).Gruppe;
        for (int i = 0; i < uses.Count(); ++i) {
            if (uses.Item(i).Value == id)
                return true;
        }
    }
    return false;
}

void GroupsPage::bDelGroupClick()
{
    const int index = SelectedIndex();
    if (index < 0) {
        bDelGroup_->setEnabled(false);
        return;
    }
    if (GroupUsed(groups_.Item(index).ID)) {
        Prompts().Warning(window(), t::GroupInUse());
        return;
    }
    if (Prompts().ConfirmYesNo(window(), t::AskDeleteGroup()) != Answer::Yes)
        return;
    groups_.Delete(index);
    emit CatalogueChanged();
    model_->Reset();
    ListGroupsChange();
}

} // namespace kontaro::ui
