// A whole reverse run through the main window, against the sample processor
// of the demo installation: program frame, processor, reverse panel, review
// window, acceptance and discarding.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest/QTest>
#include <cstdio>

#include "core/workstation/DrawingRecord.h"
#include "support/DemoInstallation.h"
#include "support/MessageRecorder.h"
#include "ui/workstation/ProgramFrame.h"
#include "ui/workstation/ReverseForm.h"
#include "ui/workstation/ReversePanel.h"
#include "ui/workstation/Review.h"
#include "ui/workstation/TurretTable.h"
#include "uisupport/UiTest.h"

namespace qv::test {
namespace {

constexpr const char* kBracket = "C:\\QUORVANE\\PROGRAMS\\PUNCH1\\JOBS\\BRACKET.drw";
constexpr const char* kInchPart = "C:\\QUORVANE\\PROGRAMS\\PUNCHIN\\JOBS\\INCHPART.drw";
const std::string kOverwrite = "Drawing for Program\n\n\"BRACKET\"\n\nAlready Exists!  Overwrite it ?";

class ReverseRunWindow : public ::testing::Test {
protected:
    void SetUp() override {
        App();
        ASSERT_TRUE(demo.ok()) << demo.error();
    }
    void start() {
        form = std::make_unique<ui::ReverseForm>();
        ASSERT_TRUE(form->load());
        form->show();
    }
    /// Opens the program frame and runs the program selected there.
    void runSelected() {
        form->ReverseEngineer->trigger();
        ASSERT_TRUE(form->ProgFrame->isVisible());
        QTest::mouseClick(form->ProgFrame->ProgOk, Qt::LeftButton);
    }
    QStringList column(int i) const {
        QStringList texts;
        QListWidget* list = form->RvsBck->Trt->TrtList[i];
        for (int r = 0; r < list->count(); ++r) texts << list->item(r)->text();
        return texts;
    }
    std::vector<DrawingRecord> drawing(const char* path) const {
        const std::string bytes = demo.read(path);
        std::vector<DrawingRecord> records;
        for (std::size_t at = 0; at + DrawingRecordSize <= bytes.size(); at += DrawingRecordSize)
            records.push_back(DecodeDrawingRecord(bytes.substr(at, DrawingRecordSize)));
        return records;
    }
    bool menusEnabled() const { return form->FileMenu->isEnabled() && form->ReverseEngineer->isEnabled(); }

    DemoInstallation demo;
    MessageRecorder messages;
    std::unique_ptr<ui::ReverseForm> form;
};

TEST_F(ReverseRunWindow, AcceptedRunRewritesTheDrawing) {
    start();
    messages.answer({true});
    form->ReverseEngineer->trigger();
    ASSERT_TRUE(form->ProgFrame->isVisible());
    EXPECT_FALSE(menusEnabled());
    // The recent program is pre-selected.
    QListWidgetItem* selected = form->ProgFrame->ProgList->currentItem();
    ASSERT_NE(selected, nullptr);
    EXPECT_EQ(selected->text(), "BRACKET");
    EXPECT_EQ(form->ProgFrame->DirectoryList->currentText(), "JOBS");
    QTest::mouseClick(form->ProgFrame->ProgOk, Qt::LeftButton);

    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0], kOverwrite);
    ASSERT_TRUE(form->RvsBck->isVisible());
    EXPECT_FALSE(menusEnabled());
    EXPECT_EQ(form->RvsBck->ViewPanel->title(), "BRACKET");
    EXPECT_EQ(form->RvsBck->ShtBox[1]->text(), "1000");
    EXPECT_EQ(form->RvsBck->ShtBox[2]->text(), "500");
    EXPECT_EQ(form->RvsBck->ShtBox[3]->text(), "250");
    EXPECT_EQ(form->RvsBck->ShtBox[4]->text(), "750");
    EXPECT_EQ(column(1), (QStringList{"1", "5", "4", "8"}));
    EXPECT_EQ(column(2), (QStringList{"Diameter  ", "Rectangle ", "Square    ", "Special   "}));
    EXPECT_EQ(column(3), (QStringList{"10", "20x10", "10", "KEYHOLE"}));
    EXPECT_EQ(column(4)[1], "idx");
    EXPECT_EQ(form->RvsBck->Trt->TrtBar->maximum(), 0);
    EXPECT_GT(form->RvsBck->MaterialList->count(), 0);
    EXPECT_EQ(form->RvsBck->MaterialList->currentText(), "Default");

    form->RvsBck->ShtBox[1]->setText("2*600-200");  // typed values are expressions
    QTest::mouseClick(form->RvsBck->RvsOk, Qt::LeftButton);
    EXPECT_EQ(messages.shown.back(), "Reverse Engineering Complete !");
    EXPECT_FALSE(form->RvsBck->isVisible());
    EXPECT_TRUE(menusEnabled());

