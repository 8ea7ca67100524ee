// Writes the second installation.
#include "support/SecondInstallation.h"

#include <filesystem>

#include "core/tooling/ShapeFile.h"
#include "support/DemoInstallation.h"
#include "support/InstallationFixture.h"

namespace qv::test {
namespace {

using Slots = std::array<std::pair<std::int16_t, std::int16_t>, 6>;

std::string Record(char shape, const std::string& name, std::array<float, 4> size, const Slots& stations,
                   float secondAngle = 90) {
    return EncodeShapeRecord(LibraryEntry{0, shape, name, size, stations, {0, secondAngle, -1, -1, -1, -1}});
}

std::vector<std::string> Material(const char* thickness, const char* library, const char* factor) {
    return {"Material : Default", "Number : 1", std::string("Thickness : ") + thickness, "Tensile : 400",
            "Density : 7.85", "Type : Steel", std::string("Tool Library : ") + library, "Clearance : 0.1",
            std::string("Punch Force Factor : ") + factor};
}

}  // namespace

SecondInstallation::SecondInstallation() {
    const std::string sys = System, data = sys + "Data\\", jobs = sys + "Jobs\\";
    enter(sys);
    writeLines(sys + "Quorvane.cfg", {sys, data, jobs, " 1", "Parts", "******"});
    writeLines(sys + "Machine.lst", {"1, Inch Press, InchPress, ISO, 3 Stations",
                                     "2, Combi Press, Combi, ISO, 3 Stations", "******"});
    writeLines(sys + "Reverse.lst", {"1, Test Controls, ISO, RevTest", "******"});
    writeLines(sys + "Reverse.cfg", {" 1"});
    writeLines(sys + "Lastfile.lst", {"Parts", "PANEL", "******"});
    for (const char* marker : {"Quordrw.exe", "Quorprg.exe", "Quorrvs.exe"}) write(sys + marker, "");
    // The processor finds the files through its working folder's drive map.
    write(sys + "Drives.cfg", "C, " + host("C:\\") + ", fixed\n");
    std::error_code failed;
    std::filesystem::copy_file(BinDir() + "/revsample", host(sys + "REVTEST"), failed);
    if (failed) setError("revsample cannot be copied from " + BinDir() + ": " + failed.message());

    const MachineLayout inch{"1", "Inch Press", "InchPress", "IMPERIAL", "10", "96", "48", "",
                             {{"2", "40"}, {"20", "94"}}};
    const MachineLayout combi{"2", "Combi Press", "Combi", "METRIC", "10"};
    writeLines(data + "Data\\InchPress.msr", {"Measurement System : IMPERIAL"});
    writeLines(data + "Data\\InchPress.mch", DescriptionLines(inch));
    writeLines(data + "Data\\InchPress.stn", {"1, Small Round, 1, 0.5, 0.5, 1", "2, Index Two, 2, 1.25, 1.25, 1",
                                              std::string("3, ") + StationName + ", 3, 2, 2, 1", "******"});
    writeLines(data + "Data\\COMBI.msr", {"Measurement System : METRIC"});
    writeLines(data + "Data\\Combi.MCH", DescriptionLines(combi));
    writeLines(data + "Data\\combi.stn",
               {"1, Combi One, 1, 12.7, 12.7, 1", "2, Combi Two, 2, 31.75, 31.75, 1", "3, Combi Three, 3, 50, 50, 1",
                "******"});

    const std::string inchTools = data + "Tools\\InchPress\\Inch Tools.";
    writeLines(inchTools + "lkp", {"******"});
    write(inchTools + "A", Record('A', "RND 0.5", {12.7f, 0, 0, 0}, {{{1, 10}, {2, 10}}}) +
                               Record('A', "RND 1", {25.4f, 0, 0, 0}, {{{3, 10}}}));
    write(inchTools + "D", Record('D', "RECT 1X0.5", {25.4f, 12.7f, 0, 0}, {{{2, 45}, {3, 10}}}));
    write(inchTools + "S", Record('S', SpecialName, {}, {{{3, 10}}}, -1));
    const std::string combiTools = data + "Tools\\COMBI\\COMBI SET.";
    writeLines(combiTools + "lkp", {"******"});
    write(combiTools + "A", Record('A', "RND 8", {8, 0, 0, 0}, {{{1, 10}}}) +
                                Record('A', "RND 16", {16, 0, 0, 0}, {{{2, 10}, {3, 10}}}));
    write(combiTools + "D", Record('D', "RECT 40X20", {40, 20, 0, 0}, {{{2, 10}}}));
    writeLines(data + "Material\\InchPress\\Default.mtl", Material("1.5", "Inch Tools", "1"));
    writeLines(data + "Material\\combi\\default.mtl", Material("3", "Combi Set", "0.8"));

    writeLines(jobs + "InchPress\\Parts\\PANEL.prg",
               {"%", "O1 (PANEL)", "(INCH)", "(SHEET 40 X 20 X 0.06)", "(CLAMPS 10 30)", "(T1 A 0.5)",
                "(T2 D 1 0.5 IDX)", std::string("(T3 S ") + SpecialName + ")", "G20", "G92X72.Y50.",
                "G90X2.Y2.T1", "X10.Y10.T2", "X20.Y10.T3", "G50", "M30", "%"});
    writeLines(jobs + "Combi\\Parts\\FLANGE.prg",
               {"%", "O2 (FLANGE)", "(SHEET 800 X 800 X 3)", "(CLAMPS 200 600)", "(T1 A 8)", "(T2 D 40 20)",
                "G92X1830.Y1270.", "G90X100.Y100.T1", "X400.Y100.T2", "G50", "M30", "%"});
}

}  // namespace qv::test
