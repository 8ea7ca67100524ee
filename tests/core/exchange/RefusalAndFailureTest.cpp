// Refused overwrites and the calls that are refused before anything is
// asked: a set onto itself, bad names, unknown kinds. How a copy or a move
// brings its files across: a move within one drive renames, across drives it
// copies, and it flushes every copy to the disc before it deletes any source.
// What the user is told when the file system fails a set operation: one
// notice names the user's file and the reason, and both folders stay as they
// were. The failures at every system call are in the fault loops.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <functional>

#include "support/FileSetWorld.h"
#include "core/common/State.h"
#include "core/exchange/FileSet.h"
#include "support/Answers.h"
#include "support/ForwardingPlatform.h"
#include "support/Unprivileged.h"

namespace qv::test {
namespace {

const std::vector<std::string> kSet = {"BRACKET.drw", "BRACKET.prg", "BRACKET.inf", "BRACKET.nst", "BRACKET.usr"};

constexpr std::int16_t kUntouched = 42;

struct Refused {
    const char* label;
    std::function<Outcome()> run;
    std::string shown;  // the question or the notice, "" when nothing is shown
    std::int16_t lastAnswer;
};

// Answering No to the overwrite question about name.
Refused No(const char* label, std::function<Outcome()> run, const std::string& name) {
    return {label, std::move(run), OverwriteQuestion(name), AnswerNo};
}
// Refused before anything is asked, with the notice shown ("" for none).
Refused Call(const char* label, std::function<Outcome()> run, const char* notice = "") {
    return {label, std::move(run), notice, kUntouched};
}
const char* const kBadName = "Invalid File Name !";

// A refusal returns 0 and leaves both folders as they were, the target's
// companions included; only the overwrite question touches LastAnswer.
void ExpectNothingChanged(const Refused& c) {
    SCOPED_TRACE(c.label);
    FileSetWorld world;  // every question is answered No
    world.putFiles(kJobs, kSet, "src");
    world.putFiles(kParts, {"BRACKET.drw", "BRACKET.prg", "BRACKET.seq", "BRACKET.TAP.prg", "BRACKET.DXF"}, "old");
    world.putFiles(kExchange, {"BRACKET.drw", "BRACKET.prg", "BRACKET.TAP", "BRACKET.DXF"}, "ext");
    const Snapshot before = world.snapshot();
    State().LastAnswer = kUntouched;

    const Outcome done = c.run();
    EXPECT_EQ(done.count(), 0);
    EXPECT_FALSE(done.done());

    EXPECT_EQ(world.snapshot(), before);
    EXPECT_EQ(State().LastAnswer, c.lastAnswer);
    // A question is asked through the callback, a refusal is the outcome's notice.
    const bool question = c.shown.find("Overwrite It ?") != std::string::npos;
    EXPECT_EQ(SharedAnswers().asked, question ? std::vector<std::string>{c.shown} : std::vector<std::string>{});
    EXPECT_EQ(done.message(), question ? std::string() : c.shown);
}

TEST(Refused, ChangesNothing) {
    const Refused cases[] = {
        No("CopyDrawing", [] { return CopyFileSet(kJobs, "BRACKET", kParts, "BRACKET", 1, SharedAsk()); }, "BRACKET"),
        No("CopyProgram", [] { return CopyFileSet(kJobs, "BRACKET", kParts, "BRACKET", 2, SharedAsk()); }, "BRACKET"),
        No("MoveBoth", [] { return MoveFileSet(kJobs, "BRACKET", kParts, "BRACKET", 3, SharedAsk()); }, "BRACKET"),
        No("ImportDrawing", [] { return ImportFile(kExchange, kParts, "BRACKET.drw", SharedAsk()); }, "BRACKET"),
        No("ImportProgram", [] { return ImportFile(kExchange, kParts, "BRACKET.prg", SharedAsk()); }, "BRACKET"),
        No("ImportSingle", [] { return ImportFile(kExchange, kParts, "BRACKET.DXF", SharedAsk()); }, "BRACKET.DXF"),
        No("ImportForeign", [] { return ImportFile(kExchange, kParts, "BRACKET.TAP", SharedAsk()); }, "BRACKET.TAP"),
        Call("MoveOntoItselfOtherCase", [] { return MoveFileSet(kJobs, "BRACKET", kJobs, "bracket", 1, SharedAsk()); }),
        Call("CopyOntoItselfThroughDots",
             [] {
                 return CopyFileSet(kJobs, "BRACKET", "C:\\MACH\\M1\\PARTS\\..\\JOBS\\", "BRACKET", 3, SharedAsk());
             }),
        Call("ImportDrawingFromItsOwnFolder", [] { return ImportFile(kJobs, kJobs, "BRACKET.drw", SharedAsk()); }),
        Call("ImportProgramFromItsOwnFolder", [] { return ImportFile(kJobs, kJobs, "bracket.PRG", SharedAsk()); }),
        Call("ImportSingleFromItsOwnFolder", [] { return ImportFile(kJobs, kJobs, "BRACKET.usr", SharedAsk()); }),
        Call("KindZero", [] { return CopyFileSet(kJobs, "BRACKET", kParts, "BRACKET", 0, SharedAsk()); }),
        Call("KindFour", [] { return MoveFileSet(kJobs, "BRACKET", kParts, "BRACKET", 4, SharedAsk()); }),
        Call("EmptyTargetName", [] { return CopyFileSet(kJobs, "BRACKET", kParts, "  ", 3, SharedAsk()); }, kBadName),
        Call("WildcardSourceName", [] { return MoveFileSet(kJobs, "BRACK*", kParts, "X", 3, SharedAsk()); }, kBadName),
        Call("TargetNameWithFolder",
             [] { return CopyFileSet(kJobs, "BRACKET", kParts, "..\\BRACKET", 3, SharedAsk()); }, kBadName),
        Call("ImportWithFolderInName",
             [] { return ImportFile(kJobs, kParts, "SUB\\BRACKET.drw", SharedAsk()); }, kBadName),
        Call("ImportEmptyName", [] { return ImportFile(kJobs, kParts, "", SharedAsk()); }, kBadName),
    };
    for (const Refused& c : cases) ExpectNothingChanged(c);
}

// A source set that has vanished brings nothing; the target set it was to
// replace stays as it was.
TEST(VanishedSource, LeavesTheTargetSetAlone) {
    FileSetWorld world({true, true});
    world.putFiles(kParts, {"GONE.drw", "GONE.prg", "GONE.usr"}, "old");
    const Snapshot before = world.snapshot();
    EXPECT_EQ(CopyFileSet(kJobs, "GONE", kParts, "GONE", 3, SharedAsk()).count(), 1);
    EXPECT_EQ(ImportFile(kExchange, kParts, "GONE.prg", SharedAsk()).count(), 1);
    EXPECT_EQ(world.snapshot(), before);
}

// Records the copies, syncs and deletions in the order they are made.
class Log : public ForwardingPlatform {
public:
    using ForwardingPlatform::ForwardingPlatform;
    std::vector<std::string> calls;

