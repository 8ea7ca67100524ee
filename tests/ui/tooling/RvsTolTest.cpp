// The tool entry dialog driven as a user drives it: clicks, keys, Ok and Cancel.
#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "support/MessageRecorder.h"
#include "ui/tooling/RvsTol.h"
#include "ui/tooling/ToolLibraryFixture.h"
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

class RvsTolTest : public ToolLibraryFixture {
protected:
    void SetUp() override {
        App();
        ToolLibraryFixture::SetUp();
    }

    // Rectangle, its first size and the station of the row.
    static void PickRectangleIn(RvsTol& d, int stationRow) {
        Pick(d.ShapeList, 3);
        Pick(d.SizeList, 0);
        Pick(d.StnList, stationRow);
    }

    MessageRecorder messages_;
};

TEST_F(RvsTolTest, OpensOnTheFirstShapeWithNothingElseChosen) {
    RvsTol d;
    EXPECT_EQ(d.objectName(), "RvsTol");
    EXPECT_EQ(d.windowTitle(), "Tooling");
    EXPECT_EQ(d.ShapeList->count(), 14);
    EXPECT_EQ(d.ShapeList->currentText(), "Diameter");
    EXPECT_EQ(d.ShapeList->itemText(13), "Special");
    EXPECT_EQ(Rows(d.SizeList), (QStringList{"10", "12.7"}));
    EXPECT_EQ(d.SizeList->itemData(1).toInt(), 2);
    EXPECT_EQ(d.SizeList->currentIndex(), -1);
    EXPECT_TRUE(d.SizeList->isEnabled());
    EXPECT_FALSE(d.StnList->isEnabled());
    EXPECT_FALSE(d.Prompt[2]->isEnabled());
    EXPECT_TRUE(d.Prompt[3]->isHidden());
    EXPECT_TRUE(d.AngList->isHidden());
    EXPECT_TRUE(d.AngBox->isHidden());
    EXPECT_EQ(d.Prompt[0]->text(), "Tool Shape :");
    EXPECT_EQ(d.Prompt[3]->text(), QString("Angle") + QChar(0xB0) + " :");
    EXPECT_EQ(d.AngBox->text().toStdString(), "0");
    EXPECT_TRUE(d.InptOk->isDefault());
    EXPECT_EQ(d.InptOk->text(), "Ok");
    EXPECT_EQ(d.InptCncl->text(), "Cancel");
    EXPECT_FALSE(d.ButtonPanel->isHidden());
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
    const ToolRecord& t = Tooling().ChosenTool;
    EXPECT_TRUE(t.Defined);
    EXPECT_EQ(t.Shape, 'D');
    EXPECT_EQ(t.Description.substr(0, 11), "RECT 20X10 ");
    EXPECT_EQ(t.Station, 1);
    EXPECT_EQ(t.StationCode, 11);
    EXPECT_EQ(t.Angle, 90.0f);
    EXPECT_TRUE(messages_.shown.empty());
}

