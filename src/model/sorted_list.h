#pragma once
// The mechanics shared by the model's owning, key-sorted lists: checked indexing,
// lookup and insertion by binary search. Every list keeps unique keys in
// ascending order, so a binary search finds exactly what a scan from the front
// that stops at the first greater key finds; inserting at the found position
// leaves the list as appending and re-sorting would.
#include "model/index_error.h"

#include <algorithm>
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace kontaro::model {

inline std::string IndexErrorText(int index, size_t count)
{
    return "list index out of bounds (" + std::to_string(index) + ", count " + std::to_string(count) + ")";
}

inline size_t CheckedIndex(int index, size_t count)
{
    if (index < 0 || static_cast<size_t>(index) >= count)
        throw IndexError(IndexErrorText(index, count));
    return static_cast<size_t>(index);
}

template <class T, class Key, class KeyOf>
auto LowerBoundByKey(const std::vector<std::unique_ptr<T>>& items, Key key, KeyOf keyOf)
{
    return std::lower_bound(items.begin(), items.end(), key,
                            [&](const std::unique_ptr<T>& item, Key k) { return keyOf(*item) < k; });
}

// Index of the element with exactly this key, or -1.
template <class T, class Key, class KeyOf>
int SortedIndexOf(const std::vector<std::unique_ptr<T>>& items, Key key, KeyOf keyOf)
{
    const auto it = LowerBoundByKey(items, key, keyOf);
    if (it == items.end() || keyOf(**it) != key)
        return -1;
    return static_cast<int>(it - items.begin());
}

// Takes `element` and returns its index, or -1 (element left with the caller)
// when its key is present.
template <class T, class KeyOf>
int InsertSorted(std::vector<std::unique_ptr<T>>& items, std::unique_ptr<T>& element, KeyOf keyOf)
{
    const auto key = keyOf(*element);
    // Appending in key order is the common case (reading a saved file).
    if (items.empty() || keyOf(*items.back()) < key) {
        items.push_back(std::move(element));
        return static_cast<int>(items.size() - 1);
    }
    const auto it = LowerBoundByKey(items, key, keyOf);
    if (keyOf(**it) == key)
        return -1;
    const auto index = it - items.begin();
    items.insert(it, std::move(element));
    return static_cast<int>(index);
}

template <class T, class KeyOf>
void SortByKey(std::vector<std::unique_ptr<T>>& items, KeyOf keyOf)
{
    std::stable_sort(items.begin(), items.end(),
                     [&](const std::unique_ptr<T>& a, const std::unique_ptr<T>& b) { return keyOf(*a) < keyOf(*b); });
}

} // namespace kontaro::model
