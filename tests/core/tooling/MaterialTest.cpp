// Material files: fields by machine kind, the current material, the list.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "core/folders/DriveSandbox.h"
#include "core/tooling/FailingReads.h"
#include "core/tooling/Material.h"

namespace qv {
namespace {

const std::string kMaterials = "C:\\QV\\DATA\\Material\\M1\\";
const std::string kTools = "C:\\QV\\DATA\\Tools\\M1\\";

// A material file with the sections a machine of that kind reads.
std::string MaterialText(bool punch, bool secondary) {
    std::string t = "Material Data\r\nGauge : 2.5\r\nThickness : 1.5\r\nTensile: 4e2\r\nShear : abc\r\n"
                    "Grade : mild st\r\n";
    if (punch) t += "Library : Thin Sheet\r\nValue 12 : 12.5\r\nValue 13 : 3.25\r\n";
    if (secondary) t += "Value 21: 21\r\nValue 22 : -22.5\r\nValue 23 : 3.5\r\n";
    if (punch && secondary) t += "Default Tool : A,Punch 10,10,0,0,0,5,11,0,0,1\r\n";
    return t;
}

class MaterialTest : public ::testing::Test {
protected:
    void SetUp() override {
        Tooling() = ToolingState{};
        box.makeFolder(kMaterials);
        box.makeFolder(kTools);
        box.makeFolder("C:\\QV\\DATA\\Turrets\\M1");
        setKind(true, true);
    }
    void TearDown() override { Tooling() = ToolingState{}; }
    void setKind(bool punch, bool secondary) {
        State().Mach.PunchMachine = punch;
        State().Mach.SecondaryProcess = secondary;
    }
    test::DriveSandbox box;
};

using KindCase = std::tuple<int /*machine type*/, bool /*inches*/>;

class MaterialFieldsByKind : public MaterialTest, public ::testing::WithParamInterface<KindCase> {};

TEST_P(MaterialFieldsByKind, ReadsTheMachinesSections) {
    const int type = std::get<0>(GetParam());
    const bool punch = type >= 10;
    const bool secondary = type % 10 != 0;
    setKind(punch, secondary);
    // Material values are taken as written whatever the machine's units.
    State().Mach.ImperialMachine = State().Mach.InchUnits = std::get<1>(GetParam());
    box.write(kMaterials + "Steel.mtl", MaterialText(punch, secondary));

    auto number = [](int field) { return ReadMaterialField("Steel", field).number; };
    auto text = [](int field) { return ReadMaterialField("Steel", field).text; };
    EXPECT_EQ(text(0), "Steel");
    EXPECT_EQ(number(1), 2);  // 2.5 rounds to the even neighbour
    EXPECT_EQ(number(2), 1.5);
    EXPECT_EQ(number(3), 400);
    EXPECT_EQ(number(4), 0);
    EXPECT_EQ(text(5), "MILD ST");
    EXPECT_EQ(text(11), punch ? "Thin Sheet" : "");
    EXPECT_EQ(number(12), punch ? 12.5 : 0);
    EXPECT_EQ(number(13), punch ? 3.25 : 0);
    EXPECT_EQ(number(21), secondary ? 21 : 0);
    EXPECT_EQ(number(22), secondary ? -22.5 : 0);
    EXPECT_EQ(number(23), secondary ? 4 : 0);
    EXPECT_EQ(text(31), punch && secondary ? "A,Punch 10,10,0,0,0,5,11,0,0,1" : "");
    EXPECT_EQ(ReadMaterialField("Steel", 11).kind, MaterialValue::Kind::Text);
    EXPECT_EQ(ReadMaterialField("Steel", 23).kind, MaterialValue::Kind::Number);
    EXPECT_EQ(ReadMaterialField("Steel", 6).kind, MaterialValue::Kind::Empty);
    EXPECT_EQ(ReadMaterialField("Steel", 32).kind, MaterialValue::Kind::Empty);
}

INSTANTIATE_TEST_SUITE_P(Kinds, MaterialFieldsByKind,
                         ::testing::Combine(::testing::Values(0, 1, 20, 21), ::testing::Bool()));

TEST_F(MaterialTest, UnknownNameReadsDefault) {
    box.write(kMaterials + "Default.mtl", MaterialText(true, true));
    EXPECT_EQ(ReadMaterialField("Copper", 0).text, "Default");
    EXPECT_EQ(ReadMaterialField("", 0).text, "Default");
    EXPECT_EQ(ReadMaterialField("Copper", 2).number, 1.5);
    box.write(kMaterials + "Steel.mtl", MaterialText(true, true));
    EXPECT_EQ(ReadMaterialField("  Steel ", 0).text, "Steel");
}

TEST_F(MaterialTest, WithoutAnyFileFieldsAreZeroOrEmpty) {
    EXPECT_EQ(ReadMaterialField("Copper", 0).text, "Default");
    const MaterialValue two = ReadMaterialField("Copper", 2);
    EXPECT_EQ(two.kind, MaterialValue::Kind::Number);
    EXPECT_EQ(two.number, 0);
    EXPECT_EQ(ReadMaterialField("Copper", 3).kind, MaterialValue::Kind::Empty);
    EXPECT_EQ(ReadMaterialField("Copper", 4).kind, MaterialValue::Kind::Empty);
    EXPECT_EQ(ReadMaterialField("Copper", 11).kind, MaterialValue::Kind::Text);
    EXPECT_EQ(ReadMaterialField("Copper", 11).text, "");
}

TEST_F(MaterialTest, SelectTakesValuesToolAndLibrary) {
    box.write(kMaterials + "Steel.mtl", MaterialText(true, true));
    box.write(kTools + "Thin Sheet.lkp", "******\r\n");
    SelectMaterial(" Steel ");
    const ToolingState& t = Tooling();
    EXPECT_EQ(t.CurrentMaterial, "Steel");
    EXPECT_FLOAT_EQ(t.MaterialValue1, 1.5f);
    EXPECT_FLOAT_EQ(t.MaterialValue2, 3.25f);
    EXPECT_EQ(t.ToolLibraryName, "Thin Sheet");
    EXPECT_EQ(t.ToolLibraryPrefix, kTools + "Thin Sheet.");
    EXPECT_EQ(t.Material.Field5, "MILD ST");
    EXPECT_EQ(t.Material.Field23, 4);
    EXPECT_TRUE(t.DefaultTool.Defined);
    EXPECT_EQ(t.DefaultTool.Shape, 'A');
    EXPECT_EQ(t.DefaultTool.Station, 5);
    EXPECT_EQ(t.DefaultTool.StationCode, 11);
}

TEST_F(MaterialTest, NineLinesCompleteAPunchMachineWithoutDefaultTool) {
    setKind(true, false);
    box.write(kMaterials + "Alu.mtl", MaterialText(true, false));
    SelectMaterial("Alu");
    EXPECT_EQ(Tooling().CurrentMaterial, "Alu");
    EXPECT_FLOAT_EQ(Tooling().MaterialValue2, 3.25f);
    EXPECT_FALSE(Tooling().DefaultTool.Defined);
    EXPECT_EQ(Tooling().DefaultTool.Shape, ' ');
}

TEST_F(MaterialTest, UnknownLibraryBecomesFullLibrary) {
    box.write(kMaterials + "Steel.mtl", MaterialText(true, true));
    SelectMaterial("Steel");
    EXPECT_EQ(Tooling().ToolLibraryName, "Full Library");
    EXPECT_TRUE(box.exists(kTools + "Full Library.lkp"));
}

TEST_F(MaterialTest, UnknownOrEmptyNameSelectsDefault) {
    box.write(kMaterials + "Default.mtl", MaterialText(true, true));
    for (const char* name : {"Copper", "", "   "}) {
        Tooling().CurrentMaterial = "Old";
        SelectMaterial(name);
        EXPECT_EQ(Tooling().CurrentMaterial, "Default") << '"' << name << '"';
        EXPECT_FLOAT_EQ(Tooling().MaterialValue1, 1.5f);
    }
}

TEST_F(MaterialTest, MissingDefaultLeavesZeroValues) {
    box.write(kMaterials + "Steel.mtl", MaterialText(true, true));
    SelectMaterial("Steel");
    SelectMaterial("Copper");
    EXPECT_EQ(Tooling().CurrentMaterial, "Default");
    EXPECT_EQ(Tooling().MaterialValue1, 0.0f);
    EXPECT_EQ(Tooling().MaterialValue2, 0.0f);
    EXPECT_EQ(Tooling().ToolLibraryName, "Full Library");
    EXPECT_FALSE(Tooling().DefaultTool.Defined);
}

TEST_F(MaterialTest, NoValueOfTheLastMaterialLingers) {
    box.write(kMaterials + "Steel.mtl", MaterialText(true, true));
    box.write(kMaterials + "Short.mtl", "Short\r\nGauge : 1\r\nThickness : 0.8\r\n");
    box.write(kMaterials + "Locked.mtl", MaterialText(true, true));
    box.write(kTools + "Thin Sheet.lkp", "******\r\n");
    SelectMaterial("Steel");
    SelectMaterial("Short");
    EXPECT_EQ(Tooling().CurrentMaterial, "Short");
    EXPECT_FLOAT_EQ(Tooling().MaterialValue1, 0.8f);
    EXPECT_EQ(Tooling().MaterialValue2, 0.0f);
    EXPECT_EQ(Tooling().ToolLibraryName, "Full Library");
    EXPECT_FALSE(Tooling().DefaultTool.Defined);

    SelectMaterial("Steel");
    test::FailingReads unreadable(box.platform(), "Locked.mtl");
    SelectMaterial("Locked");
    EXPECT_EQ(Tooling().CurrentMaterial, "Locked");
    EXPECT_EQ(Tooling().MaterialValue1, 0.0f);
    EXPECT_EQ(Tooling().ToolLibraryName, "Full Library");
}

TEST_F(MaterialTest, WithoutTheFullSuiteNothingChanges) {
    State().Config.FullSuite = false;
    box.write(kMaterials + "Steel.mtl", MaterialText(true, true));
    Tooling().CurrentMaterial = "Old";
    SelectMaterial("Steel");
    EXPECT_EQ(Tooling().CurrentMaterial, "Old");
    EXPECT_EQ(Tooling().ToolLibraryPrefix, "");
    EXPECT_FALSE(box.exists(kTools + "Full Library.lkp"));
}

struct ListCase {
    const char* name;
    std::vector<std::string> files;
    std::string current;
    std::vector<std::string> rows;
    int selected;
};

const ListCase kLists[] = {
    {"default first then folder order", {"Steel.mtl", "default.mtl", "Alu.mtl"}, "Default",
     {"Default", "Alu", "Steel"}, 0},
    {"current found regardless of case", {"Steel.mtl", "default.mtl", "Alu.mtl"}, "steel",
     {"Default", "Alu", "Steel"}, 2},
    {"current trimmed", {"Steel.mtl"}, " Steel ", {"Default", "Steel"}, 1},
    {"unknown current selects nothing", {"Steel.mtl"}, "Copper", {"Default", "Steel"}, -1},
    {"default listed without its file", {"Zinc.mtl"}, "default", {"Default", "Zinc"}, 0},
    {"no material file gives no rows", {"Stock.lst"}, "Default", {}, -1},
    {"other files ignored", {"Stock.lst", "Brass.mtl", "x.txt"}, "Brass", {"Default", "Brass"}, 1},
    {"dotted names keep their dots", {"St.37.mtl"}, "St.37", {"Default", "St.37"}, 1},
};

class MaterialList : public MaterialTest, public ::testing::WithParamInterface<ListCase> {};

TEST_P(MaterialList, OrderAndSelection) {
    const ListCase& c = GetParam();
    for (const std::string& f : c.files) box.write(kMaterials + f, "x\r\n");
    const ListRows rows = FillMaterialList("M1", c.current);
    EXPECT_EQ(rows.items, c.rows);
    EXPECT_EQ(rows.selected, c.selected);
    EXPECT_EQ(rows.data.size(), rows.items.size());
}

INSTANTIATE_TEST_SUITE_P(Cases, MaterialList, ::testing::ValuesIn(kLists), [](const auto& info) {
    std::string name = info.param.name;
    for (char& ch : name)
        if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
    return name;
});

TEST_F(MaterialTest, ListOfAMissingFolderIsEmpty) {
    const ListRows rows = FillMaterialList("M9", "Default");
    EXPECT_TRUE(rows.items.empty());
    EXPECT_EQ(rows.selected, -1);
}

}  // namespace
}  // namespace qv
