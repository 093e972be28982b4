#pragma once
// A file that this program creates where none existed, and removes again unless it was
// finished: so that a failed save never leaves a half-written file and never touches a file
// that was there before. Errors are XlsError with texts::kCantWriteFile (the path).

#include <cstdint>
#include <cstdio>
#include <memory>
#include <span>
#include <string>

namespace kontaro::xls {

class ExclusiveFile {
public:
    // Fails when anything exists at path, or when it cannot be created.
    explicit ExclusiveFile(std::string path);
    ExclusiveFile(ExclusiveFile&&) noexcept = default;
    ExclusiveFile& operator=(ExclusiveFile&&) noexcept = default;
    ~ExclusiveFile();

    const std::string& Path() const { return path_; }

    // Writes all bytes, syncs them to the disk and closes the file, which is then kept.
    void Finish(std::span<const std::uint8_t> bytes);

private:
    struct Closer {
        void operator()(std::FILE* f) const noexcept { std::fclose(f); }
    };
    [[noreturn]] void Fail(const char* why);

    std::string path_;
    std::unique_ptr<std::FILE, Closer> file_;
};

// Syncs the folder that holds path, so that a file created or renamed there stays after a
// crash. Best effort: a folder that cannot be opened is left as it is.
void SyncFolderOf(const std::string& path);

} // namespace kontaro::xls
