// Number rules: leading numbers as BASIC's Val reads them, 16-bit conversions,
// decimal rounding, display text, and typed arithmetic.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <optional>
#include <vector>

#include "core/common/EvaluateExpression.h"
#include "core/common/FormatNumber.h"
#include "core/common/Numbers.h"

namespace qv {
namespace {

TEST(Numbers, LeadingNumberReadsLikeVal) {
    const std::pair<const char*, double> cases[] = {
        {"  12.5mm", 12.5}, {"-3", -3}, {"+4", 4}, {".5", 0.5}, {"1.5.2", 1.5}, {"1E3", 1000}, {"2.5e-1", 0.25},
        {"1D2", 100}, {"1E", 1}, {"1E+", 1}, {".", 0}, {"- 5", 0}, {"\t8,", 8}, {"1e999", 0}, {"12.", 12},
    };
    for (const auto& [text, value] : cases) EXPECT_DOUBLE_EQ(LeadingNumber(text), value) << text;
}

TEST(Numbers, SixteenBitConversionsRoundOrTruncateAndClamp) {
    const struct { double value; std::int16_t rounded, truncated; } cases[] = {
        {2.5, 2, 2},   {3.5, 4, 3},   {-2.5, -2, -2},          {7.9, 8, 7},          {-7.9, -8, -7},
        {0.49, 0, 0},  {40000, 32767, 32767}, {-40000, -32768, -32768}, {32767.4, 32767, 32767}, {std::nan(""), 0, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RoundToInt16(c.value), c.rounded) << c.value;
        EXPECT_EQ(TruncToInt16(c.value), c.truncated) << c.value;
    }
    EXPECT_EQ((std::vector<std::int32_t>{TruncToInt32(-2.5), TruncToInt32(1e12), TruncToInt32(-1e12)}),
              (std::vector<std::int32_t>{-2, INT32_MAX, INT32_MIN}));
}

TEST(Numbers, RoundDecimalsRoundsHalvesAwayFromZeroAsWritten) {
    const struct { double value; int decimals; double rounded; } cases[] = {
        {2.675, 2, 2.68}, {-2.675, 2, -2.68}, {0.125, 2, 0.13}, {1.23449, 3, 1.234}, {12.7 / 25.4, 4, 0.5},
        {25.4 / 25.4, 4, 1}, {static_cast<float>(12.7), 3, 12.7}, {0.004, 2, 0}, {0.005, 2, 0.01}, {0.0004, 2, 0},
        {9.9996, 3, 10}, {999.9995, 3, 1000}, {2.5, 0, 3}, {1e20, 5, 1e20}, {0, 3, 0}, {1.5, -1, 2},
    };
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(RoundDecimals(c.value, c.decimals), c.rounded) << c.value;
}

// Doubles with fifteen digits, singles with their own seven; tiny values as 0.
TEST(FormatNumber, GeneralTextWithLeadingZeros) {
    const std::pair<double, const char*> doubles[] = {
        {12.5, "12.5"}, {-0.25, "-0.25"}, {-3, "-3"}, {0, "0"}, {-0.0, "0"}, {0.0001, "0.0001"}, {-0.0001, "-0.0001"},
        {0.00012, "0.00012"}, {0.00001, "0"}, {-0.000002, "0"}, {1e20, "1E+20"}, {1.5e20, "1.5E+20"}, {1e100, "1E+100"},
        {-2.5e15, "-2.5E+15"}, {1.0 / 3, "0.333333333333333"}, {2.0 / 3, "0.666666666666667"}, {1e15, "1E+15"},
        {123456789012345, "123456789012345"}, {999999999999999.4, "999999999999999"}, {999999999999999.9, "1E+15"},
        {0.1 + 0.2, "0.3"}, {static_cast<double>(12.7f), "12.6999998092651"}, {-0.099999999999999999, "-0.1"},
    };
    for (const auto& [value, text] : doubles) EXPECT_EQ(FormatNumber(value), text);
    const std::pair<float, const char*> singles[] = {
        {12.7f, "12.7"}, {0.1f, "0.1"}, {1.0f / 3, "0.3333333"}, {-0.75f, "-0.75"}, {1234567.0f, "1234567"},
        {12345678.0f, "1.234568E+07"}, {1e7f, "1E+07"}, {0.00001f, "0"}, {0.0f, "0"},
    };
    for (const auto& [value, text] : singles) EXPECT_EQ(FormatNumber(value), text);
}

// Left to right with no precedence, innermost group first, each group's value
// written back as its 15-digit text.
TEST(EvaluateExpression, FollowsTheTextRules) {
    const std::pair<std::string, std::optional<double>> cases[] = {
        {"2+3*4", 20}, {"2*(3+4)", 14}, {"10/4", 2.5}, {"2^10", 1024}, {"2^3^2", 64}, {"1000-2*12.5", 12475},
        {"(90+45)/2", 67.5}, {"2^0.5", 1.4142135623730951},
        // Signs and written-back negative groups.
        {"(2-5)*3", -9}, {"2*(0-5)", -10}, {"2-(0-5)", 7}, {"-4+1", -3}, {"-(2)", -2}, {"2*-3", -6}, {"--5", -5},
        {"((1+2)*3)", 9},
        // Cleaning drops everything else, exponent letters included; groups
        // join neighbouring digits, with no implied multiplication.
        {"12 mm", 12}, {"1,5", 15}, {"1E5", 15}, {"2(3)", 23}, {"(2)3", 23},
        // Stray operators.
        {"5+", 5}, {"+5", 5}, {"2+*3", 5}, {"1.5.2", 1.5}, {".5+.5", 1},
        // An empty group counts as 0.
        {"(1/3)*3", 0.999999999999999}, {"(100000000000*100000000000)*2", 2e22}, {"2+()", 2},
        // No value.
        {"-", std::nullopt}, {"(1+2", std::nullopt}, {"1+2)", std::nullopt}, {")1(", std::nullopt},
        {"10/0", std::nullopt}, {"", std::nullopt}, {"()", std::nullopt}, {"(0-8)^.5", std::nullopt},
        {"10^400", std::nullopt}, {std::string(400, '9'), std::nullopt}, {"1+" + std::string(400, '9'), std::nullopt},
        {"1+." + std::string(400, '0') + "1", 1},
    };
    for (const auto& [text, value] : cases) {
        const std::optional<double> got = EvaluateExpression(text);
        ASSERT_EQ(got.has_value(), value.has_value()) << text;
        if (value) { EXPECT_DOUBLE_EQ(*got, *value) << text; }
    }
}

}  // namespace
}  // namespace qv
