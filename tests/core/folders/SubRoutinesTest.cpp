// Sub-routine operations: questions, notices, refusals and what the folder
// holds afterwards, byte for byte; a failed delete stops and says how far it got.
#include <gtest/gtest.h>

#include "core/common/State.h"
#include "core/folders/SubRoutines.h"
#include "support/Answers.h"
#include "support/Sandbox.h"
#include "support/SysFaults.h"

namespace qv {
namespace {

constexpr const char* kSubs = "C:\\QV\\DATA\\RevSubs\\";

// The window test has the refusal without a selection, a delete of two and a
// rename in another case.
TEST(SubRoutines, QuestionsNoticesAndTheFolderAfterwards) {
    const std::string start = "LOUVRE.SUB=L NIBBLE.SUB=N O9001.SUB=O", a36(36, 'A');
    // op: Delete, Rename or Copy; names: those to delete, or the old and the new name; shown: questions, then the
    // notice; after: the folder's files as name=bytes; failAtDelete: the delete call that fails.
    const struct { const char* name; char op; std::vector<std::string> names; std::vector<bool> answers;
        std::vector<std::string> shown; std::string after; int failAtDelete = 0; } cases[] = {
        {"delete one", 'D', {"NIBBLE.SUB"}, {true}, {"Delete \"NIBBLE.SUB\" ?", "1 Sub-Routine Deleted !"},
         "LOUVRE.SUB=L O9001.SUB=O"},
        {"delete answered No", 'D', {"LOUVRE.SUB", "O9001.SUB"}, {false},
         {"Delete 2 Sub-Routines ?", "No Sub-Routines Deleted !"}, start},
        {"a failed delete stops there", 'D', {"LOUVRE.SUB", "O9001.SUB"}, {true},
         {"Delete 2 Sub-Routines ?", "C:\\QV\\DATA\\RevSubs\\O9001.SUB: input/output error\n\n1 Sub-Routine Deleted !"},
         "NIBBLE.SUB=N O9001.SUB=O", 2},
        {"rename without selection", 'R', {"", "A.SUB"}, {}, {"No Sub-Routine Selected !"}, start},
        {"a 37-character name is refused", 'R', {"LOUVRE.SUB", a36 + "A"}, {}, {"Invalid Sub-Routine Name !"}, start},
        {"a name reaching outside", 'R', {"LOUVRE.SUB", "..\\X.SUB"}, {}, {"Invalid Sub-Routine Name !"}, start},
        {"rename to 36 characters", 'R', {"LOUVRE.SUB", a36}, {true},
         {"Rename \"LOUVRE.SUB\"\nAs \"" + a36 + "\" ?", "Sub-Routine Renamed !"}, a36 + "=L NIBBLE.SUB=N O9001.SUB=O"},
        {"rename onto another replaces it", 'R', {"LOUVRE.SUB", "NIBBLE.SUB"}, {true},
         {"Rename \"LOUVRE.SUB\"\nAs \"NIBBLE.SUB\" ?", "Sub-Routine Renamed !"}, "NIBBLE.SUB=L O9001.SUB=O"},
        {"rename onto its own name", 'R', {"NIBBLE.SUB", "NIBBLE.SUB"}, {true},
         {"Rename \"NIBBLE.SUB\"\nAs \"NIBBLE.SUB\" ?", "Sub-Routine Renamed !"}, start},
        {"copy onto another replaces it", 'C', {"O9001.SUB", "LOUVRE.SUB"}, {true},
         {"Copy \"O9001.SUB\"\nAs \"LOUVRE.SUB\" ?", "Sub-Routine Copied !"}, "LOUVRE.SUB=O NIBBLE.SUB=N O9001.SUB=O"},
        {"copy onto itself in another case", 'C', {"O9001.SUB", "o9001.sub"}, {true},
         {"Copy \"O9001.SUB\"\nAs \"o9001.sub\" ?", "Sub-Routine Copied !"}, start},
        {"copy answered No", 'C', {"O9001.SUB", "NEW.SUB"}, {false},
         {"Copy \"O9001.SUB\"\nAs \"NEW.SUB\" ?", "Sub-Routine Not Copied !"}, start},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::MachineSandbox box;
        State().Config.ReverseSubsFolder = kSubs;
        for (const char* name : {"LOUVRE.SUB", "NIBBLE.SUB", "O9001.SUB"})
            box.write(kSubs + std::string(name), std::string(1, name[0]));
        EXPECT_EQ(SubRoutineList().items, (std::vector<std::string>{"LOUVRE.SUB", "NIBBLE.SUB", "O9001.SUB"}));
        test::SysFaults faults;
        if (c.failAtDelete) faults.arm({test::kSysUnlink, c.failAtDelete});
        test::Answers answers;
        for (bool yes : c.answers) answers.answer({yes});
        const Outcome outcome = answers.show(c.op == 'D'   ? DeleteSubRoutines(c.names, answers)
                                             : c.op == 'R' ? RenameSubRoutine(c.names[0], c.names[1], answers)
                                                           : CopySubRoutine(c.names[0], c.names[1], answers));
        EXPECT_EQ(answers.shown, c.shown);
        EXPECT_EQ(outcome.state() == Outcome::State::Refused, answers.asked.empty());
        std::string after;
        for (const std::string& name : box.names(kSubs))
            after += (after.empty() ? "" : " ") + name + "=" + box.read(kSubs + name);
        EXPECT_EQ(after, c.after);
    }
}

}  // namespace
}  // namespace qv
