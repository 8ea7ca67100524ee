// The recent-program memory "Lastfile.lst": what is remembered, recalled and
// forgotten.
#include <gtest/gtest.h>

#include <optional>

#include "core/workstation/RecentFile.h"
#include "support/Sandbox.h"

namespace qv {
namespace {

const char* const kLastFile = "C:\\QV\\Lastfile.lst";
const std::string kEmpty = "******\r\n";

// Programs of machine M1 live under C:\JOBS\M1\; names are trimmed and
// quoted when they hold a comma.
TEST(RecentFile, RemembersAndRecallsWhileTheProgramExists) {
    const struct {
        const char *directory, *program, *file, *recalled;
    } cases[] = {
        {"JOBS", "P7", "JOBS\r\nP7\r\n******\r\n", "JOBS/P7"},
        {"  JOBS ", " P7  ", "JOBS\r\nP7\r\n******\r\n", "JOBS/P7"},
        {"My Jobs", "Part 7", "My Jobs\r\nPart 7\r\n******\r\n", "My Jobs/Part 7"},
        {"Jobs, 2024", "P7", "\"Jobs, 2024\"\r\nP7\r\n******\r\n", "Jobs, 2024/P7"},
        {"JOBS", "Part,7", "JOBS\r\n\"Part,7\"\r\n******\r\n", "JOBS/Part,7"},
    };
    for (const auto& c : cases) {
        test::MachineSandbox box;
        const std::string recalled = c.recalled;
        const std::size_t slash = recalled.find('/');
        box.write("C:\\JOBS\\M1\\" + recalled.substr(0, slash) + "\\" + recalled.substr(slash + 1) + ".prg", "%\r\n");
        ASSERT_TRUE(RememberLastFile(c.directory, c.program));
        EXPECT_EQ(box.read(kLastFile), c.file);
        std::string directory, program;
        ASSERT_TRUE(RecallLastFile(directory, program));
        EXPECT_EQ(directory + "/" + program, recalled);
        EXPECT_EQ(box.read(kLastFile), c.file);
    }
    // No directory, a drive, or no program leaves the previous memory.
    test::MachineSandbox box;
    ASSERT_TRUE(RememberLastFile("JOBS", "P7"));
    const std::string before = box.read(kLastFile);
    for (const auto& [directory, program] : {std::pair<const char*, const char*>{"A: [Floppy Disk]", "P1"}, {"  ",
        "P1"},
                                             {"JOBS", " "}}) {
        EXPECT_TRUE(RememberLastFile(directory, program));
        EXPECT_EQ(box.read(kLastFile), before) << directory << "/" << program;
    }
    ASSERT_TRUE(ResetLastFile());
    EXPECT_EQ(box.read(kLastFile), kEmpty);
}

// Nothing to recall leaves the empty memory; a program gone is handed back
// all the same.
TEST(RecentFile, EmptyMemoryRecallsNothing) {
    const std::pair<std::optional<std::string>, const char*> cases[] = {
        {std::nullopt, nullptr}, {kEmpty, nullptr}, {"", nullptr}, {"  \r\nP7\r\n", nullptr}, {"JOBS\r\n", nullptr},
        {"JOBS\r\n\r\n******\r\n", nullptr}, {"OLD\r\nP7\r\n******\r\n", "OLD/P7"},
    };
    for (const auto& [file, read] : cases) {
        SCOPED_TRACE(file.value_or("no file"));
        test::MachineSandbox box;
        box.write("C:\\JOBS\\M1\\JOBS\\P7.prg", "%\r\n");
        if (file) box.write(kLastFile, *file);
        std::string directory, program;
        EXPECT_FALSE(RecallLastFile(directory, program));
        EXPECT_EQ(box.read(kLastFile), kEmpty);
        if (read) { EXPECT_EQ(directory + "/" + program, read); }
    }
}

}  // namespace
}  // namespace qv
