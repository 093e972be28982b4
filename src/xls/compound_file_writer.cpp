#include "xls/compound_file_writer.h"

#include "numbers/format_text.h"
#include "xls/compound_file_format.h"
#include "xls/exclusive_file.h"
#include "xls/xls_error.h"
#include "xls/xls_texts.h"

#include <algorithm>
#include <cstring>
#include <tuple>
#include <utility>

namespace kontaro::xls {
namespace {

using namespace cfb;

[[noreturn]] void Refuse(const std::string& why)
{
    throw XlsError(numbers::FormatText(texts::kCantWriteFile, {""}), why);
}

std::uint64_t CeilDiv(std::uint64_t a, std::uint64_t b) { return (a + b - 1) / b; }

// The sectors of the FAT and of the DIFAT for a file of `sectors` other sectors. The FAT
// covers itself and the DIFAT, so their counts grow together until they settle.
std::pair<std::uint64_t, std::uint64_t> FatAndDifatSectors(std::uint64_t sectors, std::uint64_t perSector)
{
    std::uint64_t fatSectors = 0;
    std::uint64_t difatSectors = 0;
    for (;;) {
        const std::uint64_t fat = CeilDiv(sectors + fatSectors + difatSectors, perSector);
        const std::uint64_t difat = fat > kHeaderDifatEntries ? CeilDiv(fat - kHeaderDifatEntries, perSector - 1) : 0;
        if (fat == fatSectors && difat == difatSectors) {
            return {fatSectors, difatSectors};
        }
        fatSectors = fat;
        difatSectors = difat;
    }
}

struct Node {
    std::u16string name;
    std::uint8_t type = kTypeStream;
    std::span<const std::uint8_t> data;
    std::vector<std::uint32_t> children;
    std::uint32_t left = kNoStream;
    std::uint32_t right = kNoStream;
    std::uint32_t child = kNoStream;
    std::uint8_t colour = kBlack;
    std::uint32_t start = kEndOfChain;
    bool inMiniStream = false;
};

// Where each part of the file lies, in sectors counted from the first one after the header.
struct SectorLayout {
    std::uint64_t miniStreamBytes = 0;
    std::uint64_t miniStreamStart = 0;
    std::uint64_t miniStreamSectors = 0;
    std::uint64_t miniFatStart = 0;
    std::uint64_t miniFatSectors = 0;
    std::uint64_t directoryStart = 0;
    std::uint64_t directorySectors = 0;
    std::uint64_t fatStart = 0;
    std::uint64_t fatSectors = 0;
    std::uint64_t difatStart = 0;
    std::uint64_t difatSectors = 0;
    std::uint64_t total = 0;
};

class Writer {
public:
    Writer(const StorageElementList& carried, std::span<const std::uint8_t> workbook,
           const CompoundFileOptions& options);
    std::vector<std::uint8_t> Write();

private:
    void AddLevel(std::uint32_t parent, const StorageElementList& level, bool top);
    std::uint32_t AddNode(std::uint32_t parent, Node node);
    void CheckNames(const Node& storage) const;
    void BuildTree(std::uint32_t storage);
    std::uint32_t Balance(const std::vector<std::uint32_t>& sorted, std::size_t lo, std::size_t hi, int depth,
                          std::vector<int>& depths);
    void PutChain(std::vector<std::uint32_t>& table, std::uint32_t first, std::uint64_t count);

    void PlaceSectors();
    std::span<std::uint8_t> Sector(std::uint64_t s);
    void WriteStreamsAndTables();
    void WriteTable(const std::vector<std::uint32_t>& table, std::uint64_t firstSector);
    void WriteDirectory();
    void WriteDirectoryEntry(std::span<std::uint8_t> e, const Node& node) const;
    std::vector<std::uint32_t> WriteDifat();
    void WriteHeader(const std::vector<std::uint32_t>& difat);

