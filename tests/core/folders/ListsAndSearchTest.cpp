// The drive, directory and file lists, the path helpers and the current
// directory with its line in "Quorvane.cfg", on machine M1's folder C:\JOBS\M1;
// the file search: names in any case across directories, one row per name,
// refusals, and a directory that cannot be read.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "core/common/State.h"
#include "core/common/Text.h"
#include "core/folders/DirectoryLists.h"
#include "core/folders/FileSearch.h"
#include "support/Fields.h"
#include "support/ForwardingPlatform.h"
#include "support/Sandbox.h"

namespace qv {
namespace {

using Names = std::vector<std::string>;
const std::string kMachine = "C:\\JOBS\\M1\\";
const std::string kFloppy = "A: [Floppy Disk]", kCard = "E: [Removable Drive]", kEmptyCard = "H: [Removable Drive]";

// A: and E: removable, D: a CD, G: remote, H: removable without its disc.
struct Box : test::MachineSandbox {
    Box()
        : MachineSandbox({{'A', "removable"}, {'C', "fixed"}, {'D', "cdrom"}, {'E', "removable"}, {'F', "fixed"},
                          {'G', "remote"}, {'H', "removable", false}}) {}
};

// folders: sub-folders of the machine folder; system: the system folder, whose drive is never listed.
struct DirCase { Names folders; std::string current; bool drives; bool includeCurrent; int mode;
    Names rows; int selected; const char* machine = "M1"; const char* system = "C:\\QV\\"; };

TEST(DirectoryList, RowsAndSelection) {
    const DirCase cases[] = {
        {{"Beta", "alpha", "Gamma"}, "beta", false, true, SelectCurrent, {"alpha", "Beta", "Gamma"}, 1},
        {{"EXSUBS", "Exsubs", "exsubs", "Jobs"}, "", false, true, SelectFirst, {"Jobs"}, 0},  // EXSUBS hidden, any case
        {{"EXSUBS"}, "", true, true, SelectCurrent, {kFloppy, kCard, kEmptyCard}, -1},  // only EXSUBS: the drives
        {{}, "", true, true, SelectFirst, {}, -1},  // no sub-folder: nothing, drives or not
        {{"P1"}, kFloppy, true, true, SelectCurrent, {"P1", kFloppy, kCard, kEmptyCard}, 1},  // current drive selected
        {{"P1"}, "e:", true, true, SelectCurrent, {"P1", kFloppy, kCard, kEmptyCard}, 2},  // drive by its letter
        {{"P1"}, kCard, true, false, SelectCurrent, {"P1", kFloppy, kEmptyCard}, -1},  // current drive left out
        {{"Job One"}, "  JOB ONE ", false, true, SelectCurrent, {"Job One"}, 0},  // current trimmed, any case
        {{"Mine"}, "", false, true, SelectNone, {"Theirs"}, -1, " M2 "},  // another machine's folders
        {{"P1"}, "", true, true, SelectFirst, {}, -1, "M7"},  // a missing machine folder
        // The system's drive left out; a current directory not selected.
        {{"P1"}, "P1", true, true, SelectNone, {"P1", kFloppy, kEmptyCard}, -1, "M1", "e:\\QV\\"},
    };
    for (const DirCase& c : cases) {
        SCOPED_TRACE(&c - cases);
        Box box;
        box.write(kMachine + "notes.txt", "not a directory");
        for (const std::string& f : c.folders) box.makeFolder(kMachine + f);
        box.makeFolder("C:\\JOBS\\M2\\Theirs");
        State().Config.SystemFolder = c.system;
        const ListRows rows = FillDirectoryList(c.machine, c.current, c.drives, c.includeCurrent, c.mode);
        EXPECT_EQ(rows.items, c.rows);
        EXPECT_EQ(test::Fields(rows.selected, rows.data.size()), test::Fields(c.selected, c.rows.size()));
    }
    test::MachineSandbox box({{'B', "fixed"}, {'C', "fixed"}, {'Z', "removable"}});  // only A: and B: are floppies
    box.makeFolder(kMachine + "P1");
    EXPECT_EQ(FillDirectoryList("M1", "", true, true, SelectNone).items,
              (Names{"P1", "B: [Floppy Disk]", "Z: [Removable Drive]"}));
}

struct FileCase { Names files; int kind; std::string pattern; std::string current; int mode;
    Names rows; int selected; const char* directory = "P1"; };

TEST(FileList, OneRowPerBaseNameOfTheKindsTicked) {
    const Names set = {"A.drw", "A.prg", "B.prg", "C.drw", "A.inf"};
    const FileCase cases[] = {
        {{"A.drw", "A.prg", "B.prg"}, DrawingAndProgramFiles, "", "", SelectNone, {"A", "B"}, -1},  // both kinds
        {set, DrawingFiles, "*.prg", "", SelectFirst, {"A", "C"}, 0},  // drawings only
        {set, ProgramFiles, "", "b", SelectCurrent, {"A", "B"}, 1},  // programs only
        {set, 0, "", "", SelectFirst, {}, -1},  // nothing ticked
        {{"NOTES", "A.prg"}, 4, " N* ", "notes", SelectCurrent, {"NOTES"}, 0},  // a custom pattern and no extension
        {{"X.Y.prg", "X.prg"}, ProgramFiles, "", "x.y", SelectCurrent, {"X", "X.Y"}, 1},  // last dot cut only
        {{"a.sub", "a.txt", "b.txt", "c.doc"}, 9, "*.sub;*.txt", "", SelectNone, {"a", "b"}, -1},  // several
        {{"a.sub", "a.sub2"}, 9, "a.*", "", SelectNone, {"a", "a"}, -1},  // one custom pattern keeps rows apart
        // A name that sorts between a drawing and its program; a name in another case is one row.
        {{"X.drw", "X.e.prg", "X.prg"}, DrawingAndProgramFiles, "", "", SelectNone, {"X", "X.e"}, -1},
        {{"part.drw", "PART.prg"}, DrawingAndProgramFiles, "", "Part", SelectCurrent, {"part"}, 0},
        {set, ProgramFiles, "", "Z", SelectCurrent, {"A", "B"}, -1},  // current missing
        {set, ProgramFiles, "", "", SelectFirst, {}, -1, "Nowhere"},  // a missing directory
        {set, ProgramFiles, "", "", SelectNone, {"Card"}, -1, "E: [Removable Drive]"},  // a drive entry lists its root
    };
    for (const FileCase& c : cases) {
        SCOPED_TRACE(&c - cases);
        Box box;
        box.makeFolder(kMachine + "P1\\Sub.prg");  // a folder is never a file row
        box.write("E:\\Card.prg", "x");
        for (const std::string& f : c.files) box.write(kMachine + "P1\\" + f, "x");
        const ListRows rows = FillFileList("M1", c.directory, c.current, c.mode, c.kind, c.pattern);
        EXPECT_EQ(rows.items, c.rows);
        EXPECT_EQ(test::Fields(rows.selected, rows.data.size()), test::Fields(c.selected, c.rows.size()));
    }
}

// The choice takes the file system's spelling or falls back to the first
// directory, is kept in the path and rewrites the configuration whole.
TEST(CurrentDirectory, ChoosesAndRemembers) {
    const struct { const char* name; Names folders, files; std::string requested, chosen; } cases[] = {
        {"the file system's spelling", {"Alpha", "Parts"}, {}, " parts ", "Parts"},
        {"missing: the first", {"Beta", "Alpha"}, {}, "Nope", "Alpha"},
        {"EXSUBS: past itself", {"EXSUBS", "Zeta"}, {}, "exsubs", "Zeta"},
        {"empty name: the first", {"Exsubs", "Jobs"}, {}, "", "Jobs"},
        {"dot names: the first", {"Jobs"}, {}, "..", "Jobs"},
        {"only EXSUBS: none", {"EXSUBS"}, {}, "EXSUBS", ""},
        {"no sub-folder: none", {}, {"a.prg"}, "Jobs", ""},
        {"a plain file is no directory", {"Beta"}, {"Aaa"}, "Aaa", "Beta"},
        {"a path out of the machine folder", {"Beta"}, {}, "..\\M2", "Beta"},
        {"a ready drive stays", {"Beta"}, {}, " E: [Removable Drive] ", kCard},
        {"a drive not ready falls back", {"Beta"}, {}, kEmptyCard, "Beta"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Box box;
        box.makeFolder("C:\\QV");
        box.makeFolder("C:\\JOBS\\M2");
        for (const std::string& f : c.folders) box.makeFolder(kMachine + f);
        for (const std::string& f : c.files) box.write(kMachine + f, "x");
        State().Config.SelectedMachine = 3;
        box.write("C:\\QV\\Quorvane.cfg", "old\r\nlines\r\nthat\r\nare\r\nlonger\r\nthan\r\nsix\r\n");
        SelectCurrentDirectory(c.requested);
        EXPECT_EQ(State().Config.CurrentDirectory + "|" + State().Config.CurrentDirectoryPath,
                  c.chosen + "|" + DirectoryPath("M1", c.chosen));
        EXPECT_EQ(box.read("C:\\QV\\Quorvane.cfg"),
                  "C:\\QV\\\r\nC:\\QV\\DATA\\\r\nC:\\JOBS\\\r\n 3\r\n" + c.chosen + "\r\n******\r\n");
    }
    // A configuration that cannot be written keeps the choice for the run.
    test::MachineSandbox box;
    box.makeFolder(kMachine + "Parts");
    box.remove("C:\\QV");
    SelectCurrentDirectory("Parts");
    EXPECT_EQ(State().Config.CurrentDirectory, "Parts");
    EXPECT_FALSE(box.exists("C:\\QV\\Quorvane.cfg"));
}

TEST(PathUtil, LastPathComponentAndStripExtension) {
    const struct { std::string in, last, stripped; } cases[] = {
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

TEST(PathUtil, DirectoryPathExistsAndDriveReady) {
    Box box;
    box.makeFolder(kMachine + "Parts");
    box.write(kMachine + "notes", "x");
    const struct { std::string machine, name, path; } paths[] = {
        {"M1", kCard, "E:\\"}, {"M9", "a: [Floppy Disk]", "a:\\"}, {"M1", "Parts", "C:\\JOBS\\M1\\Parts\\"},
        {" M1 ", " Parts ", "C:\\JOBS\\M1\\Parts\\"}, {"M1", "", "C:\\JOBS\\M1\\"}, {"", "", "C:\\JOBS\\"},
    };
    for (const auto& c : paths) EXPECT_EQ(DirectoryPath(c.machine, c.name), c.path) << c.machine << "|" << c.name;
    // A file of that name counts as a directory.
    const std::pair<std::string, bool> directories[] = {{"Parts", true}, {" parts ", true}, {"notes", true},
        {"Nope", false}, {kCard, true}, {kEmptyCard, false}};
    for (const auto& [name, exists] : directories) EXPECT_EQ(DirectoryExists("M1", name), exists) << name;
    EXPECT_FALSE(DirectoryExists("M2", "Parts"));
    const std::pair<std::string, bool> drives[] = {{"", false}, {"   ", false}, {"C:", true},
        {"e: [Removable Drive]", true}, {"H:", false}, {"Q:", false}, {"1:", false}, {":", false}};
    for (const auto& [name, ready] : drives) EXPECT_EQ(DriveReady(name), ready) << '"' << name << '"';
}

TEST(PathUtil, MachineFieldLookupTakesTheLastMatch) {
    test::MachineSandbox box;
    State().Config.MachineTable = {{1, " Punch One ", " M1 ", "x", " Four "}, {2, "Two", "M2", "", ""},
                                   {1, "Punch Again", "M1B", "", "Four B"}};
    EXPECT_EQ(MachineFieldLookup(1, 1) + "|" + MachineFieldLookup(1, 2) + "|" + MachineFieldLookup(1, 3),
              "Punch Again|M1B|Four B");
    EXPECT_EQ(MachineFieldLookup(2, 4) + MachineFieldLookup(3, 1), "");
    State().Config.MachineTable.resize(1);
    EXPECT_EQ(MachineFieldLookup(1, 3), "Four");
}

// Fails the listing of "Locked".
class LockedPlatform : public test::ForwardingPlatform {
public:
    using ForwardingPlatform::ForwardingPlatform;
    Result<std::vector<std::string>> listFiles(const std::string& folder, const std::string& patterns) override {
        if (Upper(folder).find("LOCKED") != std::string::npos)
            return Status::Error(folder + ": permission denied", ErrorKind::Denied);
        return ForwardingPlatform::listFiles(folder, patterns);
    }
};

const std::string kNote = "\n\nNot Searched:\nC:\\JOBS\\M1\\Locked\\: permission denied";

TEST(SearchFiles, HitsRefusalsAndTheFolderNotSearched) {
    // hits: "name@directory"; notice: of a refusal; drawings: the drawings are there.
    const struct { const char* name; std::string text; int kind; std::vector<std::string> hits; std::string notice;
        bool drawings = true; } cases[] = {
        {"any case anywhere in the name, one row per name", "pa", 3,
         {"PART1@JOBS", "spar@JOBS", "X.pa@JOBS", "Apart@Other", "PART1@Other"}, ""},
        {"an empty text finds every drawing", "", 1, {"PART1@JOBS", "PART1@Other"}, ""},
        {"programs only", " PART ", 2, {"PART1@JOBS", "Apart@Other"}, ""},
        {"an extension alone does not match", "prg", 2, {}, "No Occurrences Of \" prg \" Found " + kNote},
        {"no drawing at all", "", 1, {}, "No Drawings Found " + kNote, false},
        {"32 characters are accepted", std::string(32, 'z'), 3, {},
         "No Occurrences Of \" " + std::string(32, 'z') + " \" Found " + kNote},
        {"33 are refused", std::string(33, 'z'), 3, {}, "Invalid Search Text"},
        {"no kind is refused", "pa", 0, {}, "Drawings And / Or Programs Must Be Selected"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::MachineSandbox box;
        for (const char* file : {"JOBS\\PART1.prg", "JOBS\\PART1.drw", "JOBS\\spar.prg", "JOBS\\X.pa.prg",
                                 "JOBS\\Part1.inf", "Other\\PART1.drw", "Other\\Apart.PRG", "EXSUBS\\Pa.prg",
                                 "Locked\\PA.prg", "Loose.prg"})
            if (c.drawings || !std::strstr(file, ".drw")) box.write(std::string("C:\\JOBS\\M1\\") + file, "x");
        LockedPlatform locked(box.platform());
        platform::ScopedPlatform use(locked);
        const FileSearch found = SearchFiles("M1", c.text, c.kind);
        std::vector<std::string> hits;
        for (std::size_t i = 0; i < found.names.size(); ++i)
            hits.push_back(found.names[i] + "@" + found.directories[i]);
        EXPECT_EQ(hits, c.hits);
        EXPECT_EQ(found.outcome.message(), c.notice);
        EXPECT_EQ(found.outcome.done(), c.notice.empty());
        if (found.outcome.done()) { EXPECT_EQ(found.unreadableNote(), kNote.substr(2)); }
    }
}

}  // namespace
}  // namespace qv
