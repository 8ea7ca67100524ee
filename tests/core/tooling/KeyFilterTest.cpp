// The keystroke filter's modes, limits and refusals.
#include <gtest/gtest.h>

#include <string>

#include "core/tooling/KeyFilter.h"

namespace qv {
namespace {

TEST(FilterKey, TakesNameCharactersWildcardsInPatternsAndKeepsEachModesLimit) {
    for (std::int16_t mode : {FilterName, FilterSubName, FilterPattern, std::int16_t{6}}) {
        for (char c : std::string("aZ09&()+-._"))
            EXPECT_EQ(FilterKey(c, mode, "x", 0), c) << mode << " " << c;
        for (char c : std::string("/\\:*?\"<>|,^;"))
            EXPECT_EQ(FilterKey(c, mode, "x", 0), mode == FilterPattern && (c == '*' || c == '?') ? c : 0)
                << mode << " " << c;
    }
    // Accepted or refused by mode, text and selection.
    struct KeyCase { const char* name; int key; std::int16_t mode; std::string text; int selection; bool accepted; };
    const KeyCase cases[] = {
        {"backspace in empty box, name mode", KeyBackspace, FilterName, "", 0, true},
        {"enter at the limit", KeyEnter, FilterName, std::string(32, 'A'), 0, true},
        {"space in box of spaces", ' ', FilterName, "   ", 0, false},
        {"sub-routine name takes 36", 'B', FilterSubName, std::string(35, 'A'), 0, true},
        {"sub-routine name refuses 37th", 'B', FilterSubName, std::string(36, 'A'), 0, false},
        {"angle box seventh over a selection", '1', 6, "123456", 6, true},
        {"limit counts trimmed text", 'B', FilterName, "  " + std::string(31, 'A') + "  ", 0, true},
        {"unknown mode refuses letters", 'A', 0, "", 0, false},
    };
    for (const KeyCase& c : cases)
        EXPECT_EQ(FilterKey(c.key, c.mode, c.text, c.selection), c.accepted ? c.key : 0) << c.name;
}

}  // namespace
}  // namespace qv
