// Windows paths onto host paths: drive map, case-blind components, new names.
#include <sys/stat.h>

#include "platform/PlatformFixture.h"

namespace qv::test {
namespace {

struct MappingCase {
    const char* name;
    const char* windowsPath;
    const char* hostUnderC;  // expected host path below <tmp>/C, or nullptr for ""
};

class PathMapping : public PlatformTest, public ::testing::WithParamInterface<MappingCase> {};

TEST_P(PathMapping, MapsOntoHost) {
    WriteHostFile(onC("Quorvane/Data/Machine.lst"), "x");
    WriteHostFile(onC("Quorvane/Data/SHEET.drw"), "x");
    const MappingCase& c = GetParam();
    std::string expected = c.hostUnderC ? onC(c.hostUnderC) : "";
    EXPECT_EQ(platform->hostPath(c.windowsPath), expected);
}

const MappingCase kMappingCases[] = {
    {"ExactCase", "C:\\Quorvane\\Data\\Machine.lst", "Quorvane/Data/Machine.lst"},
    {"EveryComponentCaseBlind", "c:\\QUORVANE\\data\\machine.LST", "Quorvane/Data/Machine.lst"},
    {"ForwardSlashes", "C:/quorvane/DATA/sheet.drw", "Quorvane/Data/SHEET.drw"},
    {"FolderWithTrailingSeparator", "C:\\QUORVANE\\DATA\\", "Quorvane/Data"},
    {"NewFileKeepsGivenCase", "C:\\QUORVANE\\DATA\\New.txt", "Quorvane/Data/New.txt"},
    {"MissingFolderKeepsGivenCase", "C:\\quorvane\\Jobs\\A.prg", "Quorvane/Jobs/A.prg"},
    {"DotAndDotDot", "C:\\Quorvane\\.\\Other\\..\\Data\\Machine.lst", "Quorvane/Data/Machine.lst"},
    {"DotDotAboveRootStays", "C:\\..\\..\\Quorvane", "Quorvane"},
    {"UnmappedDrive", "Q:\\Quorvane\\Data", nullptr},
};

INSTANTIATE_TEST_SUITE_P(Table, PathMapping, ::testing::ValuesIn(kMappingCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PlatformTest, DriveRootMapsToDriveFolder) {
    EXPECT_EQ(platform->hostPath("C:\\"), tmp / "C");
    EXPECT_EQ(platform->hostPath("e:"), tmp / "E");
}

TEST_F(PlatformTest, RootedPathWithoutDriveUsesCurrentDrive) {
    WorkingFolderGuard guard;
    WriteHostFile(tmp / "E/Jobs/Part.prg", "x");
    ASSERT_TRUE(platform->setCurrentFolder("E:\\jobs").ok());
    EXPECT_EQ(platform->currentFolder(), "E:\\Jobs\\");
    EXPECT_EQ(platform->hostPath("\\JOBS\\part.PRG"), tmp / "E/Jobs/Part.prg");
    EXPECT_TRUE(platform->fileExists("Part.prg"));
    EXPECT_TRUE(platform->fileExists("PART.PRG"));
    EXPECT_EQ(platform->hostPath("part.prg"), tmp / "E/Jobs/Part.prg");
}

TEST_F(PlatformTest, CurrentFolderOfDriveRootEndsInSeparator) {
    WorkingFolderGuard guard;
    ASSERT_TRUE(platform->setCurrentFolder("C:\\").ok());
    EXPECT_EQ(platform->currentFolder(), "C:\\");
}

TEST_F(PlatformTest, SetCurrentFolderRefusesMissingAndUnmapped) {
    WorkingFolderGuard guard;
    WriteHostFile(onC("File.txt"), "x");
    Status missing = platform->setCurrentFolder("C:\\Nowhere");
    EXPECT_EQ(missing.message(), "C:\\Nowhere: no such folder");
    EXPECT_EQ(platform->setCurrentFolder("C:\\File.txt").message(), "C:\\File.txt: not a folder");
    EXPECT_EQ(platform->setCurrentFolder("Q:\\").message(), "Q:\\: drive Q: does not exist");
}

TEST_F(PlatformTest, NewFileGoesIntoExistingFolderOfOtherCase) {
    mkdir(onC("DATA").c_str(), 0755);
    ASSERT_TRUE(platform->writeFile("C:\\data\\New.txt", "hello").ok());
    EXPECT_EQ(ReadHostFile(onC("DATA/New.txt")), "hello");
    EXPECT_EQ(platform->realName("c:\\DATA\\NEW.TXT"), "New.txt");
}

TEST_F(PlatformTest, UnmappedDriveFailsCleanly) {
    EXPECT_FALSE(platform->fileExists("Q:\\A.txt"));
    EXPECT_FALSE(platform->folderExists("Q:\\"));
    EXPECT_TRUE(platform->listEntries("Q:\\", "*.*").empty());
    EXPECT_EQ(platform->fileSize("Q:\\A.txt"), -1);
    EXPECT_EQ(platform->writeFile("Q:\\A.txt", "x").message(), "Q:\\A.txt: drive Q: does not exist");
    EXPECT_EQ(platform->readFile("Q:\\A.txt").message(), "Q:\\A.txt: drive Q: does not exist");
    EXPECT_EQ(platform->makeFolder("Q:\\A").message(), "Q:\\A: drive Q: does not exist");
    EXPECT_FALSE(platform->openRecordFile("Q:\\A.drw", 16, true).ok());
}

}  // namespace
}  // namespace qv::test
