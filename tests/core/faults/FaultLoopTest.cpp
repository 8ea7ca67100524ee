// Faults at the system calls under every operation that changes files: each
// run fails the Nth call, for N = 1, 2, ... until a run fires no fault, in
// every mode. After each run no source is lost or changed, every file holds
// its old bytes or its whole new bytes, a file the clean run does not leave
// is named in the notice, and a failure says Failed with the error's kind.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <iostream>
#include <memory>
#include <optional>
#include <set>

#include "core/common/State.h"
#include "core/common/SystemConfigurationFile.h"
#include "core/exchange/FileSet.h"
#include "core/exchange/SetRecovery.h"
#include "core/startup/ReverseList.h"
#include "core/startup/Startup.h"
#include "core/workstation/Acceptance.h"
#include "core/workstation/ExchangeFiles.h"
#include "core/workstation/RecentFile.h"
#include "core/workstation/ReverseRunState.h"
#include "support/Answers.h"
#include "support/DrawingFile.h"
#include "support/FileSetWorld.h"
#include "support/InstallationFixture.h"
#include "support/SysFaults.h"

namespace qv::test {
namespace {

// Tens of thousands of short-lived files: in memory they take seconds, where
// a journalled disc flushes at every rename over a file.
[[maybe_unused]] const bool kInMemory = access("/dev/shm", W_OK) == 0 && setenv("TMPDIR", "/dev/shm", 1) == 0;

struct Scenario {
    const char* label;
    std::function<std::unique_ptr<Sandbox>()> prepare;
    std::function<Outcome()> run;
    bool move = false;
    unsigned lacks = 0;           // kinds of call the operation never makes
    const char* intent = nullptr; // the folder that records a set change
};

struct Mode {
    const char* label;
    SysFault fault;
    ErrorKind kind;
    bool recoverable = true;  // false: nothing can be put back once it fires
};

const Mode kModes[] = {
    {"EioOnce", {kSysAny, 1, false, EIO}, ErrorKind::Other},
    {"EioFromThenOn", {kSysAny, 1, true, EIO}, ErrorKind::Other, false},
    {"DiscFull", {kSysWrite | kSysCopyRange | kSysMakeFolder, 1, true, ENOSPC}, ErrorKind::DiscFull},
    {"ShortWriteOnce", {kSysWrite, 1, false, 0, true}, ErrorKind::None},
    {"ShortWrites", {kSysWrite, 1, true, 0, true}, ErrorKind::DiscFull},
    {"OpenOrListDenied", {kSysOpen | kSysList, 1, true, EACCES}, ErrorKind::Denied},
    {"CrossDeviceRename", {kSysRename, 1, false, EXDEV}, ErrorKind::CrossDevice},
    {"FlushFails", {kSysSync, 1, true, EIO}, ErrorKind::Other},
};

// ---- The operations ---------------------------------------------------

const std::vector<std::string> kSet = {"BRACKET.drw", "BRACKET.prg", "BRACKET.inf", "BRACKET.nst",
                                       "BRACKET.usr", "BRACKET"};
const std::vector<std::string> kOldSet = {"BRACKET.drw", "BRACKET.prg", "BRACKET.rpt", "BRACKET.nst", "OTHER.prg"};

using Files = std::vector<std::pair<const char*, std::vector<std::string>>>;

std::function<std::unique_ptr<Sandbox>()> Sets(Files source, Files old = {}) {
    return [source, old] {
        auto world = std::make_unique<FileSetWorld>();
        for (const auto& [folder, names] : source) world->putFiles(folder, names, "src");
        for (const auto& [folder, names] : old) world->putFiles(folder, names, "old");
        return world;
    };
}

Outcome Checked(const Status& status) { return status.ok() ? Outcome::Done() : Outcome::Failed(status); }

std::unique_ptr<Sandbox> Configured() {
    auto world = std::make_unique<MachineSandbox>();
    world->writeLines("C:\\QV\\Quorvane.cfg", {"C:\\QV\\", "C:\\QV\\DATA\\", "C:\\JOBS\\", " 1", "OLD", "******"});
    world->writeLines("C:\\QV\\Lastfile.lst", {"\"OLD\",\"PART1\"", "******"});
    world->writeLines("C:\\QV\\Reverse.cfg", {" 1"});
    State().Config.CurrentDirectory = "NEW";
    return world;
}

const char* const kJob = "C:\\QUORVANE\\PROGRAMS\\PRESS1\\JOBS\\";

std::unique_ptr<Sandbox> ProcessorFinished() {
    auto world = std::make_unique<InstallationFixture>();
    world->install();
    if (Status started = RunStartup(); !started.ok()) ADD_FAILURE() << started.message();
    DrawingRecord header, punch;
    header.LevelNumber = 1200;
    punch.EntityCode = 210;
    punch.Doubles6 = {1, 2.5, -3.25, 4, 5, 6};
    world->write(kJob + std::string("P1.drw"), DrawingBytes({header, punch, punch}));
    const std::string program = kJob + std::string("P1");
    if (!WriteReversePath("C:\\QUORVANE\\Reverse.pth", {program, "P1", "JOBS", "PRESS1"}).ok())
        ADD_FAILURE() << "no Reverse.pth";
    ReverseRun().ProgramPath = program;
    world->write("C:\\QUORVANE\\Reverse.sht", "1000,500,250,1300\r\n");
    world->write("C:\\QUORVANE\\Reverse.trt", "0\r\n");
    world->write("C:\\QUORVANE\\Reverse.rnd", std::string(160, 'r'));
    return world;
}

AskFunction Yes() {
    return [](const std::string&) { return true; };
}

const Scenario kScenarios[] = {
    {"CopyOverSet", Sets({{kJobs, kSet}}, {{kParts, kOldSet}}),
     [] { return CopyFileSet(kJobs, "BRACKET", kParts, "BRACKET", 3, Yes()); }, false, 0, kParts},
    {"CopyDrawingBesideProgram", Sets({{kJobs, kSet}}, {{kOtherDriveOwn, kOldSet}}),
     [] { return CopyFileSet(kJobs, "BRACKET", kOtherDriveOwn, "BRACKET", 1, Yes()); }, false, 0, kOtherDriveOwn},
    {"MoveWithinDrive", Sets({{kJobs, kSet}}, {{kParts, kOldSet}}),
     [] { return MoveFileSet(kJobs, "BRACKET", kParts, "BRACKET", 3, Yes()); }, true, 0, kParts},
    {"MoveAcrossDrives", Sets({{kJobs, kSet}}, {{kOtherDriveOwn, kOldSet}}),
     [] { return MoveFileSet(kJobs, "BRACKET", kOtherDriveOwn, "BRACKET", 3, Yes()); }, true, 0, kOtherDriveOwn},
    {"MoveProgramToForeignMachine",
     Sets({{kJobs, {"BRACKET.prg", "BRACKET.inf", "BRACKET.stp", "BRACKET.drw"}}},
          {{kForeign, {"BRACKET.prg", "BRACKET.stp"}}}),
     [] { return MoveFileSet(kJobs, "BRACKET", kForeign, "BRACKET", 2, Yes()); }, true, 0, kForeign},
    {"RenameInFolder", Sets({{kJobs, kSet}}, {{kJobs, {"HOLDER.drw", "HOLDER.stp"}}}),
     [] { return MoveFileSet(kJobs, "BRACKET", kJobs, "HOLDER", 3, Yes()); }, true, 0, kJobs},
    {"MoveSeveralSets", Sets({{kJobs, {"A.drw", "A.prg", "B.drw", "B.nst"}}}, {{kParts, {"A.drw", "A.rpt"}}}),
     [] { return TransferFileSets(kJobs, {"A", "B"}, kParts, 3, true, Yes()); }, true, 0, kParts},
    {"DeleteBoth", Sets({{kJobs, kSet}, {kJobs, {"OTHER.drw"}}}), [] { return DeleteFileSet(kJobs, "BRACKET", 3); },
     false, kSysCopyRange | kSysMakeFolder, kJobs},
    {"ImportDrawing",
     Sets({{kExchange, {"PART1.drw", "PART1.usr", "PART1.nst", "PART1.prg"}}},
          {{kJobs, {"PART1.drw", "PART1.seq", "PART1.prg"}}}),
     [] { return ImportFile(kExchange, kJobs, "PART1.drw", Yes()); }, false, 0, kJobs},
    {"ImportForeignFile", Sets({{kExchange, {"PART1.TAP"}}}, {{kJobs, {"PART1.TAP.prg", "PART1.TAP.inf"}}}),
     [] { return ImportFile(kExchange, kJobs, "PART1.TAP", Yes()); }, false, 0, kJobs},
    {"SystemConfiguration", Configured, [] { return Checked(WriteSystemConfiguration()); }, false,
     kSysCopyRange | kSysMakeFolder | kSysList},
    {"ReverseConfiguration", Configured, [] { return Checked(WriteReverseConfiguration(2)); }, false,
     kSysCopyRange | kSysMakeFolder | kSysList},
    {"RecentFile", Configured,
     [] { return Checked(RememberLastFile("NEW", "PART7")); }, false,
     kSysCopyRange | kSysMakeFolder | kSysList},
    {"Acceptance", ProcessorFinished, [] { return AcceptResult({"1000", "500", "250", "1300"}); }, false,
     kSysCopyRange | kSysMakeFolder},
};

// ---- The checks -------------------------------------------------------

std::optional<std::string> At(const Snapshot& snapshot, const std::string& key) {
    auto it = snapshot.find(key);
    return it == snapshot.end() ? std::nullopt : std::optional<std::string>(it->second);
}

std::string NameOf(const std::string& key) { return key.substr(key.rfind('/') + 1); }

struct Attempt {
    Snapshot before, after;
    Outcome outcome = Outcome::Declined();
    int fired = 0;
};

Attempt RunOnce(const Scenario& scenario, const SysFault* fault) {
    SysFaults faults;
    ResetModuleState();
    const std::unique_ptr<Sandbox> world = scenario.prepare();
    Attempt run;
    run.before = world->snapshot();
    if (fault) faults.arm(*fault);
    run.outcome = scenario.run();
    faults.disarm();
    run.fired = faults.fired();
    run.after = world->snapshot();
    return run;
}

void Check(const Scenario& scenario, const Mode& mode, const Attempt& run, const Snapshot& expected) {
    const Snapshot& before = run.before;
    const std::string& notice = run.outcome.message();
    if (run.outcome.done()) {
        // Done: the whole change, but for old files the notice names.
        for (const auto& [key, bytes] : run.after) {
            if (At(expected, key) == bytes) continue;
            EXPECT_TRUE(At(before, key) == bytes && notice.find(NameOf(key)) != std::string::npos) << key;
        }
        for (const auto& [key, bytes] : expected) EXPECT_EQ(At(run.after, key), bytes) << key;
        return;
    }
    ASSERT_EQ(run.outcome.state(), Outcome::State::Failed) << notice;
    EXPECT_EQ(run.outcome.kind(), mode.kind) << notice;
    std::set<std::string> keys;
    for (const Snapshot* s : {&before, &expected, &run.after})
        for (const auto& [key, bytes] : *s) keys.insert(key);
    std::set<std::string> contents;  // whole bytes a lost name may be kept under
    bool sourceWhole = true, targetWhole = true;
    Snapshot after;
    for (const std::string& key : keys) {
        const auto old = At(before, key), now = At(run.after, key), next = At(expected, key);
        if (!old && !next) {
            // A file of our own left behind: named, and whole.
            EXPECT_NE(notice.find(NameOf(key)), std::string::npos) << "stray " << key << "\n" << notice;
            contents.insert(*now);
            continue;
        }
        if (now) after[key] = *now;
        if (old != next) (next ? targetWhole : sourceWhole) &= now == (next ? next : old);
    }
    for (const std::string& key : keys) {
        const auto old = At(before, key), now = At(run.after, key), next = At(expected, key);
        if ((!old && !next) || now == old || now == next) continue;
        // Only a fault that keeps failing may leave a file under the name the notice gives.
        const bool kept = !mode.recoverable && !now && contents.count(old ? *old : *next);
        EXPECT_TRUE(kept) << key << " lost or half-written\n" << notice;
    }
    EXPECT_TRUE(sourceWhole || targetWhole || !mode.recoverable) << notice;
    if (mode.recoverable && !mode.fault.persistent && !scenario.move) {
        EXPECT_EQ(after, before) << notice;
    }
}

void PrintTo(const Scenario& scenario, std::ostream* os) { *os << scenario.label; }
void PrintTo(const Mode& mode, std::ostream* os) { *os << mode.label; }

class FaultLoopTest : public ::testing::TestWithParam<std::tuple<Scenario, Mode>> {};

TEST_P(FaultLoopTest, LosesNothingAndLeavesNothingUnnamed) {
    const auto& [scenario, mode] = GetParam();
    const Attempt clean = RunOnce(scenario, nullptr);
    ASSERT_TRUE(clean.outcome.done()) << clean.outcome.message();
    ASSERT_NE(clean.after, clean.before);
    int runs = 0, fired = 0;
    for (int n = 1;; ++n) {
        ASSERT_LT(n, 400) << "the fault kept firing";
        SysFault fault = mode.fault;
        fault.nth = n;
        const Attempt run = RunOnce(scenario, &fault);
        if (!run.fired) {
            EXPECT_TRUE(run.outcome.done()) << run.outcome.message();
            EXPECT_EQ(run.after, clean.after);
            break;
        }
        SCOPED_TRACE("fault at call " + std::to_string(n));
        ++runs;
        fired += run.fired;
        Check(scenario, mode, run, clean.after);
        if (HasFatalFailure()) return;
    }
    std::cout << scenario.label << "/" << mode.label << ": " << runs << " runs, " << fired << " faults fired\n";
    RecordProperty("faults", fired);
    const bool noSuchCall = (mode.fault.kinds & ~scenario.lacks) == 0 ||
                            (mode.fault.shortWrite && (scenario.lacks & kSysWrite));
    EXPECT_TRUE(fired > 0 || noSuchCall) << "no fault ever fired";
}

INSTANTIATE_TEST_SUITE_P(
    EveryCall, FaultLoopTest, ::testing::Combine(::testing::ValuesIn(kScenarios), ::testing::ValuesIn(kModes)),
    [](const auto& info) {
        return std::string(std::get<0>(info.param).label) + "_" + std::get<1>(info.param).label;
    });

// ---- Crashes ----------------------------------------------------------

constexpr int kKilled = 70, kDone = 71;

std::vector<Scenario> SetChanges() {
    std::vector<Scenario> out;
    for (const Scenario& scenario : kScenarios)
        if (scenario.intent) out.push_back(scenario);
    return out;
}

class CrashTest : public ::testing::TestWithParam<Scenario> {};

// Killed at its Nth system call that changes the disc, for every N, then
// recovered as the next start does it or, for a copy, by the same operation
// run again: every set ends whole at one end and no staging file, record or
// temporary file is left.
TEST_P(CrashTest, EverySetEndsWholeAtOneEnd) {
    const Scenario& scenario = GetParam();
    const Attempt clean = RunOnce(scenario, nullptr);
    for (int n = 1;; ++n) {
        ASSERT_LT(n, 400) << "the operation never completed";
        SCOPED_TRACE("killed at change " + std::to_string(n));
        SysFaults quiet;
        ResetModuleState();
        const std::unique_ptr<Sandbox> world = scenario.prepare();
        const pid_t pid = fork();
        if (pid == 0) {
            quiet.arm({kSysChanges, n, false, 0, false, kKilled});
            (void)scenario.run();
            _exit(kDone);
        }
        int status = 0;
        waitpid(pid, &status, 0);
        const int code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        ASSERT_TRUE(code == kKilled || code == kDone) << code;
        if (code == kDone) {
            EXPECT_EQ(world->snapshot(), clean.after);
            std::cout << scenario.label << ": killed " << n - 1 << " times\n";
            break;
        }
        // A new platform, as after a new start: no name cache survives.
        platform::PosixPlatform fresh(world->root() + "/Drives.cfg");
        platform::ScopedPlatform use(fresh);
        bool finished = true;
        if (!scenario.move && n % 2 == 0) {
            const Outcome again = scenario.run();
            EXPECT_TRUE(again.done()) << again.message();
        } else {
            const fileset::Recovery recovery = fileset::RecoverSetChanges(scenario.intent);
            EXPECT_TRUE(recovery.status.ok()) << recovery.status.message();
            finished = recovery.finished;
        }
        // A write cut between its bytes and its rename goes at the next start.
        EXPECT_TRUE(platform::Current().removeStaleTemporaries(scenario.intent).ok());
        const Snapshot after = world->snapshot();
        EXPECT_EQ(after, finished ? clean.after : clean.before);
        EXPECT_EQ(StagingLeftovers(after), std::vector<std::string>{});
    }
}

INSTANTIATE_TEST_SUITE_P(SetChanges, CrashTest, ::testing::ValuesIn(SetChanges()),
                         [](const auto& info) { return std::string(info.param.label); });

}  // namespace
}  // namespace qv::test
