// Parsing of the drive map text.
#include <gtest/gtest.h>

#include "platform/DriveMap.h"

namespace qv::platform {
namespace {

std::string Describe(const DriveMap& map) {
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
        DriveMapParse parsed = ParseDriveMap(c.text);
        EXPECT_EQ(Describe(parsed.drives), c.drives);
        std::string problems;
        for (const std::string& problem : parsed.problems) problems += (problems.empty() ? "" : "|") + problem;
        EXPECT_EQ(problems, c.problems);
    }
}

}  // namespace
}  // namespace qv::platform
