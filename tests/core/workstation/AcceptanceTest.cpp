// Accepting a reverse run: the drawing read back record by record, the
// sheet and clamp rules, the settings fix-up, refusals that delete nothing,
// and faults at every step that never cost the processor's drawing.
#include <gtest/gtest.h>

#include "ReverseFixture.h"
#include "core/common/State.h"
#include "core/common/Text.h"
#include "core/tooling/ToolingState.h"
#include "core/workstation/Acceptance.h"
#include "core/workstation/DrawingRewrite.h"
#include "core/workstation/ExchangeFiles.h"
#include "core/workstation/SheetBoxes.h"
#include "support/FaultyPlatform.h"

namespace qv {
namespace {

using test::ReverseFixture;

const char* const Complete = "Reverse Engineering Complete !";
const std::string NotAccepted = "Reverse Engineering Result Not Accepted\n\n";

DrawingRecord Entity(std::int16_t code, std::int16_t station, float indexAngle = 0, std::int16_t sign = 0) {
    DrawingRecord r;
    r.EntityCode = code;
    r.Doubles6 = {code * 1.0, 2.5, -3.25, 4, 5, 6};
    r.SecondSetting = sign;
    r.Tool = test::Tool("D,FROM PROCESSOR,7,8,0,0," + std::to_string(station) + ",0,0," +
                        std::to_string(indexAngle) + ",3");
    return r;
}

class AcceptanceTest : public ReverseFixture {
protected:
    void SetUp() override {
        ReverseFixture::SetUp();
        State().Mach.MachineValue4 = 1;
        Tooling().CurrentMaterial = "Mild Steel";
        Tooling().MaterialValue1 = 1.5f;
        Tooling().MaterialValue2 = 210.0f;
        ReverseRunState& run = ReverseRun();
        // The dialog's index angle 99: the entity's own is what counts.
        run.TurretTools[3] = test::Tool("A,LIBRARY A,10,0,0,0,3,45,0,99,1");
        run.TurretTools[4] = test::Tool("B,LIBRARY B,20,0,0,0,4,11,0,99,1");
        run.TurretTools[5].Shape = 'C';  // found, never confirmed

        header.LevelNumber = 1200;
        header.MachineSetting = 0;
        header.Singles20[4] = 77;
        drawing = {header,
                   Entity(210, 3, 30),       // confirmed, indexable: keeps its angle
                   Entity(152, 4, 30),       // confirmed, fixed station: angle 0
                   Entity(230, 5, 30),       // unconfirmed: tool cleared
                   Entity(120, 3, 15, 1),    // sign negated, re-tooled
                   Entity(220, 200, 0, -1),  // sign negated, station outside the turret
                   Entity(110, 3),           // tool always cleared
                   Entity(999, 3),           // dropped
                   Entity(0, 3),             // dropped
                   Entity(355, 4)};          // tool always cleared
        prepare();
    }

    /// The files as the processor leaves them.
    void prepare() {
        installation.write(job("P1.drw"), test::DrawingBytes(drawing));
        ReversePath path{job("P1"), "P1", "JOBS", "PRESS1"};
        ASSERT_TRUE(WriteReversePath(sys("Reverse.pth"), path).ok());
        ReverseRun().ProgramPath = job("P1");
        installation.write(sys("Reverse.sht"), "1000,500,250,1300\r\n");
        installation.write(sys("Reverse.trt"), "0\r\n");
        installation.write(sys("Reverse.rnd"), std::string(160, 'r'));
    }

    void expectExchangeFilesKept() {
        for (const char* name : {"Reverse.pth", "Reverse.sht", "Reverse.trt", "Reverse.rnd"})
            EXPECT_TRUE(installation.exists(sys(name))) << name;
    }

