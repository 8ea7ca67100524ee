// The tool entry dialog's lists and confirmation on a temporary tool library.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "core/common/State.h"
#include "core/tooling/ShapeTable.h"
#include "core/tooling/ToolEntry.h"
#include "support/Fields.h"
#include "support/TableTest.h"
#include "support/ToolLibraryFixture.h"

namespace qv {
namespace {

using test::ToolText;

class ToolEntryTest : public test::ToolLibraryFixture {
protected:
    // Plays the user's steps: a shape letter opens the dialog if need be and
    // picks that shape; "z1", "t1", "a1" pick a size, station or angle row;
    // "=text" types the angle box. "@" and a tool's text open the dialog on that tool.
    static void Play(ToolEntry& entry, const std::string& steps) {
        if (steps.rfind('@', 0) == 0) {
            entry.initialise();
            return entry.startAt(test::Tool(steps.substr(1)));
        }
        std::istringstream in(steps);
        for (std::string step; in >> step;) {
            const int row = step.size() > 1 ? std::atoi(step.c_str() + 1) : 0;
            if (std::isupper(static_cast<unsigned char>(step[0]))) {
                if (entry.view().shapes.empty()) entry.initialise();
                entry.selectShape(static_cast<int>(PunchShapeLetters().find(step[0])));
            } else if (step[0] == 'z') {
                entry.selectSize(row);
            } else if (step[0] == 't') {
                entry.selectStation(row);
            } else if (step[0] == 'a') {
                entry.selectAngle(row);
            } else if (step[0] == '=') {
                entry.setAngleText(step.substr(1));
            }
        }
    }

