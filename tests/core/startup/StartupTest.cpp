// The start-up sequence on small installations: what it reads, derives,
// creates and refuses.
#include <gtest/gtest.h>

#include "core/common/State.h"
#include "core/common/SystemConfigurationFile.h"
#include "core/startup/Startup.h"
#include "support/CountingPlatform.h"
#include "support/ForkedChild.h"
#include "support/InstallationFixture.h"
#include "support/TableTest.h"

namespace qv {
namespace {

using test::InstallationFixture;
using test::InstallationLayout;
using test::MachineLayout;

TEST(RunStartup, FullSuiteSetsUpTheConfiguredMachineAndProcessor) {
    InstallationFixture fixture;
    fixture.install();
    Status started = RunStartup();
    ASSERT_TRUE(started.ok()) << started.message();

    const auto& config = State().Config;
    EXPECT_EQ(config.ExchangeFolder, "C:\\");
    EXPECT_EQ(config.ReverseSubsFolder, "C:\\QUORVANE\\DATA\\RevSubs\\");
    EXPECT_EQ(State().Reverse.ReverseName, "Fanuc");
    EXPECT_EQ(State().Reverse.ReverseExecutable, "FANUCRVS");
    EXPECT_FALSE(CanSelectMachine());
    EXPECT_TRUE(CanSelectReverse());
    EXPECT_EQ(fixture.read("C:\\QUORVANE\\Quorvane.cfg"),
              "C:\\QUORVANE\\\r\nC:\\QUORVANE\\DATA\\\r\nC:\\QUORVANE\\PROGRAMS\\\r\n 1\r\nJOBS\r\n******\r\n");
}

// The first program keeps its system folder: a second start there ends at once.
TEST(RunStartup, SecondProgramOnTheSameSystemFolderRefusesToStart) {
    InstallationFixture fixture;
    fixture.install();
    ASSERT_TRUE(RunStartup().ok());
    const std::string refused = "Another Quorvane is already using the system folder \"C:\\QUORVANE\\\".";
    EXPECT_EQ(test::InChild([] { return RunStartup().message(); }), refused);
    fixture.remove("C:\\QUORVANE\\Quorvane.cfg");
    EXPECT_EQ(test::InChild([] { return RunStartup().message(); }), refused);
    State().Config.CurrentDirectory = "JOBS";
    EXPECT_TRUE(WriteSystemConfiguration().ok());
}

// ".." stops at the drive root, so this is C:\QUORVANE\ itself.
TEST(RunStartup, SystemFolderClimbingAboveTheDriveStaysOnIt) {
    InstallationFixture fixture;
    fixture.install();
    fixture.writeLines("C:\\QUORVANE\\Quorvane.cfg",
                       {"..\\..\\QUORVANE\\", InstallationFixture::Data, InstallationFixture::Root, " 1", "JOBS"});
    Status started = RunStartup();
    ASSERT_TRUE(started.ok()) << started.message();
    EXPECT_EQ(State().Config.SystemFolder, "..\\..\\QUORVANE\\");
}

struct SuiteCase {
    const char* name;
    bool drawing, programming, reverse;
    bool fullSuite, reverseInstalled;
};

class SuitePrograms : public ::testing::TestWithParam<SuiteCase> {};

TEST_P(SuitePrograms, DecideWhatIsInstalledAndWhatIsRead) {
    const auto& c = GetParam();
    InstallationFixture fixture;
    InstallationLayout layout;
    layout.fullSuite = false;
    layout.reverseProduct = c.reverse;
    layout.machines[0].descriptionFiles = c.fullSuite;  // only the full suite reads them
    fixture.install(layout);
    if (c.drawing) fixture.write("C:\\QUORVANE\\Quordrw.exe", "");
    if (c.programming) fixture.write("C:\\QUORVANE\\Quorprg.exe", "");
    // Without the reverse product its list need not exist; where it does, the
    // remembered processor is still taken from it.
    const bool listed = c.reverseInstalled || std::string(c.name) != "Nothing";
    if (!listed) fixture.remove("C:\\QUORVANE\\Reverse.lst");

    Status started = RunStartup();
    ASSERT_TRUE(started.ok()) << started.message();
    EXPECT_EQ(State().Config.FullSuite, c.fullSuite);
    EXPECT_EQ(State().Config.ReverseInstalled, c.reverseInstalled);
    EXPECT_EQ(State().Config.ReverseCount(), c.reverseInstalled ? 2 : 0);
    EXPECT_EQ(State().Reverse.ReverseExecutable, listed ? "FANUCRVS" : "");
    for (const char* folder : {"C:\\QUORVANE\\Undo", "C:\\QUORVANE\\DATA\\Blocks", "C:\\QUORVANE\\DATA\\Material"})
        EXPECT_EQ(fixture.isFolder(folder), c.fullSuite) << folder;
    EXPECT_EQ(fixture.isFolder("C:\\QUORVANE\\DATA\\RevSubs"), c.reverseInstalled);
}

INSTANTIATE_TEST_SUITE_P(
    Installs, SuitePrograms,
    ::testing::Values(SuiteCase{"Everything", true, true, true, true, true},
                      SuiteCase{"NoReverseProduct", true, true, false, true, false},
                      SuiteCase{"NoProgrammingProgram", true, false, true, false, false},
                      SuiteCase{"NoDrawingProgram", false, true, true, false, false},
                      SuiteCase{"Nothing", false, false, false, false, false}),
    test::CaseName());

TEST(RunStartup, CopiesTheDefaultDataOnlyOnce) {
    InstallationFixture fixture;
    fixture.install();
    fixture.write("C:\\QUORVANE\\DATA\\Data\\Steel.dat", "first");
    fixture.write("C:\\QUORVANE\\DATA\\Data\\Sub\\Inner.dat", "inner");
    ASSERT_TRUE(RunStartup().ok());
    EXPECT_EQ(fixture.read("C:\\QUORVANE\\DATA\\Data\\Default\\Steel.dat"), "first");
    EXPECT_EQ(fixture.read("C:\\QUORVANE\\DATA\\Data\\Default\\PRESS1.mch"),
              fixture.read("C:\\QUORVANE\\DATA\\Data\\PRESS1.mch"));
    EXPECT_FALSE(fixture.exists("C:\\QUORVANE\\DATA\\Data\\Default\\Sub"));

    fixture.write("C:\\QUORVANE\\DATA\\Data\\Steel.dat", "second");
    fixture.remove("C:\\QUORVANE\\DATA\\Data\\Default\\PRESS1.mch");
    ASSERT_TRUE(RunStartup().ok());
    EXPECT_EQ(fixture.read("C:\\QUORVANE\\DATA\\Data\\Default\\Steel.dat"), "first");
    EXPECT_FALSE(fixture.exists("C:\\QUORVANE\\DATA\\Data\\Default\\PRESS1.mch"));

    fixture.remove("C:\\QUORVANE\\DATA\\Data\\Default");
    ASSERT_TRUE(RunStartup().ok());
    EXPECT_EQ(fixture.read("C:\\QUORVANE\\DATA\\Data\\Default\\Steel.dat"), "second");
}

TEST(RunStartup, ChoicesNoLongerListedGiveWay) {
    InstallationFixture fixture;
    InstallationLayout layout;
    layout.machineNumber = "9";
    layout.machines = {test::OtherMachine("4", "Press Four", "PRESS4"), MachineLayout{}};
    layout.reverseChoice = " 7";
    fixture.install(layout);
    Status started = RunStartup();
    ASSERT_TRUE(started.ok()) << started.message();
    // The list's first machine is set up and remembered; the processor stays unknown.
    EXPECT_EQ(State().Mach.MachineFolder, "PRESS4");
    EXPECT_TRUE(CanSelectMachine());
    EXPECT_NE(fixture.read("C:\\QUORVANE\\Quorvane.cfg").find("\r\n 4\r\n"), std::string::npos);
    EXPECT_EQ(State().Reverse.ReverseNumber, 7);
    EXPECT_EQ(State().Reverse.ReverseName + State().Reverse.ReverseExecutable, "");
}

struct RefusalCase {
    const char* name;
    const char* file;
    const char* content;  // written to the file; nullptr removes it, or makes it unreadable
    bool unreadable;
    const char* message;
};

class StartupRefusal : public ::testing::TestWithParam<RefusalCase> {};

// Each is found before the machine is set up, which then changes nothing.
TEST_P(StartupRefusal, StopsWithOneMessageNamingTheFile) {
    const auto& c = GetParam();
    InstallationFixture fixture;
    fixture.install();
    if (c.content) fixture.write(c.file, c.content);
    if (!c.content && !c.unreadable) fixture.remove(c.file);
    const std::string configuration = fixture.read("C:\\QUORVANE\\Quorvane.cfg");
    test::CountingPlatform counting(fixture.platform());
    if (c.unreadable) counting.unreadable.insert(c.file);
    platform::ScopedPlatform scope(counting);
    Status started = RunStartup();
    ASSERT_FALSE(started.ok());
    EXPECT_EQ(started.message(), c.message);
    EXPECT_EQ(fixture.read("C:\\QUORVANE\\Quorvane.cfg"), configuration);
    EXPECT_FALSE(fixture.exists("C:\\QUORVANE\\DATA\\Data\\PRESS1.xpt"));
}

INSTANTIATE_TEST_SUITE_P(
    Files, StartupRefusal,
    ::testing::Values(
        RefusalCase{"NoConfiguration", "C:\\QUORVANE\\Quorvane.cfg", nullptr, false,
                    "The system configuration \"Quorvane.cfg\" in the working folder \"C:\\QUORVANE\\\" is "
                    "missing. Quorvane is to be started with the system folder as its working folder."},
        RefusalCase{"NoMachineList", "C:\\QUORVANE\\Machine.lst", nullptr, false,
                    "The machine list \"C:\\QUORVANE\\Machine.lst\" is missing."},
        RefusalCase{"UnreadableMachineList", "C:\\QUORVANE\\Machine.lst", nullptr, true,
                    "The machine list \"C:\\QUORVANE\\Machine.lst\" cannot be read "
                    "(C:\\QUORVANE\\Machine.lst: permission denied)."},
        RefusalCase{"EmptyMachineList", "C:\\QUORVANE\\Machine.lst", "******\r\n", false,
                    "The machine list \"C:\\QUORVANE\\Machine.lst\" lists no machine."},
        RefusalCase{"NoReverseList", "C:\\QUORVANE\\Reverse.lst", nullptr, false,
                    "The reverse processor list \"C:\\QUORVANE\\Reverse.lst\" is missing."},
        RefusalCase{"NoReverseChoice", "C:\\QUORVANE\\Reverse.cfg", nullptr, false,
                    "The reverse processor choice \"C:\\QUORVANE\\Reverse.cfg\" is missing."}),
    test::CaseName());

}  // namespace
}  // namespace qv
