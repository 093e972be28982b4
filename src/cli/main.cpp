// kontaro-report VERB [ARGUMENTS]: the headless report tool. A verb is added with
// a function in its group's file and one line in the table below.
#include "cli/cli_import_texts.h"
#include "cli/cli_report_texts.h"
#include "cli/cli_reports.h"
#include "cli/cli_series.h"
#include "cli/cli_series_texts.h"
#include "cli/cli_texts.h"
#include "cli/cli_verbs.h"
#include "model/model_texts.h"
#include "numbers/format_text.h"

#include <cstdio>
#include <exception>
#include <string>
#include <string_view>
#include <vector>

namespace kontaro::cli {
namespace {

struct Verb {
    std::string_view name;
    std::string_view help;
    int (*run)(Arguments&);
};

int RunHelp(Arguments&);
int RunVersion(Arguments&);

const Verb kVerbs[] = {
    {"info", texts::kInfoHelp, RunInfo},
    {"check", texts::kCheckHelp, RunCheck},
    {"normalize", texts::kNormalizeHelp, RunNormalize},
    {"summary", texts::kSummaryHelp, RunSummary},
    {"groups", texts::kGroupsHelp, RunGroups},
    {"day", texts::kDayHelp, RunDay},
    {"products", texts::kProductsHelp, RunProducts},
    {"series", texts::kSeriesHelp, RunSeries},
#ifdef KONTARO_CHARTS
    {"chart", texts::kChartHelp, RunChart},
#endif
    {"import", texts::kImportHelp, RunImport},
    {"--help", texts::kHelpHelp, RunHelp},
    {"--version", texts::kVersionHelp, RunVersion},
};

int RunHelp(Arguments&)
{
    PrintLine(texts::kUsage);
    PrintLine("");
    PrintLine(texts::kVerbsHeading);
    for (const Verb& verb : kVerbs)
        PrintLine("  " + std::string(verb.help));
    return kExitOk;
}

int RunVersion(Arguments&)
{
    PrintLine(numbers::FormatText(texts::kVersion, {KONTARO_VERSION}));
    return kExitOk;
}

void PrintError(const std::string& message) { std::fprintf(stderr, "%s\n", message.c_str()); }

int Run(int argc, char** argv)
{
    if (argc < 2) {
        PrintError(std::string(texts::kUsage) + ". " + std::string(texts::kHelpHint));
        return kExitFailure;
    }
    std::string name = argv[1];
    if (name == "-h" || name == "help")
        name = "--help";
    for (const Verb& verb : kVerbs) {
        if (verb.name != name)
            continue;
        Arguments args(name, std::vector<std::string>(argv + 2, argv + argc));
        return verb.run(args);
    }
    throw Failure{numbers::FormatText(texts::kUnknownVerb, {argv[1]})};
}

} // namespace
} // namespace kontaro::cli

int main(int argc, char** argv)
{
    try {
        return kontaro::cli::Run(argc, argv);
    } catch (const kontaro::cli::Failure& failure) {
        kontaro::cli::PrintError(failure.message);
    } catch (const std::exception& error) {
        kontaro::cli::PrintError(kontaro::numbers::FormatText(kontaro::cli::texts::kUnexpectedError, {error.what()}));
    }
    return kontaro::cli::kExitFailure;
}
