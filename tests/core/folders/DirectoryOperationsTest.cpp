// Creating, renaming and deleting program directories on real folders, with
// the file system's refusals injected; the machine folder is read back.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "core/common/State.h"
#include "core/folders/DirectoryOperations.h"
#include "support/Answers.h"
#include "support/FaultyPlatform.h"
#include "support/Sandbox.h"
#include "support/TableTest.h"

namespace qv::test {
namespace {

using State_ = Outcome::State;

struct DirCase {
    const char* name;
    std::function<Outcome(Answers&)> run;
    std::vector<bool> answers;
    State_ state;
    std::vector<std::string> shown;  // questions, then the notice
    std::vector<std::string> tree;   // the machine folder after; "" for as it was
    int beeps = 0;
    Fault fault = {0};
};

std::vector<std::string> Before() {
    std::vector<std::string> tree = {"BIG/",    "EMPTY/",      "JOBS/",        "JOBS/A.drw", "JOBS/A.prg",
                                     "NESTED/", "NESTED/SUB/", "NESTED/X.prg", "NOTES",      "Old/"};
    for (int i = 1; i <= 12; ++i) tree.push_back("BIG/F" + std::string(i < 10 ? "0" : "") + std::to_string(i) + ".prg");
    std::sort(tree.begin(), tree.end());
    return tree;
}
const std::vector<std::string> kBefore = Before();

std::vector<std::string> Without(std::vector<std::string> tree, const std::string& prefix) {
    tree.erase(std::remove_if(tree.begin(), tree.end(), [&](const std::string& e) { return e.rfind(prefix, 0) == 0; }),
               tree.end());
    return tree;
}

std::vector<std::string> With(std::vector<std::string> tree, const std::string& entry) {
    tree.insert(std::upper_bound(tree.begin(), tree.end(), entry), entry);
    return tree;
}

std::function<void()> Warn(Answers& a) {
    return [&a] { ++a.beeps; };
}

const std::string kNotEmpty = "Directory \"JOBS\" Is Not Empty !\n\nDelete it Anyway ?";
const std::string k32(32, 'D');

const DirCase kCases[] = {
    {"create", [](Answers&) { return CreateProgramDirectory(" NEW "); }, {}, State_::Done, {}, With(kBefore, "NEW/")},
    {"create 32 characters", [](Answers&) { return CreateProgramDirectory(k32); }, {}, State_::Done, {},
     With(kBefore, k32 + "/")},
    {"create 33 characters", [](Answers&) { return CreateProgramDirectory(k32 + "D"); }, {}, State_::Refused,
     {"Invalid Directory Name !"}, {}},
    {"create blank", [](Answers&) { return CreateProgramDirectory("   "); }, {}, State_::Refused,
     {"Invalid Directory Name !"}, {}},
    {"create never listed", [](Answers&) { return CreateProgramDirectory("exsubs"); }, {}, State_::Refused,
     {"Invalid Directory Name !"}, {}},
    {"create existing in other case", [](Answers&) { return CreateProgramDirectory("jobs"); }, {}, State_::Refused,
     {"Directory \"jobs\" Already Exists !"}, {}},
    {"create named like a file", [](Answers&) { return CreateProgramDirectory("NOTES"); }, {}, State_::Refused,
     {"Directory \"NOTES\" Already Exists !"}, {}},
    {"create refused by the file system", [](Answers&) { return CreateProgramDirectory("NEW"); }, {}, State_::Failed,
     {"Directory \"NEW\" Could Not Be Created !\nAccess denied"}, {}, 0, {kMakeFolder, 1, true, "access denied"}},
    {"rename", [](Answers& a) { return RenameProgramDirectory("EMPTY", "FRESH", a); }, {true}, State_::Done,
     {"Rename \"EMPTY\"\nAs \"FRESH\" ?"}, With(Without(kBefore, "EMPTY/"), "FRESH/")},
    {"rename answered No", [](Answers& a) { return RenameProgramDirectory("EMPTY", "FRESH", a); }, {false},
     State_::Declined, {"Rename \"EMPTY\"\nAs \"FRESH\" ?"}, {}},
    {"rename onto an existing name", [](Answers& a) { return RenameProgramDirectory("EMPTY", "Jobs", a); }, {},
     State_::Refused, {"Directory \"Jobs\" Already Exists !"}, {}},
    {"rename letter case only", [](Answers& a) { return RenameProgramDirectory("Old", "OLD", a); }, {true},
     State_::Done, {"Rename \"Old\"\nAs \"OLD\" ?"}, With(Without(kBefore, "Old/"), "OLD/")},
    {"rename refused by the file system", [](Answers& a) { return RenameProgramDirectory("JOBS", "J2", a); },
     {true}, State_::Failed, {"Rename \"JOBS\"\nAs \"J2\" ?", "Directory \"JOBS\" Could Not Be Renamed !\nIn use"}, {},
     0, {kRenameFolder, 1, true, "in use", false, ErrorKind::Denied}},
    {"delete empty asks once", [](Answers& a) { return DeleteProgramDirectory("EMPTY", a, Warn(a)); }, {true},
     State_::Done, {"Delete \"EMPTY\" !"}, Without(kBefore, "EMPTY/")},
    {"delete with files asks twice", [](Answers& a) { return DeleteProgramDirectory("JOBS", a, Warn(a)); },
     {true, true}, State_::Done, {"Delete \"JOBS\" !", kNotEmpty}, Without(kBefore, "JOBS/"), 1},
    {"delete with files answered No", [](Answers& a) { return DeleteProgramDirectory("JOBS", a, Warn(a)); },
     {true, false}, State_::Declined, {"Delete \"JOBS\" !", kNotEmpty}, {}, 1},
    {"delete holding a folder keeps every file", [](Answers& a) { return DeleteProgramDirectory("NESTED", a, Warn(a)); },
     {true, true}, State_::Failed,
     {"Delete \"NESTED\" !", "Directory \"NESTED\" Is Not Empty !\n\nDelete it Anyway ?",
      "Directory \"NESTED\" Could Not Be Deleted !\nIt holds the folder \"SUB\""}, {}, 1},
    {"delete stopped half-way names the gone files", [](Answers& a) { return DeleteProgramDirectory("JOBS", a, Warn(a)); },
     {true, true}, State_::Failed,
     {"Delete \"JOBS\" !", kNotEmpty,
      "Directory \"JOBS\" Could Not Be Deleted !\n\"A.prg\": Access denied\n\n1 File Deleted !\nA.drw"},
     Without(kBefore, "JOBS/A.drw"), 1, {kDelete, 2, false, "access denied"}},
    {"delete of many stopped names the first and last", [](Answers& a) { return DeleteProgramDirectory("BIG", a, Warn(a)); },
     {true, true}, State_::Failed,
     {"Delete \"BIG\" !", "Directory \"BIG\" Is Not Empty !\n\nDelete it Anyway ?",
      "Directory \"BIG\" Could Not Be Deleted !\n\"F12.prg\": Input/output error\n\n11 Files Deleted !\n"
      "From \"F01.prg\" To \"F11.prg\""},
     With(Without(kBefore, "BIG/F"), "BIG/F12.prg"), 1, {kDelete, 12}},
    {"delete whose folder stays", [](Answers& a) { return DeleteProgramDirectory("JOBS", a, Warn(a)); }, {true, true},
     State_::Failed,
     {"Delete \"JOBS\" !", kNotEmpty,
      "Directory \"JOBS\" Could Not Be Deleted !\nThe folder is not empty\n\n2 Files Deleted !\nA.drw, A.prg"},
     Without(kBefore, "JOBS/A"), 1, {kRemoveFolder, 1, true, "the folder is not empty"}},
};

class DirectoryOperations : public ::testing::TestWithParam<DirCase> {};

TEST_P(DirectoryOperations, ChangeTheMachineFolderAsTold) {
    const DirCase& c = GetParam();
    MachineSandbox box;
    for (const std::string& entry : kBefore) {
        if (entry.back() == '/') box.makeFolder("C:\\JOBS\\M1\\" + entry.substr(0, entry.size() - 1));
        else box.write("C:\\JOBS\\M1\\" + entry, "x");
    }
    FaultyPlatform faulty(box.platform());
    platform::ScopedPlatform use(faulty);
    if (c.fault.kinds) faulty.arm(c.fault);
    Answers answers;
    for (bool yes : c.answers) answers.answer({yes});
    EXPECT_EQ(answers.show(c.run(answers)).state(), c.state);
    EXPECT_EQ(answers.shown, c.shown);
    // A refusal beeps as it is shown; a warning before a question beeps too.
    EXPECT_EQ(answers.beeps, c.beeps + (c.state == State_::Refused ? 1 : 0));

    std::vector<std::string> tree;
    const std::filesystem::path root = box.host("C:\\JOBS\\M1");
    for (const auto& e : std::filesystem::recursive_directory_iterator(root))
        tree.push_back(std::filesystem::relative(e.path(), root).generic_string() + (e.is_directory() ? "/" : ""));
    std::sort(tree.begin(), tree.end());
    EXPECT_EQ(tree, c.tree.empty() ? kBefore : c.tree);
}

INSTANTIATE_TEST_SUITE_P(Cases, DirectoryOperations, ::testing::ValuesIn(kCases), CaseName());

}  // namespace
}  // namespace qv::test
