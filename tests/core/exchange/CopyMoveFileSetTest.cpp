// Copying and moving sets of every kind, within one drive and across drives,
// into folders of the selected machine and of another one.
#include <gtest/gtest.h>

#include <unistd.h>

#include <tuple>

#include "support/FileSetWorld.h"
#include "core/common/State.h"
#include "core/exchange/FileSet.h"
#include "support/Answers.h"

namespace qv::test {
namespace {

struct TransferCase {
    const char* label;
    std::int16_t kind;
    bool ownMachine;                       // target folder of the selected machine "M1"
    std::vector<std::string> source;       // files of the source folder
    std::vector<std::string> target;       // files already in the target folder
    const char* targetBase;
    std::vector<std::string> expected;     // target after: "NEW<SOURCE" for a copy, "NAME" for an old file kept
    std::vector<std::string> leftByMove;   // source files a move leaves behind
    bool asks;                             // the overwrite question is asked
};

void PrintTo(const TransferCase& c, std::ostream* os) { *os << c.label; }

enum class Op { Copy, Move };

using Param = std::tuple<TransferCase, Op, char>;

class CopyMoveFileSetTest : public ::testing::TestWithParam<Param> {};

TEST_P(CopyMoveFileSetTest, BringsTheMembersAcrossAndLeavesTheRest) {
    const auto& [c, op, drive] = GetParam();
    FileSetWorld world;
    Answers& messages = SharedAnswers();
    messages = Answers{};
    messages.answer({true, true});
    State().LastAnswer = 0;
    const std::string target = drive == 'C' ? (c.ownMachine ? kParts : kForeign)
                                            : (c.ownMachine ? kOtherDriveOwn : kOtherDriveForeign);
    world.putFiles(kJobs, c.source, "src");
    world.putFiles(target, c.target, "old");

    const Outcome done = op == Op::Copy ? CopyFileSet(kJobs, "BRACKET", target, c.targetBase, c.kind, SharedAsk())
                                              : MoveFileSet(kJobs, "BRACKET", target, c.targetBase, c.kind, SharedAsk());

    EXPECT_TRUE(done.done()) << done.message();
    EXPECT_EQ(done.count(), 1);
    EXPECT_EQ(State().LastAnswer, AnswerYes);
    EXPECT_EQ(messages.asked.size(), c.asks ? 1u : 0u);
    world.expectFolder(target, c.expected, "src");
    world.expectUntouched(kJobs, op == Op::Copy ? c.source : c.leftByMove, "src");
}

const TransferCase kCases[] = {
    {"WorkedExample", 1, false,
     {"BRACKET.drw", "BRACKET.usr", "BRACKET.nst", "BRACKET.prg", "BRACKET.inf"}, {}, "BRACKET",
     {"BRACKET.drw<BRACKET.drw", "BRACKET.nst<BRACKET.nst"},
     {"BRACKET.usr", "BRACKET.prg", "BRACKET.inf"}, false},
    {"DrawingOwnMachine", 1, true,
     {"BRACKET.drw", "BRACKET.usr", "BRACKET.seq", "BRACKET.nst", "BRACKET.dxf", "BRACKET.prg", "BRACKET.inf",
      "BRACKET.stp"},
     {}, "BRACKET",
     {"BRACKET.drw<BRACKET.drw", "BRACKET.usr<BRACKET.usr", "BRACKET.seq<BRACKET.seq", "BRACKET.nst<BRACKET.nst",
      "BRACKET.dxf<BRACKET.dxf"},
     {"BRACKET.prg", "BRACKET.inf", "BRACKET.stp"}, false},
    {"ProgramOwnMachine", 2, true,
     {"BRACKET.prg", "BRACKET.inf", "BRACKET.rpt", "BRACKET.stp", "BRACKET.drw", "BRACKET.usr"}, {}, "BRACKET",
     {"BRACKET.prg<BRACKET.prg", "BRACKET.inf<BRACKET.inf", "BRACKET.rpt<BRACKET.rpt", "BRACKET.stp<BRACKET.stp"},
     {"BRACKET.drw", "BRACKET.usr"}, false},
    {"ProgramForeignMachine", 2, false,
     {"BRACKET.prg", "BRACKET.inf", "BRACKET.rpt", "BRACKET.stp", "BRACKET.drw", "BRACKET.usr"}, {}, "BRACKET",
     {"BRACKET.prg<BRACKET.prg", "BRACKET.inf<BRACKET.inf", "BRACKET.rpt<BRACKET.rpt"},
     {"BRACKET.stp", "BRACKET.drw", "BRACKET.usr"}, false},
    {"BothForeignMachine", 3, false,
     {"BRACKET.drw", "BRACKET.prg", "BRACKET.inf", "BRACKET.rpt", "BRACKET.stp", "BRACKET.usr", "BRACKET.seq",
      "BRACKET.nst", "BRACKET.dxf", "BRACKET"},
     {}, "BRACKET",
     {"BRACKET.drw<BRACKET.drw", "BRACKET.prg<BRACKET.prg", "BRACKET.inf<BRACKET.inf", "BRACKET.rpt<BRACKET.rpt",
      "BRACKET.nst<BRACKET.nst", "BRACKET.dxf<BRACKET.dxf", "BRACKET<BRACKET"},
     {"BRACKET.stp", "BRACKET.usr", "BRACKET.seq"}, false},
    {"BothOwnMachine", 3, true,
     {"BRACKET.drw", "BRACKET.prg", "BRACKET.stp", "BRACKET.usr", "BRACKET.seq", "BRACKET"}, {}, "BRACKET",
     {"BRACKET.drw<BRACKET.drw", "BRACKET.prg<BRACKET.prg", "BRACKET.stp<BRACKET.stp", "BRACKET.usr<BRACKET.usr",
      "BRACKET.seq<BRACKET.seq", "BRACKET<BRACKET"},
     {}, false},
    {"UpperCaseCompanions", 1, false,
     {"BRACKET.DRW", "BRACKET.PRG", "BRACKET.INF", "BRACKET.NST", "BRACKET.USR"}, {}, "BRACKET",
     {"BRACKET.DRW<BRACKET.DRW", "BRACKET.NST<BRACKET.NST"}, {"BRACKET.PRG", "BRACKET.INF", "BRACKET.USR"}, false},
    {"UpperCaseMachineBound", 3, false, {"BRACKET.Stp", "BRACKET.USR", "BRACKET.prg"}, {}, "BRACKET",
     {"BRACKET.prg<BRACKET.prg"}, {"BRACKET.Stp", "BRACKET.USR"}, false},
    {"NamesOfNoSet", 3, true,
     {"BRACKET.drw", "BRACKET.old.prg", "BRACKET.text", "BRACKETS.drw", "BRACKET.prg.bak"}, {}, "BRACKET",
     {"BRACKET.drw<BRACKET.drw"}, {"BRACKET.old.prg", "BRACKET.text", "BRACKETS.drw", "BRACKET.prg.bak"}, false},
    {"NewBaseName", 3, true, {"BRACKET.drw", "BRACKET.prg", "BRACKET"}, {}, "HOLDER",
     {"HOLDER.drw<BRACKET.drw", "HOLDER.prg<BRACKET.prg", "HOLDER<BRACKET"}, {}, false},
    {"DrawingKeepsTargetProgram", 1, true, {"BRACKET.drw", "BRACKET.usr"},
     {"BRACKET.drw", "BRACKET.prg", "BRACKET.inf", "BRACKET.rpt", "BRACKET.stp", "BRACKET.nst", "BRACKET.dxf"},
     "BRACKET",
     {"BRACKET.drw<BRACKET.drw", "BRACKET.usr<BRACKET.usr", "BRACKET.prg", "BRACKET.inf", "BRACKET.rpt",
      "BRACKET.stp", "BRACKET.nst"},
     {}, true},
    {"ReplacesTheTargetSet", 3, true, {"BRACKET.drw", "BRACKET.prg"},
     {"BRACKET.drw", "BRACKET.prg", "BRACKET.inf", "BRACKET.nst", "BRACKET.seq", "OTHER.prg"}, "BRACKET",
     {"BRACKET.drw<BRACKET.drw", "BRACKET.prg<BRACKET.prg", "BRACKET.nst", "OTHER.prg"}, {}, true},
    {"SourceNestingReplacesTarget", 1, true, {"BRACKET.drw", "BRACKET.nst"}, {"BRACKET.nst"}, "BRACKET",
     {"BRACKET.drw<BRACKET.drw", "BRACKET.nst<BRACKET.nst"}, {}, false},
    {"ProgramClearsForeignTargetSet", 2, false, {"BRACKET.prg", "BRACKET.stp"}, {"BRACKET.prg", "BRACKET.stp"},
     "BRACKET", {"BRACKET.prg<BRACKET.prg"}, {"BRACKET.stp"}, true},
    // Only the drawing and the program of the target count as a conflict.
    {"CompanionIsNoConflict", 3, true, {"BRACKET.drw", "BRACKET.prg"}, {"BRACKET.inf"}, "BRACKET",
     {"BRACKET.drw<BRACKET.drw", "BRACKET.prg<BRACKET.prg"}, {}, false},
    {"BaseSpeltInAnotherCase", 3, true, {"bracket.drw", "Bracket.PRG"}, {}, "BRACKET",
     {"BRACKET.drw<bracket.drw", "BRACKET.PRG<Bracket.PRG"}, {}, false},
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
    FileSetWorld world;
    Answers& messages = SharedAnswers();
    messages = Answers{};
    world.putFiles(kJobs, {"BRACKET.drw", "BRACKET.prg", "BRACKET.nst", "HOLDER.prg", "HOLDER.rpt"}, "src");
    messages.answer({true});
    EXPECT_EQ(MoveFileSet(kJobs, "BRACKET", kJobs, "HOLDER", 3, SharedAsk()).count(), 1);
    EXPECT_EQ(CopyFileSet("C:\\MACH\\M1\\JOBS", "HOLDER", "C:\\MACH\\M1\\JOBS", "COPY", 2, SharedAsk()).count(), 1);
    world.expectFolder(kJobs, {"HOLDER.drw<BRACKET.drw", "HOLDER.nst<BRACKET.nst", "HOLDER.prg<BRACKET.prg",
                               "COPY.prg<BRACKET.prg"}, "src");
    EXPECT_EQ(messages.asked, std::vector<std::string>{OverwriteQuestion("HOLDER")});
}

// E:\JOBS is a link to C:\PROGRAMS\JOBS: one folder under two names, so a
// set copied or moved onto itself by the other name must stay whole.
TEST(LinkedFolder, SetOntoItselfByAnotherNameLosesNothing) {
    Sandbox box({{'C'}, {'E', "removable"}});
    Answers& messages = SharedAnswers();
    messages = Answers{true, true, true, true};
    const char* const jobs = "C:\\PROGRAMS\\JOBS\\";
    for (const char* name : {"BRACKET.drw", "BRACKET.prg", "BRACKET.inf", "BRACKET.nst"})
        box.write(jobs + std::string(name), Bytes("src", name));
    ASSERT_EQ(symlink(box.host(jobs).c_str(), box.host("E:\\JOBS").c_str()), 0);
    const Snapshot before = box.snapshot();
    EXPECT_EQ(CopyFileSet(jobs, "BRACKET", "E:\\JOBS\\", "BRACKET", 3, SharedAsk()).count(), 0);
    EXPECT_EQ(MoveFileSet(jobs, "BRACKET", "e:\\jobs", "bracket", 3, SharedAsk()).count(), 0);
    EXPECT_EQ(MoveFileSet("E:\\JOBS\\", "BRACKET", jobs, "BRACKET", 3, SharedAsk()).count(), 0);
    EXPECT_EQ(box.snapshot(), before);
    EXPECT_TRUE(messages.shown.empty());
}

}  // namespace
}  // namespace qv::test
