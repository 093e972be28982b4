#include "ui/command_line.h"

#include "numbers/format_text.h"
#include "ui/command_line_texts.h"

#include <cstdio>
#include <string>
#include <string_view>

namespace kontaro::ui {

std::optional<int> AnswerInfoOptions(int argc, const char* const* argv)
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "-h" || argument == "--help") {
            std::fputs(std::string(texts::kCommandLineHelp).c_str(), stdout);
            return 0;
        }
        if (argument == "--version") {
            std::fputs(numbers::FormatText(texts::kVersionLine, {KONTARO_VERSION}).c_str(), stdout);
            return 0;
        }
    }
    return std::nullopt;
}

} // namespace kontaro::ui
