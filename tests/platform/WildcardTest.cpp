// Windows mask matching, pattern lists and listing order.
#include <gtest/gtest.h>

#include "platform/Wildcard.h"

namespace qv::platform {
namespace {

TEST(Masks, MatchLikeWindows) {
    const struct {
        const char* mask;
        const char* name;
        bool matches;
    } cases[] = {
    {"*", "NOTES", true},
    {"*.*", "NOTES", true},  // no dot still matches "*.*"
    {"*.prg", "PART1.PRG", true},
    {"*.prg", "part1.drw", false},
    {"*.prg", "x.y.prg", true},
    {"*.prg", "a.prg.bak", false},
    {"*.prg", "prg", false},
    {"a*.*", "ABC.txt", true},
    {"a*.*", "bcd.txt", false},
    {"*.", "NOTES", true},  // "*." picks names without extension
    {"*.", "a.txt", false},
    {"?", "a", true},
    {"?", "ab", false},
    {"???", "ab", true},  // "?" at the end may match nothing
    {"a?.txt", "a.txt", true},
    {"a?.txt", "abc.txt", false},
    {"a?c", "a.c", false},
    {"p*1.prg", "Part1.prg", true},
    {"p*1.prg", "Part2.prg", false},
    {"*a*b*", "xbYaz", false},
    {"*a*b*", "xAyBz", true},
    {"Machine.lst", "Machine.lst2", false},
    {"*.lst", ".lst", true},
    {"part1.*", "PART1", true},  // a set's base name alone belongs to it
    {"part1.*", "PART10.prg", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MatchWildcard(c.mask, c.name), c.matches) << "mask " << c.mask << " name " << c.name;
}

// Matching takes no stack per mask character.
TEST(Masks, LongMasks) {
    const std::string stars(200000, '*');
    EXPECT_TRUE(MatchWildcard(stars + "a", "xa"));
    EXPECT_FALSE(MatchWildcard(stars + "b", "xa"));
    EXPECT_TRUE(MatchWildcard(std::string(200000, '?') + ".d", "abc.d"));
}

TEST(PatternList, AnyMaskMatches) {
    EXPECT_EQ(SplitPatterns(" *.prg ; *.drw ;;"), (std::vector<std::string>{"*.prg", "*.drw"}));
    WildcardSet masks("*.prg;*.drw");
    EXPECT_TRUE(masks.matches("A.DRW"));
    EXPECT_TRUE(masks.matches("a.prg"));
    EXPECT_FALSE(masks.matches("a.inf"));
    EXPECT_TRUE(WildcardSet("*.prg; *.*").matches("NOTES"));
    EXPECT_TRUE(WildcardSet(" ; ").empty());
    EXPECT_FALSE(WildcardSet("").matches("a"));
}

TEST(ListingOrder, CaseBlindThenByteOrder) {
    std::vector<std::string> names{"b.prg", "A.prg", "a.prg", "C.prg", "_x", "B.PRG", "a.prg"};
    SortNames(names);
    EXPECT_EQ(names, (std::vector<std::string>{"A.prg", "a.prg", "B.PRG", "b.prg", "C.prg", "_x"}));
}

}  // namespace
}  // namespace qv::platform
