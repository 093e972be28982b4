#include "till/export_files.h"

#include "numbers/format_text.h"
#include "till/import_error.h"
#include "till/till_texts.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>
#include <zip.h>

namespace kontaro::till {

namespace fs = std::filesystem;
using numbers::FormatText;

namespace {

// No table of a real export comes near this; a larger entry is a broken or hostile ZIP.
constexpr uint64_t kMaxFileSize = uint64_t{1} << 30;
constexpr std::string_view kIndexName = "index.xml";

std::string Lower(std::string_view text)
{
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c); });
    return lower;
}

// A table's URL as index.xml writes it, as a relative name with "/" separators.
std::string NormalName(std::string_view name)
{
    std::string normal(name);
    std::replace(normal.begin(), normal.end(), '\\', '/');
    while (normal.rfind("./", 0) == 0)
        normal.erase(0, 2);
    return Lower(normal);
}

std::optional<std::string> ReadDiskFile(const fs::path& path)
{
    std::error_code error;
    if (!fs::is_regular_file(path, error))
        return std::nullopt;
    const auto size = fs::file_size(path, error);
    if (error)
        throw ImportError(FormatText(texts::kFileUnreadable, {path.string()}));
    if (size > kMaxFileSize)
        throw ImportError(FormatText(texts::kFileTooLarge, {path.string()}));
    std::ifstream in(path, std::ios::binary);
    std::string bytes;
    bytes.resize(static_cast<size_t>(size));
    if (!in.read(bytes.data(), static_cast<std::streamsize>(bytes.size())))
        throw ImportError(FormatText(texts::kFileUnreadable, {path.string()}));
    return bytes;
}

} // namespace

class ExportFiles::Backend {
public:
    virtual ~Backend() = default;
    virtual std::optional<std::string> Read(const std::string& normalName) const = 0;
};

namespace {

class MemoryBackend : public ExportFiles::Backend {
public:
    explicit MemoryBackend(std::map<std::string, std::string> files)
    {
        for (auto& [name, bytes] : files)
            files_[NormalName(name)] = std::move(bytes);
    }
    std::optional<std::string> Read(const std::string& normalName) const override
    {
        const auto found = files_.find(normalName);
        if (found == files_.end())
            return std::nullopt;
        return found->second;
    }

private:
    std::map<std::string, std::string> files_;
};

class FolderBackend : public ExportFiles::Backend {
public:
    explicit FolderBackend(fs::path folder) : folder_(std::move(folder))
    {
        std::error_code error;
        for (const auto& entry : fs::directory_iterator(folder_, error))
            names_[Lower(entry.path().filename().string())] = entry.path().filename().string();
    }
    std::optional<std::string> Read(const std::string& normalName) const override
    {
        // Tables lie beside index.xml; a name with a folder part is looked up as written.
        if (normalName.find('/') != std::string::npos)
            return ReadDiskFile(folder_ / normalName);
        const auto found = names_.find(normalName);
        if (found == names_.end())
            return std::nullopt;
        return ReadDiskFile(folder_ / found->second);
    }

private:
    fs::path folder_;
    std::map<std::string, std::string> names_; // lower-case name -> name on disk
};

struct ZipCloser {
    void operator()(zip_t* archive) const { zip_discard(archive); }
};
struct ZipFileCloser {
    void operator()(zip_file_t* file) const { zip_fclose(file); }
};

class ZipBackend : public ExportFiles::Backend {
public:
    explicit ZipBackend(const std::string& path) : path_(path)
    {
        int code = 0;
        archive_.reset(zip_open(path.c_str(), ZIP_RDONLY | ZIP_CHECKCONS, &code));
        if (!archive_)
            throw ImportError(FormatText(texts::kZipBroken, {path}));
        const zip_int64_t count = zip_get_num_entries(archive_.get(), 0);
        std::string indexName;
        for (zip_int64_t i = 0; i < count; ++i) {
            const char* raw = zip_get_name(archive_.get(), static_cast<zip_uint64_t>(i), ZIP_FL_ENC_GUESS);
            if (raw == nullptr)
                continue;
            const std::string name = NormalName(raw);
            entries_[name] = static_cast<zip_uint64_t>(i);
            const size_t slash = name.rfind('/');
            const std::string_view base = slash == std::string::npos ? name : std::string_view(name).substr(slash + 1);
            // The shallowest index.xml is the export's; deeper ones belong to something else.
            if (base == kIndexName && (indexName.empty() || std::count(name.begin(), name.end(), '/') <
                                                                std::count(indexName.begin(), indexName.end(), '/')))
                indexName = name;
        }
        if (indexName.empty())
            throw ImportError(FormatText(texts::kNoIndex, {path}));
        prefix_ = indexName.substr(0, indexName.size() - kIndexName.size());
    }

