// What the user is told when the file system fails a set operation: one
// notice names the user's file and the reason, and both folders stay as they
// were. The failures at every system call are in the fault loops.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "core/exchange/FileSet.h"
#include "support/Answers.h"
#include "support/FileSetWorld.h"
#include "support/Unprivileged.h"

namespace qv::test {
namespace {

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
