#include "xls/compound_file_reader.h"

#include "numbers/format_text.h"
#include "xls/compound_file_format.h"
#include "xls/xls_error.h"
#include "xls/xls_texts.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

namespace kontaro::xls {
namespace {

using namespace cfb;

// Deeper nesting than this is refused: real documents nest a few levels, and the element
// tree is built and released recursively.
constexpr std::size_t kMaxNesting = 256;

// A broken container, thrown inside the reader and turned into the user's message at its edge.
struct Broken {
    std::string why;
};
struct NoWorkbookStream {};

struct Entry {
    std::u16string name;
    std::uint8_t type = kTypeUnused;
    std::uint32_t left = kNoStream;
    std::uint32_t right = kNoStream;
    std::uint32_t child = kNoStream;
    std::uint32_t start = kEndOfChain;
    std::uint64_t size = 0;
};

class Reader {
public:
    explicit Reader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    // Returns false when the header is not one of a compound file.
    bool ReadHeader();
    CompoundFileContents ReadContents();

private:
    std::span<const std::uint8_t> Sector(std::uint32_t s) const;
    void ClaimSector(std::uint32_t s, const char* what);
    void ReadFat();
    std::vector<std::uint32_t> FollowChain(std::uint32_t start, const char* what);
    std::vector<std::uint8_t> ReadRegular(std::uint32_t start, std::uint64_t size, const char* what);
    std::vector<std::uint8_t> ReadMini(std::uint32_t start, std::uint64_t size);
    void LoadMiniStream();
    void ReadDirectory();
    std::vector<std::uint8_t> ReadStream(const Entry& e);
    StorageElementList ListLevel(std::uint32_t firstChild, std::size_t depth);

