// Taking Windows paths and command lines apart.
#include <gtest/gtest.h>

#include "platform/CommandLine.h"
#include "platform/WindowsPath.h"

namespace qv::platform {
namespace {

using Words = std::vector<std::string>;

struct SplitCase {
    const char* line;
    Words words;
};

class CommandLines : public ::testing::TestWithParam<SplitCase> {};

TEST_P(CommandLines, Split) { EXPECT_EQ(SplitCommandLine(GetParam().line), GetParam().words); }

const SplitCase kSplitCases[] = {
    {"Notepad.exe ", {"Notepad.exe"}},
    {"  C:\\QUORVANE\\Rvsfanuc.exe   C:\\A\\B.prg\t x ", {"C:\\QUORVANE\\Rvsfanuc.exe", "C:\\A\\B.prg", "x"}},
    {"\"C:\\Program Files\\Ed\\ed.exe\" \"C:\\My Jobs\\A.prg\"", {"C:\\Program Files\\Ed\\ed.exe", "C:\\My Jobs\\A.prg"}},
    {"a\"b c\"d e", {"ab cd", "e"}},
    {"x \"\" y", {"x", "", "y"}},
    {"trailing \"open quote", {"trailing", "open quote"}},
    {"C:\\ends\\with\\", {"C:\\ends\\with\\"}},
    {"", {}},
    {"   ", {}},
};

INSTANTIATE_TEST_SUITE_P(Table, CommandLines, ::testing::ValuesIn(kSplitCases));

TEST(CommandLines, DrivePathsAreRecognised) {
    EXPECT_TRUE(LooksLikeDrivePath("C:\\A.prg"));
    EXPECT_TRUE(LooksLikeDrivePath("e:/x"));
    EXPECT_FALSE(LooksLikeDrivePath("C:"));
    EXPECT_FALSE(LooksLikeDrivePath("C:A.prg"));
    EXPECT_FALSE(LooksLikeDrivePath("/tmp/x"));
    EXPECT_FALSE(LooksLikeDrivePath("-o:\\x"));
}

struct PathCase {
    const char* path;
    char drive;
    bool rooted;
    Words parts;
    bool endsWithSeparator;
};

class WindowsPaths : public ::testing::TestWithParam<PathCase> {};

TEST_P(WindowsPaths, Parse) {
    const PathCase& c = GetParam();
    WindowsPath p = ParseWindowsPath(c.path);
    EXPECT_EQ(p.drive, c.drive);
    EXPECT_EQ(p.rooted, c.rooted);
    EXPECT_EQ(p.parts, c.parts);
    EXPECT_EQ(p.endsWithSeparator, c.endsWithSeparator);
}

const PathCase kPathCases[] = {
    {"C:\\QUORVANE\\DATA\\", 'C', true, {"QUORVANE", "DATA"}, true},
    {"c:/a//b", 'C', true, {"a", "b"}, false},
    {"\\A\\B.txt", '\0', true, {"A", "B.txt"}, false},
    {"Quorvane.cfg", '\0', false, {"Quorvane.cfg"}, false},
    {"C:", 'C', false, {}, false},
    {"C:\\", 'C', true, {}, false},
    {"e:Sub\\x", 'E', false, {"Sub", "x"}, false},
    {"C:\\a\\.\\b\\..\\c", 'C', true, {"a", "c"}, false},
    {"C:\\..\\a", 'C', true, {"a"}, false},
    {"..\\..\\a", '\0', false, {"..", "..", "a"}, false},
    {"1:\\x", '\0', false, {"1:", "x"}, false},
    {"", '\0', false, {}, false},
};

INSTANTIATE_TEST_SUITE_P(Table, WindowsPaths, ::testing::ValuesIn(kPathCases));

}  // namespace
}  // namespace qv::platform
