// The machine set-up: description values, units, folders, default files and
// the choice of the program directory.
#include <gtest/gtest.h>

#include "core/common/State.h"
#include "core/startup/MachineSetUp.h"
#include "core/startup/SystemConfiguration.h"
#include "core/tooling/StationTable.h"
#include "support/CountingPlatform.h"
#include "support/InstallationFixture.h"
#include "support/TableTest.h"

namespace qv {
namespace {

using test::InstallationFixture;
using test::InstallationLayout;
using test::MachineLayout;

MachineLayout SecondMachine() {
    MachineLayout m;
    m.number = "2";
    m.name = "Press Two";
    m.folder = "PRESS2";
    return m;
}

// An installation read up to the machine set-up.
struct Installed {
    explicit Installed(const InstallationLayout& layout = InstallationLayout()) {
        fixture.install(layout);
        Status read = ReadSystemConfiguration();
        EXPECT_TRUE(read.ok()) << read.message();
    }
    InstallationFixture fixture;
};

InstallationLayout WithMachine(const MachineLayout& m) {
    InstallationLayout layout;
    layout.machines = {m};
    return layout;
}

TEST(SetUpMachine, MetricMachineKeepsItsValues) {
    Installed in;
    Status done = SetUpMachine(1, "JOBS");
    ASSERT_TRUE(done.ok()) << done.message();
    const auto& m = State().Mach;
    EXPECT_EQ(m.Entry.Name, "Press One");
    EXPECT_EQ(m.Entry.Field3, "Field 3");
    EXPECT_EQ(m.MachinePrefix, "C:\\QUORVANE\\DATA\\Data\\PRESS1.");
    EXPECT_EQ(m.MachineMaterialFolder, "C:\\QUORVANE\\DATA\\Material\\PRESS1\\");
    EXPECT_EQ(m.StockListFile, "C:\\QUORVANE\\DATA\\Material\\PRESS1\\Stock.lst");
    EXPECT_EQ(m.MachineProfilesFolder, "C:\\QUORVANE\\DATA\\Profiles\\PRESS1\\");
    EXPECT_EQ(m.MachineShapesFolder, "C:\\QUORVANE\\DATA\\Shapes\\PRESS1\\");
    EXPECT_EQ(m.CustomShapesFolder, "C:\\QUORVANE\\DATA\\Shapes\\PRESS1\\Custom\\");
    EXPECT_EQ(m.UndefinedShapesFolder, "C:\\QUORVANE\\DATA\\Shapes\\PRESS1\\Undefined\\");
    EXPECT_FALSE(m.InchUnits);
    EXPECT_EQ(m.MachineValue3, 3);
    EXPECT_EQ(m.MachineValue4, 4);
    EXPECT_FLOAT_EQ(m.DefaultSheetX, 2500);
    EXPECT_FLOAT_EQ(m.DefaultSheetY, 1250);
    EXPECT_FLOAT_EQ(m.OtherLengths[0], 5);
    EXPECT_FLOAT_EQ(m.OtherLengths[2], 9);
    EXPECT_FLOAT_EQ(m.OtherLengths[7], 15);
    EXPECT_FLOAT_EQ(m.OtherLengths[14], 23);
    EXPECT_TRUE(m.Line14Flag);
    EXPECT_EQ(m.ClampRangeCount, 2);
    EXPECT_FLOAT_EQ(m.ClampRanges[0].Low, 100);
    EXPECT_FLOAT_EQ(m.ClampRanges[1].High, 2400);
    EXPECT_FLOAT_EQ(m.ClampRanges[2].High, 0);
}

TEST(SetUpMachine, InchMachineIsHeldInMillimetres) {
    MachineLayout m;
    m.measurement = "imperial";
    m.sheetX = "48";
    m.sheetY = "1.25";
    m.clamps = {{"2", "10.0001"}};
    Installed in(WithMachine(m));
    ASSERT_TRUE(SetUpMachine(1, "JOBS").ok());
    const auto& mach = State().Mach;
    EXPECT_TRUE(mach.ImperialMachine);
    EXPECT_TRUE(mach.InchUnits);
    EXPECT_FLOAT_EQ(mach.DefaultSheetX, 1219.2f);
    EXPECT_FLOAT_EQ(mach.DefaultSheetY, 31.75f);
    EXPECT_FLOAT_EQ(mach.OtherLengths[0], 127);
    EXPECT_EQ(mach.ClampRangeCount, 1);
    EXPECT_FLOAT_EQ(mach.ClampRanges[0].Low, 50.8f);
    EXPECT_FLOAT_EQ(mach.ClampRanges[0].High, 254.003f);  // rounded to 3 decimals
    EXPECT_EQ(mach.MachineValue3, 3);  // counts are not lengths
}

struct TypeCase {
    const char* type;
    bool punch, secondary;
    bool toolFolders;
};

class MachineTypes : public ::testing::TestWithParam<TypeCase> {};

TEST_P(MachineTypes, DecidePunchingAndItsFolders) {
    MachineLayout m;
    m.type = GetParam().type;
    Installed in(WithMachine(m));
    ASSERT_TRUE(SetUpMachine(1, "JOBS").ok());
    EXPECT_EQ(State().Mach.PunchMachine, GetParam().punch);
    EXPECT_EQ(State().Mach.SecondaryProcess, GetParam().secondary);
    for (const char* folder : {"Tools\\PRESS1", "Turrets\\PRESS1", "Profiles\\PRESS1"})
        EXPECT_EQ(in.fixture.isFolder(std::string("C:\\QUORVANE\\DATA\\") + folder), GetParam().toolFolders)
            << folder;
    EXPECT_EQ(State().Mach.MachineProfilesFolder.empty(), !GetParam().toolFolders);
    for (const char* folder : {"Circle\\Inside", "Rectangle\\Outside", "Rad-Rect", "Custom", "Undefined"})
        EXPECT_TRUE(in.fixture.isFolder(std::string("C:\\QUORVANE\\DATA\\Shapes\\PRESS1\\") + folder)) << folder;
}

INSTANTIATE_TEST_SUITE_P(Types, MachineTypes,
                         ::testing::Values(TypeCase{"20", true, false, true}, TypeCase{"21", true, true, true},
                                           TypeCase{"10", true, false, true}, TypeCase{"5", false, true, false},
                                           TypeCase{"0", false, false, false}));

struct ClampCase {
    const char* name;
    std::string count;
    int pairs;
    std::int16_t expected;
};

class ClampCounts : public ::testing::TestWithParam<ClampCase> {};

TEST_P(ClampCounts, StayWithinTheFourOfTheFormat) {
    MachineLayout m;
    m.clampCount = GetParam().count;
    m.clamps.clear();
    for (int i = 1; i <= GetParam().pairs; ++i)
        m.clamps.push_back({std::to_string(i * 10), std::to_string(i * 10 + 5)});
    Installed in(WithMachine(m));
    ASSERT_TRUE(SetUpMachine(1, "JOBS").ok());
    const auto& mach = State().Mach;
    EXPECT_EQ(mach.ClampRangeCount, GetParam().expected);
    for (int i = 0; i < 4; ++i) {
        float low = i < GetParam().expected && i < GetParam().pairs ? (i + 1) * 10.0f : 0.0f;
        EXPECT_FLOAT_EQ(mach.ClampRanges[static_cast<std::size_t>(i)].Low, low) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Counts, ClampCounts,
    ::testing::Values(ClampCase{"Three", "3", 3, 3}, ClampCase{"Four", "4", 4, 4},
                      ClampCase{"SixTakenAsFour", "6", 6, 4}, ClampCase{"ZeroTakenAsOne", "0", 1, 1},
                      ClampCase{"FractionTruncated", "2.9", 2, 2}, ClampCase{"CountBeyondTheFile", "3", 1, 3}),
    test::CaseName());

TEST(SetUpMachine, ShortDescriptionReadsMissingLinesAsZero) {
    Installed in;
    in.fixture.writeLines("C:\\QUORVANE\\DATA\\Data\\PRESS1.mch", {"Title", "Type : 21", "V3 : x7"});
    ASSERT_TRUE(SetUpMachine(1, "JOBS").ok());
    EXPECT_EQ(State().Mach.MachineType, 21);
    EXPECT_EQ(State().Mach.MachineValue3, 0);
    EXPECT_FLOAT_EQ(State().Mach.DefaultSheetX, 0);
    EXPECT_EQ(State().Mach.ClampRangeCount, 1);
}

struct DirectoryCase {
    const char* name;
    std::vector<std::string> folders;  // made in the machine folder; "-" makes no machine folder
    std::string requested;
    std::string current;
};

class DirectoryChoice : public ::testing::TestWithParam<DirectoryCase> {};

TEST_P(DirectoryChoice, FallsBackAndRewritesTheConfiguration) {
    const auto& c = GetParam();
    MachineLayout m;
    m.directories.clear();
    InstallationLayout layout = WithMachine(m);
    layout.currentDirectory = "";
    Installed in(layout);
    const std::string machineFolder = "C:\\QUORVANE\\PROGRAMS\\PRESS1";
    if (c.folders != std::vector<std::string>{"-"}) {
        in.fixture.makeFolder(machineFolder);
        for (const auto& f : c.folders) in.fixture.makeFolder(machineFolder + "\\" + f);
    }
    test::CountingPlatform counting(in.fixture.platform());
    {
        platform::ScopedPlatform scope(counting);
        ASSERT_TRUE(SetUpMachine(1, c.requested).ok());
    }
    // The machine folder is listed once at most, whatever the fallback.
    EXPECT_LE(counting.calls["listEntries"] + counting.calls["listFolders"], 1);
    EXPECT_EQ(State().Config.CurrentDirectory, c.current);
    EXPECT_TRUE(in.fixture.isFolder(machineFolder + "\\" + c.current));
    EXPECT_EQ(in.fixture.read("C:\\QUORVANE\\Quorvane.cfg"),
              "C:\\QUORVANE\\\r\nC:\\QUORVANE\\DATA\\\r\nC:\\QUORVANE\\PROGRAMS\\\r\n 1\r\n" + c.current +
                  "\r\n******\r\n");
}

INSTANTIATE_TEST_SUITE_P(
    Folders, DirectoryChoice,
    ::testing::Values(
        DirectoryCase{"RememberedDirectoryKept", {"Alpha", "JOBS", "Quorvane"}, "JOBS", "JOBS"},
        DirectoryCase{"QuorvaneFirst", {"Alpha", "Quorvane", "Quorvane Directory"}, "Gone", "Quorvane"},
        DirectoryCase{"ThenQuorvaneDirectory", {"Alpha", "Quorvane Directory"}, "Gone", "Quorvane Directory"},
        DirectoryCase{"ThenTheFirstEntry", {"Beta", "Alpha"}, "Gone", "Alpha"},
        DirectoryCase{"EmptyNameTakesTheFirst", {"Beta", "Quorvane"}, "", "Beta"},
        DirectoryCase{"ExsubsPassedOver", {"EXSUBS", "Zeta"}, "Gone", "Zeta"},
        DirectoryCase{"DriveEntryFallsBack", {"Beta"}, "A: [Floppy Disk]", "Beta"},
        DirectoryCase{"EmptyMachineFolderGetsQuorvane", {}, "JOBS", "Quorvane"},
        DirectoryCase{"MissingMachineFolderIsMade", {"-"}, "JOBS", "Quorvane"}),
    test::CaseName());

TEST(SetUpMachine, SwitchingMachinesStartsFromACleanState) {
    MachineLayout first;
    first.measurement = "IMPERIAL";
    first.clamps = {{"1", "2"}, {"3", "4"}, {"5", "6"}};
    MachineLayout second = SecondMachine();
    second.clamps = {{"100", "200"}};
    InstallationLayout layout;
    layout.machines = {first, second};
    Installed in(layout);
    ASSERT_TRUE(SetUpMachine(1, "JOBS").ok());
    ASSERT_TRUE(State().Mach.InchUnits);
    ASSERT_TRUE(SetUpMachine(2, "JOBS").ok());
    EXPECT_EQ(State().Config.SelectedMachine, 2);
    EXPECT_EQ(State().Mach.MachineFolder, "PRESS2");
    EXPECT_FALSE(State().Mach.InchUnits);
    EXPECT_EQ(State().Mach.ClampRangeCount, 1);
    EXPECT_FLOAT_EQ(State().Mach.ClampRanges[1].Low, 0);
    EXPECT_EQ(State().Config.CurrentDirectory, "JOBS");
    EXPECT_EQ(State().Config.CurrentDirectoryPath, "C:\\QUORVANE\\PROGRAMS\\PRESS2\\JOBS\\");
}

struct RefusalCase {
    const char* name;
    std::int16_t number;
    const char* file;     // changed before the set-up, or ""
    const char* content;  // its new content; nullptr removes it
    const char* message;
};

class SetUpRefusal : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(SetUpRefusal, LeavesTheCurrentMachineAsItWas) {
    const auto& c = GetParam();
    InstallationLayout layout;
    MachineLayout noFolder;
    noFolder.number = "3";
    noFolder.folder = "";
    layout.machines = {MachineLayout{}, SecondMachine(), noFolder};
    Installed in(layout);
    ASSERT_TRUE(SetUpMachine(1, "JOBS").ok());
    const std::string configuration = in.fixture.read("C:\\QUORVANE\\Quorvane.cfg");
    if (*c.file && c.content) in.fixture.write(c.file, c.content);
    if (*c.file && !c.content) in.fixture.remove(c.file);

    Status done = SetUpMachine(c.number, "JOBS");
    ASSERT_FALSE(done.ok());
    EXPECT_EQ(done.message(), c.message);
    EXPECT_EQ(State().Config.SelectedMachine, 1);
    EXPECT_EQ(State().Mach.MachineFolder, "PRESS1");
    EXPECT_EQ(StationTable()[2].Number, 2);
    EXPECT_EQ(State().Config.CurrentDirectoryPath, "C:\\QUORVANE\\PROGRAMS\\PRESS1\\JOBS\\");
    EXPECT_EQ(in.fixture.read("C:\\QUORVANE\\Quorvane.cfg"), configuration);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SetUpRefusal,
    ::testing::Values(
        RefusalCase{"NotInTheList", 9, "", nullptr,
                    "Machine 9 is not in the machine list \"C:\\QUORVANE\\Machine.lst\"."},
        RefusalCase{"NoFolderName", 3, "", nullptr,
                    "Machine 3 in the machine list \"C:\\QUORVANE\\Machine.lst\" has no folder name."},
        RefusalCase{"NoMeasurementFile", 2, "C:\\QUORVANE\\DATA\\Data\\PRESS2.msr", nullptr,
                    "The measurement file \"C:\\QUORVANE\\DATA\\Data\\PRESS2.msr\" is missing."},
        RefusalCase{"NoDescription", 2, "C:\\QUORVANE\\DATA\\Data\\PRESS2.mch", nullptr,
                    "The machine description \"C:\\QUORVANE\\DATA\\Data\\PRESS2.mch\" is missing."},
        RefusalCase{"NoStations", 2, "C:\\QUORVANE\\DATA\\Data\\PRESS2.stn", nullptr,
                    "The station file \"C:\\QUORVANE\\DATA\\Data\\PRESS2.stn\" is missing."},
        RefusalCase{"BrokenStations", 2, "C:\\QUORVANE\\DATA\\Data\\PRESS2.stn", "x,Bad\r\n",
                    "The station file \"C:\\QUORVANE\\DATA\\Data\\PRESS2.stn\" cannot be read "
                    "(C:\\QUORVANE\\DATA\\Data\\PRESS2.stn: station number \"x\" is not a number)."}),
    test::CaseName());

TEST(SetUpMachine, ExportSettingsAndStockListAreMadeOnceAndKept) {
    Installed in;
    const std::string xpt = "C:\\QUORVANE\\DATA\\Data\\PRESS1.xpt";
    const std::string stock = "C:\\QUORVANE\\DATA\\Material\\PRESS1\\Stock.lst";
    ASSERT_TRUE(SetUpMachine(1, "JOBS").ok());
    EXPECT_EQ(in.fixture.read(xpt), "0\r\nprg\r\n3\r\n2\r\nC:\\\r\n******\r\n");
    EXPECT_EQ(in.fixture.read(stock), "******\r\n");
    // The system folder's export settings are copied byte for byte when the machine has none.
    in.fixture.remove(xpt);
    in.fixture.write("C:\\QUORVANE\\Export.cfg", "1\r\nnc\r\nodd bytes\x01\r\n");
    in.fixture.write(stock, "1000 x 2000\r\n******\r\n");
    ASSERT_TRUE(SetUpMachine(1, "JOBS").ok());
    EXPECT_EQ(in.fixture.read(xpt), "1\r\nnc\r\nodd bytes\x01\r\n");
    EXPECT_EQ(in.fixture.read(stock), "1000 x 2000\r\n******\r\n");
    in.fixture.write("C:\\QUORVANE\\Export.cfg", "changed\r\n");
    ASSERT_TRUE(SetUpMachine(1, "JOBS").ok());
    EXPECT_EQ(in.fixture.read(xpt), "1\r\nnc\r\nodd bytes\x01\r\n");
}

TEST(SetUpMachine, WithoutTheFullSuiteOnlyProgramFoldersAndExportSettings) {
    MachineLayout m;
    m.descriptionFiles = false;
    InstallationLayout layout = WithMachine(m);
    layout.fullSuite = false;
    Installed in(layout);
    ASSERT_TRUE(SetUpMachine(1, "JOBS").ok());
    EXPECT_TRUE(in.fixture.exists("C:\\QUORVANE\\DATA\\Data\\PRESS1.xpt"));
    EXPECT_FALSE(in.fixture.exists("C:\\QUORVANE\\DATA\\Material"));
    EXPECT_FALSE(in.fixture.exists("C:\\QUORVANE\\DATA\\Shapes"));
    EXPECT_EQ(State().Mach.MachineType, 0);
    EXPECT_EQ(State().Config.CurrentDirectory, "JOBS");
}

}  // namespace
}  // namespace qv
