// Deleting drawing sets, program sets and both, on real folders.
#include <gtest/gtest.h>

#include "support/FileSetWorld.h"
#include "core/exchange/FileSet.h"
#include "support/Answers.h"

namespace qv::test {
namespace {

// Every kind of file a folder may hold under or near the base name BRACKET.
const char* const kFolder = "drw usr seq nst dxf drg prg inf rpt stp - old.prg text /BRACKET. /BRACKETS.drw /OTHER.drw";

TEST(DeleteFileSet, RemovesTheMembersOfTheKindAndNothingElse) {
    const struct {
        std::int16_t kind;
        const char* files;
        const char* remaining;
    } cases[] = {
        {1, kFolder, "- /BRACKET. inf nst old.prg prg rpt stp text /BRACKETS.drw /OTHER.drw"},
        {2, kFolder, "- /BRACKET. drg drw dxf nst old.prg seq text usr /BRACKETS.drw /OTHER.drw"},
        {3, kFolder, "/BRACKET. nst old.prg text /BRACKETS.drw /OTHER.drw"},
        {1, "DRW PRG INF NST USR", "INF NST PRG"},
        {2, "/bracket.PRG /Bracket.Inf drw", "drw"},
        {3, "/OTHER.prg", "/OTHER.prg"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.files);
        FileSetWorld world;
        world.putFiles(kJobs, Files(c.files), "job");
        const Outcome done = DeleteFileSet(kJobs, "BRACKET", c.kind);
        EXPECT_EQ(done.count(), 1) << done.message();
        world.expectUntouched(kJobs, Files(c.remaining), "job");
    }
}

// The kinds that delete nothing keep the whole folder.
TEST(DeleteFileSetRefusals, OtherKindsAndBadNamesTouchNothing) {
    FileSetWorld world;
    world.putFiles(kJobs, Files(kFolder), "job");
    const Snapshot before = world.snapshot();
    for (std::int16_t kind : {0, 4, -1, 7}) EXPECT_EQ(DeleteFileSet(kJobs, "BRACKET", kind).count(), 0);
    for (const char* base : {"", "  ", "BRACK*", "BRACKET?", "..\\JOBS\\BRACKET", "C:BRACKET"})
        EXPECT_EQ(DeleteFileSet(kJobs, base, 3).message(), "Invalid File Name !");
    EXPECT_EQ(world.snapshot(), before);
}

}  // namespace
}  // namespace qv::test
