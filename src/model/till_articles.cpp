#include "model/till_articles.h"

#include "model/sorted_list.h"

#include <algorithm>

namespace kontaro::model {

namespace {

template <class Items>
auto Position(Items& items, std::string_view artNr)
{
    return std::lower_bound(items.begin(), items.end(), artNr,
                            [](const tTillArticle& item, std::string_view key) { return item.ArtNr.compare(key) < 0; });
}

} // namespace

const tTillArticle& tTillArticles::Item(int index) const { return items_[CheckedIndex(index, items_.size())]; }

std::optional<int32_t> tTillArticles::ProductOf(std::string_view artNr) const
{
    const auto at = Position(items_, artNr);
    if (at == items_.end() || at->ArtNr != artNr)
        return std::nullopt;
    return at->ProductID;
}

void tTillArticles::Set(std::string_view artNr, int32_t productId)
{
    const auto at = Position(items_, artNr);
    if (at != items_.end() && at->ArtNr == artNr)
        at->ProductID = productId;
    else
        items_.insert(at, tTillArticle{std::string(artNr), productId});
}

} // namespace kontaro::model
