// The reverse run on a real installation: choosing the program, the
// overwrite question, launching a processor, reading what it reports into
// the panel, and every way the run can fail while keeping the last result.
#include <gtest/gtest.h>

#include "ReverseFixture.h"
#include "core/common/State.h"
#include "core/common/Text.h"
#include "core/workstation/ReverseRunSteps.h"
#include "core/workstation/TurretTable.h"

namespace qv {
namespace {

using test::ReverseFixture;

const char* const Failed = "Reverse Engineering Failed";

class ReverseRunTest : public ReverseFixture {
protected:
    void SetUp() override {
        ReverseFixture::SetUp();
        installation.writeLines(job("P1.prg"), {"%", "O1234 (DEMO)", "", "   ", "G92X1830.Y1270.", "G50"});
    }

    /// A run whose result is known, to check that failures keep it.
    void makePreviousRun() {
        ReverseRunState& run = ReverseRun();
        run.ProgramName = "OLD";
        run.SheetValues = {1, 2, 3, 4};
        run.TurretCount = 1;
        run.TurretOrder[0] = 7;
        run.TurretTools[7].Shape = 'B';
        run.BlockCount = 3;
        installation.write(sys("Reverse.rnd"), std::string(240, 'x'));
    }
    void expectPreviousRunKept() {
        const ReverseRunState& run = ReverseRun();
        EXPECT_EQ(run.ProgramName, "OLD");
        EXPECT_EQ(run.SheetValues, (std::array<double, 4>{1, 2, 3, 4}));
        EXPECT_EQ(run.TurretCount, 1);
        EXPECT_EQ(run.TurretOrder[0], 7);
        EXPECT_EQ(run.TurretTools[7].Shape, 'B');
        EXPECT_EQ(run.BlockCount, 3);
        EXPECT_EQ(installation.read(sys("Reverse.rnd")), std::string(240, 'x'));
    }
};

std::vector<std::string> Rows(const ReversePanel& panel) {
    std::vector<std::string> rows;
    for (const TurretRow& r : panel.rows) rows.push_back(r.station + "|" + r.type + "|" + r.size + "|" + r.angle);
    return rows;
}

TEST_F(ReverseRunTest, SuccessfulRunFillsThePanelAndTheReviewRecords) {
    installScriptProcessor();
    answerSuccess("1000,500,250,750\r\n",
                  "3,c,round corner,20,0,0,2,0,0,0\r\n"
                  "5,Z,odd,1,2,3,4,0,15,0\r\n"
                  "12,A,x,10.5,0,0,0,45,30,12\r\n"
                  "9,s,keyhole,0,0,0,0,0,0,0\r\n"
                  "0\r\n");
    installation.write(job("P1.prg"),
                       "%\r\n\tO1234 (DEMO)\r\n\r\n  \t \nN20\n" + std::string(100, 'A') + "\r\n  G50");

    auto panel = RunReverse("  P1  ");
    ASSERT_TRUE(panel.has_value()) << (messages.shown.empty() ? "" : messages.shown.back());
    EXPECT_TRUE(messages.shown.empty());

    EXPECT_EQ(panel->caption, "P1");
    EXPECT_EQ(panel->sheetTexts, (std::array<std::string, 4>{"1000", "500", "250", "750"}));
    EXPECT_EQ(Rows(*panel), (std::vector<std::string>{"3|Rad-Square|20r2|0", "5|Undefined   ||15",
                                                      "12|Diameter  |10.5|idx", "9|Special   |KEYHOLE|0"}));
    EXPECT_EQ(panel->scrollMaximum, 0);
    EXPECT_EQ(panel->selectedRow, 0);

    const ReverseRunState& run = ReverseRun();
    EXPECT_EQ(run.ProgramPath, job("P1"));
    EXPECT_EQ(test::ToolText(run.TurretTools[3]), "-C 'Rad-Square' 20x0x0x2 s0 c0 a0 i0 n0");
    EXPECT_EQ(test::ToolText(run.TurretTools[5]), "-U 'Undefined' 1x2x3x4 s0 c0 a15 i0 n0");
    EXPECT_EQ(test::ToolText(run.TurretTools[9]), "-S 'KEYHOLE' 0x0x0x0 s0 c0 a0 i0 n0");
    EXPECT_FALSE(run.TurretTools[12].Defined);

    // Every non-empty line is a record, trimmed, cut to 80, the last one too.
    EXPECT_EQ(run.BlockCount, 5);
    EXPECT_EQ(installation.read(sys("Reverse.rnd")), FixedText("%", 80) + FixedText("O1234 (DEMO)", 80) +
                                                         FixedText("N20", 80) + std::string(80, 'A') +
                                                         FixedText("G50", 80));
    EXPECT_FALSE(installation.exists(sys("Reverse.rnd.tmp")));

    EXPECT_EQ(installation.read(sys("Reverse.pth")), test::CrLf({job("P1"), "P1", "JOBS", "PRESS1"}));
    EXPECT_FALSE(installation.exists(sys("Finished.flg")));
    EXPECT_EQ(installation.read(sys("Lastfile.lst")), test::CrLf({"JOBS", "P1", "******"}));
}

std::string Tools(int count) {
    std::string text;
    for (int i = 0; i < count; ++i) text += std::to_string(i % 120 + 1) + ",A,r,5,0,0,0,0,0,0\r\n";
    return text;
}

TEST_F(ReverseRunTest, PanelShowsSheetAndToolsInTheMachinesUnits) {
    const struct {
        const char* name;
        bool inch;
        std::string sheet, tools;
        std::array<std::string, 4> boxes;
        std::size_t rows;
        int scrollMaximum, selectedRow;
    } cases[] = {
        {"ten tools do not scroll", false, "1000,500,250,750\r\n", Tools(10), {"1000", "500", "250", "750"}, 10, 0, 0},
        {"thirty tools scroll to nine", false, "1000,500,250,750\r\n", Tools(30), {"1000", "500", "250", "750"}, 30, 9,
         0},
        {"first station 0 gives an empty table", false, "1000,500,250,750\r\n", "0\r\n1,A,r,5,0,0,0,0,0,0\r\n",
         {"1000", "500", "250", "750"}, 0, 0, -1},
        {"inch machine shows inches", true, "1270,2540,127,3\r\n", Tools(1), {"50", "100", "5", "0.1181"}, 1, 0, 0},
    };
    installScriptProcessor();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        State().Mach.InchUnits = c.inch;
        answerSuccess(c.sheet, c.tools);
        auto panel = RunReverse("P1");
        ASSERT_TRUE(panel.has_value());
        EXPECT_EQ(panel->sheetTexts, c.boxes);
        EXPECT_EQ(panel->rows.size(), c.rows);
        EXPECT_EQ(ReverseRun().TurretCount, static_cast<std::int16_t>(c.rows));
        EXPECT_EQ(panel->scrollMaximum, c.scrollMaximum);
        EXPECT_EQ(panel->selectedRow, c.selectedRow);
    }
}

TEST_F(ReverseRunTest, NoSelectionAndNoRecentProgramIsRefused) {
    installScriptProcessor();
    EXPECT_FALSE(RunReverse("   ").has_value());
    EXPECT_FALSE(lastRun.programChosen);
    EXPECT_EQ(messages.shown, (std::vector<std::string>{"No Program Selected !"}));
    EXPECT_EQ(messages.beeps, 1);
    EXPECT_FALSE(installation.exists(sys("Reverse.pth")));
}

TEST_F(ReverseRunTest, NoSelectionTakesTheRecentProgramAndItsDirectory) {
    const std::string other = "C:\\QUORVANE\\PROGRAMS\\PRESS1\\OTHER\\";
    installation.writeLines(other + "Q7.prg", {"G50"});
    installation.writeLines(sys("Lastfile.lst"), {"OTHER", "Q7", "******"});

    (void)RunReverse("");
    ASSERT_TRUE(chosen.has_value());
    EXPECT_TRUE(chosen->directoryChanged);
    EXPECT_EQ(chosen->ProgramName, "Q7");
    EXPECT_EQ(chosen->ProgramPath, other + "Q7");
    EXPECT_EQ(State().Config.CurrentDirectory, "OTHER");
}

TEST_F(ReverseRunTest, OverwriteQuestionDecidesTheRun) {
    installScriptProcessor();
    answerSuccess();
    for (bool yes : {false, true}) {
        installation.write(job("P1.drw"), "old drawing");
        messages.shown.clear();
        messages.answer({yes});
        EXPECT_EQ(RunReverse("P1").has_value(), yes);
        EXPECT_EQ(messages.shown,
                  (std::vector<std::string>{"Drawing for Program\n\n\"P1\"\n\nAlready Exists!  Overwrite it ?"}));
        EXPECT_EQ(State().LastAnswer, yes ? AnswerYes : AnswerNo);
        // Declined: nothing written, nothing run.
        EXPECT_EQ(installation.exists(sys("Reverse.pth")), yes);
        EXPECT_EQ(installation.exists(sys("ran.mark")), yes);
        if (!yes) {
            EXPECT_EQ(installation.read(job("P1.drw")), "old drawing");
        }
    }
}

// A missing processor is named and gives both messages in order; one that is
// there but cannot start gives the failed run with the system's reason; one
// that fails says why in its own words.
TEST_F(ReverseRunTest, ProcessorThatDoesNotRunSaysWhy) {
    const std::string missing =
        "Reverse Processor is Missing\n\n\"" + sys("FANUCRVS.exe") + "\"\n\nReverse Engineering Aborted";
    const struct {
        const char* name;
        const char* file;  // nullptr: no processor file
        std::vector<std::string> shown;
    } cases[] = {
        {"missing", nullptr, {missing, Failed}},
        {"not a program", "not a program",
         {std::string(Failed) + "\n\n" + sys("FANUCRVS.exe") + ": not a program the system can start"}},
        {"says why", "#!/bin/sh\necho 'reading P1.prg'\necho 'line 7: unknown G code G99' >&2\necho 5 > Finished.flg\n",
         {std::string(Failed) + "\n\nreading P1.prg\nline 7: unknown G code G99"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        installation.remove(sys("FANUCRVS.exe"));
        if (c.file) installation.write(sys("FANUCRVS.exe"), c.file);
        if (c.file && c.file[0] == '#')
            std::filesystem::permissions(installation.host(sys("FANUCRVS.exe")), std::filesystem::perms::owner_all,
                                         std::filesystem::perm_options::add);
        messages = test::Answers{};
        makePreviousRun();
        EXPECT_FALSE(RunReverse("P1").has_value());
        EXPECT_EQ(messages.shown, c.shown);
        EXPECT_EQ(messages.beeps, static_cast<int>(c.shown.size()));
        // Written before the processor was looked for.
        EXPECT_TRUE(installation.exists(sys("Reverse.pth")));
        expectPreviousRunKept();
    }
}

// The processor's answers, each file as it leaves it; nullptr: not written.
struct AnswerCase {
    const char* name;
    const char* flag;
    const char* reason = "";  // "" for success; else what follows "Reverse Engineering Failed"
    const char* sheet = "1000,500,250,750\r\n";
    const char* tools = "0\r\n";
    bool program = true;
};

class Answers : public ReverseRunTest, public ::testing::WithParamInterface<AnswerCase> {};

TEST_P(Answers, DecideTheRunAndAFailureKeepsThePreviousResult) {
    const AnswerCase& c = GetParam();
    installScriptProcessor();
    for (const auto& [name, bytes] : {std::pair<const char*, const char*>{"Finished.flg", c.flag},
                                      {"Reverse.sht", c.sheet}, {"Reverse.trt", c.tools}})
        if (bytes) answer(name, bytes);
    if (!c.program) installation.remove(job("P1.prg"));
    installation.write(sys("Finished.flg"), "0\r\n");  // an earlier run's, never this one's
    makePreviousRun();

    const bool succeeds = RunReverse("P1").has_value();
    EXPECT_TRUE(installation.exists(sys("ran.mark")));
    EXPECT_FALSE(installation.exists(sys("Finished.flg")));
    EXPECT_EQ(succeeds, std::string(c.reason).empty());
    if (!succeeds) {
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.beeps, 1);
        EXPECT_EQ(messages.shown[0].rfind(Failed, 0), 0u) << messages.shown[0];
        EXPECT_NE(messages.shown[0].find(c.reason), std::string::npos) << messages.shown[0];
        expectPreviousRunKept();
        EXPECT_EQ(installation.read(sys("Lastfile.lst")).find("P1"), std::string::npos);
    }
}

// Every malformed answer is refused by its reader (see the exchange file
// tests); here one of each file shows the run keeps the last result.
INSTANTIATE_TEST_SUITE_P(
    Cases, Answers,
    ::testing::Values(AnswerCase{"StatusZero", "0\r\n"}, AnswerCase{"StatusNegative", "-2\r\n"},
                      AnswerCase{"StatusPositive", "3\r\n", Failed}, AnswerCase{"NoStatus", nullptr, Failed},
                      AnswerCase{"EmptyStatus", "", Failed}, AnswerCase{"StatusNotANumber", "done\r\n", Failed},
                      AnswerCase{"SheetMissing", "0", "Reverse.sht", nullptr},
                      AnswerCase{"SheetShort", "0", "Reverse.sht", "1000,500\r\n"},
                      AnswerCase{"ToolsMissing", "0", "Reverse.trt", "1000,500,250,750\r\n", nullptr},
                      AnswerCase{"EntryCutShort", "0", "Reverse.trt", "1000,500,250,750\r\n", "4,A,r,5,0\r\n"},
                      AnswerCase{"ProgramGone", "0", "P1.prg", "1000,500,250,750\r\n", "0\r\n", false}),
    test::CaseName());

}  // namespace
}  // namespace qv
