// Existence tests and folder listings on a real folder.
#include <unistd.h>

#include "platform/PlatformFixture.h"

namespace qv::test {
namespace {

using Names = std::vector<std::string>;

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
        {"Programs", "*.prg", {".hidden.prg", "A.PRG", "b.prg", "link.prg", "X.Y.prg"}},
        {"ProgramsAndDrawings", "*.drw;*.prg",
         {".hidden.prg", "a.drw", "A.PRG", "b.prg", "C.drw", "link.prg", "X.Y.prg"}},
        {"Everything", "*.*",
         {".hidden.prg", "a.drw", "A.PRG", "b.prg", "C.drw", "link.prg", "NOTES", "part.inf", "X.Y.prg"}},
        {"NoExtension", "*.", {"NOTES"}},
        {"BaseAndAnyExtension", "notes.*", {"NOTES"}},
        {"Empty", "", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(platform->listFiles("C:\\MACH\\jobs\\", c.patterns).value_or({}), c.files);
    }
}

TEST_F(Listing, FoldersAndEntries) {
    EXPECT_EQ(platform->listFolders("C:\\Mach\\Jobs").value_or({}), (Names{"archive.prg", "Sub"}));
    EXPECT_EQ(platform->listEntries("C:\\Mach\\Jobs", "*.prg").value_or({}),
              (Names{".hidden.prg", "A.PRG", "archive.prg", "b.prg", "link.prg", "X.Y.prg"}));
    EXPECT_EQ(platform->listEntries("C:\\Mach", "*.*").value_or({}), (Names{"Jobs"}));
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
        {"File", "C:\\Mach\\Jobs\\b.prg", true, false, true, "b.prg", 1},
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

TEST_F(PlatformTest, ReloadedMapReplacesDrives) {
    WriteHostFile(root() + "/Drives.cfg", "D, D, cdrom\nbad line\n");
    platform->reloadDriveMap();
    EXPECT_EQ(platform->drives(), (std::vector<char>{'D'}));
    EXPECT_EQ(platform->driveType('D'), platform::DriveType::CdRom);
    // A relative host folder lies beside the map file.
    EXPECT_EQ(platform->hostPath("D:\\x"), root() + "/D/x");
    EXPECT_EQ(platform->driveMapProblems().size(), 1u);
}

TEST(PosixPlatformDefaults, NoMapFileMeansHostRootAsC) {
    TempDir tmp;
    platform::PosixPlatform p(tmp / "Drives.cfg");
    EXPECT_EQ(p.drives(), (std::vector<char>{'C'}));
    EXPECT_EQ(p.hostPath("C:" + tmp.path()), tmp.path());
    EXPECT_TRUE(p.folderExists("c:" + tmp.path()));
}

}  // namespace
}  // namespace qv::test
