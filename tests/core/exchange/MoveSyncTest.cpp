// A move that copies flushes every copy to the disc before it deletes any
// source, and a copy that cannot be flushed undoes the move; plain copies and
// moves by rename keep their sources and flush nothing.
#include <gtest/gtest.h>

#include "FileSetWorld.h"
#include "core/exchange/FileSet.h"
#include "support/FaultyPlatform.h"
#include "support/ForwardingPlatform.h"
#include "support/MessageRecorder.h"

namespace qv::test {
namespace {

const std::vector<std::string> kPair = {"BRACKET.drw", "BRACKET.prg"};

// Records the syncs and deletions in the order they are made.
class SyncLog : public ForwardingPlatform {
public:
    using ForwardingPlatform::ForwardingPlatform;
    std::vector<std::string> log;

    Status syncFile(const std::string& path) override {
        log.push_back("sync " + path);
        return ForwardingPlatform::syncFile(path);
    }
    Status deleteFile(const std::string& path) override {
        log.push_back("delete " + path);
        return ForwardingPlatform::deleteFile(path);
    }
};

struct PlacementCase {
    const char* label;
    bool move;
    const char* target;
    Fault fault;
    std::vector<std::string> synced;  // in order
};

void PrintTo(const PlacementCase& c, std::ostream* os) { *os << c.label; }

class SyncPlacementTest : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(SyncPlacementTest, EveryCopyIsOnTheDiscBeforeAnySourceGoes) {
    const PlacementCase& c = GetParam();
    FileSetWorld world;
    MessageRecorder messages;
    world.putFiles(kJobs, kPair, "src");
    SyncLog log(world.host());
    FaultyPlatform faulty(log);
    platform::ScopedPlatform use(faulty);
    faulty.arm(c.fault);

    const std::int16_t count = c.move ? MoveFileSet(kJobs, "BRACKET", c.target, "BRACKET", 3)
                                      : CopyFileSet(kJobs, "BRACKET", c.target, "BRACKET", 3);

    EXPECT_EQ(count, 1);
    EXPECT_TRUE(messages.shown.empty());
    std::vector<std::string> synced;
    bool sourceGone = false;
    for (const std::string& entry : log.log) {
        if (entry.rfind("sync ", 0) == 0) {
            EXPECT_FALSE(sourceGone) << entry << " after a source was deleted";
            synced.push_back(entry.substr(5));
        } else if (entry.find(kJobs) != std::string::npos) {
            sourceGone = true;
        }
    }
    EXPECT_EQ(synced, c.synced);
    for (const std::string& name : kPair) EXPECT_EQ(world.read(c.target + name), Bytes("src", name));
}

const Fault kNone{0, 1};
// One folder of a drive on another host file system: the rename of the first
// member fails as cross-device and that member is copied instead.
const Fault kCrossDevice{kRename, 1, false, "cannot move to C:\\MACH\\M1\\PARTS\\x: not on the same drive"};

INSTANTIATE_TEST_SUITE_P(
    Operations, SyncPlacementTest,
    ::testing::Values(
        PlacementCase{"CopyAcrossDrives", false, kOtherDriveOwn, kNone, {}},
        PlacementCase{"CopyWithinDrive", false, kParts, kNone, {}},
        PlacementCase{"MoveWithinDrive", true, kParts, kNone, {}},
        PlacementCase{"MoveAcrossDrives", true, kOtherDriveOwn, kNone,
                      {"D:\\M1\\OUT\\BRACKET.drw", "D:\\M1\\OUT\\BRACKET.prg"}},
        PlacementCase{"MoveFallingBackToACopy", true, kParts, kCrossDevice, {"C:\\MACH\\M1\\PARTS\\BRACKET.drw"}}),
    [](const auto& info) { return std::string(info.param.label); });

struct SyncFailureCase {
    const char* label;
    Fault fault;
    const char* notice;
};

void PrintTo(const SyncFailureCase& c, std::ostream* os) { *os << c.label; }

class SyncFailureTest : public ::testing::TestWithParam<SyncFailureCase> {};

// The copies may not be on the disc, so they are no substitute for the
// sources: the move is undone, the old target set comes back, one notice.
TEST_P(SyncFailureTest, AcrossDrivesLeavesEverySourceInPlace) {
    const SyncFailureCase& c = GetParam();
    FileSetWorld world;
    MessageRecorder messages;
    messages.answer({true});
    world.putFiles(kJobs, kPair, "src");
    world.putFiles(kOtherDriveOwn, {"BRACKET.drw", "BRACKET.rpt"}, "old");
    const Snapshot before = world.snapshot();
    FaultyPlatform faulty(world.host());
    platform::ScopedPlatform use(faulty);
    faulty.arm(c.fault);

    EXPECT_EQ(MoveFileSet(kJobs, "BRACKET", kOtherDriveOwn, "BRACKET", 3), 0);

    EXPECT_TRUE(faulty.fired());
    ASSERT_EQ(messages.shown.size(), 2u);  // the overwrite question, then the notice
    EXPECT_EQ(messages.shown[1], c.notice);
    EXPECT_EQ(world.snapshot(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, SyncFailureTest,
    ::testing::Values(
        SyncFailureCase{"FirstCopy", {kSync, 1, false, "input/output error"},
                        "\"C:\\MACH\\M1\\JOBS\\BRACKET.drw\" Could Not Be Moved !\nInput/output error"},
        SyncFailureCase{"SecondCopy", {kSync, 2, false, "input/output error"},
                        "\"C:\\MACH\\M1\\JOBS\\BRACKET.prg\" Could Not Be Moved !\nInput/output error"},
        SyncFailureCase{"EveryCopy", {kSync, 1, true, "the disc is full"},
                        "\"C:\\MACH\\M1\\JOBS\\BRACKET.drw\" Could Not Be Moved !\nThe disc is full"}),
    [](const auto& info) { return std::string(info.param.label); });

}  // namespace
}  // namespace qv::test