    // "0; 10|12.7 @-1; T1/11|Auto/45 @0 off; List 0|90 @-1": the shape row, then each list with the row chosen;
    // a station row is its name and its code.
    static std::string Summary(const ToolEntryView& v) {
        auto join = [](const auto& rows, auto text) {
            std::string out;
            for (const auto& r : rows) out += (out.empty() ? "" : "|") + text(r);
            return out;
        };
        const char* kinds[] = {"Hidden", "List", "Box"};
        auto station = [](const StationChoice& s) { return s.name + "/" + std::to_string(s.StationCode); };
        return std::to_string(v.shapeRow) + "; " + join(v.sizes, [](const SizeChoice& s) { return s.text; }) + " @" +
               std::to_string(v.sizeRow) + "; " + join(v.stations, station) + " @" + std::to_string(v.stationRow) +
               (v.stationsEnabled ? "" : " off") + (v.stationsShown ? "" : " hidden") + "; " +
               kinds[static_cast<int>(v.angleEntry)] + " " + join(v.angles, [](const std::string& s) { return s; }) +
               " @" + std::to_string(v.angleRow);
    }
};

struct ViewCase { const char* steps; const char* view; };

// Stations 70 and 61 lie above 60, 5 has count 0 and 4 is not in the table.
const ViewCase kViews[] = {
    {"B", "1; 20 @0; T3/11 @0; List 0|45 @-1"},  // one entry: chosen down to its station
    {"A z1 A", "0; 10|12.7 @1; T1 Fixed/11 @0; Hidden  @-1"},  // a click on the chosen shape changes nothing
    {"D z0", "3; 20x10|30x15|40x20 @0; T1 Fixed/11|Auto Index/45 @-1; Hidden  @-1"},  // no angle before a station
    {"D z0 t0 t1", "3; 20x10|30x15|40x20 @0; T1 Fixed/11|Auto Index/45 @1; Box  @-1"},
    {"D z2", "3; 20x10|30x15|40x20 @2;  @-1; Hidden  @-1"},  // no station the machine offers
    {"D z0 t1 A", "0; 10|12.7 @-1;  @-1 off; Hidden  @-1"},  // a new shape hides the angle again
    {"S z1", "13; KEYHOLE|D-SLOT @1; T1 Fixed/11|T1 Fixed/12 @-1; Hidden  @-1"},  // a station named twice stays
    // Opened on a row's tool: as far as the library holds it.
    {"@D,,20,10,0,0,2,45,0,0,0", "3; 20x10|30x15|40x20 @0; T1 Fixed/11|Auto Index/45 @1; Box  @-1"},  // found
    {"@D,RECT 20X10,20,10,0,0,1,11,90,0,1", "3; 20x10|30x15|40x20 @0; T1 Fixed/11|Auto Index/45 @0; List 0|90 @1"},
    {"@S,d-slot,0,0,0,0,1,11,0,0,0", "13; KEYHOLE|D-SLOT @1; T1 Fixed/11|T1 Fixed/12 @0; List 0 @0"},  // any case
    {"@A,,10,0,0,0,9,11,0,0,0", "0; 10|12.7 @0; T1 Fixed/11|Auto Index/45 @-1; Hidden  @-1"},  // not offered
    {"@D,,20,11,0,0,1,11,0,0,0", "3; 20x10|30x15|40x20 @-1;  @-1 off; Hidden  @-1"},  // no such size
    {"@U,,10,0,0,0,1,11,0,0,0", "0; 10|12.7 @-1;  @-1 off; Hidden  @-1"},
};

TEST_F(ToolEntryTest, EachStepOrOpeningToolFillsTheListsBelowIt) {
    for (const ViewCase& c : kViews) {
        SCOPED_TRACE(c.steps);
        ToolEntry entry;
        Play(entry, c.steps);
        EXPECT_EQ(Summary(entry.view()), c.view);
    }
}

TEST_F(ToolEntryTest, SizeTextsFollowUnitsAndWhenTheListIsBuilt) {
    const struct { const char* name; bool inches; float size; SizeRounding rounding; const char* shown; } cases[] = {
        {"mm opening rounds to 3", false, 10.0004f, SizeRounding::Opening, "10"},
        {"mm shape change as stored", false, 10.0004f, SizeRounding::ShapeChange, "10.0004"},
        {"inch opening four decimals", true, 10, SizeRounding::Opening, "0.3937"},
        {"inch shape change three decimals", true, 10, SizeRounding::ShapeChange, "0.394"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        State().Mach.InchUnits = c.inches;
        writeShape('C', {Entry('C', "RSQ", {c.size, 0, 0, 25.4f}, {})});
        const std::vector<SizeChoice> rows = SizeChoices('C', c.rounding);
        ASSERT_EQ(rows.size(), 1u);
        EXPECT_EQ(rows[0].text, std::string(c.shown) + (c.inches ? "r1" : "r25.4"));
    }
}

// message: "" when accepted; tool: the tool built when accepted.
struct ConfirmCase { const char* name; const char* steps; std::string message; EntryControl focus; const char* tool; };

// The plain refusals and tools are the window test's.
const ConfirmCase kConfirmations[] = {
    {"no station offered", "D z2", NoStationMessage, EntryControl::StnList, ""},
    {"all angles unused", "D z1", NoAngleMessage, EntryControl::AngList, ""},
    {"typed angle empty", "D z0 t1 =", BadAngleMessage, EntryControl::AngBox, ""},
    {"typed angle beyond a single", "D z0 t1 =10^39", BadAngleMessage, EntryControl::AngBox, ""},
    // The entry's name is the description, not the shape's.
    {"index angle rounded", "D z0 t1 =10/3", "", EntryControl::None, "+D 'RECT 20X10' 20x10x0x0 s2 c45 a0 i3.333 n0"},
    {"index angle to 0", "D z0 t1 =-0.0004", "", EntryControl::None, "+D 'RECT 20X10' 20x10x0x0 s2 c45 a0 i0 n0"},
    // Typed for an earlier shape of this opening, the box text still counts.
    {"round tool, indexable station", "A =30 z0 t1", "", EntryControl::None, "+A 'RND 10' 10x0x0x0 s2 c45 a0 i30 n0"},
    {"round tool, a bad box text", "A =(45 z0 t1", "", EntryControl::None, "+A 'RND 10' 10x0x0x0 s2 c45 a0 i0 n0"},
    {"round tool in a fixed station", "A z1", "", EntryControl::None, "+A 'RND 12.7' 12.7x0x0x0 s1 c11 a0 i0 n0"},
    {"special in an indexable station", "S z0 =90", "", EntryControl::None, "+S 'KEYHOLE' 0x0x0x0 s2 c45 a0 i90 n0"},
};

TEST_F(ToolEntryTest, ConfirmationRefusesEachMissingChoiceOrBuildsTheTool) {
    for (const ConfirmCase& c : kConfirmations) {
        SCOPED_TRACE(c.name);
        ToolEntry entry;
        Play(entry, c.steps);
        const ToolConfirmation r = entry.confirm();
        EXPECT_EQ(test::Fields(r.accepted, static_cast<int>(r.focus), r.accepted ? ToolText(r.tool) : "", r.message),
                  test::Fields(c.message.empty(), static_cast<int>(c.focus), c.tool, c.message));
    }
}

TEST_F(ToolEntryTest, ConfirmationPicksTheOnlyRowOfEachListAndRereadsTheEntry) {
    writeShape('A', {Entry('A', "RND 8", {8, 0, 0, 0}, {{{3, 11}}})});
    writeShape('J', {Entry('J', std::string("HEX 5") + std::string(13, '\0'), {5, 0, 0, 0}, {{{1, 11}}},
                           {30, -1, -1, -1, -1, -1})});
    ToolEntry round;
    round.initialise();
    EXPECT_EQ(ToolText(round.confirm().tool), "+A 'RND 8' 8x0x0x0 s3 c11 a0 i0 n0");
    EXPECT_EQ(Summary(round.view()), "0; 8 @0; T3/11 @0; Hidden  @-1");
    // One size, one station, one angle; a zero-padded name becomes blanks.
    ToolEntry hexagon;
    Play(hexagon, "J");
    EXPECT_EQ(ToolText(hexagon.confirm().tool), "+J 'HEX 5' 5x0x0x0 s1 c11 a30 i0 n0");
    // An entry gone from its file since the list was built is refused.
    ToolEntry entry;
    Play(entry, "B a0");
    writeShape('B', {Entry('B', "", {0, 0, 0, 0}, {})});
    const ToolConfirmation r = entry.confirm();
    EXPECT_TRUE(!r.accepted && r.focus == EntryControl::SizeList);
    EXPECT_EQ(r.message, LibraryEntryLostText(std::string(Folder) + "Full Library.B"));
}

}  // namespace
}  // namespace qv