    std::span<const std::uint8_t> bytes_;
    int major_ = 3;
    std::uint32_t sectorSize_ = 512;
    std::uint32_t sectorCount_ = 0; // sectors that start inside the input
    std::vector<std::uint32_t> fat_;
    std::vector<bool> sectorUsed_; // each sector belongs to at most one chain
    std::vector<Entry> entries_;
    std::vector<bool> entryVisited_;
    bool miniLoaded_ = false;
    std::vector<std::uint8_t> miniStream_;
    std::vector<std::uint32_t> miniFat_;
    std::vector<bool> miniUsed_;
};

bool Reader::ReadHeader()
{
    if (bytes_.size() < kHeaderSize || !std::equal(std::begin(kSignature), std::end(kSignature), bytes_.begin())) {
        return false;
    }
    major_ = Get16(bytes_, kOffMajorVersion);
    const std::uint16_t shift = Get16(bytes_, kOffSectorShift);
    if (Get16(bytes_, kOffByteOrder) != 0xFFFE || Get16(bytes_, kOffMiniSectorShift) != 6 ||
        Get32(bytes_, kOffMiniStreamCutoff) != kMiniStreamCutoff) {
        return false;
    }
    if (!((major_ == 3 && shift == 9) || (major_ == 4 && shift == 12))) {
        return false;
    }
    sectorSize_ = 1u << shift;
    if (bytes_.size() > sectorSize_) {
        const std::uint64_t count = (bytes_.size() - sectorSize_ + sectorSize_ - 1) / sectorSize_;
        sectorCount_ = static_cast<std::uint32_t>(std::min<std::uint64_t>(count, kMaxRegularSector));
    }
    sectorUsed_.assign(sectorCount_, false);
    return true;
}

// The bytes of sector s that the input holds: a whole sector, or less for a cut-off last one.
std::span<const std::uint8_t> Reader::Sector(std::uint32_t s) const
{
    if (s >= sectorCount_) {
        throw Broken{"sector " + std::to_string(s) + " lies beyond the end of the file"};
    }
    const std::size_t offset = (static_cast<std::size_t>(s) + 1) * sectorSize_;
    return bytes_.subspan(offset, std::min<std::size_t>(sectorSize_, bytes_.size() - offset));
}

void Reader::ClaimSector(std::uint32_t s, const char* what)
{
    if (s >= sectorCount_) {
        throw Broken{std::string(what) + ": sector " + std::to_string(s) + " out of range"};
    }
    if (sectorUsed_[s]) {
        throw Broken{std::string(what) + ": sector " + std::to_string(s) + " is used twice (cyclic or shared chain)"};
    }
    sectorUsed_[s] = true;
}

void Reader::ReadFat()
{
    const std::uint32_t entriesPerSector = sectorSize_ / 4;
    std::vector<std::uint32_t> fatSectors;
    auto take = [&](std::uint32_t s) {
        // Writers end the list with FREESECT or ENDOFCHAIN, some leave FREESECT gaps.
        if (s < kMaxRegularSector) {
            fatSectors.push_back(s);
        }
    };
    for (std::size_t i = 0; i < kHeaderDifatEntries; ++i) {
        take(Get32(bytes_, kOffDifat + 4 * i));
    }
    std::uint32_t difat = Get32(bytes_, kOffFirstDifatSector);
    const std::uint32_t difatCount = Get32(bytes_, kOffDifatSectors);
    for (std::uint32_t n = 0; difat < kMaxRegularSector && n < difatCount; ++n) {
        ClaimSector(difat, "DIFAT");
        const auto sector = Sector(difat);
        if (sector.size() < sectorSize_) {
            throw Broken{"DIFAT sector cut off"};
        }
        for (std::uint32_t i = 0; i + 1 < entriesPerSector; ++i) {
            take(Get32(sector, 4 * i));
        }
        difat = Get32(sector, sectorSize_ - 4);
    }
    const std::uint32_t declared = Get32(bytes_, kOffFatSectors);
    if (fatSectors.size() > declared) {
        fatSectors.resize(declared);
    }
    if (fatSectors.empty()) {
        throw Broken{"no FAT sectors"};
    }
    // Claimed before anything is reserved: every FAT sector is a distinct sector of the
    // input, so the table below is never larger than the file.
    for (const std::uint32_t s : fatSectors) {
        ClaimSector(s, "FAT");
    }
    fat_.reserve(fatSectors.size() * entriesPerSector);
    for (const std::uint32_t s : fatSectors) {
        const auto sector = Sector(s);
        for (std::size_t i = 0; i + 4 <= sector.size(); i += 4) {
            fat_.push_back(Get32(sector, i));
        }
    }
}

// A chain of unknown length (directory, mini FAT): up to ENDOFCHAIN, or FREESECT where a
// writer left the end unmarked.
std::vector<std::uint32_t> Reader::FollowChain(std::uint32_t start, const char* what)
{
    std::vector<std::uint32_t> chain;
    for (std::uint32_t s = start; s != kEndOfChain && s != kFreeSector;) {
        if (s >= fat_.size()) {
            throw Broken{std::string(what) + ": sector " + std::to_string(s) + " out of range"};
        }
        ClaimSector(s, what);
        chain.push_back(s);
        s = fat_[s];
    }
    return chain;
}

std::vector<std::uint8_t> Reader::ReadRegular(std::uint32_t start, std::uint64_t size, const char* what)
{
    // Rounded up without adding first: a size near 2^64 must not wrap to a small count.
    const std::uint64_t needed = size / sectorSize_ + (size % sectorSize_ != 0 ? 1 : 0);
    if (needed > sectorCount_) {
        throw Broken{std::string(what) + ": size " + std::to_string(size) + " exceeds the file"};
    }
    std::vector<std::uint8_t> data;
    data.reserve(static_cast<std::size_t>(size));
    std::uint32_t s = start;
    for (std::uint64_t n = 0; n < needed; ++n) {
        if (s >= fat_.size()) {
            throw Broken{std::string(what) + ": chain ends before its size"};
        }
        ClaimSector(s, what);
        const auto sector = Sector(s);
        const std::size_t want = static_cast<std::size_t>(std::min<std::uint64_t>(sectorSize_, size - data.size()));
        if (sector.size() < want) {
            throw Broken{std::string(what) + ": data cut off at the end of the file"};
        }
        data.insert(data.end(), sector.begin(), sector.begin() + static_cast<std::ptrdiff_t>(want));
        s = fat_[s];
    }
    return data;
}

void Reader::LoadMiniStream()
{
    miniLoaded_ = true;
    const Entry& root = entries_[0];
    miniStream_ = ReadRegular(root.start, root.size, "mini stream");
    std::vector<std::uint8_t> table;
    const std::uint32_t first = Get32(bytes_, kOffFirstMiniFatSector);
    for (const std::uint32_t s : FollowChain(first, "mini FAT")) {
        const auto sector = Sector(s);
        table.insert(table.end(), sector.begin(), sector.end());
    }
    miniFat_.reserve(table.size() / 4);
    for (std::size_t i = 0; i + 4 <= table.size(); i += 4) {
        miniFat_.push_back(Get32(table, i));
    }
    miniUsed_.assign(miniFat_.size(), false);
}

std::vector<std::uint8_t> Reader::ReadMini(std::uint32_t start, std::uint64_t size)
{
    if (!miniLoaded_) {
        LoadMiniStream();
    }
    const std::uint64_t needed = (size + kMiniSectorSize - 1) / kMiniSectorSize;
    std::vector<std::uint8_t> data;
    data.reserve(static_cast<std::size_t>(size));
    std::uint32_t s = start;
    for (std::uint64_t n = 0; n < needed; ++n) {
        if (s >= miniFat_.size()) {
            throw Broken{"mini stream chain: sector " + std::to_string(s) + " out of range"};
        }
        if (miniUsed_[s]) {
            throw Broken{"mini stream chain: sector " + std::to_string(s) + " used twice"};
        }
        miniUsed_[s] = true;
        const std::size_t offset = static_cast<std::size_t>(s) * kMiniSectorSize;
        const std::size_t want = static_cast<std::size_t>(std::min<std::uint64_t>(kMiniSectorSize, size - data.size()));
        if (offset + want > miniStream_.size()) {
            throw Broken{"mini stream chain leaves the mini stream"};
        }
        data.insert(data.end(), miniStream_.begin() + static_cast<std::ptrdiff_t>(offset),
                    miniStream_.begin() + static_cast<std::ptrdiff_t>(offset + want));
        s = miniFat_[s];
    }
    return data;
}

void Reader::ReadDirectory()
{
    std::vector<std::uint8_t> table;
    for (const std::uint32_t s : FollowChain(Get32(bytes_, kOffFirstDirectorySector), "directory")) {
        const auto sector = Sector(s);
        table.insert(table.end(), sector.begin(), sector.end());
    }
    const std::size_t count = table.size() / kDirectoryEntrySize;
    entries_.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const auto e = std::span<const std::uint8_t>(table).subspan(i * kDirectoryEntrySize, kDirectoryEntrySize);
        Entry entry;
        entry.type = e[kOffType];
        if (entry.type != kTypeUnused) {
            const std::uint16_t nameBytes = Get16(e, kOffNameLength);
            if (nameBytes > 2 * (kMaxNameUnits + 1) || nameBytes % 2 != 0) {
                throw Broken{"directory entry " + std::to_string(i) + " has a bad name length"};
            }
            for (std::size_t k = 0; k + 1 < nameBytes / 2u; ++k) {
                const char16_t c = Get16(e, 2 * k);
                if (c == 0) {
                    break;
                }
                entry.name.push_back(c);
            }
        }
        entry.left = Get32(e, kOffLeft);
        entry.right = Get32(e, kOffRight);
        entry.child = Get32(e, kOffChild);
        entry.start = Get32(e, kOffStart);
        entry.size = Get64(e, kOffSize);
        if (major_ == 3) {
            // Version 3 writers may leave garbage in the high half of the size.
            entry.size &= 0xFFFFFFFFu;
        }
        entries_.push_back(std::move(entry));
    }
    if (entries_.empty() || entries_[0].type != kTypeRoot) {
        throw Broken{"the first directory entry is not the root"};
    }
    entryVisited_.assign(entries_.size(), false);
    entryVisited_[0] = true;
}

std::vector<std::uint8_t> Reader::ReadStream(const Entry& e)
{
    if (e.size < kMiniStreamCutoff) {
        return ReadMini(e.start, e.size);
    }
    return ReadRegular(e.start, e.size, "stream");
}

// The elements of one level in the order of its tree (the format's name order), without
// recursion over the tree itself: degenerate, list-shaped trees are common.
StorageElementList Reader::ListLevel(std::uint32_t firstChild, std::size_t depth)
{
    if (depth > kMaxNesting) {
        throw Broken{"storages nested too deeply"};
    }
    StorageElementList level;
    std::vector<std::uint32_t> pending;
    std::uint32_t node = firstChild;
    while (node != kNoStream || !pending.empty()) {
        while (node != kNoStream) {
            if (node >= entries_.size() || entryVisited_[node]) {
                throw Broken{"directory tree link " + std::to_string(node) + " is invalid or cyclic"};
            }
            entryVisited_[node] = true;
            pending.push_back(node);
            node = entries_[node].left;
        }
        const Entry& e = entries_[pending.back()];
        pending.pop_back();
        if (e.type == kTypeStorage) {
            StorageElement element;
            element.kind = StorageElement::Kind::Storage;
            element.name = e.name;
            element.children = ListLevel(e.child, depth + 1);
            level.push_back(std::move(element));
        } else if (e.type == kTypeStream) {
            StorageElement element;
            element.name = e.name;
            element.content = ReadStream(e);
            level.push_back(std::move(element));
        } else if (e.type == kTypeRoot) {
            throw Broken{"a second root in the directory"};
        }
        node = e.right;
    }
    return level;
}

CompoundFileContents Reader::ReadContents()
{
    ReadFat();
    ReadDirectory();
    CompoundFileContents contents;
    contents.carried = ListLevel(entries_[0].child, 0);
    auto& top = contents.carried;
    auto isWorkbook = [](std::u16string_view wanted) {
        return [wanted](const StorageElement& e) {
            return e.kind == StorageElement::Kind::Stream && CompareElementNames(e.name, wanted) == 0;
        };
    };
    auto found = std::find_if(top.begin(), top.end(), isWorkbook(kWorkbookStreamName));
    if (found == top.end()) {
        found = std::find_if(top.begin(), top.end(), isWorkbook(u"Book"));
    }
    if (found == top.end()) {
        throw NoWorkbookStream{};
    }
    contents.workbookName = found->name;
    contents.workbook = std::move(found->content);
    top.erase(found);
    return contents;
}

} // namespace

