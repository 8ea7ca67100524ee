// A test of the main window on the demo installation: the demo made, the
// window started as the program starts it, messages recorded.
#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <memory>

#include "support/DemoInstallation.h"
#include "uisupport/MessageRecorder.h"
#include "ui/workstation/ReverseForm.h"
#include "uisupport/UiTest.h"

namespace qv::test {

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        App();
        ASSERT_TRUE(demo.ok()) << demo.error();
    }
    /// Runs the start-up and shows the window.
    void start() {
        form = std::make_unique<ui::ReverseForm>();
        ASSERT_TRUE(form->load()) << (messages.shown.empty() ? "" : messages.shown.back());
        form->show();
    }
    bool menusEnabled() const { return form->FileMenu->isEnabled() && form->ReverseEngineer->isEnabled(); }

    DemoInstallation demo;
    MessageRecorder messages;
    std::unique_ptr<ui::ReverseForm> form;
};

}  // namespace qv::test
