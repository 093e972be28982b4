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
    options.locale = TakeNumberLocale(args);
    return options;
}

// What a report tells after it was written: nothing, or that the period holds no stored day.
int Outcome(const Report& report)
{
    if (report.daysFound)
        return kExitOk;
    std::fprintf(stderr, "%s\n", calc::texts::kKeinePassendenEintraege);
    return kExitNothingFound;
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
    return Outcome(report);
}

// --daily: the workbook of the page's "Export mit Tagessummen..." into --xls FILE alone.
bool TakeDaily(Arguments& args, const OutputOptions& options)
{
    if (!args.TakeFlag("--daily"))
        return false;
    if (!options.workbook || options.workbook->sheet || options.workbook->replace)
        throw Failure{std::string(texts::kDailyNeedsXlsAlone)};
    return true;
}

using SummaryBuilder = Report (*)(const model::Project&, model::DayNumber, model::DayNumber, const std::string&,
                                  const numbers::NumberLocale&);

struct PeriodVerb {
    std::string_view usage;
    SummaryBuilder build;
    // Writes the export with daily sums of `report` (the period's grid) into `file`.
    void (*exportDaily)(const Report& report, const model::Project& project, model::DayNumber from, model::DayNumber to,
                        const std::string& projectFile, const std::string& file, const numbers::NumberLocale& locale);
};

int RunPeriodReport(Arguments& args, const PeriodVerb& verb)
{
    const OutputOptions options = TakeOutputOptions(args);
    const bool daily = TakeDaily(args, options);
    const model::DayNumber from = TakeRequiredDate(args, "--from", verb.usage);
    const model::DayNumber to = TakeRequiredDate(args, "--to", verb.usage);
    model::Project project;
    const std::string path = LoadProject(args, verb.usage, project);
    const Report report = verb.build(project, from, to, path, options.locale);
    if (!daily)
        return Print(report, options, texts::kSummarySheet);
    verb.exportDaily(report, project, from, to, path, options.workbook->file, options.locale);
    return Outcome(report);
}

} // namespace

numbers::NumberLocale TakeNumberLocale(Arguments& args)
{
    if (const std::optional<std::string> decimal = args.TakeOption("--decimal")) {
        if (*decimal != "," && *decimal != ".")
            throw Failure{FormatText(texts::kBadDecimal, {*decimal})};
        return LocaleWithDecimal(decimal->front());
    }
    return EnvironmentNumberLocale();
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

int RunSummary(Arguments& args)
{
    return RunPeriodReport(args, {texts::kSummaryUsage, SummaryReport, ExportSummaryWithDailySums});
}

int RunGroups(Arguments& args)
{
    // The group series computes the period's summary again for its first sheet, as the page does.
    return RunPeriodReport(
        args, {texts::kGroupsUsage, GroupReport,
               [](const Report&, const model::Project& project, model::DayNumber from, model::DayNumber to,
                  const std::string& projectFile, const std::string& file, const numbers::NumberLocale& locale) {
                   ExportGroupsWithDailySums(project, from, to, projectFile, file, locale);
               }});
}

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
    // --xls FILE --replace is the window's overview export, a new file; without --replace
    // the sheet joins an existing workbook as every report's does.
    if (options.workbook && !options.workbook->sheet && options.workbook->replace) {
        ExportProductOverview(project, day, path, options.workbook->file, options.locale);
        return kExitOk;
    }
    return Print(ProductsReport(project, day, path, options.locale), options, texts::kProductsSheet);
}

} // namespace kontaro::cli
