// Deleting drawing sets, program sets and both, on real folders.
#include <gtest/gtest.h>

#include "support/FileSetWorld.h"
#include "core/exchange/FileSet.h"
#include "support/Answers.h"

namespace qv::test {
namespace {

// Every kind of file a folder may hold under or near the base name BRACKET.
const std::vector<std::string> kFolder = {
    "BRACKET.drw", "BRACKET.usr", "BRACKET.seq", "BRACKET.nst", "BRACKET.dxf", "BRACKET.drg",
    "BRACKET.prg", "BRACKET.inf", "BRACKET.rpt", "BRACKET.stp", "BRACKET",     "BRACKET.old.prg",
    "BRACKET.text", "BRACKET.", "BRACKETS.drw", "OTHER.drw"};

struct DeleteCase {
    const char* label;
    std::int16_t kind;
    std::vector<std::string> files;
    std::vector<std::string> remaining;
};

void PrintTo(const DeleteCase& c, std::ostream* os) { *os << c.label; }

class DeleteFileSetTest : public ::testing::TestWithParam<DeleteCase> {};

TEST_P(DeleteFileSetTest, RemovesTheMembersOfTheKindAndNothingElse) {
    const DeleteCase& c = GetParam();
    FileSetWorld world;
    world.putFiles(kJobs, c.files, "job");
    const Outcome done = DeleteFileSet(kJobs, "BRACKET", c.kind);
    EXPECT_EQ(done.count(), 1) << done.message();
    world.expectUntouched(kJobs, c.remaining, "job");
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, DeleteFileSetTest,
    ::testing::Values(
        DeleteCase{"Drawing", 1, kFolder,
                   {"BRACKET", "BRACKET.", "BRACKET.inf", "BRACKET.nst", "BRACKET.old.prg", "BRACKET.prg",
                    "BRACKET.rpt", "BRACKET.stp", "BRACKET.text", "BRACKETS.drw", "OTHER.drw"}},
        DeleteCase{"Program", 2, kFolder,
                   {"BRACKET", "BRACKET.", "BRACKET.drg", "BRACKET.drw", "BRACKET.dxf", "BRACKET.nst",
                    "BRACKET.old.prg", "BRACKET.seq", "BRACKET.text", "BRACKET.usr", "BRACKETS.drw",
                    "OTHER.drw"}},
        DeleteCase{"Both", 3, kFolder,
                   {"BRACKET.", "BRACKET.nst", "BRACKET.old.prg", "BRACKET.text", "BRACKETS.drw", "OTHER.drw"}},
        DeleteCase{"UpperCaseCompanions", 1,
                   {"BRACKET.DRW", "BRACKET.PRG", "BRACKET.INF", "BRACKET.NST", "BRACKET.USR"},
                   {"BRACKET.INF", "BRACKET.NST", "BRACKET.PRG"}},
        DeleteCase{"UpperCaseProgram", 2, {"bracket.PRG", "Bracket.Inf", "BRACKET.drw"}, {"BRACKET.drw"}},
        DeleteCase{"NothingThere", 3, {"OTHER.prg"}, {"OTHER.prg"}}),
    [](const auto& info) { return std::string(info.param.label); });

// The kinds that delete nothing keep the whole folder.
TEST(DeleteFileSetRefusals, OtherKindsAndBadNamesTouchNothing) {
    FileSetWorld world;
    world.putFiles(kJobs, kFolder, "job");
    const Snapshot before = world.snapshot();
    for (std::int16_t kind : {0, 4, -1, 7}) EXPECT_EQ(DeleteFileSet(kJobs, "BRACKET", kind).count(), 0);
    for (const char* base : {"", "  ", "BRACK*", "BRACKET?", "..\\JOBS\\BRACKET", "C:BRACKET"})
        EXPECT_EQ(DeleteFileSet(kJobs, base, 3).message(), "Invalid File Name !");
    EXPECT_EQ(world.snapshot(), before);
}

}  // namespace
}  // namespace qv::test
