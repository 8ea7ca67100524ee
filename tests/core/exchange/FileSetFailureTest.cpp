// What the user is told when the file system fails a set operation, and how
// a move chooses between renaming and copying.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "FileSetWorld.h"
#include "core/exchange/FileSet.h"
#include "support/FaultyPlatform.h"
#include "support/MessageRecorder.h"

namespace qv::test {
namespace {

const std::vector<std::string> kPair = {"BRACKET.drw", "BRACKET.prg"};

std::string Path(const char* folder, const std::string& name) { return std::string(folder) + name; }

TEST(MoveMethod, WithinOneDriveRenamesAndNeverCopies) {
    FileSetWorld world;
    MessageRecorder messages;
    world.putFiles(kJobs, kPair, "src");
    FaultyPlatform counting(world.host());
    platform::ScopedPlatform use(counting);
    EXPECT_EQ(MoveFileSet(kJobs, "BRACKET", kParts, "BRACKET", 3), 1);
    EXPECT_EQ(counting.calls(kCopy), 0);
    EXPECT_EQ(counting.calls(kDelete), 0);
    EXPECT_EQ(world.read(Path(kParts, "BRACKET.prg")), Bytes("src", "BRACKET.prg"));
}

TEST(MoveMethod, AcrossDrivesCopiesThenDeletesTheSources) {
    FileSetWorld world;
    MessageRecorder messages;
    world.putFiles(kJobs, kPair, "src");
    FaultyPlatform counting(world.host());
    platform::ScopedPlatform use(counting);
    EXPECT_EQ(MoveFileSet(kJobs, "BRACKET", kOtherDriveOwn, "BRACKET", 3), 1);
    EXPECT_EQ(counting.calls(kCopy), 2);
    EXPECT_EQ(counting.calls(kDelete), 2);
    EXPECT_TRUE(world.names(kJobs).empty());
    EXPECT_EQ(world.read(Path(kOtherDriveOwn, "BRACKET.drw")), Bytes("src", "BRACKET.drw"));
}

// One folder of a drive may lie on another host file system; the rename then
// fails as cross-device and the file is copied instead.
TEST(MoveMethod, CrossDeviceRenameFallsBackToACopy) {
    FileSetWorld world;
    MessageRecorder messages;
    world.putFiles(kJobs, kPair, "src");
    FaultyPlatform faulty(world.host());
    platform::ScopedPlatform use(faulty);
    faulty.arm({kRename, 1, false, "cannot move to C:\\MACH\\M1\\PARTS\\x: not on the same drive"});
    EXPECT_EQ(MoveFileSet(kJobs, "BRACKET", kParts, "BRACKET", 3), 1);
    EXPECT_TRUE(faulty.fired());
    EXPECT_EQ(faulty.calls(kCopy), 1);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(world.names(kJobs).empty());
    EXPECT_EQ(world.names(kParts), kPair);
    for (const std::string& name : kPair) EXPECT_EQ(world.read(Path(kParts, name)), Bytes("src", name));
}

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
    MessageRecorder messages;
    messages.answer({true});
    world.putFiles(kJobs, kPair, "src");
    world.putFiles(kParts, {"BRACKET.drw", "BRACKET.rpt"}, "old");
    const Snapshot before = world.snapshot();
    FaultyPlatform faulty(world.host());
    platform::ScopedPlatform use(faulty);
    faulty.arm(c.fault);

    const std::int16_t count = c.move ? MoveFileSet(kJobs, "BRACKET", c.target, "BRACKET", 3)
                                      : CopyFileSet(kJobs, "BRACKET", c.target, "BRACKET", 3);

    EXPECT_EQ(count, 0);
    ASSERT_FALSE(messages.shown.empty());
    EXPECT_EQ(messages.shown.back(), c.notice);
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
                   "\"C:\\MACH\\M1\\JOBS\\BRACKET.drw\" Could Not Be Moved !\nThe drive is read-only"}),
    [](const auto& info) { return std::string(info.param.label); });

// When nothing can be put back (the drive went away mid-move), the notice
// says where the user's file is.
TEST(FailureNotice, TellsWhereAFileThatCouldNotGoBackIsKept) {
    FileSetWorld world;
    MessageRecorder messages;
    world.putFiles(kJobs, kPair, "src");
    FaultyPlatform faulty(world.host());
    platform::ScopedPlatform use(faulty);
    faulty.arm({kMutatingCalls, 2, true, "the drive is not ready"});

    EXPECT_EQ(MoveFileSet(kJobs, "BRACKET", kParts, "BRACKET", 3), 0);

    ASSERT_EQ(messages.shown.size(), 1u);
    const std::string& notice = messages.shown[0];
    const std::string head =
        "\"C:\\MACH\\M1\\JOBS\\BRACKET.prg\" Could Not Be Moved !\nThe drive is not ready\n"
        "\"C:\\MACH\\M1\\JOBS\\BRACKET.drw\" Is Kept As \"C:\\MACH\\M1\\PARTS\\~qv";
    ASSERT_EQ(notice.substr(0, head.size()), head);
    const std::size_t start = notice.rfind("\\~qv") + 1;
    const std::string kept = notice.substr(start, notice.find('"', start) - start);
    EXPECT_EQ(world.read(Path(kParts, kept)), Bytes("src", "BRACKET.drw"));
    EXPECT_EQ(world.read(Path(kJobs, "BRACKET.prg")), Bytes("src", "BRACKET.prg"));
}

// A real read-only folder (only meaningful when not running as root).
TEST(FailureNotice, ReadOnlyFolderOnDisc) {
    if (geteuid() == 0) GTEST_SKIP() << "root ignores folder permissions";
    FileSetWorld world;
    MessageRecorder messages;
    world.putFiles(kJobs, kPair, "src");
    const Snapshot before = world.snapshot();
    std::filesystem::permissions(world.hostPath(kParts), std::filesystem::perms::owner_read |
                                                             std::filesystem::perms::owner_exec);
    EXPECT_EQ(CopyFileSet(kJobs, "BRACKET", kParts, "BRACKET", 3), 0);
    EXPECT_EQ(MoveFileSet(kJobs, "BRACKET", kParts, "BRACKET", 3), 0);
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[0], "\"C:\\MACH\\M1\\JOBS\\BRACKET.drw\" Could Not Be Copied !\nAccess denied");
    std::filesystem::permissions(world.hostPath(kParts), std::filesystem::perms::owner_all);
    EXPECT_EQ(world.snapshot(), before);
}

}  // namespace
}  // namespace qv::test
