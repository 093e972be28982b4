#pragma once
// The options of `kontaro` that are answered before any window exists, so that they
// work without a display: --help and --version print their text to standard output.
#include <optional>

namespace kontaro::ui {

// The exit status when the command line asks for help or the version (after the text
// was printed), or nothing when the program is to start. Every other argument, the
// toolkit's own options and the project file, is left to the application and the window.
std::optional<int> AnswerInfoOptions(int argc, const char* const* argv);

} // namespace kontaro::ui
