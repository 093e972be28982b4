#include "xls/exclusive_file.h"

#include "numbers/format_text.h"
#include "xls/xls_error.h"
#include "xls/xls_texts.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <unistd.h>

namespace kontaro::xls {

ExclusiveFile::ExclusiveFile(std::string path) : path_(std::move(path))
{
    // "x": the creation fails when the name exists, also as a dangling link.
    file_.reset(std::fopen(path_.c_str(), "wbx"));
    if (!file_) {
        throw XlsError(numbers::FormatText(texts::kCantWriteFile, {path_}), std::strerror(errno));
    }
}

ExclusiveFile::~ExclusiveFile()
{
    if (file_) {
        file_.reset();
        std::remove(path_.c_str());
    }
}

void ExclusiveFile::Finish(std::span<const std::uint8_t> bytes)
{
    if (!file_) {
        Fail("the file is already finished");
    }
    if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), file_.get()) != bytes.size()) {
        Fail(std::strerror(errno));
    }
    // The bytes reach the disk before the file is kept, so that a file renamed over another
    // one afterwards is never an empty or partial file after a crash.
    if (std::fflush(file_.get()) != 0 || ::fsync(::fileno(file_.get())) != 0) {
        Fail(std::strerror(errno));
    }
    if (std::fclose(file_.release()) != 0) {
        const std::string why = std::strerror(errno);
        std::remove(path_.c_str());
        throw XlsError(numbers::FormatText(texts::kCantWriteFile, {path_}), why);
    }
}

void SyncFolderOf(const std::string& path)
{
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

void ExclusiveFile::Fail(const char* why)
{
    const std::string detail = why;
    if (file_) {
        file_.reset();
        std::remove(path_.c_str());
    }
    throw XlsError(numbers::FormatText(texts::kCantWriteFile, {path_}), detail);
}

} // namespace kontaro::xls
