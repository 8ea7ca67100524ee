// Leading-number parsing, whole-number conversion and decimal rounding.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/common/Numbers.h"

namespace qv {
namespace {

struct LeadingCase {
    const char* text;
    double value;
};

TEST(Numbers, LeadingNumberReadsLikeVal) {
    const LeadingCase cases[] = {
        {"12", 12},         {"  12.5mm", 12.5}, {"-3", -3},        {"+4", 4},
        {".5", 0.5},        {"-.25", -0.25},    {"1.5.2", 1.5},    {"1E3", 1000},
        {"2.5e-1", 0.25},   {"1D2", 100},       {"1E", 1},         {"1E+", 1},
        {"7 9", 7},         {"abc", 0},         {"", 0},           {"-", 0},
        {".", 0},           {"- 5", 0},         {"\t8,", 8},       {"1e999", 0},
        {"007", 7},         {"12.", 12},
    };
    for (const LeadingCase& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_DOUBLE_EQ(LeadingNumber(c.text), c.value);
    }
}

struct IntCase {
    double value;
    std::int16_t rounded;
    std::int16_t truncated;
};

TEST(Numbers, SixteenBitConversionsRoundOrTruncateAndClamp) {
    const IntCase cases[] = {
        {2.5, 2, 2},      {3.5, 4, 3},           {-2.5, -2, -2},      {7.9, 8, 7},
        {-7.9, -8, -7},   {0.49, 0, 0},          {40000, 32767, 32767}, {-40000, -32768, -32768},
        {32767.4, 32767, 32767}, {std::nan(""), 0, 0},
    };
    for (const IntCase& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(RoundToInt16(c.value), c.rounded);
        EXPECT_EQ(TruncToInt16(c.value), c.truncated);
    }
    EXPECT_EQ(TruncToInt32(-2.5), -2);
    EXPECT_EQ(TruncToInt32(1e12), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(TruncToInt32(-1e12), std::numeric_limits<std::int32_t>::min());
}

struct RoundCase {
    double value;
    int decimals;
    double rounded;
};

TEST(Numbers, RoundDecimalsRoundsHalvesAwayFromZeroAsWritten) {
    const RoundCase cases[] = {
        {2.675, 2, 2.68},          {-2.675, 2, -2.68},      {0.125, 2, 0.13},
        {1.23449, 3, 1.234},       {12.7 / 25.4, 4, 0.5},   {25.4 / 25.4, 4, 1},
        {static_cast<float>(12.7), 3, 12.7},                {0.004, 2, 0},
        {0.005, 2, 0.01},          {0.0004, 2, 0},          {9.9996, 3, 10},
        {999.9995, 3, 1000},       {2.5, 0, 3},             {1e20, 5, 1e20},
        {0, 3, 0},                 {1.5, -1, 2},
    };
    for (const RoundCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.value << " to " << c.decimals);
        EXPECT_DOUBLE_EQ(RoundDecimals(c.value, c.decimals), c.rounded);
    }
}

}  // namespace
}  // namespace qv
