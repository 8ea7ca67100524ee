// Sub-routine operations: questions, notices, refusals and what the folder
// holds afterwards, byte for byte; a failed delete stops and says how far it got.
#include <gtest/gtest.h>

#include <functional>

#include "core/common/State.h"
#include "core/folders/SubRoutines.h"
#include "support/Answers.h"
#include "support/FaultyPlatform.h"
#include "support/Sandbox.h"
#include "support/TableTest.h"

namespace qv {
namespace {

constexpr const char* kSubs = "C:\\QV\\DATA\\RevSubs\\";
using Op = std::function<Outcome(const AskFunction&)>;

struct SubCase {
    const char* name;
    Op op;
    std::vector<bool> answers;
    std::vector<std::string> shown;  // questions, then the notice
    test::Snapshot after;            // the folder's files: name -> bytes
    int failAtDelete = 0;            // the delete call that fails
};

const test::Snapshot kStart{{"LOUVRE.SUB", "L"}, {"NIBBLE.SUB", "N"}, {"O9001.SUB", "O"}};
test::Snapshot With(std::initializer_list<std::pair<const std::string, std::string>> files) { return files; }

Op Delete(std::vector<std::string> names) {
    return [names](const AskFunction& ask) { return DeleteSubRoutines(names, ask); };
}
Op Rename(std::string from, std::string to) {
    return [from, to](const AskFunction& ask) { return RenameSubRoutine(from, to, ask); };
}
Op Copy(std::string from, std::string to) {
    return [from, to](const AskFunction& ask) { return CopySubRoutine(from, to, ask); };
}

const SubCase kCases[] = {
    {"delete without selection", Delete({}), {}, {"No Sub-Routines Selected !"}, kStart},
    {"delete one", Delete({"NIBBLE.SUB"}), {true}, {"Delete \"NIBBLE.SUB\" ?", "1 Sub-Routine Deleted !"},
     With({{"LOUVRE.SUB", "L"}, {"O9001.SUB", "O"}})},
    {"delete answered No", Delete({"LOUVRE.SUB", "O9001.SUB"}), {false},
     {"Delete 2 Sub-Routines ?", "No Sub-Routines Deleted !"}, kStart},
    {"delete two", Delete({"LOUVRE.SUB", "O9001.SUB"}), {true},
     {"Delete 2 Sub-Routines ?", "2 Sub-Routines Deleted !"}, With({{"NIBBLE.SUB", "N"}})},
    {"a failed delete stops there", Delete({"LOUVRE.SUB", "O9001.SUB"}), {true},
     {"Delete 2 Sub-Routines ?",
      "C:\\QV\\DATA\\RevSubs\\O9001.SUB: input/output error\n\n1 Sub-Routine Deleted !"},
     With({{"NIBBLE.SUB", "N"}, {"O9001.SUB", "O"}}), 2},
    {"rename without selection", Rename("", "A.SUB"), {}, {"No Sub-Routine Selected !"}, kStart},
    {"a 37-character name is refused", Rename("LOUVRE.SUB", std::string(37, 'A')), {},
     {"Invalid Sub-Routine Name !"}, kStart},
    {"a name reaching outside is refused", Rename("LOUVRE.SUB", "..\\X.SUB"), {}, {"Invalid Sub-Routine Name !"},
     kStart},
    {"rename to 36 characters", Rename("LOUVRE.SUB", std::string(36, 'A')), {true},
     {"Rename \"LOUVRE.SUB\"\nAs \"" + std::string(36, 'A') + "\" ?", "Sub-Routine Renamed !"},
     With({{std::string(36, 'A'), "L"}, {"NIBBLE.SUB", "N"}, {"O9001.SUB", "O"}})},
    {"rename answered No", Rename("LOUVRE.SUB", "X.SUB"), {false},
     {"Rename \"LOUVRE.SUB\"\nAs \"X.SUB\" ?", "Sub-Routine Not Renamed !"}, kStart},
    {"rename onto another replaces it", Rename("LOUVRE.SUB", "NIBBLE.SUB"), {true},
     {"Rename \"LOUVRE.SUB\"\nAs \"NIBBLE.SUB\" ?", "Sub-Routine Renamed !"},
     With({{"NIBBLE.SUB", "L"}, {"O9001.SUB", "O"}})},
    {"rename in another case keeps the file", Rename("NIBBLE.SUB", " nibble.sub "), {true},
     {"Rename \"NIBBLE.SUB\"\nAs \"nibble.sub\" ?", "Sub-Routine Renamed !"},
     With({{"LOUVRE.SUB", "L"}, {"O9001.SUB", "O"}, {"nibble.sub", "N"}})},
    {"rename onto its own name", Rename("NIBBLE.SUB", "NIBBLE.SUB"), {true},
     {"Rename \"NIBBLE.SUB\"\nAs \"NIBBLE.SUB\" ?", "Sub-Routine Renamed !"}, kStart},
    {"copy onto another replaces it", Copy("O9001.SUB", "LOUVRE.SUB"), {true},
     {"Copy \"O9001.SUB\"\nAs \"LOUVRE.SUB\" ?", "Sub-Routine Copied !"},
     With({{"LOUVRE.SUB", "O"}, {"NIBBLE.SUB", "N"}, {"O9001.SUB", "O"}})},
    {"copy onto itself in another case", Copy("O9001.SUB", "o9001.sub"), {true},
     {"Copy \"O9001.SUB\"\nAs \"o9001.sub\" ?", "Sub-Routine Copied !"}, kStart},
    {"copy answered No", Copy("O9001.SUB", "NEW.SUB"), {false},
     {"Copy \"O9001.SUB\"\nAs \"NEW.SUB\" ?", "Sub-Routine Not Copied !"}, kStart},
};

class SubRoutines : public ::testing::TestWithParam<SubCase> {};

TEST_P(SubRoutines, FolderAfterwards) {
    const SubCase& c = GetParam();
    test::MachineSandbox box;
    State().Config.ReverseSubsFolder = kSubs;
    for (const auto& [name, bytes] : kStart) box.write(kSubs + name, bytes);
    EXPECT_EQ(SubRoutineList().items, (std::vector<std::string>{"LOUVRE.SUB", "NIBBLE.SUB", "O9001.SUB"}));
    test::FaultyPlatform faulty(box.platform());
    platform::ScopedPlatform use(faulty);
    if (c.failAtDelete) faulty.arm({test::kDelete, c.failAtDelete});
    test::Answers answers;
    for (bool yes : c.answers) answers.answer({yes});
    const Outcome outcome = answers.show(c.op(answers));
    EXPECT_EQ(answers.shown, c.shown);
    EXPECT_EQ(outcome.state() == Outcome::State::Refused, answers.asked.empty());
    test::Snapshot after;
    for (const std::string& name : box.names(kSubs)) after[name] = box.read(kSubs + name);
    EXPECT_EQ(after, c.after);
}

INSTANTIATE_TEST_SUITE_P(Cases, SubRoutines, ::testing::ValuesIn(kCases), test::CaseName());

}  // namespace
}  // namespace qv
