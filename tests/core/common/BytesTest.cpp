// Little-endian fields, which never reach past the end of their buffer, and
// the sticky-error byte cursor. The record formats' golden bytes check the
// other widths.
#include <gtest/gtest.h>

#include <limits>

#include "core/common/Bytes.h"
#include "support/Fields.h"

namespace qv {
namespace {

std::string Hex(const std::string& bytes) {
    static const char digits[] = "0123456789ABCDEF";
    std::string out;
    for (unsigned char b : bytes) out += std::string{digits[b >> 4], digits[b & 15]};
    return out;
}

TEST(Bytes, FieldsAreLittleEndianStayInsideTheBufferAndTheCursorsFirstErrorSticks) {
    std::string buf(18, '#');
    PutI16(buf, 0, -2);
    PutI32(buf, 2, std::numeric_limits<std::int32_t>::min());
    PutF64(buf, 6, -0.1);
    PutText(buf, 14, 3, "abcd");
    PutText(buf, 17, 1, "");
    EXPECT_EQ(Hex(buf), "FEFF" "00000080" "9A9999999999B9BF" "616263" "20");
    EXPECT_EQ(test::Fields(GetI16(buf, 0), GetI32(buf, 2), GetF64(buf, 6) == -0.1, GetText(buf, 14, 3)),
              "-2 -2147483648 1 abc");
    // Past the end: reads give nothing, writes change nothing.
    const std::string before = buf;
    PutI32(buf, 16, 7);
    PutF32(buf, 15, 1.5f);
    PutText(buf, 17, 2, "ab");
    EXPECT_EQ(buf, before);
    EXPECT_EQ(test::Fields(GetI16(buf, 17), GetI32(buf, 16), GetF32(buf, 16),
                           GetF64(buf, std::numeric_limits<std::size_t>::max()), GetText(buf, 16, 3).size()),
              "0 0 0 0 0");
    // The cursor reads in a row and the first error sticks.
    std::string bytes(9, '\x01');
    PutF32(bytes, 2, 1.5f);
    ByteCursor cursor(bytes, 1);
    EXPECT_EQ(cursor.text(1), "\x01");
    EXPECT_EQ(cursor.f32(), 1.5f);
    EXPECT_EQ(cursor.i16(), 0x0101);
    EXPECT_EQ(cursor.i32(), 0);
    EXPECT_FALSE(cursor.ok());
    EXPECT_EQ(cursor.error(), "unexpected end of data at offset 8 while reading 4 bytes (data is 9 bytes)");
    EXPECT_EQ(cursor.offset(), 8u);
    // Later reads that would fit still give nothing and keep the first message.
    EXPECT_EQ(cursor.i16() + cursor.f64(), 0);
    EXPECT_EQ(cursor.text(1), "");
    cursor.skip(1);
    EXPECT_EQ(cursor.offset(), 8u);
    EXPECT_EQ(cursor.error(), "unexpected end of data at offset 8 while reading 4 bytes (data is 9 bytes)");
}

}  // namespace
}  // namespace qv
