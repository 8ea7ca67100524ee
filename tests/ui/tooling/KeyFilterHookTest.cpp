// The keystroke hook on text boxes and editable combo boxes.
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

#include "core/tooling/KeyFilter.h"
#include "ui/common/KeyFilterHook.h"
#include "uisupport/UiTest.h"

namespace qv::test {
namespace {

using ui::KeyFilterHook;

class KeyFilterHookTest : public ::testing::Test {
protected:
    void SetUp() override { App(); }
};

std::string Typed(QWidget* box, const char* keys) {
    QTest::keyClicks(box, keys);
    if (auto* combo = qobject_cast<QComboBox*>(box)) return combo->currentText().toStdString();
    return static_cast<QLineEdit*>(box)->text().toStdString();
}

// Which keys each mode takes is tested on the filter itself; here that the
// boxes' keys go through it, with the box's text and selection.
TEST_F(KeyFilterHookTest, TypedKeysGoThroughTheFilter) {
    QLineEdit box;
    ASSERT_TRUE(KeyFilterHook::Install(&box, FilterName));
    box.show();
    EXPECT_EQ(Typed(&box, " Pa/r:t* 1"), "Part 1");
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
}

TEST_F(KeyFilterHookTest, KeysThatTypeNothingPass) {
    QLineEdit box;
    KeyFilterHook::Install(&box, 6);
    box.show();
    int returns = 0;
    QObject::connect(&box, &QLineEdit::returnPressed, [&returns] { ++returns; });
    Typed(&box, "12345");
    QTest::keyClick(&box, Qt::Key_Home);
    QTest::keyClick(&box, Qt::Key_Delete);
    QTest::keyClick(&box, Qt::Key_End);
    QTest::keyClick(&box, Qt::Key_Backspace);
    EXPECT_EQ(box.text().toStdString(), "234");
    QTest::keyClick(&box, Qt::Key_Return);
    EXPECT_EQ(returns, 1);
}

TEST_F(KeyFilterHookTest, PasteIsRefused) {
    QLineEdit box;
    KeyFilterHook::Install(&box, FilterName);
    box.show();
    QApplication::clipboard()->setText(QStringLiteral("a/b:c"));
    QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(box.text().toStdString(), "");
    EXPECT_EQ(box.contextMenuPolicy(), Qt::NoContextMenu);
}

TEST_F(KeyFilterHookTest, OnlyTextBoxesTakeAHook) {
    QComboBox fixed;  // not editable: its keys choose rows
    EXPECT_EQ(KeyFilterHook::Install(&fixed, FilterName), nullptr);
    QWidget plain;
    EXPECT_EQ(KeyFilterHook::Install(&plain, FilterName), nullptr);
}

TEST_F(KeyFilterHookTest, ModeCanChangeWhileInstalled) {
    QLineEdit box;
    KeyFilterHook* hook = KeyFilterHook::Install(&box, FilterName);
    box.show();
    Typed(&box, "abc");
    hook->setMode(3);
    EXPECT_EQ(Typed(&box, "d"), "abc");
    EXPECT_EQ(KeyFilterMode(), 3);
}

}  // namespace
}  // namespace qv::test
