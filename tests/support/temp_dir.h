#pragma once
// A fresh folder under the system's temporary folder, removed with its content
// when the object goes.
#include <filesystem>
#include <string>

namespace kontaro::test {

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    // The full path of `name` inside the folder.
    std::string File(const std::string& name) const;

private:
    std::filesystem::path path_;
};

} // namespace kontaro::test
