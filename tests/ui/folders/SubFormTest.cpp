// The sub-routine window on the demo installation in its four modes: the
// selection, the name box, refusals that keep it open, the files afterwards.
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest/QTest>

#include "core/common/State.h"
#include "support/TableTest.h"
#include "ui/folders/SubForm.h"
#include "uisupport/EditorRecorder.h"
#include "uisupport/MainWindowTest.h"

namespace qv::test {
namespace {

constexpr const char* kSubs = "C:\\QUORVANE\\DATA\\RevSubs\\";

struct SubCase {
    const char* name;
    int mode;
    std::vector<int> rows;  // selected rows of LOUVRE.SUB, NIBBLE.SUB, O9001.SUB
    const char* box;        // typed over the name the list puts there; nullptr leaves it
    std::vector<std::string> shown;
    std::vector<std::string> files;  // in RevSubs afterwards
    bool staysOpen = false;
    const char* editor = "";  // the editor's argument, a host path under RevSubs
};

const std::vector<std::string> kAll{"LOUVRE.SUB", "NIBBLE.SUB", "O9001.SUB"};

const SubCase kCases[] = {
    {"delete with nothing selected", 1, {}, nullptr, {"No Sub-Routines Selected !"}, kAll, true},
    {"delete two", 1, {0, 2}, nullptr, {"Delete 2 Sub-Routines ?", "2 Sub-Routines Deleted !"}, {"NIBBLE.SUB"}},
    {"rename in another case", 2, {1}, "Nibble.sub",
     {"Rename \"NIBBLE.SUB\"\nAs \"Nibble.sub\" ?", "Sub-Routine Renamed !"}, {"LOUVRE.SUB", "Nibble.sub", "O9001.SUB"}},
    {"copy takes the list's name", 3, {0}, nullptr, {"Copy \"LOUVRE.SUB\"\nAs \"LOUVRE.SUB\" ?", "Sub-Routine Copied !"},
     kAll},
    {"edit with nothing selected", 4, {}, nullptr, {"No Sub-Routine Selected !"}, kAll, true},
    {"edit a sub-routine deleted meanwhile", 4, {2}, nullptr, {}, kAll, false, "O9001.SUB"},
};

class Sub : public MainWindowTest, public ::testing::WithParamInterface<SubCase> {};

TEST_P(Sub, Operates) {
    const SubCase& c = GetParam();
    EditorRecorder editor(demo);
    editor.configure();
    start();
    messages.answer({true});
    bool open = false;
    WhenModal("SubForm", [&](QWidget* modal) {
        auto* w = static_cast<ui::SubForm*>(modal);
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

INSTANTIATE_TEST_SUITE_P(Cases, Sub, ::testing::ValuesIn(kCases), CaseName());

}  // namespace
}  // namespace qv::test
