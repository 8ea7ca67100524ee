// The main window's start-up, its machine and processor windows and the
// menus around them, driven on the demo installation.
#include <gtest/gtest.h>

#include <QAction>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QtTest/QTest>

#include "core/common/State.h"
#include "support/DemoInstallation.h"
#include "uisupport/MessageRecorder.h"
#include "ui/startup/MachineForm.h"
#include "ui/workstation/ReverseForm.h"
#include "ui/workstation/StatusBar.h"
#include "uisupport/MainWindowTest.h"

namespace qv::test {
namespace {

class SelectionWindows : public MainWindowTest {
protected:
    static QListWidget* List(QWidget* w) { return w->findChild<QListWidget*>("MachineList"); }
    static QPushButton* Button(QWidget* w, const char* name) { return w->findChild<QPushButton*>(name); }
};

// Two machines, two processors or both: only the item with a choice is enabled.
TEST_F(SelectionWindows, SelectItemsOnlyWithSomethingToChoose) {
    const std::string machine1 = "1, Turret Punch 1250, PUNCH1, ISO, 20 Stations\r\n";
    const std::string processor1 = "1, ISO Turret Controls, ISO, REVISO\r\n";
    const std::string machines[] = {machine1 + "******\r\n",
                                    machine1 + "2, Turret Punch 1500 Combi, PUNCH2, FANUC, 24 Stations\r\n"};
    const std::string processors[] = {processor1 + "******\r\n", processor1 + "2, Fanuc, FANUC, REVFANUC\r\n"};
    for (int twoMachines = 0; twoMachines < 2; ++twoMachines) {
        for (int twoProcessors = 0; twoProcessors < 2; ++twoProcessors) {
            demo.write("C:\\QUORVANE\\Machine.lst", machines[twoMachines]);
            demo.write("C:\\QUORVANE\\Reverse.lst", processors[twoProcessors]);
            start();
            EXPECT_EQ(form->MachineItem[1]->isEnabled(), twoMachines == 1) << twoMachines << twoProcessors;
            EXPECT_EQ(form->MachineItem[2]->isEnabled(), twoProcessors == 1) << twoMachines << twoProcessors;
        }
    }
}

TEST_F(SelectionWindows, MissingConfigurationStopsStartWithOneMessage) {
    demo.remove("C:\\QUORVANE\\Machine.lst");
    form = std::make_unique<ui::ReverseForm>();
    EXPECT_FALSE(form->load());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_NE(messages.shown[0].find("Machine.lst"), std::string::npos) << messages.shown[0];
}

TEST_F(SelectionWindows, MachineChangeRewritesConfigurationAndForgetsRecentProgram) {
    start();
    bool menusWereOff = false;
    WhenModal("MachineForm", [&](QWidget* w) {
        menusWereOff = !form->FileMenu->isEnabled() && !form->ReverseEngineer->isEnabled();
        QListWidget* list = List(w);
        ASSERT_EQ(list->count(), 2);  // every machine but the current one
        EXPECT_TRUE(list->selectedItems().isEmpty());
        QTest::keyClick(list, Qt::Key_Down);  // with nothing selected, the first row: "Turret Punch 1500 Combi"
        QTest::mouseClick(Button(w, "MachineOk"), Qt::LeftButton);
    });
    form->MachineItem[1]->trigger();
    EXPECT_TRUE(menusWereOff);
    EXPECT_TRUE(form->FileMenu->isEnabled());
    EXPECT_EQ(State().Config.SelectedMachine, 2);
    EXPECT_EQ(form->statusBar()->machineText(), "PUNCH2");
    EXPECT_EQ(demo.read("C:\\QUORVANE\\Quorvane.cfg"),
              "C:\\QUORVANE\\\r\nC:\\QUORVANE\\DATA\\\r\nC:\\QUORVANE\\PROGRAMS\\\r\n 2\r\nJOBS\r\n******\r\n");
    EXPECT_EQ(demo.read("C:\\QUORVANE\\Lastfile.lst"), "******\r\n");
}

// Nothing selected: a refusal that keeps the window open, then Cancel; a
// machine whose description is gone: its message. Either way the current
// machine and its recent program stay.
TEST_F(SelectionWindows, RefusedMachineChangesKeepTheCurrentMachine) {
    start();
    const std::string recent = demo.read("C:\\QUORVANE\\Lastfile.lst");
    bool stayedOpen = false;
    WhenModal("MachineForm", [&](QWidget* w) {
        QTest::mouseClick(Button(w, "MachineOk"), Qt::LeftButton);
        stayedOpen = w->isVisible();
        QTest::mouseClick(Button(w, "MachineCncl"), Qt::LeftButton);
    });
    form->MachineItem[1]->trigger();
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(messages.shown, std::vector<std::string>{"No Machine Selected !"});
    EXPECT_EQ(messages.beeps, 1);
    demo.remove("C:\\QUORVANE\\DATA\\Data\\PUNCH2.mch");
    WhenModal("MachineForm", [&](QWidget* w) {
        List(w)->setCurrentRow(0);  // "Turret Punch 1500 Combi"
        QTest::mouseClick(Button(w, "MachineOk"), Qt::LeftButton);
    });
    form->MachineItem[1]->trigger();
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_NE(messages.shown[1].find("PUNCH2.mch"), std::string::npos) << messages.shown[1];
    EXPECT_EQ(State().Config.SelectedMachine, 1);
    EXPECT_EQ(form->statusBar()->machineText(), "PUNCH1");
    EXPECT_EQ(demo.read("C:\\QUORVANE\\Lastfile.lst"), recent);
}

TEST_F(SelectionWindows, ProcessorChangeRewritesReverseCfg) {
    start();
    WhenModal("EngineForm", [&](QWidget* w) {
        QListWidget* list = List(w);
        ASSERT_EQ(list->count(), 1);
        EXPECT_TRUE(list->item(0)->isSelected());  // the only other one is pre-selected
        EXPECT_EQ(list->item(0)->text(), "Fanuc Turret Controls");
        QTest::mouseClick(Button(w, "MachineOk"), Qt::LeftButton);
    });
    form->MachineItem[2]->trigger();
    EXPECT_EQ(demo.read("C:\\QUORVANE\\Reverse.cfg"), " 2\r\n");
    EXPECT_EQ(State().Reverse.ReverseExecutable, "REVFANUC");
    EXPECT_EQ(form->statusBar()->processorText(), "Fanuc Turret Controls");
    EXPECT_TRUE(form->FileMenu->isEnabled());
}

}  // namespace
}  // namespace qv::test
