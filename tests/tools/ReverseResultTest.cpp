// What the sample processor reports for a parsed program: station list and
// drawing records.
#include <gtest/gtest.h>

#include <map>

#include "core/workstation/FormatNumber.h"
#include "sample_reverse/PunchProgram.h"
#include "sample_reverse/ReverseResult.h"

namespace qv::revsample {
namespace {

PunchProgram Program() {
    const char* lines[] = {"(SHEET 1000 X 500 X 1.5)", "(CLAMPS 250 750)", "(T1 A 10)", "(T5 D 20 10 IDX)",
                           "(T8 S KEYHOLE)", "G92X1830.Y1270.", "G90X100.Y100.T1", "X450.Y250.T5C90.",
                           "G91X50.", "G90G72X700.Y250.", "G26I60.J0K3T1", "G27X500.", "X10.Y10.T3",
                           "X20.Y20.T8", "G25X100.", "G50"};
    std::string text;
    for (const char* line : lines) text += std::string(line) + "\r\n";
    Result<PunchProgram> program = ParsePunchProgram(text);
    EXPECT_TRUE(program.ok()) << program.message();
    return program.ok() ? *program : PunchProgram();
}

TEST(ReverseResult, OneStationEntryPerStationInFirstCallOrder) {
    std::vector<std::string> tools;
    for (const ReverseTool& t : ToolsOf(Program()))
        tools.push_back(std::to_string(t.Station) + " " + t.Shape + " '" + t.Description + "' " +
                        FormatNumber(t.Size[0]) + "x" + FormatNumber(t.Size[1]) + " c" + std::to_string(t.StationCode) +
                        " a" + FormatNumber(t.Angle) + " i" + FormatNumber(t.IndexAngle));
    EXPECT_EQ(tools, (std::vector<std::string>{"1 A 'Diameter  ' 10x0 c10 a0 i0", "5 D 'Rectangle ' 20x10 c45 a0 i0",
                                               "3 U 'Undefined   ' 0x0 c10 a0 i0", "8 S 'KEYHOLE' 0x0 c10 a0 i0"}));
}

TEST(ReverseResult, TheDrawingHasAHeaderAndEveryKindOfEntity) {
    const std::vector<DrawingRecord> records = DrawingOf(Program(), "BRACKET");
    ASSERT_FALSE(records.empty());
    const DrawingRecord& header = records.front();
    EXPECT_EQ(header.RecordCount, static_cast<std::int32_t>(records.size()));
    EXPECT_EQ(header.LevelNumber, 1000);
    EXPECT_EQ(header.MachineSetting, 0);
    EXPECT_EQ(header.SecondSetting, 0);
    EXPECT_EQ(header.Text18, "BRACKET           ");
    EXPECT_FLOAT_EQ(header.SheetX(), 1000);
    EXPECT_FLOAT_EQ(header.SheetY(), 500);
    EXPECT_FLOAT_EQ(header.LeftClamp(), 250);
    EXPECT_FLOAT_EQ(header.RightClamp(), 750);

    std::map<int, int> codes;
    for (std::size_t i = 1; i < records.size(); ++i) ++codes[records[i].EntityCode];
    EXPECT_EQ(codes, (std::map<int, int>{{110, 1}, {311, 2}, {210, 8}, {220, 1}, {120, 2}, {999, 1}}));
}

TEST(ReverseResult, HitsCarryTheirStationsToolAndIndexAngle) {
    const std::vector<DrawingRecord> records = DrawingOf(Program(), "P");
    std::vector<const DrawingRecord*> hits;
    for (const DrawingRecord& r : records) {
        if (r.EntityCode == 210) hits.push_back(&r);
    }
    ASSERT_EQ(hits.size(), 8u);
    EXPECT_DOUBLE_EQ(hits[0]->Doubles6[0], 100);
    EXPECT_DOUBLE_EQ(hits[0]->Doubles6[1], 100);
    EXPECT_EQ(hits[0]->Tool.Station, 1);
    EXPECT_TRUE(hits[0]->Tool.Defined);
    EXPECT_EQ(hits[0]->Tool.Shape, 'A');
    EXPECT_EQ(hits[1]->Tool.Station, 5);
    EXPECT_EQ(hits[1]->Tool.StationCode, 45);
    EXPECT_FLOAT_EQ(hits[1]->Tool.IndexAngle, 90);
    EXPECT_FLOAT_EQ(hits[2]->Tool.IndexAngle, 0);
    EXPECT_DOUBLE_EQ(hits[2]->Doubles6[0], 500);
    // Station 3 has no tool comment: an undefined tool that still names it.
    EXPECT_EQ(hits[6]->Tool.Station, 3);
    EXPECT_FALSE(hits[6]->Tool.Defined);
    EXPECT_EQ(hits[6]->Tool.Shape, 'U');
    EXPECT_EQ(hits[7]->Tool.Description.substr(0, 8), "KEYHOLE ");
}

TEST(ReverseResult, PatternsAndClampMovesCarryTheirSignFields) {
    const std::vector<DrawingRecord> records = DrawingOf(Program(), "P");
    std::vector<const DrawingRecord*> moves;
    for (const DrawingRecord& r : records) {
        if (r.EntityCode == 120) moves.push_back(&r);
        if (r.EntityCode == 220) {
            EXPECT_EQ(r.SignField(), 1);
            EXPECT_DOUBLE_EQ(r.Doubles6[2], 60);
            EXPECT_DOUBLE_EQ(r.Doubles6[4], 3);
            EXPECT_EQ(r.Tool.Station, 1);
        }
        if (r.EntityCode == 110 || r.EntityCode == 311 || r.EntityCode == 999) {
            EXPECT_FALSE(r.Tool.Defined);
        }
    }
    ASSERT_EQ(moves.size(), 2u);
    EXPECT_EQ(moves[0]->SignField(), 1);   // G27
    EXPECT_EQ(moves[1]->SignField(), -1);  // G25
    EXPECT_DOUBLE_EQ(moves[0]->Doubles6[0], 500);
    EXPECT_EQ(moves[1]->Tool.Station, 8);
}

}  // namespace
}  // namespace qv::revsample
