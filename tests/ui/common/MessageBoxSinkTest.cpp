// The suite's message boxes: title, icon, buttons, the default answer and
// LastAnswer.
#include <gtest/gtest.h>

#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>

#include "ui/common/Messages.h"
#include "core/common/State.h"
#include "ui/common/MessageBoxSink.h"
#include "uisupport/UiTest.h"

namespace qv::test {
namespace {

struct Seen {
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
};

/// Notes what the box shows, then presses button (or Enter for the default).
void WhenBox(Seen& seen, QMessageBox::StandardButton press) {
    WhenModal("", [&seen, press](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        ASSERT_NE(box, nullptr);
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        seen.buttons = box->standardButtons();
        seen.defaultButton = box->defaultButton() ? box->standardButton(box->defaultButton()) : QMessageBox::NoButton;
        if (press == QMessageBox::NoButton)
            box->defaultButton()->click();
        else
            box->button(press)->click();
    });
}

class MessageBoxes : public ::testing::Test {
protected:
    void SetUp() override { App(); }
    ui::MessageBoxSink sink;
    ScopedMessageSink scope{sink};
};

TEST_F(MessageBoxes, NoticeHasTitleIconAndOk) {
    Seen seen;
    WhenBox(seen, QMessageBox::Ok);
    Notify("No Program Selected !");
    EXPECT_EQ(seen.title, "Quorvane");
    EXPECT_EQ(seen.text, "No Program Selected !");
    EXPECT_EQ(seen.icon, QMessageBox::Warning);
    EXPECT_EQ(seen.buttons, QMessageBox::Ok);
}

TEST_F(MessageBoxes, QuestionDefaultsToNoAndKeepsTheAnswer) {
    struct Case {
        QMessageBox::StandardButton press;
        bool yes;
        std::int16_t answer;
    };
    for (const Case& c : {Case{QMessageBox::NoButton, false, AnswerNo}, Case{QMessageBox::Yes, true, AnswerYes},
                          Case{QMessageBox::No, false, AnswerNo}}) {
        Seen seen;
        WhenBox(seen, c.press);
        EXPECT_EQ(Ask("Overwrite it ?"), c.yes);
        EXPECT_EQ(State().LastAnswer, c.answer);
        EXPECT_EQ(seen.title, "Quorvane");
        EXPECT_EQ(seen.icon, QMessageBox::Warning);
        EXPECT_EQ(seen.buttons, QMessageBox::Yes | QMessageBox::No);
        EXPECT_EQ(seen.defaultButton, QMessageBox::No);
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

}  // namespace
}  // namespace qv::test
