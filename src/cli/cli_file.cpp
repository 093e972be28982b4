// check and normalize: what loading a file drops, and saving it back as the
// program saves.
#include "cli/cli_texts.h"
#include "cli/cli_verbs.h"
#include "model/model_texts.h"
#include "numbers/format_text.h"

#include <cstdio>

namespace kontaro::cli {

int RunCheck(Arguments& args)
{
    const auto words = args.Positional(1, "check DATEI");
    model::Project project;
    const model::LoadResult result = LoadOrFail(words[0], project);
    if (result.report.Empty()) {
        PrintLine(texts::kNothingDropped);
        return kExitOk;
    }
    for (const auto& line : result.report.details)
        PrintLine(line);
    return kExitDropped;
}

int RunNormalize(Arguments& args)
{
    const auto words = args.Positional(2, "normalize EIN AUS");
    model::Project project;
    const model::LoadResult loaded = LoadOrFail(words[0], project);
    if (!loaded.report.Empty()) {
        const std::string warning = numbers::FormatText(texts::kDroppedOnLoad, {words[0]});
        std::fprintf(stderr, "%s\n", warning.c_str());
    }
    const model::SaveResult saved = model::SaveProjectFile(words[1], project);
    if (!saved.ok)
        throw Failure{saved.message};
    return kExitOk;
}

} // namespace kontaro::cli