    const std::array<std::string, 4> boxes{"1000", "500", "250", "1300"};
    DrawingRecord header;
    std::vector<DrawingRecord> drawing;
};

TEST_F(AcceptanceTest, RewritesTheDrawingRecordByRecord) {
    // Left by an earlier acceptance: must not mix in.
    installation.write(sys("Rvrsmain.drw"), std::string(518 * 20, 'z'));
    installation.write(sys("Rvrsmain.bak"), "old");
    Outcome outcome = AcceptResult(boxes);
    ASSERT_TRUE(outcome.done()) << (messages.shown.empty() ? "" : messages.shown.back());
    EXPECT_EQ(messages.shown, (std::vector<std::string>{Complete}));
    EXPECT_EQ(outcome.count(), 8);

    const std::vector<DrawingRecord> out = test::DrawingRecords(installation.read(job("P1.drw")));
    ASSERT_EQ(out.size(), 8u);
    const DrawingRecord& h = out[0];
    EXPECT_EQ(h.RecordCount, 8);
    EXPECT_EQ(h.MaterialName, FixedText("Mild Steel", 72));
    EXPECT_EQ((std::vector<float>{h.SheetX(), h.SheetY(), h.MaterialValue1(), h.MaterialValue2(), h.LeftClamp(),
                                  h.RightClamp()}),
              (std::vector<float>{1000, 500, 1.5f, 210, 250, 1300}));
    EXPECT_EQ(h.MachineSetting, 1);
    EXPECT_EQ(h.Singles20[4], 77);  // what the workstation does not own survives

    // Code, sign field and tool of each entity kept; the geometry unchanged.
    std::vector<std::string> entities;
    for (std::size_t i = 1; i < out.size(); ++i) {
        EXPECT_EQ(out[i].Doubles6, drawing[i < 7 ? i : i + 2].Doubles6) << i;
        entities.push_back(std::to_string(out[i].EntityCode) + " " + std::to_string(out[i].SignField()) + " " +
                           test::ToolText(out[i].Tool));
    }
    const std::string cleared = "-  '' 0x0x0x0 s0 c0 a0 i0 n0";
    EXPECT_EQ(entities, (std::vector<std::string>{"210 0 +A 'LIBRARY A' 10x0x0x0 s3 c45 a0 i30 n1",
                                                  "152 0 +B 'LIBRARY B' 20x0x0x0 s4 c11 a0 i0 n1", "230 0 " + cleared,
                                                  "120 -1 +A 'LIBRARY A' 10x0x0x0 s3 c45 a0 i15 n1",
                                                  "220 1 " + cleared, "110 0 " + cleared, "355 0 " + cleared}));
    for (const char* name :
         {"Reverse.pth", "Reverse.sht", "Reverse.trt", "Reverse.rnd", "Rvrsmain.drw", "Rvrsmain.bak"})
        EXPECT_FALSE(installation.exists(sys(name))) << name;
    EXPECT_FALSE(installation.exists(job("Rvrsmain.tmp")));
}

struct RefusalCase {
    const char* name;
    bool pathFile;
    const char* drawingBytes;  // nullptr: none; "*": three and a bit records
    const char* named;         // what the message must name
    const char* shown = "P1";  // the program of the panel's run
};

class AcceptRefusal : public AcceptanceTest, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(AcceptRefusal, ExplainsAndDeletesNothing) {
    const RefusalCase& c = GetParam();
    if (!c.pathFile) installation.remove(sys("Reverse.pth"));
    ReverseRun().ProgramPath = job(c.shown);
    std::string bytes;
    if (!c.drawingBytes) {
        installation.remove(job("P1.drw"));
    } else {
        const bool part = std::string(c.drawingBytes) == "*";
        bytes = part ? test::DrawingBytes(drawing).substr(0, 518 * 3 + 100) : c.drawingBytes;
        installation.write(job("P1.drw"), bytes);
    }

    EXPECT_FALSE(AcceptResult(boxes).done());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].rfind(NotAccepted, 0), 0u) << messages.shown[0];
    EXPECT_NE(messages.shown[0].find(c.named), std::string::npos) << messages.shown[0];
    EXPECT_EQ(messages.beeps, 1);
    if (c.drawingBytes) {
        EXPECT_EQ(installation.read(job("P1.drw")), bytes);
    }
    for (const char* name : {"Reverse.sht", "Reverse.trt", "Reverse.rnd"})
        EXPECT_TRUE(installation.exists(sys(name))) << name;
    EXPECT_EQ(installation.exists(sys("Reverse.pth")), c.pathFile);
    EXPECT_FALSE(installation.exists(sys("Rvrsmain.drw")));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AcceptRefusal,
    ::testing::Values(RefusalCase{"NoPathFile", false, "*", "Reverse.pth"},
                      RefusalCase{"NoDrawing", true, nullptr, "P1.drw"},
                      RefusalCase{"EmptyDrawing", true, "", "no header record"},
                      RefusalCase{"PartRecord", true, "*", "not a whole number of 518-byte records"},
                      // Another copy of the program started a run of its own since.
                      RefusalCase{"AnotherProgramsRun", true, "*", "not the program of this run", "P2"}),
    test::CaseName());

