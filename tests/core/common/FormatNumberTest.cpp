// Numbers as display text: general text, leading zeros, tiny values as 0.
#include <gtest/gtest.h>

#include <limits>

#include "core/common/Numbers.h"
#include "core/common/FormatNumber.h"

namespace qv {
namespace {

struct DoubleCase {
    double value;
    const char* text;
};

TEST(FormatNumber, DoublesUseFifteenDigits) {
    const DoubleCase cases[] = {
        {12.5, "12.5"}, {10, "10"}, {0.5, "0.5"}, {-0.25, "-0.25"}, {-3, "-3"}, {0, "0"}, {-0.0, "0"},
        {0.0001, "0.0001"}, {-0.0001, "-0.0001"}, {0.00012, "0.00012"}, {0.00001, "0"}, {-0.000002, "0"},
        {1e20, "1E+20"}, {1.5e20, "1.5E+20"}, {1e100, "1E+100"}, {-2.5e15, "-2.5E+15"},
        {1.0 / 3, "0.333333333333333"}, {2.0 / 3, "0.666666666666667"}, {-0.5, "-0.5"},
        {RoundDecimals(12.7 / 25.4, 4), "0.5"}, {123456789012345, "123456789012345"},
        {999999999999999.4, "999999999999999"}, {999999999999999.9, "1E+15"}, {1e15, "1E+15"}, {1000, "1000"},
        {0.1 + 0.2, "0.3"}, {static_cast<double>(12.7f), "12.6999998092651"}, {1234.5678, "1234.5678"},
        {-0.099999999999999999, "-0.1"},
    };
    for (const DoubleCase& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(FormatNumber(c.value), c.text);
    }
    // Text of the largest doubles reads back as a number, not as 0.
    for (double value : {std::numeric_limits<double>::max(), -std::numeric_limits<double>::max()}) {
        const std::string text = FormatNumber(value);
        EXPECT_EQ(text, value > 0 ? "1.79769313486231E+308" : "-1.79769313486231E+308");
        EXPECT_NEAR(LeadingNumber(text) / value, 1.0, 1e-14) << text;
    }
}

struct FloatCase {
    float value;
    const char* text;
};

TEST(FormatNumber, SinglesUseTheirOwnSevenDigits) {
    const FloatCase cases[] = {
        {12.7f, "12.7"},       {0.1f, "0.1"},         {1.0f / 3, "0.3333333"},
        {-0.75f, "-0.75"},     {1234567.0f, "1234567"}, {12345678.0f, "1.234568E+07"},
        {1e7f, "1E+07"},       {0.00001f, "0"},       {100.25f, "100.25"},
        {25.4f, "25.4"},       {0.0f, "0"},           {360.0f, "360"},
    };
    for (const FloatCase& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(FormatNumber(c.value), c.text);
    }
}

}  // namespace
}  // namespace qv
