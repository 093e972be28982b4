#pragma once
// Switches the C library's locale of the test process, compiling the locale from
// the system's sources when it is not installed (machines often carry only C).
#include <string>

namespace kontaro::test {

// `name` such as "de_DE.UTF-8"; false when the locale can be neither found nor
// built. The caller restores "C" when done.
bool SetProcessLocale(const std::string& name);

} // namespace kontaro::test
