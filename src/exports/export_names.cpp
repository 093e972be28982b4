#include "exports/export_names.h"

#include "model/globals.h"

namespace kontaro::exports {

namespace {

constexpr std::string_view kExtension = ".xls";

// The project's path without its extension, then `suffix`, `date` and ".xls"; built by
// appending, as GCC 12 misreads a literal prepended to a temporary string.
std::string Proposal(const std::string& projectFile, std::string_view suffix, std::string_view date = {})
{
    std::string name = model::RemoveFileExt(projectFile);
    name += suffix;
    name += date;
    name += kExtension;
    return name;
}

} // namespace

std::string DaySheetName(model::DayNumber day) { return model::ShortDateText(day); }

std::string DayExportName(const std::string& projectFile) { return Proposal(projectFile, ""); }

std::string SumExportName(const std::string& projectFile, model::DayNumber to)
{
    return Proposal(projectFile, "_", model::ShortDateText(to));
}

std::string GroupExportName(const std::string& projectFile, model::DayNumber to)
{
    return Proposal(projectFile, "_Grp_", model::ShortDateText(to));
}

std::string ProductsExportName(const std::string& projectFile) { return Proposal(projectFile, "_Produkte"); }

} // namespace kontaro::exports
