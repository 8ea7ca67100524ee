// The file search window on the demo installation, from the File menu and
// from the program frame: hits, the two columns in step, what is made
// current; and the sub-routine window in its four modes: the selection, the
// name box, refusals that keep it open, the files afterwards.
#include "core/common/State.h"
#include "support/TableTest.h"
#include "ui/folders/SearchForm.h"
#include "ui/folders/SubForm.h"
#include "ui/workstation/StatusBar.h"
#include "uisupport/EditorRecorder.h"
#include "uisupport/MainWindowTest.h"

namespace qv::test {
namespace {

// fromFrame: the program frame's Search, else "File Search"; extra: programs QA1.. added to JOBS; pick: the row clicked
// in the directory column and accepted; -1 cancels; rows: "name directory", the first ones; directory: current
// afterwards; recent: "Lastfile.lst" afterwards.
struct SearchCase { const char* name; bool fromFrame; int extra; const char* text; int pick; QStringList rows;
    int count; std::vector<std::string> shown; const char* directory; const char* recent; };

const char* kBracket = "JOBS\r\nBRACKET\r\n******\r\n";
const char* kProto = "PROTOTYPES\r\nPROTO1\r\n******\r\n";

const SearchCase kSearchCases[] = {
    {"hits across directories in any case", false, 0, "o", 2,
     {"COVER JOBS", "BROKEN PROTOTYPES", "PROTO1 PROTOTYPES"}, 3, {}, "PROTOTYPES", kProto},
    {"a drawing without a program is not remembered", false, 0, "plate", 0, {"PLATE JOBS"}, 1, {}, "JOBS", kBracket},
    {"no hit stays for another try", false, 0, "zz", -1, {}, 0, {"No Occurrences Of \" zz \" Found "}, "JOBS",
     kBracket},
    {"21 hits scroll by one row", false, 21, "q", -1, {"QA1 JOBS", "QA10 JOBS"}, 21, {}, "JOBS", kBracket},
    {"a hit in the program frame starts a reverse run", true, 0, "PROTO1", 0, {"PROTO1 PROTOTYPES"}, 1,
     {"Drawing for Program\n\n\"PROTO1\"\n\nAlready Exists!  Overwrite it ?"}, "PROTOTYPES", kProto},
};

class Search : public MainWindowTest, public ::testing::WithParamInterface<SearchCase> {};

TEST_P(Search, FindsAndMakesCurrent) {
    const SearchCase& c = GetParam();
    for (int i = 1; i <= c.extra; ++i)
        demo.write("C:\\QUORVANE\\PROGRAMS\\PUNCH1\\JOBS\\QA" + std::to_string(i) + ".prg", "");
    start();
    messages.answer({true});
    QStringList rows;
    WhenShown<ui::SearchForm>("SearchForm", [&](ui::SearchForm* w) {
        EXPECT_EQ(w->CheckFrame->isVisibleTo(w), !c.fromFrame);
        w->CriteriaBox->setText(c.text);
        QTest::mouseClick(w->CriteriaOk, Qt::LeftButton);
        for (int r = 0; r < w->SearchList[1]->count(); ++r)
            rows << w->SearchList[1]->item(r)->text() + " " + w->SearchList[2]->item(r)->text();
        EXPECT_EQ(w->SearchFrame->isVisibleTo(w), c.count > 0);
        // Both columns show the bar's rows, twenty at a time.
        EXPECT_EQ(w->SearchBar->maximum(), std::max(0, c.count - ui::SearchForm::VisibleRows));
        w->SearchBar->setValue(w->SearchBar->maximum());
        for (int i = 1; i <= 2; ++i) EXPECT_EQ(w->SearchList[i]->verticalScrollBar()->value(), w->SearchBar->maximum());
        if (c.pick >= 0) {
            QListWidget* directories = w->SearchList[2];
            QTest::mouseClick(directories->viewport(), Qt::LeftButton, {},
                              directories->visualItemRect(directories->item(c.pick)).center());
            EXPECT_EQ(w->SearchList[1]->currentRow(), c.pick);
            QTest::mouseClick(w->SearchOk, Qt::LeftButton);
        } else {
            QTest::mouseClick(c.count > 0 ? w->SearchCncl : w->CriteriaCncl, Qt::LeftButton);
        }
    });
    if (c.fromFrame) {
        form->ReverseEngineer->trigger();
        QTest::mouseClick(form->ProgFrame->Search, Qt::LeftButton);
        EXPECT_TRUE(form->RvsBck->isVisible());
    } else {
        form->SearchItem->trigger();
        EXPECT_TRUE(menusEnabled());
    }
    EXPECT_EQ(rows.mid(0, c.rows.size()), c.rows);
    EXPECT_EQ(rows.size(), c.count);
    EXPECT_EQ(messages.shown, c.shown);
    EXPECT_EQ(messages.beeps, c.count == 0 ? 1 : 0);
    EXPECT_EQ(State().Modes.SearchMode, 0);
    EXPECT_EQ(State().Config.CurrentDirectory, c.directory);
    EXPECT_EQ(form->statusBar()->directoryText(), c.directory);
    EXPECT_EQ(demo.read("C:\\QUORVANE\\Lastfile.lst"), c.recent);
}

INSTANTIATE_TEST_SUITE_P(Cases, Search, ::testing::ValuesIn(kSearchCases), CaseName());

constexpr const char* kSubs = "C:\\QUORVANE\\DATA\\RevSubs\\";

// rows: selected rows of LOUVRE.SUB, NIBBLE.SUB, O9001.SUB; box: typed over the name the list puts there; nullptr
// leaves it; files: in RevSubs afterwards; editor: the editor's argument, a host path under RevSubs.
struct SubCase { const char* name; int mode; std::vector<int> rows; const char* box; std::vector<std::string> shown;
    std::vector<std::string> files; bool staysOpen = false; const char* editor = ""; };

const std::vector<std::string> kAll{"LOUVRE.SUB", "NIBBLE.SUB", "O9001.SUB"};

const SubCase kSubCases[] = {
    {"delete with nothing selected", 1, {}, nullptr, {"No Sub-Routines Selected !"}, kAll, true},
    {"delete two", 1, {0, 2}, nullptr, {"Delete 2 Sub-Routines ?", "2 Sub-Routines Deleted !"}, {"NIBBLE.SUB"}},
    {"rename in another case", 2, {1}, " Nibble.sub ",
     {"Rename \"NIBBLE.SUB\"\nAs \"Nibble.sub\" ?", "Sub-Routine Renamed !"},
     {"LOUVRE.SUB", "Nibble.sub", "O9001.SUB"}},
    {"copy takes the list's name", 3, {0}, nullptr,
     {"Copy \"LOUVRE.SUB\"\nAs \"LOUVRE.SUB\" ?", "Sub-Routine Copied !"}, kAll},
    {"edit with nothing selected", 4, {}, nullptr, {"No Sub-Routine Selected !"}, kAll, true},
    {"edit a sub-routine deleted meanwhile", 4, {2}, nullptr, {}, kAll, false, "O9001.SUB"},
};

class Sub : public MainWindowTest, public ::testing::WithParamInterface<SubCase> {};

TEST_P(Sub, Operates) {
    const SubCase& c = GetParam();
    const EditorRecorder editor(demo);
    start();
    messages.answer({true});
    bool open = false;
    WhenShown<ui::SubForm>("SubForm", [&](ui::SubForm* w) {
        QListWidget* list = w->SubList[c.mode == 1 ? 2 : 1];
        EXPECT_TRUE(list->isVisible());
        EXPECT_EQ(w->SubBox->isVisible(), c.mode == 2 || c.mode == 3);
        for (int row : c.rows) {
            QTest::mouseClick(list->viewport(), Qt::LeftButton, c.mode == 1 ? Qt::ControlModifier : Qt::NoModifier,
                              list->visualItemRect(list->item(row)).center());
        }
        if (c.box) w->SubBox->setText(c.box);
        if (c.mode == 4 && !c.rows.empty()) demo.remove(kSubs + std::string(c.editor));
        QTest::mouseClick(w->SubOk, Qt::LeftButton);
        if ((open = w->isVisible())) QTest::mouseClick(w->SubCncl, Qt::LeftButton);
    });
    (c.mode == 4 ? form->EditItem[2] : form->SubItem[c.mode])->trigger();
    EXPECT_EQ(open, c.staysOpen);
    EXPECT_EQ(messages.shown, c.shown);
    EXPECT_EQ(messages.beeps, c.staysOpen ? 1 : 0);
    EXPECT_EQ(State().Modes.SubMode, 0);
    EXPECT_EQ(demo.names(kSubs), c.files);
    EXPECT_EQ(editor.arguments(*c.editor), *c.editor ? demo.host(kSubs + std::string(c.editor)) + "\n" : "");
    EXPECT_TRUE(!*c.editor || demo.read(kSubs + std::string(c.editor)).empty());  // made empty for the editor
}

INSTANTIATE_TEST_SUITE_P(Cases, Sub, ::testing::ValuesIn(kSubCases), CaseName());

}  // namespace
}  // namespace qv::test
