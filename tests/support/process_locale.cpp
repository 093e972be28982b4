#include "support/process_locale.h"

#include "support/process.h"

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace kontaro::test {

bool SetProcessLocale(const std::string& name)
{
    if (std::setlocale(LC_ALL, name.c_str()) != nullptr)
        return true;
    const size_t dot = name.find('.');
    if (dot == std::string::npos || !std::filesystem::exists("/usr/bin/localedef"))
        return false;
    // Built once per machine into a folder of our own, found through LOCPATH.
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "kontaro-test-locales";
    std::filesystem::create_directories(folder);
    if (!std::filesystem::exists(folder / name)) {
        // Tests run in parallel: each builds beside the target and renames into place.
        const std::filesystem::path own = folder / (name + ".part" + std::to_string(::getpid()));
        const ProcessResult built =
            RunProcess({"/usr/bin/localedef", "-i", name.substr(0, dot), "-f", name.substr(dot + 1), own.string()});
        std::error_code error;
        if (built.exitCode == 0)
            std::filesystem::rename(own, folder / name, error);
        std::filesystem::remove_all(own, error);
    }
    ::setenv("LOCPATH", folder.c_str(), 1);
    return std::setlocale(LC_ALL, name.c_str()) != nullptr;
}

} // namespace kontaro::test
