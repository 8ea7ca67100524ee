// The demo's punch programs, in the dialect the sample processor reads.
#include <map>

#include "DemoInstall.h"

namespace qv::demo {
namespace {
// Lines joined with CR LF, as the suite's text files are.
std::string Join(std::initializer_list<const char*> lines) {
    std::string text;
    for (const char* line : lines) text += std::string(line) + "\r\n";
    return text;
}

const std::map<std::string, std::string>& Programs() {
    static const std::map<std::string, std::string> programs{
        // Every feature: absolute and incremental hits, a move without a hit,
        // an indexable station with C angles, a bolt-hole circle, a clamp
        // repositioning and a special tool.
        {"BRACKET", Join({"%", "O1001 (BRACKET)", "(SHEET 1000 X 500 X 1.5)", "(CLAMPS 250 750)", "(T1 A 10)",
                          "(T4 B 10)", "(T5 D 20 10 IDX)", "(T8 S KEYHOLE)", "G92X1830.Y1270.", "G90X100.Y100.T1",
                          "X200.", "X300.", "G70X400.Y250.", "X450.Y250.T5C90.", "G91X50.", "X50.C45.",
                          "G90G72X700.Y250.", "G26I60.J0K6T1", "G27X500.", "G90X150.Y400.T4", "X250.Y400.",
                          "X850.Y400.T8", "G50", "M30", "%"})},
        {"PANEL", Join({"%", "O1002 (PANEL)", "(SHEET 1250 X 625 X 1)", "(CLAMPS 300 900)", "(T2 A 5.5)",
                        "(T6 F 30 8)", "G92X1830.Y1270.", "G90X100.Y100.T2", "G91X100.", "X100.", "X100.",
                        "G90X100.Y300.T6", "X400.", "G50", "M30", "%"})},
        // No SHEET or CLAMPS comment, and a station without a tool comment.
        {"COVER", Join({"%", "O1003 (COVER)", "G92X1830.Y1270.", "G90X50.Y50.T3", "X550.Y50.", "X550.Y350.",
                        "X50.Y350.", "G50", "M30", "%"})},
        {"PLATE", Join({"%", "O1004 (PLATE)", "(SHEET 600 X 400 X 2)", "(CLAMPS 150 450)", "(T2 A 5.5)",
                        "G92X1830.Y1270.", "G90X50.Y50.T2", "X550.", "Y350.", "X50.", "G50", "M30", "%"})},
        {"PROTO1", Join({"%", "O2001 (PROTO1)", "(SHEET 500 X 500 X 1)", "(CLAMPS 100 400)", "(T1 A 10)",
                         "(T12 D 50 5)", "G92X1830.Y1270.", "G90G72X250.Y250.", "G26I100.J45.K8T1",
                         "G90X250.Y50.T12", "G50", "M30", "%"})},
        // A word the dialect does not know: the processor reports the line.
        {"BROKEN", Join({"%", "O2002 (BROKEN)", "(T1 A 10)", "G92X1830.Y1270.", "G90X100.Y100.T1",
                         "X200.Z5.", "G50", "M30", "%"})},
        {"SUB1", Join({"%", "O9001 (SUBROUTINE)", "G91X10.", "X10.", "M99", "%"})},
        // Clamps moved both ways; the machine's setting 1 makes the
        // workstation negate their sign fields.
        {"FLANGE", Join({"%", "O3001 (FLANGE)", "(SHEET 800 X 800 X 3)", "(CLAMPS 200 600)", "(T1 A 10)",
                         "(T5 D 20 10 IDX)", "G92X1830.Y1270.", "G90G72X400.Y400.", "G26I150.J0K12T1",
                         "G27X300.", "X400.Y100.T5C30.", "G25X300.", "X400.Y700.C60.", "G50", "M30", "%"})},
        {"INCHPART", Join({"%", "O4001 (INCH PART)", "(INCH)", "(SHEET 40 X 20 X 0.06)", "(CLAMPS 10 30)",
                           "(T1 A 0.5)", "(T5 D 1 0.5 IDX)", "G20", "G92X72.Y50.", "G90X2.Y2.T1", "X4.",
                           "G91X2.", "G90X10.Y10.T5C90.", "G50", "M30", "%"})},
        {"PART90", Join({"%", "O9090 (PART90)", "(SHEET 300 X 200 X 1)", "(T2 A 5.5)", "G92X1830.Y1270.",
                         "G90X50.Y50.T2", "X250.", "G50", "M30", "%"})},
        {"PART91", Join({"%", "O9091 (PART91)", "(T1 A 10)", "G92X1830.Y1270.", "G90X20.Y20.T1", "X80.",
                         "G50", "M30", "%"})},
    };
    return programs;
}
}  // namespace

std::string DemoProgram(const std::string& name) {
    const auto it = Programs().find(name);
    return it == Programs().end() ? std::string() : it->second;
}

}  // namespace qv::demo
