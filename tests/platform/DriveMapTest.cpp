// Parsing of the drive map text.
#include <gtest/gtest.h>

#include "platform/DriveMap.h"

namespace qv::platform {
namespace {

struct MapCase {
    const char* name;
    const char* text;
    const char* drives;  // "C=/x:3 E=/y:2" (letter=folder:type), sorted
    std::size_t problems;
};

std::string Describe(const DriveMap& map) {
    std::string out;
    for (const auto& [letter, entry] : map) {
        if (!out.empty()) out += ' ';
        out += std::string(1, letter) + "=" + entry.hostFolder + ":" + std::to_string(static_cast<int>(entry.type));
    }
    return out;
}

class DriveMapParsing : public ::testing::TestWithParam<MapCase> {};

TEST_P(DriveMapParsing, Table) {
    const MapCase& c = GetParam();
    DriveMapParse parsed = ParseDriveMap(c.text);
    EXPECT_EQ(Describe(parsed.drives), c.drives);
    EXPECT_EQ(parsed.problems.size(), c.problems);
}

const MapCase kMapCases[] = {
    {"TwoDrives", "C, /home/me/demo/C, fixed\nE, /home/me/demo/E, removable\n", "C=/home/me/demo/C:3 E=/home/me/demo/E:2", 0},
    {"CommentsAndBlanks", "; drives\n# more\n\n   \nD, /d, cdrom\r\n", "D=/d:5", 0},
    {"AllTypesCaseBlind", "a,/a,Removable\nN,/n,REMOTE\nR,/r,ramdisk\nF,/f,FIXED", "A=/a:2 F=/f:3 N=/n:4 R=/r:6", 0},
    {"TypeLeftOutIsFixed", "C, /data", "C=/data:3", 0},
    {"LowerLetterAndColon", "e:, /media/usb , removable", "E=/media/usb:2", 0},
    {"TrailingSlashDropped", "C, /x/y/, fixed\nD, /, fixed", "C=/x/y:3 D=/:3", 0},
    {"FolderWithCommas", "C, /a, b, fixed", "C=/a, b:3", 0},
    {"LastLineWins", "C, /one, fixed\nC, /two, fixed", "C=/two:3", 0},
    {"UnknownType", "C, /c, floppy\nD, /d, fixed", "D=/d:3", 1},
    {"BadLetter", "CD, /c, fixed\n1, /d, fixed", "", 2},
    {"NoComma", "C /c fixed", "", 1},
    {"NoFolder", "C, , fixed", "", 1},
    {"RelativeFolderKept", "C, demo/C, fixed", "C=demo/C:3", 0},
};

INSTANTIATE_TEST_SUITE_P(Table, DriveMapParsing, ::testing::ValuesIn(kMapCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DriveMapParsing, ProblemNamesTheLine) {
    DriveMapParse parsed = ParseDriveMap("C, /c, fixed\nD, /d, tape\n");
    ASSERT_EQ(parsed.problems.size(), 1u);
    EXPECT_EQ(parsed.problems[0], "line 2: unknown drive type \"tape\"");
}

TEST(DriveMapParsing, DefaultMapIsHostRootAsC) { EXPECT_EQ(Describe(DefaultDriveMap()), "C=/:3"); }

}  // namespace
}  // namespace qv::platform
