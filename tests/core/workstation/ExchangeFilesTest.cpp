// The reverse run's exchange files on real files: byte-exact round trips,
// and every malformed file refused with the file and place named; the
// 518-byte drawing record: field positions and byte-exact round trips.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "core/common/Bytes.h"
#include "core/workstation/DrawingRecord.h"
#include "core/workstation/ExchangeFiles.h"
#include "support/Sandbox.h"

namespace qv::test {
namespace {

std::string Path(const std::string& name) { return "C:\\QV\\" + name; }

class ExchangeFiles : public ::testing::Test {
protected:
    void SetUp() override { box.makeFolder("C:\\QV"); }
    void put(const std::string& name, const std::string& bytes) { box.write(Path(name), bytes); }
    std::string get(const std::string& name) { return box.read(Path(name)); }

    Sandbox box;
};

// Each file read back and written again gives the same bytes; lines of the
// path file are trimmed, commas kept in a path, and an empty directory
// allowed (its bytes are the reverse run's test's).
TEST_F(ExchangeFiles, RoundTripByteForByteAndToolListsEndWhereTheFormatSays) {
    put("Reverse.pth", "  E:\\PART, ONE \r\nPART, ONE\r\n\r\nPUNCH1\r\nextra\r\n");
    const ReversePath back = ReadReversePath(Path("Reverse.pth")).value_or({});
    EXPECT_EQ(back.ProgramPath + "|" + back.ProgramName + "|" + back.CurrentDirectory + "|" + back.MachineFolder,
              "E:\\PART, ONE|PART, ONE||PUNCH1");
    EXPECT_FALSE(WriteReversePath(Path("Reverse.pth"), {"C:\\A\r\nB", "B", "J", "M"}).ok());

    for (std::int16_t status : {0, 1, -1, 32767, -32768}) {
        ASSERT_TRUE(WriteFinishedFlag(Path("Finished.flg"), status).ok());
        EXPECT_EQ(ReadFinishedFlag(Path("Finished.flg")).value_or(7), status);
    }
    EXPECT_EQ(get("Finished.flg"), "-32768\r\n");
    put("Finished.flg", " 3 , done\r\n");  // the first item
    EXPECT_EQ(ReadFinishedFlag(Path("Finished.flg")).value_or(0), 3);

    for (const ReverseSheet& sheet : {ReverseSheet{{1219.2, 609.6, 0.1 + 0.2, -0.0}},
                                      ReverseSheet{{1e-7, 1e20, 38.099999999999994, 123456789.123}},
                                      ReverseSheet{{1000, 500, 250, 750}}}) {
        ASSERT_TRUE(WriteReverseSheet(Path("Reverse.sht"), sheet).ok());
        const std::string bytes = get("Reverse.sht");
        const ReverseSheet read = ReadReverseSheet(Path("Reverse.sht")).value_or({});
        EXPECT_EQ(read.Values, sheet.Values) << bytes;
        ASSERT_TRUE(WriteReverseSheet(Path("Reverse.sht"), read).ok());
        EXPECT_EQ(get("Reverse.sht"), bytes);
    }
    EXPECT_EQ(get("Reverse.sht"), "1000\r\n500\r\n250\r\n750\r\n");  // the last sheet written

    // The odd singles come back exact, a description keeps its comma.
    const std::vector<ReverseTool> tools = {
        {120, "S", "KEY, HOLE", {0, 0, 0, 0}, 11, 12.5f, 0},
        {7, "c", "1/2\" SQ", {0.1f, 1.0f / 3.0f, 3.4028235e38f, -1.5e-8f}, -2, 359.999f, 1e-30f}};
    ASSERT_TRUE(WriteReverseTools(Path("Reverse.trt"), tools).ok());
    const std::string bytes = get("Reverse.trt");
    EXPECT_EQ(bytes.substr(0, bytes.find('\n') + 1), "120,S,\"KEY, HOLE\",0,0,0,0,11,12.5,0\r\n");
    EXPECT_EQ(bytes.substr(bytes.size() - 3), "0\r\n");
    const std::vector<ReverseTool> tools2 = ReadReverseTools(Path("Reverse.trt")).value_or({});
    ASSERT_EQ(tools2.size(), tools.size());
    EXPECT_EQ(tools2[1].Size, tools[1].Size);
    ASSERT_TRUE(WriteReverseTools(Path("Reverse.trt"), tools2).ok());
    EXPECT_EQ(get("Reverse.trt"), bytes);

    // A tool list ends at station 0, a negative one, a blank line, the end marker
    // or the end of the file; exactly 121 entries are accepted.
    const std::string one = "1,A,x,1,0,0,0,10,0,0\r\n";
    const std::pair<std::string, std::size_t> cases[] = {
        {"0\r\n" + one, 0}, {"", 0}, {one + "-3\r\n" + one, 1}, {one, 1}, {one + "\r\n" + one, 1},
        {one + "******\r\n", 1}, {"1,A,x,1,0,0,0,10,0,0,\r\n" + one + "0\r\n", 2},
    };
    for (const auto& [content, count] : cases) {
        put("Reverse.trt", content);
        const Result<std::vector<ReverseTool>> read = ReadReverseTools(Path("Reverse.trt"));
        ASSERT_TRUE(read.ok()) << content << ": " << read.message();
        EXPECT_EQ(read->size(), count) << content;
    }
    std::string content;
    for (int i = 0; i < 121; ++i) content += std::to_string(i % 120 + 1) + ",A,x,1,0,0,0,10,0,0\r\n";
    put("Reverse.trt", content);
    EXPECT_EQ(ReadReverseTools(Path("Reverse.trt")).value_or({}).size(), 121u);
    put("Reverse.trt", content + one);
    EXPECT_NE(ReadReverseTools(Path("Reverse.trt")).message().find("more than 121 entries"), std::string::npos);
}

// The reader refuses a malformed file and names the file and the place.
TEST_F(ExchangeFiles, MalformedIsRefusedWithTheFileAndPlaceNamed) {
    // content: nullptr: the file is missing.
    const struct { const char *file, *content, *expected; } cases[] = {
        {"Reverse.pth", nullptr, "Reverse.pth"},
        {"Reverse.pth", "C:\\A\\P\r\nP\r\nJOBS\r\n", "line 4 (machine folder) is missing"},
        {"Reverse.pth", "   \r\nP\r\nJOBS\r\nM\r\n", "line 1 (program path) is empty"},
        {"Reverse.pth", "C:\\A\\P\r\nP\x1b.prg\r\nJOBS\r\nM\r\n", "line 2 (program name) holds a control character"},
        {"Finished.flg", "", "the file is empty"},
        {"Finished.flg", "0abc\r\n", "status \"0abc\" is not a whole number"},
        {"Finished.flg", "\r\n0\r\n", "status \"\" is not a whole number"},
        {"Finished.flg", "40000\r\n", "status \"40000\""},
        {"Reverse.sht", "1000\r\n500\r\n250\r\n", "item 4 (right clamp) is missing"},
        {"Reverse.sht", "1000\r\nwide\r\n250\r\n750\r\n", "item 2 (sheet width Y) \"wide\" is not a number"},
        {"Reverse.sht", "1E999,500,250,750\r\n", "item 1 (sheet length X)"},
        {"Reverse.trt", "121,A,x,1,0,0,0,10,0,0\r\n", "entry 1: station 121 is outside 1 to 120"},
        {"Reverse.trt", "T1,A,x,1,0,0,0,10,0,0\r\n", "entry 1: station \"T1\""},
        {"Reverse.trt", "3\r\n", "entry 1 (station 3) ends before its shape letter"},
        {"Reverse.trt", "1,A,x,1,0,ten,0,10,0,0\r\n", "entry 1 (station 1): size 3 \"ten\""},
        {"Reverse.trt", "1,A,x,1E39,0,0,0,10,0,0\r\n", "entry 1 (station 1): size 1"},
        {"Reverse.trt", "1,A,x,1,0,0,0,10.5,0,0\r\n", "station code \"10.5\""},
        {"Reverse.trt", "1,A,x,1,0,0,0,10,0,\r\n", "ends before its index angle"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected);
        box.remove(Path(c.file));
        if (c.content) put(c.file, c.content);
        const std::string file = c.file, path = Path(file);
        const Status status = file == "Reverse.pth"    ? ReadReversePath(path).status()
                              : file == "Finished.flg" ? ReadFinishedFlag(path).status()
                              : file == "Reverse.sht"  ? ReadReverseSheet(path).status()
                                                       : ReadReverseTools(path).status();
        EXPECT_NE(status.message().find(c.file), std::string::npos) << status.message();
        EXPECT_NE(status.message().find(c.expected), std::string::npos) << status.message();
    }
    // The writers refuse what the reader would refuse and keep the old file.
    const std::vector<ReverseTool> refused[] = {
        {ReverseTool{121, "A", ""}}, {ReverseTool{0, "A", ""}}, std::vector<ReverseTool>(122, ReverseTool{1, "A", ""}),
        {ReverseTool{1, "A", " \"quoted\" "}}, {ReverseTool{1, "A", "x", {NAN, 0, 0, 0}}},
    };
    put("Reverse.trt", "old");
    put("Reverse.sht", "old");
    for (const auto& tools : refused) EXPECT_FALSE(WriteReverseTools(Path("Reverse.trt"), tools).ok());
    EXPECT_FALSE(WriteReverseSheet(Path("Reverse.sht"), ReverseSheet{{INFINITY, 0, 0, 0}}).ok());
    EXPECT_EQ(get("Reverse.trt") + get("Reverse.sht"), "oldold");
}

// Every byte different, so a field read from the wrong place shows.
std::string PatternBytes() {
    std::string bytes(DrawingRecordSize, '\0');
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>((i * 7 + 3) & 0xFF);
    return bytes;
}

// Any bytes, the bits of a NaN single and a negative zero double among them,
// which a value compare would lose, and another program's "true" as a tool
// flag, come back unchanged; a changed tool is written with this program's.
TEST(DrawingRecord, AnyBytesRoundTripUnchangedAndFieldsSitAtTheirOffsets) {
    std::string odd(DrawingRecordSize, '\0');
    PutI32(odd, drawing_offset::Singles20, 0x7FC01234);
    PutI32(odd, drawing_offset::Doubles6 + 4, static_cast<std::int32_t>(0x80000000u));
    PutI16(odd, drawing_offset::Tool, 1);
    for (const std::string& bytes : {PatternBytes(), std::string(DrawingRecordSize, '\0'),
                                     std::string(DrawingRecordSize, '\xFF'), std::string(DrawingRecordSize, ' '), odd})
        EXPECT_EQ(EncodeDrawingRecord(DecodeDrawingRecord(bytes)), bytes);
    DrawingRecord retooled = DecodeDrawingRecord(odd);
    retooled.Tool.Station = 6;
    const std::string changed = EncodeDrawingRecord(retooled);
    EXPECT_EQ(std::to_string(GetI16(changed, drawing_offset::Tool)) + " " +
                  std::to_string(GetI16(changed, drawing_offset::Tool + 83)), "-1 6");

    // The header's sheet, material values and clamps are single elements 1, 2,
    // 3, 7, 8 and 16 at offset 150.
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
    std::ostringstream fields;
    fields << r.EntityCode << " " << r.MaterialName.substr(0, 10) << " " << r.RecordCount << " " << r.LevelNumber << " "
           << r.Doubles6[1] << " " << r.SignField() << " " << r.MachineSetting << " " << r.Tool.Station << " "
           << r.Tool.IndexAngle << " " << r.Tool2.Station << " " << r.Tail30.back();
    EXPECT_EQ(fields.str(), "210 MILD STEEL 123456 1000 250.5 -1 3 17 90 42 Z");

    DrawingRecord header;
    header.SetSheet(2500, 1250);
    header.SetClamps(300, 900);
    header.SetMaterialValues(1.5f, 0.8f);
    const std::string written = EncodeDrawingRecord(header);
    std::vector<float> singles;
    for (int element : {0, 1, 2, 6, 7, 15}) singles.push_back(GetF32(written, 150 + 4 * element));
    EXPECT_EQ(singles, (std::vector<float>{2500, 1250, 1.5f, 300, 900, 0.8f}));
    // A new record is zeroed with blank texts and a cleared tool; changed
    // fields of a read record are the acceptance test's.
    const std::string fresh = EncodeDrawingRecord(DrawingRecord());
    EXPECT_EQ(fresh.substr(2, 90) + fresh.substr(drawing_offset::Tool + 2, 65), std::string(155, ' '));
    EXPECT_EQ(fresh.substr(102, 188) + fresh.substr(drawing_offset::Tail30), std::string(218, '\0'));
}

}  // namespace
}  // namespace qv::test
