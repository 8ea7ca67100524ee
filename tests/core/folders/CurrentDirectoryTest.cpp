// Choosing the current program directory and remembering it in "Quorvane.cfg".
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/folders/DirectoryLists.h"
#include "core/common/State.h"
#include "support/Sandbox.h"
#include "support/TableTest.h"

namespace qv {
namespace {

struct CurrentCase {
    const char* name;
    std::vector<std::string> folders;
    std::vector<std::string> files;
    std::string requested;
    std::string chosen;
    std::string path;
};

const CurrentCase kCases[] = {
    {"existing folder takes the file system's spelling", {"Alpha", "Parts"}, {}, " parts ", "Parts",
     "C:\\JOBS\\M1\\Parts\\"},
    {"missing folder falls back to the first", {"Beta", "Alpha"}, {}, "Nope", "Alpha",
     "C:\\JOBS\\M1\\Alpha\\"},
    {"EXSUBS falls back past itself", {"EXSUBS", "Zeta"}, {}, "exsubs", "Zeta", "C:\\JOBS\\M1\\Zeta\\"},
    {"empty name takes the first", {"Exsubs", "Jobs"}, {}, "", "Jobs", "C:\\JOBS\\M1\\Jobs\\"},
    {"dot names take the first", {"Jobs"}, {}, "..", "Jobs", "C:\\JOBS\\M1\\Jobs\\"},
    {"only EXSUBS leaves no directory", {"EXSUBS"}, {}, "EXSUBS", "", "C:\\JOBS\\M1\\"},
    {"no sub-folder leaves no directory", {}, {"a.prg"}, "Jobs", "", "C:\\JOBS\\M1\\"},
    {"a plain file is no directory", {"Beta"}, {"Aaa"}, "Aaa", "Beta", "C:\\JOBS\\M1\\Beta\\"},
    {"a path out of the machine folder is refused", {"Beta"}, {}, "..\\M2", "Beta",
     "C:\\JOBS\\M1\\Beta\\"},
    {"a ready drive stays", {"Beta"}, {}, " E: [Removable Drive] ", "E: [Removable Drive]", "E:\\"},
    {"a drive that is not ready falls back", {"Beta"}, {}, "H: [Removable Drive]", "Beta",
     "C:\\JOBS\\M1\\Beta\\"},
    {"an unknown drive falls back", {"Beta"}, {}, "Q: [Removable Drive]", "Beta", "C:\\JOBS\\M1\\Beta\\"},
};

class CurrentDirectory : public ::testing::TestWithParam<CurrentCase> {};

TEST_P(CurrentDirectory, ChoosesAndRemembers) {
    const CurrentCase& c = GetParam();
    test::MachineSandbox box({{'C', "fixed"}, {'E', "removable"}, {'H', "removable", false}});
    box.makeFolder("C:\\QV");
    box.makeFolder("C:\\JOBS\\M1");
    box.makeFolder("C:\\JOBS\\M2");
    for (const std::string& f : c.folders) box.makeFolder("C:\\JOBS\\M1\\" + f);
    for (const std::string& f : c.files) box.write("C:\\JOBS\\M1\\" + f, "x");
    State().Config.SelectedMachine = 3;
    box.write("C:\\QV\\Quorvane.cfg", "old\r\nlines\r\nthat\r\nare\r\nlonger\r\nthan\r\nsix\r\n");

    SelectCurrentDirectory(c.requested);  // rewrites the configuration whole
    EXPECT_EQ(State().Config.CurrentDirectory, c.chosen);
    EXPECT_EQ(State().Config.CurrentDirectoryPath, c.path);
    EXPECT_EQ(box.read("C:\\QV\\Quorvane.cfg"),
              "C:\\QV\\\r\nC:\\QV\\DATA\\\r\nC:\\JOBS\\\r\n 3\r\n" + c.chosen + "\r\n******\r\n");
}

INSTANTIATE_TEST_SUITE_P(Cases, CurrentDirectory, ::testing::ValuesIn(kCases), test::CaseName());

TEST(CurrentDirectoryFile, AFailedRewriteKeepsTheChoiceForTheRun) {
    test::MachineSandbox box;
    box.makeFolder("C:\\JOBS\\M1\\Parts");
    // No system folder: the configuration cannot be written.
    box.remove("C:\\QV");
    SelectCurrentDirectory("Parts");
    EXPECT_EQ(State().Config.CurrentDirectory, "Parts");
    EXPECT_FALSE(box.exists("C:\\QV\\Quorvane.cfg"));
}

}  // namespace
}  // namespace qv
