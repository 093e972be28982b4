// import: the preview of a till export's import into a project and, with --out,
// the project saved with the import applied (the project file itself untouched).
#include "cli/cli_import_texts.h"
#include "cli/cli_report_texts.h"
#include "cli/cli_texts.h"
#include "cli/cli_verbs.h"
#include "cli/report_locale.h"
#include "numbers/format_text.h"
#include "numbers/number_text.h"
#include "till/export_files.h"
#include "till/import_error.h"
#include "till/import_plan.h"
#include "till/import_preview.h"

#include <cstdio>

namespace kontaro::cli {

using numbers::FormatText;

namespace {

till::DayRule TakeDayRule(Arguments& args)
{
    const std::optional<std::string> rule = args.TakeOption("--day-rule");
    if (!rule || *rule == "end")
        return till::DayRule::ReceiptEnd;
    if (*rule == "closing")
        return till::DayRule::BusinessDay;
    throw Failure{FormatText(texts::kBadDayRule, {*rule})};
}

till::ImportMode TakeMode(Arguments& args)
{
    const std::optional<std::string> mode = args.TakeOption("--mode");
    if (!mode || *mode == "replace")
        return till::ImportMode::Replace;
    if (*mode == "add")
        return till::ImportMode::Add;
    if (*mode == "leave")
        return till::ImportMode::Leave;
    throw Failure{FormatText(texts::kBadMode, {*mode})};
}

till::ArticleChoices TakeMappings(Arguments& args)
{
    till::ArticleChoices choices;
    while (const std::optional<std::string> map = args.TakeOption("--map")) {
        const size_t equals = map->rfind('=');
        const auto id = equals == std::string::npos ? std::nullopt : numbers::ParseInteger(map->substr(equals + 1));
        if (equals == 0 || !id)
            throw Failure{FormatText(texts::kBadMap, {*map})};
        choices[map->substr(0, equals)] = *id;
    }
    return choices;
}

} // namespace

int RunImport(Arguments& args)
{
    const std::optional<std::string> out = args.TakeOption("--out");
    const till::DayRule rule = TakeDayRule(args);
    const till::ImportMode mode = TakeMode(args);
    const till::ArticleChoices choices = TakeMappings(args);
    numbers::NumberLocale locale = EnvironmentNumberLocale();
    if (const std::optional<std::string> decimal = args.TakeOption("--decimal")) {
        if (*decimal != "," && *decimal != ".")
            throw Failure{FormatText(texts::kBadDecimal, {*decimal})};
        locale = LocaleWithDecimal(decimal->front());
    }
    const auto words = args.Positional(2, texts::kImportUsage);

    model::Project project;
    const model::LoadResult loaded = LoadOrFail(words[0], project);
    if (!loaded.report.Empty()) {
        const std::string warning = FormatText(texts::kDroppedOnLoad, {words[0]});
        std::fprintf(stderr, "%s\n", warning.c_str());
    }
    for (const auto& [number, id] : choices)
        if (project.Products.IndexOfID(id) < 0)
            throw Failure{FormatText(texts::kMapNoProduct, {number + "=" + std::to_string(id)})};

    till::TillSales sales;
    try {
        sales = till::ReadTillSales(till::ExportFiles::Open(words[1]), rule);
    } catch (const till::ImportError& error) {
        throw Failure{error.what()};
    }
    const till::ImportPlan plan = till::PlanImport(project, sales, choices, mode);
    for (const std::string& line : till::PreviewLines(project, sales, plan, rule, words[1], locale))
        PrintLine(line);

    if (out) {
        till::ApplyImport(project, plan, choices);
        const model::SaveResult saved = model::SaveProjectFile(*out, project);
        if (!saved.ok)
            throw Failure{saved.message};
        PrintLine("");
        PrintLine(FormatText(texts::kImportSaved, {*out}));
    }
    return plan.unmapped.empty() ? kExitOk : kExitDropped;
}

} // namespace kontaro::cli
