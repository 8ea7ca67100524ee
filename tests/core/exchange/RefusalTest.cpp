// The overwrite question, refused overwrites and the calls that are refused
// before anything is asked: a set onto itself, bad names, unknown kinds.
#include <gtest/gtest.h>

#include <functional>

#include "FileSetWorld.h"
#include "core/common/State.h"
#include "core/exchange/FileSet.h"
#include "support/MessageRecorder.h"

namespace qv::test {
namespace {

const std::vector<std::string> kSet = {"BRACKET.drw", "BRACKET.prg", "BRACKET.inf", "BRACKET.nst", "BRACKET.usr"};

struct NoCase {
    const char* label;
    std::function<std::int16_t()> run;
    const char* shown;  // the name in the question
};

void PrintTo(const NoCase& c, std::ostream* os) { *os << c.label; }

class RefusedOverwriteTest : public ::testing::TestWithParam<NoCase> {};

// Answering No returns 0 and leaves both folders as they were, the target's
// companions included.
TEST_P(RefusedOverwriteTest, ChangesNothing) {
    FileSetWorld world;
    MessageRecorder messages;
    world.putFiles(kJobs, kSet, "src");
    world.putFiles(kParts, {"BRACKET.drw", "BRACKET.prg", "BRACKET.seq", "BRACKET.TAP.prg", "BRACKET.DXF"}, "old");
    world.putFiles(kExchange, {"BRACKET.drw", "BRACKET.prg", "BRACKET.TAP", "BRACKET.DXF"}, "ext");
    const Snapshot before = world.snapshot();
    messages.answer({false});

    EXPECT_EQ(GetParam().run(), 0);

    EXPECT_EQ(world.snapshot(), before);
    EXPECT_EQ(State().LastAnswer, AnswerNo);
    EXPECT_EQ(messages.shown, std::vector<std::string>{OverwriteQuestion(GetParam().shown)});
}

INSTANTIATE_TEST_SUITE_P(
    Operations, RefusedOverwriteTest,
    ::testing::Values(NoCase{"CopyDrawing", [] { return CopyFileSet(kJobs, "BRACKET", kParts, "BRACKET", 1); }, "BRACKET"},
                      NoCase{"CopyProgram", [] { return CopyFileSet(kJobs, "BRACKET", kParts, "BRACKET", 2); }, "BRACKET"},
                      NoCase{"MoveBoth", [] { return MoveFileSet(kJobs, "BRACKET", kParts, "BRACKET", 3); }, "BRACKET"},
                      NoCase{"ImportDrawing", [] { return ImportFile(kExchange, kParts, "BRACKET.drw"); }, "BRACKET"},
                      NoCase{"ImportProgram", [] { return ImportFile(kExchange, kParts, "BRACKET.prg"); }, "BRACKET"},
                      NoCase{"ImportSingle", [] { return ImportFile(kExchange, kParts, "BRACKET.DXF"); }, "BRACKET.DXF"},
                      NoCase{"ImportForeign", [] { return ImportFile(kExchange, kParts, "BRACKET.TAP"); }, "BRACKET.TAP"}),
    [](const auto& info) { return std::string(info.param.label); });

struct RefusedCall {
    const char* label;
    std::function<std::int16_t()> run;
    const char* notice;  // "" when nothing is shown
};

void PrintTo(const RefusedCall& c, std::ostream* os) { *os << c.label; }

class RefusedCallTest : public ::testing::TestWithParam<RefusedCall> {};

// Refused calls return 0, ask nothing, leave LastAnswer and every file alone.
TEST_P(RefusedCallTest, TouchesNoFile) {
    FileSetWorld world;
    MessageRecorder messages;
    world.putFiles(kJobs, kSet, "src");
    world.putFiles(kParts, {"BRACKET.drw"}, "old");
    const Snapshot before = world.snapshot();
    messages.answer({true, true});
    State().LastAnswer = 42;

    EXPECT_EQ(GetParam().run(), 0);

    EXPECT_EQ(world.snapshot(), before);
    EXPECT_EQ(State().LastAnswer, 42);
    const std::string notice = GetParam().notice;
    EXPECT_EQ(messages.shown, notice.empty() ? std::vector<std::string>{} : std::vector<std::string>{notice});
}

INSTANTIATE_TEST_SUITE_P(
    Calls, RefusedCallTest,
    ::testing::Values(
        RefusedCall{"CopyOntoItself", [] { return CopyFileSet(kJobs, "BRACKET", kJobs, "BRACKET", 3); }, ""},
        RefusedCall{"MoveOntoItself", [] { return MoveFileSet(kJobs, "BRACKET", kJobs, "BRACKET", 3); }, ""},
        RefusedCall{"MoveOntoItselfOtherCase", [] { return MoveFileSet(kJobs, "BRACKET", kJobs, "bracket", 1); }, ""},
        RefusedCall{"CopyOntoItselfFolderSpeltOtherwise",
                    [] { return CopyFileSet(kJobs, "BRACKET", "c:\\mach\\m1\\jobs\\", "Bracket", 2); }, ""},
        RefusedCall{"CopyOntoItselfThroughDots",
                    [] { return CopyFileSet(kJobs, "BRACKET", "C:\\MACH\\M1\\PARTS\\..\\JOBS\\", "BRACKET", 3); }, ""},
        RefusedCall{"ImportDrawingFromItsOwnFolder", [] { return ImportFile(kJobs, kJobs, "BRACKET.drw"); }, ""},
        RefusedCall{"ImportProgramFromItsOwnFolder", [] { return ImportFile(kJobs, kJobs, "bracket.PRG"); }, ""},
        RefusedCall{"ImportSingleFromItsOwnFolder", [] { return ImportFile(kJobs, kJobs, "BRACKET.usr"); }, ""},
        RefusedCall{"KindZero", [] { return CopyFileSet(kJobs, "BRACKET", kParts, "BRACKET", 0); }, ""},
        RefusedCall{"KindFour", [] { return MoveFileSet(kJobs, "BRACKET", kParts, "BRACKET", 4); }, ""},
        RefusedCall{"EmptyTargetName", [] { return CopyFileSet(kJobs, "BRACKET", kParts, "  ", 3); },
                    "Invalid File Name !"},
        RefusedCall{"WildcardSourceName", [] { return MoveFileSet(kJobs, "BRACK*", kParts, "X", 3); },
                    "Invalid File Name !"},
        RefusedCall{"TargetNameWithFolder", [] { return CopyFileSet(kJobs, "BRACKET", kParts, "..\\BRACKET", 3); },
                    "Invalid File Name !"},
        RefusedCall{"ImportWithFolderInName", [] { return ImportFile(kJobs, kParts, "SUB\\BRACKET.drw"); },
                    "Invalid File Name !"},
        RefusedCall{"ImportEmptyName", [] { return ImportFile(kJobs, kParts, ""); }, "Invalid File Name !"}),
    [](const auto& info) { return std::string(info.param.label); });

// A source set that has vanished brings nothing; the target set it was to
// replace stays as it was.
TEST(VanishedSource, LeavesTheTargetSetAlone) {
    FileSetWorld world;
    MessageRecorder messages;
    world.putFiles(kParts, {"GONE.drw", "GONE.prg", "GONE.usr"}, "old");
    const Snapshot before = world.snapshot();
    messages.answer({true, true});
    EXPECT_EQ(CopyFileSet(kJobs, "GONE", kParts, "GONE", 3), 1);
    EXPECT_EQ(ImportFile(kExchange, kParts, "GONE.prg"), 1);
    EXPECT_EQ(world.snapshot(), before);
}

}  // namespace
}  // namespace qv::test
