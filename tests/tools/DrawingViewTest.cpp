// A sample run's drawing as the view and quorvane-plot draw it.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cmath>

#include "core/workstation/DisplayList.h"
#include "sample_reverse/ReverseResult.h"
#include "support/DemoInstallation.h"
#include "support/DrawingFile.h"
#include "support/Fields.h"
#include "support/TableTest.h"

namespace qv::test {
namespace {

std::vector<DrawingRecord> SampleDrawing() {
    Result<revsample::PunchProgram> program = revsample::ParsePunchProgram(CrLf(
        {"(SHEET 1000 X 500 X 1.5)", "(CLAMPS 250 750)", "(T1 A 10)", "(T5 D 20 10 IDX)", "(T8 S KEYHOLE)",
         "G92X1830.Y1270.", "G90X100.Y100.T1", "X450.Y250.T5C90.", "G70X700.Y250.", "G26I60.J0K4T1", "G27X500.",
         "X20.Y20.T8", "X30.Y40.T3", "G25X100.", "G50"}));
    EXPECT_TRUE(program.ok()) << program.message();
    return program.ok() ? revsample::DrawingOf(*program, "BRACKET") : std::vector<DrawingRecord>{};
}

DisplayList Build(const DisplaySource& source) {
    DisplayListBuilder builder(source);
    std::uint32_t number = 0;
    for (const DrawingRecord& r : SampleDrawing()) builder.add(EncodeDrawingRecord(r), ++number);
    return builder.finish();
}

std::string HitRow(const DisplayList& list, const DisplayHit& h) {
    const DrawBox b = list.boundsOf(h);
    return FormatNumber(h.X) + "," + FormatNumber(h.Y) + " s" + std::to_string(h.Station) + " " +
           list.Outlines[h.Outline].Shape + FormatNumber(list.angleOf(h)) + " " +
           FormatNumber(std::round(b.width() * 1000) / 1000) + "x" +
           FormatNumber(std::round(b.height() * 1000) / 1000) + (h.confirmed() ? " c" : " u") +
           (h.Flags & HitFromCircle ? "o" : "");
}

TEST(DrawingView, SampleRunGivesSheetClampsHitsAndArrows) {
    DisplaySource drawing;
    drawing.SheetX = 1000, drawing.SheetY = 500, drawing.LeftClamp = 250, drawing.RightClamp = 750;
    ReverseRunState run;  // station 1 as found, station 5 confirmed in a fixed station, 3 and 8 not in the turret
    run.TurretTools[1] = Tool("A,Diameter,10,0,0,0,1,10,0,0,1");
    run.TurretTools[1].Defined = false;
    run.TurretTools[5] = Tool("D,LIB,30,10,0,0,5,11,0,0,1");
    const struct { const char* name; DisplaySource source; std::vector<std::string> hits; } cases[] = {
        {"entity tools", drawing,
         {"100,100 s1 A0 10x10 c", "450,250 s5 D90 10x20 c", "760,250 s1 A0 10x10 co", "700,310 s1 A0 10x10 co",
          "640,250 s1 A0 10x10 co", "700,190 s1 A0 10x10 co", "20,20 s8 S0 4x4 c", "30,40 s3 U0 6x6 c"}},
        {"panel tools", PanelDisplaySource(run, {1000, 500, 250, 750}),
         {"100,100 s1 A0 10x10 u", "450,250 s5 D0 30x10 c", "760,250 s1 A0 10x10 uo", "700,310 s1 A0 10x10 uo",
          "640,250 s1 A0 10x10 uo", "700,190 s1 A0 10x10 uo", "20,20 s8 S0 4x4 u", "30,40 s3 U0 6x6 u"}},
    };
    for (const auto& c : cases) {
        const DisplayList list = Build(c.source);
        std::vector<std::string> hits;
        for (const DisplayHit& h : list.Hits) hits.push_back(HitRow(list, h));
        EXPECT_EQ(hits, c.hits) << c.name;
        std::vector<std::string> shapes;
        for (const DrawBox& b : std::vector<DrawBox>{list.Sheet, list.Clamps.at(0), list.Clamps.at(1)})
            shapes.push_back(FormatNumber(b.MinX) + "," + FormatNumber(b.MinY) + " " + FormatNumber(b.MaxX) + "," +
                             FormatNumber(b.MaxY));
        for (const DisplayArrow& a : list.Arrows)
            shapes.push_back(FormatNumber(a.From.X) + "->" + FormatNumber(a.To.X) + " y" + FormatNumber(a.To.Y));
        EXPECT_EQ(shapes, (std::vector<std::string>{"0,0 1000,500", "220,-30 280,30", "720,-30 780,30",
                                                    "250->750 y-50", "750->650 y-70"})) << c.name;
        EXPECT_EQ(list.Outlines[list.Hits[6].Outline].Label, "KEYHOLE");
    }
    const DrawingRecord h = SampleDrawing().at(0);
    EXPECT_EQ(Fields(h.RecordCount, h.LevelNumber, h.MachineSetting, h.SecondSetting, h.Text18, h.SheetX(), h.SheetY(),
                     h.LeftClamp(), h.RightClamp(), h.MaterialValue1()),
              "16 1000 0 0 BRACKET            1000 500 250 750 1.5");
}

#ifdef QV_PLOT_BUILT  // the plot command is built with the windows
struct Plotted { int code; std::string output, error; };

Plotted Plot(const std::string& arguments, const std::string& outputFile) {
    const std::string err = outputFile + ".err";
    const int status = std::system(("'" + BinDir() + "/quorvane-plot' " + arguments + " >/dev/null 2>'" +
                                    err + "'").c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadHostFile(outputFile), ReadHostFile(err)};
}

TEST(DrawingView, PlotWritesOneElementPerHitAndRefusesBadInput) {
    TempDir dir;
    const std::string drw = dir.path() + "/BRACKET.drw", bad = dir.path() + "/BAD.drw";
    WriteHostFile(drw, DrawingBytes(SampleDrawing()));
    WriteHostFile(bad, std::string(700, 'x'));
    const struct { std::string args, out, error; } cases[] = {  // error: what stderr holds, "" for success
        {drw + " -o " + dir.path() + "/b.svg --size 600x400", "b.svg", ""},
        {"-o " + dir.path() + "/b.png " + drw, "b.png", ""},
        {dir.path() + "/NONE.drw -o " + dir.path() + "/n.svg", "n.svg",
         "quorvane-plot: " + dir.path() + "/NONE.drw: the drawing does not exist\n"},
        {bad + " -o " + dir.path() + "/x.svg", "x.svg",
         "quorvane-plot: " + bad + ": the drawing is not whole 518-byte records (700 bytes)\n"},
        {drw + " -o " + dir.path() + "/s.svg --size 12x", "s.svg",
         "quorvane-plot: bad --size \"12x\": give WIDTHxHEIGHT in pixels, each 16 to 20000\n"},
        {drw + " -o " + dir.path() + "/b.jpg", "b.jpg",
         "quorvane-plot: cannot tell the format of \"" + dir.path() + "/b.jpg\": the output must end in .svg or "
         ".png\n"},
    };
    for (const auto& c : cases) {
        const Plotted p = Plot(c.args, dir.path() + "/" + c.out);
        EXPECT_EQ(p.error, c.error) << c.args;
        EXPECT_EQ(p.code != 0, !c.error.empty()) << c.args;
        if (!c.error.empty()) { EXPECT_EQ(p.output, "") << c.args; }
    }
    const std::string svg = Plot(drw + " -o " + dir.path() + "/b.svg", dir.path() + "/b.svg").output;
    std::size_t uses = 0;
    for (std::size_t at = 0; (at = svg.find("<use ", at)) != std::string::npos; ++at) ++uses;
    EXPECT_EQ(uses, 8u);
    EXPECT_NE(svg.find("<rect class=\"sheet\" x=\"0\" y=\"0\" width=\"1000\" height=\"500\"/>"), std::string::npos);
    EXPECT_EQ(Plot(drw + " -o " + dir.path() + "/b.png", dir.path() + "/b.png").output.substr(1, 3), "PNG");
}

#endif

}  // namespace
}  // namespace qv::test
