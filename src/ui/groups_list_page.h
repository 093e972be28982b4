#pragma once
// The page "Gruppen": the list of all groups (ListGroups, drawn on demand from the
// groups) and the buttons to create, change and delete a group. A group is deleted
// only when no product refers to it at any date. Changing a group's ID leaves the
// products' references as they are.
//
// The page works on the window's collections, which must outlive it.
#include <QWidget>

#include <cstdint>
#include <vector>

class QPushButton;
class QTableView;

namespace kontaro::model {
class tGroups;
class tProducts;
} // namespace kontaro::model

namespace kontaro::ui {

class GroupListModel;

class GroupsPage : public QWidget {
    Q_OBJECT
public:
    GroupsPage(model::tGroups& groups, const model::tProducts& products, QWidget* parent = nullptr);

    // Shows the groups as they are now (after New, Load or any change of them).
    void Reset();

    void ListGroupsChange();
    void bNewGroupClick();
    void bEditGroupClick();
    void bDelGroupClick();

signals:
    // A group was added, changed or deleted.
    void CatalogueChanged();

private:
    int SelectedIndex() const;
    void SelectID(int32_t id);
    std::vector<int32_t> IDsInUse() const;
    bool GroupUsed(int32_t id) const;

    QTableView* const ListGroups_;
    QPushButton* const bNewGroup_;
    QPushButton* const bEditGroup_;
    QPushButton* const bDelGroup_;
    model::tGroups& groups_;
    const model::tProducts& products_;
    GroupListModel* const model_;
};

} // namespace kontaro::ui
