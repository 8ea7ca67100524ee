// The 518-byte drawing record: field positions and byte-exact round trips.
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

// Any bytes, the bits of a NaN single and a negative zero double among them,
// which a value compare would lose, come back unchanged.
TEST(DrawingRecord, AnyBytesRoundTripUnchanged) {
    std::string odd(DrawingRecordSize, '\0');
    PutI32(odd, drawing_offset::Singles20, 0x7FC01234);
    PutI32(odd, drawing_offset::Doubles6 + 4, static_cast<std::int32_t>(0x80000000u));
    for (const std::string& bytes : {PatternBytes(), std::string(DrawingRecordSize, '\0'),
                                     std::string(DrawingRecordSize, '\xFF'), std::string(DrawingRecordSize, ' '), odd})
        EXPECT_EQ(EncodeDrawingRecord(DecodeDrawingRecord(bytes)), bytes);
}

// The header's sheet, material values and clamps are single elements 1, 2,
// 3, 7, 8 and 16 at offset 150.
TEST(DrawingRecord, FieldsSitAtTheirOffsets) {
    std::string bytes(DrawingRecordSize, '\0');
    PutI16(bytes, 0, 210);
    PutText(bytes, 20, 72, "MILD STEEL");
    PutI32(bytes, 94, 123456);
    PutI16(bytes, 98, 1000);
    PutF64(bytes, 102 + 8, 250.5);
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
    EXPECT_EQ(r.SignField(), -1);
    EXPECT_EQ(r.MachineSetting, 3);
    EXPECT_EQ(r.Tool.Station, 17);
    EXPECT_FLOAT_EQ(r.Tool.IndexAngle, 90.0f);
    EXPECT_EQ(r.Tool2.Station, 42);
    EXPECT_EQ(r.Tail30.back(), 'Z');

    DrawingRecord header;
    header.SetSheet(2500, 1250);
    header.SetClamps(300, 900);
    header.SetMaterialValues(1.5f, 0.8f);
    const std::string written = EncodeDrawingRecord(header);
    std::vector<float> singles;
    for (int element : {0, 1, 2, 6, 7, 15}) singles.push_back(GetF32(written, 150 + 4 * element));
    EXPECT_EQ(singles, (std::vector<float>{2500, 1250, 1.5f, 300, 900, 0.8f}));
    EXPECT_FLOAT_EQ(DecodeDrawingRecord(written).LeftClamp(), 300);
}

// What the workstation changes is written; everything else is kept, and a
// new record is zeroed with blank texts and a cleared tool.
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
    EXPECT_EQ(bytes.substr(0, 20), original.substr(0, 20));
    EXPECT_EQ(bytes.substr(102, 152), original.substr(102, 152));
    EXPECT_EQ(bytes.substr(256), original.substr(256));

    const std::string fresh = EncodeDrawingRecord(DrawingRecord());
    ASSERT_EQ(fresh.size(), DrawingRecordSize);
    EXPECT_EQ(fresh.substr(2, 90), std::string(90, ' '));
    EXPECT_EQ(fresh.substr(102, 188), std::string(188, '\0'));
    EXPECT_EQ(fresh.substr(drawing_offset::Tool + 2, 65), std::string(65, ' '));
    EXPECT_EQ(fresh.substr(drawing_offset::Tail30), std::string(30, '\0'));
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

}  // namespace
}  // namespace qv
