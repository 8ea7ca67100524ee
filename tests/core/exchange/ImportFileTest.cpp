// Importing drawings, programs, single companions and foreign files from
// another drive.
#include <gtest/gtest.h>

#include "support/FileSetWorld.h"
#include "core/exchange/FileSet.h"
#include "support/Answers.h"

namespace qv::test {
namespace {

struct ImportCase {
    const char* label;
    const char* file;
    std::vector<std::string> source;    // files in the exchange folder
    std::vector<std::string> target;    // files already in the (foreign machine's) target folder
    std::vector<std::string> expected;  // target after: "NEW<SOURCE" copied, "NAME" old file kept
    const char* question;               // name in the overwrite question, "" when none is asked
};

void PrintTo(const ImportCase& c, std::ostream* os) { *os << c.label; }

class ImportFileTest : public ::testing::TestWithParam<ImportCase> {};

TEST_P(ImportFileTest, BringsTheFileAndItsCompanions) {
    const ImportCase& c = GetParam();
    FileSetWorld world;
    Answers& messages = SharedAnswers();
    messages = Answers{};
    messages.answer({true});
    world.putFiles(kExchange, c.source, "ext");
    world.putFiles(kForeign, c.target, "old");

    EXPECT_EQ(ImportFile(kExchange, kForeign, c.file, SharedAsk()).count(), 1);

    world.expectFolder(kForeign, c.expected, "ext");
    world.expectUntouched(kExchange, c.source, "ext");  // an import never takes from its source
    const std::string question = c.question;
    EXPECT_EQ(messages.asked,
              question.empty() ? std::vector<std::string>{} : std::vector<std::string>{OverwriteQuestion(question)});
}

INSTANTIATE_TEST_SUITE_P(
    Files, ImportFileTest,
    ::testing::Values(
        // No machine rule: "usr" and "seq" come along into a foreign machine's folder.
        ImportCase{"Drawing", "PART1.drw",
                   {"PART1.drw", "PART1.usr", "PART1.seq", "PART1.nst", "PART1.prg", "PART1.inf", "PART1.old.drw",
                    "PART1"},
                   {},
                   {"PART1.drw<PART1.drw", "PART1.usr<PART1.usr", "PART1.seq<PART1.seq", "PART1.nst<PART1.nst"},
                   ""},
        // Every member keeps the name its folder gives it.
        ImportCase{"DrawingNamedInAnotherCase", "part1.drw", {"PART1.DRW", "PART1.usr"}, {},
                   {"PART1.DRW<PART1.DRW", "PART1.usr<PART1.usr"}, ""},
        ImportCase{"DrawingOverOldSet", "PART1.DRW", {"PART1.DRW"},
                   {"PART1.drw", "PART1.dxf", "PART1.nst", "PART1.prg"},
                   {"PART1.DRW<PART1.DRW", "PART1.nst", "PART1.prg"}, "PART1"},
        ImportCase{"Program", "PART1.prg",
                   {"PART1.prg", "PART1.inf", "PART1.rpt", "PART1.stp", "PART1.drw"}, {},
                   {"PART1.prg<PART1.prg", "PART1.inf<PART1.inf", "PART1.rpt<PART1.rpt", "PART1.stp<PART1.stp"}, ""},
        ImportCase{"ProgramOverOldSet", "PART1.prg", {"PART1.prg"}, {"PART1.prg", "PART1.rpt", "PART1.drw"},
                   {"PART1.prg<PART1.prg", "PART1.drw"}, "PART1"},
        ImportCase{"SingleDxf", "PART1.DXF", {"PART1.DXF", "PART1.drw"}, {}, {"PART1.DXF<PART1.DXF"}, ""},
        ImportCase{"SingleUsrOverOld", "PART1.usr", {"PART1.usr"}, {"PART1.usr", "PART1.drw"},
                   {"PART1.usr<PART1.usr", "PART1.drw"}, "PART1.usr"},
        ImportCase{"SingleStp", "PART1.stp", {"PART1.stp", "PART1.prg"}, {}, {"PART1.stp<PART1.stp"}, ""},
        ImportCase{"ForeignExtension", "PART1.TAP", {"PART1.TAP"}, {}, {"PART1.TAP.prg<PART1.TAP"}, ""},
        ImportCase{"NoExtension", "PART7", {"PART7", "PART7.prg"}, {}, {"PART7.prg<PART7"}, ""},
        ImportCase{"FourLetterExtension", "PART1.NCPG", {"PART1.NCPG"}, {"PART1.NCPG.prg", "PART1.NCPG.inf"},
                   {"PART1.NCPG.prg<PART1.NCPG"}, "PART1.NCPG"}),
    [](const auto& info) { return std::string(info.param.label); });

}  // namespace
}  // namespace qv::test
