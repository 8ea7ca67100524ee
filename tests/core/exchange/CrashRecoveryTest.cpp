// A set operation killed just before its Nth change to the disc, for every N
// until it completes, then recovered as the next start or the next operation
// on the folder does it: every set ends whole at one end, and no staging file
// or intent record is left.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <set>

#include "support/FileSetWorld.h"
#include "core/exchange/FileSet.h"
#include "core/exchange/SetRecovery.h"
#include "support/ForwardingPlatform.h"
#include "support/Answers.h"

namespace qv::test {
namespace {

AskFunction Yes() {
    return [](const std::string&) { return true; };
}

constexpr int kKilled = 70, kDone = 71;

// Ends the process, with no clean-up, as a crash just before its Nth change
// to the disc would.
class KillingPlatform : public ForwardingPlatform {
public:
    KillingPlatform(platform::Platform& inner, int nth) : ForwardingPlatform(inner), left_(nth) {}

protected:
    void onCall(const char* name) override {
        static const std::set<std::string> kChanges = {"copyFile",   "syncFile",     "renameFile",
                                                       "deleteFile", "makeFolder",   "removeFolder",
                                                       "renameFolder", "writeFile", "openRecordFile"};
        if (kChanges.count(name) && --left_ == 0) _exit(kKilled);
    }

private:
    int left_;
};

const std::vector<std::string> kSet = {"BRACKET.drw", "BRACKET.prg", "BRACKET.inf", "BRACKET.nst", "BRACKET"};
const std::vector<std::string> kOldSet = {"BRACKET.drw", "BRACKET.prg", "BRACKET.rpt", "BRACKET.usr", "OTHER.prg"};

struct CrashCase {
    const char* label;
    const char* target;  // the folder that holds the intent record
    bool oldSet;         // the target already holds a set of that name
    std::function<Outcome()> run;
    bool retry;  // recovered by running the operation again, on every second N
};

void PrintTo(const CrashCase& c, std::ostream* os) { *os << c.label; }

void Prepare(FileSetWorld& world, const CrashCase& c) {
    world.putFiles(kJobs, kSet, "src");
    if (c.oldSet) world.putFiles(c.target, kOldSet, "old");
}

// The operation in a child process killed before its nth change; the exit
// code says whether it was killed or completed.
int RunKilledAt(FileSetWorld& world, const std::function<Outcome()>& run, int nth) {
    const pid_t pid = fork();
    if (pid == 0) {
        KillingPlatform killing(world.platform(), nth);
        platform::ScopedPlatform use(killing);
        (void)run();
        _exit(kDone);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

class CrashRecoveryTest : public ::testing::TestWithParam<CrashCase> {};

TEST_P(CrashRecoveryTest, EverySetEndsWholeAtOneEnd) {
    const CrashCase& c = GetParam();
    Snapshot before, expected;
    {
        FileSetWorld world;
        Prepare(world, c);
        before = world.snapshot();
        (void)c.run();
        expected = world.snapshot();
    }
    ASSERT_NE(before, expected);
    for (int n = 1;; ++n) {
        ASSERT_LT(n, 100) << "the operation never completed";
        SCOPED_TRACE("killed before change " + std::to_string(n));
        FileSetWorld world;
        Prepare(world, c);
        const int code = RunKilledAt(world, c.run, n);
        ASSERT_TRUE(code == kKilled || code == kDone) << code;
        if (code == kDone) {
            EXPECT_EQ(world.snapshot(), expected);
            EXPECT_GT(n, 10);
            break;
        }
        const bool pending = world.exists(std::string(c.target) + "~qvset.tmp");
        bool finished = false;
        {
            // A new platform, as after a new start: no name cache survives.
            platform::PosixPlatform fresh(world.root() + "/Drives.cfg");
            platform::ScopedPlatform use(fresh);
            if (c.retry && n % 2 == 0) {
                // The operation run again puts the cut change right first, then does its work.
                const Outcome again = c.run();
                EXPECT_TRUE(again.done()) << again.message();
                finished = true;
            } else {
                const fileset::Recovery recovery = fileset::RecoverSetChanges(c.target);
                EXPECT_TRUE(recovery.status.ok()) << recovery.status.message();
                EXPECT_EQ(recovery.found, pending);
                finished = recovery.finished;
            }
        }
        const Snapshot after = world.snapshot();
        EXPECT_EQ(after, finished ? expected : before);
        EXPECT_EQ(StagingLeftovers(after), std::vector<std::string>{});
    }
}

INSTANTIATE_TEST_SUITE_P(
    Operations, CrashRecoveryTest,
    ::testing::Values(
        CrashCase{"Copy", kParts, false, [] { return CopyFileSet(kJobs, "BRACKET", kParts, "BRACKET", 3, Yes()); }, true},
        CrashCase{"CopyOverSet", kOtherDriveOwn, true,
                  [] { return CopyFileSet(kJobs, "BRACKET", kOtherDriveOwn, "BRACKET", 3, Yes()); }, true},
        CrashCase{"MoveWithinDrive", kParts, true, [] { return MoveFileSet(kJobs, "BRACKET", kParts, "BRACKET", 3, Yes()); }, false},
        CrashCase{"MoveAcrossDrives", kOtherDriveOwn, true,
                  [] { return MoveFileSet(kJobs, "BRACKET", kOtherDriveOwn, "BRACKET", 3, Yes()); }, false},
        CrashCase{"Delete", kJobs, false, [] { return DeleteFileSet(kJobs, "BRACKET", 3); }, false}),
    [](const auto& info) { return std::string(info.param.label); });

}  // namespace
}  // namespace qv::test
