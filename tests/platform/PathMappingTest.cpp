// Windows paths onto host paths: drive map, case-blind components, new names.
#include "platform/PlatformFixture.h"

namespace qv::test {
namespace {

TEST_F(PlatformTest, PathsMapOntoHost) {
    const struct {
        const char* name;
        const char* windowsPath;
        const char* hostUnderRoot;  // expected host path below the sandbox, or nullptr for ""
    } cases[] = {
        {"ExactCase", "C:\\Quorvane\\Data\\Machine.lst", "C/Quorvane/Data/Machine.lst"},
        {"EveryComponentCaseBlind", "c:\\QUORVANE\\data\\machine.LST", "C/Quorvane/Data/Machine.lst"},
        {"ForwardAndDoubledSlashes", "C:/quorvane//DATA/sheet.drw", "C/Quorvane/Data/SHEET.drw"},
        {"FolderWithTrailingSeparator", "C:\\QUORVANE\\DATA\\", "C/Quorvane/Data"},
        {"NewFileKeepsGivenCase", "C:\\QUORVANE\\DATA\\New.txt", "C/Quorvane/Data/New.txt"},
        {"MissingFolderKeepsGivenCase", "C:\\quorvane\\Jobs\\A.prg", "C/Quorvane/Jobs/A.prg"},
        {"DotAndDotDot", "C:\\Quorvane\\.\\Other\\..\\Data\\Machine.lst", "C/Quorvane/Data/Machine.lst"},
        {"DriveRoot", "C:\\", "C"},
        {"OtherDriveWithoutRoot", "e:", "E"},
        {"UnmappedDrive", "Q:\\Quorvane\\Data", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        write("C:\\Quorvane\\Data\\Machine.lst", "x");
        write("C:\\Quorvane\\Data\\SHEET.drw", "x");
        EXPECT_EQ(platform->hostPath(c.windowsPath), c.hostUnderRoot ? root() + "/" + c.hostUnderRoot : "");
    }
}

// The working folder reads back as the disc spells it, with its separator.
TEST_F(PlatformTest, WorkingFolderReadsBackSpeltAsOnTheDisc) {
    makeFolder("E:\\Jobs");
    ASSERT_TRUE(platform->setCurrentFolder("C:\\").ok());
    EXPECT_EQ(platform->currentFolder(), "C:\\");
    ASSERT_TRUE(platform->setCurrentFolder("E:\\jobs").ok());
    EXPECT_EQ(platform->currentFolder(), "E:\\Jobs\\");
}

}  // namespace
}  // namespace qv::test
