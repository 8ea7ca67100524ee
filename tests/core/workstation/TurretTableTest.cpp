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

// Stations 4 and 17 found by the run; the tool is confirmed for the second
// row and shown in the machine's units, millimetres to 3 decimals.
TEST(ChosenTool, IsCopiedIntoItsStationAndShown) {
    const struct {
        const char *tool, *row;
        bool inch;
    } cases[] = {
        {"A,LIB TOOL,12.7,0,0,0,2,11,0,0,0", "17|Diameter  |0.5|0", true},
        {"A,LIB TOOL,10.0004,0,0,0,2,11,0,0,0", "17|Diameter  |10|0", false},
        {"D,LIB TOOL,20,10,0,0,2,45,0,30,0", "17|Rectangle |20x10|idx 30", false},
        {"F,LIB TOOL,30,5,0,0,2,11,90,0,0", "17|Obround   |30x5|90", false},
        {"S,LIB TOOL,0,0,0,0,2,11,0,0,0", "17|Special   |LIB TOOL|0", false},
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
    // A cancelled dialog (a blank shape) or a row outside the table changes nothing.
    ReverseRunState run;
    run.TurretCount = 1;
    run.TurretOrder[0] = 45;
    run.TurretTools[45] = Tool("B,,12,0,0,0,0,50,0,0");  // as found: not confirmed
    EXPECT_EQ(RowText(FillTurretTable(run)[0]), "45|Square    |12|idx");
    EXPECT_EQ(ToolText(run.TurretTools[45]), "-B 'Square' 12x0x0x0 s0 c50 a0 i0 n0");  // described by the table
    ToolRecord cancelled;
    cancelled.Defined = true;
    EXPECT_EQ(RowText(ApplyChosenTool(run, 0, cancelled, false)), "45|Square    |12|idx");
    const ToolRecord chosen = Tool("A,,10,0,0,0,45,11,0,0,1");
    EXPECT_EQ(ApplyChosenTool(run, 1, chosen, false).station + ApplyChosenTool(run, -1, chosen, false).station, "");
    EXPECT_EQ(ToolText(run.TurretTools[45]), "-B 'Square' 12x0x0x0 s0 c50 a0 i0 n0");
}

}  // namespace
}  // namespace qv
