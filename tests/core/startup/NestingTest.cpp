// The nesting option step: its level and the files and folder it makes.
#include <gtest/gtest.h>

#include <optional>

#include "core/common/State.h"
#include "core/startup/Nesting.h"
#include "support/InstallationFixture.h"
#include "support/TableTest.h"

namespace qv {
namespace {

using test::InstallationFixture;

const char* const NestFile = "C:\\QUORVANE\\DATA\\Data\\PRESS1.nst";
const std::string NewNestFile =
    "Nesting ? (Yes / No)                         : No\r\n******\r\n";

const std::nullopt_t None = std::nullopt;

struct NestingCase {
    const char* name;
    std::optional<std::string> nestingCfg;  // nullopt: no "Nesting.cfg"
    bool nestingProgram;                    // "Quornst.exe"
    bool fullSuite;
    std::optional<std::string> machineFile;  // nullopt: no machine nesting file
    std::int16_t level;
    bool madeAnew;  // the machine file is (re)written with the answer "No"
};

class NestingLevels : public ::testing::TestWithParam<NestingCase> {};

TEST_P(NestingLevels, FollowTheFilesPresent) {
    const auto& c = GetParam();
    InstallationFixture fixture;
    fixture.makeFolder("C:\\QUORVANE\\DATA\\Data");
    fixture.write("C:\\QUORVANE\\NEST\\Setup.nsc", "setup");
    if (c.nestingCfg) fixture.write("C:\\QUORVANE\\Nesting.cfg", *c.nestingCfg);
    if (c.nestingProgram) fixture.write("C:\\QUORVANE\\Quornst.exe", "");
    if (c.machineFile) fixture.write(NestFile, *c.machineFile);
    State().Config.SystemFolder = "C:\\QUORVANE\\";
    State().Config.FullSuite = c.fullSuite;
    State().Config.NestingLevel = 7;
    State().Mach.MachinePrefix = "C:\\QUORVANE\\DATA\\Data\\PRESS1.";

    SetUpNesting();
    EXPECT_EQ(State().Config.NestingLevel, c.level);
    const std::optional<std::string> after = c.madeAnew ? NewNestFile : c.machineFile;
    EXPECT_EQ(fixture.exists(NestFile) ? std::optional<std::string>(fixture.read(NestFile)) : None, after);
    EXPECT_EQ(fixture.isFolder("C:\\QUORVANE\\Nesting"), c.level == 2);
}

const std::string Setup = "C:\\QUORVANE\\NEST\\Setup.nsc\r\n";
const std::string Yes = "Nesting ? (Yes / No) : Yes\r\n******\r\n";

INSTANTIATE_TEST_SUITE_P(
    Cases, NestingLevels,
    ::testing::Values(NestingCase{"NoConfiguration", None, true, true, None, 0, false},
                      NestingCase{"NoNestingProgram", Setup, false, true, None, 1, false},
                      NestingCase{"NotTheFullSuite", Setup, true, false, Yes, 1, false},
                      NestingCase{"EndMarkerFirst", "******\r\n", true, true, None, 1, false},
                      NestingCase{"EmptyFirstLine", "\r\n" + Setup, true, true, None, 1, false},
                      NestingCase{"EmptyConfiguration", "", true, true, None, 1, false},
                      NestingCase{"SetupFileMissing", "C:\\QUORVANE\\NEST\\Gone.nsc\r\n", true, true, None, 1, false},
                      NestingCase{"MachineFileMadeWithNo", Setup, true, true, None, 1, true},
                      NestingCase{"EmptyMachineFileRewritten", Setup, true, true, "", 1, true},
                      NestingCase{"MachineAnswersNo", Setup, true, true, "Nesting ? : no\r\n******\r\n", 1, false},
                      NestingCase{"MachineAnswersYes", Setup, true, true, Yes, 2, false},
                      NestingCase{"AnyOtherAnswerNests", Setup, true, true, "Nest : maybe\r\n", 2, false}),
    test::CaseName());

}  // namespace
}  // namespace qv
