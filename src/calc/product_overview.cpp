#include "calc/product_overview.h"

#include "calc/columns.h"
#include "calc/row_texts.h"
#include "calc/shown_value.h"

namespace kontaro::calc {

TextGrid ProductOverview(const Project& project, DayNumber day, const std::string& fileName,
                         const NumberLocale& locale)
{
    TextGrid grid;
    const tProducts& products = project.Products;
    for (int i = 0; i < products.Count(); ++i) {
        const tProduct& product = products.Item(i);
        TextRow& row = grid.rows.emplace_back(overviewcol::Count);
        row[overviewcol::ID] = std::to_string(product.ID);
        row[overviewcol::Name] = ProductNameAt(product, day);
        if (!product.EinkaufProzent)
            row[overviewcol::Einkauf] = ShownText(product.Einkauf.ValueAt(day), locale);
        if (!product.VerkaufVariabel)
            row[overviewcol::Verkauf] = ShownText(product.Verkauf.ValueAt(day), locale);
    }
    TextRow& last = grid.rows.emplace_back(overviewcol::Count);
    last[overviewcol::ID] = ShortDateText(day);
    last[overviewcol::Name] = ProjectName(fileName);
    return grid;
}

} // namespace kontaro::calc
