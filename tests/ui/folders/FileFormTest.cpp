// The file window in its five modes on the demo installation.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <filesystem>

#include "FolderWindowTest.h"
#include "core/exchange/FileSet.h"
#include "support/TableTest.h"
#include "ui/folders/FileForm.h"

namespace qv::test {
namespace {

using ui::FileForm;
using Folders = std::vector<std::pair<std::string, std::vector<std::string>>>;

struct FileCase {
    const char* name;
    int mode;
    std::function<void(FileForm&)> act;
    std::vector<bool> answers;
    std::vector<std::string> shown;
    const char* focus;  // "" when the window closed
    Folders after;      // folders read back
    std::function<void(DemoInstallation&)> prepare = {};
};

const char* const kFlange = "C:\\QUORVANE\\PROGRAMS\\PUNCH2\\JOBS\\";
const std::vector<std::string> kJobsBefore = {
    "BRACKET.drw", "BRACKET.inf", "BRACKET.nst", "BRACKET.prg", "BRACKET.rpt", "BRACKET.seq", "BRACKET.stp",
    "BRACKET.usr", "COVER.inf",   "COVER.prg",   "PANEL.prg",   "PLATE.drw",   "PLATE.nst",   "PLATE.usr"};
const std::vector<std::string> kProtoBefore = {"BROKEN.prg", "PROTO1.drw", "PROTO1.prg"};
const Folders kUnchanged = {{kJobs, kJobsBefore}, {kPrototypes, kProtoBefore}};

std::vector<std::string> Jobs(std::initializer_list<const char*> gone, std::initializer_list<const char*> added = {}) {
    std::vector<std::string> names;
    for (const std::string& name : kJobsBefore)
        if (std::find(gone.begin(), gone.end(), name) == gone.end()) names.push_back(name);
    names.insert(names.end(), added.begin(), added.end());
    std::sort(names.begin(), names.end());
    return names;
}

// Selects names in the mode's list and types the new name.
std::function<void(FileForm&)> Pick(std::initializer_list<const char*> names, const char* typed = nullptr,
                                    const char* directory = nullptr) {
    std::vector<const char*> chosen(names);
    return [=](FileForm& f) {
        QListWidget* list = f.FileList[f.FileList[1]->isHidden() ? 2 : 1];
        for (const char* name : chosen) Select(list, {name});
        if (typed) f.FileBox->setText(QString::fromLatin1(typed));
        if (directory) f.DirectoryList->setCurrentText(QString::fromLatin1(directory));
    };
}

const FileCase kDelete[] = {
    {"two_sets", 1, Pick({"BRACKET", "COVER"}), {true}, {"Delete 2 Files ?", "2 Files Deleted !"}, "",
     {{kJobs, Jobs({"BRACKET.drw", "BRACKET.inf", "BRACKET.prg", "BRACKET.rpt", "BRACKET.seq", "BRACKET.stp",
                    "BRACKET.usr", "COVER.inf", "COVER.prg"})}}},
    {"programs_only", 1,
     [](FileForm& f) {
         QTest::mouseClick(f.FileCheck[1], Qt::LeftButton);  // Drawings off: PLATE goes from the list
         EXPECT_TRUE(f.FileList[2]->findItems("PLATE", Qt::MatchExactly).isEmpty());
         Select(f.FileList[2], {"BRACKET"});
     },
     {true}, {"Delete \"BRACKET\" ?", "1 File Deleted !"}, "",
     {{kJobs, Jobs({"BRACKET.inf", "BRACKET.prg", "BRACKET.rpt", "BRACKET.stp"})}}},
    {"nothing_selected", 1, {}, {}, {"No Files Selected !"}, "FileList2", kUnchanged},
    {"no_kind_ticked", 1,
     [](FileForm& f) {
         for (int i = 1; i <= 2; ++i) QTest::mouseClick(f.FileCheck[i], Qt::LeftButton);
         EXPECT_EQ(f.FileList[2]->count(), 0);
     },
     {}, {"No Files Selected !"}, "FileList2", kUnchanged},
    {"answered_no", 1, Pick({"PANEL"}), {false}, {"Delete \"PANEL\" ?"}, "", kUnchanged},
};

const FileCase kRename[] = {
    {"rename", 2,
     [](FileForm& f) {
         Select(f.FileList[1], {"COVER"});
         EXPECT_EQ(f.FileBox->text(), "COVER");  // the click copies the name
         f.FileBox->setText("LID");
     },
     {true}, {"Rename \"COVER\"\nAs \"LID\" ?", "1 File Renamed !"}, "",
     {{kJobs, Jobs({"COVER.inf", "COVER.prg"}, {"LID.inf", "LID.prg"})}}},
    {"letter_case_only", 2, Pick({"PLATE"}, "Plate"), {true}, {"Rename \"PLATE\"\nAs \"Plate\" ?", "1 File Renamed !"},
     "", {{kJobs, Jobs({"PLATE.drw", "PLATE.nst", "PLATE.usr"}, {"Plate.drw", "Plate.nst", "Plate.usr"})}}},
    {"onto_an_existing_name", 2, Pick({"PANEL"}, "COVER"), {true, false},
     {"Rename \"PANEL\"\nAs \"COVER\" ?", OverwriteQuestion("COVER"), "No Files Renamed !"}, "", kUnchanged},
    {"nothing_selected", 2, Pick({}, "LID"), {}, {"No File Selected !"}, "FileList1", kUnchanged},
    {"blank", 2, Pick({"PANEL"}, "   "), {}, {"Invalid File Name !"}, "FileBox", kUnchanged},
    {"33_characters", 2, Pick({"PANEL"}, "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456"), {}, {"Invalid File Name !"}, "FileBox",
     kUnchanged},
};

const FileCase kCopyAs[] = {
    {"copy", 3, Pick({"PANEL"}, "PANEL2"), {true}, {"Copy \"PANEL\"\nAs \"PANEL2\" ?", "1 File Copied !"}, "",
     {{kJobs, Jobs({}, {"PANEL2.prg"})}}},
    {"onto_itself", 3, Pick({"PANEL"}, "panel"), {true}, {"Copy \"PANEL\"\nAs \"panel\" ?", "No Files Copied !"}, "",
     kUnchanged},
};

const FileCase kMove[] = {
    {"refused_overwrite_counts_the_rest", 4, Pick({"COVER", "PANEL", "PLATE"}, nullptr, "PROTOTYPES"), {true, false},
     {"Move 3 Files\nTo \"PROTOTYPES\" ?", OverwriteQuestion("PANEL"), "2 Files Moved !"}, "",
     {{kJobs, Jobs({"COVER.inf", "COVER.prg", "PLATE.drw", "PLATE.nst", "PLATE.usr"})},
      {kPrototypes, {"BROKEN.prg", "COVER.inf", "COVER.prg", "PANEL.prg", "PLATE.drw", "PLATE.nst", "PLATE.usr",
                     "PROTO1.drw", "PROTO1.prg"}}},
     [](DemoInstallation& demo) { demo.write(std::string(kPrototypes) + "PANEL.prg", "theirs"); }},
    {"to_another_machine_leaves_its_companions", 4,
     [](FileForm& f) {
         Select(f.FileList[2], {"BRACKET"});
         f.MachineList->setCurrentIndex(1);  // Turret Punch 1500 Combi
         emit f.MachineList->activated(1);
         EXPECT_EQ(f.DirectoryList->currentText(), "JOBS");  // its directory named like the current one
     },
     {true}, {"Move \"BRACKET\"\nTo \"JOBS\" ?", "1 File Moved !"}, "",
     {{kJobs, Jobs({"BRACKET.drw", "BRACKET.inf", "BRACKET.nst", "BRACKET.prg", "BRACKET.rpt"})},
      {kFlange, {"BRACKET.drw", "BRACKET.inf", "BRACKET.nst", "BRACKET.prg", "BRACKET.rpt", "FLANGE.drw",
                 "FLANGE.prg"}}}},
    {"nothing_selected", 4, {}, {}, {"No Files Selected !"}, "FileList2", kUnchanged},
    {"no_directory", 4, [](FileForm& f) {
         Select(f.FileList[2], {"PANEL"});
         f.DirectoryList->setCurrentIndex(-1);
     },
     {}, {"No Directory Selected !"}, "DirectoryList", kUnchanged},
    {"no_machine", 4, [](FileForm& f) {
         Select(f.FileList[2], {"PANEL"});
         f.MachineList->setCurrentIndex(-1);
     }, {},
     {"No Machine Selected !"}, "MachineList", kUnchanged},
    {"card_without_disc", 4, Pick({"PANEL"}, nullptr, "E: [Removable Drive]"), {true},
     {"Move \"PANEL\"\nTo \"E: [Removable Drive]\" ?", "Disc Not Ready !"}, "DirectoryList", kUnchanged,
     [](DemoInstallation& demo) { std::filesystem::remove_all(demo.root() + "/E"); }},
};

const FileCase kCopyTo[] = {
    {"to_the_card", 5, Pick({"COVER", "PANEL"}, nullptr, "E: [Removable Drive]"), {true},
     {"Copy 2 Files\nTo \"E: [Removable Drive]\" ?", "2 Files Copied !"}, "",
     {{kJobs, kJobsBefore},
      {"E:\\", {"COVER.inf", "COVER.prg", "IMPORT", "OUTLINE.DXF", "PANEL.prg", "PART1.TAP", "PART90.prg",
                "PART91.inf", "PART91.prg"}}}},
    {"answered_no", 5, Pick({"PANEL"}, nullptr, "PROTOTYPES"), {false}, {"Copy \"PANEL\"\nTo \"PROTOTYPES\" ?"}, "",
     kUnchanged},
};

class FileWindow : public MainWindowTest, public ::testing::WithParamInterface<FileCase> {};

TEST_P(FileWindow, DoesWhatItSaysAndLeavesTheFolders) {
    const FileCase& c = GetParam();
    if (c.prepare) c.prepare(demo);
    start();
    for (bool yes : c.answers) messages.answer({yes});
    const WindowRun run = RunWindow<FileForm>("FileForm", form->FileItem[c.mode], c.act, &FileForm::FileOk);
    EXPECT_EQ(messages.shown, c.shown);
    int beeps = 0;  // each failed check beeps
    for (const std::string& text : c.shown) beeps += text.find("Select") != std::string::npos ||
                                                      text.find("Invalid") != std::string::npos ||
                                                      text.find("Ready") != std::string::npos;
    EXPECT_EQ(messages.beeps, beeps);
    EXPECT_EQ(run.open ? run.focus.toStdString() : "", c.focus);
    EXPECT_EQ(State().Modes.FileMode, 0);
    EXPECT_TRUE(menusEnabled());
    for (const auto& [folder, names] : c.after) EXPECT_EQ(Names(demo, folder), names) << folder;
}

INSTANTIATE_TEST_SUITE_P(Delete, FileWindow, ::testing::ValuesIn(kDelete), CaseName());
INSTANTIATE_TEST_SUITE_P(Rename, FileWindow, ::testing::ValuesIn(kRename), CaseName());
INSTANTIATE_TEST_SUITE_P(CopyAs, FileWindow, ::testing::ValuesIn(kCopyAs), CaseName());
INSTANTIATE_TEST_SUITE_P(Move, FileWindow, ::testing::ValuesIn(kMove), CaseName());
INSTANTIATE_TEST_SUITE_P(CopyTo, FileWindow, ::testing::ValuesIn(kCopyTo), CaseName());

}  // namespace
}  // namespace qv::test