    Status copyFile(const std::string& from, const std::string& to) override {
        calls.push_back("copy");
        return ForwardingPlatform::copyFile(from, to);
    }
    Status syncFile(const std::string& path) override {
        calls.push_back("sync " + path);
        return ForwardingPlatform::syncFile(path);
    }
    Status deleteFile(const std::string& path) override {
        calls.push_back(path.find(kJobs) == 0 ? "delete source" : "delete");
        return ForwardingPlatform::deleteFile(path);
    }
};

TEST(TransferMethod, EveryCopyIsOnTheDiscBeforeAnySourceGoes) {
    const std::vector<std::string> pair = {"BRACKET.drw", "BRACKET.prg"};
    const std::string drw = std::string("sync ") + kOtherDriveOwn + "BRACKET.drw";
    const std::string prg = std::string("sync ") + kOtherDriveOwn + "BRACKET.prg";
    const struct {
        bool move;
        const char* target;
        std::vector<std::string> calls;  // the intent record's removal is the last delete
    } cases[] = {
        {false, kOtherDriveOwn, {"copy", "copy", "delete"}},
        {true, kParts, {"delete"}},
        {true, kOtherDriveOwn, {"copy", "copy", drw, prg, "delete source", "delete source", "delete"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.target) + (c.move ? " move" : " copy"));
        FileSetWorld world;
        world.putFiles(kJobs, pair, "src");
        Log log(world.platform());
        platform::ScopedPlatform use(log);
        const Outcome done = c.move ? MoveFileSet(kJobs, "BRACKET", c.target, "BRACKET", 3, SharedAsk())
                                    : CopyFileSet(kJobs, "BRACKET", c.target, "BRACKET", 3, SharedAsk());
        EXPECT_EQ(done.count(), 1) << done.message();
        EXPECT_EQ(log.calls, c.calls);
        world.expectUntouched(c.target, pair, "src");
        world.expectUntouched(kJobs, c.move ? std::vector<std::string>{} : pair, "src");
    }
}

TEST(FailureNotice, NamesTheFileAndTheReason) {
    const struct {
        bool move;
        const char* target;
        bool readOnly;  // the target folder, as a user without privileges meets it
        const char* notice;
    } cases[] = {
        {false, "C:\\MACH\\M1\\NOWHERE\\", false, "Copied !\nThe folder does not exist"},
        {false, "Q:\\JOBS\\", false, "Copied !\nDrive Q: does not exist"},
        {false, kParts, true, "Copied !\nAccess denied"},
        {true, kParts, true, "Moved !\nAccess denied"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.notice);
        FileSetWorld world({true});
        world.putFiles(kJobs, {"BRACKET.drw", "BRACKET.prg"}, "src");
        world.putFiles(kParts, {"BRACKET.drw", "BRACKET.rpt"}, "old");
        const Snapshot before = world.snapshot();
        AsUnprivileged(world.root(), [&] {
            if (c.readOnly) chmod(world.host(c.target).c_str(), 0555);
            const Outcome done = c.move ? MoveFileSet(kJobs, "BRACKET", c.target, "BRACKET", 3, SharedAsk())
                                        : CopyFileSet(kJobs, "BRACKET", c.target, "BRACKET", 3, SharedAsk());
            if (c.readOnly) chmod(world.host(c.target).c_str(), 0755);
            EXPECT_EQ(done.state(), Outcome::State::Failed);
            EXPECT_EQ(done.kind(), c.readOnly ? ErrorKind::Denied : ErrorKind::NotFound);
            EXPECT_EQ(done.message(), std::string("\"C:\\MACH\\M1\\JOBS\\BRACKET.drw\" Could Not Be ") + c.notice);
            EXPECT_EQ(world.snapshot(), before);
        });
    }
}

}  // namespace
}  // namespace qv::test
