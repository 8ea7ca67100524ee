// The recent-program memory "Lastfile.lst": what is remembered, recalled and
// forgotten.
#include <gtest/gtest.h>

#include <optional>

#include "core/common/State.h"
#include "core/workstation/RecentFile.h"
#include "support/InstallationFixture.h"
#include "support/TableTest.h"

namespace qv {
namespace {

using test::InstallationFixture;

const char* const LastFile = "C:\\QUORVANE\\Lastfile.lst";
const std::string Empty = "******\r\n";

struct Memory {
    Memory() {
        auto& config = State().Config;
        config.SystemFolder = "C:\\QUORVANE\\";
        config.MachineRoot = "C:\\QUORVANE\\PROGRAMS\\";
        State().Mach.MachineFolder = "PRESS1";
    }
    void program(const std::string& directory, const std::string& name) {
        fixture.write("C:\\QUORVANE\\PROGRAMS\\PRESS1\\" + directory + "\\" + name + ".prg", "%\r\n");
    }
    InstallationFixture fixture;
};

struct RoundTripCase {
    const char* name;
    std::string directory, program;
    std::string file;  // "Lastfile.lst" after remembering
    std::string recalledDirectory, recalledProgram;
};

class RoundTrip : public ::testing::TestWithParam<RoundTripCase> {};

TEST_P(RoundTrip, RemembersAndRecallsWhileTheProgramExists) {
    const auto& c = GetParam();
    Memory m;
    m.program(c.recalledDirectory, c.recalledProgram);
    ASSERT_TRUE(RememberLastFile(c.directory, c.program));
    EXPECT_EQ(m.fixture.read(LastFile), c.file);
    std::string directory, program;
    ASSERT_TRUE(RecallLastFile(directory, program));
    EXPECT_EQ(directory, c.recalledDirectory);
    EXPECT_EQ(program, c.recalledProgram);
    EXPECT_EQ(m.fixture.read(LastFile), c.file);
}

INSTANTIATE_TEST_SUITE_P(
    Names, RoundTrip,
    ::testing::Values(
        RoundTripCase{"Plain", "JOBS", "P7", "JOBS\r\nP7\r\n******\r\n", "JOBS", "P7"},
        RoundTripCase{"Trimmed", "  JOBS ", " P7  ", "JOBS\r\nP7\r\n******\r\n", "JOBS", "P7"},
        RoundTripCase{"Blanks", "My Jobs", "Part 7", "My Jobs\r\nPart 7\r\n******\r\n", "My Jobs", "Part 7"},
        RoundTripCase{"CommaInDirectory", "Jobs, 2024", "P7", "\"Jobs, 2024\"\r\nP7\r\n******\r\n", "Jobs, 2024", "P7"},
        RoundTripCase{"CommaInProgram", "JOBS", "Part,7", "JOBS\r\n\"Part,7\"\r\n******\r\n", "JOBS", "Part,7"}),
    test::CaseName());

TEST(RecallLastFile, DeletedProgramEmptiesTheMemory) {
    Memory m;
    m.program("JOBS", "P7");
    ASSERT_TRUE(RememberLastFile("JOBS", "P7"));
    m.fixture.remove("C:\\QUORVANE\\PROGRAMS\\PRESS1\\JOBS\\P7.prg");
    std::string directory, program;
    EXPECT_FALSE(RecallLastFile(directory, program));
    EXPECT_EQ(directory + "/" + program, "JOBS/P7");
    EXPECT_EQ(m.fixture.read(LastFile), Empty);
}

TEST(RememberLastFile, NoDirectoryOrProgramLeavesThePreviousMemory) {
    Memory m;
    ASSERT_TRUE(RememberLastFile("JOBS", "P7"));
    const std::string before = m.fixture.read(LastFile);
    for (const auto& [directory, program] : {std::pair<const char*, const char*>{"A: [Floppy Disk]", "P1"},
                                             {"  ", "P1"}, {"JOBS", " "}}) {
        EXPECT_TRUE(RememberLastFile(directory, program));
        EXPECT_EQ(m.fixture.read(LastFile), before) << directory << "/" << program;
    }
    ASSERT_TRUE(ResetLastFile());  // the single end marker
    EXPECT_EQ(m.fixture.read(LastFile), Empty);
}

struct StaleCase {
    const char* name;
    std::optional<std::string> file;  // nullopt: no "Lastfile.lst"
};

class EmptyMemory : public ::testing::TestWithParam<StaleCase> {};

TEST_P(EmptyMemory, RecallsNothingAndLeavesTheEmptyMemory) {
    Memory m;
    m.program("JOBS", "P7");
    if (GetParam().file) m.fixture.write(LastFile, *GetParam().file);
    std::string directory, program;
    EXPECT_FALSE(RecallLastFile(directory, program));
    EXPECT_EQ(m.fixture.read(LastFile), Empty);
}

INSTANTIATE_TEST_SUITE_P(
    Files, EmptyMemory,
    ::testing::Values(StaleCase{"Missing", std::nullopt}, StaleCase{"EndMarker", Empty},
                      StaleCase{"EmptyFile", ""}, StaleCase{"BlankFirstLine", "  \r\nP7\r\n"},
                      StaleCase{"NoProgramLine", "JOBS\r\n"}, StaleCase{"EmptyProgramLine", "JOBS\r\n\r\n******\r\n"},
                      StaleCase{"OtherDirectory", "OLD\r\nP7\r\n******\r\n"}),
    test::CaseName());

}  // namespace
}  // namespace qv
