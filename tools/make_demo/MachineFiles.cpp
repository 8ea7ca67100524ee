// A machine's description files in the data folder: msr, mch, stn, trt,
// xpt and, for the first machine, nst.
#include <cmath>

#include "DemoInstall.h"
#include "core/common/Numbers.h"
#include "core/common/Text.h"
#include "core/common/FormatNumber.h"

namespace qv::demo {
namespace {
std::string Prefix(const DemoMachine& m) { return std::string(kDataFolder) + "Data\\" + m.Folder + "."; }

// A length given in millimetres, written in the machine's own units.
std::string Length(const DemoMachine& m, double mm) {
    return FormatNumber(m.Inch ? RoundDecimals(mm / 25.4, 3) : mm);
}

std::string Line(const std::string& label, const std::string& value) { return label + " : " + value; }

std::vector<std::string> Description(const DemoMachine& m) {
    const auto travelX = static_cast<double>(m.SheetX) * (m.Inch ? 25.4 : 1);
    const auto travelY = static_cast<double>(m.SheetY) * (m.Inch ? 25.4 : 1);
    std::vector<std::string> lines{
        Line("Machine Description", m.Name),
        Line("Machine Type", std::to_string(m.Type)),
        Line("Turret Stations", std::to_string(m.Stations)),
        Line("Drawing Setting", std::to_string(m.Setting)),
        Line("X Axis Travel", Length(m, travelX)),
        Line("Y Axis Travel", Length(m, travelY)),
        Line("Default Sheet X", FormatNumber(m.SheetX)),
        Line("Default Sheet Y", FormatNumber(m.SheetY)),
        Line("Clamp Width", Length(m, 80)),
        Line("Clamp Dead Zone X", Length(m, 120)),
        Line("Clamp Dead Zone Y", Length(m, 60)),
        Line("Punch Offset X", Length(m, 0)),
        Line("Punch Offset Y", Length(m, 0)),
        Line("Auto Index", "YES"),
        Line("Max Sheet Thickness", Length(m, 6.35)),
        Line("Min Sheet X", Length(m, 100)),
        Line("Min Sheet Y", Length(m, 50)),
        Line("Repositioning Stroke", Length(m, 500)),
        Line("Safe Zone X", Length(m, 25)),
        Line("Safe Zone Y", Length(m, 25)),
        Line("Clamp Ranges", std::to_string(m.Clamps.size())),
        Line("Clamp Offset Left", Length(m, 0)),
        Line("Clamp Offset Right", Length(m, 0)),
    };
    for (std::size_t i = 0; i < m.Clamps.size(); ++i) {
        const std::string n = std::to_string(i + 1);
        lines.push_back(Line("Clamp " + n + " Low", FormatNumber(m.Clamps[i].Low)));
        lines.push_back(Line("Clamp " + n + " High", FormatNumber(m.Clamps[i].High)));
    }
    return lines;
}

// Stations: round, square and large stations in turn; station 5 is the
// indexable one of the tool library, station 7 is out of use (count 0).
std::vector<std::string> StationFile(const DemoMachine& m) {
    std::vector<std::string> lines;
    for (int i = 1; i <= m.Stations; ++i) {
        const char* kinds[] = {"C", "A", "A", "B"};
        std::string kind = kinds[i % 4];
        std::string name = "Station " + std::to_string(i) + " (" + kind + ")";
        int count = 1;
        if (i == 5) {
            kind = "B";
            name = "Index 5 (B)";
        }
        if (i == 7) {
            name = "Station 7 (out of use)";
            count = 0;
        }
        const double size = kind == "A" ? 12.7 : kind == "B" ? 31.75 : 50.8;
        lines.push_back(std::to_string(i) + ", " + QuoteField(name) + ", " + std::to_string(kind[0] - 'A' + 1) + ", " +
                        Length(m, size) + ", " + Length(m, size) + ", " + std::to_string(count));
    }
    lines.push_back("******");
    return lines;
}

std::vector<std::string> TurretFile(const DemoMachine& m) {
    std::vector<std::string> lines;
    for (int i = 1; i <= m.Stations; ++i) lines.push_back(std::to_string(i) + ", , , 0, 0, 0, 0, , 0");
    lines.push_back("******");
    return lines;
}
}  // namespace

Status WriteMachineFiles(const DemoMachine& m) {
    const std::string prefix = Prefix(m);
    const std::vector<std::pair<std::string, std::vector<std::string>>> files{
        {"msr", {Line("Measurement System", m.Inch ? "IMPERIAL" : "METRIC")}},
        {"mch", Description(m)},
        {"stn", StationFile(m)},
        {"trt", TurretFile(m)},
        {"xpt", {"0", "prg", "3", "2", "C:\\", "******"}},
    };
    for (const auto& [extension, lines] : files) {
        if (Status s = WriteText(prefix + extension, lines); !s) return s;
    }
    // Only the first machine answers the nesting question; the others get
    // the default file from the start-up.
    if (m.Number == 1) {
        return WriteText(prefix + "nst", {"Nesting ? (Yes / No)                         : Yes", "******"});
    }
    return Status::Ok();
}

}  // namespace qv::demo
