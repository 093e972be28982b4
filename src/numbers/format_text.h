#pragma once
// Filling a message text: every "%s" of the pattern is replaced by the next argument,
// in order. Placeholders beyond the arguments stay as they are; surplus arguments are
// ignored. The one placeholder style of every layer's texts.
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

namespace kontaro::numbers {

inline std::string FormatText(std::string_view pattern, std::span<const std::string_view> args)
{
    std::string out;
    auto arg = args.begin();
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] == 's' && arg != args.end()) {
            out += *arg++;
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

inline std::string FormatText(std::string_view pattern, std::initializer_list<std::string_view> args)
{
    return FormatText(pattern, std::span<const std::string_view>(args.begin(), args.size()));
}

} // namespace kontaro::numbers
