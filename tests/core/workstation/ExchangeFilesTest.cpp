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

class ExchangeFiles : public ::testing::Test {
protected:
    void SetUp() override { box.makeFolder("C:\\QV"); }
    void put(const std::string& name, const std::string& bytes) { box.write(path(name), bytes); }
    std::string get(const std::string& name) { return box.read(path(name)); }
    static std::string path(const std::string& name) { return "C:\\QV\\" + name; }

    test::Sandbox box;
};

TEST_F(ExchangeFiles, ReversePathRoundTripsByteForByte) {
    const ReversePath value{"C:\\QUORVANE\\PROGRAMS\\PUNCH1\\JOBS\\BRACKET", "BRACKET", "JOBS", "PUNCH1"};
    ASSERT_TRUE(WriteReversePath(path("Reverse.pth"), value).ok());
    const std::string bytes = get("Reverse.pth");
    EXPECT_EQ(bytes, "C:\\QUORVANE\\PROGRAMS\\PUNCH1\\JOBS\\BRACKET\r\nBRACKET\r\nJOBS\r\nPUNCH1\r\n");
    Result<ReversePath> back = ReadReversePath(path("Reverse.pth"));
    ASSERT_TRUE(back.ok()) << back.message();
    ASSERT_TRUE(WriteReversePath(path("Reverse.pth"), *back).ok());
    EXPECT_EQ(get("Reverse.pth"), bytes);
}

TEST_F(ExchangeFiles, ReversePathKeepsCommasAndAllowsAnEmptyDirectory) {
    put("Reverse.pth", "  E:\\PART, ONE \r\nPART, ONE\r\n\r\nPUNCH1\r\nextra\r\n");
    Result<ReversePath> back = ReadReversePath(path("Reverse.pth"));
    ASSERT_TRUE(back.ok()) << back.message();
    EXPECT_EQ(back->ProgramPath, "E:\\PART, ONE");
    EXPECT_EQ(back->CurrentDirectory, "");
    EXPECT_FALSE(WriteReversePath(path("Reverse.pth"), {"C:\\A\r\nB", "B", "J", "M"}).ok());
}

TEST_F(ExchangeFiles, FinishedFlagRoundTripsAndReadsTheFirstItem) {
    for (std::int16_t status : {0, 1, -1, 32767, -32768}) {
        ASSERT_TRUE(WriteFinishedFlag(path("Finished.flg"), status).ok());
        Result<std::int16_t> back = ReadFinishedFlag(path("Finished.flg"));
        ASSERT_TRUE(back.ok()) << back.message();
        EXPECT_EQ(*back, status);
    }
    EXPECT_EQ(get("Finished.flg"), "-32768\r\n");
    put("Finished.flg", " 3 , done\r\n");
    EXPECT_EQ(ReadFinishedFlag(path("Finished.flg")).value_or(0), 3);
}

TEST_F(ExchangeFiles, SheetRoundTripsExactlyIncludingAwkwardValues) {
    const ReverseSheet sheets[] = {
        {{1000, 500, 250, 750}},
        {{1219.2, 609.6, 0.1 + 0.2, -0.0}},
        {{1e-7, 1e20, 38.099999999999994, 123456789.123}},
    };
    for (const ReverseSheet& sheet : sheets) {
        ASSERT_TRUE(WriteReverseSheet(path("Reverse.sht"), sheet).ok());
        const std::string bytes = get("Reverse.sht");
        Result<ReverseSheet> back = ReadReverseSheet(path("Reverse.sht"));
        ASSERT_TRUE(back.ok()) << back.message();
        for (std::size_t i = 0; i < 4; ++i) EXPECT_EQ(back->Values[i], sheet.Values[i]) << bytes;
        ASSERT_TRUE(WriteReverseSheet(path("Reverse.sht"), *back).ok());
        EXPECT_EQ(get("Reverse.sht"), bytes);
    }
    ASSERT_TRUE(WriteReverseSheet(path("Reverse.sht"), sheets[0]).ok());
    EXPECT_EQ(get("Reverse.sht"), "1000\r\n500\r\n250\r\n750\r\n");
    put("Reverse.sht", "1000, 500\r\n250,750\r\n");
    EXPECT_DOUBLE_EQ(ReadReverseSheet(path("Reverse.sht"))->RightClamp(), 750);
}

std::vector<ReverseTool> SampleTools() {
    ReverseTool round{1, "A", "Diameter  ", {10, 0, 0, 0}, 10, 0, 0};
    ReverseTool rect{5, "D", "Rectangle ", {20, 10, 0, 0}, 45, 0, 90};
    ReverseTool special{120, "S", "KEY, HOLE", {0, 0, 0, 0}, 11, 12.5f, 0};
    ReverseTool odd{7, "c", "1/2\" SQ", {0.1f, 1.0f / 3.0f, 3.4028235e38f, -1.5e-8f}, -2, 359.999f, 1e-30f};
    return {round, rect, special, odd};
}

