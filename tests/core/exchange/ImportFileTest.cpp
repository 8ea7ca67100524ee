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
    const char* source;    // files in the exchange folder, short as Files writes them
    const char* target;    // files already in the (foreign machine's) target folder
    const char* expected;  // target after
    const char* question;  // name in the overwrite question, "" when none is asked
    const char* base = "PART1";
};

void ExpectImported(const ImportCase& c) {
    SCOPED_TRACE(c.label);
    FileSetWorld world({true});
    const Answers& messages = SharedAnswers();
    world.putFiles(kExchange, Files(c.source, c.base), "ext");
    world.putFiles(kForeign, Files(c.target, c.base), "old");

    EXPECT_EQ(ImportFile(kExchange, kForeign, c.file, SharedAsk()).count(), 1);

    world.expectFolder(kForeign, Files(c.expected, c.base, c.base), "ext");
    world.expectUntouched(kExchange, Files(c.source, c.base), "ext");  // an import never takes from its source
    const std::string question = c.question;
    EXPECT_EQ(messages.asked,
              question.empty() ? std::vector<std::string>{} : std::vector<std::string>{OverwriteQuestion(question)});
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
        ImportCase{"SingleDxf", "PART1.DXF", "DXF drw", "", "DXF", ""},
        ImportCase{"SingleUsrOverOld", "PART1.usr", "usr", "usr drw", "usr =drw", "PART1.usr"},
        ImportCase{"ForeignExtension", "PART1.TAP", "TAP", "", "/PART1.TAP.prg<PART1.TAP", ""},
        ImportCase{"NoExtension", "PART7", "- prg", "", "/PART7.prg<PART7", "", "PART7"},
        ImportCase{"FourLetterExtension", "PART1.NCPG", "NCPG", "NCPG.prg NCPG.inf", "/PART1.NCPG.prg<PART1.NCPG",
                   "PART1.NCPG"},
    };
    for (const ImportCase& c : cases) ExpectImported(c);
}

}  // namespace
}  // namespace qv::test
