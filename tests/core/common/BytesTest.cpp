// Little-endian field helpers and the sticky-error byte cursor.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/common/Bytes.h"

namespace qv {
namespace {

std::string Hex(const std::string& bytes) {
    static const char digits[] = "0123456789ABCDEF";
    std::string out;
    for (unsigned char b : bytes) {
        out += digits[b >> 4];
        out += digits[b & 15];
    }
    return out;
}

struct IntCase {
    std::int32_t value;
    const char* i16Hex;  // nullptr when outside 16 bits
    const char* i32Hex;
};

TEST(Bytes, IntegersAreLittleEndianTwosComplement) {
    const IntCase cases[] = {
        {0, "0000", "00000000"},         {1, "0100", "01000000"},
        {-1, "FFFF", "FFFFFFFF"},        {-2, "FEFF", "FEFFFFFF"},
        {0x1234, "3412", "34120000"},    {32767, "FF7F", "FF7F0000"},
        {-32768, "0080", "0080FFFF"},    {0x12345678, nullptr, "78563412"},
        {std::numeric_limits<std::int32_t>::min(), nullptr, "00000080"},
    };
    for (const IntCase& c : cases) {
        SCOPED_TRACE(c.value);
        std::string buf(6, '\0');
        PutI32(buf, 1, c.value);
        EXPECT_EQ(Hex(buf.substr(1, 4)), c.i32Hex);
        EXPECT_EQ(GetI32(buf, 1), c.value);
        if (c.i16Hex) {
            PutI16(buf, 3, static_cast<std::int16_t>(c.value));
            EXPECT_EQ(Hex(buf.substr(3, 2)), c.i16Hex);
            EXPECT_EQ(GetI16(buf, 3), c.value);
        }
    }
}

TEST(Bytes, RealsRoundTripBitForBit) {
    std::string buf(12, '\0');
    PutF32(buf, 0, 2.5f);
    EXPECT_EQ(Hex(buf.substr(0, 4)), "00002040");
    PutF64(buf, 4, -0.1);
    EXPECT_EQ(Hex(buf.substr(4, 8)), "9A9999999999B9BF");
    EXPECT_EQ(GetF32(buf, 0), 2.5f);
    EXPECT_EQ(GetF64(buf, 4), -0.1);
    PutF32(buf, 0, std::numeric_limits<float>::quiet_NaN());
    EXPECT_TRUE(std::isnan(GetF32(buf, 0)));
}

TEST(Bytes, TextIsPaddedWithSpacesOrCut) {
    std::string buf(10, '#');
    PutText(buf, 1, 5, "ab");
    EXPECT_EQ(buf, "#ab   ####");
    PutText(buf, 1, 5, "abcdefgh");
    EXPECT_EQ(buf, "#abcde####");
    EXPECT_EQ(GetText(buf, 1, 5), "abcde");
}

TEST(Bytes, FieldsPastTheEndReadAsZeroAndAreNotWritten) {
    std::string buf(3, 'x');
    EXPECT_EQ(GetI16(buf, 2), 0);
    EXPECT_EQ(GetI32(buf, 0), 0);
    EXPECT_EQ(GetF64(buf, 0), 0.0);
    EXPECT_EQ(GetText(buf, 1, 3), "");
    EXPECT_EQ(GetI16(buf, std::numeric_limits<std::size_t>::max()), 0);
    PutI32(buf, 0, 7);
    PutText(buf, 2, 2, "ab");
    EXPECT_EQ(buf, "xxx");
}

TEST(ByteCursor, ReadsFieldsInARow) {
    std::string buf(2 + 4 + 4 + 8 + 3, '\0');
    PutI16(buf, 0, -5);
    PutI32(buf, 2, 70000);
    PutF32(buf, 6, 1.5f);
    PutF64(buf, 10, 1e100);
    PutText(buf, 18, 3, "ab");
    ByteCursor cursor(buf);
    EXPECT_EQ(cursor.i16(), -5);
    EXPECT_EQ(cursor.i32(), 70000);
    EXPECT_EQ(cursor.f32(), 1.5f);
    EXPECT_EQ(cursor.f64(), 1e100);
    EXPECT_EQ(cursor.text(3), "ab ");
    EXPECT_TRUE(cursor.ok());
    EXPECT_EQ(cursor.offset(), buf.size());
}

TEST(ByteCursor, FirstErrorSticksAndTheOffsetStays) {
    const std::string buf(5, '\x01');
    ByteCursor cursor(buf, 1);
    EXPECT_EQ(cursor.i16(), 0x0101);
    EXPECT_EQ(cursor.i32(), 0);
    EXPECT_FALSE(cursor.ok());
    EXPECT_EQ(cursor.error(), "unexpected end of data at offset 3 while reading 4 bytes (data is 5 bytes)");
    EXPECT_EQ(cursor.offset(), 3u);
    // Later reads that would fit still give nothing and keep the first message.
    EXPECT_EQ(cursor.i16(), 0);
    EXPECT_EQ(cursor.text(1), "");
    cursor.skip(1);
    EXPECT_EQ(cursor.offset(), 3u);
    EXPECT_EQ(cursor.error(), "unexpected end of data at offset 3 while reading 4 bytes (data is 5 bytes)");
}

}  // namespace
}  // namespace qv
