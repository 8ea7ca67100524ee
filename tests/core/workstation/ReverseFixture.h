// A started-up suite installation for reverse-run and acceptance tests, with
// a processor that is a shell script copying prepared answers into the
// system folder.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>

#include "core/common/State.h"
#include "core/common/Text.h"
#include "core/startup/Startup.h"
#include "core/workstation/ReverseRunSteps.h"
#include "support/Answers.h"
#include "support/Fields.h"
#include "support/InstallationFixture.h"
#include "support/TableTest.h"

namespace qv::test {

inline const char* const kFailed = "Reverse Engineering Failed";
inline std::string Sys(const std::string& name) { return "C:\\QUORVANE\\" + name; }
inline std::string Job(const std::string& name) { return "C:\\QUORVANE\\PROGRAMS\\PRESS1\\JOBS\\" + name; }

inline std::string RowText(const TurretRow& r) { return r.station + "|" + r.type + "|" + r.size + "|" + r.angle; }

class ReverseRunTest : public ::testing::Test {
protected:
    void SetUp() override {
        installation.install();
        Status started = RunStartup();
        ASSERT_TRUE(started.ok()) << started.message();
        installation.writeLines(Job("P1.prg"), {"%", "O1234 (DEMO)", "", "   ", "G92X1830.Y1270.", "G50"});
        std::string script = "#!/bin/sh\n";
        for (const char* name : {"Reverse.sht", "Reverse.trt", "Finished.flg"})
            script += std::string("[ -f ANSWERS/") + name + " ] && cp ANSWERS/" + name + " .\n";
        processor(script + "touch ran.mark\nexit 0\n");
    }
    /// The selected processor; the script copies whatever answers exist and leaves "ran.mark".
    void processor(const std::string& bytes) {
        installation.write(Sys("FANUCRVS.exe"), bytes);
        std::filesystem::permissions(installation.host(Sys("FANUCRVS.exe")), std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add);
    }
    /// The processor's answers; nullptr writes none.
    void answer(const char* flag, const char* sheet = "1000,500,250,750\r\n", const char* tools = "0\r\n") {
        for (const auto& [name, bytes] : {std::pair<const char*, const char*>{"Finished.flg", flag},
                                          {"Reverse.sht", sheet}, {"Reverse.trt", tools}}) {
            installation.remove(Sys("ANSWERS\\") + name);
            installation.remove(Sys(name));
            if (bytes) installation.write(Sys("ANSWERS\\") + name, bytes);
        }
    }
    /// A run as the window makes it, its questions and notices recorded.
    std::optional<ReversePanel> run(const std::string& line) {
        ReverseRunHooks hooks;
        hooks.ask = messages.ask();
        hooks.programChosen = [this](const RunRequest& request) { chosen = request; };
        lastRun = RunReverse(line, hooks);
        for (const Outcome& notice : lastRun.notices) messages.show(notice);
        return lastRun.panel;
    }
    /// A run whose result is known, to check that failures keep it.
    void makePreviousRun() {
        ReverseRunState& previous = ReverseRun();
        previous.ProgramName = "OLD";
        previous.SheetValues = {1, 2, 3, 4};
        previous.TurretCount = 1;
        previous.BlockCount = 3;
        installation.write(Sys("Reverse.rnd"), std::string(240, 'x'));
    }
    void expectPreviousRunKept() {
        const ReverseRunState& kept = ReverseRun();
        EXPECT_EQ(Fields(kept.ProgramName, kept.TurretCount, kept.BlockCount), "OLD 1 3");
        EXPECT_EQ(kept.SheetValues, (std::array<double, 4>{1, 2, 3, 4}));
        EXPECT_EQ(installation.read(Sys("Reverse.rnd")), std::string(240, 'x'));
    }

    InstallationFixture installation;
    Answers messages;
    RunOutcome lastRun;
    std::optional<RunRequest> chosen;
};

}  // namespace qv::test
