#pragma once
// The verbs of the report tool; each returns the exit status and throws Failure
// for an error. main.cpp lists them with their help texts.
#include "cli/cli_args.h"

namespace kontaro::cli {

int RunInfo(Arguments& args);
int RunCheck(Arguments& args);
int RunNormalize(Arguments& args);
int RunImport(Arguments& args); // cli_import.cpp

} // namespace kontaro::cli
