// The sample processor's dialect parser: hits, patterns, clamps, units and
// the lines it refuses.
#include <gtest/gtest.h>

#include "core/common/FormatNumber.h"
#include "sample_reverse/PunchProgram.h"

namespace qv::revsample {
namespace {

std::string Lines(std::initializer_list<const char*> lines) {
    std::string text;
    for (const char* line : lines) text += std::string(line) + "\r\n";
    return text;
}

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

TEST(PunchProgram, TheDialectExampleGivesItsHitsAndOneClampMove) {
    const PunchProgram p = Parse(Lines({"%", "O1234 (DEMO PART)", "(SHEET 1000 X 500 X 1.5)", "(CLAMPS 250 750)",
                                        "(T1 A 10)", "(T5 D 20 10)", "G92X1830.Y1270.", "G90X100.Y100.T1", "X200.",
                                        "G70X400.Y250.", "X450.Y250.T5C90.", "G91X50.", "G27X500.",
                                        "G90X300.Y100.T1", "G50", "%"}));
    // C holds for its own block only; G91 X50 moves on from 450.
    EXPECT_EQ(Hits(p), "100,100@1 200,100@1 450,250@5c90 500,250@5 300,100@1");
    EXPECT_EQ(Sheet(p), "1000x500x1.5 250/750 G27:500@5");
    EXPECT_EQ(p.StationOrder, (std::vector<std::int16_t>{1, 5}));
    ASSERT_NE(p.FindTool(5), nullptr);
    EXPECT_EQ(p.FindTool(5)->Shape, 'D');
    EXPECT_EQ(p.FindTool(5)->Size, (std::array<double, 4>{20, 10, 0, 0}));
    EXPECT_FALSE(p.Inch);
}

TEST(PunchProgram, IncrementalMovesAddUpFromTheCurrentPoint) {
    // G92 puts the punch at 500, 500; G70 moves without a hit; after G50 absolute again.
    const PunchProgram p = Parse(Lines({"(T2 A 5)", "G92X500.Y500.", "G91X10.Y20.T2", "X-5.", "G70Y100.",
                                        "Y.5", "G90X1.", "G50", "X7.Y8."}));
    EXPECT_EQ(Hits(p), "510,520@2 505,520@2 505,620.5@2 1,620.5@2 7,8@2");
}

TEST(PunchProgram, BoltHoleCirclesPutKHitsAroundThePatternOrigin) {
    const PunchProgram p = Parse(Lines({"(T1 A 10)", "G90G72X100.Y100.", "G26I50.J90.K4T1C15."}));
    EXPECT_EQ(Hits(p), "100,150@1c15 50,100@1c15 100,50@1c15 150,100@1c15");
    ASSERT_EQ(p.Circles.size(), 1u);
    EXPECT_EQ(p.Circles[0].Count, 4);
    EXPECT_DOUBLE_EQ(p.Circles[0].Radius, 50);
    EXPECT_EQ(p.Circles[0].Station, 1);
}

TEST(PunchProgram, InchProgramsAreReportedInMillimetres) {
    for (const char* mark : {"(INCH)", "G20", "(inch)"}) {
        const PunchProgram p = Parse(Lines({mark, "(SHEET 40 X 20 X 0.06)", "(CLAMPS 10 30)", "(T5 D 1 0.5 IDX)",
                                            "G92X72.Y50.", "G90X2.Y2.T5C90.", "G91X0.5", "G25X12."}));
        EXPECT_TRUE(p.Inch) << mark;
        EXPECT_EQ(Sheet(p), "1016x508x1.524 254/762 G25:304.8@5");
        EXPECT_EQ(Hits(p), "50.8,50.8@5c90 63.5,50.8@5");  // angles stay degrees
        EXPECT_EQ(p.FindTool(5)->Size, (std::array<double, 4>{25.4, 12.7, 0, 0}));
        EXPECT_TRUE(p.FindTool(5)->Indexable);
    }
    EXPECT_FALSE(Parse(Lines({"G21", "(T1 A 10)", "X10.Y10.T1"})).Inch);
}

TEST(PunchProgram, HeaderCommentsAreReadInTheirSeveralSpellings) {
    // A T word names its station modulo 1000.
    const PunchProgram p = Parse(Lines({"(sheet1200x600)", "(TOP SIDE FIRST)", "(T110 S KEY Hole IDX)",
                                        "; (SHEET 1 X 1) is no header here", "X5.Y5.T110", "X6.T1110"}));
    EXPECT_EQ(Sheet(p), "1200x600x0 0/0");
    EXPECT_FALSE(p.HasClamps);
    ASSERT_NE(p.FindTool(110), nullptr);
    EXPECT_EQ(p.FindTool(110)->SpecialName, "KEY Hole");
    EXPECT_TRUE(p.FindTool(110)->Indexable);
    EXPECT_EQ(Hits(p), "5,5@110 6,5@110");
    EXPECT_EQ(p.StationOrder, (std::vector<std::int16_t>{110}));
}

TEST(PunchProgram, WithoutASheetCommentTheHitsBoundTheSheet) {
    // The block after M30 is not read.
    const PunchProgram p = Parse(Lines({"X50.Y50.T3", "X550.Y50.", "X550.Y350.", "M30", "X900.Y900."}));
    EXPECT_FALSE(p.HasSheet);
    EXPECT_EQ(Sheet(p), "550x350x0 0/0");
    EXPECT_EQ(p.FindTool(3), nullptr);
    EXPECT_EQ(p.Hits.size(), 3u);
}

struct Refused {
    const char* name;
    std::string text;
    const char* expected;
};

class RefusedProgram : public ::testing::TestWithParam<Refused> {};

TEST_P(RefusedProgram, IsRefusedWithItsLine) {
    Result<PunchProgram> program = ParsePunchProgram(GetParam().text);
    ASSERT_FALSE(program.ok());
    EXPECT_NE(program.message().find(GetParam().expected), std::string::npos) << program.message();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RefusedProgram,
    ::testing::Values(
        Refused{"NoHits", Lines({"%", "O1 (NOTHING)", "(T1 A 10)", "G92X1.Y1.", "T1", "G50", "%"}),
                "the program has no hits"},
        Refused{"UnknownWord", Lines({"(T1 A 10)", "X1.Y1.T1", "X200.Z5."}), "line 3: unknown word \"Z\""},
        Refused{"UnknownG", Lines({"(T1 A 10)", "G81X1.Y1.T1"}), "line 2: G81 is not part of this dialect"},
        Refused{"HitWithoutTool", Lines({"G90", "X1.Y1."}), "line 2: a hit before any T word"},
        Refused{"StationTooHigh", Lines({"X1.Y1.T121"}), "line 1: \"T121\" names no station"},
        Refused{"OpenComment", Lines({"(T1 A 10", "X1.Y1.T1"}), "line 1: comment not closed"},
        Refused{"WordWithoutNumber", Lines({"X1.Y.T1"}), "line 1: word \"Y.\" has no number"},
        Refused{"TwiceInABlock", Lines({"X1.X2.T1"}), "line 1: X given twice"},
        Refused{"TwoActions", Lines({"(T1 A 10)", "X1.Y1.T1", "G70G72X5."}), "line 3: G70 and G72 in one block"},
        Refused{"FractionalT", Lines({"X1.Y1.T1.5"}), "line 1: \"T1.5\" wants a whole number"},
        Refused{"CircleWithoutCount", Lines({"(T1 A 10)", "X1.Y1.T1", "G26I10."}), "line 3: G26 needs"},
        Refused{"CircleTooManyHoles", Lines({"(T1 A 10)", "X1.Y1.T1", "G26I10.K361"}), "line 3: G26 hole count"},
        Refused{"CircleBadRadius", Lines({"(T1 A 10)", "X1.Y1.T1", "G26I0K4"}), "line 3: G26 radius"},
        Refused{"LooseI", Lines({"(T1 A 10)", "X1.Y1.T1I5."}), "line 2: I, J and K belong"},
        Refused{"ClampWithoutX", Lines({"X1.Y1.T1", "G27Y5."}), "line 2: G27 needs the distance X"},
        Refused{"MixedUnits", Lines({"(INCH)", "G21", "X1.Y1.T1"}), "line 2: millimetre units, but line 1 set inches"},
        Refused{"BadSheet", Lines({"(SHEET 1000)", "X1.Y1.T1"}), "line 1: SHEET wants"},
        Refused{"BadClamps", Lines({"(CLAMPS 250 left)", "X1.Y1.T1"}), "line 1: CLAMPS wants"},
        Refused{"ToolWithoutShape", Lines({"(T5 20 10)", "X1.Y1.T5"}),
                "line 1: tool comment for T5 needs a shape letter"},
        Refused{"ToolFiveSizes", Lines({"(T5 D 1 2 3 4 5)", "X1.Y1.T5"}), "line 1: tool comment for T5: \"5\""},
        Refused{"ToolTwice", Lines({"(T5 A 1)", "(T5 A 2)", "X1.Y1.T5"}),
                "line 2: station 5 is already described on line 1"},
        Refused{"ToolStationOutOfRange", Lines({"(T201 A 10)", "X1.Y1.T1"}), "line 1: tool comment \"T201\""},
        Refused{"StrayCharacter", Lines({"X1.Y1.T1 #5"}), "line 1: unexpected character \"#\""}),
    [](const ::testing::TestParamInfo<Refused>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace qv::revsample