TEST_F(AcceptanceTest, AFaultAtAnyStepNeverCostsTheDrawing) {
    ASSERT_TRUE(AcceptResult(boxes).done());
    const std::string accepted = installation.read(job("P1.drw"));
    const std::string original = test::DrawingBytes(drawing);

    test::FaultyPlatform faulty(installation.platform());
    platform::ScopedPlatform use(faulty);
    for (int n = 1, persistent = 1; persistent >= 0; ++n) {
        prepare();
        messages.shown.clear();
        faulty.arm({test::kMutatingCalls, n, persistent == 1});
        const Outcome outcome = AcceptResult(boxes);
        faulty.disarm();
        const std::string now = installation.read(job("P1.drw"));
        if (outcome.done()) {
            EXPECT_EQ(now, accepted) << "fault " << n;
        } else {
            EXPECT_EQ(now, original) << "fault " << n;
            expectExchangeFilesKept();
            ASSERT_EQ(messages.shown.size(), 1u);
            EXPECT_EQ(messages.shown[0].rfind(NotAccepted, 0), 0u);
        }
        EXPECT_FALSE(installation.exists(job("Rvrsmain.tmp"))) << "fault " << n;
        ASSERT_LT(n, 200);
        if (!faulty.fired()) {  // every call has failed once: now one at a time
            --persistent;
            n = 0;
        }
    }
}

TEST(HeaderSettings, FixUpThenFollowTheMachine) {
    const struct {
        const char* name;
        std::int16_t level, machine, second, machineAfter, secondAfter;
        bool changed;
    } cases[] = {
        {"old level swapped", 500, 0, 1, 1, 0, false},     {"current level not swapped", 1000, 0, 1, 1, 1, true},
        {"old level, no second", 500, 0, 0, 1, 0, true},   {"old level, other machine", 500, 2, 1, 1, 1, true},
        {"already the machine's", 1200, 1, 5, 1, 5, false},
    };
    for (const auto& c : cases) {
        DrawingRecord h;
        h.LevelNumber = c.level;
        h.MachineSetting = c.machine;
        h.SecondSetting = c.second;
        HeaderValues values;
        values.machineValue4 = 1;
        EXPECT_EQ(RewriteDrawingHeader(h, values), c.changed) << c.name;
        EXPECT_EQ(h.MachineSetting, c.machineAfter) << c.name;
        EXPECT_EQ(h.SecondSetting, c.secondAfter) << c.name;
    }
}

TEST(SheetRules, GiveTheStoredValues) {
    const struct {
        const char* name;
        std::array<std::string, 4> boxes;
        bool inch;
        int rangeCount;
        SheetEntry expected;
    } cases[] = {
        {"as typed", {"1000", "500", "250", "1300"}, false, 2, {1000, 500, 250, 1300}},
        {"expressions", {"1000-2*12.5", "(90+45)*2", "200+50", "1300"}, false, 2, {12475, 270, 250, 1300}},
        {"small sides take defaults", {"0", "10", "250", "1300"}, false, 2, {2500, 1250, 250, 1300}},
        {"just over ten", {"10.5", "abc", "250", "1300"}, false, 2, {10.5f, 1250, 250, 1300}},
        {"left outside first range", {"1000", "500", "950", "1300"}, false, 2, {1000, 500, 0, 0}},
        {"right outside last range", {"1000", "500", "250", "900"}, false, 2, {1000, 500, 0, 0}},
        {"right zero", {"1000", "500", "250", "0"}, false, 2, {1000, 500, 0, 0}},
        {"left negative in range", {"1000", "500", "-5", "1300"}, false, 2, {1000, 500, 0, 0}},
        {"one range for both", {"1000", "500", "250", "800"}, false, 1, {1000, 500, 250, 800}},
        {"no ranges described", {"1000", "500", "250", "800"}, false, 0, {1000, 500, 250, 800}},
        {"inches", {"50", "0.25", "10", "50"}, true, 2, {1270, 1250, 254, 1270}},
        // A value a single cannot hold counts as none, never as infinity.
        {"beyond a single", {"10^39", "10^39", "250", "1300"}, false, 2, {2500, 1250, 250, 1300}},
        {"beyond a single in inches", {"10^38", "20", "10", "50"}, true, 2, {2500, 508, 254, 1270}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Machine machine;
        machine.DefaultSheetX = 2500;
        machine.DefaultSheetY = 1250;
        machine.ClampRangeCount = static_cast<std::int16_t>(c.rangeCount);
        machine.ClampRanges = {ClampRange{-100, 900}, ClampRange{1200, 2400}, ClampRange{}, ClampRange{}};
        const SheetEntry e = ApplySheetRules(EvaluateSheetBoxes(c.boxes, c.inch), machine);
        EXPECT_EQ((std::vector<float>{e.X, e.Y, e.LeftClamp, e.RightClamp}),
                  (std::vector<float>{c.expected.X, c.expected.Y, c.expected.LeftClamp, c.expected.RightClamp}));
    }
}

}  // namespace
}  // namespace qv
