// The tool entry dialog driven as a user drives it: clicks, keys, Ok and
// Cancel. What the lists hold and which tool is built is tested in core; here
// what the window adds: enabling, visibility, messages and focus. And the
// keystroke hook on text boxes and editable combo boxes.
#include "core/tooling/KeyFilter.h"
#include "support/TableTest.h"
#include "support/ToolLibraryFixture.h"
#include "ui/common/KeyFilterHook.h"
#include "ui/tooling/RvsTol.h"
#include "uisupport/MessageRecorder.h"
#include "uisupport/UiTest.h"

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

// A shape with one size is then chosen down to its station; Ok confirms
// the tool of the clicked rows.
TEST_F(RvsTolTest, OpensOnTheFirstShapeWithOnlySizesEnabledAndOkConfirmsTheClickedRows) {
    RvsTol d;
    // The size list's rows with their record numbers; captions and access keys are the reverse run window test's.
    EXPECT_EQ(QStringList({d.ShapeList->currentText(), Texts(d.SizeList).join(","), d.SizeList->itemData(1).toString(),
                           QString::number(d.SizeList->currentIndex()), d.AngBox->text()}),
              (QStringList{"Diameter", "10,12.7", "3", "-1", "0"}));
    // Enabled: sizes, stations, station prompt; hidden: angle prompt, list and box; Ok the default.
    EXPECT_EQ((std::vector<bool>{d.SizeList->isEnabled(), d.StnList->isEnabled(), d.Prompt[2]->isEnabled(),
                                 d.Prompt[3]->isHidden(), d.AngList->isHidden(), d.AngBox->isHidden(),
                                 d.InptOk->isDefault()}),
              (std::vector<bool>{true, false, false, true, true, true, true}));
    d.show();
    Pick(d.ShapeList, 1);
    EXPECT_EQ(d.SizeList->currentText() + " " + d.StnList->currentText(), "20 T3");
    EXPECT_TRUE(d.AngList->isVisible());
    Pick(d.ShapeList, 0);  // back to Diameter: nothing below it is chosen
    EXPECT_EQ(QString("%1 %2").arg(d.SizeList->currentIndex()).arg(d.StnList->count()), "-1 0");
    EXPECT_FALSE(d.AngList->isVisible() || d.AngBox->isVisible() || d.Prompt[3]->isVisible());
    d.hide();
    // A fixed station offers the library's angles; a typed one is the reverse run window test's.
    // A dialog left open is closed, that is cancelled, so that a failing test cannot hang.
    WhenModal("RvsTol", [&d](QWidget*) {
        PickRectangleIn(d, 0);
        EXPECT_TRUE(d.AngList->isVisible() && !d.AngBox->isVisible());
        EXPECT_EQ(Texts(d.AngList), (QStringList{"0", "90"}));
        Pick(d.AngList, 1);
        QTest::mouseClick(d.InptOk, Qt::LeftButton);
    });
    EXPECT_EQ(d.exec(), QDialog::Accepted);
    EXPECT_EQ(d.chosenTool() ? ToolText(*d.chosenTool()) : "", "+D 'RECT 20X10' 20x10x0x0 s1 c11 a90 i0 n0");
    EXPECT_TRUE(messages_.shown.empty());
}

TEST_F(RvsTolTest, EachMissingChoiceIsRefusedWithTheFocusOnItsList) {
    const struct { const char* name; std::function<void(RvsTol&)> prepare; std::string message; const char* focus;
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
        EXPECT_TRUE(d.isVisible() && !d.chosenTool());
        EXPECT_EQ(d.focusWidget() ? d.focusWidget()->objectName() : "", c.focus);
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

using ui::KeyFilterHook;

using KeyFilterHookTest = RvsTolTest;

std::string Typed(QWidget* box, const char* keys) {
    QTest::keyClicks(box, keys);
    if (auto* combo = qobject_cast<QComboBox*>(box)) return combo->currentText().toStdString();
    return static_cast<QLineEdit*>(box)->text().toStdString();
}

// Which keys each mode takes is tested on the filter itself; here that the
// boxes' keys go through it, with the box's text and selection, and that keys
// which type nothing pass. Paste would bypass the filter; a box that takes no
// typed text takes no hook.
TEST_F(KeyFilterHookTest, TypedKeysGoThroughTheFilterAndPasteIsRefused) {
    QLineEdit box;
    ASSERT_TRUE(KeyFilterHook::Install(&box, FilterName));
    box.show();
    QApplication::clipboard()->setText(QStringLiteral("a/b:c"));
    QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(box.contextMenuPolicy(), Qt::NoContextMenu);
    EXPECT_EQ(Typed(&box, " Pa/r:t* 1"), "Part 1");
    for (Qt::Key key : {Qt::Key_Home, Qt::Key_Delete, Qt::Key_End, Qt::Key_Backspace}) QTest::keyClick(&box, key);
    EXPECT_EQ(box.text(), "art ");
    box.setText(QString(32, QLatin1Char('A')));
    EXPECT_EQ(Typed(&box, "B").size(), 32u);
    box.setSelection(0, 2);
    EXPECT_EQ(Typed(&box, "B"), "B" + std::string(30, 'A'));
    box.setText(QString(31, QChar(0xD8)));  // the limit counts characters, not UTF-8 bytes
    QTest::keyClicks(&box, "AB");
    EXPECT_EQ(box.text(), QString(31, QChar(0xD8)) + "A");
    QComboBox combo;
    combo.setEditable(true);
    ASSERT_TRUE(KeyFilterHook::Install(&combo, FilterPattern));
    combo.show();
    EXPECT_EQ(Typed(&combo, "*.prg;?"), "*.prg?");
    QComboBox fixed;  // not editable: its keys choose rows
    QWidget plain;
    EXPECT_TRUE(!KeyFilterHook::Install(&fixed, FilterName) && !KeyFilterHook::Install(&plain, FilterName));
}

}  // namespace
}  // namespace qv::test
