// Entries by the host's identity, folder locks between processes, and the
// folders a rename flushes.
#include "platform/PlatformFixture.h"
#include "platform/PosixAtomicFile.h"

namespace qv::test {
namespace {

TEST_F(PlatformTest, RenamesFlushEveryFolderTheyChange) {
    std::vector<std::string> synced;
    platform::SetFolderSyncWatcher([&](const std::string& folder) { synced.push_back(folder); });
    write("C:\\A\\One.prg", "1");
    makeFolder("C:\\A\\Sub");
    makeFolder("C:\\B");
    const struct {
        std::function<Status()> rename;
        std::vector<std::string> folders;
    } cases[] = {
        {[&] { return platform->renameFile("C:\\A\\One.prg", "C:\\B\\One.prg"); }, {host("C:\\A"), host("C:\\B")}},
        {[&] { return platform->renameFile("C:\\B\\One.prg", "C:\\B\\Two.prg"); }, {host("C:\\B")}},
        {[&] { return platform->renameFolder("C:\\A\\Sub", "C:\\Sub"); }, {host("C:\\A"), host("C:")}},
    };
    for (const auto& c : cases) {
        synced.clear();
        ASSERT_TRUE(c.rename().ok());
        EXPECT_EQ(synced, c.folders);
    }
    platform::SetFolderSyncWatcher(nullptr);
}

}  // namespace
}  // namespace qv::test
