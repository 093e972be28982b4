// Writes the compound files that the external readers check: samples of the writer's own
// layout rules, the empty workbook as saved, and the corpus written anew.
//
// usage: write_compound_samples OUTDIR CORPUSDIR
//   OUTDIR/samples/*.xls     with OUTDIR/samples/manifest.txt: file, stream path, size, FNV-1a
//   OUTDIR/corpus/NAME       a corpus file read and written back with the same workbook stream
//   OUTDIR/corpus/NAME.refused  the message when the corpus file is refused

#include "xls/compound_file_fixtures.h"
#include "xls/compound_file_reader.h"
#include "xls/compound_file_writer.h"
#include "xls/empty_workbook.h"
#include "xls/xls_error.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using kontaro::xls::StorageElement;
using kontaro::xls::StorageElementList;
using kontaro::xls::test::Bytes;

using kontaro::xls::test::Pattern;
using kontaro::xls::test::Storage;
using kontaro::xls::test::Stream;

std::uint32_t Fnv1a(const Bytes& bytes)
{
    std::uint32_t h = 2166136261u;
    for (const std::uint8_t b : bytes) {
        h = (h ^ b) * 16777619u;
    }
    return h;
}

// The manifest names streams as olefile does: path parts joined by "/", control characters
// written as \xNN.
std::string PathText(const std::u16string& name)
{
    std::string text;
    for (const char16_t c : name) {
        if (c < 0x20 || c > 0x7E || c == '\\') {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\x%02x", static_cast<unsigned>(c));
            text += buf;
        } else {
            text += static_cast<char>(c);
        }
    }
    return text;
}

void List(std::ostream& manifest, const std::string& file, const std::string& prefix, const StorageElementList& list)
{
    for (const StorageElement& e : list) {
        const std::string path = prefix + PathText(e.name);
        if (e.kind == StorageElement::Kind::Storage) {
            List(manifest, file, path + "/", e.children);
        } else if (!e.content.empty()) {
            manifest << file << '\t' << path << '\t' << e.content.size() << '\t' << Fnv1a(e.content) << '\n';
        }
    }
}

void WriteFile(const fs::path& path, const Bytes& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

void Sample(std::ostream& manifest, const fs::path& dir, const std::string& name, const StorageElementList& carried,
            const Bytes& workbook)
{
    WriteFile(dir / name, kontaro::xls::WriteCompoundFile(carried, workbook));
    StorageElementList listed;
    for (const StorageElement& e : carried) {
        if (!kontaro::xls::IsWorkbookStreamName(e.name) || e.kind == StorageElement::Kind::Storage) {
            listed.push_back(e);
        }
    }
    listed.push_back(Stream(u"Workbook", workbook));
    List(manifest, name, "", listed);
}

void WriteSamples(const fs::path& dir)
{
    fs::create_directories(dir);
    std::ofstream manifest(dir / "manifest.txt");

    const auto empty = kontaro::xls::ReadCompoundFile(kontaro::xls::EmptyWorkbook(), "EMPTY_WORKBOOK");
    Bytes records = empty.workbook;
    records.resize(1704); // the records alone, as the record writer saves them
    Sample(manifest, dir, "empty_workbook.xls", empty.carried, records);

    for (const std::size_t size : {4095u, 4096u, 4097u}) {
        StorageElementList carried;
        carried.push_back(Stream(u"data", Pattern(size, 3)));
        carried.push_back(Stream(u"small", Pattern(100, 4)));
        Sample(manifest, dir, "stream_" + std::to_string(size) + ".xls", carried, Pattern(size, 5));
    }

    StorageElementList nested;
    nested.push_back(Stream(u"\u0001CompObj", Pattern(90, 6)));
    nested.push_back(Storage(u"_VBA_PROJECT_CUR",
                             {Stream(u"PROJECT", Pattern(300, 7)),
                              Storage(u"VBA", {Stream(u"dir", Pattern(4500, 8)), Stream(u"Workbook", Pattern(50, 9)),
                                               Storage(u"Deeper", {Stream(u"leaf", Pattern(1, 1))})})}));
    nested.push_back(Stream(u"BOOK", Pattern(77, 2))); // an old workbook stream: replaced
    nested.push_back(Stream(u"empty", {}));
    Sample(manifest, dir, "nested_storages.xls", nested, Pattern(20000, 10));

    StorageElementList siblings;
    for (int i = 0; i < 45; ++i) {
        std::u16string name = u"s";
        name.append(static_cast<std::size_t>(i % 9), u'x');
        name += static_cast<char16_t>(u'a' + i / 9);
        siblings.push_back(Stream(name, Pattern(static_cast<std::size_t>(10 + i * 150), static_cast<std::uint8_t>(i))));
    }
    Sample(manifest, dir, "many_siblings.xls", siblings, Pattern(3000, 11));

    // 110 FAT sectors: past the header's 109 DIFAT entries, so a DIFAT sector is needed.
    Sample(manifest, dir, "fat_110_sectors.xls", {}, Pattern((128u * 109 - 109 - 1 + 1) * 512, 12));
}

void WriteCorpus(const fs::path& corpus, const fs::path& dir)
{
    fs::create_directories(dir);
    if (!fs::is_directory(corpus)) {
        return;
    }
    for (const auto& entry : fs::directory_iterator(corpus)) {
        if (entry.path().extension() != ".xls") {
            continue;
        }
        const fs::path target = dir / entry.path().filename();
        try {
            const auto read = kontaro::xls::ReadCompoundFileAt(entry.path().string());
            WriteFile(target, kontaro::xls::WriteCompoundFile(read.carried, read.workbook));
        } catch (const kontaro::xls::XlsError& e) {
            std::ofstream(target.string() + ".refused") << e.what() << '\n';
        }
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: write_compound_samples OUTDIR CORPUSDIR\n";
        return 2;
    }
    const fs::path out = argv[1];
    fs::remove_all(out);
    WriteSamples(out / "samples");
    WriteCorpus(argv[2], out / "corpus");
    return 0;
}
