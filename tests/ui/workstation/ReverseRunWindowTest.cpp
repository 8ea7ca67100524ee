// Whole reverse runs through the main window: against the sample processor
// of the demo installation, and on an installation written by the tests (an
// inch machine, a metric machine with a library and material of its own,
// names in mixed case and 8-bit names). The drawing each run writes is
// checked in core; here what the windows add: the program frame, the panel's
// boxes and table, the tool entry dialog, the review window, menus and messages.
#include <set>

#include "support/DrawingFile.h"
#include "support/SecondInstallation.h"
#include "ui/workstation/Review.h"
#include "uisupport/MainWindowTest.h"

namespace qv::test {
namespace {

constexpr const char* kBracket = "C:\\QUORVANE\\PROGRAMS\\PUNCH1\\JOBS\\BRACKET.drw";
const std::string kOverwrite = "Drawing for Program\n\n\"BRACKET\"\n\nAlready Exists!  Overwrite it ?";
const std::string kComplete = "Reverse Engineering Complete !";

using ReverseRunWindow = MainWindowTest;

// The table is one tab stop whose columns stay in step; the review window
// shows 21 blocks and closes with the panel.
TEST_F(ReverseRunWindow, AcceptedRunTakesTheConfirmedToolsAndTheTypedSheet) {
    start();
    messages.answer({true});
    form->ReverseEngineer->trigger();
    ASSERT_TRUE(form->ProgFrame->isVisible());
    EXPECT_FALSE(menusEnabled());
    // The recent program is pre-selected.
    EXPECT_EQ(form->ProgFrame->ProgList->currentIndex().data().toString() + " " +
                  form->ProgFrame->DirectoryList->currentText(), "BRACKET JOBS");
    QTest::mouseClick(form->ProgFrame->ProgOk, Qt::LeftButton);

    EXPECT_EQ(messages.shown, std::vector<std::string>{kOverwrite});
    ui::ReversePanel* panel = form->RvsBck;
    ui::TurretTable* table = panel->Trt;
    ASSERT_TRUE(panel->isVisible());
    EXPECT_FALSE(menusEnabled());
    auto texts = [panel] {
        return QStringList{panel->ViewPanel->title(), panel->MaterialList->currentText(), panel->ConfirmedLabel->text(),
                           panel->ShtBox[1]->text(), panel->ShtBox[2]->text(), panel->ShtBox[3]->text(),
                           panel->ShtBox[4]->text(), QString::number(panel->Trt->TrtBar->maximum())};
    };
    QApplication::processEvents();  // the table's first layout, which sets the scroll range
    EXPECT_EQ(texts(), (QStringList{"BRACKET", "Default", "0 of 4 tools confirmed", "1000", "500", "250", "750", "0"}));
    EXPECT_EQ(rows(), (QStringList{"1|Diameter  |10|0", "5|Rectangle |20x10|idx", "4|Square    |10|0",
                                   "8|Special   |KEYHOLE|0"}));
    int stops = 0;
    for (QWidget* w : table->findChildren<QWidget*>())
        stops += w->isVisible() && (w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus;
    EXPECT_EQ(stops, 1);
    table->selectRow(1);
    for (int i = 1; i <= 4; ++i) {
        QListWidget* list = table->TrtList[i];
        const QPoint below(5, list->viewport()->height() - 3), row1 = list->visualItemRect(list->item(1)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, below);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, below);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier, row1);
        for (int j = 1; j <= 4; ++j) {
            const QList<QListWidgetItem*> selected = table->TrtList[j]->selectedItems();
            EXPECT_TRUE(selected.size() == 1 && table->TrtList[j]->row(selected[0]) == 1) << i << " " << j;
        }
    }
    ConfirmTool("Diameter", "10", "Station 1 ", "");  // a round tool takes no angle
    selectTool(0);
    ConfirmTool("Rectangle", "20", "Index 5 ", "30");  // indexable
    selectTool(1);
    // Station 4: the dialog opens on its tool, is cancelled, nothing changes.
    EXPECT_EQ(openTool(2, false), (QStringList{"Square", "10", "Station 4 (C)"}));
    EXPECT_EQ(rows(), (QStringList{"1|Diameter  |10|0", "5|Rectangle |20x10|idx 30", "4|Square    |10|0",
                                   "8|Special   |KEYHOLE|0"}));
    EXPECT_EQ(panel->ConfirmedLabel->text(), "2 of 4 tools confirmed");
    QString confirmed;  // per row: confirmed in the table, shown in bold
    for (int row = 0; row < 4; ++row)
        confirmed += QString("%1%2 ").arg(table->isConfirmed(row)).arg(table->TrtList[1]->item(row)->font().bold());
    EXPECT_EQ(confirmed, "11 11 00 00 ");
    QTest::mouseClick(panel->ViewProgram, Qt::LeftButton);
    ui::Review* review = form->reviewWindow();
    ASSERT_TRUE(review && review->isVisible());
    const QStringList first = Texts(review->BlockList);
    EXPECT_EQ(QString("%1 %2 %3").arg(first.size()).arg(review->ListBar->minimum()).arg(review->ListBar->maximum()),
              QString("21 1 %1").arg(std::max(1, review->pager().BlockCount - 20)));
    QTest::keyClick(review->ListBar, Qt::Key_End);
    EXPECT_EQ(first.value(0) + Texts(review->BlockList).value(20), "%%");  // the first line and the last

    panel->ShtBox[1]->setText("2*600-100");  // typed values are expressions
    QTest::mouseClick(panel->RvsOk, Qt::LeftButton);
    EXPECT_EQ(messages.shown.back(), kComplete);
    EXPECT_FALSE(panel->isVisible());
    EXPECT_EQ(form->reviewWindow(), nullptr);
    EXPECT_TRUE(menusEnabled());
    const std::vector<DrawingRecord> records = DrawingRecords(demo.read(kBracket));
    ASSERT_FALSE(records.empty());
    EXPECT_FLOAT_EQ(records[0].SheetX(), 1100.0f);
    EXPECT_EQ(records[0].MaterialName.substr(0, 8), "Default ");
    EXPECT_FALSE(demo.exists(std::string(kBracket) + "~"));  // the processor's scratch drawing
    std::set<int> library;  // stations of hits with a library tool
    for (const DrawingRecord& r : records)
        if (r.Tool.Defined) library.insert(r.Tool.Station);
    EXPECT_EQ(library, (std::set<int>{1, 5}));
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
        if (panel && c.escape) {
            form->RvsBck->ShtBox[1]->setFocus();
            QTest::keyClick(form->RvsBck->ShtBox[1], Qt::Key_Escape);
        } else if (panel) {
            QTest::mouseClick(form->RvsBck->RvsCncl, Qt::LeftButton);
        }
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
    ASSERT_FALSE(records.empty());
    EXPECT_FLOAT_EQ(records[0].MaterialValue1(), 3.0f);
    EXPECT_FLOAT_EQ(records[0].MaterialValue2(), 0.8f);
}

}  // namespace
}  // namespace qv::test
