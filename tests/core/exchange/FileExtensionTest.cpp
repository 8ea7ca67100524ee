// The extension rule that decides which files belong to a set.
#include <gtest/gtest.h>

#include "core/exchange/FileSet.h"

namespace qv {
namespace {

struct ExtensionCase {
    const char* name;
    const char* extension;
};

void PrintTo(const ExtensionCase& c, std::ostream* os) { *os << '"' << c.name << '"'; }

class FileExtensionTest : public ::testing::TestWithParam<ExtensionCase> {};

TEST_P(FileExtensionTest, TakesAtMostThreeCharactersAfterALateDot) {
    EXPECT_EQ(FileExtension(GetParam().name), GetParam().extension) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(
    Names, FileExtensionTest,
    ::testing::Values(ExtensionCase{"PART1.prg", "prg"}, ExtensionCase{"A.B", "B"}, ExtensionCase{"NAME.", ""},
                      ExtensionCase{"FILE.TEXT", ""}, ExtensionCase{".prg", ""}, ExtensionCase{"PART1", ""},
                      ExtensionCase{"", ""}, ExtensionCase{"A", ""}, ExtensionCase{"A.", ""},
                      ExtensionCase{"  BRACKET.DRW  ", "DRW"}, ExtensionCase{"B.old.prg", "prg"},
                      ExtensionCase{"X.ab", "ab"}, ExtensionCase{"..ab", "ab"}, ExtensionCase{"AB.", ""},
                      ExtensionCase{"PART1.TAP", "TAP"}, ExtensionCase{"A.B.", ""}, ExtensionCase{".ab", ""},
                      ExtensionCase{"A.prg1", ""}));

}  // namespace
}  // namespace qv
