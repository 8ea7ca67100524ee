// The sample processor's dialect parser: hits, patterns, clamps, units and
// the lines it refuses; the demo maker and the processor run as programs on
// the demo installation. The drawing it reports is the drawing view test's.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include "core/common/FormatNumber.h"
#include "core/workstation/ExchangeFiles.h"
#include "sample_reverse/PunchProgram.h"
#include "support/DemoInstallation.h"
#include "support/Fields.h"

namespace qv::revsample {
namespace {

using test::CrLf;

PunchProgram Parse(const std::string& text) {
    Result<PunchProgram> program = ParsePunchProgram(text);
    EXPECT_TRUE(program.ok()) << program.message();
    return program.ok() ? *program : PunchProgram();
}

// "x,y@station" per hit, "c<angle>" after one with an index angle.
std::string Hits(const PunchProgram& p) {
    std::string text;
    for (const Hit& h : p.Hits)
        text += (text.empty() ? "" : " ") + FormatNumber(h.X) + "," + FormatNumber(h.Y) + "@" +
                std::to_string(h.Station) + (h.IndexAngle != 0 ? "c" + FormatNumber(h.IndexAngle) : "");
    return text;
}

// "1000x500x1.5 250/750", with the clamp moves as " G27:500@1".
std::string Sheet(const PunchProgram& p) {
    std::string text = FormatNumber(p.SheetX) + "x" + FormatNumber(p.SheetY) + "x" + FormatNumber(p.Thickness) +
                       " " + FormatNumber(p.LeftClamp) + "/" + FormatNumber(p.RightClamp);
    for (const ClampMove& m : p.ClampMoves)
        text += " G" + std::to_string(m.Code) + ":" + FormatNumber(m.Distance) + "@" + std::to_string(m.Station);
    return text;
}

// Incremental moves add up from the current point; a bolt hole circle puts
// K hits around the pattern origin; inch programs are reported in millimetres.
TEST(PunchProgram, IncrementalMovesBoltHoleCirclesAndInchPrograms) {
    // G92 puts the punch at 500, 500; G70 moves without a hit; after G50 absolute again.
    EXPECT_EQ(Hits(Parse(CrLf({"(T2 A 5)", "G92X500.Y500.", "G91X10.Y20.T2", "X-5.", "G70Y100.", "Y.5", "G90X1.",
                                "G50", "X7.Y8."}))),
              "510,520@2 505,520@2 505,620.5@2 1,620.5@2 7,8@2");
    const PunchProgram p = Parse(CrLf({"(T1 A 10)", "G90G72X100.Y100.", "G26I50.J90.K4T1C15."}));
    EXPECT_EQ(Hits(p), "100,150@1c15 50,100@1c15 100,50@1c15 150,100@1c15");

    for (const char* mark : {"(INCH)", "G20", "(inch)"}) {
        const PunchProgram inch = Parse(CrLf({mark, "(SHEET 40 X 20 X 0.06)", "(CLAMPS 10 30)", "(T5 D 1 0.5 IDX)",
                                               "G92X72.Y50.", "G90X2.Y2.T5C90.", "G91X0.5", "G25X12."}));
        // Angles stay degrees.
        EXPECT_EQ(test::Fields(inch.Inch, Sheet(inch), Hits(inch)),
                  "1 1016x508x1.524 254/762 G25:304.8@5 50.8,50.8@5c90 63.5,50.8@5") << mark;
        EXPECT_EQ(inch.FindTool(5)->Size, (std::array<double, 4>{25.4, 12.7, 0, 0}));
    }
    EXPECT_FALSE(Parse(CrLf({"G21", "(T1 A 10)", "X10.Y10.T1"})).Inch);
}

TEST(PunchProgram, SheetAndToolCommentsInTheirSeveralSpellingsOrNone) {
    // A T word names its station modulo 1000.
    const PunchProgram p = Parse(CrLf({"(sheet1200x600)", "(TOP SIDE FIRST)", "(T110 S KEY Hole IDX)",
                                        "; (SHEET 1 X 1) is no header here", "X5.Y5.T110", "X6.T1110"}));
    EXPECT_EQ(test::Fields(Sheet(p), p.HasClamps, Hits(p)), "1200x600x0 0/0 0 5,5@110 6,5@110");
    ASSERT_NE(p.FindTool(110), nullptr);
    EXPECT_EQ(p.FindTool(110)->SpecialName + (p.FindTool(110)->Indexable ? " IDX" : ""), "KEY Hole IDX");
    EXPECT_EQ(p.StationOrder, (std::vector<std::int16_t>{110}));
    // Without a sheet comment the hits bound the sheet; the block after M30 is not read.
    const PunchProgram q = Parse(CrLf({"X50.Y50.T3", "X550.Y50.", "X550.Y350.", "M30", "X900.Y900."}));
    EXPECT_EQ(test::Fields(q.HasSheet, Sheet(q), q.FindTool(3) != nullptr, q.Hits.size()), "0 550x350x0 0/0 0 3");
}

TEST(PunchProgram, RefusalNamesTheLine) {
    const std::pair<std::string, const char*> cases[] = {
        {CrLf({"%", "O1 (NOTHING)", "(T1 A 10)", "G92X1.Y1.", "T1", "G50", "%"}), "the program has no hits"},
        {CrLf({"(T1 A 10)", "X1.Y1.T1", "X200.Z5."}), "line 3: unknown word \"Z\""},
        {CrLf({"(T1 A 10)", "G81X1.Y1.T1"}), "line 2: G81 is not part of this dialect"},
        {CrLf({"G90", "X1.Y1."}), "line 2: a hit before any T word"},
        {CrLf({"X1.Y1.T121"}), "line 1: \"T121\" names no station"},
        {CrLf({"(T1 A 10", "X1.Y1.T1"}), "line 1: comment not closed"},
        {CrLf({"X1.Y.T1"}), "line 1: word \"Y.\" has no number"},
        {CrLf({"X1.X2.T1"}), "line 1: X given twice"},
        {CrLf({"(T1 A 10)", "X1.Y1.T1", "G70G72X5."}), "line 3: G70 and G72 in one block"},
        {CrLf({"X1.Y1.T1.5"}), "line 1: \"T1.5\" wants a whole number"},
        {CrLf({"(T1 A 10)", "X1.Y1.T1", "G26I10."}), "line 3: G26 needs"},
        {CrLf({"(T1 A 10)", "X1.Y1.T1", "G26I10.K361"}), "line 3: G26 hole count"},
        {CrLf({"(T1 A 10)", "X1.Y1.T1", "G26I0K4"}), "line 3: G26 radius"},
        {CrLf({"(T1 A 10)", "X1.Y1.T1I5."}), "line 2: I, J and K belong"},
        {CrLf({"X1.Y1.T1", "G27Y5."}), "line 2: G27 needs the distance X"},
        {CrLf({"(INCH)", "G21", "X1.Y1.T1"}), "line 2: millimetre units, but line 1 set inches"},
        {CrLf({"(SHEET 1000)", "X1.Y1.T1"}), "line 1: SHEET wants"},
        {CrLf({"(CLAMPS 250 left)", "X1.Y1.T1"}), "line 1: CLAMPS wants"},
        {CrLf({"(T5 20 10)", "X1.Y1.T5"}), "line 1: tool comment for T5 needs a shape letter"},
        {CrLf({"(T5 D 1 2 3 4 5)", "X1.Y1.T5"}), "line 1: tool comment for T5: \"5\""},
        {CrLf({"(T5 A 1)", "(T5 A 2)", "X1.Y1.T5"}), "line 2: station 5 is already described on line 1"},
        {CrLf({"(T201 A 10)", "X1.Y1.T1"}), "line 1: tool comment \"T201\""},
        {CrLf({"X1.Y1.T1 #5"}), "line 1: unexpected character \"#\""},
    };
    for (const auto& [text, expected] : cases) {
        Result<PunchProgram> program = ParsePunchProgram(text);
        ASSERT_FALSE(program.ok()) << text;
        EXPECT_NE(program.message().find(expected), std::string::npos) << program.message();
    }
}

std::string Quote(const std::string& s) { return "'" + s + "'"; }

int RunCommand(const std::string& command) {
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

class DemoEndToEnd : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(demo.ok()) << demo.error(); }

