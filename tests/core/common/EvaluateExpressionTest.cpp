// Typed arithmetic: left to right, innermost group first, text write-back.
#include <gtest/gtest.h>

#include <optional>

#include "core/common/EvaluateExpression.h"

namespace qv {
namespace {

struct ExpressionCase {
    std::string text;
    std::optional<double> value;
};

TEST(EvaluateExpression, FollowsTheTextRules) {
    const ExpressionCase cases[] = {
        // No precedence, strictly left to right.
        {"2+3*4", 20}, {"2*(3+4)", 14}, {"10/4", 2.5}, {"2^10", 1024}, {"2^3^2", 64}, {"1000-2*12.5", 12475},
        {"(90+45)/2", 67.5}, {"2^0.5", 1.4142135623730951},
        // Signs and written-back negative groups.
        {"(2-5)*3", -9}, {"2*(0-5)", -10}, {"2-(0-5)", 7}, {"-4+1", -3}, {"-(2)", -2}, {"2*-3", -6}, {"--5", -5},
        {"((1+2)*3)", 9},
        // Cleaning drops everything else, exponent letters included.
        {"12 mm", 12}, {"1,5", 15}, {"1E5", 15}, {" 7 ", 7},
        // Groups join neighbouring digits; no implied multiplication.
        {"2(3)", 23}, {"(2)3", 23},
        // Stray operators.
        {"5+", 5}, {"+5", 5}, {"+5*2", 10}, {"2+*3", 5}, {"2+*3-1", 4}, {"1.5.2", 1.5}, {".5+.5", 1},
        // A group's value goes back as its 15-digit text; an empty group counts as 0.
        {"(1/3)*3", 0.999999999999999}, {"(100000000000*100000000000)*2", 2e22}, {"2+()", 2},
        // No value.
        {"-", std::nullopt}, {"(1+2", std::nullopt}, {"1+2)", std::nullopt}, {")1(", std::nullopt},
        {"10/0", std::nullopt}, {"10/(5-5)", std::nullopt}, {"", std::nullopt}, {"abc", std::nullopt},
        {"()", std::nullopt}, {"(0-8)^.5", std::nullopt}, {"10^400", std::nullopt}, {std::string(400, '9'), std::nullopt}, {"1+" + std::string(400, '9'), std::nullopt},
        {"1+." + std::string(400, '0') + "1", 1},
    };
    for (const ExpressionCase& c : cases) {
        SCOPED_TRACE(c.text);
        const std::optional<double> value = EvaluateExpression(c.text);
        ASSERT_EQ(value.has_value(), c.value.has_value());
        if (c.value) {
            EXPECT_DOUBLE_EQ(*value, *c.value);
        }
    }
}

}  // namespace
}  // namespace qv
