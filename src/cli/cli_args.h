#pragma once
// What every verb shares: its arguments, the one-line error it reports, loading a
// project as the program does, and UTF-8 console output.
#include "model/project_file.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kontaro::cli {

// Exit statuses.
inline constexpr int kExitOk = 0;
inline constexpr int kExitDropped = 1; // check: something was dropped
inline constexpr int kExitFailure = 2;

// A failure that ends the verb: `message` (UTF-8, one line) goes to standard error.
struct Failure {
    std::string message;
};

// The words after the verb. A verb first takes its options, then its positional
// arguments; anything left that starts with "--" is an unknown option.
class Arguments {
public:
    Arguments(std::string verb, std::vector<std::string> words);

    const std::string& Verb() const { return verb_; }
    // "--name VALUE" or "--name=VALUE", removed from the words; throws Failure when
    // the value is missing.
    std::optional<std::string> TakeOption(std::string_view name);
    // "--name", removed from the words.
    bool TakeFlag(std::string_view name);
    // Exactly `count` positional words, else a Failure naming `usage`.
    std::vector<std::string> Positional(size_t count, std::string_view usage) const;

private:
    std::string verb_;
    std::vector<std::string> words_;
};

// Loads as the program does; throws Failure with the program's message when the
// file cannot be loaded.
model::LoadResult LoadOrFail(const std::string& path, model::Project& project);

// Writes the UTF-8 line and a line end to standard output.
void PrintLine(std::string_view line);

} // namespace kontaro::cli