    const std::vector<DrawingRecord> records = drawing(kBracket);
    ASSERT_GT(records.size(), 1u);
    EXPECT_EQ(records[0].RecordCount, static_cast<std::int32_t>(records.size()));
    EXPECT_FLOAT_EQ(records[0].SheetX(), 1000.0f);
    EXPECT_FLOAT_EQ(records[0].SheetY(), 500.0f);
    EXPECT_EQ(records[0].MaterialName.substr(0, 8), "Default ");
    for (std::size_t r = 1; r < records.size(); ++r) EXPECT_FALSE(records[r].Tool.Defined) << "record " << r;
    for (const char* gone : {"Reverse.pth", "Reverse.sht", "Reverse.trt", "Reverse.rnd"})
        EXPECT_EQ(std::fopen((demo.systemHost() + "/" + gone).c_str(), "rb"), nullptr) << gone;
}

TEST_F(ReverseRunWindow, DeclinedOverwriteKeepsTheDrawing) {
    const std::string before = demo.read(kBracket);
    start();
    messages.answer({false});
    runSelected();
    EXPECT_EQ(messages.shown, (std::vector<std::string>{kOverwrite}));
    EXPECT_FALSE(form->RvsBck->isVisible());
    EXPECT_FALSE(form->ProgFrame->isVisible());
    EXPECT_TRUE(menusEnabled());
    EXPECT_EQ(demo.read(kBracket), before);
}

TEST_F(ReverseRunWindow, MissingProcessorGivesBothMessagesInOrder) {
    std::remove((demo.systemHost() + "/REVISO").c_str());
    start();
    messages.answer({true});
    runSelected();
    ASSERT_EQ(messages.shown.size(), 3u);
    EXPECT_EQ(messages.shown[1], "Reverse Processor is Missing\n\nReverse Engineering Aborted");
    EXPECT_EQ(messages.shown[2], "Reverse Engineering Failed");
    EXPECT_FALSE(form->RvsBck->isVisible());
    EXPECT_TRUE(menusEnabled());
}

TEST_F(ReverseRunWindow, CancelledPanelTouchesNoFile) {
    start();
    messages.answer({true});
    runSelected();
    ASSERT_TRUE(form->RvsBck->isVisible());
    const std::string drawn = demo.read(kBracket);
    QTest::mouseClick(form->RvsBck->RvsCncl, Qt::LeftButton);
    EXPECT_FALSE(form->RvsBck->isVisible());
    EXPECT_TRUE(menusEnabled());
    EXPECT_EQ(demo.read(kBracket), drawn);
    EXPECT_FALSE(demo.read("C:\\QUORVANE\\Reverse.pth").empty());
}

TEST_F(ReverseRunWindow, InchMachineShowsAndStoresInches) {
    demo.write("C:\\QUORVANE\\Quorvane.cfg",
               "C:\\QUORVANE\\\r\nC:\\QUORVANE\\DATA\\\r\nC:\\QUORVANE\\PROGRAMS\\\r\n 3\r\nJOBS\r\n******\r\n");
    demo.write("C:\\QUORVANE\\Lastfile.lst", "JOBS\r\nINCHPART\r\n******\r\n");
    start();
    runSelected();
    ASSERT_TRUE(form->RvsBck->isVisible()) << (messages.shown.empty() ? "" : messages.shown.back());
    EXPECT_EQ(form->RvsBck->ShtBox[1]->text(), "40");
    EXPECT_EQ(form->RvsBck->ShtBox[3]->text(), "10");
    form->RvsBck->ShtBox[1]->setText("50");
    QTest::mouseClick(form->RvsBck->RvsOk, Qt::LeftButton);
    const std::vector<DrawingRecord> records = drawing(kInchPart);
    ASSERT_FALSE(records.empty());
    EXPECT_FLOAT_EQ(records[0].SheetX(), 1270.0f);
    EXPECT_FLOAT_EQ(records[0].LeftClamp(), 254.0f);
}

TEST_F(ReverseRunWindow, ReviewWindowPagesThroughTheProgram) {
    start();
    messages.answer({true});
    runSelected();
    ASSERT_TRUE(form->RvsBck->isVisible());
    QTest::mouseClick(form->RvsBck->ViewProgram, Qt::LeftButton);
    ui::Review* review = form->reviewWindow();
    ASSERT_NE(review, nullptr);
    ASSERT_TRUE(review->isVisible());
    EXPECT_EQ(review->BlockList->count(), 21);
    EXPECT_EQ(review->BlockList->item(0)->text(), "%");
    EXPECT_EQ(review->ListBar->minimum(), 1);
    const int blocks = review->pager().BlockCount;
    EXPECT_EQ(review->ListBar->maximum(), std::max(1, blocks - 20));
    QTest::keyClick(review->ListBar, Qt::Key_End);
    EXPECT_EQ(review->BlockList->item(review->BlockList->count() - 1)->text(), "%");  // the last line too
    EXPECT_EQ(review->pager().TopRecord, blocks - 20);
    QTest::keyClick(review->ListBar, Qt::Key_Home);
    EXPECT_EQ(review->pager().TopRecord, 1);
    QTest::mouseClick(form->RvsBck->RvsCncl, Qt::LeftButton);
    EXPECT_EQ(form->reviewWindow(), nullptr);  // both ways out close it
}

}  // namespace
}  // namespace qv::test

