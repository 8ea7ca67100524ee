// The suite's message boxes: title, icon, buttons, the default answer and
// LastAnswer; and core's 8-bit text as Qt's, code page 1252 both ways.
#include "core/common/State.h"
#include "ui/common/CoreText.h"
#include "ui/common/Messages.h"
#include "ui/common/MessageBoxSink.h"
#include "uisupport/UiTest.h"

namespace qv::test {
namespace {

// What a message box shows: title, text, icon, buttons and default button.
QStringList Shown(const QString& title, const QString& text, QMessageBox::Icon icon,
                  QMessageBox::StandardButtons buttons, QMessageBox::StandardButton byDefault) {
    return {title, text, QString::number(icon), QString::number(buttons), QString::number(byDefault)};
}

/// Notes what the box shows, then presses button (or Enter for the default).
void WhenBox(QStringList& seen, QMessageBox::StandardButton press) {
    WhenModal("", [&seen, press](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        ASSERT_NE(box, nullptr);
        const QMessageBox::StandardButton byDefault =
            box->defaultButton() ? box->standardButton(box->defaultButton()) : QMessageBox::NoButton;
        seen = Shown(box->windowTitle(), box->text(), box->icon(), box->standardButtons(), byDefault);
        (press == QMessageBox::NoButton ? box->defaultButton() : box->button(press))->click();
    });
}

class MessageBoxes : public ::testing::Test {
protected:
    void SetUp() override { App(); }
    ui::MessageBoxSink sink;
    ScopedMessageSink scope{sink};
};

TEST_F(MessageBoxes, NoticeHasOkAndQuestionDefaultsToNoAndKeepsTheAnswer) {
    QStringList seen;
    WhenBox(seen, QMessageBox::Ok);
    Notify("No Program Selected !");
    EXPECT_EQ(seen, Shown("Quorvane", "No Program Selected !", QMessageBox::Warning, QMessageBox::Ok, {}));
    struct Case { QMessageBox::StandardButton press; bool yes; std::int16_t answer; };
    for (const Case& c : {Case{QMessageBox::NoButton, false, AnswerNo}, Case{QMessageBox::Yes, true, AnswerYes}}) {
        WhenBox(seen, c.press);
        EXPECT_EQ(Ask("Overwrite it ?"), c.yes);
        EXPECT_EQ(State().LastAnswer, c.answer);
        const QMessageBox::StandardButtons yesNo = QMessageBox::Yes | QMessageBox::No;
        EXPECT_EQ(seen, Shown("Quorvane", "Overwrite it ?", QMessageBox::Warning, yesNo, QMessageBox::No));
    }
}

TEST_F(MessageBoxes, SitOverTheMainWindowEvenWhenNoWindowIsActive) {
    QMainWindow main;
    main.setGeometry(30, 40, 500, 300);  // away from the screen's centre
    main.show();
    QApplication::setActiveWindow(nullptr);  // as while the processor runs
    QPoint offset(99, 99);
    WhenModal("", [&](QWidget* w) {
        offset = w->geometry().center() - main.geometry().center();
        static_cast<QMessageBox*>(w)->button(QMessageBox::Ok)->click();
    });
    Notify("Reverse Engineering Failed");
    EXPECT_LE(offset.manhattanLength(), 4) << offset.x() << "," << offset.y();
}

TEST(CoreText, EveryByteTheCodePageDefinesRoundTripsAndOthersBecomeQuestionMarks) {
    std::string bytes;
    for (int b = 0x80; b <= 0xFF; ++b)
        if (b != 0x81 && b != 0x8D && b != 0x8F && b != 0x90 && b != 0x9D) bytes += static_cast<char>(b);
    QString expected = QString::fromUtf8("€‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ");
    for (char16_t c = 0xA0; c <= 0xFF; ++c) expected += QChar(c);
    EXPECT_EQ(ui::FromCore(bytes), expected);
    EXPECT_EQ(ui::ToCore(expected), bytes);
    // Outside the code page: question marks; undefined bytes kept.
    EXPECT_EQ(ui::ToCore(QString::fromUtf8("Ω x \xF0\x9F\x94\xA7 ?")), "? x ? ?");  // Greek, a tool emoji
    EXPECT_EQ(ui::ToCore(ui::FromCore(std::string("\x81\x9D", 2))), std::string("\x81\x9D", 2));  // undefined kept
}

}  // namespace
}  // namespace qv::test
