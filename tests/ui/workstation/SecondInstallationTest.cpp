// The main window on an installation written by the tests rather than the
// demo maker: an inch machine, a metric machine with a library and material
// of its own, names in mixed case and 8-bit names.
#include "support/DrawingFile.h"
#include "support/SecondInstallation.h"
#include "uisupport/MainWindowTest.h"

namespace qv::test {
namespace {

constexpr const char* kFlange = "C:\\Quorvane\\Jobs\\Combi\\Parts\\FLANGE.drw";

using SecondInstallationWindow = MainWindowTestOn<SecondInstallation>;

TEST_F(SecondInstallationWindow, MachineSwitchTakesTheNewMachinesLibraryAndMaterial) {
    start();
    WhenModal("MachineForm", [](QWidget* w) {
        QTest::mouseClick(w->findChild<QPushButton*>("MachineOk"), Qt::LeftButton);  // the only other one
    });
    form->MachineItem[1]->trigger();
    form->ReverseEngineer->trigger();
    ASSERT_EQ(form->ProgFrame->ProgList->count(), 1);
    QTest::keyClick(form->ProgFrame->ProgList, Qt::Key_Down);  // nothing selected: the first row
    QTest::mouseClick(form->ProgFrame->ProgOk, Qt::LeftButton);
    ASSERT_TRUE(form->RvsBck->isVisible()) << (messages.shown.empty() ? "" : messages.shown.back());
    QStringList sizes;
    WhenModal("RvsTol", [&sizes](QWidget* dialog) {
        auto* list = dialog->findChild<QComboBox*>("SizeList");
        for (int i = 0; i < list->count(); ++i) sizes << list->itemText(i);
        Pick(dialog, "SizeList", "8");
        Pick(dialog, "StnList", "Combi One");
        QTest::mouseClick(dialog->findChild<QPushButton*>("InptOk"), Qt::LeftButton);
    });
    QTest::mouseClick(form->RvsBck->SelectTool, Qt::LeftButton);
    EXPECT_EQ(sizes, (QStringList{"8", "16"}));
    QTest::mouseClick(form->RvsBck->RvsOk, Qt::LeftButton);
    const std::vector<DrawingRecord> records = DrawingRecords(installation.read(kFlange));
    ASSERT_FALSE(records.empty());
    EXPECT_FLOAT_EQ(records[0].MaterialValue1(), 3.0f);
    EXPECT_FLOAT_EQ(records[0].MaterialValue2(), 0.8f);
}

// PANEL: a round tool, an indexable rectangle and a special named with 0xD8.
TEST_F(SecondInstallationWindow, InchRowsShowInInchesAndOpenTheDialogOnTheirTools) {
    start();
    runSelected();
    ASSERT_TRUE(form->RvsBck->isVisible()) << (messages.shown.empty() ? "" : messages.shown.back());
    const QString special = QString::fromUtf8("Ø20 KEY");
    EXPECT_EQ(column(3), (QStringList{"0.5", "1x0.5", special}));
    const QStringList opened[] = {{"Diameter", "0.5", "Small Round"},
                                  {"Rectangle", "1x0.5", "Index Two"},
                                  {"Special", special, QString::fromUtf8("Ø 50 Station")}};
    for (int row = 0; row < 3; ++row) {
        QStringList shown;
        WhenModal("RvsTol", [&shown, row](QWidget* dialog) {
            for (const char* list : {"ShapeList", "SizeList", "StnList"})
                shown << dialog->findChild<QComboBox*>(list)->currentText();
            const char* button = row == 2 ? "InptOk" : "InptCncl";  // the special is confirmed as it opened
            QTest::mouseClick(dialog->findChild<QPushButton*>(button), Qt::LeftButton);
        });
        form->RvsBck->Trt->selectRow(row);
        QTest::mouseClick(form->RvsBck->SelectTool, Qt::LeftButton);
        EXPECT_EQ(shown, opened[row]);
    }
    QTest::mouseClick(form->RvsBck->RvsOk, Qt::LeftButton);
    std::string described;
    for (const DrawingRecord& r : DrawingRecords(installation.read("C:\\Quorvane\\Jobs\\InchPress\\Parts\\PANEL.drw")))
        if (r.Tool.Defined) described = r.Tool.Description.substr(0, 7);
    EXPECT_EQ(described, SecondInstallation::SpecialName) << messages.shown.back();
}

}  // namespace
}  // namespace qv::test
