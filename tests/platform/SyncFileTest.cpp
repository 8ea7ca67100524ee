// Flushing a file to the disc: an existing file in any spelling syncs and
// keeps its bytes; anything else is refused with a message naming the path.
#include <sys/stat.h>

#include "platform/PlatformFixture.h"

namespace qv::test {
namespace {

struct SyncCase {
    const char* label;
    const char* path;
    const char* error;  // "" when the sync succeeds
};

void PrintTo(const SyncCase& c, std::ostream* os) { *os << c.label; }

class SyncFileTest : public PlatformTest, public ::testing::WithParamInterface<SyncCase> {};

TEST_P(SyncFileTest, SyncsFilesAndRefusesTheRest) {
    const SyncCase& c = GetParam();
    const std::string bytes = std::string("N10\r\n\0\x1a\xff", 8);
    WriteHostFile(onC("Jobs/Part1.prg"), bytes);
    WriteHostFile(onC("Root.txt"), "root");
    WriteHostFile(onC("Jobs/Locked.prg"), bytes);
    chmod(onC("Jobs/Locked.prg").c_str(), 0444);

    Status synced = platform->syncFile(c.path);

    EXPECT_EQ(synced.ok(), std::string(c.error).empty()) << synced.message();
    if (!synced.ok()) {
        EXPECT_EQ(synced.message(), std::string(c.path) + ": " + c.error);
    }
    EXPECT_EQ(ReadHostFile(onC("Jobs/Part1.prg")), bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, SyncFileTest,
    ::testing::Values(SyncCase{"File", "C:\\Jobs\\Part1.prg", ""},
                      SyncCase{"OtherCase", "c:\\JOBS\\part1.PRG", ""},
                      SyncCase{"InDriveRoot", "C:\\Root.txt", ""},
                      SyncCase{"ReadOnlyFile", "C:\\Jobs\\Locked.prg", ""},
                      SyncCase{"MissingFile", "C:\\Jobs\\Gone.prg", "no such file"},
                      SyncCase{"MissingFolder", "C:\\Nowhere\\Gone.prg", "no such file"},
                      SyncCase{"Folder", "C:\\Jobs", "not a file"},
                      SyncCase{"UnmappedDrive", "Q:\\Jobs\\Part1.prg", "drive Q: does not exist"}),
    [](const auto& info) { return std::string(info.param.label); });

}  // namespace
}  // namespace qv::test
