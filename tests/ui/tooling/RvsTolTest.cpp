// The tool entry dialog driven as a user drives it: clicks, keys, Ok and
// Cancel. What the lists hold and which tool is built is tested in core; here
// what the window adds: enabling, visibility, messages and focus.
#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "core/tooling/ToolingState.h"
#include "uisupport/MessageRecorder.h"
#include "support/TableTest.h"
#include "support/ToolLibraryFixture.h"
#include "ui/tooling/RvsTol.h"
#include "uisupport/UiTest.h"

// Readable failures for the window's texts.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace qv::test {
namespace {

using ui::RvsTol;

// Opens the list and clicks the row, as a user picks one.
void Pick(QComboBox* list, int row) {
    list->showPopup();
    QAbstractItemView* view = list->view();
    const QRect place = view->visualRect(view->model()->index(row, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, place.center());
}

QStringList Rows(const QComboBox* list) {
    QStringList rows;
    for (int i = 0; i < list->count(); ++i) rows << list->itemText(i);
    return rows;
}

// Runs the dialog modally; act is called once it shows. A dialog act left
// open is cancelled so that a failing test cannot hang.
int RunModal(RvsTol& dialog, std::function<void()> act) {
    WhenModal(QStringLiteral("RvsTol"), [&dialog, act](QWidget*) {
        act();
        if (dialog.isVisible()) QTimer::singleShot(0, &dialog, &QDialog::reject);
    });
    return dialog.exec();
}

// Rectangle, its first size and the station of the row: 0 fixed, 1 indexable.
void PickRectangleIn(RvsTol& d, int stationRow) {
    Pick(d.ShapeList, 3);
    Pick(d.SizeList, 0);
    Pick(d.StnList, stationRow);
}

void TypeAngle(RvsTol& d, const char* text) {
    d.AngBox->setFocus();
    d.AngBox->selectAll();
    QTest::keyClicks(d.AngBox, text);
}

class RvsTolTest : public ToolLibraryFixture {
protected:
    void SetUp() override {
        App();
        ToolLibraryFixture::SetUp();
    }
    MessageRecorder messages_;
};

TEST_F(RvsTolTest, OpensOnTheFirstShapeWithOnlyTheSizesEnabled) {
    RvsTol d;
    EXPECT_EQ(d.windowTitle(), "Tooling");
    EXPECT_EQ(d.ShapeList->count(), 14);
    EXPECT_EQ(d.ShapeList->currentText(), "Diameter");
    EXPECT_EQ(Rows(d.SizeList), (QStringList{"10", "12.7"}));
    EXPECT_EQ(d.SizeList->itemData(1).toInt(), 3);  // the record number
    EXPECT_EQ(d.SizeList->currentIndex(), -1);
    EXPECT_TRUE(d.SizeList->isEnabled());
    EXPECT_FALSE(d.StnList->isEnabled());
    EXPECT_FALSE(d.Prompt[2]->isEnabled());
    EXPECT_TRUE(d.Prompt[3]->isHidden() && d.AngList->isHidden() && d.AngBox->isHidden());
    // Captions as written, each with its access key.
    EXPECT_EQ(d.Prompt[0]->text(), "Tool &Shape :");
    EXPECT_EQ(d.Prompt[3]->text(), QString("&Angle") + QChar(0xB0) + " :");
    EXPECT_EQ(d.AngBox->text(), "0");
    EXPECT_TRUE(d.InptOk->isDefault());
    EXPECT_EQ(d.InptOk->text() + "/" + d.InptCncl->text(), "&Ok/&Cancel");
}

TEST_F(RvsTolTest, FixedStationToolChosenByClicks) {
    RvsTol d;
    const int result = RunModal(d, [&] {
        PickRectangleIn(d, 0);
        EXPECT_EQ(Rows(d.StnList), (QStringList{"T1 Fixed", "Auto Index"}));
        EXPECT_TRUE(d.AngList->isVisible());
        EXPECT_FALSE(d.AngBox->isVisible());
        EXPECT_EQ(Rows(d.AngList), (QStringList{"0", "90"}));
        Pick(d.AngList, 1);
        QTest::mouseClick(d.InptOk, Qt::LeftButton);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(ToolText(d.chosenTool().value()), "+D 'RECT 20X10' 20x10x0x0 s1 c11 a90 i0 n0");
    EXPECT_TRUE(messages_.shown.empty());
}

TEST_F(RvsTolTest, EnterConfirmsTheTypedIndexAngle) {
    RvsTol d;
    const int result = RunModal(d, [&] {
        PickRectangleIn(d, 1);
        EXPECT_TRUE(d.AngBox->isVisible());
        EXPECT_FALSE(d.AngList->isVisible());
        TypeAngle(d, "90+45");
        QTest::keyClick(d.AngBox, Qt::Key_Return);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(ToolText(d.chosenTool().value()), "+D 'RECT 20X10' 20x10x0x0 s2 c45 a0 i135 n0");
}

TEST_F(RvsTolTest, ShapeWithOneSizeIsChosenDownToItsStation) {
    RvsTol d;
    d.show();
    Pick(d.ShapeList, 1);
    EXPECT_EQ(d.SizeList->currentText(), "20");
    EXPECT_EQ(d.StnList->currentText(), "T3");
    EXPECT_TRUE(d.AngList->isVisible());
    Pick(d.ShapeList, 0);  // back to Diameter: nothing below it is chosen
    EXPECT_EQ(d.SizeList->currentIndex(), -1);
    EXPECT_EQ(d.StnList->count(), 0);
    EXPECT_FALSE(d.AngList->isVisible() || d.AngBox->isVisible() || d.Prompt[3]->isVisible());
}

TEST_F(RvsTolTest, CancelLeavesNoTool) {
    for (bool escape : {false, true}) {
        SCOPED_TRACE(escape ? "Escape" : "Cancel button");
        RvsTol d;
        const int result = RunModal(d, [&] {
            PickRectangleIn(d, 0);
            Pick(d.AngList, 0);
            if (escape)
                QTest::keyClick(d.AngList, Qt::Key_Escape);
            else
                QTest::mouseClick(d.InptCncl, Qt::LeftButton);
        });
        EXPECT_EQ(result, QDialog::Rejected);
        EXPECT_FALSE(d.chosenTool());
    }
}

TEST_F(RvsTolTest, EachMissingChoiceIsRefusedWithTheFocusOnItsList) {
    const struct {
        const char* name;
        std::function<void(RvsTol&)> prepare;
        std::string message;
        const char* focus;
    } cases[] = {
        {"no shape", [](RvsTol& d) { d.ShapeList->setCurrentIndex(-1); }, "Tool Type Must Be Selected !", "ShapeList"},
        {"no size", [](RvsTol&) {}, "Tool Size Must Be Selected !", "SizeList"},
        {"no station", [](RvsTol& d) { Pick(d.ShapeList, 3); Pick(d.SizeList, 0); }, "Station Type Must Be Selected !",
         "StnList"},
        {"no angle", [](RvsTol& d) { PickRectangleIn(d, 0); }, "Tool Angle Must Be Selected !", "AngList"},
        {"index angle no expression", [](RvsTol& d) { PickRectangleIn(d, 1); TypeAngle(d, "(45"); },
         "Tool Angle Is Not A Valid Expression !", "AngBox"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        messages_.shown.clear();
        messages_.beeps = 0;
        RvsTol d;
        d.show();
        QApplication::setActiveWindow(&d);
        c.prepare(d);
        d.InptCncl->setFocus();
        QTest::mouseClick(d.InptOk, Qt::LeftButton);
        EXPECT_EQ(messages_.shown, std::vector<std::string>{c.message});
        EXPECT_EQ(messages_.beeps, 1);
        EXPECT_TRUE(d.isVisible());
        ASSERT_TRUE(d.focusWidget());
        EXPECT_EQ(d.focusWidget()->objectName().toStdString(), c.focus);
        EXPECT_FALSE(d.chosenTool());
    }
}

TEST_F(RvsTolTest, AngleBoxFiltersKeysAndSelectsItsTextOnFocus) {
    RvsTol d;
    d.show();
    QApplication::setActiveWindow(&d);
    PickRectangleIn(d, 1);
    TypeAngle(d, "90+45*/^12");  // the angle mode refuses these signs and a seventh character
    EXPECT_EQ(d.AngBox->text(), "90+451");
    d.InptCncl->setFocus();
    d.AngBox->setFocus(Qt::MouseFocusReason);
    QTest::qWait(20);
    EXPECT_EQ(d.AngBox->selectedText(), "90+451");
}

}  // namespace
}  // namespace qv::test
