// Accepting a reverse run: the drawing rewritten record by record, the
// sheet and clamp rules, the settings fix-up, refusals that delete nothing,
// and faults at every step that never cost the processor's drawing.
#include "ReverseFixture.h"
#include "core/tooling/ToolingState.h"
#include "core/workstation/Acceptance.h"
#include "core/workstation/DrawingRewrite.h"
#include "core/workstation/SheetBoxes.h"
#include "support/DrawingFile.h"

namespace qv::test {
namespace {

const std::string kNotAccepted = "Reverse Engineering Result Not Accepted\n\n";
const std::string kCleared = "-  '' 0x0x0x0 s0 c0 a0 i0 n0";

DrawingRecord Entity(std::int16_t code, std::int16_t station, float indexAngle = 0, std::int16_t sign = 0) {
    DrawingRecord r;
    r.EntityCode = code;
    r.Doubles6 = {code * 1.0, 2.5, -3.25, 4, 5, 6};
    r.SecondSetting = sign;
    r.Tool = Tool("D,FROM PROCESSOR,7,8,0,0," + std::to_string(station) + ",0,0," + std::to_string(indexAngle) + ",3");
    return r;
}

class AcceptanceTest : public ReverseRunTest {
protected:
    void SetUp() override {
        ReverseRunTest::SetUp();
        State().Mach.MachineValue4 = 1;
        Tooling().CurrentMaterial = "Mild Steel";
        Tooling().MaterialValue1 = 1.5f;
        Tooling().MaterialValue2 = 210.0f;
        ReverseRunState& found = ReverseRun();
        // The dialog's index angle 99: the entity's own is what counts.
        found.TurretTools[3] = Tool("A,LIBRARY A,10,0,0,0,3,45,0,99,1");
        found.TurretTools[4] = Tool("B,LIBRARY B,20,0,0,0,4,11,0,99,1");
        found.TurretTools[5].Shape = 'C';  // found, never confirmed
        DrawingRecord header;
        header.LevelNumber = 1200;
        header.Singles20[4] = 77;
        drawing = {header,
                   Entity(210, 3, 30),       // confirmed, indexable: keeps its angle
                   Entity(152, 4, 30),       // confirmed, fixed station: angle 0
                   Entity(230, 5, 30),       // unconfirmed: tool cleared
                   Entity(120, 3, 15, 1),    // sign negated when the setting changes, re-tooled
                   Entity(220, 200, 0, -1),  // sign negated, station outside the turret
                   Entity(110, 3),           // tool always cleared
                   Entity(999, 3),           // dropped
                   Entity(0, 3),             // dropped
                   Entity(355, 4)};          // tool always cleared
        prepare();
    }
    /// The files as the processor leaves them.
    void prepare() {
        installation.write(Job("P1.drw"), DrawingBytes(drawing));
        ASSERT_TRUE(WriteReversePath(Sys("Reverse.pth"), {Job("P1"), "P1", "JOBS", "PRESS1"}).ok());
        ReverseRun().ProgramPath = Job("P1");
        installation.write(Sys("Reverse.sht"), "1000,500,250,1300\r\n");
        installation.write(Sys("Reverse.trt"), "0\r\n");
        installation.write(Sys("Reverse.rnd"), std::string(160, 'r'));
    }
    Outcome accept() { return messages.show(AcceptResult({"1000", "500", "250", "1300"})); }
    /// Code, sign field and tool of each entity after the header.
    std::vector<std::string> entities() {
        std::vector<std::string> out;
        const std::vector<DrawingRecord> records = DrawingRecords(installation.read(Job("P1.drw")));
        for (std::size_t i = 1; i < records.size(); ++i)
            out.push_back(std::to_string(records[i].EntityCode) + " " + std::to_string(records[i].SignField()) + " " +
                          ToolText(records[i].Tool));
        return out;
    }