    /// Runs the ISO processor on a program as the workstation would: a fresh
    /// "Reverse.pth", no old flag, the system folder as working folder.
    int reverse(const std::string& machine, const std::string& directory, const std::string& program) {
        const std::string path = "C:\\QUORVANE\\PROGRAMS\\" + machine + "\\" + directory + "\\" + program;
        EXPECT_TRUE(WriteReversePath("C:\\QUORVANE\\Reverse.pth", {path, program, directory, machine}).ok());
        demo.remove("C:\\QUORVANE\\Finished.flg");
        return RunCommand("cd " + Quote(demo.systemHost()) + " && ./REVISO 2> " + Quote(out / "stderr.txt"));
    }
    std::string errors() const { return test::ReadHostFile(out / "stderr.txt"); }

    test::DemoInstallation demo;
    test::TempDir out;
};

// A whole run against the sample processor is the reverse-run window test's; here what it does not see.
TEST_F(DemoEndToEnd, AProgramItCannotReadGivesNoDrawingAndTheDemoIsWrittenOnlyWhereItMayBe) {
    EXPECT_EQ(reverse("PUNCH1", "PROTOTYPES", "BROKEN"), 1);
    EXPECT_EQ(ReadFinishedFlag("C:\\QUORVANE\\Finished.flg").value_or(0), 1);
    EXPECT_NE(errors().find("BROKEN.prg: line 6: unknown word \"Z\""), std::string::npos) << errors();
    EXPECT_FALSE(demo.exists("C:\\QUORVANE\\PROGRAMS\\PUNCH1\\PROTOTYPES\\BROKEN.drw"));

    EXPECT_EQ(reverse("PUNCH1", "JOBS", "MISSING"), 1);
    EXPECT_NE(errors().find("MISSING.prg"), std::string::npos);

    const std::string maker = Quote(test::BinDir() + "/quorvane-demo") + " ";
    const std::string log = " > " + Quote(out / "again.out") + " 2>&1";
    demo.write("C:\\QUORVANE\\Scratch.txt", "mine");
    EXPECT_NE(RunCommand(maker + Quote(demo.root()) + log), 0);
    EXPECT_NE(test::ReadHostFile(out / "again.out").find("--replace"), std::string::npos);
    EXPECT_TRUE(demo.exists("C:\\QUORVANE\\Scratch.txt"));

    EXPECT_EQ(RunCommand(maker + Quote(demo.root()) + " --replace" + log), 0) << test::ReadHostFile(out / "again.out");
    EXPECT_TRUE(!demo.exists("C:\\QUORVANE\\Scratch.txt") && demo.exists("C:\\QUORVANE\\Quorvane.cfg"));

    test::WriteHostFile(out / "other/keep.txt", "not a demo");
    EXPECT_NE(RunCommand(maker + Quote(out / "other") + " --replace" + log), 0);
    EXPECT_EQ(test::ReadHostFile(out / "other/keep.txt"), "not a demo");
}

}  // namespace
}  // namespace qv::revsample
