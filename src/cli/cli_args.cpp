#include "cli/cli_args.h"

#include "cli/cli_texts.h"
#include "model/model_texts.h"
#include "numbers/format_text.h"

#include <cstdio>

namespace kontaro::cli {

using numbers::FormatText;

Arguments::Arguments(std::string verb, std::vector<std::string> words)
    : verb_(std::move(verb)), words_(std::move(words))
{}

std::optional<std::string> Arguments::TakeOption(std::string_view name)
{
    for (size_t i = 0; i < words_.size(); ++i) {
        const std::string& word = words_[i];
        if (word == name) {
            if (i + 1 >= words_.size())
                throw Failure{FormatText(texts::kMissingValue, {name})};
            std::string value = words_[i + 1];
            words_.erase(words_.begin() + static_cast<std::ptrdiff_t>(i),
                         words_.begin() + static_cast<std::ptrdiff_t>(i + 2));
            return value;
        }
        if (word.size() > name.size() && word.compare(0, name.size(), name) == 0 && word[name.size()] == '=') {
            std::string value = word.substr(name.size() + 1);
            words_.erase(words_.begin() + static_cast<std::ptrdiff_t>(i));
            return value;
        }
    }
    return std::nullopt;
}

bool Arguments::TakeFlag(std::string_view name)
{
    for (size_t i = 0; i < words_.size(); ++i) {
        if (words_[i] == name) {
            words_.erase(words_.begin() + static_cast<std::ptrdiff_t>(i));
            return true;
        }
    }
    return false;
}

std::vector<std::string> Arguments::Positional(size_t count, std::string_view usage) const
{
    for (const auto& word : words_) {
        if (word.size() > 2 && word.compare(0, 2, "--") == 0)
            throw Failure{FormatText(texts::kUnknownOption, {word, verb_})};
    }
    if (words_.size() != count)
        throw Failure{FormatText(texts::kWrongArguments, {verb_, usage})};
    return words_;
}

model::LoadResult LoadOrFail(const std::string& path, model::Project& project)
{
    model::LoadResult result = model::LoadProjectFile(path, project);
    if (result.status != model::LoadStatus::Ok)
        throw Failure{result.message};
    return result;
}

void PrintLine(std::string_view line)
{
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fputc('\n', stdout);
}

} // namespace kontaro::cli
