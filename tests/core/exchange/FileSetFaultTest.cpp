// Fault injection: every set operation is run with its Nth file-system call
// failing, for every N, and after each run no file may be lost, changed or
// half-written, no temporary file may stay unreported, and each set must be
// whole at its source or at its destination.
#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <optional>
#include <set>
#include <tuple>

#include "FileSetWorld.h"
#include "core/exchange/FileSet.h"
#include "support/FaultyPlatform.h"
#include "support/Answers.h"

namespace qv::test {
namespace {

const std::vector<std::string> kSet = {"BRACKET.drw", "BRACKET.prg", "BRACKET.inf", "BRACKET.nst",
                                       "BRACKET.usr", "BRACKET"};
const std::vector<std::string> kOldSet = {"BRACKET.drw", "BRACKET.prg", "BRACKET.rpt", "BRACKET.nst", "OTHER.prg"};

struct Scenario {
    const char* label;
    std::function<void(FileSetWorld&)> prepare;
    std::function<qv::Outcome()> run;
    bool isMove = false;
};

// The set in JOBS and an old set in the target folder.
std::function<void(FileSetWorld&)> SetOver(const char* target) {
    return [target](FileSetWorld& w) {
        w.putFiles(kJobs, kSet, "src");
        w.putFiles(target, kOldSet, "old");
    };
}

struct Mode {
    const char* label;
    unsigned kinds;
    bool persistent;
    bool partialCopy;
    const char* reason;
};

void PrintTo(const Scenario& scenario, std::ostream* os) { *os << scenario.label; }
void PrintTo(const Mode& mode, std::ostream* os) { *os << mode.label; }

const Scenario kScenarios[] = {
    {"CopyOverSet", SetOver(kParts), [] { return CopyFileSet(kJobs, "BRACKET", kParts, "BRACKET", 3, SharedAsk()); }},
    {"CopyDrawingBesideProgram", SetOver(kParts), [] { return CopyFileSet(kJobs, "BRACKET", kParts, "BRACKET", 1, SharedAsk()); }},
    {"MoveWithinDrive", SetOver(kParts), [] { return MoveFileSet(kJobs, "BRACKET", kParts, "BRACKET", 3, SharedAsk()); }, true},
    {"MoveAcrossDrives", SetOver(kOtherDriveOwn),
     [] { return MoveFileSet(kJobs, "BRACKET", kOtherDriveOwn, "BRACKET", 3, SharedAsk()); }, true},
    {"MoveProgramToForeignMachine",
     [](FileSetWorld& w) {
         w.putFiles(kJobs, {"BRACKET.prg", "BRACKET.inf", "BRACKET.stp", "BRACKET.drw"}, "src");
         w.putFiles(kForeign, {"BRACKET.prg", "BRACKET.stp"}, "old");
     },
     [] { return MoveFileSet(kJobs, "BRACKET", kForeign, "BRACKET", 2, SharedAsk()); }, true},
    {"RenameInFolder",
     [](FileSetWorld& w) { w.putFiles(kJobs, kSet, "src"); w.putFiles(kJobs, {"HOLDER.drw", "HOLDER.stp"}, "old"); },
     [] { return MoveFileSet(kJobs, "BRACKET", kJobs, "HOLDER", 3, SharedAsk()); }, true},
    {"DeleteBoth", [](FileSetWorld& w) { w.putFiles(kJobs, kSet, "src"); w.putFiles(kJobs, {"OTHER.drw"}, "src"); },
     [] { return DeleteFileSet(kJobs, "BRACKET", 3); }},
    {"ImportDrawing",
     [](FileSetWorld& w) {
         w.putFiles(kExchange, {"PART1.drw", "PART1.usr", "PART1.nst", "PART1.prg"}, "ext");
         w.putFiles(kJobs, {"PART1.drw", "PART1.seq", "PART1.prg"}, "old");
     },
     [] { return ImportFile(kExchange, kJobs, "PART1.drw", SharedAsk()); }},
    {"ImportForeignFile",
     [](FileSetWorld& w) {
         w.putFiles(kExchange, {"PART1.TAP"}, "ext");
         w.putFiles(kJobs, {"PART1.TAP.prg", "PART1.TAP.inf"}, "old");
     },
     [] { return ImportFile(kExchange, kJobs, "PART1.TAP", SharedAsk()); }},
};

const Mode kModes[] = {
    {"Transient", kMutatingCalls, false, false, "input/output error"},
    {"TransientHalfCopy", kCopy, false, true, "the disc is full"},
    {"DiscFull", kCopy, true, true, "the disc is full"},
    {"RenameRefused", kRename, true, false, "access denied"},
    {"DeleteRefused", kDelete, true, false, "access denied"},
    {"DriveGone", kMutatingCalls, true, false, "the drive is not ready"},
    {"SyncFails", kSync, true, false, "input/output error"},
};

std::optional<std::string> At(const Snapshot& snapshot, const std::string& key) {
    auto it = snapshot.find(key);
    return it == snapshot.end() ? std::nullopt : std::optional<std::string>(it->second);
}

std::string Capitalised(std::string text) {
    text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
    return text;
}

struct RunResult {
    Snapshot before, after;
    int count = 0;
    std::vector<std::string> notices;
    bool fired = false;
};

RunResult RunOnce(const Scenario& scenario, const Fault* fault) {
    FileSetWorld world;
    scenario.prepare(world);
    RunResult out;
    out.before = world.snapshot();
    SharedAnswers() = Answers{true, true, true};
    FaultyPlatform faulty(world.platform());
    platform::ScopedPlatform use(faulty);
    if (fault) faulty.arm(*fault);
    const qv::Outcome done = scenario.run();
    out.count = done.count();
    if (!done.message().empty()) out.notices.push_back(done.message());
    faulty.disarm();
    out.fired = faulty.fired();
    out.after = world.snapshot();
    return out;
}

class FileSetFaultTest : public ::testing::TestWithParam<std::tuple<Scenario, Mode>> {};

TEST_P(FileSetFaultTest, NoFileIsLostOrHalfWritten) {
    const auto& [scenario, mode] = GetParam();
    const RunResult clean = RunOnce(scenario, nullptr);
    const Snapshot& before = clean.before;
    ASSERT_TRUE(clean.notices.empty());
    const Snapshot& expected = clean.after;
    ASSERT_NE(expected, before);

    // Files that go away, and files that come or change, when all goes well.
    std::set<std::string> leaving, arriving, keys;
    for (const auto& [key, bytes] : before) keys.insert(key);
    for (const auto& [key, bytes] : expected) keys.insert(key);
    for (const std::string& key : keys) {
        if (At(before, key) == At(expected, key)) continue;
        (At(expected, key) ? arriving : leaving).insert(key);
    }
    const bool driveGone = std::string(mode.label) == "DriveGone";

    int n = 1;
    for (;; ++n) {
        ASSERT_LT(n, 200) << "the fault kept firing";
        const Fault fault{mode.kinds, n, mode.persistent, mode.reason, mode.partialCopy};
        const RunResult run = RunOnce(scenario, &fault);
        SCOPED_TRACE("fault at call " + std::to_string(n));
        if (!run.fired) {
            EXPECT_EQ(run.after, expected);
            break;
        }
        // A fault that was absorbed (a temporary file deleted at the second
        // try) must leave the finished result and say nothing.
        if (run.notices.empty()) {
            EXPECT_EQ(run.after, expected);
            EXPECT_NE(run.count, 0);
            continue;
        }
        ASSERT_EQ(run.notices.size(), 1u);
        EXPECT_NE(run.count, 1);
        const std::string& notice = run.notices[0];
        EXPECT_EQ(notice.front(), '"') << notice;
        EXPECT_NE(notice.find("\" Could Not Be "), std::string::npos) << notice;
        EXPECT_NE(notice.find(" !\n" + Capitalised(mode.reason)), std::string::npos) << notice;

        // Temporary files stay only where the notice says so.
        const std::vector<std::string> leftovers = StagingLeftovers(run.after);
        if (!driveGone && std::string(mode.label) != "DeleteRefused") {
            EXPECT_TRUE(leftovers.empty());
        }
        for (const std::string& key : leftovers) {
            const std::string name = key.substr(key.rfind('/') + 1);
            EXPECT_NE(notice.find(name), std::string::npos) << key << "\n" << notice;
        }
        Snapshot after = run.after;
        for (const std::string& key : leftovers) after.erase(key);

        bool targetWhole = true;
        for (const std::string& key : arriving) targetWhole = targetWhole && At(after, key) == At(expected, key);
        if (driveGone) {
            // Nothing can be put back; every file that should survive must
            // still exist somewhere, under its name or the one the notice
            // gives, and the old files too until the new set is whole.
            std::set<std::string> present;
            for (const auto& [key, bytes] : run.after) present.insert(bytes);
            for (const auto& [key, bytes] : expected) EXPECT_TRUE(present.count(bytes)) << "lost " << key;
            if (!targetWhole) {
                for (const auto& [key, bytes] : before) EXPECT_TRUE(present.count(bytes)) << "lost " << key;
            }
            continue;
        }
        // Each file is as it was or as it is to be: none lost, none half-written.
        std::set<std::string> all = keys;
        for (const auto& [key, bytes] : after) all.insert(key);
        for (const std::string& key : all) {
            const auto now = At(after, key);
            EXPECT_TRUE(now == At(before, key) || now == At(expected, key)) << key;
        }
        bool sourceWhole = true;
        for (const std::string& key : leaving) sourceWhole = sourceWhole && At(after, key) == At(before, key);
        EXPECT_TRUE(sourceWhole || targetWhole);
        // A single failure undoes the whole change, except a move that had
        // already put its set in place when a source would not go.
        if (!mode.persistent) {
            EXPECT_TRUE(after == before || (scenario.isMove && targetWhole));
        }
        if (std::string(scenario.label) == "DeleteBoth" && std::string(mode.label) != "DeleteRefused") {
            EXPECT_EQ(after, before);
        }
    }
    if (mode.kinds == kMutatingCalls) {
        EXPECT_GT(n, 1) << "no fault ever fired";
    }
}

INSTANTIATE_TEST_SUITE_P(
    EveryCall, FileSetFaultTest, ::testing::Combine(::testing::ValuesIn(kScenarios), ::testing::ValuesIn(kModes)),
    [](const auto& info) {
        return std::string(std::get<0>(info.param).label) + "_" + std::get<1>(info.param).label;
    });

}  // namespace
}  // namespace qv::test
