// The file window in its five modes on the demo installation.
#include "FolderWindowTest.h"
#include "core/exchange/FileSet.h"
#include "support/TableTest.h"
#include "ui/folders/FileForm.h"

namespace qv::test {
namespace {

using ui::FileForm;

const char* const kFlange = "C:\\QUORVANE\\PROGRAMS\\PUNCH2\\JOBS\\";
const std::vector<std::string> kBefore = {
    "BRACKET.drw", "BRACKET.inf", "BRACKET.nst", "BRACKET.prg", "BRACKET.rpt", "BRACKET.seq", "BRACKET.stp",
    "BRACKET.usr", "COVER.inf",   "COVER.prg",   "PANEL.prg",   "PLATE.drw",   "PLATE.nst",   "PLATE.usr"};
const Folders kUnchanged = {{kJobs, kBefore}, {kPrototypes, kProto}};

// JOBS afterwards: without the names gone, with those added.
std::vector<std::string> Jobs(std::initializer_list<const char*> gone, std::initializer_list<const char*> added = {}) {
    std::vector<std::string> names(added.begin(), added.end());
    for (const std::string& name : kBefore)
        if (std::find(gone.begin(), gone.end(), name) == gone.end()) names.push_back(name);
    std::sort(names.begin(), names.end());
    return names;
}
// The notice of a set operation stopped at a file of JOBS, with the count.
std::string Failed(const char* file, const char* what, const char* reason, const char* counted) {
    return "\"" + std::string(kJobs) + file + "\" Could Not Be " + what + " !\n" + reason + "\n\n" + counted;
}
const auto kBracketGone = {"BRACKET.drw", "BRACKET.inf", "BRACKET.nst", "BRACKET.prg", "BRACKET.rpt"};

// Selects names in the mode's list, types the new name, picks the target.
std::function<void(QWidget&)> Pick(std::vector<const char*> names, const char* typed = nullptr,
                                   const char* directory = nullptr) {
    return [=](QWidget& w) {
        auto& f = static_cast<FileForm&>(w);
        for (const char* name : names) Select(f.FileList[f.FileList[1]->isHidden() ? 2 : 1], {name});
        // A click on the single list copies the name into the box.
        const bool single = !f.FileList[1]->isHidden() && !names.empty();
        EXPECT_TRUE(!single || f.FileBox->text() == names.back()) << f.FileBox->text().toStdString();
        if (typed) f.FileBox->setText(QString::fromLatin1(typed));
        if (directory) f.DirectoryList->setCurrentText(QString::fromLatin1(directory));
    };
}

const WindowCase kDeleteRows[] = {
    {"two_sets", 1, Pick({"BRACKET", "COVER"}), {true}, {"Delete 2 Files ?", "2 Files Deleted !"}, "",
     {{kJobs, Jobs({"BRACKET.drw", "BRACKET.inf", "BRACKET.prg", "BRACKET.rpt", "BRACKET.seq", "BRACKET.stp",
                    "BRACKET.usr", "COVER.inf", "COVER.prg"})}}},
    {"programs_only", 1,
     [](QWidget& w) {
         auto& f = static_cast<FileForm&>(w);
         QTest::mouseClick(f.FileCheck[1], Qt::LeftButton);  // Drawings off: PLATE leaves the list
         EXPECT_TRUE(f.FileList[2]->findItems("PLATE", Qt::MatchExactly).isEmpty());
         Select(f.FileList[2], {"BRACKET"});
     },
     {true}, {"Delete \"BRACKET\" ?", "1 File Deleted !"}, "",
     {{kJobs, Jobs({"BRACKET.inf", "BRACKET.prg", "BRACKET.rpt", "BRACKET.stp"})}}},
    {"nothing_selected", 1, {}, {}, {"No Files Selected !"}, "FileList2", kUnchanged},
    {"stops_at_a_failing_set", 1, Pick({"BRACKET", "COVER", "PANEL"}), {true},
     {"Delete 3 Files ?", Failed("COVER.inf", "Deleted", "Input/output error", "1 File Deleted !")}, "",
     {{kJobs, Jobs({"BRACKET.drw", "BRACKET.inf", "BRACKET.prg", "BRACKET.rpt", "BRACKET.seq", "BRACKET.stp",
                    "BRACKET.usr"})}},
     {}, {kRename, 8}},
};

// Modes 2 and 3 act on one set under a new name; modes 4 and 5 take sets to another directory.
const WindowCase kRenameOrCopyAsRows[] = {
    {"rename", 2, Pick({"COVER"}, "LID"), {true}, {"Rename \"COVER\"\nAs \"LID\" ?", "1 File Renamed !"}, "",
     {{kJobs, Jobs({"COVER.inf", "COVER.prg"}, {"LID.inf", "LID.prg"})}}},
    {"onto_an_existing_name", 2, Pick({"PANEL"}, "COVER"), {true, false},
     {"Rename \"PANEL\"\nAs \"COVER\" ?", OverwriteQuestion("COVER"), "No Files Renamed !"}, "", kUnchanged},
    {"drawings_only_letter_case", 2,
     [](QWidget& w) {
         QTest::mouseClick(static_cast<FileForm&>(w).FileCheck[2], Qt::LeftButton);  // Programs off
         Pick({"BRACKET"}, "Bracket")(w);
     },
     {true}, {"Rename \"BRACKET\"\nAs \"Bracket\" ?", "1 File Renamed !"}, "",
     {{kJobs, Jobs({"BRACKET.drw", "BRACKET.nst", "BRACKET.seq", "BRACKET.usr"},
                   {"Bracket.drw", "Bracket.nst", "Bracket.seq", "Bracket.usr"})}}},
    {"letter_case_undone_on_failure", 2, Pick({"PLATE"}, "Plate"), {true},
     {"Rename \"PLATE\"\nAs \"Plate\" ?", Failed("PLATE.nst", "Renamed", "Input/output error", "No Files Renamed !")},
     "", kUnchanged, {}, {kRename, 2}},
    {"nothing_selected", 2, Pick({}, "LID"), {}, {"No File Selected !"}, "FileList1", kUnchanged},
    {"33_characters", 2, Pick({"PANEL"}, "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456"), {}, {"Invalid File Name !"}, "FileBox",
     kUnchanged},
    {"copy_as", 3, Pick({"PANEL"}, "PANEL2"), {true}, {"Copy \"PANEL\"\nAs \"PANEL2\" ?", "1 File Copied !"}, "",
     {{kJobs, Jobs({}, {"PANEL2.prg"})}}},
};

const WindowCase kMoveOrCopyToRows[] = {
    {"refused_overwrite_counts_the_rest", 4, Pick({"COVER", "PANEL", "PLATE"}, nullptr, "PROTOTYPES"), {true, false},
     {"Move 3 Files\nTo \"PROTOTYPES\" ?", OverwriteQuestion("PANEL"), "2 Files Moved !"}, "",
     {{kJobs, Jobs({"COVER.inf", "COVER.prg", "PLATE.drw", "PLATE.nst", "PLATE.usr"})},
      {kPrototypes, {"BROKEN.prg", "COVER.inf", "COVER.prg", "PANEL.prg", "PLATE.drw", "PLATE.nst", "PLATE.usr",
                     "PROTO1.drw", "PROTO1.prg"}}},
     [](DemoInstallation& demo, MessageRecorder&) { demo.write(std::string(kPrototypes) + "PANEL.prg", "theirs"); }},
    {"to_another_machine_leaves_its_companions", 4,
     [](QWidget& w) {
         auto& f = static_cast<FileForm&>(w);
         Select(f.FileList[2], {"BRACKET"});
         f.MachineList->setCurrentIndex(1);  // Turret Punch 1500 Combi
         emit f.MachineList->activated(1);
         EXPECT_EQ(f.DirectoryList->currentText(), "JOBS");  // its directory named like the current one
     },
     {true}, {"Move \"BRACKET\"\nTo \"JOBS\" ?", "1 File Moved !"}, "",
     {{kJobs, Jobs(kBracketGone)}, {kFlange, {"BRACKET.drw", "BRACKET.inf", "BRACKET.nst", "BRACKET.prg", "BRACKET.rpt",
                                             "FLANGE.drw", "FLANGE.prg"}}}},
    {"nothing_selected", 4, {}, {}, {"No Files Selected !"}, "FileList2", kUnchanged},
    {"no_directory", 4, [](QWidget& w) { Pick({"PANEL"})(w), static_cast<FileForm&>(w).DirectoryList->clear(); },
     {}, {"No Directory Selected !"}, "DirectoryList", kUnchanged},
    {"no_machine", 4, [](QWidget& w) { Pick({"PANEL"})(w), static_cast<FileForm&>(w).MachineList->clear(); }, {},
     {"No Machine Selected !"}, "MachineList", kUnchanged},
    {"card_without_disc", 4, Pick({"PANEL"}, nullptr, kCard), {true},
     {"Move \"PANEL\"\nTo \"E: [Removable Drive]\" ?", "Disc Not Ready !"}, "DirectoryList", kUnchanged, NoDisc},
    {"stopped_by_a_full_disc_copies_none", 5, Pick({"COVER", "PANEL"}, nullptr, "PROTOTYPES"), {true},
     {"Copy 2 Files\nTo \"PROTOTYPES\" ?", Failed("COVER.prg", "Copied", "The disc is full", "No Files Copied !")}, "",
     kUnchanged, {}, {kCopy, 2, true, "the disc is full", ErrorKind::DiscFull}},
    {"to_the_card", 5, Pick({"COVER", "PANEL"}, nullptr, kCard), {true},
     {"Copy 2 Files\nTo \"E: [Removable Drive]\" ?", "2 Files Copied !"}, "",
     {{kJobs, kBefore},
      {"E:\\", {"COVER.inf", "COVER.prg", "IMPORT", "OUTLINE.DXF", "PANEL.prg", "PART1.TAP", "PART90.prg",
                "PART91.inf", "PART91.prg"}}}},
};

class FileWindow : public FolderWindow {};

TEST_P(FileWindow, DoesWhatItSaysAndLeavesTheFolders) { run(true); }

INSTANTIATE_TEST_SUITE_P(Delete, FileWindow, ::testing::ValuesIn(kDeleteRows), CaseName());
INSTANTIATE_TEST_SUITE_P(RenameOrCopyAs, FileWindow, ::testing::ValuesIn(kRenameOrCopyAsRows), CaseName());
INSTANTIATE_TEST_SUITE_P(MoveOrCopyTo, FileWindow, ::testing::ValuesIn(kMoveOrCopyToRows), CaseName());

}  // namespace
}  // namespace qv::test
