// A whole reverse run on the demo installation with the sample processor:
// run, confirm some tools, accept, and read the drawing back.
#include <gtest/gtest.h>

#include "core/common/State.h"
#include "core/common/Text.h"
#include "core/startup/Startup.h"
#include "core/tooling/ToolingState.h"
#include "core/workstation/Acceptance.h"
#include "core/workstation/ReverseRunSteps.h"
#include "support/DemoInstallation.h"
#include "support/DrawingFile.h"
#include "support/Answers.h"
#include "support/TableTest.h"

namespace qv {
namespace {

TEST(WholeRun, BracketIsReversedConfirmedAndAccepted) {
    test::DemoInstallation demo;
    ASSERT_TRUE(demo.ok()) << demo.error();
    test::Answers messages{true};  // the demo ships a BRACKET drawing
    const Status started = RunStartup();
    ASSERT_TRUE(started.ok()) << started.message();
    auto drawing = [&](const std::string& path) { return test::DrawingRecords(demo.read(path)); };

    ReverseRunHooks hooks;
    hooks.ask = messages.ask();
    const RunOutcome run = RunReverse("BRACKET", hooks);
    const std::optional<ReversePanel>& panel = run.panel;
    ASSERT_TRUE(panel.has_value()) << (run.notices.empty() ? "" : run.notices.back().message());
    ASSERT_EQ(messages.asked.size(), 1u);
    EXPECT_TRUE(run.notices.empty());

    EXPECT_EQ(panel->sheetTexts, (std::array<std::string, 4>{"1000", "500", "250", "750"}));
    std::vector<std::vector<std::string>> rows;
    for (const TurretRow& r : panel->rows) rows.push_back({r.station, r.type, r.size, r.angle});
    EXPECT_EQ(rows, (std::vector<std::vector<std::string>>{{"1", "Diameter  ", "10", "0"},
                                                           {"5", "Rectangle ", "20x10", "idx"},
                                                           {"4", "Square    ", "10", "0"},
                                                           {"8", "Special   ", "KEYHOLE", "0"}}));
    EXPECT_FALSE(panel->materials.items.empty());
    EXPECT_GT(ReverseRun().BlockCount, 20);

    const std::string path = ReverseRun().ProgramPath + ".drw";
    const std::vector<DrawingRecord> original = drawing(path);

    // Stations 1 and 5 confirmed; 4 and 8 left as found.
    ApplyChosenTool(0, test::Tool("A,LIB A,10,0,0,0,1,11,0,0,1"), false);
    const TurretRow row5 = ApplyChosenTool(1, test::Tool("D,LIB D,20,10,0,0,5,45,0,0,1"), false);
    EXPECT_EQ(row5.angle, "idx 0");

    const Outcome outcome = AcceptResult(panel->sheetTexts);
    ASSERT_TRUE(outcome.done()) << outcome.message();
    EXPECT_EQ(outcome.message(), "Reverse Engineering Complete !");

    const std::vector<DrawingRecord> out = drawing(path);
    ASSERT_EQ(static_cast<std::int32_t>(out.size()), outcome.count());
    const DrawingRecord& h = out[0];
    EXPECT_EQ(h.RecordCount, static_cast<std::int32_t>(out.size()));
    EXPECT_EQ(h.MaterialName, FixedText(Tooling().CurrentMaterial, 72));
    EXPECT_EQ((std::vector<float>{h.SheetX(), h.SheetY(), h.LeftClamp(), h.RightClamp(), h.MaterialValue1(),
                                  h.MaterialValue2()}),
              (std::vector<float>{1000, 500, 250, 750, Tooling().MaterialValue1, Tooling().MaterialValue2}));
    EXPECT_EQ(h.MachineSetting, State().Mach.MachineValue4);

    // Entities in the processor's order, the 999 note dropped.
    std::vector<const DrawingRecord*> kept;
    for (std::size_t i = 1; i < original.size(); ++i)
        if (original[i].EntityCode != 999) kept.push_back(&original[i]);
    ASSERT_EQ(out.size(), kept.size() + 1);
    std::vector<float> angles, anglesBefore;
    for (std::size_t i = 0; i < kept.size(); ++i) {
        const DrawingRecord& before = *kept[i];
        const DrawingRecord& after = out[i + 1];
        EXPECT_EQ(after.EntityCode, before.EntityCode);
        EXPECT_EQ(after.Doubles6, before.Doubles6);
        EXPECT_EQ(after.SecondSetting, before.SecondSetting);  // same machine setting: signs kept
        const std::int16_t station = before.Tool.Station;
        const bool confirmed = (station == 1 || station == 5) && before.EntityCode != 110 && before.EntityCode != 311;
        EXPECT_EQ(after.Tool.Defined, confirmed) << i;
        if (!confirmed) {
            EXPECT_EQ(after.Tool.Shape, ' ');
        }
        if (after.EntityCode == 210 && station == 5) {
            angles.push_back(after.Tool.IndexAngle);
            anglesBefore.push_back(before.Tool.IndexAngle);
        }
    }
    // Station 5 is indexable: its hits keep the angles the program gave them.
    EXPECT_EQ(anglesBefore, (std::vector<float>{90, 0, 45}));
    EXPECT_EQ(angles, anglesBefore);
    for (const char* name : {"Reverse.pth", "Reverse.sht", "Reverse.trt", "Reverse.rnd", "Rvrsmain.drw"})
        EXPECT_FALSE(demo.exists(std::string("C:\\QUORVANE\\") + name)) << name;
}

}  // namespace
}  // namespace qv
