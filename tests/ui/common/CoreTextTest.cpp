// Core's 8-bit text and Qt's text: code page 1252 both ways.
#include <gtest/gtest.h>

#include "ui/common/CoreText.h"

namespace qv::test {
namespace {

using ui::FromCore;
using ui::ToCore;

TEST(CoreText, EveryByteTheCodePageDefinesRoundTrips) {
    std::string bytes;
    for (int b = 0x80; b <= 0xFF; ++b)
        if (b != 0x81 && b != 0x8D && b != 0x8F && b != 0x90 && b != 0x9D) bytes += static_cast<char>(b);
    QString expected = QString::fromUtf8("€‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ");
    for (char16_t c = 0xA0; c <= 0xFF; ++c) expected += QChar(c);
    EXPECT_EQ(FromCore(bytes), expected);
    EXPECT_EQ(ToCore(expected), bytes);
    EXPECT_EQ(FromCore("\xD8" "20 KEY"), QString::fromUtf8("Ø20 KEY"));
}

TEST(CoreText, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    EXPECT_EQ(ToCore(QString::fromUtf8("Ω x \xF0\x9F\x94\xA7 ?")), "? x ? ?");  // Greek, a tool emoji
    EXPECT_EQ(ToCore(FromCore(std::string("\x81\x9D", 2))), std::string("\x81\x9D", 2));  // undefined kept
}

}  // namespace
}  // namespace qv::test
