// Little-endian fields never reach past the end of their buffer, and the
// byte cursor's first error sticks. The record formats' golden bytes and
// round trips check every width's layout.
#include <gtest/gtest.h>

#include <limits>

#include "core/common/Bytes.h"
#include "support/Fields.h"

namespace qv {
namespace {

TEST(Bytes, FieldsStayInsideTheBufferAndTheCursorsFirstErrorSticks) {
    std::string buf(18, '#');
    // Past the end: reads give nothing, writes change nothing.
    PutI32(buf, 16, 7);
    PutF32(buf, 15, 1.5f);
    PutText(buf, 17, 2, "ab");
    EXPECT_EQ(buf, std::string(18, '#'));
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
