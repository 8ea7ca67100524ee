// The import window on the demo installation with its removable drive E:,
// driven as a user drives it, the folders read back after each import; and
// the edit window: the program it hands to the editor (started for real: a
// script that records its arguments), the recent-program memory, the search,
// and an editor that cannot be started.
#include "core/common/State.h"
#include "support/TableTest.h"
#include "ui/exchange/EditForm.h"
#include "ui/exchange/ExternalForm.h"
#include "ui/folders/SearchForm.h"
#include "ui/workstation/StatusBar.h"
#include "uisupport/EditorRecorder.h"
#include "uisupport/MainWindowTest.h"

namespace qv::test {
namespace {

const char* const Jobs = "C:\\QUORVANE\\PROGRAMS\\PUNCH1\\JOBS\\";
const char* const Subs = "C:\\QUORVANE\\DATA\\RevSubs\\";

// item: ImportItem 1 (files) or 2 (sub-routines); exchangeFolder: remembered outside folder; pattern: typed into the
// pattern box; nullptr: the first entry; select: files to select; answers: to the questions, in order; driveGone: E:
// taken out before OK; listed: the file list before selecting; shown: questions and notices, in order; arrived: files
// that must now exist; absent: files that must not; remembered: ExchangeFolder afterwards.
struct ImportCase { const char* name; int item; const char* exchangeFolder; const char* pattern;
    QStringList select; std::vector<bool> answers; bool driveGone; QStringList listed;
    std::vector<std::string> shown; std::vector<std::string> arrived; std::vector<std::string> absent; bool staysOpen;
    const char* remembered; };

void PrintTo(const ImportCase& c, std::ostream* os) { *os << c.name; }

class ImportWindow : public MainWindowTest, public ::testing::WithParamInterface<ImportCase> {};

TEST_P(ImportWindow, ImportsWhatWasChosenAndCountsWhatArrived) {
    const ImportCase& c = GetParam();
    demo.write(std::string(Jobs) + "PART91.prg", "kept");
    demo.write(std::string(Subs) + "OUTLINE.DXF", "kept");
    start();
    State().Config.ExchangeFolder = c.exchangeFolder;
    for (bool yes : c.answers) messages.answer({yes});
    QStringList listed;
    bool open = false;
    WhenShown<ui::ExternalForm>("ExternalForm", [&](ui::ExternalForm* form) {
        if (c.pattern) form->ExPatternCombo->lineEdit()->setText(QString::fromLatin1(c.pattern));
        listed = Texts(form->ExFileList);
        for (int i = 0; i < listed.size(); ++i)
            if (c.select.contains(listed[i])) form->ExFileList->item(i)->setSelected(true);
        if (c.driveGone) demo.remove("E:\\");
        QTest::mouseClick(form->ExternalOk, Qt::LeftButton);
        open = form->isVisible();  // closed after, as Cancel does
    });
    form->ImportItem[c.item]->trigger();

    EXPECT_EQ(listed, c.listed);
    EXPECT_EQ(messages.shown, c.shown);
    EXPECT_EQ(open, c.staysOpen);
    for (const std::string& file : c.arrived) EXPECT_TRUE(demo.exists(file)) << file;
    for (const std::string& file : c.absent) EXPECT_FALSE(demo.exists(file)) << file;
    EXPECT_EQ(demo.read(std::string(Jobs) + "PART91.prg"), "kept");  // every refused overwrite kept it
    EXPECT_EQ(State().Config.ExchangeFolder, c.remembered);
    EXPECT_EQ(State().Modes.ExchangeMode, 0);
    EXPECT_TRUE(menusEnabled());
}

const QStringList kPrograms = {"PART90.prg", "PART91.prg"};
const QStringList kAll = {"OUTLINE.DXF", "PART1.TAP", "PART90.prg", "PART91.inf", "PART91.prg"};
const std::string kJ = Jobs;

const ImportCase kImportWindowCases[] = {
    {"OneRefusedOverwriteAmongThree", 1, "E:\\", "*.*", {"PART1.TAP", "PART90.prg", "PART91.prg"}, {true, false}, false,
     kAll, {"Import 3 Files\nTo \"JOBS\" ?", "\"PART91\" Already Exists !\n\nOverwrite It ?", "2 Files Imported !"},
     {kJ + "PART1.TAP.prg", kJ + "PART90.prg"}, {kJ + "PART91.inf"}, false, "E:\\"},
    {"AnsweredNoStillRemembersTheFolder", 1, "E:\\IMPORT", nullptr, {"PANEL2.prg"}, {false}, false, {"PANEL2.prg"},
     {"Import \"PANEL2.prg\"\nTo \"JOBS\" ?"}, {}, {kJ + "PANEL2.prg"}, false, "E:\\IMPORT\\"},
    {"DiscTakenOut", 1, "E:\\", nullptr, {"PART90.prg"}, {true}, true, kPrograms,
     {"Import \"PART90.prg\"\nTo \"JOBS\" ?", "Disc Not Ready !"}, {}, {kJ + "PART90.prg"}, true, "E:\\"},
    {"PatternCountsTwelveCharacters", 1, "E:\\", "*.TAP       xyz.prg", {}, {}, false, {"PART1.TAP"},
     {"No Files Selected !"}, {}, {}, true, "E:\\"},
    {"VanishedFolderOpensItsDriveRoot", 1, "E:\\GONE\\", nullptr, {"PART90.prg"}, {true}, false, kPrograms,
     {"Import \"PART90.prg\"\nTo \"JOBS\" ?", "1 File Imported !"}, {kJ + "PART90.prg"}, {}, false, "E:\\"},
    {"SubRoutinesGoToRevSubs", 2, "E:\\", nullptr, {"OUTLINE.DXF", "PART1.TAP"}, {true, false}, false, kAll,
     {"Import 2 Sub-Routines ?", "\"OUTLINE.DXF\" Already Exists !\n\nOverwrite It ?", "1 Sub-Routine Imported !"},
     {std::string(Subs) + "PART1.TAP"}, {kJ + "PART1.TAP.prg"}, false, "E:\\"},
};

INSTANTIATE_TEST_SUITE_P(Cases, ImportWindow, ::testing::ValuesIn(kImportWindowCases), test::CaseName());

constexpr const char* kMachine = "C:\\QUORVANE\\PROGRAMS\\PUNCH1\\";
constexpr const char* kBracket = "JOBS\r\nBRACKET\r\n******\r\n";

// recentBefore: "Lastfile.lst" before; editorLine: "Editor.cfg"; nullptr: the recorder; act: before OK; edited: under
// the machine folder; "" when no editor starts; recent: "Lastfile.lst" afterwards.
struct EditCase { const char* name; const char* recentBefore; const char* editorLine;
    std::function<void(ui::EditForm*)> act; const char* edited; std::vector<std::string> shown; const char* recent; };

const EditCase kCases[] = {
    {"the recent program at once", kBracket, nullptr, {}, "JOBS\\BRACKET.prg", {}, kBracket},
    {"another directory and program", kBracket, nullptr,
     [](ui::EditForm* w) {
         w->DirectoryList->setCurrentIndex(w->DirectoryList->findText("PROTOTYPES"));
         emit w->DirectoryList->activated(w->DirectoryList->currentIndex());
         w->EditList[1]->setCurrentRow(1);
     },
     "PROTOTYPES\\PROTO1.prg", {}, "PROTOTYPES\r\nPROTO1\r\n******\r\n"},
    {"a program found by the search", kBracket, nullptr,
     [](ui::EditForm* w) {
         WhenShown<ui::SearchForm>("SearchForm", [](ui::SearchForm* search) {
             search->CriteriaBox->setText("anel");
             QTest::mouseClick(search->CriteriaOk, Qt::LeftButton);
             QTest::mouseClick(search->SearchOk, Qt::LeftButton);
         });
         QTest::mouseClick(w->Search, Qt::LeftButton);
     },
     "JOBS\\PANEL.prg", {}, "JOBS\r\nPANEL\r\n******\r\n"},
    {"nothing selected and no recent program", "******\r\n", nullptr, {}, "", {"No Program Selected !"},
     "******\r\n"},
    {"an editor that cannot be started", kBracket, "C:\\QUORVANE\\NOEDIT.EXE /X\r\n", {}, "",
     {"The Editor Could Not Be Started\n\n\"C:\\QUORVANE\\NOEDIT.EXE\"\n\nC:\\QUORVANE\\NOEDIT.EXE: no such program"},
     kBracket},
};

class Edit : public MainWindowTest, public ::testing::WithParamInterface<EditCase> {};

TEST_P(Edit, StartsTheEditor) {
    const EditCase& c = GetParam();
    const EditorRecorder editor(demo);
    if (c.editorLine) demo.write("C:\\QUORVANE\\Editor.cfg", c.editorLine);
    demo.write("C:\\QUORVANE\\Lastfile.lst", c.recentBefore);
    start();
    bool open = false;
    WhenShown<ui::EditForm>("EditForm", [&](ui::EditForm* w) {
        if (c.act) c.act(w);
        if (w->isVisible()) QTest::mouseClick(w->EditOk, Qt::LeftButton);
        if ((open = w->isVisible())) QTest::mouseClick(w->EditCncl, Qt::LeftButton);
    });
    form->EditItem[1]->trigger();
    EXPECT_EQ(open, !*c.edited);  // it stays after a notice
    EXPECT_EQ(messages.shown, c.shown);
    EXPECT_EQ(messages.beeps, c.shown == std::vector<std::string>{"No Program Selected !"} ? 1 : 0);
    EXPECT_EQ(State().Modes.EditMode, 0);
    // The option after the editor's first blank is dropped: the path is its only argument.
    EXPECT_EQ(editor.arguments(*c.edited), *c.edited ? demo.host(kMachine + std::string(c.edited)) + "\n" : "");
    EXPECT_EQ(demo.read("C:\\QUORVANE\\Lastfile.lst"), c.recent);
    EXPECT_EQ(form->statusBar()->directoryText().toStdString(), State().Config.CurrentDirectory);
}

INSTANTIATE_TEST_SUITE_P(Cases, Edit, ::testing::ValuesIn(kCases), CaseName());

}  // namespace
}  // namespace qv::test
