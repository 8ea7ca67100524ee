// Whole reverse runs through the main window: against the sample processor
// of the demo installation, and on an installation written by the tests (an
// inch machine, a metric machine with a library and material of its own,
// names in mixed case and 8-bit names). The drawing each run writes is
// checked in core; here what the windows add: the program frame, the panel's
// boxes and table, the tool entry dialog, menus and messages. The accepted run
// on the demo is the screenshot test's.
#include <map>

#include "support/DrawingFile.h"
#include "support/SecondInstallation.h"
#include "ui/workstation/Review.h"
#include "uisupport/MainWindowTest.h"

namespace qv::test {
namespace {

constexpr const char* kBracket = "C:\\QUORVANE\\PROGRAMS\\PUNCH1\\JOBS\\BRACKET.drw";
const std::string kOverwrite = "Drawing for Program\n\n\"BRACKET\"\n\nAlready Exists!  Overwrite it ?";

using ReverseRunWindow = MainWindowTest;

// Every visible button, labelled field and menu of a window has an access
// key, and no two of them share one.
void ExpectOwnAccessKeys(QWidget* window, int& checked) {
    ++checked;
    QStringList texts;
    if (auto* main = qobject_cast<QMainWindow*>(window))
        for (QAction* menu : main->menuBar()->actions()) texts << menu->text();
    for (QAbstractButton* b : window->findChildren<QAbstractButton*>())
        if (b->isVisibleTo(window)) texts << b->text();
    for (QLabel* l : window->findChildren<QLabel*>())
        if (l->isVisibleTo(window) && l->buddy()) texts << l->text();
    for (QGroupBox* g : window->findChildren<QGroupBox*>())
        if (g->isVisibleTo(window) && g->findChild<QLineEdit*>()) texts << g->title();
    std::map<QChar, QString> keys;
    for (const QString& text : texts) {
        const auto at = text.indexOf('&');
        const QChar key = at >= 0 && at + 1 < text.size() ? text.at(at + 1).toUpper() : QChar();
        const auto [first, added] = keys.emplace(key, text);
        EXPECT_TRUE(!key.isNull() && added) << window->windowTitle().toStdString() << ": \"" << text.toStdString()
                                            << "\" and \"" << first->second.toStdString() << "\"";
    }
}

TEST_F(ReverseRunWindow, EveryButtonAndFieldLabelHasAnAccessKeyOfItsOwn) {
    start();
    int checked = 0;
    auto check = [&checked](QWidget* window) { ExpectOwnAccessKeys(window, checked); };
    WhenModal("MachineForm", check);
    form->MachineItem[1]->trigger();
    WhenModal("EngineForm", check);
    form->MachineItem[2]->trigger();
    form->ReverseEngineer->trigger();
    check(form.get());
    messages.answer({true});
    QTest::mouseClick(form->ProgFrame->ProgOk, Qt::LeftButton);
    check(form.get());
    WhenModal("RvsTol", check);
    selectTool(1);  // an indexable station: every prompt shows
    QTest::mouseClick(form->RvsBck->ViewProgram, Qt::LeftButton);
    check(form->reviewWindow());
    EXPECT_EQ(checked, 6);
}

// The processor runs without the suite's markers.
TEST_F(ReverseRunWindow, EveryOtherWayOutKeepsTheDrawingAndGivesTheMenusBack) {
    for (const char* marker : {"Quordrw.exe", "Quorprg.exe", "Quorrvs.exe"})
        demo.remove(std::string(DemoInstallation::System) + marker);
    // escape: leave the panel by its cancel key.
    const struct { const char* name; bool overwrite; bool processor; bool escape; std::vector<std::string> shown;
    } cases[] = {
        {"declined overwrite", false, true, false, {kOverwrite}},
        {"cancelled panel", true, true, false, {kOverwrite}},
        {"escape from the panel", true, true, true, {kOverwrite}},
        {"missing processor", true, false, false,
         {kOverwrite, "Reverse Processor is Missing\n\n\"C:\\QUORVANE\\REVISO.exe\"\n\nReverse Engineering Aborted",
          "Reverse Engineering Failed"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        messages.shown.clear();
        if (!c.processor) demo.remove("C:\\QUORVANE\\REVISO");
        start();
        messages.answer({c.overwrite});
        std::string drawn = demo.read(kBracket);
        runSelected();
        const bool panel = form->RvsBck->isVisible();
        if (panel) drawn = demo.read(kBracket);  // as the processor left it
        if (panel && c.escape) QTest::keyClick(form->RvsBck->ShtBox[1], Qt::Key_Escape);
        else if (panel) QTest::mouseClick(form->RvsBck->RvsCncl, Qt::LeftButton);
        EXPECT_EQ(messages.shown, c.shown);
        // Written once the processor was started, never after a declined overwrite.
        EXPECT_EQ(demo.exists("C:\\QUORVANE\\Reverse.pth"), c.overwrite);
        EXPECT_FALSE(form->RvsBck->isVisible() || form->ProgFrame->isVisible());
        EXPECT_TRUE(menusEnabled());
        EXPECT_EQ(demo.read(kBracket), drawn);
    }
}

using SecondInstallationWindow = MainWindowTestOn<SecondInstallation>;

// PANEL on the inch machine: a round tool, an indexable rectangle and a
// special named with 0xD8; then FLANGE after a switch to the metric machine.
TEST_F(SecondInstallationWindow, InchRowsShowInInchesThenAMachineSwitchTakesItsLibraryAndMaterial) {
    ASSERT_TRUE(openPanel()) << lastShown();
    const QString special = QString::fromUtf8("Ø20 KEY");
    EXPECT_EQ(column(3), (QStringList{"0.5", "1x0.5", special}));
    EXPECT_EQ(openTool(0, false), (QStringList{"Diameter", "0.5", "Small Round"}));
    EXPECT_EQ(openTool(1, false), (QStringList{"Rectangle", "1x0.5", "Index Two"}));
    // The special is confirmed as it opened.
    EXPECT_EQ(openTool(2, true), (QStringList{"Special", special, QString::fromUtf8("Ø 50 Station")}));
    // The sheet and clamps in inches, typed in inches, stored in millimetres.
    EXPECT_EQ(form->RvsBck->ShtBox[1]->text() + " " + form->RvsBck->ShtBox[3]->text(), "40 10");
    form->RvsBck->ShtBox[1]->setText("50");
    QTest::mouseClick(form->RvsBck->RvsOk, Qt::LeftButton);
    auto records = DrawingRecords(installation.read("C:\\Quorvane\\Jobs\\InchPress\\Parts\\PANEL.drw"));
    ASSERT_FALSE(records.empty()) << lastShown();
    EXPECT_FLOAT_EQ(records[0].SheetX(), 1270.0f);
    std::string described;
    for (const DrawingRecord& r : records)
        if (r.Tool.Defined) described = r.Tool.Description.substr(0, 7);
    EXPECT_EQ(described, SecondInstallation::SpecialName);

    WhenModal("MachineForm", [](QWidget* w) { Click(w, "MachineOk"); });  // the only other one
    form->MachineItem[1]->trigger();
    form->ReverseEngineer->trigger();
    ASSERT_EQ(form->ProgFrame->ProgList->count(), 1);
    QTest::keyClick(form->ProgFrame->ProgList, Qt::Key_Down);  // nothing selected: the first row
    QTest::mouseClick(form->ProgFrame->ProgOk, Qt::LeftButton);
    ASSERT_TRUE(form->RvsBck->isVisible()) << lastShown();
    QStringList sizes;
    WhenModal("RvsTol", [&sizes](QWidget* dialog) {
        sizes = Texts(dialog->findChild<QComboBox*>("SizeList"));
        Pick(dialog, "SizeList", "8");
        Pick(dialog, "StnList", "Combi One");
        Click(dialog, "InptOk");
    });
    QTest::mouseClick(form->RvsBck->SelectTool, Qt::LeftButton);
    EXPECT_EQ(sizes, (QStringList{"8", "16"}));
    QTest::mouseClick(form->RvsBck->RvsOk, Qt::LeftButton);
    records = DrawingRecords(installation.read("C:\\Quorvane\\Jobs\\Combi\\Parts\\FLANGE.drw"));
    EXPECT_FLOAT_EQ(records.at(0).MaterialValue1(), 3.0f);
    EXPECT_FLOAT_EQ(records.at(0).MaterialValue2(), 0.8f);
}

}  // namespace
}  // namespace qv::test
