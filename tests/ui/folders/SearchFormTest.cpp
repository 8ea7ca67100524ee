// The file search window on the demo installation, from the File menu and
// from the program frame: hits, the two columns in step, what is made current.
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest/QTest>

#include "core/common/State.h"
#include "support/TableTest.h"
#include "ui/folders/SearchForm.h"
#include "ui/workstation/ProgramFrame.h"
#include "ui/workstation/ReversePanel.h"
#include "ui/workstation/StatusBar.h"
#include "uisupport/MainWindowTest.h"

namespace qv::test {
namespace {

struct SearchCase {
    const char* name;
    bool fromFrame;  // the program frame's Search, else "File Search"
    int extra;       // programs QA1.. added to JOBS
    const char* text;
    int pick;            // the row clicked in the directory column and accepted; -1 cancels
    QStringList rows;    // "name directory", the first ones
    int count;
    std::vector<std::string> shown;
    const char* directory;  // current afterwards
    const char* recent;     // "Lastfile.lst" afterwards
};

const char* kBracket = "JOBS\r\nBRACKET\r\n******\r\n";
const char* kProto = "PROTOTYPES\r\nPROTO1\r\n******\r\n";

const SearchCase kCases[] = {
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
    for (int i = 1; i <= c.extra; ++i) demo.write("C:\\QUORVANE\\PROGRAMS\\PUNCH1\\JOBS\\QA" + std::to_string(i) + ".prg", "");
    start();
    messages.answer({true});
    QStringList rows;
    WhenModal("SearchForm", [&](QWidget* modal) {
        auto* w = static_cast<ui::SearchForm*>(modal);
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

INSTANTIATE_TEST_SUITE_P(Cases, Search, ::testing::ValuesIn(kCases), CaseName());

}  // namespace
}  // namespace qv::test
