// The directory window in its four modes on the demo installation.
#include <filesystem>

#include "FolderWindowTest.h"
#include "support/TableTest.h"
#include "ui/folders/DirectoryForm.h"

namespace qv::test {
namespace {

using ui::DirectoryForm;

const Folders kUnchanged = {{kPunch1, {"EXSUBS", "JOBS", "PROTOTYPES"}}, {kPrototypes, kProto}};
const std::string kNotEmpty = "Directory \"PROTOTYPES\" Is Not Empty !\n\nDelete it Anyway ?";

// Selects an entry and types a name.
std::function<void(QWidget&)> Pick(const char* entry, const char* typed = nullptr) {
    return [=](QWidget& w) {
        auto& f = static_cast<DirectoryForm&>(w);
        if (entry) Select(f.DirectoryList, {entry});
        // A click on the list copies the name into the box.
        const bool boxShown = entry && !f.BoxFrame->isHidden();
        EXPECT_TRUE(!boxShown || f.DirectoryBox->text() == entry) << f.DirectoryBox->text().toStdString();
        if (typed) f.DirectoryBox->setText(QString::fromLatin1(typed));
    };
}

Folders Renamed(const char* name) {
    return {{kPunch1, {"EXSUBS", "JOBS", name}}, {kPunch1 + std::string(name), kProto}};
}

const WindowCase kChangeRows[] = {
    {"offers_the_others_and_drives", 1,
     [](QWidget& w) {
         auto& f = static_cast<DirectoryForm&>(w);
         EXPECT_EQ(f.windowTitle() + f.ListLabel->text(), "Change DirectorySelect Directory");
         EXPECT_EQ(Texts(f.DirectoryList), (QStringList{"PROTOTYPES", kCard}));  // neither JOBS nor EXSUBS
         EXPECT_TRUE(f.DirectoryList->item(0) && f.DirectoryList->item(0)->isSelected() && f.BoxFrame->isHidden());
     },
     {}, {}, "", kUnchanged, {}, {0}, "PROTOTYPES"},
    {"card_without_disc", 1, Pick(kCard), {}, {"Disc Not Ready !"}, "DirectoryList", kUnchanged, NoDisc},
    {"disc_put_in_during_the_notice", 1, Pick(kCard), {}, {"Disc Not Ready !"}, "", kUnchanged,
     [](DemoInstallation& demo, MessageRecorder& sink) {
         NoDisc(demo, sink);
         sink.onNotify = [&demo] { std::filesystem::create_directory(demo.root() + "/E"); };
     },
     {0}, kCard},
};

const WindowCase kCreateRows[] = {
    {"create_32_characters_between_blanks", 2, Pick(nullptr, " NEW JOBS ABCDEFGHIJKLMNOPQRSTUVW "), {}, {}, "",
     {{kPunch1, {"EXSUBS", "JOBS", "NEW JOBS ABCDEFGHIJKLMNOPQRSTUVW", "PROTOTYPES"}}}},
    {"never_listed", 2, Pick(nullptr, "exsubs"), {}, {"Invalid Directory Name !"}, "DirectoryBox", kUnchanged},
    {"named_like_a_file", 2, Pick(nullptr, "NOTES"), {}, {"Directory \"NOTES\" Already Exists !"}, "DirectoryBox",
     {{kPunch1, {"EXSUBS", "JOBS", "NOTES", "PROTOTYPES"}}},
     [](DemoInstallation& demo, MessageRecorder&) { demo.write(std::string(kPunch1) + "NOTES", "n"); }},
    {"33_characters", 2, Pick(nullptr, "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456"), {}, {"Invalid Directory Name !"},
     "DirectoryBox", kUnchanged},
    {"refused_by_the_file_system", 2, Pick(nullptr, "NEW"), {},
     {"Directory \"NEW\" Could Not Be Created !\nAccess denied"}, "", kUnchanged, {},
     {kMakeFolder, 1, true, "access denied", ErrorKind::Denied}},
};

const WindowCase kRenameRows[] = {
    {"rename", 3,
     [](QWidget& w) {
         EXPECT_EQ(static_cast<DirectoryForm&>(w).DirectoryList->count(), 1);  // neither JOBS, EXSUBS nor drives
         Pick("PROTOTYPES", "PROTOS")(w);
     },
     {true}, {"Rename \"PROTOTYPES\"\nAs \"PROTOS\" ?"}, "", Renamed("PROTOS")},
    {"onto_an_existing_name", 3, Pick("PROTOTYPES", "Jobs"), {}, {"Directory \"Jobs\" Already Exists !"},
     "DirectoryBox", kUnchanged},
    {"letter_case_only", 3, Pick("PROTOTYPES", "Prototypes"), {true}, {"Rename \"PROTOTYPES\"\nAs \"Prototypes\" ?"},
     "", Renamed("Prototypes")},
    {"refused_by_the_file_system", 3, Pick("PROTOTYPES", "PROTOS"), {true},
     {"Rename \"PROTOTYPES\"\nAs \"PROTOS\" ?", "Directory \"PROTOTYPES\" Could Not Be Renamed !\nIn use"}, "",
     kUnchanged, {}, {kRenameFolder, 1, true, "in use", ErrorKind::Denied}},
};

const std::string kGone = "Directory \"PROTOTYPES\" Could Not Be Deleted !\n";

const WindowCase kDeleteRows[] = {
    {"empty_asks_once", 4, Pick("EMPTY"), {true}, {"Delete \"EMPTY\" !"}, "", kUnchanged,
     [](DemoInstallation& demo, MessageRecorder&) { demo.makeFolder(std::string(kPunch1) + "EMPTY"); }},
    {"many_stopped_name_the_first_and_last", 4, Pick("PROTOTYPES"), {true, true},
     {"Delete \"PROTOTYPES\" !", kNotEmpty,
      kGone + "\"PROTO1.drw\": Input/output error\n\n11 Files Deleted !\nFrom \"BROKEN.prg\" To \"F9.prg\""},
     "", {{kPrototypes, {"PROTO1.drw", "PROTO1.prg"}}},
     [](DemoInstallation& demo, MessageRecorder&) {
         for (char c = '0'; c <= '9'; ++c) demo.write(std::string(kPrototypes) + "F" + c + ".prg", "f");
     },
     {kDelete, 12}},
    {"held_open_by_another_program", 4, Pick("PROTOTYPES"), {true, true},
     {"Delete \"PROTOTYPES\" !", kNotEmpty, kGone + "In use\n\n3 Files Deleted !\nBROKEN.prg, PROTO1.drw, PROTO1.prg"},
     "", {{kPrototypes, {}}}, {}, {kRemoveFolder, 1, true, "in use", ErrorKind::Denied}},
    {"with_files_forgets_its_program", 4, Pick("PROTOTYPES"), {true, true}, {"Delete \"PROTOTYPES\" !", kNotEmpty},
     "", {{kPunch1, {"EXSUBS", "JOBS"}}},
     [](DemoInstallation& demo, MessageRecorder&) {
         demo.write("C:\\QUORVANE\\Lastfile.lst", "PROTOTYPES\r\nPROTO1\r\n******\r\n");
     },
     {0}, "JOBS", "******\r\n"},
    {"answered_no", 4, Pick("PROTOTYPES"), {true, false}, {"Delete \"PROTOTYPES\" !", kNotEmpty}, "", kUnchanged},
    {"nothing_selected", 4, {}, {}, {"No Directory Selected !"}, "DirectoryList", kUnchanged},
    {"holding_a_folder", 4, Pick("PROTOTYPES"), {true, true},
     {"Delete \"PROTOTYPES\" !", kNotEmpty, kGone + "It holds the folder \"OLD\""},
     "", {{kPrototypes, {"BROKEN.prg", "OLD", "PROTO1.drw", "PROTO1.prg"}}},
     [](DemoInstallation& demo, MessageRecorder&) { demo.makeFolder(std::string(kPrototypes) + "OLD"); }},
};

class DirectoryWindow : public FolderWindow {};

TEST_P(DirectoryWindow, DoesWhatItSaysAndLeavesTheFolders) { run(false); }

INSTANTIATE_TEST_SUITE_P(Change, DirectoryWindow, ::testing::ValuesIn(kChangeRows), CaseName());
INSTANTIATE_TEST_SUITE_P(Create, DirectoryWindow, ::testing::ValuesIn(kCreateRows), CaseName());
INSTANTIATE_TEST_SUITE_P(Rename, DirectoryWindow, ::testing::ValuesIn(kRenameRows), CaseName());
INSTANTIATE_TEST_SUITE_P(Delete, DirectoryWindow, ::testing::ValuesIn(kDeleteRows), CaseName());

}  // namespace
}  // namespace qv::test
