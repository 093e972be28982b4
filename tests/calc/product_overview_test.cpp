#include "calc/product_overview.h"
#include "calc/worked_example.h"

#include <gtest/gtest.h>

namespace kontaro::calc {
namespace {

using test::AddProduct;
using test::March;

TEST(ProductOverview, ListsTheValuesValidOnTheDayAndEndsWithDateAndName)
{
    model::Project project = test::WorkedExample();
    model::tProduct& cola = project.Products.Item(0);
    cola.Verkauf.AddValue(March(7), 2.8); // tomorrow: not yet in the overview
    cola.Name.AddValue(March(6), "Cola 0,3");
    const TextGrid grid = ProductOverview(project, March(6), "/data/Laden.kdt", {',', '.'});
    ASSERT_EQ(grid.rows.size(), 3u);
    EXPECT_EQ(grid.rows[0], (TextRow{"1", "Cola 0,3", "1,20", "2,50"}));
    // a variable sales price and a purchase percentage have no price
    EXPECT_EQ(grid.rows[1], (TextRow{"2", "Tagesessen", "", ""}));
    EXPECT_EQ(grid.rows[2], (TextRow{"05-03-06", "Laden", "", ""}));
    EXPECT_TRUE(grid.footer.empty());
}

} // namespace
} // namespace kontaro::calc
