// The main window's start-up, its machine and processor windows and the
// menus around them, driven on the demo installation.
#include "core/common/State.h"
#include "ui/workstation/StatusBar.h"
#include "uisupport/MainWindowTest.h"

namespace qv::test {
namespace {

class SelectionWindows : public MainWindowTest {
protected:
    static QListWidget* List(QWidget* w) { return w->findChild<QListWidget*>("MachineList"); }
};

// Two machines, two processors or both: only the item with a choice is
// enabled. A missing list stops the start with one message.
TEST_F(SelectionWindows, StartEnablesTheSelectItemsWithSomethingToChooseOrStopsWithOneMessage) {
    const std::string machine1 = "1, Turret Punch 1250, PUNCH1, ISO, 20 Stations\r\n";
    const std::string processor1 = "1, ISO Turret Controls, ISO, REVISO\r\n";
    const std::string machines[] = {machine1 + "******\r\n",
                                    machine1 + "2, Turret Punch 1500 Combi, PUNCH2, FANUC, 24 Stations\r\n"};
    const std::string processors[] = {processor1 + "******\r\n", processor1 + "2, Fanuc, FANUC, REVFANUC\r\n"};
    for (int both = 0; both < 4; ++both) {  // bit 0: two machines, bit 1: two processors
        demo.write("C:\\QUORVANE\\Machine.lst", machines[both & 1]);
        demo.write("C:\\QUORVANE\\Reverse.lst", processors[both >> 1]);
        start();
        EXPECT_EQ(form->MachineItem[1]->isEnabled() + 2 * form->MachineItem[2]->isEnabled(), both);
    }
    demo.remove("C:\\QUORVANE\\Machine.lst");
    form = std::make_unique<ui::ReverseForm>();
    EXPECT_FALSE(form->load());
    EXPECT_TRUE(messages.shown.size() == 1 && lastShown().find("Machine.lst") != std::string::npos) << lastShown();
}

// Nothing selected: a refusal that keeps the window open, then Cancel; a
// machine whose description is gone: its message. Either way the current
// machine and its recent program stay. Then a change that is made, and a
// change of processor.
TEST_F(SelectionWindows, ChangesRewriteTheConfigurationAndAMachineChangeForgetsTheRecentProgramUnlessRefused) {
    start();
    const std::string recent = demo.read("C:\\QUORVANE\\Lastfile.lst");
    bool stayedOpen = false;
    WhenModal("MachineForm", [&](QWidget* w) {
        Click(w, "MachineOk");
        stayedOpen = w->isVisible();
        Click(w, "MachineCncl");
    });
    form->MachineItem[1]->trigger();
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(messages.shown, std::vector<std::string>{"No Machine Selected !"});
    EXPECT_EQ(messages.beeps, 1);
    const std::string description = demo.read("C:\\QUORVANE\\DATA\\Data\\PUNCH2.mch");
    demo.remove("C:\\QUORVANE\\DATA\\Data\\PUNCH2.mch");
    WhenModal("MachineForm", [&](QWidget* w) {
        List(w)->setCurrentRow(0);  // "Turret Punch 1500 Combi"
        Click(w, "MachineOk");
    });
    form->MachineItem[1]->trigger();
    EXPECT_TRUE(messages.shown.size() == 2 && lastShown().find("PUNCH2.mch") != std::string::npos) << lastShown();
    EXPECT_EQ(State().Config.SelectedMachine, 1);
    EXPECT_EQ(form->statusBar()->machineText(), "PUNCH1");
    EXPECT_EQ(demo.read("C:\\QUORVANE\\Lastfile.lst"), recent);

    demo.write("C:\\QUORVANE\\DATA\\Data\\PUNCH2.mch", description);
    bool menusWereOff = false;
    WhenModal("MachineForm", [&](QWidget* w) {
        menusWereOff = !form->FileMenu->isEnabled() && !form->ReverseEngineer->isEnabled();
        QListWidget* list = List(w);
        ASSERT_EQ(list->count(), 2);  // every machine but the current one
        EXPECT_TRUE(list->selectedItems().isEmpty());
        QTest::keyClick(list, Qt::Key_Down);  // with nothing selected, the first row: "Turret Punch 1500 Combi"
        Click(w, "MachineOk");
    });
    form->MachineItem[1]->trigger();
    EXPECT_TRUE(menusWereOff);
    EXPECT_TRUE(form->FileMenu->isEnabled());
    EXPECT_EQ(State().Config.SelectedMachine, 2);
    EXPECT_EQ(form->statusBar()->machineText(), "PUNCH2");
    EXPECT_EQ(demo.read("C:\\QUORVANE\\Quorvane.cfg"),
              "C:\\QUORVANE\\\r\nC:\\QUORVANE\\DATA\\\r\nC:\\QUORVANE\\PROGRAMS\\\r\n 2\r\nJOBS\r\n******\r\n");
    EXPECT_EQ(demo.read("C:\\QUORVANE\\Lastfile.lst"), "******\r\n");

    WhenModal("EngineForm", [&](QWidget* w) {
        EXPECT_EQ(Texts(List(w)), QStringList{"Fanuc Turret Controls"});
        EXPECT_TRUE(List(w)->item(0) && List(w)->item(0)->isSelected());  // the only other one is pre-selected
        Click(w, "MachineOk");
    });
    form->MachineItem[2]->trigger();
    EXPECT_EQ(demo.read("C:\\QUORVANE\\Reverse.cfg"), " 2\r\n");
    EXPECT_EQ(State().Reverse.ReverseExecutable, "REVFANUC");
    EXPECT_EQ(form->statusBar()->processorText(), "Fanuc Turret Controls");
    EXPECT_TRUE(form->FileMenu->isEnabled());
}

}  // namespace
}  // namespace qv::test
