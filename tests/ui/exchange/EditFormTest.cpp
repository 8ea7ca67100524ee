// The edit window on the demo installation: the program it hands to the
// editor (started for real: a script that records its arguments), the
// recent-program memory, the search, and an editor that cannot be started.
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest/QTest>
#include <cstdlib>
#include <functional>

#include "core/common/State.h"
#include "support/TableTest.h"
#include "ui/exchange/EditForm.h"
#include "ui/folders/SearchForm.h"
#include "ui/workstation/StatusBar.h"
#include "uisupport/EditorRecorder.h"
#include "uisupport/MainWindowTest.h"

namespace qv::test {
namespace {

constexpr const char* kJobs = "C:\\QUORVANE\\PROGRAMS\\PUNCH1\\JOBS\\";
const std::string kBracket = std::string(kJobs) + "BRACKET.prg";
const std::string kBlanks = "C:\\QUORVANE\\PROGRAMS\\PUNCH1\\MY JOBS\\A B.prg";

struct EditCase {
    const char* name;
    std::function<void(DemoInstallation&)> setUp;
    std::function<void(ui::EditForm*, DemoInstallation&)> act;  // before OK
    std::string edited;                                          // "" when no editor starts
    std::vector<std::string> shown;
    const char* recent;  // "Lastfile.lst" afterwards
    bool staysOpen = false;
    bool emptied = false;  // the file was made, empty, for the editor
};

void Choose(ui::EditForm* w, const QString& directory, const QString& program) {
    const int index = w->DirectoryList->findText(directory);
    w->DirectoryList->setCurrentIndex(index);
    emit w->DirectoryList->activated(index);
    QListWidget* list = w->EditList[1];
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->findItems(program, Qt::MatchExactly).value(0)).center());
}

const EditCase kCases[] = {
    {"the recent program at once", {}, {}, kBracket, {}, "JOBS\r\nBRACKET\r\n******\r\n"},
    {"another directory and program", {}, [](ui::EditForm* w, DemoInstallation&) { Choose(w, "PROTOTYPES", "PROTO1"); },
     "C:\\QUORVANE\\PROGRAMS\\PUNCH1\\PROTOTYPES\\PROTO1.prg", {}, "PROTOTYPES\r\nPROTO1\r\n******\r\n"},
    {"a program found by the search", {},
     [](ui::EditForm* w, DemoInstallation&) {
         WhenModal("SearchForm", [](QWidget* modal) {
             auto* search = static_cast<ui::SearchForm*>(modal);
             search->CriteriaBox->setText("anel");
             QTest::mouseClick(search->CriteriaOk, Qt::LeftButton);
             QTest::mouseClick(search->SearchOk, Qt::LeftButton);
         });
         QTest::mouseClick(w->Search, Qt::LeftButton);
     },
     std::string(kJobs) + "PANEL.prg", {}, "JOBS\r\nPANEL\r\n******\r\n"},
    {"a program gone meanwhile is made empty", {},
     [](ui::EditForm*, DemoInstallation& demo) { demo.remove(kBracket); }, kBracket, {},
     "JOBS\r\nBRACKET\r\n******\r\n", false, true},
    {"a path holding blanks",
     [](DemoInstallation& demo) {
         demo.write(kBlanks, "x");
         demo.write("C:\\QUORVANE\\Lastfile.lst", "MY JOBS\r\nA B\r\n******\r\n");
     },
     {}, kBlanks, {}, "MY JOBS\r\nA B\r\n******\r\n"},
    {"no Editor.cfg: the editor VISUAL names",
     [](DemoInstallation& demo) {
         demo.remove("C:\\QUORVANE\\Editor.cfg");
         setenv("VISUAL", demo.host(EditorRecorder::Program).c_str(), 1);
     },
     {}, kBracket, {}, "JOBS\r\nBRACKET\r\n******\r\n"},
    {"nothing selected and no recent program",
     [](DemoInstallation& demo) { demo.write("C:\\QUORVANE\\Lastfile.lst", "******\r\n"); }, {}, "",
     {"No Program Selected !"}, "******\r\n", true},
    {"an editor that cannot be started",
     [](DemoInstallation& demo) { demo.write("C:\\QUORVANE\\Editor.cfg", "C:\\QUORVANE\\NOEDIT.EXE\r\n"); }, {}, "",
     {"The Editor Could Not Be Started\n\n\"C:\\QUORVANE\\NOEDIT.EXE\"\n\nC:\\QUORVANE\\NOEDIT.EXE: no such program"},
     "JOBS\r\nBRACKET\r\n******\r\n", true},
};

class Edit : public MainWindowTest, public ::testing::WithParamInterface<EditCase> {
protected:
    void TearDown() override { unsetenv("VISUAL"); }
};

TEST_P(Edit, StartsTheEditor) {
    const EditCase& c = GetParam();
    EditorRecorder editor(demo);
    editor.configure();
    if (c.setUp) c.setUp(demo);
    start();
    bool open = false;
    WhenModal("EditForm", [&](QWidget* modal) {
        auto* w = static_cast<ui::EditForm*>(modal);
        if (c.act) c.act(w, demo);
        if (w->isVisible()) QTest::mouseClick(w->EditOk, Qt::LeftButton);
        open = w->isVisible();
        if (open) QTest::mouseClick(w->EditCncl, Qt::LeftButton);
    });
    form->EditItem[1]->trigger();
    EXPECT_EQ(open, c.staysOpen);
    EXPECT_EQ(messages.shown, c.shown);
    EXPECT_EQ(State().Modes.EditMode, 0);
    EXPECT_EQ(editor.arguments(!c.edited.empty()), c.edited.empty() ? "" : demo.host(c.edited) + "\n");
    if (c.emptied) {
        EXPECT_EQ(demo.read(c.edited), "");
    }
    EXPECT_EQ(demo.read("C:\\QUORVANE\\Lastfile.lst"), c.recent);
    EXPECT_EQ(form->statusBar()->directoryText().toStdString(), State().Config.CurrentDirectory);
}

INSTANTIATE_TEST_SUITE_P(Cases, Edit, ::testing::ValuesIn(kCases), CaseName());

}  // namespace
}  // namespace qv::test
