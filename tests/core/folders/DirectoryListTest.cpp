// Directory lists: program directories, drive entries, the current entry.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/folders/DirectoryLists.h"
#include "core/common/State.h"
#include "support/Sandbox.h"
#include "support/TableTest.h"

namespace qv {
namespace {

const std::string kMachine = "C:\\JOBS\\M1\\";
const std::string kFloppy = "A: [Floppy Disk]";
const std::string kCard = "E: [Removable Drive]";
const std::string kEmptyCard = "H: [Removable Drive]";

std::vector<test::Drive> Drives() {
    return {{'A', "removable"}, {'C', "fixed"},     {'D', "cdrom"},
            {'E', "removable"}, {'F', "fixed"},     {'G', "remote"},
            {'H', "removable", false}};
}

struct DirCase {
    const char* name;
    std::vector<std::string> folders;  // sub-folders of the machine folder; none: no folder at all
    std::string current;
    bool drives;
    bool includeCurrent;
    int mode;
    std::vector<std::string> rows;
    int selected;
    const char* machine = "M1";
    const char* system = "C:\\QV\\";  // the system folder, whose drive is never listed
};

const DirCase kCases[] = {
    {"folders in name order with the current selected", {"Beta", "alpha", "Gamma"}, "beta", false, true,
     SelectCurrent, {"alpha", "Beta", "Gamma"}, 1},
    {"EXSUBS hidden in any case", {"EXSUBS", "Exsubs", "exsubs", "Jobs"}, "", false, true, SelectFirst,
     {"Jobs"}, 0},
    {"only EXSUBS gives the drives alone", {"EXSUBS"}, "", true, true, SelectCurrent,
     {kFloppy, kCard, kEmptyCard}, -1},
    {"no sub-folder gives an empty list even with drives", {}, "", true, true, SelectFirst, {}, -1},
    {"current left out, mode 2 selects nothing", {"P1", "P2"}, "P1", true, false, SelectCurrent,
     {"P2", kFloppy, kCard, kEmptyCard}, -1},
    {"current drive entry selected", {"P1"}, kFloppy, true, true, SelectCurrent,
     {"P1", kFloppy, kCard, kEmptyCard}, 1},
    {"current drive by its letter only", {"P1"}, "e:", true, true, SelectCurrent,
     {"P1", kFloppy, kCard, kEmptyCard}, 2},
    {"current drive left out", {"P1"}, kCard, true, false, SelectCurrent, {"P1", kFloppy, kEmptyCard}, -1},
    {"mode 1 selects the first row", {"P1", "P2"}, "P2", false, true, SelectFirst, {"P1", "P2"}, 0},
    {"mode 0 selects nothing", {"P1", "P2"}, "P2", false, true, SelectNone, {"P1", "P2"}, -1},
    {"unknown mode selects nothing", {"P1"}, "P1", false, true, 7, {"P1"}, -1},
    {"current trimmed and compared without case", {"Job One"}, "  JOB ONE ", false, true, SelectCurrent,
     {"Job One"}, 0},
    {"another machine's folders", {"Mine"}, "", false, true, SelectNone, {"Theirs"}, -1, " M2 "},
    {"a missing machine folder gives nothing", {"P1"}, "", true, true, SelectFirst, {}, -1, "M7"},
    {"the system's removable drive is left out", {"P1"}, "", true, true, SelectNone, {"P1", kFloppy, kEmptyCard},
     -1, "M1", "e:\\QV\\"},
    {"the system's floppy is left out", {"P1"}, "", true, true, SelectNone, {"P1", kCard, kEmptyCard}, -1, "M1",
     "A:\\QV\\"},
};

class DirectoryList : public ::testing::TestWithParam<DirCase> {};

TEST_P(DirectoryList, Rows) {
    const DirCase& c = GetParam();
    test::MachineSandbox box(Drives());
    box.makeFolder("C:\\JOBS\\M1");
    box.write(kMachine + "notes.txt", "not a directory");
    for (const std::string& f : c.folders) box.makeFolder(kMachine + f);
    box.makeFolder("C:\\JOBS\\M2\\Theirs");
    State().Config.SystemFolder = c.system;
    const ListRows rows = FillDirectoryList(c.machine, c.current, c.drives, c.includeCurrent, c.mode);
    EXPECT_EQ(rows.items, c.rows);
    EXPECT_EQ(rows.selected, c.selected);
    EXPECT_EQ(rows.data.size(), rows.items.size());
}

INSTANTIATE_TEST_SUITE_P(Cases, DirectoryList, ::testing::ValuesIn(kCases), test::CaseName());

TEST(DirectoryListDrives, OnlyLettersAAndBAreFloppies) {
    test::MachineSandbox box({{'B', "fixed"}, {'C', "fixed"}, {'Z', "removable"}});
    box.makeFolder(kMachine + "P1");
    EXPECT_EQ(FillDirectoryList("M1", "", true, true, SelectNone).items,
              (std::vector<std::string>{"P1", "B: [Floppy Disk]", "Z: [Removable Drive]"}));
}

}  // namespace
}  // namespace qv
