// Entries by the host's identity, folder locks between processes, and the
// folders a rename flushes.
#include <signal.h>
#include <unistd.h>

#include "platform/PlatformFixture.h"
#include "platform/PosixAtomicFile.h"
#include "support/ForkedChild.h"

namespace qv::test {
namespace {

// E:\JOBS links to C:\A; C:\A\Hard.prg is a second name of One.prg; the
// working folder is C:\A.
TEST_F(PlatformTest, SameEntryByHostIdentity) {
    write("C:\\A\\One.prg", "1");
    write("C:\\A\\Two.prg", "1");
    ASSERT_EQ(link(host("C:\\A\\One.prg").c_str(), host("C:\\A\\Hard.prg").c_str()), 0);
    ASSERT_EQ(symlink(host("C:\\A").c_str(), host("E:\\JOBS").c_str()), 0);
    enter("C:\\A");
    const struct {
        const char* name;
        const char* a;
        const char* b;
        bool same;
    } cases[] = {
        {"OtherCase", "C:\\A\\One.prg", "c:\\a\\ONE.PRG", true},
        {"FolderWithSeparator", "C:\\A", "C:\\A\\", true},
        {"ThroughALink", "E:\\JOBS\\", "C:\\A\\", true},
        {"HardLink", "C:\\A\\Hard.prg", "C:\\A\\One.prg", true},
        {"DotDot", "C:\\A\\..\\A\\Two.prg", "Two.prg", true},
        {"EqualContent", "C:\\A\\One.prg", "C:\\A\\Two.prg", false},
        {"FileAndFolder", "C:\\A\\One.prg", "C:\\A", false},
        {"BothMissing", "C:\\A\\None.prg", "C:\\A\\None.prg", false},
        {"UnmappedDrive", "Q:\\A", "Q:\\A", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Result<bool> same = platform->sameEntry(c.a, c.b);
        ASSERT_TRUE(same.ok()) << same.message();
        EXPECT_EQ(*same, c.same);
    }
}

TEST_F(PlatformTest, FolderLockShutsOutOtherProcessesUntilItsHolderEnds) {
    makeFolder("C:\\QV");
    auto other = [&] {
        return InChild([&] {
            Result<std::unique_ptr<platform::FolderLock>> lock = platform->lockFolder("c:\\qv\\");
            return !lock.ok() ? lock.message() : *lock ? "locked" : "held";
        });
    };
    {
        Result<std::unique_ptr<platform::FolderLock>> mine = platform->lockFolder("C:\\QV");
        ASSERT_TRUE(mine.ok() && *mine) << mine.message();
        EXPECT_EQ(other(), "held");
        EXPECT_EQ(other(), "held");  // a refused attempt leaves the holder's lock alone
    }
    EXPECT_EQ(other(), "locked");
    // A holder killed while it holds the lock leaves none behind.
    InChild([&]() -> std::string {
        auto lock = platform->lockFolder("C:\\QV");
        kill(getpid(), SIGKILL);
        return "";
    });
    Result<std::unique_ptr<platform::FolderLock>> again = platform->lockFolder("C:\\QV");
    EXPECT_TRUE(again.ok() && *again);
    EXPECT_EQ(platform->lockFolder("C:\\None").message(), "C:\\None: no such folder");
    write("C:\\QV\\File", "");
    EXPECT_EQ(platform->lockFolder("C:\\QV\\File").message(), "C:\\QV\\File: not a folder");
}

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
    // A batch flushes each folder once, at its end.
    synced.clear();
    platform->deferFolderFlushes();
    ASSERT_TRUE(platform->renameFile("C:\\B\\Two.prg", "C:\\B\\Three.prg").ok());
    ASSERT_TRUE(platform->renameFile("C:\\B\\Three.prg", "C:\\B\\Four.prg").ok());
    EXPECT_TRUE(synced.empty());
    platform->flushDeferredFolders();
    EXPECT_EQ(synced, std::vector<std::string>{host("C:\\B")});
    platform::SetFolderSyncWatcher(nullptr);
}

}  // namespace
}  // namespace qv::test
