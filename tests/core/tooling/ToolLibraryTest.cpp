// Choosing the tool library and the companion files created for it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/common/State.h"
#include "core/tooling/ToolLibrary.h"
#include "core/tooling/ToolingState.h"
#include "support/Sandbox.h"
#include "support/TableTest.h"

namespace qv {
namespace {

const std::string kTools = "C:\\QV\\DATA\\Tools\\M1\\";
const std::string kTurrets = "C:\\QV\\DATA\\Turrets\\M1\\";
const std::string kList = "******\r\n";
const std::string kLayout2 = "1, , , 0, 0, 0, 0, , 0\r\n2, , , 0, 0, 0, 0, , 0\r\n******\r\n";

class ToolLibraryTest : public ::testing::Test {
protected:
    void SetUp() override {
        State().Mach.PunchMachine = true;
        State().Mach.MachineValue3 = 2;
        box.makeFolder(kTools);
        box.makeFolder(kTurrets);
    }
    test::MachineSandbox box;
};

struct ChoiceCase {
    const char* name;
    std::vector<std::string> listFiles;  // ".lkp" files already in the tool folder
    std::string wanted;
    std::string chosen;
};

const ChoiceCase kChoices[] = {
    {"named library present", {"Thin.lkp", "Full Library.lkp"}, "Thin", "Thin"},
    {"name trimmed", {"Thin.lkp"}, "  Thin ", "Thin"},
    {"named library missing, full present", {"Full Library.lkp", "Alpha.lkp"}, "Thick", "Full Library"},
    {"no list file at all", {}, "Thick", "Full Library"},
    {"empty name and no list file", {}, "", "Full Library"},
    {"named and full missing: first list file", {"Beta.lkp", "alpha.lkp"}, "Thick", "alpha"},
    {"empty name: first list file", {"Beta.lkp"}, "", "Beta"},
};

class LibraryChoice : public ToolLibraryTest, public ::testing::WithParamInterface<ChoiceCase> {};

TEST_P(LibraryChoice, FallsBackToFullLibrary) {
    const ChoiceCase& c = GetParam();
    for (const std::string& f : c.listFiles) box.write(kTools + f, kList);
    Tooling().ToolLibraryName = c.wanted;
    PrepareToolLibrary();
    EXPECT_EQ(Tooling().ToolLibraryName, c.chosen);
    EXPECT_EQ(Tooling().ToolLibraryPrefix, kTools + c.chosen + ".");
    EXPECT_EQ(box.read(kTools + c.chosen + ".lkp"), kList);
    EXPECT_TRUE(box.exists(kTools + c.chosen + ".dft"));
}

INSTANTIATE_TEST_SUITE_P(Cases, LibraryChoice, ::testing::ValuesIn(kChoices), test::CaseName());

TEST_F(ToolLibraryTest, CreatesTheSixFilesByteForByte) {
    box.write(kTools + "Thin.lkp", "A,1\r\n******\r\n");
    Tooling().ToolLibraryName = "Thin";
    PrepareToolLibrary();
    EXPECT_EQ(box.read(kTools + "Thin.lkp"), "A,1\r\n******\r\n");  // kept
    for (const std::string& list : {kTools + "Full Library.lkp", kTurrets + "Thin.lkp", kTurrets + "Full Library.lkp"})
        EXPECT_EQ(box.read(list), kList) << list;
    EXPECT_EQ(box.read(kTurrets + "Thin.0"), kLayout2);
    EXPECT_EQ(box.read(kTurrets + "Full Library.0"), kLayout2);
    EXPECT_EQ(box.read(kTools + "Thin.dft"), "");
    EXPECT_FALSE(box.exists(kTools + "Full Library.dft"));
}

TEST_F(ToolLibraryTest, ExistingFilesAreLeftAlone) {
    const std::string dft(47 * 2 + 5, '\x07');  // two records and a partial one
    box.write(kTools + "Full Library.lkp", "keep 1");
    box.write(kTurrets + "Full Library.0", "keep 2");
    box.write(kTools + "Full Library.dft", dft);
    PrepareToolLibrary();
    EXPECT_EQ(box.read(kTools + "Full Library.lkp"), "keep 1");
    EXPECT_EQ(box.read(kTurrets + "Full Library.0"), "keep 2");
    EXPECT_EQ(box.read(kTools + "Full Library.dft"), dft);
}

TEST(TurretLayoutText, FollowsTheStationCount) {
    EXPECT_EQ(TurretLayoutText(-3), kList);
    EXPECT_NE(TurretLayoutText(12).find("\r\n12, , , 0, 0, 0, 0, , 0\r\n******\r\n"), std::string::npos);
}

TEST_F(ToolLibraryTest, AFailingStepIsSkipped) {
    // No turret folder: its four files cannot be made, the tool folder's still are.
    box.remove(kTurrets);
    PrepareToolLibrary();
    EXPECT_EQ(Tooling().ToolLibraryName, "Full Library");
    EXPECT_EQ(box.read(kTools + "Full Library.lkp"), kList);
    EXPECT_TRUE(box.exists(kTools + "Full Library.dft"));
    EXPECT_FALSE(box.exists(kTurrets + "Full Library.0"));
}

TEST_F(ToolLibraryTest, NonPunchMachineOnlySetsThePrefix) {
    State().Mach.PunchMachine = false;
    Tooling().ToolLibraryName = "Thick";
    PrepareToolLibrary();
    EXPECT_EQ(Tooling().ToolLibraryName, "Thick");
    EXPECT_EQ(Tooling().ToolLibraryPrefix, kTools + "Thick.");
    EXPECT_FALSE(box.exists(kTools + "Full Library.lkp"));
    EXPECT_FALSE(box.exists(kTools + "Thick.dft"));
}

}  // namespace
}  // namespace qv
