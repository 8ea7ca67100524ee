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
    std::int16_t machine;
    const char* directory;
};

class ReadConfiguration : public ::testing::TestWithParam<ReadCase> {};

// The system and data folder lines lack their "\"; the program root has one.
TEST_P(ReadConfiguration, TakesEachLineByItsRule) {
    InstallationFixture fixture;
    fixture.writeLines("C:\\QUORVANE\\Quorvane.cfg", GetParam().lines);
    auto values = ReadSystemConfigurationValues();
    ASSERT_TRUE(values.ok()) << values.message();
    EXPECT_EQ(values->SystemFolder, "C:\\QUORVANE\\");
    EXPECT_EQ(values->DataFolder, "C:\\QUORVANE\\DATA\\");
    EXPECT_EQ(values->MachineRoot, "C:\\QUORVANE\\PROGRAMS\\");
    EXPECT_EQ(values->SelectedMachine, GetParam().machine);
    EXPECT_EQ(values->CurrentDirectory, GetParam().directory);
}

std::vector<std::string> Config(const std::string& machine, const std::string& directory) {
    return {"  C:\\QUORVANE ", "C:\\QUORVANE\\DATA", "  C:\\QUORVANE\\PROGRAMS\\  ", machine, directory};
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ReadConfiguration,
    ::testing::Values(
        ReadCase{"MachineEmptyIsOne", Config("", "JOBS"), 1, "JOBS"},
        ReadCase{"MachineZeroIsOne", Config("0", "JOBS"), 1, "JOBS"},
        ReadCase{"MachineNegativeIsOne", Config("-3", "JOBS"), 1, "JOBS"},
        ReadCase{"MachineHalfRoundsToEvenDown", Config("2.5", "JOBS"), 2, "JOBS"},
        ReadCase{"MachineHalfRoundsToEvenUp", Config("3.5", "JOBS"), 4, "JOBS"},
        ReadCase{"MachineWithLeadingBlank", Config(" 7", "JOBS"), 7, "JOBS"},
        ReadCase{"MachineLeadingNumberOnly", Config("4 presses", "JOBS"), 4, "JOBS"},
        ReadCase{"MachineNotANumberIsOne", Config("two", "JOBS"), 1, "JOBS"},
        ReadCase{"DirectoryWithDriveIsEmptied", Config("1", "D:\\JOBS"), 1, ""},
        ReadCase{"DirectoryFloppyEntryIsEmptied", Config("1", "A: [Floppy Disk]"), 1, ""},
        ReadCase{"DirectoryTrimmed", Config("1", "  My Jobs  "), 1, "My Jobs"},
        ReadCase{"MissingLinesFourAndFive", {"C:\\QUORVANE\\", "C:\\QUORVANE\\DATA", "C:\\QUORVANE\\PROGRAMS"}, 1, ""},
        ReadCase{"LinesAfterTheFifthIgnored",
                 {"C:\\QUORVANE", "C:\\QUORVANE\\DATA\\", "C:\\QUORVANE\\PROGRAMS\\", "2", "JOBS", "******", "9", "x"},
                 2, "JOBS"}),
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

}  // namespace
}  // namespace qv
