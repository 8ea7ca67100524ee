// Windows paths onto host paths: the drive map, case-blind components, new
// names; and hostile paths: every form stays on its drive's folder, ".." stops
// at the drive root, and names no file system may hold are refused whole.
// The suite's names are Windows-1252 bytes; the host's are UTF-8.
#include <unistd.h>

#include <algorithm>

#include "platform/DriveMap.h"
#include "platform/PlatformFixture.h"
#include "platform/Wildcard.h"

namespace qv::test {
namespace {

std::string Describe(const platform::DriveMap& map) {
    std::string out;
    for (const auto& [letter, entry] : map) {
        if (!out.empty()) out += ' ';
        out += std::string(1, letter) + "=" + entry.hostFolder + ":" + std::to_string(static_cast<int>(entry.type));
    }
    return out;
}

TEST(DriveMapParsing, Table) {
    const struct {
        const char* name;
        const char* text;
        const char* drives;  // "C=/x:3 E=/y:2" (letter=folder:type), sorted
        const char* problems;  // joined by "|"
    } cases[] = {
        {"CommentsAndBlanks", "; drives\n# more\n\n   \nD, /d, cdrom\r\n", "D=/d:5", ""},
        {"AllTypesCaseBlind", "a,/a,Removable\nN,/n,REMOTE\nR,/r,ramdisk\nF,/f,FIXED",
         "A=/a:2 F=/f:3 N=/n:4 R=/r:6", ""},
        {"TypeLeftOutIsFixed", "C, /data", "C=/data:3", ""},
        {"LowerLetterAndColon", "e:, /media/usb , removable", "E=/media/usb:2", ""},
        {"TrailingSlashDropped", "C, /x/y/, fixed\nD, /, fixed", "C=/x/y:3 D=/:3", ""},
        {"FolderWithCommas", "C, /a, b, fixed", "C=/a, b:3", ""},
        {"LastLineWins", "C, /one, fixed\nC, /two, fixed", "C=/two:3", ""},
        {"UnknownType", "C, /c, floppy\nD, /d, fixed", "D=/d:3", "line 1: unknown drive type \"floppy\""},
        {"BadLetter", "CD, /c, fixed\n1, /d, fixed", "",
         "line 1: \"CD\" is not a drive letter|line 2: \"1\" is not a drive letter"},
        {"NoComma", "C /c fixed", "", "line 1: expected \"letter, host folder, type\""},
        {"NoFolder", "C, , fixed", "", "line 1: no host folder for drive C"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        platform::DriveMapParse parsed = platform::ParseDriveMap(c.text);
        EXPECT_EQ(Describe(parsed.drives), c.drives);
        std::string problems;
        for (const std::string& problem : parsed.problems) problems += (problems.empty() ? "" : "|") + problem;
        EXPECT_EQ(problems, c.problems);
    }
}

TEST_F(PlatformTest, PathsMapOntoHost) {
    const struct {
        const char* name;
        const char* windowsPath;
        const char* hostUnderRoot;  // expected host path below the sandbox, or nullptr for ""
    } cases[] = {
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
        {"DotDotBeyondRoot", "E:\\A\\B\\..\\..\\..\\..\\x", "E/x", ""},
        {"UncLike", "\\\\server\\share\\..\\..\\x", "", "\\\\server\\share\\..\\..\\x: no drive holds a network path"},
        {"Nul", "C:\\Case.txt\0.prg"s, "", "C:\\Case.txt[0x00].prg: a file name cannot hold a control character"},
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


using Names = std::vector<std::string>;

const unsigned char kUndefined[] = {0x81, 0x8D, 0x8F, 0x90, 0x9D};

// The bytes code page 1252 leaves undefined are refused and make no file.
TEST_F(PlatformTest, EveryDefinedByteRoundTripsThroughTheHostName) {
    makeFolder("C:\\R");
    Names written;
    for (int b = 0x80; b <= 0xFF; ++b) {
        const std::string name = "N" + std::string(1, static_cast<char>(b)) + ".txt";
        if (std::count(std::begin(kUndefined), std::end(kUndefined), b)) {
            char code[8];
            std::snprintf(code, sizeof code, "0x%02X", b);
            EXPECT_EQ(platform->writeFile("C:\\R\\" + name, "x").message(),
                      "C:\\R\\" + name + ": the name holds " + code + ", which code page 1252 does not define");
            continue;
        }
        ASSERT_TRUE(platform->writeFile("C:\\R\\" + name, name).ok()) << b;
        written.push_back(name);
    }
    // Host names the suite cannot spell: not UTF-8, no 1252 character, a control character.
    for (const char* other : {"\xff.txt", "\xe6\x97\xa5.txt", "\xc2\x81.txt", "a\nb.txt"})
        WriteHostFile(host("C:\\R") + "/" + other, "other");
    platform::SortNames(written);
    EXPECT_EQ(platform->listFiles("C:\\R", "*").value_or({}), written);
    for (const auto& name : written) {
        EXPECT_EQ(platform->readFile("C:\\R\\" + name).value_or(""), name);
        EXPECT_EQ(platform->realName("c:\\r\\" + name), name);
    }
    EXPECT_EQ(read("C:\\R\\N\xc3\x98.txt"), "N\xd8.txt");      // Ø
    EXPECT_EQ(read("C:\\R\\N\xe2\x82\xac.txt"), "N\x80.txt");  // €
    EXPECT_EQ(read("C:\\R\\N\xc5\xb8.txt"), "N\x9f.txt");      // Ÿ
    EXPECT_EQ(names("C:\\R").size(), written.size() + 4);
}

}  // namespace
}  // namespace qv::test
