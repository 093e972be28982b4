#pragma once
// Runs a program to its end and collects what it printed.
#include <string>
#include <vector>

namespace kontaro::test {

struct ProcessResult {
    int exitCode = -1; // -1 when it did not exit normally
    std::string out;
    std::string err;
};

// `args[0]` is the program's path; no shell is involved.
ProcessResult RunProcess(const std::vector<std::string>& args);

} // namespace kontaro::test
