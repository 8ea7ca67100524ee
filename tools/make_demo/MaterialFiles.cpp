// A machine's material files and its stock list.
#include "DemoInstall.h"

namespace qv::demo {
namespace {
struct Material {
    const char* name;
    const char* number;     // field 1
    const char* thickness;  // field 2: the drawing's material value 1
    const char* tensile;    // field 3
    const char* density;    // field 4
    const char* type;       // field 5
    const char* clearance;  // field 12
    const char* factor;     // field 13: the drawing's material value 2
};

const Material kMaterials[] = {
    {"Default", "1", "1.5", "400", "7.85", "Mild Steel", "0.15", "1"},
    {"Steel", "2", "2", "450", "7.85", "Mild Steel", "0.2", "1.1"},
    {"Alu", "3", "1.2", "200", "2.7", "Aluminium", "0.1", "0.6"},
};

// The lines the machine's kind asks for: always six, three more on a punch,
// four more with a secondary process (the last one the default tool).
std::vector<std::string> MaterialLines(const DemoMachine& m, const Material& x) {
    std::vector<std::string> lines{
        std::string("Material : ") + x.name,
        std::string("Material Number : ") + x.number,
        std::string("Thickness : ") + x.thickness,
        std::string("Tensile Strength : ") + x.tensile,
        std::string("Density : ") + x.density,
        std::string("Material Type : ") + x.type,
        std::string("Tool Library : ") + kLibrary,
        std::string("Die Clearance : ") + x.clearance,
        std::string("Punch Force Factor : ") + x.factor,
    };
    if (m.Type % 10 != 0) {
        lines.push_back("Laser Power : 2000");
        lines.push_back("Cutting Feed : 3000");
        lines.push_back("Assist Gas : 1");
        lines.push_back("Default Tool : A, RND 10, 10, 0, 0, 0, 1, 10, 0, 0, 1");
    }
    return lines;
}
}  // namespace

Status WriteMaterials(const DemoMachine& m) {
    const std::string folder = std::string(kDataFolder) + "Material\\" + m.Folder + "\\";
    for (const Material& material : kMaterials) {
        if (Status s = WriteText(folder + material.name + ".mtl", MaterialLines(m, material)); !s) return s;
    }
    return WriteText(folder + "Stock.lst", {"******"});
}

}  // namespace qv::demo
