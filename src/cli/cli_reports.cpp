// summary, groups, day, products: the grids of the views, computed headless.
#include "cli/cli_reports.h"

#include "calc/calc_texts.h"
#include "cli/cli_report_texts.h"
#include "cli/cli_texts.h"
#include "cli/report_grid.h"
#include "cli/report_locale.h"
#include "cli/report_table.h"
#include "cli/report_xls.h"
#include "model/globals.h"
#include "model/model_texts.h"
#include "numbers/format_text.h"

#include <cstdio>

namespace kontaro::cli {

namespace {

using numbers::FormatText;

struct OutputOptions {
    bool csv = false;
    numbers::NumberLocale locale;
    std::optional<WorkbookTarget> workbook;
};

OutputOptions TakeOutputOptions(Arguments& args)
{
    OutputOptions options;
    options.csv = args.TakeFlag("--csv");
    options.workbook = TakeWorkbookTarget(args);
    options.locale = EnvironmentNumberLocale();
    if (const std::optional<std::string> decimal = args.TakeOption("--decimal")) {
        if (*decimal != "," && *decimal != ".")
            throw Failure{FormatText(texts::kBadDecimal, {*decimal})};
        options.locale = LocaleWithDecimal(decimal->front());
    }
    return options;
}

std::optional<model::DayNumber> TakeDate(Arguments& args, std::string_view option)
{
    const std::optional<std::string> text = args.TakeOption(option);
    if (!text)
        return std::nullopt;
    const std::optional<model::DayNumber> day = model::ParseIsoDate(*text);
    if (!day)
        throw Failure{FormatText(texts::kBadDate, {*text, option})};
    return day;
}

model::DayNumber TakeRequiredDate(Arguments& args, std::string_view option, std::string_view usage)
{
    const std::optional<model::DayNumber> day = TakeDate(args, option);
    if (!day)
        throw Failure{FormatText(texts::kMissingOption, {option, usage})};
    return *day;
}

std::string LoadProject(Arguments& args, std::string_view usage, model::Project& project)
{
    const std::string path = args.Positional(1, usage)[0];
    const model::LoadResult loaded = LoadOrFail(path, project);
    if (!loaded.report.Empty()) {
        const std::string warning = FormatText(texts::kDroppedOnLoad, {path});
        std::fprintf(stderr, "%s\n", warning.c_str());
    }
    return path;
}

// With --xls the report goes into the workbook instead of standard output.
int Print(const Report& report, const OutputOptions& options, std::string_view sheet)
{
    if (options.workbook) {
        ExportReport(report, *options.workbook, sheet, options.locale);
    } else {
        const std::string out = options.csv ? CsvTable(report.grid, options.locale.decimalSeparator == ',' ? ';' : ',')
                                            : TextTable(report.grid);
        std::fwrite(out.data(), 1, out.size(), stdout);
        std::fflush(stdout);
    }
    if (report.daysFound)
        return kExitOk;
    std::fprintf(stderr, "%s\n", calc::texts::kKeinePassendenEintraege);
    return kExitNothingFound;
}

using SummaryBuilder = Report (*)(const model::Project&, model::DayNumber, model::DayNumber, const std::string&,
                                  const numbers::NumberLocale&);

int RunPeriodReport(Arguments& args, std::string_view usage, SummaryBuilder build)
{
    const OutputOptions options = TakeOutputOptions(args);
    const model::DayNumber from = TakeRequiredDate(args, "--from", usage);
    const model::DayNumber to = TakeRequiredDate(args, "--to", usage);
    model::Project project;
    const std::string path = LoadProject(args, usage, project);
    return Print(build(project, from, to, path, options.locale), options, texts::kSummarySheet);
}

} // namespace

int RunSummary(Arguments& args) { return RunPeriodReport(args, texts::kSummaryUsage, SummaryReport); }

int RunGroups(Arguments& args) { return RunPeriodReport(args, texts::kGroupsUsage, GroupReport); }

int RunDay(Arguments& args)
{
    const OutputOptions options = TakeOutputOptions(args);
    const model::DayNumber day = TakeRequiredDate(args, "--date", texts::kDayUsage);
    model::Project project;
    const std::string path = LoadProject(args, texts::kDayUsage, project);
    return Print(DayReport(project, day, path, options.locale), options, model::ShortDateText(day));
}

int RunProducts(Arguments& args)
{
    const OutputOptions options = TakeOutputOptions(args);
    const model::DayNumber day = TakeDate(args, "--date").value_or(model::TodayNumber());
    model::Project project;
    const std::string path = LoadProject(args, texts::kProductsUsage, project);
    return Print(ProductsReport(project, day, path, options.locale), options, texts::kProductsSheet);
}

} // namespace kontaro::cli
