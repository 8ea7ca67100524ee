// What the user is told when the file system fails a set operation.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "FileSetWorld.h"
#include "core/exchange/FileSet.h"
#include "core/exchange/SetRecovery.h"
#include "support/FaultyPlatform.h"
#include "support/Answers.h"

namespace qv::test {
namespace {

const std::vector<std::string> kPair = {"BRACKET.drw", "BRACKET.prg"};

struct NoticeCase {
    const char* label;
    bool move;
    const char* target;
    Fault fault;
    const char* notice;
};

void PrintTo(const NoticeCase& c, std::ostream* os) { *os << c.label; }

class FailureNoticeTest : public ::testing::TestWithParam<NoticeCase> {};

// One notice names the user's file and the reason; both folders stay as they were.
TEST_P(FailureNoticeTest, NamesTheFileAndTheReason) {
    const NoticeCase& c = GetParam();
    FileSetWorld world;
    Answers& messages = SharedAnswers();
    messages = Answers{};
    messages.answer({true});
    world.putFiles(kJobs, kPair, "src");
    for (const char* folder : {kParts, kOtherDriveOwn}) world.putFiles(folder, {"BRACKET.drw", "BRACKET.rpt"}, "old");
    const Snapshot before = world.snapshot();
    FaultyPlatform faulty(world.platform());
    platform::ScopedPlatform use(faulty);
    faulty.arm(c.fault);

    const Outcome done = c.move ? MoveFileSet(kJobs, "BRACKET", c.target, "BRACKET", 3, SharedAsk())
                                      : CopyFileSet(kJobs, "BRACKET", c.target, "BRACKET", 3, SharedAsk());

    EXPECT_EQ(done.state(), Outcome::State::Failed);
    EXPECT_EQ(done.count(), 0);
    EXPECT_EQ(done.message(), c.notice);
    EXPECT_EQ(world.snapshot(), before);
}

const Fault kNone{0, 1};

INSTANTIATE_TEST_SUITE_P(
    Failures, FailureNoticeTest,
    ::testing::Values(
        NoticeCase{"MissingTargetFolder", false, "C:\\MACH\\M1\\NOWHERE\\", kNone,
                   "\"C:\\MACH\\M1\\JOBS\\BRACKET.drw\" Could Not Be Copied !\nThe folder does not exist"},
        NoticeCase{"MissingTargetFolderOnMove", true, "C:\\MACH\\M1\\NOWHERE\\", kNone,
                   "\"C:\\MACH\\M1\\JOBS\\BRACKET.drw\" Could Not Be Moved !\nThe folder does not exist"},
        NoticeCase{"MissingDrive", false, "Q:\\JOBS\\", kNone,
                   "\"C:\\MACH\\M1\\JOBS\\BRACKET.drw\" Could Not Be Copied !\nDrive Q: does not exist"},
        NoticeCase{"DiscFullOnSecondFile", false, kParts, {kCopy, 2, true, "the disc is full", true},
                   "\"C:\\MACH\\M1\\JOBS\\BRACKET.prg\" Could Not Be Copied !\nThe disc is full"},
        NoticeCase{"OldFileLocked", false, kParts, {kRename, 1, false, "in use"},
                   "\"C:\\MACH\\M1\\PARTS\\BRACKET.drw\" Could Not Be Replaced !\nIn use"},
        NoticeCase{"ReadOnlyTarget", true, kParts, {kRename, 1, true, "the drive is read-only"},
                   "\"C:\\MACH\\M1\\JOBS\\BRACKET.drw\" Could Not Be Moved !\nThe drive is read-only"},
        // A copy that may not be on the disc is no substitute for its source:
        // the move across drives is undone and the old target set comes back.
        NoticeCase{"FirstCopyNotFlushed", true, kOtherDriveOwn, {kSync, 1, false, "input/output error"},
                   "\"C:\\MACH\\M1\\JOBS\\BRACKET.drw\" Could Not Be Moved !\nInput/output error"},
        NoticeCase{"SecondCopyNotFlushed", true, kOtherDriveOwn, {kSync, 2, false, "input/output error"},
                   "\"C:\\MACH\\M1\\JOBS\\BRACKET.prg\" Could Not Be Moved !\nInput/output error"},
        NoticeCase{"NoCopyFlushed", true, kOtherDriveOwn, {kSync, 1, true, "the disc is full"},
                   "\"C:\\MACH\\M1\\JOBS\\BRACKET.drw\" Could Not Be Moved !\nThe disc is full"}),
    [](const auto& info) { return std::string(info.param.label); });

// When nothing can be put back (the drive went away mid-move), the notice
// says where the user's file is, and the intent record stays until a
// recovery can put it back.
TEST(FailureNotice, TellsWhereAFileThatCouldNotGoBackIsKept) {
    FileSetWorld world;
    Answers& messages = SharedAnswers();
    messages = Answers{};
    world.putFiles(kJobs, kPair, "src");
    FaultyPlatform faulty(world.platform());
    platform::ScopedPlatform use(faulty);
    faulty.arm({kMutatingCalls, 3, true, "the drive is not ready"});

    const Outcome done = MoveFileSet(kJobs, "BRACKET", kParts, "BRACKET", 3, SharedAsk());
    EXPECT_EQ(done.count(), 0);
    const std::string& notice = done.message();
    const std::string head =
        "\"C:\\MACH\\M1\\JOBS\\BRACKET.prg\" Could Not Be Moved !\nThe drive is not ready\n"
        "\"C:\\MACH\\M1\\JOBS\\BRACKET.drw\" Is Kept As \"C:\\MACH\\M1\\PARTS\\~qv";
    ASSERT_EQ(notice.substr(0, head.size()), head);
    const std::size_t start = notice.find("\\~qv") + 1;
    const std::string kept = notice.substr(start, notice.find('"', start) - start);
    EXPECT_EQ(world.read(kParts + kept), Bytes("src", "BRACKET.drw"));
    EXPECT_EQ(world.read(std::string(kJobs) + "BRACKET.prg"), Bytes("src", "BRACKET.prg"));
    const std::string record = std::string("\n\"") + kParts + "~qvset.tmp\" Is Kept To Finish Or Undo The Change Later !";
    EXPECT_EQ(notice.substr(notice.size() - record.size()), record);

    faulty.disarm();
    const fileset::Recovery recovery = fileset::RecoverSetChanges(kParts);
    EXPECT_TRUE(recovery.found && !recovery.finished && recovery.status.ok()) << recovery.status.message();
    world.expectUntouched(kJobs, kPair, "src");
    world.expectUntouched(kParts, {}, "src");
}

// A real read-only folder (only meaningful when not running as root).
TEST(FailureNotice, ReadOnlyFolderOnDisc) {
    if (geteuid() == 0) GTEST_SKIP() << "root ignores folder permissions";
    FileSetWorld world;
    Answers& messages = SharedAnswers();
    messages = Answers{};
    world.putFiles(kJobs, kPair, "src");
    const Snapshot before = world.snapshot();
    chmod(world.host(kParts).c_str(), 0555);
    const Outcome copied = CopyFileSet(kJobs, "BRACKET", kParts, "BRACKET", 3, SharedAsk());
    const Outcome moved = MoveFileSet(kJobs, "BRACKET", kParts, "BRACKET", 3, SharedAsk());
    chmod(world.host(kParts).c_str(), 0755);
    EXPECT_EQ(copied.kind(), ErrorKind::Denied);
    EXPECT_EQ((std::vector<std::string>{copied.message(), moved.message()}), (std::vector<std::string>{
                                  "\"C:\\MACH\\M1\\JOBS\\BRACKET.drw\" Could Not Be Copied !\nAccess denied",
                                  "\"C:\\MACH\\M1\\JOBS\\BRACKET.drw\" Could Not Be Moved !\nAccess denied"}));
    EXPECT_EQ(world.snapshot(), before);
}

}  // namespace
}  // namespace qv::test
