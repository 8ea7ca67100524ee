// The file window's counted operations on real folders: what each shows and
// what both folders hold afterwards, with file-system faults injected.
#include <gtest/gtest.h>

#include <functional>
#include <utility>

#include "FileSetWorld.h"
#include "core/exchange/FileOperations.h"
#include "support/Answers.h"
#include "support/FaultyPlatform.h"
#include "support/TableTest.h"

namespace qv::test {
namespace {

using Folders = std::vector<std::pair<std::string, std::vector<std::string>>>;

struct OperationCase {
    const char* name;
    std::vector<std::string> jobs;   // files of kJobs, put with "src"
    std::vector<std::string> parts;  // files of kParts, put with "old"
    std::function<Outcome(Answers&)> run;
    std::vector<bool> answers;
    std::vector<std::string> shown;  // questions, then the notice
    Folders after;                   // "NEW<OLD": a copy of kJobs' OLD; "NAME": kParts' own
    Fault fault = {0};
};

std::string Failed(const std::string& path, const char* what, const char* reason, const char* counted) {
    return "\"" + std::string(kJobs) + path + "\" Could Not Be " + what + " !\n" + reason + "\n\n" + counted;
}

const std::vector<std::string> kBracket = {"bracket.drw", "bracket.inf", "bracket.nst", "bracket.prg"};

const OperationCase kCases[] = {
    {"delete stops at a failing set", {"A.prg", "B.prg", "C.prg"}, {},
     [](Answers&) { return DeleteFiles(kJobs, {"A", "B", "C"}, 2); }, {},
     {Failed("B.prg", "Deleted", "Input/output error", "1 File Deleted !")}, {{kJobs, {"B.prg<B.prg", "C.prg<C.prg"}}},
     {kRename, 2}},
    {"move with one overwrite refused counts the rest", {"A.prg", "A.inf", "B.prg", "C.prg"}, {"B.prg"},
     [](Answers& a) { return TransferFiles(kJobs, {"A", "B", "C"}, kParts, 2, true, a); }, {false},
     {OverwriteQuestion("B"), "2 Files Moved !"},
     {{kJobs, {"B.prg<B.prg"}}, {kParts, {"A.inf<A.inf", "A.prg<A.prg", "B.prg", "C.prg<C.prg"}}}},
    {"move to another machine leaves its bound companions",
     {"A.drw", "A.usr", "A.seq", "A.nst", "A.prg", "A.stp", "A.inf"}, {},
     [](Answers& a) { return TransferFiles(kJobs, {"A"}, kForeign, 3, true, a); }, {}, {"1 File Moved !"},
     {{kJobs, {"A.seq<A.seq", "A.stp<A.stp", "A.usr<A.usr"}},
      {kForeign, {"A.drw<A.drw", "A.inf<A.inf", "A.nst<A.nst", "A.prg<A.prg"}}}},
    {"copy stopped by a full disc copies none", {"A.prg", "B.prg"}, {},
     [](Answers& a) { return TransferFiles(kJobs, {"A", "B"}, kParts, 3, false, a); }, {},
     {Failed("B.prg", "Copied", "The disc is full", "No Files Copied !")},
     {{kJobs, {"A.prg<A.prg", "B.prg<B.prg"}}, {kParts, {}}},
     {kCopy, 2, true, "the disc is full", false, ErrorKind::DiscFull}},
    {"rename onto an existing name answered No", {"A.prg", "B.prg"}, {},
     [](Answers& a) { return RenameFile(kJobs, "A", "B", 3, a); }, {false},
     {OverwriteQuestion("B"), "No Files Renamed !"}, {{kJobs, {"A.prg<A.prg", "B.prg<B.prg"}}}},
    {"rename onto an existing name answered Yes", {"A.prg", "A.inf", "B.prg", "B.drw"}, {},
     [](Answers& a) { return RenameFile(kJobs, "A", "B", 2, a); }, {true},
     {OverwriteQuestion("B"), "1 File Renamed !"}, {{kJobs, {"B.drw<B.drw", "B.inf<A.inf", "B.prg<A.prg"}}}},
    {"rename changing the letter case only", kBracket, {},
     [](Answers& a) { return RenameFile(kJobs, "bracket", "BRACKET", 3, a); }, {}, {"1 File Renamed !"},
     {{kJobs, {"BRACKET.drw<bracket.drw", "BRACKET.inf<bracket.inf", "BRACKET.nst<bracket.nst",
               "BRACKET.prg<bracket.prg"}}}},
    {"case rename of the drawing keeps the program", kBracket, {},
     [](Answers& a) { return RenameFile(kJobs, "bracket", "Bracket", 1, a); }, {}, {"1 File Renamed !"},
     {{kJobs, {"Bracket.drw<bracket.drw", "Bracket.nst<bracket.nst", "bracket.inf<bracket.inf",
               "bracket.prg<bracket.prg"}}}},
    {"case rename that fails is undone", kBracket, {},
     [](Answers& a) { return RenameFile(kJobs, "bracket", "BRACKET", 3, a); }, {},
     {Failed("bracket.inf", "Renamed", "Input/output error", "No Files Renamed !")},
     {{kJobs, {"bracket.drw<bracket.drw", "bracket.inf<bracket.inf", "bracket.nst<bracket.nst",
               "bracket.prg<bracket.prg"}}},
     {kRename, 2}},
    {"copy as onto itself copies nothing", {"A.prg"}, {},
     [](Answers& a) { return CopyFileAs(kJobs, "A", "a", 3, a); }, {}, {"No Files Copied !"},
     {{kJobs, {"A.prg<A.prg"}}}},
};

class FileOperations : public ::testing::TestWithParam<OperationCase> {};

TEST_P(FileOperations, ShowTheCountAndLeaveTheFolders) {
    const OperationCase& c = GetParam();
    FileSetWorld world;
    world.putFiles(kJobs, c.jobs, "src");
    world.putFiles(kParts, c.parts, "old");
    FaultyPlatform faulty(world.platform());
    platform::ScopedPlatform use(faulty);
    if (c.fault.kinds) faulty.arm(c.fault);
    Answers answers;
    for (bool yes : c.answers) answers.answer({yes});
    answers.show(c.run(answers));
    faulty.disarm();
    EXPECT_EQ(answers.shown, c.shown);
    for (const auto& [folder, entries] : c.after) world.expectFolder(folder, entries, "src");
    EXPECT_EQ(StagingLeftovers(world.snapshot()), std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(Cases, FileOperations, ::testing::ValuesIn(kCases), CaseName());

}  // namespace
}  // namespace qv::test
