// The edit window on the demo installation: the program it hands to the
// editor (started for real: a script that records its arguments), the
// recent-program memory, the search, and an editor that cannot be started.
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest/QTest>
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

constexpr const char* kPrograms = "C:\\QUORVANE\\PROGRAMS\\PUNCH1\\";
constexpr const char* kBracket = "JOBS\r\nBRACKET\r\n******\r\n";

struct EditCase {
    const char* name;
    const char* recentBefore;                 // "Lastfile.lst" before
    const char* editorLine;                   // "Editor.cfg"; nullptr: the recorder
    std::function<void(ui::EditForm*)> act;  // before OK
    const char* edited;                       // under the machine folder; "" when no editor starts
    std::vector<std::string> shown;
    const char* recent;  // "Lastfile.lst" afterwards
};

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
         WhenModal("SearchForm", [](QWidget* modal) {
             auto* search = static_cast<ui::SearchForm*>(modal);
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
    EditorRecorder editor(demo);
    editor.configure();
    if (c.editorLine) demo.write("C:\\QUORVANE\\Editor.cfg", c.editorLine);
    demo.write("C:\\QUORVANE\\Lastfile.lst", c.recentBefore);
    start();
    bool open = false;
    WhenModal("EditForm", [&](QWidget* modal) {
        auto* w = static_cast<ui::EditForm*>(modal);
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
    EXPECT_EQ(editor.arguments(*c.edited), *c.edited ? demo.host(kPrograms + std::string(c.edited)) + "\n" : "");
    EXPECT_EQ(demo.read("C:\\QUORVANE\\Lastfile.lst"), c.recent);
    EXPECT_EQ(form->statusBar()->directoryText().toStdString(), State().Config.CurrentDirectory);
}

INSTANTIATE_TEST_SUITE_P(Cases, Edit, ::testing::ValuesIn(kCases), CaseName());

}  // namespace
}  // namespace qv::test
