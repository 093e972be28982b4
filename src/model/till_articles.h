#pragma once
// The article numbers of a till's export that the user mapped to products, kept in
// the project file so that the next import uses them. Article numbers are
// Windows-1252 bytes, as the file stores them, unique and in ascending byte order.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kontaro::model {

struct tTillArticle {
    std::string ArtNr; // Windows-1252 bytes, without leading or trailing blanks
    int32_t ProductID = 0;
    friend bool operator==(const tTillArticle&, const tTillArticle&) = default;
};

class tTillArticles {
public:
    int Count() const { return static_cast<int>(items_.size()); }
    const tTillArticle& Item(int index) const; // index error outside the list
    std::optional<int32_t> ProductOf(std::string_view artNr) const;
    // Adds the mapping or changes the product of an existing one.
    void Set(std::string_view artNr, int32_t productId);
    void Clear() { items_.clear(); }
    friend bool operator==(const tTillArticles&, const tTillArticles&) = default;

private:
    std::vector<tTillArticle> items_;
};

} // namespace kontaro::model