TEST_F(ExchangeFiles, ToolsRoundTripByteForByte) {
    const std::vector<ReverseTool> tools = SampleTools();
    ASSERT_TRUE(WriteReverseTools(path("Reverse.trt"), tools).ok());
    const std::string bytes = get("Reverse.trt");
    EXPECT_EQ(bytes.substr(0, bytes.find('\n') + 1), "1,A,\"Diameter  \",10,0,0,0,10,0,0\r\n");
    EXPECT_EQ(bytes.substr(bytes.size() - 3), "0\r\n");

    Result<std::vector<ReverseTool>> back = ReadReverseTools(path("Reverse.trt"));
    ASSERT_TRUE(back.ok()) << back.message();
    ASSERT_EQ(back->size(), tools.size());
    EXPECT_EQ((*back)[3].Size, tools[3].Size);  // the odd singles come back exact
    EXPECT_EQ((*back)[2].Description, "KEY, HOLE");
    // Written again, every value comes out as it went in.
    ASSERT_TRUE(WriteReverseTools(path("Reverse.trt"), *back).ok());
    EXPECT_EQ(get("Reverse.trt"), bytes);
}

TEST_F(ExchangeFiles, ToolListsEndAtStationZeroNegativeBlankOrEndOfFile) {
    const struct {
        const char* content;
        std::size_t count;
    } cases[] = {
        {"0\r\n1,A,x,1,0,0,0,10,0,0\r\n", 0},
        {"", 0},
        {"1,A,x,1,0,0,0,10,0,0\r\n-3\r\n2,A,x,1,0,0,0,10,0,0\r\n", 1},
        {"1,A,x,1,0,0,0,10,0,0\r\n", 1},
        {"1,A,x,1,0,0,0,10,0,0\r\n\r\n2,A,x,1,0,0,0,10,0,0\r\n", 1},
        {"1,A,x,1,0,0,0,10,0,0\r\n******\r\n", 1},
        {"1,A,x,1,0,0,0,10,0,0,\r\n2,A,x,1,0,0,0,10,0,0\r\n0\r\n", 2},
    };
    for (const auto& c : cases) {
        put("Reverse.trt", c.content);
        Result<std::vector<ReverseTool>> tools = ReadReverseTools(path("Reverse.trt"));
        ASSERT_TRUE(tools.ok()) << c.content << ": " << tools.message();
        EXPECT_EQ(tools->size(), c.count) << c.content;
    }
}

TEST_F(ExchangeFiles, ExactlyOneHundredAndTwentyOneEntriesAreAccepted) {
    std::string content;
    for (int i = 0; i < 121; ++i) content += std::to_string(i % 120 + 1) + ",A,x,1,0,0,0,10,0,0\r\n";
    put("Reverse.trt", content);
    EXPECT_EQ(ReadReverseTools(path("Reverse.trt"))->size(), 121u);
    put("Reverse.trt", content + "9,A,x,1,0,0,0,10,0,0\r\n");
    const auto tooMany = ReadReverseTools(path("Reverse.trt"));
    ASSERT_FALSE(tooMany.ok());
    EXPECT_NE(tooMany.message().find("more than 121 entries"), std::string::npos);
}

// Every malformed file: the reader refuses it, names the file and the place.
struct Malformed {
    const char* name;
    const char* file;
    const char* content;  // nullptr: the file is missing
    const char* expected;
};

class MalformedExchangeFile : public ExchangeFiles, public ::testing::WithParamInterface<Malformed> {};

Status ReadAny(const std::string& file, const std::string& fullPath) {
    if (file == "Reverse.pth") return ReadReversePath(fullPath).status();
    if (file == "Finished.flg") return ReadFinishedFlag(fullPath).status();
    if (file == "Reverse.sht") return ReadReverseSheet(fullPath).status();
    return ReadReverseTools(fullPath).status();
}

TEST_P(MalformedExchangeFile, IsRefusedWithTheFileAndPlaceNamed) {
    const Malformed& c = GetParam();
    if (c.content) put(c.file, c.content);
    const Status status = ReadAny(c.file, path(c.file));
    ASSERT_FALSE(status.ok()) << c.name;
    EXPECT_NE(status.message().find(c.file), std::string::npos) << status.message();
    EXPECT_NE(status.message().find(c.expected), std::string::npos) << status.message();
}

const std::string kTool = "1,A,x,1,0,0,0,10,0,0\r\n";

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
        [] { return WriteReverseTools(path("Reverse.trt"), {ReverseTool{121, "A", "", {}, 0, 0, 0}}); },
        [] { return WriteReverseTools(path("Reverse.trt"), {ReverseTool{0, "A", "", {}, 0, 0, 0}}); },
        [] { return WriteReverseTools(path("Reverse.trt"), std::vector<ReverseTool>(122, ReverseTool{1, "A", ""})); },
        [] { return WriteReverseTools(path("Reverse.trt"), {ReverseTool{1, "A", " \"quoted\" ", {}, 0, 0, 0}}); },
        [] { return WriteReverseTools(path("Reverse.trt"), {ReverseTool{1, "A", "x", {NAN, 0, 0, 0}, 0, 0, 0}}); },
        [] { return WriteReverseSheet(path("Reverse.sht"), ReverseSheet{{INFINITY, 0, 0, 0}}); },
    };
    put("Reverse.trt", "old");
    put("Reverse.sht", "old");
    for (const auto& write : refused) EXPECT_FALSE(write().ok());
    EXPECT_EQ(get("Reverse.trt"), "old");
    EXPECT_EQ(get("Reverse.sht"), "old");
}

}  // namespace
}  // namespace qv
