// What the sample processor reports for a parsed program: station list and
// drawing records.
#include <gtest/gtest.h>

#include "core/common/FormatNumber.h"
#include "sample_reverse/PunchProgram.h"
#include "sample_reverse/ReverseResult.h"
#include "support/TableTest.h"

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

TEST(ReverseResult, TheDrawingHasAHeaderAndEveryKindOfEntityInOrder) {
    const std::vector<DrawingRecord> records = DrawingOf(Program(), "BRACKET");
    ASSERT_EQ(records.size(), 16u);
    const DrawingRecord& header = records.front();
    EXPECT_EQ(header.RecordCount, 16);
    EXPECT_EQ(header.LevelNumber, 1000);
    EXPECT_EQ(header.MachineSetting, 0);
    EXPECT_EQ(header.SecondSetting, 0);
    EXPECT_EQ(header.Text18, "BRACKET           ");
    EXPECT_EQ((std::vector<float>{header.SheetX(), header.SheetY(), header.LeftClamp(), header.RightClamp(),
                                  header.MaterialValue1()}),
              (std::vector<float>{1000, 500, 250, 750, 1.5f}));

    // Code, sign field, first value and tool of every entity.
    std::vector<std::string> entities;
    for (std::size_t i = 1; i < records.size(); ++i) {
        const DrawingRecord& r = records[i];
        entities.push_back(std::to_string(r.EntityCode) + " " + std::to_string(r.SignField()) + " " +
                           FormatNumber(r.Doubles6[0]) + " " + test::ToolText(r.Tool));
    }
    const std::string none = "-  '' 0x0x0x0 s0 c0 a0 i0 n0";
    const std::string round = "+A 'Diameter' 10x0x0x0 s1 c10 a0 i0 n1";
    const std::string special = "+S 'KEYHOLE' 0x0x0x0 s8 c10 a0 i0 n1";
    EXPECT_EQ(entities, (std::vector<std::string>{
                            "110 0 0 " + none, "311 0 250 " + none, "311 0 750 " + none,
                            "210 0 100 " + round,
                            "210 0 450 +D 'Rectangle' 20x10x0x0 s5 c45 a0 i90 n1",  // C holds for its block
                            "210 0 500 +D 'Rectangle' 20x10x0x0 s5 c45 a0 i0 n1",   // G91 X50 from 450
                            "210 0 760 " + round, "210 0 670 " + round, "210 0 670 " + round,
                            "210 0 10 -U 'Undefined' 0x0x0x0 s3 c10 a0 i0 n1",  // no tool comment
                            "210 0 20 " + special,
                            "220 1 700 " + round,
                            "120 1 500 " + round,     // G27
                            "120 -1 100 " + special,  // G25
                            "999 0 0 " + none}));
    const DrawingRecord& circle = records[12];
    EXPECT_EQ(circle.Doubles6, (std::array<double, 6>{700, 250, 60, 0, 3, 0}));
}

}  // namespace
}  // namespace qv::revsample
