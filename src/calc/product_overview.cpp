#include "calc/product_overview.h"

#include "calc/row_texts.h"
#include "calc/shown_value.h"
#include "columns/grid_columns.h"

namespace kontaro::calc {

TextGrid ProductOverview(const model::Project& project, model::DayNumber day, const std::string& fileName,
                         const numbers::NumberLocale& locale)
{
    TextGrid grid;
    const model::tProducts& products = project.Products;
    for (int i = 0; i < products.Count(); ++i) {
        const model::tProduct& product = products.Item(i);
        TextRow& row = grid.rows.emplace_back(columns::overview::kColumnCount);
        row[columns::overview::ID] = std::to_string(product.ID);
        row[columns::overview::Name] = ProductNameAt(product, day);
        if (!product.EinkaufProzent)
            row[columns::overview::Einkauf] = ShownText(product.Einkauf.ValueAt(day), locale);
        if (!product.VerkaufVariabel)
            row[columns::overview::Verkauf] = ShownText(product.Verkauf.ValueAt(day), locale);
    }
    TextRow& last = grid.rows.emplace_back(columns::overview::kColumnCount);
    last[columns::overview::ID] = model::ShortDateText(day);
    last[columns::overview::Name] = ProjectName(fileName);
    return grid;
}

} // namespace kontaro::calc
