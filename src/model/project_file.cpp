#include "model/project_file.h"

#include "model/globals.h"
#include "model/model_texts.h"
#include "model/project_xml.h"
#include "model/xml_stream.h"
#include "numbers/format_text.h"

#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace kontaro::model {

namespace fs = std::filesystem;

void Project::Clear()
{
    Days.Clear();
    Products.Clear();
    Groups.Clear();
    TillArticles.Clear();
}

bool LoadReport::Empty() const
{
    return droppedGroups == 0 && droppedProducts == 0 && droppedItems == 0 && droppedDays == 0 && droppedEntries == 0 &&
           droppedTillArticles == 0 && !productsEndedEarly;
}

namespace {

// Closes the descriptor on every path out.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int Get() const { return fd_; }
    bool Close()
    {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

bool ReadWholeFile(const std::string& path, std::string& bytes)
{
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (file.Get() < 0)
        return false;
    struct stat info {};
    if (::fstat(file.Get(), &info) != 0 || !S_ISREG(info.st_mode))
        return false;
    bytes.clear();
    bytes.reserve(static_cast<size_t>(info.st_size));
    char buffer[1 << 16];
    for (;;) {
        const ssize_t got = ::read(file.Get(), buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (got == 0)
            return true;
        bytes.append(buffer, static_cast<size_t>(got));
    }
}

// A new, empty file next to `target`, with a name nothing else uses.
int CreateTemporaryBeside(const std::string& target, std::string& tempPath)
{
    static std::atomic<unsigned> counter{0};
    const fs::path where(target);
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = ".";
        name += where.filename().string();
        name += ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
        tempPath = (where.parent_path() / name).string();
        const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

void SyncFolderOf(const std::string& path)
{
    const fs::path folder = fs::path(path).parent_path();
    FileDescriptor dir(::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.Get() >= 0)
        ::fsync(dir.Get());
}

} // namespace

LoadResult LoadProjectText(std::string_view bytes, Project& project)
{
    project.Clear();
    LoadResult result;
    ReadXml(bytes, project.Groups, &result.report);
    if (project.Groups.Count() == 0) {
        result.status = LoadStatus::NoGroups;
        result.message = std::string(texts::kNoGroups);
        result.report = {};
        return result;
    }
    ReadXml(bytes, project.Products, &result.report);
    if (project.Products.Count() > 0) {
        ReadXml(bytes, project.Days, &result.report);
    } else {
        std::string_view section;
        size_t next = 0;
        int unread = 0;
        if (txmlStream::FindElement(bytes, "days", 0, section, next)) {
            std::string_view day;
            for (size_t pos = 0; txmlStream::FindElement(section, "day", pos, day, next); pos = next)
                ++unread;
        }
        if (unread > 0) {
            result.report.droppedDays += unread;
            result.report.details.push_back(numbers::FormatText(texts::kDaysNotRead, {std::to_string(unread)}));
        }
    }
    ReadXml(bytes, project.TillArticles, &result.report);
    return result;
}

LoadResult LoadProjectFile(const std::string& path, Project& project)
{
    project.Clear();
    std::string bytes;
    if (!ReadWholeFile(path, bytes)) {
        LoadResult result;
        result.status = LoadStatus::CannotRead;
        result.message = numbers::FormatText(texts::kLoadFailed, {path});
        return result;
    }
    return LoadProjectText(bytes, project);
}

bool WriteProject(OutputSink& sink, const Project& project)
{
    txmlStream stream(&sink);
    WriteProjectXml(stream, project);
    return stream.Finish();
}

std::string BackupFileName(const std::string& path) { return RemoveFileExt(path) + ".bak"; }

SaveResult SaveProjectFile(const std::string& path, const Project& project)
{
    return SaveProjectFile(path, project, {});
}

SaveResult SaveProjectFile(const std::string& path, const Project& project, const SinkWrapper& wrap)
{
    const SaveResult failed{false, numbers::FormatText(texts::kSaveFailed, {path})};
    std::error_code error;

    // A link keeps pointing at the saved file: the file it names is replaced.
    std::string target = path;
    if (fs::is_symlink(path, error)) {
        const fs::path resolved = fs::canonical(path, error);
        if (!error)
            target = resolved.string();
    }
    struct stat previous {};
    const bool exists = ::stat(target.c_str(), &previous) == 0;
    // A folder, or a file the user may not write, is not replaced by the rename.
    if (exists && (!S_ISREG(previous.st_mode) || ::access(target.c_str(), W_OK) != 0))
        return failed;

    if (exists) {
        // Saving to a ".bak" name would copy the file onto itself; that backup is skipped.
        const std::string backup = BackupFileName(path);
        if (backup != path && !fs::equivalent(path, backup, error))
            fs::copy_file(target, backup, fs::copy_options::overwrite_existing, error);
    }

    std::string tempPath;
    FileDescriptor file(CreateTemporaryBeside(target, tempPath));
    if (file.Get() < 0)
        return failed;
    if (exists)
        ::fchmod(file.Get(), previous.st_mode & 07777);

    FileDescriptorSink fileSink(file.Get());
    std::unique_ptr<OutputSink> wrapped = wrap ? wrap(fileSink) : nullptr;
    bool ok = WriteProject(wrapped ? *wrapped : fileSink, project);
    ok = file.Close() && ok;
    if (!ok || ::rename(tempPath.c_str(), target.c_str()) != 0) {
        ::unlink(tempPath.c_str());
        return failed;
    }
    SyncFolderOf(target);
    return {};
}

} // namespace kontaro::model