    std::vector<DrawingRecord> drawing;
};

// What the workstation does not own survives; leftovers of an earlier
// acceptance do not mix in.
TEST_F(AcceptanceTest, RewritesTheDrawingRecordByRecordOrExplainsARefusalAndDeletesNothing) {
    installation.write(Sys("Rvrsmain.drw"), std::string(518 * 20, 'z'));
    installation.write(Sys("Rvrsmain.bak"), "old");
    const Outcome outcome = accept();
    ASSERT_TRUE(outcome.done()) << outcome.message();
    EXPECT_EQ(messages.shown, (std::vector<std::string>{"Reverse Engineering Complete !"}));
    EXPECT_EQ(outcome.count(), 8);
    const std::vector<DrawingRecord> out = DrawingRecords(installation.read(Job("P1.drw")));
    ASSERT_EQ(out.size(), 8u);
    const DrawingRecord& h = out[0];
    EXPECT_EQ(Fields(h.RecordCount, h.MaterialName, h.SheetX(), h.SheetY(), h.MaterialValue1(),
                           h.MaterialValue2(), h.LeftClamp(), h.RightClamp(), h.MachineSetting, h.Singles20[4]),
              "8 " + FixedText("Mild Steel", 72) + " 1000 500 1.5 210 250 1300 1 77");
    for (std::size_t i = 1; i < out.size(); ++i) EXPECT_EQ(out[i].Doubles6, drawing[i < 7 ? i : i + 2].Doubles6) << i;
    EXPECT_EQ(entities(), (std::vector<std::string>{"210 0 +A 'LIBRARY A' 10x0x0x0 s3 c45 a0 i30 n1",
                                                    "152 0 +B 'LIBRARY B' 20x0x0x0 s4 c11 a0 i0 n1",
                                                    "230 0 " + kCleared,
                                                    "120 -1 +A 'LIBRARY A' 10x0x0x0 s3 c45 a0 i15 n1",
                                                    "220 1 " + kCleared, "110 0 " + kCleared, "355 0 " + kCleared}));
    for (const char* name : {"Reverse.pth", "Reverse.sht", "Reverse.trt", "Reverse.rnd", "Rvrsmain.drw",
                             "Rvrsmain.bak"})
        EXPECT_FALSE(installation.exists(Sys(name))) << name;
    EXPECT_FALSE(installation.exists(Job("Rvrsmain.tmp")));
    // A drawing already of the machine's setting keeps its signs.
    drawing[0].MachineSetting = 1;
    prepare();
    ASSERT_TRUE(accept().done());
    EXPECT_EQ(entities()[3].substr(0, 6) + entities()[4].substr(0, 6), "120 1 220 -1");

    // A refusal beeps, names the cause and deletes nothing.
    // drawingBytes: nullptr: none; "*": three and a bit records; named: what the message must name; shown: the
    // program of the panel's run.
    const struct { bool pathFile; const char *drawingBytes, *named, *shown = "P1"; } cases[] = {
        {false, "*", "Reverse.pth"}, {true, nullptr, "P1.drw"}, {true, "", "no header record"},
        {true, "*", "not a whole number of 518-byte records"},
        {true, "*", "not the program of this run", "P2"},  // another copy of the program started a run since
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.named);
        prepare();
        messages = Answers{};
        if (!c.pathFile) installation.remove(Sys("Reverse.pth"));
        ReverseRun().ProgramPath = Job(c.shown);
        const std::string bytes = !c.drawingBytes          ? ""
                                  : *c.drawingBytes == '*' ? DrawingBytes(drawing).substr(0, 518 * 3 + 100)
                                                           : c.drawingBytes;
        if (c.drawingBytes) installation.write(Job("P1.drw"), bytes);
        else installation.remove(Job("P1.drw"));
        EXPECT_FALSE(accept().done());
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].rfind(kNotAccepted, 0), 0u) << messages.shown[0];
        EXPECT_NE(messages.shown[0].find(c.named), std::string::npos) << messages.shown[0];
        EXPECT_EQ(messages.beeps, 1);
        if (c.drawingBytes) { EXPECT_EQ(installation.read(Job("P1.drw")), bytes); }
        for (const char* name : {"Reverse.sht", "Reverse.trt", "Reverse.rnd"})
            EXPECT_TRUE(installation.exists(Sys(name)));
        EXPECT_EQ(installation.exists(Sys("Reverse.pth")), c.pathFile);
        EXPECT_FALSE(installation.exists(Sys("Rvrsmain.drw")));
    }
}

// The header's settings are fixed up, then follow the machine (a header
// already of the machine's is the rewrite test's). Sides of 10 or less take
// the machine's defaults; a clamp outside its range clears both; a value a
// single cannot hold counts as none, never as infinity.
TEST(HeaderValues, SettingsFollowTheMachineAndTheSheetRulesGiveTheStoredValues) {
    const struct { std::int16_t level, machine, second, machineAfter, secondAfter; bool changed;
    } cases[] = {{500, 0, 1, 1, 0, false}, {1000, 0, 1, 1, 1, true}, {500, 0, 0, 1, 0, true}, {500, 2, 1, 1, 1, true}};
    HeaderValues values;
    values.machineValue4 = 1;
    for (const auto& c : cases) {
        DrawingRecord h;
        h.LevelNumber = c.level;
        h.MachineSetting = c.machine;
        h.SecondSetting = c.second;
        const bool changed = RewriteDrawingHeader(h, values);
        EXPECT_EQ(Fields(changed, h.MachineSetting, h.SecondSetting), Fields(c.changed, c.machineAfter, c.secondAfter))
            << c.level << " " << c.machine << " " << c.second;
    }
    const struct { std::array<std::string, 4> boxes; bool inch; int rangeCount; std::array<float, 4> stored;
    } sheets[] = {
        {{"10.5", "10", "250", "1300"}, false, 2, {10.5f, 1250, 250, 1300}},
        {{"1000", "500", "950", "1300"}, false, 2, {1000, 500, 0, 0}},
        {{"1000", "500", "250", "900"}, false, 2, {1000, 500, 0, 0}},
        {{"1000", "500", "-5", "1300"}, false, 2, {1000, 500, 0, 0}},
        {{"1000", "500", "250", "800"}, false, 1, {1000, 500, 250, 800}},
        {{"1000", "500", "250", "800"}, false, 0, {1000, 500, 250, 800}},
        {{"50", "0.25", "10", "50"}, true, 2, {1270, 1250, 254, 1270}},
        {{"10^39", "abc", "250", "1300"}, false, 2, {2500, 1250, 250, 1300}},
        {{"10^38", "20", "10", "50"}, true, 2, {2500, 508, 254, 1270}},
    };
    Machine machine;
    machine.DefaultSheetX = 2500;
    machine.DefaultSheetY = 1250;
    machine.ClampRanges = {ClampRange{-100, 900}, ClampRange{1200, 2400}, ClampRange{}, ClampRange{}};
    for (const auto& c : sheets) {
        machine.ClampRangeCount = static_cast<std::int16_t>(c.rangeCount);
        const SheetEntry e = ApplySheetRules(EvaluateSheetBoxes(c.boxes, c.inch), machine);
        EXPECT_EQ((std::array<float, 4>{e.X, e.Y, e.LeftClamp, e.RightClamp}), c.stored)
            << c.boxes[0] << " " << c.boxes[3];
    }
}

}  // namespace
}  // namespace qv::test