TEST_F(RvsTolTest, EnterConfirmsTheTypedIndexAngle) {
    RvsTol d;
    const int result = RunModal(d, [&] {
        PickRectangleIn(d, 1);
        EXPECT_TRUE(d.AngBox->isVisible());
        EXPECT_FALSE(d.AngList->isVisible());
        d.AngBox->setFocus();
        d.AngBox->selectAll();
        QTest::keyClicks(d.AngBox, "90+45");
        QTest::keyClick(d.AngBox, Qt::Key_Return);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(Tooling().ChosenTool.Station, 2);
    EXPECT_EQ(Tooling().ChosenTool.Angle, 0.0f);
    EXPECT_EQ(Tooling().ChosenTool.IndexAngle, 135.0f);
}

TEST_F(RvsTolTest, ShapeWithOneSizeIsChosenDownToItsStation) {
    RvsTol d;
    d.show();
    Pick(d.ShapeList, 13);
    EXPECT_EQ(d.SizeList->currentText(), "KEYHOLE");
    EXPECT_EQ(d.StnList->currentText(), "Auto Index");
    EXPECT_TRUE(d.AngBox->isVisible());
    Pick(d.ShapeList, 0);  // back to Diameter: nothing below it is chosen
    EXPECT_EQ(d.SizeList->currentIndex(), -1);
    EXPECT_EQ(d.StnList->count(), 0);
    EXPECT_FALSE(d.AngBox->isVisible());
    EXPECT_FALSE(d.Prompt[3]->isVisible());
}

TEST_F(RvsTolTest, CancelLeavesNoTool) {
    for (bool escape : {false, true}) {
        SCOPED_TRACE(escape ? "Escape" : "Cancel button");
        Tooling().ChosenTool.Defined = true;
        Tooling().ChosenTool.Shape = 'A';
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
        EXPECT_FALSE(Tooling().ChosenTool.Defined);
        EXPECT_EQ(Tooling().ChosenTool.Shape, ' ');
    }
}

struct Refusal {
    const char* name;
    std::function<void(RvsTol&)> prepare;
    std::string message;
    const char* focus;
};

TEST_F(RvsTolTest, EachMissingChoiceIsRefusedWithTheFocusOnItsList) {
    const Refusal cases[] = {
        {"no shape", [](RvsTol& d) { d.ShapeList->setCurrentIndex(-1); }, "Tool Type Must Be Selected !",
         "ShapeList"},
        {"no size", [](RvsTol&) {}, "Tool Size Must Be Selected !", "SizeList"},
        {"no station",
         [](RvsTol& d) {
             Pick(d.ShapeList, 3);
             Pick(d.SizeList, 0);
         },
         "Station Type Must Be Selected !", "StnList"},
        {"no angle", [](RvsTol& d) { PickRectangleIn(d, 0); }, "Tool Angle Must Be Selected !", "AngList"},
        {"index angle no expression",
         [](RvsTol& d) {
             PickRectangleIn(d, 1);
             d.AngBox->setFocus();
             d.AngBox->selectAll();
             QTest::keyClicks(d.AngBox, "(45");
         },
         "Tool Angle Is Not A Valid Expression !", "AngBox"},
    };
    for (const Refusal& c : cases) {
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
        EXPECT_FALSE(Tooling().ChosenTool.Defined);
    }
}

TEST_F(RvsTolTest, AngleBoxTakesOnlyWhatTheFilterAllows) {
    RvsTol d;
    d.show();
    QApplication::setActiveWindow(&d);
    PickRectangleIn(d, 1);
    d.AngBox->setFocus();
    d.AngBox->clear();
    QTest::keyClick(d.AngBox, Qt::Key_Space);  // no leading space
    EXPECT_EQ(d.AngBox->text().toStdString(), "");
    QTest::keyClicks(d.AngBox, "90+45");
    for (char refused : {'*', '/', '^'}) QTest::keyClick(d.AngBox, refused);
    EXPECT_EQ(d.AngBox->text().toStdString(), "90+45");
    QTest::keyClicks(d.AngBox, "12");  // the seventh character is refused
    EXPECT_EQ(d.AngBox->text().toStdString(), "90+451");
    QTest::keyClick(d.AngBox, Qt::Key_Backspace);
    EXPECT_EQ(d.AngBox->text().toStdString(), "90+45");
    d.AngBox->setText("123456");
    d.AngBox->selectAll();
    QTest::keyClick(d.AngBox, '7');  // replaces the selection
    EXPECT_EQ(d.AngBox->text().toStdString(), "7");
}

TEST_F(RvsTolTest, AngleBoxSelectsItsTextOnFocus) {
    RvsTol d;
    d.show();
    QApplication::setActiveWindow(&d);
    PickRectangleIn(d, 1);
    d.AngBox->setText("45");
    d.InptCncl->setFocus();
    d.AngBox->setFocus(Qt::MouseFocusReason);
    QTest::qWait(20);
    EXPECT_EQ(d.AngBox->selectedText().toStdString(), "45");
}

}  // namespace
}  // namespace qv::test
