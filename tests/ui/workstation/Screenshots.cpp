// Pictures of the main window and its windows on the demo installation, for
// the README. Runs only when QV_SCREENSHOTS names the folder to write into.
#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QElapsedTimer>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest/QTest>
#include <iostream>

#include "support/DemoInstallation.h"
#include "uisupport/MessageRecorder.h"
#include "ui/workstation/ProgramFrame.h"
#include "ui/workstation/ReverseForm.h"
#include "ui/workstation/ReversePanel.h"
#include "ui/workstation/Review.h"
#include "uisupport/UiTest.h"

namespace qv::test {
namespace {

class Screenshots : public ::testing::Test {
protected:
    void SetUp() override {
        folder = qEnvironmentVariable("QV_SCREENSHOTS");
        if (folder.isEmpty()) GTEST_SKIP() << "set QV_SCREENSHOTS to a folder to take the pictures";
        App();
        ASSERT_TRUE(demo.ok()) << demo.error();
        QDir().mkpath(folder);
    }
    void save(QWidget* window, const char* name) {
        QApplication::processEvents();
        ASSERT_TRUE(window->grab().save(folder + "/" + name)) << name;
    }
    /// Saves a picture of a modal window while it shows, then closes it.
    void saveModal(const char* objectName, const char* file, QAction* opener) {
        WhenModal(objectName, [this, file](QWidget* w) {
            save(w, file);
            w->close();
        });
        opener->trigger();
    }

    QString folder;
    DemoInstallation demo;
    MessageRecorder messages;
};

TEST_F(Screenshots, MainWindowAndItsWindows) {
    QElapsedTimer started;
    started.start();
    ui::ReverseForm form;
    ASSERT_TRUE(form.load());
    form.show();
    QApplication::processEvents();
    std::cout << "Start-up to main window shown: " << started.elapsed() << " ms\n";
    save(&form, "main-window.png");

    saveModal("MachineForm", "machine-form.png", form.MachineItem[1]);
    saveModal("EngineForm", "engine-form.png", form.MachineItem[2]);

    form.ReverseEngineer->trigger();
    save(&form, "program-frame.png");

    messages.answer({true});
    QTest::mouseClick(form.ProgFrame->ProgOk, Qt::LeftButton);
    ASSERT_TRUE(form.RvsBck->isVisible());
    save(&form, "reverse-panel.png");

    QTest::mouseClick(form.RvsBck->ViewProgram, Qt::LeftButton);
    ASSERT_NE(form.reviewWindow(), nullptr);
    save(form.reviewWindow(), "review.png");
    QTest::mouseClick(form.RvsBck->RvsCncl, Qt::LeftButton);
}

}  // namespace
}  // namespace qv::test
