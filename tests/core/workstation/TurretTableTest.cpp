// Confirming a tool in the turret table: what is copied into the run and
// what the row shows afterwards.
#include <gtest/gtest.h>

#include "core/common/Text.h"
#include "core/workstation/TurretTable.h"

namespace qv {
namespace {

struct ChosenCase {
    const char* name;
    char shape;
    std::array<float, 4> sizes;
    std::int16_t stationCode;
    float angle, indexAngle;
    bool inch;
    TurretRow row;  // station column included
};

class ChosenTool : public ::testing::TestWithParam<ChosenCase> {};

TEST_P(ChosenTool, IsCopiedAndShown) {
    const ChosenCase& c = GetParam();
    ReverseRunState run;
    run.TurretCount = 2;
    run.TurretOrder[0] = 4;
    run.TurretOrder[1] = 17;
    ToolRecord chosen;
    chosen.Defined = true;
    chosen.Shape = c.shape;
    chosen.Description = FixedText("LIB TOOL", 64);
    chosen.Size = c.sizes;
    chosen.Station = 2;
    chosen.StationCode = c.stationCode;
    chosen.Angle = c.angle;
    chosen.IndexAngle = c.indexAngle;

    const TurretRow row = ApplyChosenTool(run, 1, chosen, c.inch);
    EXPECT_EQ(row.station, c.row.station);
    EXPECT_EQ(row.type, c.row.type);
    EXPECT_EQ(row.size, c.row.size);
    EXPECT_EQ(row.angle, c.row.angle);
    EXPECT_TRUE(run.TurretTools[17].Defined);
    EXPECT_EQ(run.TurretTools[17].Shape, c.shape);
    EXPECT_EQ(run.TurretTools[17].Station, 2);
    EXPECT_FALSE(run.TurretTools[4].Defined);
}

INSTANTIATE_TEST_SUITE_P(
    Tools, ChosenTool,
    ::testing::Values(
        ChosenCase{"DiameterInInches", 'A', {12.7f, 0, 0, 0}, 11, 0, 0, true, {"17", "Diameter  ", "0.5", "0"}},
        ChosenCase{"MillimetresRoundedToThree", 'A', {10.0004f, 0, 0, 0}, 11, 0, 0, false,
                   {"17", "Diameter  ", "10", "0"}},
        ChosenCase{"IndexableShowsItsAngle", 'D', {20, 10, 0, 0}, 45, 0, 30, false,
                   {"17", "Rectangle ", "20x10", "idx 30"}},
        ChosenCase{"FixedAngle", 'F', {30, 5, 0, 0}, 11, 90, 0, false, {"17", "Obround   ", "30x5", "90"}},
        ChosenCase{"Special", 'S', {0, 0, 0, 0}, 11, 0, 0, false, {"17", "Special   ", "LIB TOOL", "0"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ChosenToolCancelled, LeavesTheRowAndToolUnconfirmed) {
    ReverseRunState run;
    run.TurretCount = 1;
    run.TurretOrder[0] = 45;
    ClearToolRecord(run.TurretTools[45]);
    run.TurretTools[45].Shape = 'B';
    run.TurretTools[45].Size = {12, 0, 0, 0};
    run.TurretTools[45].StationCode = 50;
    const std::vector<TurretRow> before = FillTurretTable(run);

    ToolRecord cancelled;  // the dialog left a blank shape
    cancelled.Defined = true;
    const TurretRow row = ApplyChosenTool(run, 0, cancelled, false);
    EXPECT_EQ(row.station, "45");
    EXPECT_EQ(row.type, before[0].type);
    EXPECT_EQ(row.size, "12");
    EXPECT_EQ(row.angle, "idx");
    EXPECT_FALSE(run.TurretTools[45].Defined);
    EXPECT_EQ(run.TurretTools[45].Shape, 'B');
}

TEST(ChosenToolRow, OutsideTheTableChangesNothing) {
    ReverseRunState run;
    run.TurretCount = 1;
    run.TurretOrder[0] = 3;
    ToolRecord chosen;
    chosen.Defined = true;
    chosen.Shape = 'A';
    EXPECT_EQ(ApplyChosenTool(run, 1, chosen, false).station, "");
    EXPECT_EQ(ApplyChosenTool(run, -1, chosen, false).station, "");
    EXPECT_FALSE(run.TurretTools[3].Defined);
}

TEST(TurretScroll, ShowsTwentyOneRows) {
    EXPECT_EQ(TurretScrollMaximum(0), 0);
    EXPECT_EQ(TurretScrollMaximum(21), 0);
    EXPECT_EQ(TurretScrollMaximum(30), 9);
    EXPECT_EQ(TurretScrollMaximum(121), 100);
}

}  // namespace
}  // namespace qv
