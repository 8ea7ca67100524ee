// The extension rule that decides which files belong to a set.
#include <gtest/gtest.h>

#include "core/exchange/FileSet.h"

namespace qv {
namespace {

TEST(FileExtension, TakesAtMostThreeCharactersAfterALateDot) {
    const std::pair<const char*, const char*> cases[] = {
        {"PART1.prg", "prg"}, {"A.B", "B"},   {"NAME.", ""},  {"FILE.TEXT", ""},  {".prg", ""},
        {"PART1", ""},        {"", ""},       {"A", ""},      {"A.", ""},         {"  BRACKET.DRW  ", "DRW"},
        {"B.old.prg", "prg"}, {"X.ab", "ab"}, {"..ab", "ab"}, {"AB.", ""},        {"PART1.TAP", "TAP"},
        {"A.B.", ""},         {".ab", ""},    {"A.prg1", ""},
    };
    for (const auto& [name, extension] : cases) EXPECT_EQ(FileExtension(name), extension) << '"' << name << '"';
}

}  // namespace
}  // namespace qv
