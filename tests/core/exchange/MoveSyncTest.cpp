// How a copy or a move brings its files across: a move within one drive
// renames, across drives or past a cross-device rename it copies, and it
// flushes every copy to the disc before it deletes any source.
#include <gtest/gtest.h>

#include "support/FileSetWorld.h"
#include "core/exchange/FileSet.h"
#include "support/FaultyPlatform.h"
#include "support/ForwardingPlatform.h"
#include "support/Answers.h"

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

struct MethodCase {
    const char* label;
    bool move;
    const char* target;
    Fault fault;
    int copies, deletes;  // the intent record's removal is one of the deletes
    std::vector<std::string> synced;  // in order
};

void PrintTo(const MethodCase& c, std::ostream* os) { *os << c.label; }

class TransferMethodTest : public ::testing::TestWithParam<MethodCase> {};

TEST_P(TransferMethodTest, EveryCopyIsOnTheDiscBeforeAnySourceGoes) {
    const MethodCase& c = GetParam();
    FileSetWorld world;
    world.putFiles(kJobs, kPair, "src");
    SyncLog log(world.platform());
    FaultyPlatform faulty(log);
    platform::ScopedPlatform use(faulty);
    faulty.arm(c.fault);

    const Outcome done = c.move ? MoveFileSet(kJobs, "BRACKET", c.target, "BRACKET", 3, SharedAsk())
                                      : CopyFileSet(kJobs, "BRACKET", c.target, "BRACKET", 3, SharedAsk());

    EXPECT_EQ(done.count(), 1) << done.message();
    EXPECT_EQ(faulty.calls(kCopy), c.copies);
    EXPECT_EQ(faulty.calls(kDelete), c.deletes);
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
    world.expectUntouched(c.target, kPair, "src");
    world.expectUntouched(kJobs, c.move ? std::vector<std::string>{} : kPair, "src");
}

const Fault kNone{0, 1};
// One folder of a drive on another host file system: the rename of the first
// member fails as cross-device and that member is copied instead.
const Fault kCrossDevice{kRename, 1, false, "cannot move to C:\\MACH\\M1\\PARTS\\x: not on the same drive", false, ErrorKind::CrossDevice};

INSTANTIATE_TEST_SUITE_P(
    Operations, TransferMethodTest,
    ::testing::Values(
        MethodCase{"CopyAcrossDrives", false, kOtherDriveOwn, kNone, 2, 1, {}},
        MethodCase{"CopyWithinDrive", false, kParts, kNone, 2, 1, {}},
        MethodCase{"MoveWithinDrive", true, kParts, kNone, 0, 1, {}},
        MethodCase{"MoveAcrossDrives", true, kOtherDriveOwn, kNone, 2, 3,
                   {"D:\\M1\\OUT\\BRACKET.drw", "D:\\M1\\OUT\\BRACKET.prg"}},
        MethodCase{"MoveFallingBackToACopy", true, kParts, kCrossDevice, 1, 2, {"C:\\MACH\\M1\\PARTS\\BRACKET.drw"}}),
    [](const auto& info) { return std::string(info.param.label); });

}  // namespace
}  // namespace qv::test
