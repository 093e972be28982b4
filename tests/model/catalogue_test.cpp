#include "model/catalogue.h"

#include <gtest/gtest.h>

namespace kontaro::model {
namespace {

std::unique_ptr<tProduct> Product(int32_t id)
{
    auto p = std::make_unique<tProduct>();
    p->ID = id;
    return p;
}

TEST(Products, AddReturnsTheSortedIndexAndRefusesDuplicates)
{
    tProducts products;
    for (const auto& [id, index] : std::vector<std::pair<int32_t, int>>{{7, 0}, {3, 0}, {5, 1}}) {
        auto p = Product(id);
        EXPECT_EQ(products.AddProduct(p), index) << "ID " << id;
        EXPECT_EQ(p, nullptr);
    }
    auto again = Product(5);
    EXPECT_EQ(products.AddProduct(again), -1);
    ASSERT_NE(again, nullptr); // stays with the caller
    ASSERT_EQ(products.Count(), 3);
    EXPECT_EQ(products.Item(0).ID, 3);
    EXPECT_EQ(products.Item(1).ID, 5);
    EXPECT_EQ(products.Item(2).ID, 7);
    EXPECT_EQ(products.IndexOfID(7), 2);
    EXPECT_EQ(products.IndexOfID(4), -1);
    EXPECT_THROW(products.Item(3), IndexError);
}

TEST(Products, SortByIDAfterAnIDChangedInPlace)
{
    tProducts products;
    for (int32_t id : {1, 2, 3}) {
        auto p = Product(id);
        products.AddProduct(p);
    }
    products.Item(0).ID = 9;
    products.SortByID();
    EXPECT_EQ(products.IndexOfID(9), 2);
    EXPECT_EQ(products.IndexOfID(2), 0);
}

TEST(Products, Delete)
{
    tProducts products;
    for (int32_t id : {1, 2}) {
        auto p = Product(id);
        products.AddProduct(p);
    }
    products.Delete(0);
    EXPECT_EQ(products.Count(), 1);
    EXPECT_EQ(products.Item(0).ID, 2);
    EXPECT_THROW(products.Delete(1), IndexError);
}

TEST(Product, CompleteNeedsEveryLookedUpList)
{
    tProduct p;
    EXPECT_FALSE(p.IsComplete());
    p.Name.AddValue(1, "Brötchen");
    p.Einkauf.AddValue(1, 0.2);
    p.Steuer.AddValue(1, 7);
    p.Gruppe.AddValue(1, 0);
    EXPECT_FALSE(p.IsComplete()); // no sales price
    p.VerkaufVariabel = true;
    EXPECT_TRUE(p.IsComplete());
    p.VerkaufVariabel = false;
    p.Verkauf.AddValue(1, 0.5);
    EXPECT_TRUE(p.IsComplete());
}

TEST(Groups, GroupZeroIsAnOrdinaryID)
{
    tGroups groups;
    for (int32_t id : {4, 0, -2}) {
        auto g = std::make_unique<tGroup>();
        g->ID = id;
        groups.AddGroup(g);
    }
    auto duplicate = std::make_unique<tGroup>();
    EXPECT_EQ(groups.AddGroup(duplicate), -1);
    EXPECT_EQ(groups.IndexOfID(0), 1);
    EXPECT_EQ(groups.Item(0).ID, -2);
    groups.Delete(1);
    EXPECT_EQ(groups.IndexOfID(0), -1);
    groups.Clear();
    EXPECT_EQ(groups.Count(), 0);
}

} // namespace
} // namespace kontaro::model