    std::vector<Node> nodes_;
    CompoundFileOptions options_;
    std::uint32_t sectorSize_;
    SectorLayout layout_;
    std::vector<std::uint8_t> file_;
};

Writer::Writer(const StorageElementList& carried, std::span<const std::uint8_t> workbook,
               const CompoundFileOptions& options)
    : options_(options), sectorSize_(options.majorVersion == 4 ? 4096 : 512)
{
    if (options.majorVersion != 3 && options.majorVersion != 4) {
        Refuse("unknown compound file version");
    }
    Node root;
    root.name = u"Root Entry";
    root.type = kTypeRoot;
    nodes_.push_back(std::move(root));
    AddLevel(0, carried, true);
    Node stream;
    stream.name = std::u16string(kWorkbookStreamName);
    stream.data = workbook;
    AddNode(0, std::move(stream));
}

std::uint32_t Writer::AddNode(std::uint32_t parent, Node node)
{
    const auto index = static_cast<std::uint32_t>(nodes_.size());
    nodes_.push_back(std::move(node));
    nodes_[parent].children.push_back(index);
    return index;
}

void Writer::AddLevel(std::uint32_t parent, const StorageElementList& level, bool top)
{
    for (const StorageElement& element : level) {
        if (element.kind == StorageElement::Kind::Stream) {
            // The new workbook stream replaces the old one under whatever name it had.
            if (element.content.empty() || (top && IsWorkbookStreamName(element.name))) {
                continue;
            }
            Node node;
            node.name = element.name;
            node.data = element.content;
            AddNode(parent, std::move(node));
            continue;
        }
        Node node;
        node.name = element.name;
        node.type = kTypeStorage;
        const std::uint32_t index = AddNode(parent, std::move(node));
        AddLevel(index, element.children, false);
        if (nodes_[index].children.empty()) {
            // Nothing was written below it: the storage is dropped like an empty stream.
            nodes_.pop_back();
            nodes_[parent].children.pop_back();
        }
    }
}

void Writer::CheckNames(const Node& storage) const
{
    std::vector<std::u16string_view> names;
    for (const std::uint32_t c : storage.children) {
        const auto& name = nodes_[c].name;
        if (name.empty() || name.size() > kMaxNameUnits) {
            Refuse("an element name is empty or longer than 31 characters");
        }
        names.push_back(name);
    }
    std::sort(names.begin(), names.end(), [](auto a, auto b) { return CompareElementNames(a, b) < 0; });
    for (std::size_t i = 1; i < names.size(); ++i) {
        if (CompareElementNames(names[i - 1], names[i]) == 0) {
            Refuse("two elements of one storage have the same name");
        }
    }
}

std::uint32_t Writer::Balance(const std::vector<std::uint32_t>& sorted, std::size_t lo, std::size_t hi, int depth,
                              std::vector<int>& depths)
{
    if (lo >= hi) {
        return kNoStream;
    }
    const std::size_t mid = lo + (hi - lo) / 2;
    const std::uint32_t node = sorted[mid];
    depths[mid] = depth;
    nodes_[node].left = Balance(sorted, lo, mid, depth + 1, depths);
    nodes_[node].right = Balance(sorted, mid + 1, hi, depth + 1, depths);
    return node;
}

// A tree split at the middle has all its empty links on the two lowest levels. Colouring the
// nodes of the lowest level red (unless that level is full) gives every path the same number
// of black nodes and never two reds in a row.
void Writer::BuildTree(std::uint32_t storage)
{
    CheckNames(nodes_[storage]);
    std::vector<std::uint32_t> sorted = nodes_[storage].children;
    std::sort(sorted.begin(), sorted.end(), [this](std::uint32_t a, std::uint32_t b) {
        return CompareElementNames(nodes_[a].name, nodes_[b].name) < 0;
    });
    std::vector<int> depths(sorted.size(), 0);
    nodes_[storage].child = Balance(sorted, 0, sorted.size(), 0, depths);
    const int deepest = sorted.empty() ? 0 : *std::max_element(depths.begin(), depths.end());
    const bool full = sorted.size() + 1 == (std::size_t{1} << (deepest + 1));
    for (std::size_t i = 0; i < sorted.size(); ++i) {
        nodes_[sorted[i]].colour = (!full && depths[i] == deepest) ? kRed : kBlack;
    }
    for (const std::uint32_t c : sorted) {
        if (nodes_[c].type == kTypeStorage) {
            BuildTree(c);
        }
    }
}

void Writer::PutChain(std::vector<std::uint32_t>& table, std::uint32_t first, std::uint64_t count)
{
    for (std::uint64_t i = 0; i < count; ++i) {
        table[first + i] = (i + 1 == count) ? kEndOfChain : static_cast<std::uint32_t>(first + i + 1);
    }
}

std::vector<std::uint8_t> Writer::Write()
{
    BuildTree(0);
    PlaceSectors();
    file_.assign(static_cast<std::size_t>((layout_.total + 1) * sectorSize_), 0);
    WriteStreamsAndTables();
    WriteDirectory();
    WriteHeader(WriteDifat());
    return std::move(file_);
}

// Sector layout: regular streams, the mini stream, the mini FAT, the directory, the FAT, the
// DIFAT.
void Writer::PlaceSectors()
{
    const std::uint64_t perSector = sectorSize_ / 4;
    std::uint64_t next = 0;
    std::uint64_t miniSectors = 0;
    for (Node& node : nodes_) {
        if (node.type != kTypeStream || node.data.empty()) {
            continue;
        }
        if (options_.majorVersion == 3 && node.data.size() > 0x7FFFFFFFu) {
            Refuse("a stream is too large for the file format");
        }
        if (node.data.size() < kMiniStreamCutoff) {
            node.inMiniStream = true;
            node.start = static_cast<std::uint32_t>(miniSectors);
            miniSectors += CeilDiv(node.data.size(), kMiniSectorSize);
        } else {
            node.start = static_cast<std::uint32_t>(next);
            next += CeilDiv(node.data.size(), sectorSize_);
        }
    }
    SectorLayout& at = layout_;
    at.miniStreamBytes = miniSectors * kMiniSectorSize;
    at.miniStreamStart = next;
    at.miniStreamSectors = CeilDiv(at.miniStreamBytes, sectorSize_);
    next += at.miniStreamSectors;
    at.miniFatStart = next;
    at.miniFatSectors = CeilDiv(miniSectors, perSector);
    next += at.miniFatSectors;
    at.directoryStart = next;
    at.directorySectors = CeilDiv(nodes_.size() * kDirectoryEntrySize, sectorSize_);
    next += at.directorySectors;

    std::tie(at.fatSectors, at.difatSectors) = FatAndDifatSectors(next, perSector);
    at.fatStart = next;
    at.difatStart = at.fatStart + at.fatSectors;
    at.total = at.difatStart + at.difatSectors;
    if (at.total >= kMaxRegularSector || (options_.majorVersion == 3 && at.total * sectorSize_ > 0xFFFFFFFFu)) {
        Refuse("the file would exceed the size of the file format");
    }
}

std::span<std::uint8_t> Writer::Sector(std::uint64_t s)
{
    return std::span<std::uint8_t>(file_).subspan(static_cast<std::size_t>((s + 1) * sectorSize_), sectorSize_);
}

// Copies every stream into its sectors and writes the chains of the FAT and the mini FAT.
void Writer::WriteStreamsAndTables()
{
    const std::uint64_t ss = sectorSize_;
    const std::uint64_t perSector = ss / 4;
    const SectorLayout& at = layout_;
    std::vector<std::uint32_t> fat(static_cast<std::size_t>(at.fatSectors * perSector), kFreeSector);
    std::vector<std::uint32_t> miniFat(static_cast<std::size_t>(at.miniFatSectors * perSector), kFreeSector);
    for (const Node& node : nodes_) {
        if (node.type != kTypeStream || node.data.empty()) {
            continue;
        }
        if (node.inMiniStream) {
            const std::uint64_t count = CeilDiv(node.data.size(), kMiniSectorSize);
            PutChain(miniFat, node.start, count);
            const std::size_t offset =
                static_cast<std::size_t>((at.miniStreamStart + 1) * ss + node.start * kMiniSectorSize);
            std::copy(node.data.begin(), node.data.end(), file_.begin() + static_cast<std::ptrdiff_t>(offset));
        } else {
            PutChain(fat, node.start, CeilDiv(node.data.size(), ss));
            const std::size_t offset = static_cast<std::size_t>((node.start + 1) * ss);
            std::copy(node.data.begin(), node.data.end(), file_.begin() + static_cast<std::ptrdiff_t>(offset));
        }
    }
    PutChain(fat, static_cast<std::uint32_t>(at.miniStreamStart), at.miniStreamSectors);
    PutChain(fat, static_cast<std::uint32_t>(at.miniFatStart), at.miniFatSectors);
    PutChain(fat, static_cast<std::uint32_t>(at.directoryStart), at.directorySectors);
    for (std::uint64_t i = 0; i < at.fatSectors; ++i) {
        fat[at.fatStart + i] = kFatSector;
    }
    for (std::uint64_t i = 0; i < at.difatSectors; ++i) {
        fat[at.difatStart + i] = kDifatSector;
    }
    WriteTable(miniFat, at.miniFatStart);
    WriteTable(fat, at.fatStart);
}

void Writer::WriteTable(const std::vector<std::uint32_t>& table, std::uint64_t firstSector)
{
    const std::uint64_t perSector = sectorSize_ / 4;
    for (std::uint64_t i = 0; i < table.size(); ++i) {
        Put32(Sector(firstSector + i / perSector), 4 * (i % perSector), table[i]);
    }
}

// The entries in the order they were added, then zeroed unused entries.
void Writer::WriteDirectory()
{
    const std::uint64_t ss = sectorSize_;
    const SectorLayout& at = layout_;
    const std::size_t entrySlots = static_cast<std::size_t>(at.directorySectors * ss / kDirectoryEntrySize);
    for (std::size_t i = 0; i < entrySlots; ++i) {
        auto e = std::span<std::uint8_t>(file_).subspan(
            static_cast<std::size_t>((at.directoryStart + 1) * ss) + i * kDirectoryEntrySize, kDirectoryEntrySize);
        if (i >= nodes_.size()) {
            Put32(e, kOffLeft, kNoStream);
            Put32(e, kOffRight, kNoStream);
            Put32(e, kOffChild, kNoStream);
            continue;
        }
        WriteDirectoryEntry(e, nodes_[i]);
    }
}

void Writer::WriteDirectoryEntry(std::span<std::uint8_t> e, const Node& node) const
{
    for (std::size_t k = 0; k < node.name.size(); ++k) {
        Put16(e, 2 * k, node.name[k]);
    }
    Put16(e, kOffNameLength, static_cast<std::uint16_t>(2 * (node.name.size() + 1)));
    e[kOffType] = node.type;
    e[kOffColour] = node.type == kTypeRoot ? kBlack : node.colour;
    Put32(e, kOffLeft, node.left);
    Put32(e, kOffRight, node.right);
    Put32(e, kOffChild, node.child);
    if (node.type == kTypeRoot) {
        if (options_.rootClassId) {
            std::copy(options_.rootClassId->begin(), options_.rootClassId->end(), e.begin() + kOffEntryClassId);
        }
        const SectorLayout& at = layout_;
        Put32(e, kOffStart, at.miniStreamBytes ? static_cast<std::uint32_t>(at.miniStreamStart) : kEndOfChain);
        Put64(e, kOffSize, at.miniStreamBytes);
    } else if (node.type == kTypeStream) {
        Put32(e, kOffStart, node.data.empty() ? kEndOfChain : node.start);
        Put64(e, kOffSize, node.data.size());
    }
}

// 109 entries in the header, then chained sectors of 127 entries and a link. Writes the
// chained sectors and returns all entries, the header's first.
std::vector<std::uint32_t> Writer::WriteDifat()
{
    const std::uint64_t perSector = sectorSize_ / 4;
    const SectorLayout& at = layout_;
    std::vector<std::uint32_t> difat(static_cast<std::size_t>(kHeaderDifatEntries + at.difatSectors * (perSector - 1)),
                                     kFreeSector);
    for (std::uint64_t i = 0; i < at.fatSectors; ++i) {
        difat[i] = static_cast<std::uint32_t>(at.fatStart + i);
    }
    for (std::uint64_t d = 0; d < at.difatSectors; ++d) {
        auto s = Sector(at.difatStart + d);
        for (std::uint64_t k = 0; k + 1 < perSector; ++k) {
            Put32(s, 4 * k, difat[kHeaderDifatEntries + d * (perSector - 1) + k]);
        }
        Put32(s, sectorSize_ - 4,
              d + 1 < at.difatSectors ? static_cast<std::uint32_t>(at.difatStart + d + 1) : kEndOfChain);
    }
    return difat;
}

void Writer::WriteHeader(const std::vector<std::uint32_t>& difat)
{
    const SectorLayout& at = layout_;
    auto header = std::span<std::uint8_t>(file_).first(kHeaderSize);
    std::copy(std::begin(kSignature), std::end(kSignature), header.begin());
    Put16(header, kOffMinorVersion, 0x003E);
    Put16(header, kOffMajorVersion, static_cast<std::uint16_t>(options_.majorVersion));
    Put16(header, kOffByteOrder, 0xFFFE);
    Put16(header, kOffSectorShift, options_.majorVersion == 4 ? 12 : 9);
    Put16(header, kOffMiniSectorShift, 6);
    Put32(header, kOffDirectorySectors,
          options_.majorVersion == 4 ? static_cast<std::uint32_t>(at.directorySectors) : 0);
    Put32(header, kOffFatSectors, static_cast<std::uint32_t>(at.fatSectors));
    Put32(header, kOffFirstDirectorySector, static_cast<std::uint32_t>(at.directoryStart));
    Put32(header, kOffMiniStreamCutoff, kMiniStreamCutoff);
    Put32(header, kOffFirstMiniFatSector,
          at.miniFatSectors ? static_cast<std::uint32_t>(at.miniFatStart) : kEndOfChain);
    Put32(header, kOffMiniFatSectors, static_cast<std::uint32_t>(at.miniFatSectors));
    Put32(header, kOffFirstDifatSector, at.difatSectors ? static_cast<std::uint32_t>(at.difatStart) : kEndOfChain);
    Put32(header, kOffDifatSectors, static_cast<std::uint32_t>(at.difatSectors));
    for (std::size_t i = 0; i < kHeaderDifatEntries; ++i) {
        Put32(header, kOffDifat + 4 * i, difat[i]);
    }
}

} // namespace

std::vector<std::uint8_t> WriteCompoundFile(const StorageElementList& carried, std::span<const std::uint8_t> workbook,
                                            const CompoundFileOptions& options)
{
    return Writer(carried, workbook, options).Write();
}

void WriteCompoundFileAt(const std::string& path, const StorageElementList& carried,
                         std::span<const std::uint8_t> workbook)
{
    // The bytes are complete before the file is created: a refusal creates nothing.
    std::vector<std::uint8_t> bytes;
    try {
        bytes = WriteCompoundFile(carried, workbook);
    } catch (const XlsError& error) {
        throw XlsError(numbers::FormatText(texts::kCantWriteFile, {path}), error.detail());
    }
    ExclusiveFile file(path);
    file.Finish(bytes);
}

} // namespace kontaro::xls
