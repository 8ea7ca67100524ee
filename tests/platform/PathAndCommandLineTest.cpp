// Taking command lines apart.
#include <gtest/gtest.h>

#include "platform/CommandLine.h"

namespace qv::platform {
namespace {

using Words = std::vector<std::string>;

TEST(CommandLines, Split) {
    const std::pair<const char*, Words> cases[] = {
        {"Notepad.exe ", {"Notepad.exe"}},
        {"  C:\\QUORVANE\\Rvsfanuc.exe   C:\\A\\B.prg\t x ", {"C:\\QUORVANE\\Rvsfanuc.exe", "C:\\A\\B.prg", "x"}},
        {"\"C:\\Program Files\\Ed\\ed.exe\" \"C:\\My Jobs\\A.prg\"",
         {"C:\\Program Files\\Ed\\ed.exe", "C:\\My Jobs\\A.prg"}},
        {"a\"b c\"d e", {"ab cd", "e"}},
        {"x \"\" y", {"x", "", "y"}},
        {"trailing \"open quote", {"trailing", "open quote"}},
        {"C:\\ends\\with\\", {"C:\\ends\\with\\"}},
        {"", {}},
        {"   ", {}},
    };
    for (const auto& [line, words] : cases) EXPECT_EQ(SplitCommandLine(line), words) << line;
}

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
