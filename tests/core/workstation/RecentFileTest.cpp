// The recent-program memory "Lastfile.lst": what is remembered, recalled and
// forgotten.
#include <gtest/gtest.h>

#include <optional>

#include "core/workstation/RecentFile.h"
#include "support/Sandbox.h"
#include "support/TableTest.h"

namespace qv {
namespace {

const char* const LastFile = "C:\\QV\\Lastfile.lst";
const std::string Empty = "******\r\n";

// Programs of machine M1 live under C:\JOBS\M1\.
void Program(test::Sandbox& box, const std::string& directory, const std::string& name) {
    box.write("C:\\JOBS\\M1\\" + directory + "\\" + name + ".prg", "%\r\n");
}

struct RoundTripCase {
    const char* name;
    std::string directory, program;
    std::string file;  // "Lastfile.lst" after remembering
    std::string recalledDirectory, recalledProgram;
};

class RoundTrip : public ::testing::TestWithParam<RoundTripCase> {};

TEST_P(RoundTrip, RemembersAndRecallsWhileTheProgramExists) {
    const auto& c = GetParam();
    test::MachineSandbox box;
    Program(box, c.recalledDirectory, c.recalledProgram);
    ASSERT_TRUE(RememberLastFile(c.directory, c.program));
    EXPECT_EQ(box.read(LastFile), c.file);
    std::string directory, program;
    ASSERT_TRUE(RecallLastFile(directory, program));
    EXPECT_EQ(directory + "/" + program, c.recalledDirectory + "/" + c.recalledProgram);
    EXPECT_EQ(box.read(LastFile), c.file);
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

TEST(RememberLastFile, NoDirectoryOrProgramLeavesThePreviousMemory) {
    test::MachineSandbox box;
    ASSERT_TRUE(RememberLastFile("JOBS", "P7"));
    const std::string before = box.read(LastFile);
    for (const auto& [directory, program] : {std::pair<const char*, const char*>{"A: [Floppy Disk]", "P1"},
                                             {"  ", "P1"}, {"JOBS", " "}}) {
        EXPECT_TRUE(RememberLastFile(directory, program));
        EXPECT_EQ(box.read(LastFile), before) << directory << "/" << program;
    }
    ASSERT_TRUE(ResetLastFile());  // the single end marker
    EXPECT_EQ(box.read(LastFile), Empty);
}

struct StaleCase {
    const char* name;
    std::optional<std::string> file;  // nullopt: no "Lastfile.lst"
    const char* read = nullptr;       // directory and program handed back all the same
};

class EmptyMemory : public ::testing::TestWithParam<StaleCase> {};

TEST_P(EmptyMemory, RecallsNothingAndLeavesTheEmptyMemory) {
    test::MachineSandbox box;
    Program(box, "JOBS", "P7");
    if (GetParam().file) box.write(LastFile, *GetParam().file);
    std::string directory, program;
    EXPECT_FALSE(RecallLastFile(directory, program));
    EXPECT_EQ(box.read(LastFile), Empty);
    if (GetParam().read) {
        EXPECT_EQ(directory + "/" + program, GetParam().read);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, EmptyMemory,
    ::testing::Values(StaleCase{"Missing", std::nullopt}, StaleCase{"EndMarker", Empty},
                      StaleCase{"EmptyFile", ""}, StaleCase{"BlankFirstLine", "  \r\nP7\r\n"},
                      StaleCase{"NoProgramLine", "JOBS\r\n"}, StaleCase{"EmptyProgramLine", "JOBS\r\n\r\n******\r\n"},
                      StaleCase{"ProgramGone", "OLD\r\nP7\r\n******\r\n", "OLD/P7"}),
    test::CaseName());

}  // namespace
}  // namespace qv
