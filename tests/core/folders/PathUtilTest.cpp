// Path helpers: components, extensions, directory paths, drives and machines.
#include <gtest/gtest.h>

#include <string>

#include "core/folders/DirectoryLists.h"
#include "core/common/State.h"
#include "support/Sandbox.h"
#include "support/TableTest.h"

namespace qv {
namespace {

TEST(PathUtil, LastPathComponentAndStripExtension) {
    const struct {
        std::string in, last, stripped;
    } cases[] = {
        {"C:\\JOBS\\PART1", "PART1", "C:\\JOBS\\PART1"}, {"A:", "", "A:"},     {"  Part 2  ", "Part 2", "Part 2"},
        {"C:\\JOBS\\", "", "C:\\JOBS\\"},             {"", "", ""},         {"jobs/part3", "part3", "jobs/part3"},
        {"E:Part4", "Part4", "E:Part4"},             {"\\", "", "\\"},     {"X.Y.prg", "X.Y.prg", "X.Y"},
        {" A.drw ", "A.drw", "A"},                   {".prg", ".prg", ""}, {"Part 1 .prg", "Part 1 .prg", "Part 1"},
        {"trailing.", "trailing.", "trailing"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LastPathComponent(c.in), c.last) << '"' << c.in << '"';
        EXPECT_EQ(StripExtension(c.in), c.stripped) << '"' << c.in << '"';
    }
}

TEST(PathUtil, DirectoryPath) {
    test::MachineSandbox box;
    const struct {
        std::string machine, name, path;
    } cases[] = {
        {"M1", "E: [Removable Drive]", "E:\\"},
        {"M9", "a: [Floppy Disk]", "a:\\"},
        {"M1", "Parts", "C:\\JOBS\\M1\\Parts\\"},
        {" M1 ", " Parts ", "C:\\JOBS\\M1\\Parts\\"},
        {"M1", "", "C:\\JOBS\\M1\\"},
        {"", "", "C:\\JOBS\\"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DirectoryPath(c.machine, c.name), c.path) << '"' << c.machine << "\" \"" << c.name << '"';
}

TEST(PathUtil, DirectoryExistsAndDriveReady) {
    test::MachineSandbox box({{'C', "fixed"}, {'E', "removable"}, {'H', "removable", false}});
    box.makeFolder("C:\\JOBS\\M1\\Parts");
    box.write("C:\\JOBS\\M1\\notes", "x");
    EXPECT_TRUE(DirectoryExists("M1", "Parts"));
    EXPECT_TRUE(DirectoryExists("M1", " parts "));
    EXPECT_TRUE(DirectoryExists("M1", "notes"));  // a file of that name counts
    EXPECT_FALSE(DirectoryExists("M1", "Nope"));
    EXPECT_FALSE(DirectoryExists("M2", "Parts"));
    EXPECT_TRUE(DirectoryExists("M1", "E: [Removable Drive]"));
    EXPECT_FALSE(DirectoryExists("M1", "H: [Removable Drive]"));

    const struct {
        std::string name;
        bool ready;
    } drives[] = {
        {"", false},       {"   ", false}, {"C:", true},  {"e: [Removable Drive]", true},
        {"H:", false},     {"Q:", false},  {"1:", false}, {":", false},
    };
    for (const auto& d : drives) EXPECT_EQ(DriveReady(d.name), d.ready) << '"' << d.name << '"';
}

TEST(PathUtil, MachineFieldLookup) {
    test::MachineSandbox box;
    State().Config.MachineTable = {
        {1, " Punch One ", " M1 ", "x", " Four "},
        {2, "Two", "M2", "", ""},
        {1, "Punch Again", "M1B", "", "Four B"},
    };
    EXPECT_EQ(MachineFieldLookup(1, 1), "Punch Again");  // the last match wins
    EXPECT_EQ(MachineFieldLookup(1, 2), "M1B");
    EXPECT_EQ(MachineFieldLookup(1, 3), "Four B");
    EXPECT_EQ(MachineFieldLookup(2, 4), "");
    EXPECT_EQ(MachineFieldLookup(3, 1), "");
    State().Config.MachineTable.resize(1);
    EXPECT_EQ(MachineFieldLookup(1, 3), "Four");
}

}  // namespace
}  // namespace qv
