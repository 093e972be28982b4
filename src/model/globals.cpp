#include "model/globals.h"

#include <ctime>
#include <utility>

namespace kontaro::model {

namespace {

std::function<DayNumber()>& TodayOverride()
{
    static std::function<DayNumber()> today;
    return today;
}

DayNumber SystemToday()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return DayFromCivil(CivilDate{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday});
}

} // namespace

DayNumber TodayNumber()
{
    const auto& today = TodayOverride();
    return today ? today() : SystemToday();
}

void SetTodayForTests(std::function<DayNumber()> today) { TodayOverride() = std::move(today); }

std::string RemoveFileExt(const std::string& path)
{
    // The extension starts at the last "." of the file name part; both separators
    // count so that Windows paths from old projects are cut the same way.
    const size_t dot = path.find_last_of('.');
    if (dot == std::string::npos)
        return path;
    const size_t separator = path.find_last_of("/\\");
    if (separator != std::string::npos && separator > dot)
        return path;
    return path.substr(0, dot);
}

} // namespace kontaro::model
