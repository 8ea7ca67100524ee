// The machine set-up: description values, units, folders, default files and
// the choice of the program directory.
#include <gtest/gtest.h>

#include <sstream>

#include "core/common/State.h"
#include "core/exchange/FileSet.h"
#include "core/startup/MachineSetUp.h"
#include "core/startup/SystemConfiguration.h"
#include "core/tooling/StationTable.h"
#include "support/CountingPlatform.h"
#include "support/ForkedChild.h"
#include "support/SysFaults.h"
#include "support/Fields.h"
#include "support/InstallationFixture.h"

namespace qv {
namespace {

using test::InstallationFixture;
using test::InstallationLayout;
using test::MachineLayout;

// An installation read up to the machine set-up.
struct Installed {
    explicit Installed(const InstallationLayout& layout = InstallationLayout()) {
        fixture.install(layout);
        Status read = ReadSystemConfiguration();
        EXPECT_TRUE(read.ok()) << read.message();
    }
    InstallationFixture fixture;
};

InstallationLayout WithMachines(std::vector<MachineLayout> machines) {
    InstallationLayout layout;
    layout.machines = std::move(machines);
    return layout;
}

// The description values held, as one line: the type and what it makes of
// the machine, values 3 and 4, the sheet, the clamp ranges, lines 5, 15 and
// 23 (either side of the flag and the clamp count) and the units.
std::string Held(const Machine& m) {
    std::ostringstream out;
    out << m.MachineType << (m.PunchMachine ? " punch" : "") << (m.SecondaryProcess ? " secondary" : "") << " | "
        << m.MachineValue3 << " " << m.MachineValue4 << " | " << m.DefaultSheetX << "x" << m.DefaultSheetY << " | "
        << m.ClampRangeCount << ":";
    for (const ClampRange& r : m.ClampRanges) out << " " << r.Low << "-" << r.High;
    out << " | " << m.OtherLengths[0] << " " << m.OtherLengths[7] << " " << m.OtherLengths[14]
        << (m.Line14Flag ? " yes" : "") << (m.InchUnits ? " inch" : "");
    return out.str();
}

// Clamp ranges 10-15, 20-25... and the count line as given.
void Clamps(MachineLayout& m, const char* count, int pairs) {
    m.clampCount = count;
    m.clamps.clear();
    for (int i = 1; i <= pairs; ++i) m.clamps.push_back({std::to_string(i * 10), std::to_string(i * 10 + 5)});
}

// What the default layout holds around a type and clamp ranges.
std::string Usual(const char* type, const char* clamps = "2: 100-900 1200-2400 0-0 0-0") {
    return std::string(type) + " | 3 4 | 2500x1250 | " + clamps + " | 5 15 23 yes";
}

TEST(SetUpMachine, DescriptionIsHeldInMillimetresWithinTheFormat) {
    const struct { const char* name; void (*change)(MachineLayout&); std::string held; } cases[] = {
        {"Metric", [](MachineLayout&) {}, Usual("20 punch")},
        {"InchesRoundedToThreeDecimals", [](MachineLayout& m) {
             m.measurement = "imperial", m.sheetX = "48", m.sheetY = "1.25", m.clamps = {{"2", "10.0001"}};
         },
         "20 punch | 3 4 | 1219.2x31.75 | 1: 50.8-254.003 0-0 0-0 0-0 | 127 381 584.2 yes inch"},
        {"Type5", [](MachineLayout& m) { m.type = "5"; }, Usual("5 secondary")},
        {"SixClampsTakenAsFour", [](MachineLayout& m) { Clamps(m, "6", 6); },
         Usual("20 punch", "4: 10-15 20-25 30-35 40-45")},
        {"ZeroClampsAsOne", [](MachineLayout& m) { Clamps(m, "0", 1); }, Usual("20 punch", "1: 10-15 0-0 0-0 0-0")},
        {"CountTruncated", [](MachineLayout& m) { Clamps(m, "2.9", 2); }, Usual("20 punch", "2: 10-15 20-25 0-0 0-0")},
        {"ShortFileReadsZeros", [](MachineLayout& m) { m.description = {"Title", "Type : 21", "V3 : x7"}; },
         "21 punch secondary | 0 0 | 0x0 | 1: 0-0 0-0 0-0 0-0 | 0 0 0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        MachineLayout m;
        c.change(m);
        Installed in(WithMachines({m}));
        Status done = SetUpMachine(1, "JOBS");
        ASSERT_TRUE(done.ok()) << done.message();
        const Machine& mach = State().Mach;
        EXPECT_EQ(Held(mach), c.held);
        // Only a punching machine has profiles and tool and turret folders.
        EXPECT_EQ(mach.MachineProfilesFolder.empty(), !mach.PunchMachine);
        for (const char* folder : {"Tools\\PRESS1", "Turrets\\PRESS1", "Profiles\\PRESS1"})
            EXPECT_EQ(in.fixture.isFolder(std::string("C:\\QUORVANE\\DATA\\") + folder), mach.PunchMachine) << folder;
    }
}

// The machine folder is listed once at most, whatever the fallback; the fallbacks within
// the listing are the folder tests'.
TEST(SetUpMachine, DirectoryChoiceFallsBackFromOneListingOfTheMachineFolder) {
    // folders: made in the machine folder; "-" makes no machine folder.
    const struct { std::vector<std::string> folders; std::string requested, current; } cases[] = {
        {{"Alpha", "JOBS"}, " jobs", "JOBS"}, {{"Beta", "Quorvane"}, "", "Beta"}, {{}, "JOBS", "Quorvane"},
        {{"Alpha", "Quorvane", "Quorvane Directory"}, "Gone", "Quorvane"}, {{"-"}, "JOBS", "Quorvane"},
        {{"Alpha", "Quorvane Directory"}, "Gone", "Quorvane Directory"},
    };
    const std::string machineFolder = "C:\\QUORVANE\\PROGRAMS\\PRESS1";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.requested + " " + c.current);
        MachineLayout m;
        m.directories.clear();
        InstallationLayout layout = WithMachines({m});
        layout.currentDirectory = "";
        Installed in(layout);
        if (c.folders != std::vector<std::string>{"-"}) {
            in.fixture.makeFolder(machineFolder);
            for (const auto& f : c.folders) in.fixture.makeFolder(machineFolder + "\\" + f);
        }
        test::CountingPlatform counting(in.fixture.platform());
        {
            platform::ScopedPlatform scope(counting);
            ASSERT_TRUE(SetUpMachine(1, c.requested).ok());
        }
        EXPECT_LE(counting.calls["listEntries"] + counting.calls["listFolders"], 1);
        EXPECT_EQ(State().Config.CurrentDirectory, c.current);
        EXPECT_TRUE(in.fixture.isFolder(machineFolder + "\\" + c.current));
    }
}

// A set move that lost its drive half-way left a source under a staging
// name, and a killed write its temporary file; the next set-up puts the
// source back and removes the intent record and the temporary file.
TEST(SetUpMachine, PutsRightWhatACrashLeftInAProgramDirectory) {
    MachineLayout m;
    m.directories = {"JOBS", "PARTS"};
    Installed in(WithMachines({m}));
    const std::string jobs = "C:\\QUORVANE\\PROGRAMS\\PRESS1\\JOBS\\";
    const std::string parts = "C:\\QUORVANE\\PROGRAMS\\PRESS1\\PARTS\\";
    for (const char* name : {"A.drw", "A.prg"}) in.fixture.write(jobs + name, name);
    {
        test::SysFaults faults;
        faults.arm({test::kSysRename, 3, true});
        ASSERT_EQ(MoveFileSet(jobs, "A", parts, "A", 3, [](const std::string&) { return true; }).count(), 0);
    }
    ASSERT_EQ(in.fixture.names(parts).size(), 2u);  // one source and the record
    in.fixture.write(jobs + ".~qv" + std::to_string(test::EndedProcessId()) + "-1.tmp", "half a write");
    ASSERT_TRUE(SetUpMachine(1, "JOBS").ok());
    EXPECT_EQ(in.fixture.names(parts), std::vector<std::string>{});
    EXPECT_EQ(in.fixture.names(jobs), (std::vector<std::string>{"A.drw", "A.prg"}));
    EXPECT_EQ(in.fixture.read(jobs + "A.drw"), "A.drw");
}

TEST(SetUpMachine, RefusalLeavesTheCurrentMachineAndAChangeStartsFromACleanState) {
    // file: changed before the set-up, or ""; content: its new content; nullptr removes it.
    const struct { std::int16_t number; const char *file, *content, *message; } cases[] = {
        {9, "", nullptr, "Machine 9 is not in the machine list \"C:\\QUORVANE\\Machine.lst\"."},
        {3, "", nullptr, "Machine 3 in the machine list \"C:\\QUORVANE\\Machine.lst\" has no folder name."},
        {2, "C:\\QUORVANE\\DATA\\Data\\PRESS2.msr", nullptr,
         "The measurement file \"C:\\QUORVANE\\DATA\\Data\\PRESS2.msr\" is missing."},
        {2, "C:\\QUORVANE\\DATA\\Data\\PRESS2.mch", nullptr,
         "The machine description \"C:\\QUORVANE\\DATA\\Data\\PRESS2.mch\" is missing."},
        {2, "C:\\QUORVANE\\DATA\\Data\\PRESS2.stn", nullptr,
         "The station file \"C:\\QUORVANE\\DATA\\Data\\PRESS2.stn\" is missing."},
        {2, "C:\\QUORVANE\\DATA\\Data\\PRESS2.stn", "x,Bad\r\n",
         "The station file \"C:\\QUORVANE\\DATA\\Data\\PRESS2.stn\" cannot be read "
         "(C:\\QUORVANE\\DATA\\Data\\PRESS2.stn: station number \"x\" is not a number)."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        Installed in(WithMachines({MachineLayout{}, test::OtherMachine("2", "Press Two", "PRESS2"),
                                   test::OtherMachine("3", "Press Three", "")}));
        ASSERT_TRUE(SetUpMachine(1, "JOBS").ok());
        const std::string configuration = in.fixture.read("C:\\QUORVANE\\Quorvane.cfg");
        if (*c.file && c.content) in.fixture.write(c.file, c.content);
        if (*c.file && !c.content) in.fixture.remove(c.file);
        EXPECT_EQ(SetUpMachine(c.number, "JOBS").message(), c.message);
        EXPECT_EQ(test::Fields(State().Config.SelectedMachine, State().Mach.MachineFolder, StationTable()[2].Number,
                               State().Config.CurrentDirectoryPath),
                  "1 PRESS1 2 C:\\QUORVANE\\PROGRAMS\\PRESS1\\JOBS\\");
        EXPECT_EQ(in.fixture.read("C:\\QUORVANE\\Quorvane.cfg"), configuration);
    }
    // A change that is made starts from a clean state.
    MachineLayout first;
    first.measurement = "IMPERIAL";
    first.clamps = {{"1", "2"}, {"3", "4"}, {"5", "6"}};
    MachineLayout second = test::OtherMachine("2", "Press Two", "PRESS2");
    second.clamps = {{"100", "200"}};
    Installed in(WithMachines({first, second}));
    ASSERT_TRUE(SetUpMachine(1, "JOBS").ok());
    ASSERT_TRUE(State().Mach.InchUnits);
    ASSERT_TRUE(SetUpMachine(2, "JOBS").ok());
    EXPECT_EQ(test::Fields(State().Config.SelectedMachine, State().Mach.MachineFolder, State().Config.CurrentDirectory,
                           State().Config.CurrentDirectoryPath, Held(State().Mach)),
              "2 PRESS2 JOBS C:\\QUORVANE\\PROGRAMS\\PRESS2\\JOBS\\ " + Usual("20 punch", "1: 100-200 0-0 0-0 0-0"));
}

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

}  // namespace
}  // namespace qv
