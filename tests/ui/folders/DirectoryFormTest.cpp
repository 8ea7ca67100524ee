// The directory window in its four modes on the demo installation.
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <filesystem>

#include "FolderWindowTest.h"
#include "support/FaultyPlatform.h"
#include "support/TableTest.h"
#include "ui/folders/DirectoryForm.h"
#include "ui/workstation/StatusBar.h"

namespace qv::test {
namespace {

using ui::DirectoryForm;

struct DirectoryCase {
    const char* name;
    int mode;
    std::function<void(DirectoryForm&)> act;
    std::vector<bool> answers;
    std::vector<std::string> shown;
    const char* focus;                     // "" when the window closed
    std::vector<std::string> after;        // PUNCH1 after, as Tree gives it; empty: as before
    std::string current = "JOBS";
    std::function<void(DemoInstallation&, HookedSink&)> prepare = {};
    Fault fault = {0};
    std::string lastFile = {};  // "Lastfile.lst" after; "" for unchecked
};

// PUNCH1's folders and the files of all but JOBS and EXSUBS.
std::vector<std::string> Tree(const DemoInstallation& demo) {
    std::vector<std::string> tree;
    for (const std::string& name : Names(demo, kPunch1)) {
        tree.push_back(name + "/");
        if (name == "JOBS" || name == "EXSUBS") continue;
        for (const std::string& file : Names(demo, kPunch1 + name)) tree.push_back(name + "/" + file);
    }
    return tree;
}

const std::vector<std::string> kBefore = {"EXSUBS/", "JOBS/", "PROTOTYPES/", "PROTOTYPES/BROKEN.prg",
                                          "PROTOTYPES/PROTO1.drw", "PROTOTYPES/PROTO1.prg"};
const std::vector<std::string> kRenamed = {"EXSUBS/", "JOBS/", "PROTOS/", "PROTOS/BROKEN.prg", "PROTOS/PROTO1.drw",
                                           "PROTOS/PROTO1.prg"};
const char* const kCard = "E: [Removable Drive]";

std::function<void(DirectoryForm&)> Pick(const char* entry, const char* typed = nullptr) {
    return [=](DirectoryForm& f) {
        if (entry) Select(f.DirectoryList, {entry});
        if (typed) f.DirectoryBox->setText(QString::fromLatin1(typed));
    };
}
void NoDisc(DemoInstallation& demo, HookedSink&) { std::filesystem::remove_all(demo.root() + "/E"); }

const DirectoryCase kChange[] = {
    {"offers_the_others_and_drives", 1,
     [](DirectoryForm& f) {
         EXPECT_EQ(f.windowTitle(), "Change Directory");
         EXPECT_EQ(f.ListLabel->text(), "Select Directory");
         EXPECT_TRUE(f.BoxFrame->isHidden());
         ASSERT_EQ(f.DirectoryList->count(), 2);
         EXPECT_EQ(f.DirectoryList->item(1)->text(), kCard);
         EXPECT_TRUE(f.DirectoryList->item(0)->isSelected());  // PROTOTYPES
     },
     {}, {}, "", kBefore, "PROTOTYPES"},
    {"nothing_selected", 1, [](DirectoryForm& f) { f.DirectoryList->clearSelection(); }, {},
     {"No Directory Selected !"}, "DirectoryList", kBefore},
    {"card", 1, Pick(kCard), {}, {}, "", kBefore, kCard},
    {"card_without_disc", 1, Pick(kCard), {}, {"Disc Not Ready !"}, "DirectoryList", kBefore, "JOBS", NoDisc},
    {"disc_put_in_during_the_notice", 1, Pick(kCard), {}, {"Disc Not Ready !"}, "", kBefore, kCard,
     [](DemoInstallation& demo, HookedSink& sink) {
         NoDisc(demo, sink);
         sink.onNotify = [&demo] { std::filesystem::create_directory(demo.root() + "/E"); };
     }},
};

const DirectoryCase kCreate[] = {
    {"create", 2, Pick(nullptr, " NEW JOBS "), {}, {}, "",
     {"EXSUBS/", "JOBS/", "NEW JOBS/", "PROTOTYPES/", "PROTOTYPES/BROKEN.prg", "PROTOTYPES/PROTO1.drw",
      "PROTOTYPES/PROTO1.prg"}},
    {"blank", 2, Pick(nullptr, "  "), {}, {"Invalid Directory Name !"}, "DirectoryBox", kBefore},
    {"33_characters", 2, Pick(nullptr, "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456"), {}, {"Invalid Directory Name !"},
     "DirectoryBox", kBefore},
    {"existing_in_other_case", 2, Pick(nullptr, "jobs"), {}, {"Directory \"jobs\" Already Exists !"},
     "DirectoryBox", kBefore},
    {"refused_by_the_file_system", 2, Pick(nullptr, "NEW"), {},
     {"Directory \"NEW\" Could Not Be Created !\nAccess denied"}, "", kBefore, "JOBS", {},
     {kMakeFolder, 1, true, "access denied", false, ErrorKind::Denied}},
};

const DirectoryCase kRename[] = {
    {"rename", 3,
     [](DirectoryForm& f) {
         ASSERT_EQ(f.DirectoryList->count(), 1);  // neither JOBS nor EXSUBS nor drives
         Select(f.DirectoryList, {"PROTOTYPES"});
         EXPECT_EQ(f.DirectoryBox->text(), "PROTOTYPES");  // the click copies the name
         f.DirectoryBox->setText("PROTOS");
     },
     {true}, {"Rename \"PROTOTYPES\"\nAs \"PROTOS\" ?"}, "", kRenamed},
    {"answered_no", 3, Pick("PROTOTYPES", "PROTOS"), {false}, {"Rename \"PROTOTYPES\"\nAs \"PROTOS\" ?"}, "",
     kBefore},
    {"nothing_selected", 3, Pick(nullptr, "PROTOS"), {}, {"No Directory Selected !"}, "DirectoryList", kBefore},
    {"onto_an_existing_name", 3, Pick("PROTOTYPES", "Jobs"), {}, {"Directory \"Jobs\" Already Exists !"},
     "DirectoryBox", kBefore},
    {"letter_case_only", 3, Pick("PROTOTYPES", "Prototypes"), {true}, {"Rename \"PROTOTYPES\"\nAs \"Prototypes\" ?"},
     "", {"EXSUBS/", "JOBS/", "Prototypes/", "Prototypes/BROKEN.prg", "Prototypes/PROTO1.drw", "Prototypes/PROTO1.prg"}},
};

const std::string kNotEmpty = "Directory \"PROTOTYPES\" Is Not Empty !\n\nDelete it Anyway ?";

const DirectoryCase kDelete[] = {
    {"delete_with_files_forgets_its_program", 4, Pick("PROTOTYPES"), {true, true},
     {"Delete \"PROTOTYPES\" !", kNotEmpty}, "", {"EXSUBS/", "JOBS/"}, "JOBS",
     [](DemoInstallation& demo, HookedSink&) {
         demo.write("C:\\QUORVANE\\Lastfile.lst", "PROTOTYPES\r\nPROTO1\r\n******\r\n");
     },
     {0}, "******\r\n"},
    {"answered_no", 4, Pick("PROTOTYPES"), {true, false}, {"Delete \"PROTOTYPES\" !", kNotEmpty}, "", kBefore},
    {"nothing_selected", 4, {}, {}, {"No Directory Selected !"}, "DirectoryList", kBefore},
    {"holding_a_folder", 4, Pick("PROTOTYPES"), {true, true},
     {"Delete \"PROTOTYPES\" !", kNotEmpty, "Directory \"PROTOTYPES\" Could Not Be Deleted !\nIt holds the folder \"OLD\""},
     "", {"EXSUBS/", "JOBS/", "PROTOTYPES/", "PROTOTYPES/BROKEN.prg", "PROTOTYPES/OLD", "PROTOTYPES/PROTO1.drw",
          "PROTOTYPES/PROTO1.prg"},
     "JOBS", [](DemoInstallation& demo, HookedSink&) { demo.makeFolder(std::string(kPrototypes) + "OLD"); }},
    {"held_open_by_another_program", 4, Pick("PROTOTYPES"), {true, true},
     {"Delete \"PROTOTYPES\" !", kNotEmpty,
      "Directory \"PROTOTYPES\" Could Not Be Deleted !\nIn use\n\n3 Files Deleted !\nBROKEN.prg, PROTO1.drw, PROTO1.prg"},
     "", {"EXSUBS/", "JOBS/", "PROTOTYPES/"}, "JOBS", {}, {kRemoveFolder, 1, true, "in use", false, ErrorKind::Denied}},
};

class DirectoryWindow : public MainWindowTest, public ::testing::WithParamInterface<DirectoryCase> {};

TEST_P(DirectoryWindow, DoesWhatItSaysAndLeavesTheFolders) {
    const DirectoryCase& c = GetParam();
    HookedSink sink(messages);
    if (c.prepare) c.prepare(demo, sink);
    start();
    FaultyPlatform faulty(demo.platform());
    platform::ScopedPlatform use(faulty);
    if (c.fault.kinds) faulty.arm(c.fault);
    for (bool yes : c.answers) messages.answer({yes});
    const WindowRun run = RunWindow<DirectoryForm>("DirectoryForm", form->DirectoryItem[c.mode], c.act,
                                                   &DirectoryForm::DirectoryOk);
    faulty.disarm();
    EXPECT_EQ(messages.shown, c.shown);
    // Each failed check beeps, and so does the warning before the second delete question.
    int beeps = 0;
    for (const std::string& text : c.shown)
        beeps += text.find("Selected") != std::string::npos || text.find("Invalid") != std::string::npos ||
                 text.find("Exists") != std::string::npos || text.find("Ready") != std::string::npos ||
                 text.find("Anyway") != std::string::npos;
    EXPECT_EQ(messages.beeps, beeps);
    EXPECT_EQ(run.open ? run.focus.toStdString() : "", c.focus);
    EXPECT_EQ(State().Modes.DirectoryMode, 0);
    EXPECT_TRUE(menusEnabled());
    EXPECT_EQ(Tree(demo), c.after);
    EXPECT_EQ(State().Config.CurrentDirectory, c.current);
    EXPECT_EQ(form->statusBar()->directoryText().toStdString(), c.current);
    if (!c.lastFile.empty()) {
        EXPECT_EQ(demo.read("C:\\QUORVANE\\Lastfile.lst"), c.lastFile);
    }
}

INSTANTIATE_TEST_SUITE_P(Change, DirectoryWindow, ::testing::ValuesIn(kChange), CaseName());
INSTANTIATE_TEST_SUITE_P(Create, DirectoryWindow, ::testing::ValuesIn(kCreate), CaseName());
INSTANTIATE_TEST_SUITE_P(Rename, DirectoryWindow, ::testing::ValuesIn(kRename), CaseName());
INSTANTIATE_TEST_SUITE_P(Delete, DirectoryWindow, ::testing::ValuesIn(kDelete), CaseName());

}  // namespace
}  // namespace qv::test
