#include "support/temp_dir.h"

#include <cstdlib>
#include <stdexcept>

namespace kontaro::test {

TempDir::TempDir()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "kontaro-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("cannot create a temporary folder");
    path_ = pattern;
}

TempDir::~TempDir()
{
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::string TempDir::File(const std::string& name) const { return (path_ / name).string(); }

} // namespace kontaro::test
