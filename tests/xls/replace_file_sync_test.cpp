// The export's file replacement brings the new workbook to the disk before it replaces the
// old one, and the folder's new entry after. fsync is replaced in this test program by one
// that notes which file or folder each call synced, and whether the new workbook had already
// taken the old one's place.

#include "support/temp_dir.h"
#include "xls/grid_xls_export.h"
#include "xls/workbook_file.h"
#include "xls/workbook_records.h"

#include <dlfcn.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

struct Synced {
    std::filesystem::path path;
    bool temporaryLeft = false; // a temporary file stood beside it at the time
};

std::vector<Synced>& SyncLog()
{
    static std::vector<Synced> log;
    return log;
}

bool HoldsTemporaryFile(const std::filesystem::path& folder)
{
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ignored)) {
        if (entry.path().extension() == ".tmp")
            return true;
    }
    return false;
}

} // namespace

extern "C" int fsync(int fd)
{
    using Real = int (*)(int);
    static const auto real = reinterpret_cast<Real>(dlsym(RTLD_NEXT, "fsync"));
    std::error_code error;
    const std::filesystem::path path = std::filesystem::read_symlink("/proc/self/fd/" + std::to_string(fd), error);
    if (!error) {
        const std::filesystem::path folder = std::filesystem::is_directory(path) ? path : path.parent_path();
        SyncLog().push_back({path, HoldsTemporaryFile(folder)});
    }
    return real(fd);
}

namespace kontaro::xls {
namespace {

TEST(ReplaceFileSync, TheNewWorkbookIsSyncedBeforeTheRenameAndItsFolderAfter)
{
    kontaro::test::TempDir folder;
    const std::string target = folder.File("buch.xls");
    WorkbookFile old;
    old.CreateFromTemplate();
    old.WriteWorkbookFile(target);

    test::TableGrid grid{{{"Name"}, {"Apfel"}}};
    GridXlsExport exporter;
    exporter.Grid = &grid;
    exporter.Options.ExportOverwrite = OverwriteMode::Never;
    SyncLog().clear();
    exporter.ExportGrid(target, "Neu", -1, 1);
    const std::vector<Synced> log = SyncLog();

    const std::filesystem::path canonicalFolder = std::filesystem::canonical(folder.Path());
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[0].path.parent_path(), canonicalFolder);
    EXPECT_EQ(log[0].path.extension(), ".tmp"); // the new file, still under its temporary name
    EXPECT_EQ(log[1].path, canonicalFolder);
    EXPECT_FALSE(log[1].temporaryLeft); // renamed already
}

} // namespace
} // namespace kontaro::xls
