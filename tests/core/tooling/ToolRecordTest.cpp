// The tool record: text form, shape names, dimension texts, station codes
// and the stored form.
#include <gtest/gtest.h>

#include "core/common/Text.h"
#include "core/tooling/ToolRecord.h"
#include "support/TableTest.h"

namespace qv {
namespace {

using test::FromHex;
using test::ToolText;
const std::string kCleared = "-  '' 0x0x0x0 s0 c0 a0 i0 n0";

// Fields in order from a cleared record; a count below 1 is stored as 1, and
// a text that stops early leaves the record undefined.
TEST(ToolRecord, ParseToolTextFillsFieldsInOrder) {
    const std::pair<std::string, std::string> cases[] = {
        {"A, Punch 10, 10, 0, 0, 0, 5, 11, 0, 0, 1", "+A 'Punch 10' 10x0x0x0 s5 c11 a0 i0 n1"},
        {"A, Punch 10, 10, 0, 0, 0, 5, 11, 30, 45", "-A 'Punch 10' 10x0x0x0 s5 c11 a30 i0 n0"},
        {"D,R,20,10,0,0,3,0,90,0,0", "+D 'R' 20x10x0x0 s3 c0 a90 i0 n1"},
        {"A,x,1,0,0,0,7.9,-2.5,0,0,1", "+A 'x' 1x0x0x0 s7 c-2 a0 i0 n1"},  // stations truncate towards zero
        {"a,Punch,10,0,0,0,5,11,0,0,1", kCleared}, {"AB,Punch,10,0,0,0,5,11,0,0,1", kCleared}, {"A", kCleared},
        {"U,Undefined,0,0,0,0,0,0,0,0,1", "+U 'Undefined' 0x0x0x0 s0 c0 a0 i0 n1"},
        {"S," + std::string(70, 'n') + ",0,0,0,0,1,0,0,0,1",
         "+S '" + std::string(64, 'n') + "' 0x0x0x0 s1 c0 a0 i0 n1"},
    };
    for (const auto& [text, tool] : cases) {
        ToolRecord record;
        record.Count = 99;
        ParseToolText(text, record);
        EXPECT_EQ(ToolText(record), tool) << text;
    }
    ToolRecord source = test::Tool("K,short,10,3,-1.5,0,7,22,0,45,2"), copy;
    source.Description = "short";
    CopyToolRecord(source, copy);  // the description kept at 64 characters
    EXPECT_EQ(ToolText(copy), "+K 'short' 10x3x-1.5x0 s7 c22 a0 i45 n2");
}

// Sizes 25.4, 12.7, -5.08, 2.54 mm: 1, 0.5, -0.2, 0.1 inch. The names of the
// shapes are a table's; an unknown letter has the undefined one. Round, undefined
// and special tools' texts are the reverse run tests'.
TEST(ToolRecord, ShapeNamesAndDimensionTexts) {
    EXPECT_EQ(ShapeListName('a') + "|" + ShapeName('a') + "|" + ShapeName('D'), "|Undefined   |Rectangle ");
    const struct { char letter; const char *asStored, *inches; } cases[] = {
        {'C', "25.4r2.54", "1r0.1"}, {'D', "25.4x12.7", "1x0.5"}, {'E', "25.4x12.7r2.54", "1x0.5r0.1"},
        {'K', "25.4x12.7w5.08", "1x0.5w0.2"}, {'M', "25.4w-5.08r2.54", "1w-0.2r0.1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.letter);
        ToolRecord record;
        record.Shape = c.letter;
        record.Size = {25.4f, 12.7f, -5.08f, 2.54f};
        using Texts = std::vector<std::string>;
        EXPECT_EQ((Texts{DimensionText(record, Units::AsStored), DimensionText(record, Units::Millimetres),
                         DimensionText(record, Units::Inches)}),
                  (Texts{c.asStored, c.asStored, c.inches}));
    }
    // Millimetres to 3 decimals, inches to 4.
    const ToolRecord round = test::Tool("A,,13.3333,0,0,0,0,0,0,0,1");
    EXPECT_EQ(DimensionText(round, Units::Millimetres) + " " + DimensionText(round, Units::Inches), "13.333 0.5249");
    for (char letter : std::string("UPaZ ") + PunchShapeLetters()) {
        ToolRecord record = test::Tool("A,Punch,10,0,0,0,5,11,0,0,1");
        record.Shape = letter;
        NormaliseShape(record);
        const bool punch = PunchShapeLetters().find(letter) != std::string::npos;
        EXPECT_EQ(ToolText(record), punch ? std::string("+") + letter + " 'Punch' 10x0x0x0 s5 c11 a0 i0 n1"
                                          : "-U 'Undefined' 10x0x0x0 s5 c11 a0 i0 n1")
            << letter;
    }
}

// The other station code tests have no caller.
TEST(ToolRecord, IndexCodesRunFromTwentyToNinetyNine) {
    for (std::int16_t code : {19, 100, -20}) EXPECT_FALSE(IsIndexCode(code)) << code;
    for (std::int16_t code : {20, 99}) EXPECT_TRUE(IsIndexCode(code)) << code;
}

// Defined -1, "D", name padded to 64, sizes 20/10/0/2.5, station -2, code 25,
// angle 0, index angle 90, count 3; a cleared record has flag 0 and blanks.
TEST(ToolRecord, StoredFormIsNinetyNineBytes) {
    const ToolRecord record = test::Tool("D,Rect 20x10,20,10,0,2.5,-2,25,0,90,3");
    const std::string expected = FromHex("FFFF44") + FixedText("Rect 20x10", 64) +
                                 FromHex("0000A041" "00002041" "00000000" "00002040" "FEFF" "1900" "00000000"
                                         "0000B442" "03000000");
    ASSERT_EQ(expected.size(), ToolRecordSize);
    std::string buffer(5, '\x7F');
    EncodeToolRecord(record, buffer, 5);
    EXPECT_EQ(buffer, std::string(5, '\x7F') + expected);
    const ToolRecord decoded = DecodeToolRecord(buffer, 5);
    std::string again(ToolRecordSize + 10, '\0');
    EncodeToolRecord(decoded, again, 0);
    EXPECT_EQ(again, expected + std::string(10, '\0'));
    EXPECT_EQ(ToolText(decoded), ToolText(record));

    std::string cleared;
    EncodeToolRecord(ToolRecord(), cleared, 0);
    EXPECT_EQ(cleared, FromHex("000020") + std::string(64, ' ') + std::string(32, '\0'));
    // A buffer too short for the record gives a cleared one.
    EXPECT_EQ(ToolText(DecodeToolRecord(expected.substr(0, ToolRecordSize - 1), 0)), kCleared);
}

}  // namespace
}  // namespace qv
