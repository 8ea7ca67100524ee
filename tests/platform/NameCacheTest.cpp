// The name cache behind case-blind lookups: reuse, own changes, outside
// changes and the rule for changes within one clock tick.
#include <fcntl.h>
#include <sys/stat.h>
#include <time.h>

#include "platform/PlatformFixture.h"

namespace qv::test {
namespace {

class NameCacheTest : public PlatformTest {
protected:
    void SetUp() override {
        PlatformTest::SetUp();
        for (const char* name : {"Alpha.prg", "Beta.prg", "Gamma.prg"}) WriteHostFile(onC(std::string("Jobs/") + name), "x");
    }
    std::uint64_t scans() { return platform->nameCache().scans(); }
    /// Sets the folder's modification time, seconds before now.
    void ageFolder(const std::string& host, int secondsAgo) {
        struct timespec times[2];
        clock_gettime(CLOCK_REALTIME, &times[0]);
        times[0].tv_sec -= secondsAgo;
        times[1] = times[0];
        ASSERT_EQ(utimensat(AT_FDCWD, host.c_str(), times, 0), 0);
    }
    /// Sets the folder's modification time back to what st holds.
    void restoreTime(const std::string& host, const struct stat& st) {
        struct timespec times[2] = {st.st_atim, st.st_mtim};
        ASSERT_EQ(utimensat(AT_FDCWD, host.c_str(), times, 0), 0);
    }
};

TEST_F(NameCacheTest, ExactNamesNeverScan) {
    EXPECT_TRUE(platform->fileExists("C:\\Jobs\\Alpha.prg"));
    EXPECT_FALSE(platform->fileExists("C:\\Jobs"));
    EXPECT_EQ(scans(), 0u);
}

TEST_F(NameCacheTest, OneScanServesLaterLookups) {
    EXPECT_EQ(platform->realName("C:\\JOBS\\ALPHA.PRG"), "Alpha.prg");
    std::uint64_t after = scans();
    EXPECT_EQ(platform->realName("C:\\jobs\\beta.PRG"), "Beta.prg");
    EXPECT_EQ(platform->realName("C:\\Jobs\\gamma.prg"), "Gamma.prg");
    EXPECT_EQ(scans(), after);
}

TEST_F(NameCacheTest, OwnNewFileIsPatchedIn) {
    ageFolder(onC("Jobs"), 10);
    EXPECT_EQ(platform->realName("C:\\Jobs\\ALPHA.prg"), "Alpha.prg");
    std::uint64_t after = scans();
    ASSERT_TRUE(platform->writeFile("C:\\Jobs\\Delta.prg", "d").ok());
    EXPECT_EQ(platform->realName("C:\\Jobs\\DELTA.PRG"), "Delta.prg");
    EXPECT_EQ(scans(), after);
}

TEST_F(NameCacheTest, OwnRenameIsPatchedIn) {
    ageFolder(onC("Jobs"), 10);
    EXPECT_EQ(platform->realName("C:\\Jobs\\ALPHA.prg"), "Alpha.prg");
    std::uint64_t after = scans();
    ASSERT_TRUE(platform->renameFile("C:\\Jobs\\Beta.prg", "C:\\Jobs\\Epsilon.prg").ok());
    EXPECT_EQ(platform->realName("C:\\Jobs\\EPSILON.PRG"), "Epsilon.prg");
    EXPECT_EQ(scans(), after);
    // An absence right after a change is checked on the disc again.
    EXPECT_EQ(platform->realName("C:\\Jobs\\BETA.PRG"), "");
}

TEST_F(NameCacheTest, OwnDeleteIsPatchedOut) {
    EXPECT_EQ(platform->realName("C:\\Jobs\\ALPHA.prg"), "Alpha.prg");
    ASSERT_TRUE(platform->deleteFile("C:\\Jobs\\gamma.PRG").ok());
    EXPECT_EQ(platform->realName("C:\\Jobs\\GAMMA.PRG"), "");
    EXPECT_FALSE(platform->fileExists("C:\\Jobs\\GAMMA.PRG"));
}

TEST_F(NameCacheTest, OutsideChangesAreSeen) {
    EXPECT_EQ(platform->realName("C:\\Jobs\\NEW.PRG"), "");
    WriteHostFile(onC("Jobs/new.prg"), "n");
    EXPECT_EQ(platform->realName("C:\\Jobs\\NEW.PRG"), "new.prg");
    rename(onC("Jobs/new.prg").c_str(), onC("Jobs/renamed.prg").c_str());
    EXPECT_EQ(platform->realName("C:\\Jobs\\NEW.PRG"), "");
    EXPECT_EQ(platform->realName("C:\\Jobs\\RENAMED.PRG"), "renamed.prg");
}

TEST_F(NameCacheTest, AbsenceInAFreshFolderIsCheckedAgain) {
    // Changes within one clock tick leave the time unchanged.
    struct stat st {};
    ASSERT_EQ(stat(onC("Jobs").c_str(), &st), 0);
    EXPECT_EQ(platform->realName("C:\\Jobs\\LATE.PRG"), "");
    WriteHostFile(onC("Jobs/late.prg"), "l");
    restoreTime(onC("Jobs"), st);
    EXPECT_EQ(platform->realName("C:\\Jobs\\LATE.PRG"), "late.prg");
}

TEST_F(NameCacheTest, AbsenceInASettledFolderIsTrusted) {
    ageFolder(onC("Jobs"), 10);
    struct stat st {};
    ASSERT_EQ(stat(onC("Jobs").c_str(), &st), 0);
    EXPECT_EQ(platform->realName("C:\\Jobs\\GHOST.PRG"), "");
    std::uint64_t after = scans();
    EXPECT_EQ(platform->realName("C:\\Jobs\\GHOST.PRG"), "");
    EXPECT_EQ(scans(), after);
    // Only a change that keeps the folder's time goes unseen, as intended.
    WriteHostFile(onC("Jobs/ghost.prg"), "g");
    restoreTime(onC("Jobs"), st);
    EXPECT_EQ(platform->realName("C:\\Jobs\\GHOST.PRG"), "");
    ageFolder(onC("Jobs"), 5);
    EXPECT_EQ(platform->realName("C:\\Jobs\\GHOST.PRG"), "ghost.prg");
}

TEST_F(NameCacheTest, StaleCachedNameIsDropped) {
    ageFolder(onC("Jobs"), 10);
    struct stat st {};
    ASSERT_EQ(stat(onC("Jobs").c_str(), &st), 0);
    EXPECT_EQ(platform->realName("C:\\Jobs\\ALPHA.PRG"), "Alpha.prg");
    rename(onC("Jobs/Alpha.prg").c_str(), onC("Jobs/Other.prg").c_str());
    restoreTime(onC("Jobs"), st);
    EXPECT_EQ(platform->realName("C:\\Jobs\\ALPHA.PRG"), "");
    EXPECT_EQ(platform->realName("C:\\Jobs\\other.prg"), "Other.prg");
}

TEST_F(NameCacheTest, RemovedFolderLeavesNoEntry) {
    ASSERT_TRUE(platform->makeFolder("C:\\Jobs\\Sub").ok());
    WriteHostFile(onC("Jobs/Sub/Inner.prg"), "i");
    EXPECT_EQ(platform->realName("C:\\Jobs\\SUB\\INNER.PRG"), "Inner.prg");
    unlink(onC("Jobs/Sub/Inner.prg").c_str());
    ASSERT_TRUE(platform->removeFolder("C:\\Jobs\\sub").ok());
    ASSERT_TRUE(platform->makeFolder("C:\\Jobs\\Sub").ok());
    EXPECT_EQ(platform->realName("C:\\Jobs\\SUB\\INNER.PRG"), "");
}

}  // namespace
}  // namespace qv::test
