// Hostile paths: every form stays on its drive's folder, ".." stops at the
// drive root, and names no file system may hold are refused whole.
#include <unistd.h>

#include "platform/PlatformFixture.h"

namespace qv::test {
namespace {

using namespace std::string_literals;

const std::string kLong(300, 'n');
// 25 folders of 200 characters: longer than any host path may be.
std::string Deep(const std::string& drive, const char* separator) {
    std::string path = drive;
    for (int i = 0; i < 25; ++i) path += separator + std::string(200, 'd');
    return path + separator + "x";
}

// The working folder is C:\QV\SUB; files land only below the drive folders.
TEST_F(PlatformTest, HostilePathsStayOnTheirDrive) {
    write("C:\\Case.txt", "1");
    write("C:\\CASE.TXT", "2");
    enter("C:\\QV\\SUB");
    const struct {
        const char* name;
        std::string path;
        std::string host;     // below the sandbox; "" when the path is refused
        std::string written;  // what writing there answers: "" for success
    } cases[] = {
        {"Relative", "..\\..\\..\\secret.txt", "C/secret.txt", ""},
        {"RelativeDown", "Part.prg", "C/QV/SUB/Part.prg", ""},
        {"DriveRelative", "C:..\\..\\..\\x", "C/x", ""},
        {"DriveRelativeDown", "c:y\\..\\x", "C/QV/SUB/x", ""},
        {"OtherDriveRelativeBelow", "e:A\\..\\..\\..\\x", "E/x", ""},
        {"Rooted", "\\..\\..\\x", "C/x", ""},
        {"RootedWithDrive", "C:\\..\\..\\x", "C/x", ""},
        {"DotDotBeyondRoot", "E:\\A\\B\\..\\..\\..\\..\\x", "E/x", ""},
        {"UncLike", "\\\\server\\share\\..\\..\\x", "", "\\\\server\\share\\..\\..\\x: no drive holds a network path"},
        {"UncLikeSlashes", "//server/share/x", "", "//server/share/x: no drive holds a network path"},
        {"Nul", "C:\\Case.txt\0.prg"s, "", "C:\\Case.txt[0x00].prg: a file name cannot hold a control character"},
        {"LineFeed", "C:\\A\nB", "", "C:\\A[0x0A]B: a file name cannot hold a control character"},
        {"VeryLongName", "C:\\" + kLong, "C/" + kLong,
         "C:\\" + kLong + ": cannot replace the file: the name is too long"},
        {"VeryLongPath", Deep("C:", "\\"), Deep("C", "/"), Deep("C:", "\\") + ": the folder does not exist"},
        {"CaseOnlyExact", "C:\\Case.txt", "C/Case.txt", ""},
        {"CaseOnlyOther", "C:\\case.TXT", "C/CASE.TXT", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(platform->hostPath(c.path), c.host.empty() ? "" : root() + "/" + c.host);
        Status s = platform->writeFile(c.path, "x");
        EXPECT_EQ(s.message(), c.written);
        EXPECT_EQ(platform->fileExists(c.path), c.written.empty());
        for (const auto& [file, bytes] : snapshot()) EXPECT_TRUE(file[0] == 'C' || file[0] == 'E') << file;
    }
}

TEST_F(PlatformTest, WorkingFolderOnNoDriveLeavesRelativePathsNowhere) {
    ASSERT_EQ(chdir(root().c_str()), 0);
    EXPECT_EQ(platform->hostPath("x"), "");
    EXPECT_EQ(platform->writeFile("..\\x", "x").message(), "..\\x: the working folder is on no drive");
    EXPECT_EQ(platform->hostPath("\\x"), host("C:\\x"));
}

// Cut at the NUL, each of these would name "C:\A" or "C:\A\One.prg".
TEST_F(PlatformTest, ControlCharactersNameNothing) {
    write("C:\\A\\One.prg", "x");
    const std::string folder("C:\\A\0", 5), file("C:\\A\\One.prg\0", 13);
    EXPECT_FALSE(platform->entryExists(folder) || platform->folderExists(folder) || platform->fileExists(file));
    EXPECT_EQ(platform->realName(file), "");
    EXPECT_EQ(platform->fileSize(file), -1);
    EXPECT_FALSE(platform->listFiles(folder, "*").ok());
    EXPECT_FALSE(platform->startProgram(std::string("true\0 x", 7), platform::WindowState::Hidden, "").ok());
}

}  // namespace
}  // namespace qv::test