namespace qv::test {
namespace {

/// Picks the row of a combo box whose text starts with prefix.
void Pick(QWidget* dialog, const char* combo, const QString& prefix) {
    auto* box = dialog->findChild<QComboBox*>(combo);
    ASSERT_NE(box, nullptr) << combo;
    for (int i = 0; i < box->count(); ++i) {
        if (box->itemText(i).trimmed().startsWith(prefix)) {
            box->setCurrentIndex(i);
            return;
        }
    }
    FAIL() << combo << " has no row " << prefix.toStdString();
}

/// Confirms a tool in the tool entry dialog once it shows.
void ConfirmTool(const QString& shape, const QString& size, const QString& station, const QString& angle,
                 bool indexAngle) {
    WhenModal("RvsTol", [=](QWidget* dialog) {
        Pick(dialog, "ShapeList", shape);
        Pick(dialog, "SizeList", size);
        Pick(dialog, "StnList", station);
        if (indexAngle) {
            dialog->findChild<QLineEdit*>("AngBox")->setText(angle);
        } else if (!angle.isEmpty()) {
            Pick(dialog, "AngList", angle);
        }
        QTest::mouseClick(dialog->findChild<QPushButton*>("InptOk"), Qt::LeftButton);
    });
}

TEST_F(ReverseRunWindow, ConfirmedToolsReachTheDrawing) {
    start();
    messages.answer({true});
    runSelected();
    ASSERT_TRUE(form->RvsBck->isVisible());
    ui::TurretTable* table = form->RvsBck->Trt;

    table->selectRow(0);  // station 1
    ConfirmTool("Diameter", "10", "Station 1 ", "", false);  // a round tool takes no angle
    QTest::mouseClick(form->RvsBck->SelectTool, Qt::LeftButton);
    EXPECT_EQ(column(2)[0], "Diameter  ");
    EXPECT_EQ(column(3)[0], "10");
    EXPECT_EQ(column(1)[0], "1");

    table->selectRow(1);  // station 5, indexable
    ConfirmTool("Rectangle", "20", "Index 5 ", "30", true);
    QTest::mouseClick(form->RvsBck->SelectTool, Qt::LeftButton);
    EXPECT_EQ(column(3)[1], "20x10");
    EXPECT_EQ(column(4)[1], "idx 30");

    table->selectRow(2);  // station 4: the dialog is cancelled, nothing changes
    WhenModal("RvsTol", [](QWidget* dialog) {
        QTest::mouseClick(dialog->findChild<QPushButton*>("InptCncl"), Qt::LeftButton);
    });
    QTest::mouseClick(form->RvsBck->SelectTool, Qt::LeftButton);
    EXPECT_EQ(column(2)[2], "Square    ");

    QTest::mouseClick(form->RvsBck->RvsOk, Qt::LeftButton);
    ASSERT_EQ(messages.shown.back(), "Reverse Engineering Complete !");
    int station1 = 0, station5 = 0;
    std::vector<float> indexAngles;
    for (const DrawingRecord& r : drawing(kBracket)) {
        if (r.EntityCode != 210 && r.EntityCode != 120 && r.EntityCode != 220) continue;
        if (r.Tool.Defined && r.Tool.Station == 1) {
            ++station1;
            EXPECT_EQ(r.Tool.Shape, 'A');
            EXPECT_FLOAT_EQ(r.Tool.IndexAngle, 0.0f);
        }
        if (r.Tool.Defined && r.Tool.Station == 5) {
            ++station5;
            EXPECT_EQ(r.Tool.Shape, 'D');
            indexAngles.push_back(r.Tool.IndexAngle);  // each hit keeps its own angle
        }
        if (r.Tool.Defined) {
            EXPECT_TRUE(r.Tool.Station == 1 || r.Tool.Station == 5);
        }
    }
    EXPECT_GT(station1, 0);
    // The hit without a C word of its own has angle 0.
    EXPECT_EQ(indexAngles, (std::vector<float>{90.0f, 0.0f, 45.0f}));
}

}  // namespace
}  // namespace qv::test
