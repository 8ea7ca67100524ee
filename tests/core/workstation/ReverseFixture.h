// A started-up suite installation for reverse-run and acceptance tests, with
// a processor that is a shell script copying prepared answers into the
// system folder.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "core/startup/Startup.h"
#include "support/DrawingFile.h"
#include "support/InstallationFixture.h"
#include "support/Answers.h"
#include "core/workstation/Acceptance.h"
#include "core/workstation/ReverseRunSteps.h"
#include "support/TableTest.h"

namespace qv::test {

class ReverseFixture : public ::testing::Test {
protected:
    static constexpr const char* Jobs = "C:\\QUORVANE\\PROGRAMS\\PRESS1\\JOBS\\";
    static constexpr const char* Answers = "C:\\QUORVANE\\ANSWERS\\";

    void SetUp() override {
        installation.install();
        Status started = RunStartup();
        ASSERT_TRUE(started.ok()) << started.message();
    }

    static std::string sys(const std::string& name) { return std::string(InstallationFixture::System) + name; }
    static std::string job(const std::string& name) { return std::string(Jobs) + name; }

    /// The selected processor: copies whatever answer files exist, the
    /// drawing answer to P1's drawing, and leaves "ran.mark".
    void installScriptProcessor() {
        const std::string exe = sys("FANUCRVS.exe");
        std::string script = "#!/bin/sh\n";
        for (const char* name : {"Reverse.sht", "Reverse.trt", "Finished.flg"})
            script += std::string("[ -f ANSWERS/") + name + " ] && cp ANSWERS/" + name + " .\n";
        script += "[ -f ANSWERS/drawing.drw ] && cp ANSWERS/drawing.drw '" + installation.host(job("P1.drw")) + "'\n";
        installation.write(exe, script + "touch ran.mark\nexit 0\n");
        std::filesystem::permissions(installation.host(exe), std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add);
    }

    /// Prepared answers of the script processor.
    void answer(const std::string& name, const std::string& bytes) {
        installation.write(std::string(Answers) + name, bytes);
    }
    void answerSuccess(const std::string& sheet = "1000,500,250,750\r\n",
                       const std::string& tools = "1,A,,10,0,0,0,0,0,0\r\n0\r\n") {
        answer("Finished.flg", "0\r\n");
        answer("Reverse.sht", sheet);
        answer("Reverse.trt", tools);
    }

    /// A run as the window makes it, its questions and notices recorded.
    std::optional<ReversePanel> RunReverse(const std::string& line) {
        ReverseRunHooks hooks;
        hooks.ask = messages.ask();
        hooks.programChosen = [this](const RunRequest& request) { chosen = request; };
        lastRun = qv::RunReverse(line, hooks);
        for (const Outcome& notice : lastRun.notices) messages.show(notice);
        return lastRun.panel;
    }
    Outcome AcceptResult(const std::array<std::string, 4>& boxes) { return messages.show(qv::AcceptResult(boxes)); }

    InstallationFixture installation;
    test::Answers messages;
    RunOutcome lastRun;
    std::optional<RunRequest> chosen;
};

}  // namespace qv::test
