// Windows mask matching, pattern lists and listing order; existence tests and
// folder listings on a real folder; the name cache behind
// case-blind lookups: reuse, own changes, outside changes and the rule for
// changes within one clock tick.
#include <fcntl.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <functional>

#include "platform/PlatformFixture.h"
#include "platform/Wildcard.h"
#include "support/SysFaults.h"

namespace qv::test {
namespace {

using Names = std::vector<std::string>;

TEST(Masks, MatchLikeWindows) {
    const struct {
        const char* mask;
        const char* name;
        bool matches;
    } cases[] = {
    {"*", "NOTES", true},
    {"*.*", "NOTES", true},  // no dot still matches "*.*"
    {"*.prg", "x.y.prg", true},
    {"*.prg", "a.prg.bak", false},
    {"*.prg", "prg", false},
    {"a*.*", "ABC.txt", true},
    {"*.", "NOTES", true},  // "*." picks names without extension
    {"*.", "a.txt", false},
    {"?", "ab", false},
    {"???", "ab", true},  // "?" at the end may match nothing
    {"a?.txt", "a.txt", true},
    {"a?.txt", "abc.txt", false},
    {"a?c", "a.c", false},
    {"*a*b*", "xbYaz", false},
    {"*a*b*", "xAyBz", true},
    {"*.lst", ".lst", true},
    {"part1.*", "PART1", true},  // a set's base name alone belongs to it
    {"part1.*", "PART10.prg", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(platform::MatchWildcard(c.mask, c.name), c.matches) << "mask " << c.mask << " name " << c.name;
}

// Matching takes no stack per mask character.
TEST(Masks, LongMasks) {
    const std::string stars(200000, '*');
    EXPECT_TRUE(platform::MatchWildcard(stars + "a", "xa"));
    EXPECT_FALSE(platform::MatchWildcard(stars + "b", "xa"));
    EXPECT_TRUE(platform::MatchWildcard(std::string(200000, '?') + ".d", "abc.d"));
}

// Matching a list of masks is the listing test's.
TEST(PatternList, TrimmedWithoutEmptyMasks) {
    EXPECT_EQ(platform::SplitPatterns(" *.prg ; *.drw ;;"), (std::vector<std::string>{"*.prg", "*.drw"}));
}

TEST(ListingOrder, CaseBlindThenByteOrder) {
    std::vector<std::string> names{"b.prg", "A.prg", "a.prg", "C.prg", "_x", "B.PRG", "a.prg"};
    platform::SortNames(names);
    EXPECT_EQ(names, (std::vector<std::string>{"A.prg", "a.prg", "B.PRG", "b.prg", "C.prg", "_x"}));
}

class Listing : public PlatformTest {
protected:
    Listing() {
        for (const char* name : {"b.prg", "A.PRG", "a.drw", "C.drw", "NOTES", "X.Y.prg", "part.inf", ".hidden.prg"})
            write(std::string("C:\\Mach\\Jobs\\") + name, "x");
        makeFolder("C:\\Mach\\Jobs\\Sub");
        makeFolder("C:\\Mach\\Jobs\\archive.prg");
        symlink("b.prg", host("C:\\Mach\\Jobs\\link.prg").c_str());
        symlink("missing.prg", host("C:\\Mach\\Jobs\\dangling.prg").c_str());
    }
};

TEST_F(Listing, SortedCaseBlindOncePerName) {
    const struct {
        const char* name;
        const char* patterns;
        Names files;
    } cases[] = {
        {"ProgramsAndDrawings", "*.drw;*.prg",
         {".hidden.prg", "a.drw", "A.PRG", "b.prg", "C.drw", "link.prg", "X.Y.prg"}},
        {"Everything", "*.*",
         {".hidden.prg", "a.drw", "A.PRG", "b.prg", "C.drw", "link.prg", "NOTES", "part.inf", "X.Y.prg"}},
        {"Empty", "", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(platform->listFiles("C:\\MACH\\jobs\\", c.patterns).value_or({}), c.files);
    }
}

TEST_F(Listing, MissingFolderOrDriveSaysWhy) {
    EXPECT_EQ(platform->listFiles("C:\\Mach\\Nowhere", "*.*").kind(), ErrorKind::NotFound);
    EXPECT_EQ(platform->listFiles("C:\\Mach\\Jobs\\b.prg", "*.*").kind(), ErrorKind::NotAFolder);
    EXPECT_EQ(platform->listFolders("C:\\Nowhere\\Deeper").kind(), ErrorKind::NotFound);
    EXPECT_EQ(platform->listEntries("Q:\\", "*.*").message(), "Q:\\: drive Q: does not exist");
}

TEST_F(Listing, ExistenceAndRealNames) {
    const struct {
        const char* name;
        const char* path;
        bool file, folder, entry;
        const char* realName;
        std::int64_t size;
    } cases[] = {
        {"FileOtherCase", "c:\\mach\\JOBS\\B.PRG", true, false, true, "b.prg", 1},
        {"Folder", "C:\\Mach\\Jobs\\Sub", false, true, true, "Sub", -1},
        // A file of the folder's name counts as an entry: no folder is made over it.
        {"FileWhereFolderAsked", "C:\\Mach\\Jobs\\NOTES", true, false, true, "NOTES", 1},
        {"Missing", "C:\\Mach\\Jobs\\none.prg", false, false, false, "", -1},
        {"MissingFolderOnTheWay", "C:\\Mach\\Other\\b.prg", false, false, false, "", -1},
        {"FileAsFolderOnTheWay", "C:\\Mach\\Jobs\\b.prg\\x", false, false, false, "", -1},
        {"LinkToFile", "C:\\Mach\\Jobs\\LINK.prg", true, false, true, "link.prg", 1},
        {"DanglingLink", "C:\\Mach\\Jobs\\dangling.prg", false, false, false, "", -1},
        {"DriveRoot", "E:\\", false, true, true, "", -1},
        {"UnmappedDrive", "Q:\\A.txt", false, false, false, "", -1},
        {"Empty", "", false, false, false, "", -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(platform->fileExists(c.path), c.file);
        EXPECT_EQ(platform->folderExists(c.path), c.folder);
        EXPECT_EQ(platform->entryExists(c.path), c.entry);
        EXPECT_EQ(platform->realName(c.path), c.realName);
        EXPECT_EQ(platform->fileSize(c.path), c.size);
    }
}

// No map file: C: is the host's root. A relative host folder lies beside the map file.
TEST(PosixPlatformDefaults, NoMapFileMeansHostRootAsC) {
    TempDir tmp;
    platform::PosixPlatform p(tmp / "Drives.cfg");
    EXPECT_EQ(p.drives(), (std::vector<char>{'C'}));
    EXPECT_EQ(p.hostPath("C:" + tmp.path()), tmp.path());
    WriteHostFile(tmp / "Drives.cfg", "D, D, cdrom\n");
    p.reloadDriveMap();
    EXPECT_EQ(p.drives(), (std::vector<char>{'D'}));
    EXPECT_EQ(p.hostPath("D:\\x"), tmp.path() + "/D/x");
}

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

// An absence is checked again in a folder changed within the last clock tick
// (such changes leave its time unchanged), and trusted in a settled one.
TEST_F(NameCacheTest, AbsenceIsTrustedOnlyInASettledFolder) {
    struct stat st = folderStat();
    EXPECT_EQ(platform->realName("C:\\Jobs\\LATE.PRG"), "");
    write("C:\\Jobs\\late.prg", "l");
    restoreTime(st);
    EXPECT_EQ(platform->realName("C:\\Jobs\\LATE.PRG"), "late.prg");
    ageFolder(10);
    st = folderStat();
    EXPECT_EQ(platform->realName("C:\\Jobs\\GHOST.PRG"), "");
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
