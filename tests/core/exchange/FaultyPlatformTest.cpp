// The fault-injecting platform the set tests rely on fails exactly the calls
// it is told to, and passes the rest through.
#include <gtest/gtest.h>

#include "FileSetWorld.h"
#include "support/FaultyPlatform.h"

namespace qv::test {
namespace {

struct CountCase {
    const char* label;
    bool persistent;
    std::vector<bool> succeeds;  // outcome of the 1st, 2nd, ... write
};

void PrintTo(const CountCase& c, std::ostream* os) { *os << c.label; }

class FaultyPlatformTest : public ::testing::TestWithParam<CountCase> {};

TEST_P(FaultyPlatformTest, FailsTheNthCallOfTheArmedKind) {
    FileSetWorld world;
    FaultyPlatform faulty(world.platform());
    faulty.arm({kWrite, 2, GetParam().persistent, "the disc is full"});
    for (std::size_t i = 0; i < GetParam().succeeds.size(); ++i) {
        const std::string path = std::string(kJobs) + "F" + std::to_string(i) + ".txt";
        Status written = faulty.writeFile(path, "x");
        EXPECT_EQ(written.ok(), GetParam().succeeds[i]) << i;
        EXPECT_EQ(world.exists(path), GetParam().succeeds[i]) << i;
        EXPECT_EQ(written.message(), written.ok() ? "" : path + ": the disc is full");
    }
    // Other kinds are neither failed nor counted against the fault.
    EXPECT_TRUE(faulty.copyFile(std::string(kJobs) + "F0.txt", std::string(kJobs) + "G.txt").ok());
    EXPECT_EQ(faulty.counted(), static_cast<int>(GetParam().succeeds.size()));
    EXPECT_EQ(faulty.calls(kCopy), 1);
    EXPECT_TRUE(faulty.fired());
}

INSTANTIATE_TEST_SUITE_P(Modes, FaultyPlatformTest,
                         ::testing::Values(CountCase{"Transient", false, {true, false, true, true}},
                                           CountCase{"Persistent", true, {true, false, false, false}}),
                         [](const auto& info) { return std::string(info.param.label); });

TEST(FaultyPlatform, FailsRecordWritesOfTheFilesItOpens) {
    FileSetWorld world;
    FaultyPlatform faulty(world.platform());
    auto file = faulty.openRecordFile(std::string(kJobs) + "R.drw", 8, true);
    ASSERT_TRUE(file.ok());
    faulty.arm({kRecordWrite, 2});
    EXPECT_TRUE(file.value()->write(1, "abc").ok());
    EXPECT_FALSE(file.value()->write(2, "def").ok());
    EXPECT_TRUE(file.value()->sync().ok());
    EXPECT_EQ(file.value()->recordCount(), 1);
}

TEST(FaultyPlatform, HalfCopyLeavesAShortTarget) {
    FileSetWorld world;
    world.write(std::string(kJobs) + "A.prg", "0123456789");
    FaultyPlatform faulty(world.platform());
    faulty.arm({kCopy, 1, false, "input/output error", true});
    EXPECT_FALSE(faulty.copyFile(std::string(kJobs) + "A.prg", std::string(kJobs) + "B.prg").ok());
    EXPECT_EQ(world.read(std::string(kJobs) + "B.prg"), "01234");
    faulty.disarm();
    EXPECT_TRUE(faulty.copyFile(std::string(kJobs) + "A.prg", std::string(kJobs) + "C.prg").ok());
}

}  // namespace
}  // namespace qv::test
