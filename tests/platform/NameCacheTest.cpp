// The name cache behind case-blind lookups: reuse, own changes, outside
// changes and the rule for changes within one clock tick.
#include <fcntl.h>
#include <sys/stat.h>
#include <time.h>

#include <functional>

#include "platform/PlatformFixture.h"
#include "support/SysFaults.h"

namespace qv::test {
namespace {

class NameCacheTest : public PlatformTest {
protected:
    NameCacheTest() {
        for (const char* name : {"Alpha.prg", "Beta.prg", "Gamma.prg"}) write(std::string("C:\\Jobs\\") + name, "x");
    }
    std::uint64_t scans() { return platform->nameCache().scans(); }
    /// Sets the modification time of C:\Jobs, seconds before now.
    void ageFolder(int secondsAgo) {
        struct timespec times[2];
        clock_gettime(CLOCK_REALTIME, &times[0]);
        times[0].tv_sec -= secondsAgo;
        times[1] = times[0];
        ASSERT_EQ(utimensat(AT_FDCWD, host("C:\\Jobs").c_str(), times, 0), 0);
    }
    struct stat folderStat() {
        struct stat st {};
        EXPECT_EQ(stat(host("C:\\Jobs").c_str(), &st), 0);
        return st;
    }
    /// Sets the folder's modification time back to what st holds.
    void restoreTime(const struct stat& st) {
        struct timespec times[2] = {st.st_atim, st.st_mtim};
        ASSERT_EQ(utimensat(AT_FDCWD, host("C:\\Jobs").c_str(), times, 0), 0);
    }
};

struct OwnChange {
    const char* name;
    std::function<Status(platform::Platform&)> change;
    const char* lookup;
    const char* found;  // "" when the name is gone
};

class OwnChanges : public NameCacheTest, public ::testing::WithParamInterface<OwnChange> {};

// A name the program made or removed is answered without a scan, and so is
// an absence right after the change, though the folder has just changed (its
// times are sub-second here).
TEST_P(OwnChanges, ArePatchedIntoTheCache) {
    ageFolder(10);
    EXPECT_EQ(platform->realName("C:\\Jobs\\ALPHA.prg"), "Alpha.prg");
    const std::uint64_t before = scans();
    ASSERT_TRUE(GetParam().change(*platform).ok());
    EXPECT_EQ(platform->realName(GetParam().lookup), GetParam().found);
    EXPECT_EQ(scans(), before);
}

using P = platform::Platform;

const OwnChange kOwnChanges[] = {
    {"NewFile", [](P& p) { return p.writeFile("C:\\Jobs\\Delta.prg", "d"); }, "C:\\Jobs\\DELTA.PRG", "Delta.prg"},
    {"Copy", [](P& p) { return p.copyFile("C:\\Jobs\\Alpha.prg", "C:\\Jobs\\Zeta.prg"); }, "C:\\Jobs\\ZETA.prg",
     "Zeta.prg"},
    {"RenameNewName", [](P& p) { return p.renameFile("C:\\Jobs\\Beta.prg", "C:\\Jobs\\Epsilon.prg"); },
     "C:\\Jobs\\EPSILON.PRG", "Epsilon.prg"},
    {"RenameOldName", [](P& p) { return p.renameFile("C:\\Jobs\\Beta.prg", "C:\\Jobs\\Epsilon.prg"); },
     "C:\\Jobs\\BETA.PRG", ""},
    {"Delete", [](P& p) { return p.deleteFile("C:\\Jobs\\gamma.PRG"); }, "C:\\Jobs\\GAMMA.PRG", ""},
    {"Folder", [](P& p) { return p.makeFolder("C:\\Jobs\\Sub"); }, "C:\\Jobs\\SUB", "Sub"},
};

INSTANTIATE_TEST_SUITE_P(Table, OwnChanges, ::testing::ValuesIn(kOwnChanges),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(NameCacheTest, AbsenceInAFreshFolderIsCheckedAgain) {
    // Changes within one clock tick leave the time unchanged.
    const struct stat st = folderStat();
    EXPECT_EQ(platform->realName("C:\\Jobs\\LATE.PRG"), "");
    write("C:\\Jobs\\late.prg", "l");
    restoreTime(st);
    EXPECT_EQ(platform->realName("C:\\Jobs\\LATE.PRG"), "late.prg");
}

TEST_F(NameCacheTest, AbsenceInASettledFolderIsTrusted) {
    ageFolder(10);
    const struct stat st = folderStat();
    EXPECT_EQ(platform->realName("C:\\Jobs\\GHOST.PRG"), "");
    std::uint64_t after = scans();
    EXPECT_EQ(platform->realName("C:\\Jobs\\GHOST.PRG"), "");
    EXPECT_EQ(scans(), after);
    // Only a change that keeps the folder's time goes unseen, as intended.
    write("C:\\Jobs\\ghost.prg", "g");
    restoreTime(st);
    EXPECT_EQ(platform->realName("C:\\Jobs\\GHOST.PRG"), "");
    ageFolder(5);
    EXPECT_EQ(platform->realName("C:\\Jobs\\GHOST.PRG"), "ghost.prg");
}

TEST_F(NameCacheTest, StaleCachedNameIsDropped) {
    ageFolder(10);
    const struct stat st = folderStat();
    EXPECT_EQ(platform->realName("C:\\Jobs\\ALPHA.PRG"), "Alpha.prg");
    rename(host("C:\\Jobs\\Alpha.prg").c_str(), host("C:\\Jobs\\Other.prg").c_str());
    restoreTime(st);
    EXPECT_EQ(platform->realName("C:\\Jobs\\ALPHA.PRG"), "");
    EXPECT_EQ(platform->realName("C:\\Jobs\\other.prg"), "Other.prg");
}

// A listing cut short is not taken for the whole folder: the names it
// missed would be absent for good.
TEST_F(NameCacheTest, ListingCutShortIsNotKept) {
    ageFolder(10);
    SysFaults faults;
    faults.arm({kSysList, 2, false, EIO});  // the first entry, after the folder is opened
    EXPECT_EQ(platform->realName("C:\\Jobs\\ALPHA.PRG"), "");
    faults.disarm();
    EXPECT_EQ(platform->realName("C:\\Jobs\\ALPHA.PRG"), "Alpha.prg");
}

TEST_F(NameCacheTest, RemovedFolderLeavesNoEntry) {
    ASSERT_TRUE(platform->makeFolder("C:\\Jobs\\Sub").ok());
    write("C:\\Jobs\\Sub\\Inner.prg", "i");
    EXPECT_EQ(platform->realName("C:\\Jobs\\SUB\\INNER.PRG"), "Inner.prg");
    unlink(host("C:\\Jobs\\Sub\\Inner.prg").c_str());
    ASSERT_TRUE(platform->removeFolder("C:\\Jobs\\sub").ok());
    ASSERT_TRUE(platform->makeFolder("C:\\Jobs\\Sub").ok());
    EXPECT_EQ(platform->realName("C:\\Jobs\\SUB\\INNER.PRG"), "");
}

}  // namespace
}  // namespace qv::test
