// Any input gives the carried elements and a workbook stream, or the layer's error. What is
// read must also be writable and read back the same.

#include "xls/compound_file_reader.h"
#include "xls/compound_file_writer.h"
#include "xls/xls_error.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

bool Same(const kontaro::xls::StorageElementList& a, const kontaro::xls::StorageElementList& b)
{
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i].name != b[i].name || a[i].content != b[i].content || !Same(a[i].children, b[i].children)) {
            return false;
        }
    }
    return true;
}

// The writer drops empty streams and storages and the old workbook stream, so the comparison is
// with what a second reading gives.
void CheckRewrite(const kontaro::xls::CompoundFileContents& read)
{
    std::vector<std::uint8_t> file;
    try {
        file = kontaro::xls::WriteCompoundFile(read.carried, read.workbook);
    } catch (const kontaro::xls::XlsError&) {
        return; // names the format cannot hold twice in one storage
    }
    const auto again = kontaro::xls::ReadCompoundFile(file, "rewritten");
    const auto third =
        kontaro::xls::ReadCompoundFile(kontaro::xls::WriteCompoundFile(again.carried, again.workbook), "rewritten");
    if (again.workbook != read.workbook || !Same(again.carried, third.carried)) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    try {
        CheckRewrite(kontaro::xls::ReadCompoundFile({data, size}, "fuzz"));
    } catch (const kontaro::xls::XlsError&) {
    }
    return 0;
}
