// The 518-byte drawing record: field positions, byte-exact round trips.
#include <gtest/gtest.h>

#include "core/common/Bytes.h"
#include "core/workstation/DrawingRecord.h"

namespace qv {
namespace {

// Every byte different, so a field read from the wrong place shows.
std::string PatternBytes() {
    std::string bytes(DrawingRecordSize, '\0');
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>((i * 7 + 3) & 0xFF);
    return bytes;
}

// Bits of a NaN single and a negative zero double, which a value compare would lose.
std::string OddNumbers() {
    std::string bytes(DrawingRecordSize, '\0');
    PutI32(bytes, drawing_offset::Singles20, 0x7FC01234);
    PutI32(bytes, drawing_offset::Doubles6 + 4, static_cast<std::int32_t>(0x80000000u));
    return bytes;
}

TEST(DrawingRecord, AnyBytesRoundTripUnchanged) {
    const std::string samples[] = {PatternBytes(), std::string(DrawingRecordSize, '\0'),
                                   std::string(DrawingRecordSize, '\xFF'), std::string(DrawingRecordSize, ' '),
                                   OddNumbers()};
    for (const std::string& bytes : samples) {
        EXPECT_EQ(EncodeDrawingRecord(DecodeDrawingRecord(bytes)), bytes);
    }
}

TEST(DrawingRecord, FieldsAreReadFromTheirOffsets) {
    std::string bytes(DrawingRecordSize, '\0');
    PutI16(bytes, 0, 210);
    PutText(bytes, 20, 72, "MILD STEEL");
    PutI32(bytes, 94, 123456);
    PutI16(bytes, 98, 1000);
    PutF64(bytes, 102 + 8, 250.5);
    PutF32(bytes, 150 + 4 * 6, 125.0f);
    PutI16(bytes, 254, -1);
    PutI16(bytes, 256, 3);
    PutI16(bytes, 290 + 83, 17);  // the first tool's station
    PutF32(bytes, 290 + 91, 90.0f);
    PutI16(bytes, 389 + 83, 42);  // the second tool's station
    bytes[517] = 'Z';

    const DrawingRecord r = DecodeDrawingRecord(bytes);
    EXPECT_EQ(r.EntityCode, 210);
    EXPECT_EQ(r.MaterialName.substr(0, 10), "MILD STEEL");
    EXPECT_EQ(r.RecordCount, 123456);
    EXPECT_EQ(r.LevelNumber, 1000);
    EXPECT_DOUBLE_EQ(r.Doubles6[1], 250.5);
    EXPECT_FLOAT_EQ(r.LeftClamp(), 125.0f);
    EXPECT_EQ(r.SignField(), -1);
    EXPECT_EQ(r.MachineSetting, 3);
    EXPECT_EQ(r.Tool.Station, 17);
    EXPECT_FLOAT_EQ(r.Tool.IndexAngle, 90.0f);
    EXPECT_EQ(r.Tool2.Station, 42);
    EXPECT_EQ(r.Tail30.back(), 'Z');
}

TEST(DrawingRecord, HeaderAccessorsUseElementsOneTwoThreeSevenEightSixteen) {
    DrawingRecord header;
    header.SetSheet(2500, 1250);
    header.SetClamps(300, 900);
    header.SetMaterialValues(1.5f, 0.8f);
    const std::string bytes = EncodeDrawingRecord(header);
    EXPECT_FLOAT_EQ(GetF32(bytes, 150 + 4 * 0), 2500);
    EXPECT_FLOAT_EQ(GetF32(bytes, 150 + 4 * 1), 1250);
    EXPECT_FLOAT_EQ(GetF32(bytes, 150 + 4 * 2), 1.5f);
    EXPECT_FLOAT_EQ(GetF32(bytes, 150 + 4 * 6), 300);
    EXPECT_FLOAT_EQ(GetF32(bytes, 150 + 4 * 7), 900);
    EXPECT_FLOAT_EQ(GetF32(bytes, 150 + 4 * 15), 0.8f);
}

TEST(DrawingRecord, ChangedFieldsAreWrittenAndTheRestKept) {
    const std::string original = PatternBytes();
    DrawingRecord r = DecodeDrawingRecord(original);
    r.MaterialName = "ALU";
    r.RecordCount = 7;
    r.SecondSetting = static_cast<std::int16_t>(-r.SecondSetting);
    const std::string bytes = EncodeDrawingRecord(r);

    EXPECT_EQ(bytes.substr(20, 72), "ALU" + std::string(69, ' '));
    EXPECT_EQ(GetI32(bytes, 94), 7);
    EXPECT_EQ(GetI16(bytes, 254), static_cast<std::int16_t>(-GetI16(original, 254)));
    // Untouched: everything before the material name, the geometry, both
    // tools and the tail.
    EXPECT_EQ(bytes.substr(0, 20), original.substr(0, 20));
    EXPECT_EQ(bytes.substr(102, 152), original.substr(102, 152));
    EXPECT_EQ(bytes.substr(256), original.substr(256));
}

TEST(DrawingRecord, AnOddToolFlagSurvivesUnlessTheToolChanges) {
    std::string bytes(DrawingRecordSize, '\0');
    PutI16(bytes, drawing_offset::Tool, 1);  // another program's "true"
    PutI16(bytes, drawing_offset::Tool + 83, 5);
    DrawingRecord r = DecodeDrawingRecord(bytes);
    EXPECT_TRUE(r.Tool.Defined);
    EXPECT_EQ(EncodeDrawingRecord(r), bytes);

    r.Tool.Station = 6;
    const std::string changed = EncodeDrawingRecord(r);
    EXPECT_EQ(GetI16(changed, drawing_offset::Tool), -1);
    EXPECT_EQ(GetI16(changed, drawing_offset::Tool + 83), 6);
}

TEST(DrawingRecord, ANewRecordIsZeroedWithBlankTexts) {
    const std::string bytes = EncodeDrawingRecord(DrawingRecord());
    ASSERT_EQ(bytes.size(), DrawingRecordSize);
    EXPECT_EQ(bytes.substr(2, 90), std::string(90, ' '));
    EXPECT_EQ(bytes.substr(102, 188), std::string(188, '\0'));
    EXPECT_EQ(bytes.substr(drawing_offset::Tail30), std::string(30, '\0'));
    // A cleared tool: flag 0, shape and description blank.
    EXPECT_EQ(bytes.substr(drawing_offset::Tool + 2, 65), std::string(65, ' '));
}

}  // namespace
}  // namespace qv
