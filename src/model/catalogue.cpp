#include "model/catalogue.h"

#include "model/sorted_list.h"

namespace kontaro::model {

namespace {
constexpr auto kProductID = [](const tProduct& p) { return p.ID; };
constexpr auto kGroupID = [](const tGroup& g) { return g.ID; };
} // namespace

bool tProduct::IsComplete() const
{
    return Name.Count() > 0 && Einkauf.Count() > 0 && Steuer.Count() > 0 && Gruppe.Count() > 0 &&
           (VerkaufVariabel || Verkauf.Count() > 0);
}

int tProducts::Count() const { return static_cast<int>(items_.size()); }
const tProduct& tProducts::Item(int index) const { return *items_[CheckedIndex(index, items_.size())]; }
tProduct& tProducts::Item(int index) { return *items_[CheckedIndex(index, items_.size())]; }
int tProducts::IndexOfID(int32_t id) const { return SortedIndexOf(items_, id, kProductID); }
int tProducts::AddProduct(std::unique_ptr<tProduct>& product) { return InsertSorted(items_, product, kProductID); }

void tProducts::Delete(int index)
{
    items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(CheckedIndex(index, items_.size())));
}

void tProducts::SortByID() { SortByKey(items_, kProductID); }

void tProducts::Clear() { items_.clear(); }

int tGroups::Count() const { return static_cast<int>(items_.size()); }
const tGroup& tGroups::Item(int index) const { return *items_[CheckedIndex(index, items_.size())]; }
tGroup& tGroups::Item(int index) { return *items_[CheckedIndex(index, items_.size())]; }
int tGroups::IndexOfID(int32_t id) const { return SortedIndexOf(items_, id, kGroupID); }
int tGroups::AddGroup(std::unique_ptr<tGroup>& group) { return InsertSorted(items_, group, kGroupID); }

void tGroups::Delete(int index)
{
    items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(CheckedIndex(index, items_.size())));
}

void tGroups::SortByID() { SortByKey(items_, kGroupID); }

void tGroups::Clear() { items_.clear(); }

} // namespace kontaro::model
