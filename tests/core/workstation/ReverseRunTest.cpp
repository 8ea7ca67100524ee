// The reverse run on a real installation: the program chosen, the overwrite
// question, the panel, and every way a run fails while keeping the last
// result; a tool confirmed in the turret table; the recent-program memory.
#include "ReverseFixture.h"
#include "core/workstation/RecentFile.h"

namespace qv::test {
namespace {

std::string Tools(int count) {
    std::string text;
    for (int i = 0; i < count; ++i) text += std::to_string(i % 120 + 1) + ",A,r,5,0,0,0,0,0,0\r\n";
    return text;
}

// Shapes are named, an unknown letter undefined, an indexable station shown
// as "idx"; every non-empty line of the program is a record, trimmed and cut to 80.
TEST_F(ReverseRunTest, SuccessfulRunFillsThePanelAndTheReviewRecords) {
    answer("0\r\n", "1000,500,250,750\r\n",
           "3,c,round corner,20,0,0,2,0,0,0\r\n5,Z,odd,1,2,3,4,0,15,0\r\n12,A,x,10.5,0,0,0,45,30,12\r\n"
           "9,s,keyhole,0,0,0,0,0,0,0\r\n0\r\n");
    installation.write(Job("P1.prg"), "%\r\n\tO1234 (DEMO)\r\n\r\n  \t \nN20\n" + std::string(100, 'A') + "\r\n  G50");
    const auto panel = run("  P1  ");
    ASSERT_TRUE(panel.has_value()) << (messages.shown.empty() ? "" : messages.shown.back());
    EXPECT_TRUE(messages.shown.empty());
    const auto& b = panel->sheetTexts;
    EXPECT_EQ(Fields(panel->caption, b[0], b[1], b[2], b[3]), "P1 1000 500 250 750");
    std::vector<std::string> rows;
    for (const TurretRow& r : panel->rows) rows.push_back(RowText(r));
    EXPECT_EQ(rows, (std::vector<std::string>{"3|Rad-Square|20r2|0", "5|Undefined   ||15", "12|Diameter  |10.5|idx",
                                              "9|Special   |KEYHOLE|0"}));
    const ReverseRunState& found = ReverseRun();
    EXPECT_EQ(Fields(found.ProgramPath, found.TurretTools[12].Defined, found.BlockCount), Job("P1") + " 0 5");
    EXPECT_EQ(ToolText(found.TurretTools[3]), "-C 'Rad-Square' 20x0x0x2 s0 c0 a0 i0 n0");
    EXPECT_EQ(ToolText(found.TurretTools[5]), "-U 'Undefined' 1x2x3x4 s0 c0 a15 i0 n0");
    EXPECT_EQ(ToolText(found.TurretTools[9]), "-S 'KEYHOLE' 0x0x0x0 s0 c0 a0 i0 n0");
    EXPECT_EQ(installation.read(Sys("Reverse.rnd")),
              FixedText("%", 80) + FixedText("O1234 (DEMO)", 80) + FixedText("N20", 80) + std::string(80, 'A') +
                  FixedText("G50", 80));
    EXPECT_EQ(installation.read(Sys("Reverse.pth")), CrLf({Job("P1"), "P1", "JOBS", "PRESS1"}));
    EXPECT_FALSE(installation.exists(Sys("Finished.flg")) || installation.exists(Sys("Reverse.rnd.tmp")));
    EXPECT_EQ(installation.read(Sys("Lastfile.lst")), CrLf({"JOBS", "P1", "******"}));

    // Up to 21 rows show without scrolling; a first station 0 gives an empty
    // table. An inch machine's panel is the inch window test's.
    // shown: the rows, the tools found, the scroll bar's maximum and the row selected.
    const std::pair<std::string, const char*> cases[] = {
        {Tools(10), "10 10 0 0"}, {Tools(30), "30 30 9 0"}, {"0\r\n1,A,r,5,0,0,0,0,0,0\r\n", "0 0 0 -1"}};
    for (const auto& [tools, shown] : cases) {
        answer("0\r\n", "1000,500,250,750\r\n", tools.c_str());
        const auto other = run("P1");
        ASSERT_TRUE(other.has_value()) << shown;
        EXPECT_EQ(Fields(other->rows.size(), ReverseRun().TurretCount, other->scrollMaximum, other->selectedRow),
                  shown);
    }
}

// With no line selected the recent program is taken and its directory made
// current; with none either the run is refused before anything is written.
TEST_F(ReverseRunTest, NoSelectionTakesTheRecentProgramOrIsRefused) {
    EXPECT_FALSE(run("   ").has_value());
    EXPECT_EQ(messages.shown, (std::vector<std::string>{"No Program Selected !"}));
    EXPECT_EQ(Fields(lastRun.programChosen, messages.beeps, installation.exists(Sys("Reverse.pth"))), "0 1 0");
    const std::string other = "C:\\QUORVANE\\PROGRAMS\\PRESS1\\OTHER\\";
    installation.writeLines(other + "Q7.prg", {"G50"});
    installation.writeLines(Sys("Lastfile.lst"), {"OTHER", "Q7", "******"});
    (void)run("");
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(Fields(chosen->directoryChanged, chosen->ProgramName, chosen->ProgramPath,
                     State().Config.CurrentDirectory), "1 Q7 " + other + "Q7 OTHER");
}

// A status of 0 or less is success; a status above, a file the run cannot
// read (each malformed file is refused by its reader, see the exchange file
// tests), a processor that cannot start (the system's reason) or one that
// fails (its own words) fails the run and keeps the previous result. A
// missing processor is the window test's.
TEST_F(ReverseRunTest, AnswersDecideTheRunAndAFailureKeepsThePreviousResult) {
    const char* const sheet = "1000,500,250,750\r\n";
    const std::string cannotStart = kFailed + ("\n\n" + Sys("FANUCRVS.exe")) + ": not a program the system can start";
    const std::string ownWords = kFailed + std::string("\n\nreading P1.prg\nline 7: unknown G code G99");
    // reason "" for success; processor: the file in place of the fixture's, which leaves "ran.mark".
    const struct { const char *flag, *sheet, *tools, *reason; bool program = true; const char* processor = nullptr;
    } cases[] = {
        {"0\r\n", sheet, "0\r\n", ""}, {"3\r\n", sheet, "0\r\n", kFailed}, {nullptr, sheet, "0\r\n", kFailed},
        {"0", nullptr, "0\r\n", "Reverse.sht"}, {"0", sheet, "4,A,r,5,0\r\n", "Reverse.trt"},
        {"0", sheet, "0\r\n", "P1.prg", false},
        {"0", sheet, "0\r\n", cannotStart.c_str(), true, "not a program"},
        {"0", sheet, "0\r\n", ownWords.c_str(), true,
         "#!/bin/sh\necho 'reading P1.prg'\necho 'line 7: unknown G code G99' >&2\necho 5 > Finished.flg\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.flag ? c.flag : "no flag") + " " + c.reason);
        answer(c.flag, c.sheet, c.tools);
        if (!c.program) installation.remove(Job("P1.prg"));
        if (c.processor) installation.remove(Sys("FANUCRVS.exe"));
        if (c.processor && c.processor[0] == '#') processor(c.processor);
        else if (c.processor) installation.write(Sys("FANUCRVS.exe"), c.processor);
        installation.remove(Sys("ran.mark"));
        installation.write(Sys("Finished.flg"), "0\r\n");  // an earlier run's, never this one's
        installation.remove(Sys("Lastfile.lst"));
        messages = Answers{};
        makePreviousRun();
        const bool succeeds = run("P1").has_value();
        EXPECT_EQ(Fields(installation.exists(Sys("ran.mark")), installation.exists(Sys("Finished.flg")), succeeds),
                  Fields(!c.processor, false, !*c.reason));
        if (succeeds) continue;
        ASSERT_EQ(Fields(messages.shown.size(), messages.beeps), "1 1");
        EXPECT_EQ(messages.shown[0].rfind(kFailed, 0), 0u) << messages.shown[0];
        EXPECT_NE(messages.shown[0].find(c.reason), std::string::npos) << messages.shown[0];
        EXPECT_TRUE(!c.processor || messages.shown[0] == c.reason) << messages.shown[0];
        expectPreviousRunKept();
        EXPECT_EQ(installation.read(Sys("Lastfile.lst")).find("P1"), std::string::npos);
    }
}

// Stations 4 and 17 found by the run; the tool confirmed for the second row
// goes into station 17 alone and shows its own angle; a cancelled dialog (a
// blank shape) or a row outside the table changes nothing.
TEST(ChosenTool, IsCopiedIntoItsStationAndShown) {
    ReverseRunState run;
    run.TurretCount = 2;
    run.TurretOrder[0] = 4;
    run.TurretOrder[1] = 17;
    ToolRecord chosen = Tool("F,LIB TOOL,30,5,0,0,2,11,90,0,0");
    chosen.Defined = true;  // as the dialog leaves it
    EXPECT_EQ(RowText(ApplyChosenTool(run, 1, chosen, false)), "17|Obround   |30x5|90");
    ToolRecord cancelled;
    cancelled.Defined = true;
    EXPECT_EQ(RowText(ApplyChosenTool(run, 1, cancelled, false)), "17|Obround   |30x5|90");
    EXPECT_EQ(ApplyChosenTool(run, 2, chosen, false).station + ApplyChosenTool(run, -1, chosen, false).station, "");
    EXPECT_EQ(ToolText(run.TurretTools[17]), ToolText(chosen));
    const std::string empty = ToolText(ToolRecord());
    EXPECT_EQ(ToolText(run.TurretTools[4]) + ToolText(run.TurretTools[0]), empty + empty);
}

const char* const kLastFile = "C:\\QV\\Lastfile.lst";
const std::string kEmpty = "******\r\n";

// Programs of machine M1 live under C:\JOBS\M1\; names are trimmed and
// quoted when they hold a comma (a plain name is the reverse run's). No
// directory, a drive, or no program leaves the previous memory. Nothing to
// recall leaves the empty memory; a program gone is handed back all the same.
TEST(RecentFile, RemembersAndRecallsWhileTheProgramExists) {
    MachineSandbox box;
    box.write("C:\\JOBS\\M1\\Jobs, 2024\\P7.prg", "%\r\n");
    ASSERT_TRUE(RememberLastFile("  Jobs, 2024 ", " P7  "));
    const std::string before = box.read(kLastFile);
    EXPECT_EQ(before, "\"Jobs, 2024\"\r\nP7\r\n******\r\n");
    std::string recalled, name;
    ASSERT_TRUE(RecallLastFile(recalled, name));
    EXPECT_EQ(recalled + "/" + name + " " + box.read(kLastFile), "Jobs, 2024/P7 " + before);
    using Entry = std::pair<const char*, const char*>;
    for (const auto& [directory, program] : {Entry{"A: [Floppy Disk]", "P1"}, Entry{"  ", "P1"}, Entry{"JOBS", " "}}) {
        EXPECT_TRUE(RememberLastFile(directory, program));
        EXPECT_EQ(box.read(kLastFile), before) << directory << "/" << program;
    }
    const std::pair<std::optional<std::string>, const char*> empty[] = {
        {std::nullopt, nullptr}, {kEmpty, nullptr}, {"", nullptr}, {"  \r\nP7\r\n", nullptr}, {"JOBS\r\n", nullptr},
        {"JOBS\r\n\r\n******\r\n", nullptr}, {"OLD\r\nP7\r\n******\r\n", "OLD/P7"},
    };
    for (const auto& [file, read] : empty) {
        SCOPED_TRACE(file.value_or("no file"));
        box.remove(kLastFile);
        if (file) box.write(kLastFile, *file);
        EXPECT_FALSE(RecallLastFile(recalled, name));
        EXPECT_EQ(box.read(kLastFile), kEmpty);
        if (read) { EXPECT_EQ(recalled + "/" + name, read); }
    }
}

}  // namespace
}  // namespace qv::test
