// The reverse run's exchange files on real files: byte-exact round trips,
// and every malformed file refused with the file and place named.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "core/workstation/ExchangeFiles.h"
#include "support/Sandbox.h"
#include "support/TableTest.h"

namespace qv {
namespace {

std::string Path(const std::string& name) { return "C:\\QV\\" + name; }

class ExchangeFiles : public ::testing::Test {
protected:
    void SetUp() override { box.makeFolder("C:\\QV"); }
    void put(const std::string& name, const std::string& bytes) { box.write(Path(name), bytes); }
    std::string get(const std::string& name) { return box.read(Path(name)); }

    test::Sandbox box;
};

// Each file read back and written again gives the same bytes; lines are
// trimmed, commas kept in a path, and an empty directory allowed.
TEST_F(ExchangeFiles, PathFlagAndSheetRoundTripByteForByte) {
    ASSERT_TRUE(WriteReversePath(Path("Reverse.pth"), {"C:\\QUORVANE\\PROGRAMS\\PUNCH1\\JOBS\\BRACKET", "BRACKET",
                                                        "JOBS", "PUNCH1"}).ok());
    const std::string pth = get("Reverse.pth");
    EXPECT_EQ(pth, "C:\\QUORVANE\\PROGRAMS\\PUNCH1\\JOBS\\BRACKET\r\nBRACKET\r\nJOBS\r\nPUNCH1\r\n");
    ASSERT_TRUE(WriteReversePath(Path("Reverse.pth"), ReadReversePath(Path("Reverse.pth")).value_or({})).ok());
    EXPECT_EQ(get("Reverse.pth"), pth);
    put("Reverse.pth", "  E:\\PART, ONE \r\nPART, ONE\r\n\r\nPUNCH1\r\nextra\r\n");
    const ReversePath back = ReadReversePath(Path("Reverse.pth")).value_or({});
    EXPECT_EQ(back.ProgramPath + "|" + back.CurrentDirectory, "E:\\PART, ONE|");
    EXPECT_FALSE(WriteReversePath(Path("Reverse.pth"), {"C:\\A\r\nB", "B", "J", "M"}).ok());

    for (std::int16_t status : {0, 1, -1, 32767, -32768}) {
        ASSERT_TRUE(WriteFinishedFlag(Path("Finished.flg"), status).ok());
        EXPECT_EQ(ReadFinishedFlag(Path("Finished.flg")).value_or(7), status);
    }
    EXPECT_EQ(get("Finished.flg"), "-32768\r\n");
    put("Finished.flg", " 3 , done\r\n");  // the first item
    EXPECT_EQ(ReadFinishedFlag(Path("Finished.flg")).value_or(0), 3);

    for (const ReverseSheet& sheet : {ReverseSheet{{1000, 500, 250, 750}}, ReverseSheet{{1219.2, 609.6, 0.1 + 0.2,
        -0.0}},
                                      ReverseSheet{{1e-7, 1e20, 38.099999999999994, 123456789.123}}}) {
        ASSERT_TRUE(WriteReverseSheet(Path("Reverse.sht"), sheet).ok());
        const std::string bytes = get("Reverse.sht");
        const ReverseSheet read = ReadReverseSheet(Path("Reverse.sht")).value_or({});
        EXPECT_EQ(read.Values, sheet.Values) << bytes;
        ASSERT_TRUE(WriteReverseSheet(Path("Reverse.sht"), read).ok());
        EXPECT_EQ(get("Reverse.sht"), bytes);
    }
    ASSERT_TRUE(WriteReverseSheet(Path("Reverse.sht"), ReverseSheet{{1000, 500, 250, 750}}).ok());
    EXPECT_EQ(get("Reverse.sht"), "1000\r\n500\r\n250\r\n750\r\n");
    put("Reverse.sht", "1000, 500\r\n250,750\r\n");
    EXPECT_DOUBLE_EQ(ReadReverseSheet(Path("Reverse.sht")).value_or({}).RightClamp(), 750);
}

// The odd singles come back exact, a description keeps its comma.
TEST_F(ExchangeFiles, ToolsRoundTripByteForByte) {
    const std::vector<ReverseTool> tools = {
        {1, "A", "Diameter  ", {10, 0, 0, 0}, 10, 0, 0},
        {5, "D", "Rectangle ", {20, 10, 0, 0}, 45, 0, 90},
        {120, "S", "KEY, HOLE", {0, 0, 0, 0}, 11, 12.5f, 0},
        {7, "c", "1/2\" SQ", {0.1f, 1.0f / 3.0f, 3.4028235e38f, -1.5e-8f}, -2, 359.999f, 1e-30f}};
    ASSERT_TRUE(WriteReverseTools(Path("Reverse.trt"), tools).ok());
    const std::string bytes = get("Reverse.trt");
    EXPECT_EQ(bytes.substr(0, bytes.find('\n') + 1), "1,A,\"Diameter  \",10,0,0,0,10,0,0\r\n");
    EXPECT_EQ(bytes.substr(bytes.size() - 3), "0\r\n");
    const std::vector<ReverseTool> back = ReadReverseTools(Path("Reverse.trt")).value_or({});
    ASSERT_EQ(back.size(), tools.size());
    EXPECT_EQ(back[3].Size, tools[3].Size);
    EXPECT_EQ(back[2].Description, "KEY, HOLE");
    ASSERT_TRUE(WriteReverseTools(Path("Reverse.trt"), back).ok());
    EXPECT_EQ(get("Reverse.trt"), bytes);
}

// A tool list ends at station 0, a negative one, a blank line, the end marker
// or the end of the file; exactly 121 entries are accepted.
TEST_F(ExchangeFiles, ToolListsEndWhereTheFormatSays) {
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

struct Malformed {
    const char* name;
    const char* file;
    const char* content;  // nullptr: the file is missing
    const char* expected;
};

class MalformedExchangeFile : public ExchangeFiles, public ::testing::WithParamInterface<Malformed> {};

// The reader refuses it and names the file and the place.
TEST_P(MalformedExchangeFile, IsRefusedWithTheFileAndPlaceNamed) {
    const Malformed& c = GetParam();
    if (c.content) put(c.file, c.content);
    const std::string file = c.file, path = Path(file);
    const Status status = file == "Reverse.pth"    ? ReadReversePath(path).status()
                          : file == "Finished.flg" ? ReadFinishedFlag(path).status()
                          : file == "Reverse.sht"  ? ReadReverseSheet(path).status()
                                                   : ReadReverseTools(path).status();
    ASSERT_FALSE(status.ok());
    EXPECT_NE(status.message().find(c.file), std::string::npos) << status.message();
    EXPECT_NE(status.message().find(c.expected), std::string::npos) << status.message();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MalformedExchangeFile,
    ::testing::Values(
        Malformed{"PathMissing", "Reverse.pth", nullptr, "Reverse.pth"},
        Malformed{"PathEmptyFile", "Reverse.pth", "", "line 1 (program path) is missing"},
        Malformed{"PathThreeLines", "Reverse.pth", "C:\\A\\P\r\nP\r\nJOBS\r\n", "line 4 (machine folder) is missing"},
        Malformed{"PathBlankProgram", "Reverse.pth", "   \r\nP\r\nJOBS\r\nM\r\n", "line 1 (program path) is empty"},
        Malformed{"PathBlankName", "Reverse.pth", "C:\\A\\P\r\n\r\nJOBS\r\nM\r\n", "line 2 (program name) is empty"},
        Malformed{"PathControlCharacter", "Reverse.pth", "C:\\A\\P\r\nP\x1b.prg\r\nJOBS\r\nM\r\n",
                  "line 2 (program name) holds a control character"},
        Malformed{"FlagEmpty", "Finished.flg", "", "the file is empty"},
        Malformed{"FlagTrailingText", "Finished.flg", "0abc\r\n", "status \"0abc\" is not a whole number"},
        Malformed{"FlagBlankLine", "Finished.flg", "\r\n0\r\n", "status \"\" is not a whole number"},
        Malformed{"FlagFraction", "Finished.flg", "0.5\r\n", "status \"0.5\""},
        Malformed{"FlagTooLarge", "Finished.flg", "40000\r\n", "status \"40000\""},
        Malformed{"SheetEmpty", "Reverse.sht", "", "item 1 (sheet length X) is missing"},
        Malformed{"SheetThreeItems", "Reverse.sht", "1000\r\n500\r\n250\r\n", "item 4 (right clamp) is missing"},
        Malformed{"SheetText", "Reverse.sht", "1000\r\nwide\r\n250\r\n750\r\n",
                  "item 2 (sheet width Y) \"wide\" is not a number"},
        Malformed{"SheetInfinity", "Reverse.sht", "1E999,500,250,750\r\n", "item 1 (sheet length X)"},
        Malformed{"SheetBlankItem", "Reverse.sht", "1000,,250,750\r\n", "item 2 (sheet width Y) \"\""},
        Malformed{"ToolsMissing", "Reverse.trt", nullptr, "Reverse.trt"},
        Malformed{"ToolsStation121", "Reverse.trt", "121,A,x,1,0,0,0,10,0,0\r\n",
                  "entry 1: station 121 is outside 1 to 120"},
        Malformed{"ToolsStationText", "Reverse.trt", "T1,A,x,1,0,0,0,10,0,0\r\n", "entry 1: station \"T1\""},
        Malformed{"ToolsCutShort", "Reverse.trt", "1,A,x,1,0,0,0,10,0,0\r\n2,A,x,1,0\r\n",
                  "entry 2 (station 2) ends before its size 3"},
        Malformed{"ToolsNoFields", "Reverse.trt", "3\r\n", "entry 1 (station 3) ends before its shape letter"},
        Malformed{"ToolsSizeText", "Reverse.trt", "1,A,x,1,0,ten,0,10,0,0\r\n", "entry 1 (station 1): size 3 \"ten\""},
        Malformed{"ToolsSizeTooLarge", "Reverse.trt", "1,A,x,1E39,0,0,0,10,0,0\r\n", "entry 1 (station 1): size 1"},
        Malformed{"ToolsCodeFraction", "Reverse.trt", "1,A,x,1,0,0,0,10.5,0,0\r\n", "station code \"10.5\""},
        Malformed{"ToolsAngleText", "Reverse.trt", "1,A,x,1,0,0,0,10,idx,0\r\n", "entry 1 (station 1): angle \"idx\""},
        Malformed{"ToolsNoIndexAngle", "Reverse.trt", "1,A,x,1,0,0,0,10,0,\r\n", "ends before its index angle"}),
    test::CaseName());

TEST_F(ExchangeFiles, WritersRefuseWhatTheReaderWouldRefuse) {
    const std::function<Status()> refused[] = {
        [] { return WriteReverseTools(Path("Reverse.trt"), {ReverseTool{121, "A", "", {}, 0, 0, 0}}); },
        [] { return WriteReverseTools(Path("Reverse.trt"), {ReverseTool{0, "A", "", {}, 0, 0, 0}}); },
        [] { return WriteReverseTools(Path("Reverse.trt"), std::vector<ReverseTool>(122, ReverseTool{1, "A", ""})); },
        [] { return WriteReverseTools(Path("Reverse.trt"), {ReverseTool{1, "A", " \"quoted\" ", {}, 0, 0, 0}}); },
        [] { return WriteReverseTools(Path("Reverse.trt"), {ReverseTool{1, "A", "x", {NAN, 0, 0, 0}, 0, 0, 0}}); },
        [] { return WriteReverseSheet(Path("Reverse.sht"), ReverseSheet{{INFINITY, 0, 0, 0}}); },
    };
    put("Reverse.trt", "old");
    put("Reverse.sht", "old");
    for (const auto& write : refused) EXPECT_FALSE(write().ok());
    EXPECT_EQ(get("Reverse.trt") + get("Reverse.sht"), "oldold");
}

}  // namespace
}  // namespace qv
