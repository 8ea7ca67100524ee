// Confirming a tool in the turret table: what is copied into the run and
// what the row shows afterwards.
#include <gtest/gtest.h>

#include "core/workstation/TurretTable.h"
#include "support/TableTest.h"

namespace qv {
namespace {

using test::Tool;
using test::ToolText;

std::string RowText(const TurretRow& row) { return row.station + "|" + row.type + "|" + row.size + "|" + row.angle; }

// Stations 4 and 17 found by the run; the tool is confirmed for the second row.
TEST(ChosenTool, IsCopiedIntoItsStationAndShown) {
    const struct {
        const char* tool;
        bool inch;
        const char* row;
    } cases[] = {
        {"A,LIB TOOL,12.7,0,0,0,2,11,0,0,0", true, "17|Diameter  |0.5|0"},
        {"A,LIB TOOL,10.0004,0,0,0,2,11,0,0,0", false, "17|Diameter  |10|0"},  // millimetres to 3 decimals
        {"D,LIB TOOL,20,10,0,0,2,45,0,30,0", false, "17|Rectangle |20x10|idx 30"},
        {"F,LIB TOOL,30,5,0,0,2,11,90,0,0", false, "17|Obround   |30x5|90"},
        {"S,LIB TOOL,0,0,0,0,2,11,0,0,0", false, "17|Special   |LIB TOOL|0"},
    };
    for (const auto& c : cases) {
        ReverseRunState run;
        run.TurretCount = 2;
        run.TurretOrder[0] = 4;
        run.TurretOrder[1] = 17;
        ToolRecord chosen = Tool(c.tool);
        chosen.Defined = true;  // as the dialog leaves it
        EXPECT_EQ(RowText(ApplyChosenTool(run, 1, chosen, c.inch)), c.row) << c.tool;
        EXPECT_EQ(ToolText(run.TurretTools[17]), ToolText(chosen));
        EXPECT_EQ(ToolText(run.TurretTools[4]), ToolText(ToolRecord()));
    }
}

TEST(ChosenTool, CancelledOrOutsideTheTableChangesNothing) {
    ReverseRunState run;
    run.TurretCount = 1;
    run.TurretOrder[0] = 45;
    run.TurretTools[45] = Tool("B,,12,0,0,0,0,50,0,0");  // as found: not confirmed
    const std::string shown = RowText(FillTurretTable(run)[0]);
    EXPECT_EQ(shown, "45|Square    |12|idx");
    const std::string found = ToolText(run.TurretTools[45]);  // described by the table
    EXPECT_EQ(found, "-B 'Square' 12x0x0x0 s0 c50 a0 i0 n0");

    ToolRecord cancelled;  // the dialog left a blank shape
    cancelled.Defined = true;
    EXPECT_EQ(RowText(ApplyChosenTool(run, 0, cancelled, false)), shown);
    EXPECT_EQ(ToolText(run.TurretTools[45]), found);
    const ToolRecord chosen = Tool("A,,10,0,0,0,45,11,0,0,1");
    EXPECT_EQ(ApplyChosenTool(run, 1, chosen, false).station, "");
    EXPECT_EQ(ApplyChosenTool(run, -1, chosen, false).station, "");
    EXPECT_EQ(ToolText(run.TurretTools[45]), found);
}

}  // namespace
}  // namespace qv
