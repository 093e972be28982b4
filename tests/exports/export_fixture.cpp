#include "export_fixture.h"

#include "support/project_builder.h"

namespace kontaro::test {

model::Project ExportShop()
{
    model::Project project;
    AddGroup(project, 10, "Getr\xe4nke");
    AddGroup(project, 20, "Speisen");
    AddProduct(project, {.id = 1, .name = "Cola", .einkauf = 1.20, .verkauf = 2.50, .gruppe = 10});
    AddProduct(project, {.id = 2,
                         .name = "Tagesessen",
                         .einkauf = 40,
                         .verkauf = std::nullopt,
                         .steuer = 7,
                         .gruppe = 20,
                         .einkaufProzent = true});
    AddEntry(project, March(1), 1, 4);
    AddEntry(project, March(1), 2, 21.40);
    AddEntry(project, March(3), 1, 10);
    return project;
}

xls::WorkbookFile ReadWorkbook(const std::string& path)
{
    xls::WorkbookFile book;
    book.ReadWorkbookFile(path);
    return book;
}

std::vector<std::string> SheetNames(const std::string& path)
{
    xls::WorkbookFile book = ReadWorkbook(path);
    std::vector<std::string> names;
    for (int sheet = 1; sheet <= book.SheetTotal(); ++sheet) {
        book.SetCurrentSheet(sheet);
        names.push_back(book.CurrentSheetTitle());
    }
    return names;
}

std::optional<double> CellNumber(const xls::WorkbookFile& book, int sheet, int row, int column)
{
    const auto& rows = book.SheetAt(sheet).Rows();
    const auto found = rows.find(row);
    if (found == rows.end())
        return std::nullopt;
    for (const xls::Cell& cell : found->second.cells) {
        if (cell.column == column && (cell.kind == xls::CellKind::Number || cell.kind == xls::CellKind::Rk))
            return cell.number;
    }
    return std::nullopt;
}

std::size_t RowCount(const xls::WorkbookFile& book, int sheet) { return book.SheetAt(sheet).Rows().size(); }

} // namespace kontaro::test
