// "Quorvane.cfg": reading rules of its five lines and the six-line rewrite.
#include <gtest/gtest.h>

#include "core/common/State.h"
#include "core/common/SystemConfigurationFile.h"
#include "support/InstallationFixture.h"
#include "support/TableTest.h"

namespace qv {
namespace {

using test::InstallationFixture;

struct ReadCase {
    const char* name;
    std::vector<std::string> lines;
    const char* systemFolder;
    std::int16_t machine;
    const char* directory;
};

class ReadConfiguration : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadConfiguration, TakesEachLineByItsRule) {
    InstallationFixture fixture;
    fixture.writeLines("C:\\QUORVANE\\Quorvane.cfg", GetParam().lines);
    auto values = ReadSystemConfigurationValues();
    ASSERT_TRUE(values.ok()) << values.message();
    EXPECT_EQ(values->SystemFolder, GetParam().systemFolder);
    EXPECT_EQ(values->DataFolder, "C:\\QUORVANE\\DATA\\");
    EXPECT_EQ(values->MachineRoot, "C:\\QUORVANE\\PROGRAMS\\");
    EXPECT_EQ(values->SelectedMachine, GetParam().machine);
    EXPECT_EQ(values->CurrentDirectory, GetParam().directory);
}

std::vector<std::string> Config(const std::string& system, const std::string& machine,
                                const std::string& directory) {
    return {system, "C:\\QUORVANE\\DATA", "  C:\\QUORVANE\\PROGRAMS\\  ", machine, directory};
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ReadConfiguration,
    ::testing::Values(
        ReadCase{"FolderEndingInBackslashKeepsOne", Config("C:\\QUORVANE\\", "1", "JOBS"), "C:\\QUORVANE\\", 1, "JOBS"},
        ReadCase{"FolderWithoutBackslashGetsOne", Config("C:\\QUORVANE", "1", "JOBS"), "C:\\QUORVANE\\", 1, "JOBS"},
        ReadCase{"FolderTrimmed", Config("   C:\\QUORVANE  ", "1", "JOBS"), "C:\\QUORVANE\\", 1, "JOBS"},
        ReadCase{"MachineEmptyIsOne", Config("C:\\QUORVANE", "", "JOBS"), "C:\\QUORVANE\\", 1, "JOBS"},
        ReadCase{"MachineZeroIsOne", Config("C:\\QUORVANE", "0", "JOBS"), "C:\\QUORVANE\\", 1, "JOBS"},
        ReadCase{"MachineNegativeIsOne", Config("C:\\QUORVANE", "-3", "JOBS"), "C:\\QUORVANE\\", 1, "JOBS"},
        ReadCase{"MachineHalfRoundsToEvenDown", Config("C:\\QUORVANE", "2.5", "JOBS"), "C:\\QUORVANE\\", 2, "JOBS"},
        ReadCase{"MachineHalfRoundsToEvenUp", Config("C:\\QUORVANE", "3.5", "JOBS"), "C:\\QUORVANE\\", 4, "JOBS"},
        ReadCase{"MachineWithLeadingBlank", Config("C:\\QUORVANE", " 7", "JOBS"), "C:\\QUORVANE\\", 7, "JOBS"},
        ReadCase{"MachineLeadingNumberOnly", Config("C:\\QUORVANE", "4 presses", "JOBS"), "C:\\QUORVANE\\", 4, "JOBS"},
        ReadCase{"MachineNotANumberIsOne", Config("C:\\QUORVANE", "two", "JOBS"), "C:\\QUORVANE\\", 1, "JOBS"},
        ReadCase{"DirectoryWithDriveIsEmptied", Config("C:\\QUORVANE", "1", "D:\\JOBS"), "C:\\QUORVANE\\", 1, ""},
        ReadCase{"DirectoryFloppyEntryIsEmptied", Config("C:\\QUORVANE", "1", "A: [Floppy Disk]"), "C:\\QUORVANE\\", 1, ""},
        ReadCase{"DirectoryTrimmed", Config("C:\\QUORVANE", "1", "  My Jobs  "), "C:\\QUORVANE\\", 1, "My Jobs"},
        ReadCase{"MissingLinesFourAndFive", {"C:\\QUORVANE", "C:\\QUORVANE\\DATA\\", "C:\\QUORVANE\\PROGRAMS\\"}, "C:\\QUORVANE\\", 1, ""},
        ReadCase{"LinesAfterTheFifthIgnored", {"C:\\QUORVANE", "C:\\QUORVANE\\DATA\\", "C:\\QUORVANE\\PROGRAMS\\", "2", "JOBS", "******", "9", "garbage"}, "C:\\QUORVANE\\", 2, "JOBS"}),
    test::CaseName());

struct FailureCase {
    const char* name;
    std::vector<std::string> lines;  // empty: no file at all
    const char* message;
};

class ReadConfigurationFailure : public ::testing::TestWithParam<FailureCase> {};

TEST_P(ReadConfigurationFailure, NamesFileAndWorkingFolderAndKeepsConfiguration) {
    InstallationFixture fixture;
    if (!GetParam().lines.empty()) fixture.writeLines("C:\\QUORVANE\\Quorvane.cfg", GetParam().lines);
    State().Config.SystemFolder = "C:\\BEFORE\\";
    Status read = ReadSystemConfigurationFile();
    ASSERT_FALSE(read.ok());
    EXPECT_EQ(read.message(), GetParam().message);
    EXPECT_EQ(State().Config.SystemFolder, "C:\\BEFORE\\");
}

INSTANTIATE_TEST_SUITE_P(
    Files, ReadConfigurationFailure,
    ::testing::Values(
        FailureCase{"Missing", {},
                    "The system configuration \"Quorvane.cfg\" in the working folder \"C:\\QUORVANE\\\" is "
                    "missing. Quorvane is to be started with the system folder as its working folder."},
        FailureCase{"NoProgramRoot", {"C:\\QUORVANE", "C:\\QUORVANE\\DATA"},
                    "The system configuration \"Quorvane.cfg\" in the working folder \"C:\\QUORVANE\\\" has "
                    "no program root folder on line 3. Quorvane is to be started with the system folder as "
                    "its working folder."},
        FailureCase{"BlankSystemFolder", {"   ", "C:\\QUORVANE\\DATA", "C:\\QUORVANE\\PROGRAMS"},
                    "The system configuration \"Quorvane.cfg\" in the working folder \"C:\\QUORVANE\\\" has "
                    "no system folder on line 1. Quorvane is to be started with the system folder as its "
                    "working folder."}),
    test::CaseName());

TEST(WriteSystemConfiguration, WritesSixLinesWithLeadingBlankAndReadsBack) {
    InstallationFixture fixture;
    auto& config = State().Config;
    config.SystemFolder = "C:\\QUORVANE\\";
    config.DataFolder = "C:\\QUORVANE\\DATA\\";
    config.MachineRoot = "C:\\QUORVANE\\PROGRAMS\\";
    config.SelectedMachine = 12;
    config.CurrentDirectory = "Job, Shop";
    ASSERT_TRUE(WriteSystemConfiguration().ok());
    EXPECT_EQ(fixture.read("C:\\QUORVANE\\Quorvane.cfg"),
              "C:\\QUORVANE\\\r\nC:\\QUORVANE\\DATA\\\r\nC:\\QUORVANE\\PROGRAMS\\\r\n 12\r\n"
              "Job, Shop\r\n******\r\n");

    config = Configuration{};
    ASSERT_TRUE(ReadSystemConfigurationFile().ok());
    EXPECT_EQ(config.SystemFolder, "C:\\QUORVANE\\");
    EXPECT_EQ(config.SelectedMachine, 12);
    EXPECT_EQ(config.CurrentDirectory, "Job, Shop");
}

TEST(WriteSystemConfiguration, FailureNamesTheFile) {
    InstallationFixture fixture;
    State().Config.SystemFolder = "C:\\NO SUCH FOLDER\\";
    Status written = WriteSystemConfiguration();
    EXPECT_FALSE(written.ok());
    EXPECT_NE(written.message().find("Quorvane.cfg"), std::string::npos) << written.message();
}

}  // namespace
}  // namespace qv