    std::optional<std::string> Read(const std::string& normalName) const override
    {
        const auto found = entries_.find(prefix_ + normalName);
        if (found == entries_.end())
            return std::nullopt;
        const std::string shownName = prefix_ + normalName;
        zip_stat_t stat;
        zip_stat_init(&stat);
        if (zip_stat_index(archive_.get(), found->second, 0, &stat) != 0 || (stat.valid & ZIP_STAT_SIZE) == 0)
            throw ImportError(FormatText(texts::kZipEntryBroken, {shownName, path_}));
        if (stat.size > kMaxFileSize)
            throw ImportError(FormatText(texts::kFileTooLarge, {shownName}));
        std::unique_ptr<zip_file_t, ZipFileCloser> file(zip_fopen_index(archive_.get(), found->second, 0));
        if (!file)
            throw ImportError(FormatText(texts::kZipEntryBroken, {shownName, path_}));
        std::string bytes(static_cast<size_t>(stat.size), '\0');
        size_t done = 0;
        while (done < bytes.size()) {
            const zip_int64_t got = zip_fread(file.get(), bytes.data() + done, bytes.size() - done);
            if (got <= 0)
                throw ImportError(FormatText(texts::kZipEntryBroken, {shownName, path_}));
            done += static_cast<size_t>(got);
        }
        // Reading to the end lets libzip compare the checksum.
        char probe = 0;
        if (zip_fread(file.get(), &probe, 1) != 0)
            throw ImportError(FormatText(texts::kZipEntryBroken, {shownName, path_}));
        return bytes;
    }

private:
    std::string path_;
    std::unique_ptr<zip_t, ZipCloser> archive_;
    std::map<std::string, zip_uint64_t> entries_; // normal name -> index
    std::string prefix_;                          // index.xml's folder inside the ZIP, with "/"
};

// The folder that holds index.xml: `folder` itself or one of its folders.
std::optional<fs::path> IndexFolder(const fs::path& folder)
{
    std::error_code error;
    auto holdsIndex = [&](const fs::path& dir) {
        for (const auto& entry : fs::directory_iterator(dir, error))
            if (Lower(entry.path().filename().string()) == kIndexName && entry.is_regular_file(error))
                return true;
        return false;
    };
    if (holdsIndex(folder))
        return folder;
    std::vector<fs::path> inner;
    for (const auto& entry : fs::directory_iterator(folder, error))
        if (entry.is_directory(error))
            inner.push_back(entry.path());
    std::sort(inner.begin(), inner.end());
    for (const auto& dir : inner)
        if (holdsIndex(dir))
            return dir;
    return std::nullopt;
}

} // namespace

ExportFiles::ExportFiles(std::string source, std::unique_ptr<Backend> backend)
    : source_(std::move(source)), backend_(std::move(backend))
{}
ExportFiles::ExportFiles(ExportFiles&&) noexcept = default;
ExportFiles& ExportFiles::operator=(ExportFiles&&) noexcept = default;
ExportFiles::~ExportFiles() = default;

ExportFiles ExportFiles::Open(const std::string& path)
{
    std::error_code error;
    const fs::path where(path);
    if (fs::is_directory(where, error)) {
        const auto folder = IndexFolder(where);
        if (!folder)
            throw ImportError(FormatText(texts::kNoIndex, {path}));
        return ExportFiles(path, std::make_unique<FolderBackend>(*folder));
    }
    if (!fs::is_regular_file(where, error))
        throw ImportError(FormatText(texts::kExportMissing, {path}));
    if (Lower(where.filename().string()) == kIndexName) {
        const fs::path folder = where.parent_path().empty() ? fs::path(".") : where.parent_path();
        return ExportFiles(path, std::make_unique<FolderBackend>(folder));
    }
    return ExportFiles(path, std::make_unique<ZipBackend>(path));
}

ExportFiles ExportFiles::FromMemory(std::map<std::string, std::string> files)
{
    return ExportFiles("", std::make_unique<MemoryBackend>(std::move(files)));
}

const std::string* ExportFiles::Read(std::string_view name) const
{
    const std::string normal = NormalName(name);
    auto found = read_.find(normal);
    if (found == read_.end())
        found = read_.emplace(normal, backend_->Read(normal)).first;
    return found->second ? &*found->second : nullptr;
}

} // namespace kontaro::till
