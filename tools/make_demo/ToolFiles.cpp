// A machine's tool library (shape files and list files) and turret files.
#include <map>

#include "DemoInstall.h"
#include "core/common/Text.h"
#include "core/tooling/ShapeFile.h"

namespace qv::demo {
namespace {
struct Punch {
    char shape;
    const char* name;
    std::array<float, 4> size;
    std::vector<std::pair<std::int16_t, std::int16_t>> stations;  // station, code
    std::vector<float> angles;
};

// Station codes: 10 a fixed station, 45 the indexable station 5 (20 to 99
// mark indexable ones). Station 7 is out of use in the station files, so
// the punch listed only there is never offered.
const std::vector<Punch>& Punches() {
    static const std::vector<Punch> punches{
        {'A', "RND 10", {10, 0, 0, 0}, {{1, 10}, {2, 10}}, {0}},
        {'A', "RND 5.5", {5.5f, 0, 0, 0}, {{2, 10}, {3, 10}}, {0}},
        {'A', "RND 8 SPARE", {8, 0, 0, 0}, {{7, 10}}, {0}},
        {'A', "", {0, 0, 0, 0}, {}, {}},  // a deleted slot: size 0, never listed
        {'A', "RND 12.7", {12.7f, 0, 0, 0}, {{6, 10}, {10, 10}}, {0}},
        {'B', "SQ 10", {10, 0, 0, 0}, {{4, 10}, {8, 10}}, {0, 45}},
        {'B', "SQ 25", {25, 0, 0, 0}, {{5, 45}}, {0}},
        {'D', "RECT 20X10", {20, 10, 0, 0}, {{5, 45}, {6, 10}}, {0, 90}},
        {'D', "RECT 50X5", {50, 5, 0, 0}, {{12, 10}}, {0, 90}},
        {'F', "OBR 30X8", {30, 8, 0, 0}, {{6, 10}, {5, 45}}, {0, 90}},
        {'S', "KEYHOLE", {0, 0, 0, 0}, {{8, 10}}, {0, 180}},
        {'S', "LOUVRE TOOL", {0, 0, 0, 0}, {{12, 10}}, {0}},
    };
    return punches;
}

std::string LibraryRecord(const Punch& punch) {
    LibraryEntry entry;
    entry.shape = punch.shape;
    entry.name = FixedText(punch.name, LibraryNameWidth);
    entry.size = punch.size;
    for (std::size_t i = 0; i < punch.stations.size() && i < 6; ++i) entry.stations[i] = punch.stations[i];
    for (std::size_t i = 0; i < 6; ++i) entry.angles[i] = i < punch.angles.size() ? punch.angles[i] : -1;
    entry.unused = std::string(6, ' ');
    return EncodeShapeRecord(entry);
}
}  // namespace

Status WriteToolLibrary(const DemoMachine& m) {
    const std::string tools = std::string(kDataFolder) + "Tools\\" + m.Folder + "\\";
    const std::string turrets = std::string(kDataFolder) + "Turrets\\" + m.Folder + "\\";
    const std::string library = kLibrary;

    std::map<char, std::vector<std::string>> files;
    for (const Punch& punch : Punches()) files[punch.shape].push_back(LibraryRecord(punch));
    for (const auto& [letter, records] : files) {
        if (Status s = WriteRecords(tools + library + "." + letter, ShapeRecordSize, records); !s) return s;
    }

    std::vector<std::string> layout;
    for (int i = 1; i <= m.Stations; ++i) layout.push_back(std::to_string(i) + ", , , 0, 0, 0, 0, , 0");
    layout.push_back("******");
    const std::vector<std::pair<std::string, std::vector<std::string>>> lists{
        {tools + library + ".lkp", {"******"}},
        {turrets + library + ".lkp", {"******"}},
        {turrets + library + ".0", layout},
    };
    for (const auto& [path, lines] : lists) {
        if (Status s = WriteText(path, lines); !s) return s;
    }
    return Status::Ok();
}

}  // namespace qv::demo
