// Material files: fields by machine kind, the current material, the list.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/common/FormatNumber.h"
#include "core/common/State.h"
#include "core/tooling/Material.h"
#include "support/CountingPlatform.h"
#include "support/Fields.h"
#include "support/Sandbox.h"

namespace qv {
namespace {

const std::string kMaterials = "C:\\QV\\DATA\\Material\\M1\\";
const std::string kTools = "C:\\QV\\DATA\\Tools\\M1\\";

// A material file with the sections a machine of that kind reads.
std::string MaterialText(bool punch, bool secondary) {
    std::string t =
        "Material Data\r\nGauge : 2.5\r\nThickness : 1.5\r\nTensile: 4e2\r\nShear : abc\r\nGrade : mild st\r\n";
    if (punch) t += "Library : Thin Sheet\r\nValue 12 : 12.5\r\nValue 13 : 3.25\r\n";
    if (secondary) t += "Value 21: 21\r\nValue 22 : -22.5\r\nValue 23 : 3.5\r\n";
    if (punch && secondary) t += "Default Tool : A,Punch 10,10,0,0,0,5,11,0,0,1\r\n";
    return t;
}

// A punching machine with a second process and its material, tool and turret folders.
struct Materials : test::MachineSandbox {
    Materials() {
        for (const std::string& folder : {kMaterials, kTools, std::string("C:\\QV\\DATA\\Turrets\\M1")})
            makeFolder(folder);
        State().Mach.PunchMachine = State().Mach.SecondaryProcess = true;
    }
};

struct MaterialTest : ::testing::Test { Materials box; };

// Every field of a material as one line: texts as they are, numbers
// formatted, "-" for no value.
std::string Fields(const std::string& name) {
    std::string line;
    for (int field : {0, 1, 2, 3, 4, 5, 6, 11, 12, 13, 21, 22, 23, 31, 32}) {
        const MaterialValue v = ReadMaterialField(name, field);
        line += v.kind == MaterialValue::Kind::Text     ? v.text + "|"
                : v.kind == MaterialValue::Kind::Number ? FormatNumber(v.number) + "|"
                                                        : std::string("-|");
    }
    return line;
}

// Gauge 2.5 rounds to the even neighbour; fields 6 and 32 do not exist.
TEST_F(MaterialTest, FieldsFollowTheMachinesKindAndTheListPutsDefaultFirst) {
    for (int type : {0, 1, 20, 21}) {
        const bool punch = type >= 10, secondary = type % 10 != 0;
        State().Mach.PunchMachine = punch;
        State().Mach.SecondaryProcess = secondary;
        box.write(kMaterials + "Steel.mtl", MaterialText(punch, secondary));
        EXPECT_EQ(Fields("Steel"), std::string("Steel|2|1.5|400|0|MILD ST|-|") +
                                       (punch ? "Thin Sheet|12.5|3.25|" : "|0|0|") +
                                       (secondary ? "21|-22.5|4|" : "0|0|0|") +
                                       (punch && secondary ? "A,Punch 10,10,0,0,0,5,11,0,0,1|" : "|") + "-|")
            << type;
    }
    box.remove(kMaterials + "Steel.mtl");
    // Without any file: numbers 0, texts "", fields 3 and 4 no value.
    EXPECT_EQ(Fields("Copper"), "Default|0|0|-|-||-||0|0|0|0|0||-|");
    // The list: "Default" first, then the material files in folder order.
    const struct { std::vector<std::string> files; std::string current; std::vector<std::string> rows; int selected;
    } cases[] = {
        {{"Steel.mtl", "default.mtl", "Alu.mtl"}, "Default", {"Default", "Alu", "Steel"}, 0},
        {{"Steel.mtl", "default.mtl", "Alu.mtl"}, "steel", {"Default", "Alu", "Steel"}, 2},
        {{"Steel.mtl"}, " Steel ", {"Default", "Steel"}, 1},
        {{"Steel.mtl"}, "Copper", {"Default", "Steel"}, -1},
        {{"Stock.lst"}, "Default", {}, -1},
        {{"Stock.lst", "Brass.mtl", "x.txt"}, "Brass", {"Default", "Brass"}, 1},
        {{"St.37.mtl"}, "St.37", {"Default", "St.37"}, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.current);
        box.remove(kMaterials);
        box.makeFolder(kMaterials);
        for (const std::string& f : c.files) box.write(kMaterials + f, "x\r\n");
        const ListRows rows = FillMaterialList("M1", c.current);
        EXPECT_EQ(rows.items, c.rows);
        EXPECT_EQ(test::Fields(rows.selected, rows.data.size()), test::Fields(c.selected, c.rows.size()));
    }
}

// A punching machine with a second process. defaultFile: "Default.mtl" exists; libraryList: "Thin Sheet.lkp" exists;
// picks: selected in turn; material: then current.
TEST(SelectMaterial, TakesItsValuesAndLibrary) {
    const struct { const char* name; bool defaultFile, libraryList; std::vector<std::string> picks;
        const char* material; float value1, value2; const char* library; } cases[] = {
        {"values and library", false, true, {" Steel "}, "Steel", 1.5f, 3.25f, "Thin Sheet"},
        {"unknown name selects Default", true, false, {"Copper"}, "Default", 1.5f, 3.25f, "Full Library"},
        {"no Default: zero values", false, true, {"Steel", "Copper"}, "Default", 0, 0, "Full Library"},
        {"nothing of the last stays", false, true, {"Steel", "Short"}, "Short", 0.8f, 0, "Full Library"},
        {"unreadable: zero values", false, true, {"Steel", "Locked"}, "Locked", 0, 0, "Full Library"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Materials box;
        box.write(kMaterials + "Steel.mtl", MaterialText(true, true));
        box.write(kMaterials + "Short.mtl", "Short\r\nGauge : 1\r\nThickness : 0.8\r\n");
        box.write(kMaterials + "Locked.mtl", MaterialText(true, true));
        if (c.defaultFile) box.write(kMaterials + "Default.mtl", MaterialText(true, true));
        if (c.libraryList) box.write(kTools + "Thin Sheet.lkp", "******\r\n");
        test::CountingPlatform unreadable(box.platform());
        unreadable.unreadable.insert(kMaterials + "Locked.mtl");
        platform::ScopedPlatform use(unreadable);
        for (const std::string& name : c.picks) SelectMaterial(name);

        const ToolingState& t = Tooling();
        EXPECT_EQ(t.CurrentMaterial + " " + t.ToolLibraryName + " " + t.ToolLibraryPrefix,
                  std::string(c.material) + " " + c.library + " " + kTools + c.library + ".");
        EXPECT_EQ((std::vector<float>{t.MaterialValue1, t.MaterialValue2}), (std::vector<float>{c.value1, c.value2}));
        EXPECT_TRUE(box.exists(kTools + c.library + ".lkp"));
    }
}

}  // namespace
}  // namespace qv
