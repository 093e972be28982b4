// `kontaro --help` and `--version` answer on standard output and exit before the
// program needs a display: the tests run them with no display and no platform set.
#include "support/process.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace kontaro::test {
namespace {

ProcessResult RunWithoutDisplay(std::vector<std::string> args)
{
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        ::unsetenv(name);
    args.insert(args.begin(), KONTARO_PROGRAM);
    return RunProcess(args);
}

TEST(ProgramCommandLine, HelpAndVersionNeedNoDisplay)
{
    for (const char* option : {"--help", "-h"}) {
        SCOPED_TRACE(option);
        const ProcessResult help = RunWithoutDisplay({option});
        EXPECT_EQ(help.exitCode, 0) << help.err;
        EXPECT_EQ(help.out.rfind("Aufruf: kontaro [OPTIONEN] [DATEI]\n", 0), 0u) << help.out;
        EXPECT_NE(help.out.find("--version"), std::string::npos);
        EXPECT_EQ(help.err, "");
    }
    // Wherever it stands, even after a file name.
    const ProcessResult version = RunWithoutDisplay({"laden.kdt", "--version"});
    EXPECT_EQ(version.exitCode, 0) << version.err;
    EXPECT_EQ(version.out, "kontaro " KONTARO_VERSION "\n");
    EXPECT_EQ(version.err, "");
}

} // namespace
} // namespace kontaro::test
