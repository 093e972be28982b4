// info: the size and the date range of a project.
#include "cli/cli_texts.h"
#include "cli/cli_verbs.h"
#include "model/day_number.h"

namespace kontaro::cli {

int RunInfo(Arguments& args)
{
    const auto words = args.Positional(1, "info DATEI");
    model::Project project;
    LoadOrFail(words[0], project);
    int entries = 0;
    for (int i = 0; i < project.Days.Count(); ++i)
        entries += project.Days.Item(i).Count();
    const bool anyDay = project.Days.Count() > 0;
    PrintLine("groups: " + std::to_string(project.Groups.Count()));
    PrintLine("products: " + std::to_string(project.Products.Count()));
    PrintLine("days: " + std::to_string(project.Days.Count()));
    PrintLine("entries: " + std::to_string(entries));
    PrintLine("first day: " + (anyDay ? model::IsoDateText(project.Days.Item(0).Date) : std::string("-")));
    PrintLine("last day: " +
              (anyDay ? model::IsoDateText(project.Days.Item(project.Days.Count() - 1).Date) : std::string("-")));
    return kExitOk;
}

} // namespace kontaro::cli
