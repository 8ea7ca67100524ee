// The extension rule that decides which files belong to a set; deleting
// sets; copying and moving sets of every kind, within one drive and across
// drives, into folders of the selected machine and of another one; importing
// drawings, programs, single companions and foreign files from another drive.
#include <gtest/gtest.h>

#include <tuple>

#include "support/FileSetWorld.h"
#include "core/common/State.h"
#include "core/exchange/FileSet.h"
#include "support/Answers.h"

namespace qv::test {
namespace {

TEST(FileExtension, TakesAtMostThreeCharactersAfterALateDot) {
    const std::pair<const char*, const char*> cases[] = {
        {"PART1.prg", "prg"}, {"A.B", "B"},   {"NAME.", ""},  {"FILE.TEXT", ""}, {".prg", ""}, {"PART1", ""},
        {"", ""},             {"X.ab", "ab"}, {"..ab", "ab"}, {".ab", ""},       {"B.old.prg", "prg"},
        {"  BRACKET.DRW  ", "DRW"},
    };
    for (const auto& [name, extension] : cases) EXPECT_EQ(FileExtension(name), extension) << '"' << name << '"';
}

// Every kind of file a folder may hold under or near the base name BRACKET.
const char* const kFolder = "drw usr seq nst dxf drg prg inf rpt stp - old.prg text /BRACKET. /BRACKETS.drw /OTHER.drw";

TEST(DeleteFileSet, RemovesTheMembersOfTheKindAndNothingElse) {
    const struct {
        std::int16_t kind;
        const char* files;
        const char* remaining;
    } cases[] = {
        {1, kFolder, "- /BRACKET. inf nst old.prg prg rpt stp text /BRACKETS.drw /OTHER.drw"},
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

struct TransferCase {
    const char* label;
    std::int16_t kind;
    bool ownMachine;  // target folder of the selected machine "M1"
    const char* source;
    const char* target;  // files already in the target folder
    const char* targetBase;
    const char* expected;    // the target after
    const char* leftByMove;  // source files a move leaves behind
    bool asks;               // the overwrite question is asked
};

void PrintTo(const TransferCase& c, std::ostream* os) { *os << c.label; }

enum class Op { Copy, Move };

using Param = std::tuple<TransferCase, Op, char>;

class CopyMoveFileSetTest : public ::testing::TestWithParam<Param> {};

TEST_P(CopyMoveFileSetTest, BringsTheMembersAcrossAndLeavesTheRest) {
    const auto& [c, op, drive] = GetParam();
    FileSetWorld world({true, true});
    const std::string target = drive == 'C' ? (c.ownMachine ? kParts : kForeign)
                                            : (c.ownMachine ? kOtherDriveOwn : kOtherDriveForeign);
    world.putFiles(kJobs, Files(c.source), "src");
    world.putFiles(target, Files(c.target), "old");

    const Outcome done = op == Op::Copy ? CopyFileSet(kJobs, "BRACKET", target, c.targetBase, c.kind, SharedAsk())
                                        : MoveFileSet(kJobs, "BRACKET", target, c.targetBase, c.kind, SharedAsk());

    EXPECT_TRUE(done.done()) << done.message();
    EXPECT_EQ(done.count(), 1);
    EXPECT_EQ(State().LastAnswer, AnswerYes);
    EXPECT_EQ(SharedAnswers().asked.size(), c.asks ? 1u : 0u);
    world.expectFolder(target, Files(c.expected, "BRACKET", c.targetBase), "src");
    world.expectUntouched(kJobs, Files(op == Op::Copy ? c.source : c.leftByMove), "src");
}

const TransferCase kCases[] = {
    {"WorkedExample", 1, false, "drw usr nst prg inf", "", "BRACKET", "drw nst", "usr prg inf", false},
    {"DrawingOwnMachine", 1, true, "drw usr seq nst dxf prg inf stp", "", "BRACKET", "drw usr seq nst dxf",
     "prg inf stp", false},
    {"ProgramOwnMachine", 2, true, "prg inf rpt stp drw usr", "", "BRACKET", "prg inf rpt stp", "drw usr", false},
    {"ProgramForeignMachine", 2, false, "prg inf rpt stp drw usr", "", "BRACKET", "prg inf rpt", "stp drw usr", false},
    {"BothOwnMachine", 3, true, "drw prg stp usr seq -", "", "BRACKET", "drw prg stp usr seq -", "", false},
    {"UpperCaseMachineBound", 3, false, "Stp USR prg", "", "BRACKET", "prg", "Stp USR", false},
    {"NamesOfNoSet", 3, true, "drw old.prg text /BRACKETS.drw prg.bak", "", "BRACKET", "drw",
     "old.prg text /BRACKETS.drw prg.bak", false},
    {"DrawingKeepsTargetProgram", 1, true, "drw usr", "drw prg inf rpt stp nst dxf", "BRACKET",
     "drw usr =prg =inf =rpt =stp =nst", "", true},
    {"ReplacesTheTargetSet", 3, true, "drw prg", "drw prg inf nst seq /OTHER.prg", "BRACKET",
     "drw prg =nst /OTHER.prg", "", true},
    {"SourceNestingReplacesTarget", 1, true, "drw nst", "nst", "BRACKET", "drw nst", "", false},
    {"ProgramClearsForeignTargetSet", 2, false, "prg stp", "prg stp", "BRACKET", "prg", "stp", true},
    // Only the drawing and the program of the target count as a conflict.
    {"CompanionIsNoConflict", 3, true, "drw prg", "inf", "BRACKET", "drw prg", "", false},
    {"BaseSpeltInAnotherCase", 3, true, "/bracket.drw /Bracket.PRG", "", "BRACKET",
     "/BRACKET.drw<bracket.drw /BRACKET.PRG<Bracket.PRG", "", false},
};

std::string Name(const ::testing::TestParamInfo<Param>& info) {
    const auto& [c, op, drive] = info.param;
    return std::string(c.label) + (op == Op::Copy ? "_Copy_" : "_Move_") + drive;
}

INSTANTIATE_TEST_SUITE_P(Sets, CopyMoveFileSetTest,
                         ::testing::Combine(::testing::ValuesIn(kCases), ::testing::Values(Op::Copy, Op::Move),
                                            ::testing::Values('C', 'D')),
                         Name);

// Renaming or copying under a new name within one folder (the file window's
// rename and copy-as); a folder given without its final "\" means that folder.
TEST(SameFolderTransfer, RenameMovesAndCopyAsKeepsTheOriginal) {
    FileSetWorld world({true});
    world.putFiles(kJobs, {"BRACKET.drw", "BRACKET.prg", "BRACKET.nst", "HOLDER.prg", "HOLDER.rpt"}, "src");
    EXPECT_EQ(MoveFileSet(kJobs, "BRACKET", kJobs, "HOLDER", 3, SharedAsk()).count(), 1);
    EXPECT_EQ(CopyFileSet("C:\\MACH\\M1\\JOBS", "HOLDER", "C:\\MACH\\M1\\JOBS", "COPY", 2, SharedAsk()).count(), 1);
    world.expectFolder(kJobs, {"HOLDER.drw<BRACKET.drw", "HOLDER.nst<BRACKET.nst", "HOLDER.prg<BRACKET.prg",
                               "COPY.prg<BRACKET.prg"}, "src");
    EXPECT_EQ(SharedAnswers().asked, std::vector<std::string>{OverwriteQuestion("HOLDER")});
}

// Someone else's files under names like ours, in another letter case, are
// neither replaced nor taken for staging.
TEST(StagingNamesTest, FilesUnderOurTemporaryNamesAreLeftAlone) {
    FileSetWorld world({true});
    const std::vector<std::string> theirs = {"~QVN1.TMP", "~qVn2.tmp", "~QVO3.TMP"};
    world.putFiles(kJobs, {"BRACKET.prg", "BRACKET.drw"}, "src");
    world.putFiles(kParts, theirs, "old");
    world.putFiles(kParts, {"BRACKET.prg"}, "old");
    EXPECT_TRUE(CopyFileSet(kJobs, "BRACKET", kParts, "BRACKET", 3, SharedAsk()).done());
    world.expectFolder(kParts, {"BRACKET.prg<BRACKET.prg", "BRACKET.drw<BRACKET.drw", theirs[0], theirs[1], theirs[2]},
                       "src");
}

struct ImportCase {
    const char* label;
    const char* file;
    const char* source;    // files in the exchange folder, short as Files writes them
    const char* target;    // files already in the (foreign machine's) target folder
    const char* expected;  // target after
    const char* question;  // name in the overwrite question, "" when none is asked
    const char* base = "PART1";
};

void ExpectImported(const ImportCase& c) {
    SCOPED_TRACE(c.label);
    FileSetWorld world({true});
    world.putFiles(kExchange, Files(c.source, c.base), "ext");
    world.putFiles(kForeign, Files(c.target, c.base), "old");

    EXPECT_EQ(ImportFile(kExchange, kForeign, c.file, SharedAsk()).count(), 1);

    world.expectFolder(kForeign, Files(c.expected, c.base, c.base), "ext");
    world.expectUntouched(kExchange, Files(c.source, c.base), "ext");  // an import never takes from its source
    EXPECT_EQ(SharedAnswers().asked,
              *c.question ? std::vector<std::string>{OverwriteQuestion(c.question)} : std::vector<std::string>{});
}

TEST(ImportFile, BringsTheFileAndItsCompanions) {
    const ImportCase cases[] = {
        // No machine rule: "usr" and "seq" come along into a foreign machine's folder.
        ImportCase{"Drawing", "PART1.drw", "drw usr seq nst prg inf old.drw -", "", "drw usr seq nst", ""},
        // Every member keeps the name its folder gives it.
        ImportCase{"DrawingNamedInAnotherCase", "part1.drw", "DRW usr", "", "DRW usr", ""},
        ImportCase{"DrawingOverOldSet", "PART1.DRW", "DRW", "drw dxf nst prg", "DRW =nst =prg", "PART1"},
        ImportCase{"Program", "PART1.prg", "prg inf rpt stp drw", "", "prg inf rpt stp", ""},
        ImportCase{"ProgramOverOldSet", "PART1.prg", "prg", "prg rpt drw", "prg =drw", "PART1"},
        ImportCase{"SingleUsrOverOld", "PART1.usr", "usr", "usr drw", "usr =drw", "PART1.usr"},
        ImportCase{"NoExtension", "PART7", "- prg", "", "/PART7.prg<PART7", "", "PART7"},
        ImportCase{"FourLetterExtension", "PART1.NCPG", "NCPG", "NCPG.prg NCPG.inf", "/PART1.NCPG.prg<PART1.NCPG",
                   "PART1.NCPG"},
    };
    for (const ImportCase& c : cases) ExpectImported(c);
}

}  // namespace
}  // namespace qv::test
