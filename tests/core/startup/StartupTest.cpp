// The start-up sequence on small installations: what it reads, derives,
// creates and refuses; the PDF reader and manuals folder it locates and
// records; the nesting option's level and the files and folder it makes.
#include <gtest/gtest.h>

#include <optional>

#include "core/common/State.h"
#include "core/common/SystemConfigurationFile.h"
#include "core/startup/Manuals.h"
#include "core/startup/Nesting.h"
#include "core/startup/Startup.h"
#include "core/tooling/ToolingState.h"
#include "support/CountingPlatform.h"
#include "support/Fields.h"
#include "support/ForkedChild.h"
#include "support/InstallationFixture.h"

namespace qv {
namespace {

using test::InstallationFixture;
using test::InstallationLayout;
using test::MachineLayout;

TEST(RunStartup, SuiteProgramsDecideWhatIsInstalledAndWhatIsRead) {
    const struct { const char* name; bool drawing, programming, reverse, fullSuite, reverseInstalled; } cases[] = {
        {"Everything", true, true, true, true, true}, {"NoReverseProduct", true, true, false, true, false},
        {"NoProgrammingProgram", true, false, true, false, false},
        {"NoDrawingProgram", false, true, true, false, false}, {"Nothing", false, false, false, false, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
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
        const Configuration& config = State().Config;
        EXPECT_EQ((std::vector<int>{config.FullSuite, config.ReverseInstalled, config.ReverseCount()}),
                  (std::vector<int>{c.fullSuite, c.reverseInstalled, c.reverseInstalled ? 2 : 0}));
        EXPECT_EQ(State().Reverse.ReverseName + State().Reverse.ReverseExecutable, listed ? "FanucFANUCRVS" : "");
        EXPECT_EQ(config.ExchangeFolder + config.ReverseSubsFolder, "C:\\C:\\QUORVANE\\DATA\\RevSubs\\");
        for (const char* folder : {"Undo", "DATA\\Blocks", "DATA\\Material", "DATA\\Shapes"})
            EXPECT_EQ(fixture.isFolder(std::string("C:\\QUORVANE\\") + folder), c.fullSuite) << folder;
        EXPECT_EQ(fixture.isFolder("C:\\QUORVANE\\DATA\\RevSubs"), c.reverseInstalled);
        EXPECT_TRUE(fixture.exists("C:\\QUORVANE\\DATA\\Data\\PRESS1.xpt"));  // whatever the suite
        // Only the full suite has materials and a tool library.
        EXPECT_EQ(Tooling().ToolLibraryPrefix, c.fullSuite ? "C:\\QUORVANE\\DATA\\Tools\\PRESS1\\Full Library." : "");
    }
}

// The first program keeps its system folder: a second start there ends at once.
TEST(RunStartup, CopiesTheDefaultDataOnlyOnceAndASecondProgramOnTheSameSystemFolderRefusesToStart) {
    const std::string data = "C:\\QUORVANE\\DATA\\Data\\";
    InstallationFixture fixture;
    fixture.install();
    fixture.write(data + "Steel.dat", "first");
    fixture.write(data + "Sub\\Inner.dat", "inner");
    ASSERT_TRUE(RunStartup().ok());
    EXPECT_EQ(fixture.read(data + "Default\\Steel.dat"), "first");
    EXPECT_EQ(fixture.read(data + "Default\\PRESS1.mch"), fixture.read(data + "PRESS1.mch"));
    EXPECT_FALSE(fixture.exists(data + "Default\\Sub"));

    fixture.write(data + "Steel.dat", "second");
    fixture.remove(data + "Default\\PRESS1.mch");
    ASSERT_TRUE(RunStartup().ok());
    EXPECT_EQ(fixture.read(data + "Default\\Steel.dat"), "first");
    EXPECT_FALSE(fixture.exists(data + "Default\\PRESS1.mch"));

    const std::string refused = "Another Quorvane is already using the system folder \"C:\\QUORVANE\\\".";
    EXPECT_EQ(test::InChild([] { return RunStartup().message(); }), refused);
    fixture.remove("C:\\QUORVANE\\Quorvane.cfg");
    EXPECT_EQ(test::InChild([] { return RunStartup().message(); }), refused);
    State().Config.CurrentDirectory = "JOBS";
    EXPECT_TRUE(WriteSystemConfiguration().ok());
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
    EXPECT_EQ(test::Fields(State().Mach.MachineFolder, CanSelectMachine(), State().Reverse.ReverseNumber,
                           State().Reverse.ReverseName + State().Reverse.ReverseExecutable),
              "PRESS4 1 7 ");
    EXPECT_NE(fixture.read("C:\\QUORVANE\\Quorvane.cfg").find("\r\n 4\r\n"), std::string::npos);
}

// Each is found before the machine is set up, which then changes nothing.
TEST(RunStartup, RefusalStopsWithOneMessageNamingTheFile) {
    // content: written to the file; nullptr removes it, or makes it unreadable.
    const struct { const char *file, *content; bool unreadable; const char* message; } cases[] = {
        {"C:\\QUORVANE\\Quorvane.cfg", nullptr, false,
         "The system configuration \"Quorvane.cfg\" in the working folder \"C:\\QUORVANE\\\" is "
         "missing. Quorvane is to be started with the system folder as its working folder."},
        {"C:\\QUORVANE\\Machine.lst", nullptr, false, "The machine list \"C:\\QUORVANE\\Machine.lst\" is missing."},
        {"C:\\QUORVANE\\Machine.lst", nullptr, true,
         "The machine list \"C:\\QUORVANE\\Machine.lst\" cannot be read "
         "(C:\\QUORVANE\\Machine.lst: permission denied)."},
        {"C:\\QUORVANE\\Machine.lst", "******\r\n", false,
         "The machine list \"C:\\QUORVANE\\Machine.lst\" lists no machine."},
        {"C:\\QUORVANE\\Reverse.lst", nullptr, false,
         "The reverse processor list \"C:\\QUORVANE\\Reverse.lst\" is missing."},
        {"C:\\QUORVANE\\Reverse.cfg", nullptr, false,
         "The reverse processor choice \"C:\\QUORVANE\\Reverse.cfg\" is missing."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        InstallationFixture fixture;
        fixture.install();
        if (c.content) fixture.write(c.file, c.content);
        if (!c.content && !c.unreadable) fixture.remove(c.file);
        const std::string configuration = fixture.read("C:\\QUORVANE\\Quorvane.cfg");
        test::CountingPlatform counting(fixture.platform());
        if (c.unreadable) counting.unreadable.insert(c.file);
        platform::ScopedPlatform scope(counting);
        EXPECT_EQ(RunStartup().message(), c.message);
        EXPECT_EQ(fixture.read("C:\\QUORVANE\\Quorvane.cfg"), configuration);
        EXPECT_FALSE(fixture.exists("C:\\QUORVANE\\DATA\\Data\\PRESS1.xpt"));
    }
}

const char* const AcrobatCfg = "C:\\QUORVANE\\Acrobat.cfg";
const char* const ManualsCfg = "C:\\QUORVANE\\Manuals.cfg";
const char* const Reader5 = "C:\\Program Files\\Adobe\\Acrobat 5.0\\Reader\\AcroRd32.exe";

// The reader is the last match in name order.
TEST(LocateManuals, FirstStartRecordsWhatItFindsOrTriesAgainNextTime) {
    InstallationFixture fixture;
    EXPECT_FALSE(FindPdfReader().has_value());
    LocateManuals();
    EXPECT_EQ(State().Config.ReaderPath, "");
    EXPECT_FALSE(fixture.exists(AcrobatCfg) || fixture.exists(ManualsCfg));

    const std::string adobe = "C:\\Program Files\\Adobe\\", reader = adobe + "Acrobat 5.0\\Reader\\ACRORD32.EXE";
    fixture.makeFolder(adobe + "Acrobat 6.0\\Reader");
    EXPECT_EQ(FindPdfReader(), std::optional<std::string>(""));  // found nothing, which is no failure
    for (const char* file : {"Acrobat 4.0\\Acrobat\\Acrobat.exe", "Acrobat 5.0\\Reader\\ACRORD32.EXE",
                             "Acrobat 5.0\\Setup\\AcroRd32.exe", "Acrobat 5.0\\Reader\\Other.exe",
                             "Photoshop\\Reader\\AcroRd32.exe"})
        fixture.write(adobe + file, "");
    LocateManuals();
    // The new manuals folder holds no manual.
    const bool made = fixture.isFolder("C:\\QUORVANE\\Manuals");
    const Configuration& config = State().Config;
    EXPECT_EQ(test::Fields(config.ReaderPath, made, config.ManualsFolder), reader + " 1 ");
    EXPECT_EQ(fixture.read(AcrobatCfg) + fixture.read(ManualsCfg),
              reader + "\r\n******\r\nC:\\QUORVANE\\Manuals\\\r\n******\r\n");

    fixture.write("C:\\QUORVANE\\Manuals\\Guide.pdf", "pdf");
    LocateManuals();
    EXPECT_EQ(State().Config.ManualsFolder, "C:\\QUORVANE\\Manuals\\");
}

TEST(LocateManuals, RecordedFilesAreReadAndNeverRewritten) {
    // acrobat: first line of "Acrobat.cfg"; manuals: first line of "Manuals.cfg". The end marker: no reader, and
    // no search.
    const struct { std::string acrobat, manuals; const char *readerPath, *manualsFolder; } cases[] = {
        {"******", "C:\\DOCS\\", "", "C:\\DOCS\\"}, {"C:\\a.e", "C:\\DOCS\\", "", "C:\\DOCS\\"},
        {"C:\\Program Files\\Gone\\AcroRd32.exe", "C:\\DOCS\\", "", "C:\\DOCS\\"},
        {Reader5, "  C:\\DOCS  ", Reader5, "C:\\DOCS\\"},         {Reader5, "C:\\EMPTY\\", Reader5, ""},
        {Reader5, "******", Reader5, "C:\\QUORVANE\\Manuals\\"}, {Reader5, "X", Reader5, "C:\\QUORVANE\\Manuals\\"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.acrobat + " " + c.manuals);
        InstallationFixture fixture;
        fixture.write(Reader5, "exe");  // would be found by a search
        fixture.write("C:\\DOCS\\Guide.pdf", "pdf");
        fixture.makeFolder("C:\\EMPTY");
        fixture.write("C:\\QUORVANE\\Manuals\\Default.pdf", "pdf");
        fixture.writeLines(AcrobatCfg, {c.acrobat, "******"});
        fixture.writeLines(ManualsCfg, {c.manuals, "******"});
        const std::string files = fixture.read(AcrobatCfg) + fixture.read(ManualsCfg);
        LocateManuals();
        EXPECT_EQ(State().Config.ReaderPath + "|" + State().Config.ManualsFolder,
                  std::string(c.readerPath) + "|" + c.manualsFolder);
        EXPECT_EQ(fixture.read(AcrobatCfg) + fixture.read(ManualsCfg), files);
    }
}

// nestingCfg: nullopt: no "Nesting.cfg"; program: "Quornst.exe" is there; machineFile: nullopt: no machine nesting
// file; madeAnew: the machine file is (re)written with the answer "No".
TEST(SetUpNesting, LevelsFollowTheFilesPresent) {
    const char* const nestFile = "C:\\QUORVANE\\DATA\\Data\\PRESS1.nst";
    const std::string setup = "C:\\QUORVANE\\NEST\\Setup.nsc\r\n", yes = "Nesting ? (Yes / No) : Yes\r\n******\r\n";
    const auto none = std::nullopt;
    using Text = std::optional<std::string>;
    const struct { Text nestingCfg; bool program, fullSuite; Text machineFile; int level; bool madeAnew; } cases[] = {
        {none, true, true, none, 0, false},           {setup, false, true, none, 1, false},
        {setup, true, false, yes, 1, false},          {"******\r\n", true, true, none, 1, false},
        {"\r\n" + setup, true, true, none, 1, false}, {"", true, true, none, 1, false},
        {"C:\\QUORVANE\\NEST\\Gone.nsc\r\n", true, true, none, 1, false},
        {setup, true, true, none, 1, true},           {setup, true, true, "", 1, true},
        {setup, true, true, "Nesting ? : no\r\n******\r\n", 1, false}, {setup, true, true, yes, 2, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.nestingCfg.value_or("no Nesting.cfg") + " / " + c.machineFile.value_or("no machine file"));
        InstallationFixture fixture;
        fixture.makeFolder("C:\\QUORVANE\\DATA\\Data");
        fixture.write("C:\\QUORVANE\\NEST\\Setup.nsc", "setup");
        if (c.nestingCfg) fixture.write("C:\\QUORVANE\\Nesting.cfg", *c.nestingCfg);
        if (c.program) fixture.write("C:\\QUORVANE\\Quornst.exe", "");
        if (c.machineFile) fixture.write(nestFile, *c.machineFile);
        State().Config.FullSuite = c.fullSuite;
        State().Config.NestingLevel = 7;
        State().Mach.MachinePrefix = "C:\\QUORVANE\\DATA\\Data\\PRESS1.";
        SetUpNesting();
        EXPECT_EQ(State().Config.NestingLevel, c.level);
        const Text after =
            c.madeAnew ? "Nesting ? (Yes / No)" + std::string(25, ' ') + ": No\r\n******\r\n" : c.machineFile;
        EXPECT_EQ(fixture.exists(nestFile) ? Text(fixture.read(nestFile)) : none, after);
        EXPECT_EQ(fixture.isFolder("C:\\QUORVANE\\Nesting"), c.level == 2);
    }
}

}  // namespace
}  // namespace qv
