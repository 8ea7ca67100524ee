// File lists: base names by kind and pattern, one row per name, selection.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/folders/DirectoryLists.h"
#include "core/common/State.h"
#include "support/Sandbox.h"
#include "support/TableTest.h"

namespace qv {
namespace {

struct FileCase {
    const char* name;
    std::vector<std::string> files;
    int kind;
    std::string pattern;
    std::string current;
    int mode;
    std::vector<std::string> rows;
    int selected;
    const char* directory = "P1";
};

const std::vector<std::string> kSet = {"A.drw", "A.prg", "B.prg", "C.drw", "A.inf"};

const FileCase kCases[] = {
    {"both kinds give one row per name", {"A.drw", "A.prg", "B.prg"}, DrawingAndProgramFiles, "", "",
     SelectNone, {"A", "B"}, -1},
    {"drawings only", kSet, DrawingFiles, "*.prg", "", SelectFirst, {"A", "C"}, 0},
    {"programs only", kSet, ProgramFiles, "", "b", SelectCurrent, {"A", "B"}, 1},
    {"nothing ticked lists nothing", kSet, 0, "", "", SelectFirst, {}, -1},
    {"custom pattern lists a name without extension", {"NOTES", "A.prg"}, 4, " N* ", "notes",
     SelectCurrent, {"NOTES"}, 0},
    {"last dot cut only", {"X.Y.prg", "X.prg"}, ProgramFiles, "", "x.y", SelectCurrent, {"X", "X.Y"}, 1},
    {"several custom patterns", {"a.sub", "a.txt", "b.txt", "c.doc"}, 9, "*.sub;*.txt", "", SelectNone,
     {"a", "b"}, -1},
    {"one custom pattern keeps same-named rows apart", {"a.sub", "a.sub2"}, 9, "a.*", "", SelectNone,
     {"a", "a"}, -1},
    {"a name sorting between its drawing and program", {"X.drw", "X.e.prg", "X.prg"},
     DrawingAndProgramFiles, "", "", SelectNone, {"X", "X.e"}, -1},
    {"same name in other case is one row", {"part.drw", "PART.prg"}, DrawingAndProgramFiles, "", "Part",
     SelectCurrent, {"part"}, 0},
    {"current missing selects nothing", kSet, ProgramFiles, "", "Z", SelectCurrent, {"A", "B"}, -1},
    {"no match gives no rows", {"A.txt"}, DrawingAndProgramFiles, "", "", SelectFirst, {}, -1},
    {"a missing directory gives no rows", kSet, ProgramFiles, "", "", SelectFirst, {}, -1, "Nowhere"},
    {"a drive entry lists the drive's root", kSet, ProgramFiles, "", "", SelectNone, {"Card"}, -1,
     "E: [Removable Drive]"},
};

class FileList : public ::testing::TestWithParam<FileCase> {};

TEST_P(FileList, Rows) {
    const FileCase& c = GetParam();
    test::MachineSandbox box({{'C', "fixed"}, {'E', "removable"}});
    box.makeFolder("C:\\JOBS\\M1\\P1\\Sub.prg");  // a folder is never a file row
    box.write("E:\\Card.prg", "x");
    for (const std::string& f : c.files) box.write("C:\\JOBS\\M1\\P1\\" + f, "x");
    const ListRows rows = FillFileList("M1", c.directory, c.current, c.mode, c.kind, c.pattern);
    EXPECT_EQ(rows.items, c.rows);
    EXPECT_EQ(rows.selected, c.selected);
    EXPECT_EQ(rows.data.size(), rows.items.size());
}

INSTANTIATE_TEST_SUITE_P(Cases, FileList, ::testing::ValuesIn(kCases), test::CaseName());

}  // namespace
}  // namespace qv