CompoundFileContents ReadCompoundFile(std::span<const std::uint8_t> bytes, std::string_view displayName)
{
    Reader reader(bytes);
    if (!reader.ReadHeader()) {
        throw XlsError(numbers::FormatText(texts::kFileInvalid, {displayName}));
    }
    try {
        return reader.ReadContents();
    } catch (const Broken& broken) {
        throw XlsError(numbers::FormatText(texts::kCantReadFile, {displayName}), broken.why);
    } catch (const NoWorkbookStream&) {
        throw XlsError(numbers::FormatText(texts::kNoWorkbookStream, {displayName}));
    }
}

CompoundFileContents ReadCompoundFileAt(const std::string& path)
{
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::path resolved(path);
    if (!fs::exists(resolved, ec) && !resolved.has_extension()) {
        resolved += ".xls";
    }
    if (path.empty() || !fs::is_regular_file(resolved, ec)) {
        throw XlsError(numbers::FormatText(texts::kCantFindFile, {path}));
    }
    std::ifstream in(resolved, std::ios::binary);
    std::vector<std::uint8_t> bytes;
    if (in) {
        in.seekg(0, std::ios::end);
        const auto size = in.tellg();
        in.seekg(0, std::ios::beg);
        if (size >= 0) {
            bytes.resize(static_cast<std::size_t>(size));
            in.read(reinterpret_cast<char*>(bytes.data()), size);
        }
    }
    if (!in) {
        throw XlsError(numbers::FormatText(texts::kCantReadFile, {path}), "the file cannot be read");
    }
    return ReadCompoundFile(bytes, path);
}

} // namespace kontaro::xls
