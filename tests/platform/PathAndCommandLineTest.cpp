// Taking command lines apart.
#include <gtest/gtest.h>

#include "platform/CommandLine.h"

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

}  // namespace
}  // namespace qv::platform
