#pragma once
// The catalogue: products with their five dated lists, and product groups. Both
// collections keep ascending, unique IDs and own their elements.
#include "model/dated_lists.h"

#include <memory>
#include <string>
#include <vector>

namespace kontaro::model {

class tProduct {
public:
    int32_t ID = 0;
    tTimeStringList Name;
    tTimeProzentList Einkauf; // net purchase price, or a percentage of the net sales
    tTimeFloatList Verkauf;   // gross sales price per unit
    tTimeProzentList Steuer;  // tax rate in percent
    tTimeintegerList Gruppe;  // group ID
    bool EinkaufProzent = false;
    bool VerkaufVariabel = false;

    // Name, Einkauf, Steuer and Gruppe hold an item, and Verkauf does unless
    // VerkaufVariabel is set.
    bool IsComplete() const;
};

class tProducts {
public:
    int Count() const;
    const tProduct& Item(int index) const; // index error outside the list
    tProduct& Item(int index);
    int IndexOfID(int32_t id) const; // -1 when absent
    // Takes ownership and returns the sorted index; -1 when the ID exists, and then
    // `product` stays with the caller.
    int AddProduct(std::unique_ptr<tProduct>& product);
    // Removes and frees the product at the index (index error outside the list).
    void Delete(int index);
    void SortByID();
    void Clear();

private:
    std::vector<std::unique_ptr<tProduct>> items_;
};

class tGroup {
public:
    int32_t ID = 0;
    std::string Name; // Windows-1252 bytes
};

class tGroups {
public:
    int Count() const;
    const tGroup& Item(int index) const;
    tGroup& Item(int index);
    int IndexOfID(int32_t id) const;
    int AddGroup(std::unique_ptr<tGroup>& group); // as AddProduct
    void Delete(int index);
    void SortByID();
    void Clear();

private:
    std::vector<std::unique_ptr<tGroup>> items_;
};

} // namespace kontaro::model
