// A suite installation for reverse-run and acceptance tests: started up,
// with a processor that is a shell script copying prepared answers into the
// system folder, and helpers for drawings as lists of records.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/common/State.h"
#include "core/startup/Startup.h"
#include "core/workstation/DrawingRecord.h"
#include "core/workstation/ReverseRunState.h"
#include "support/InstallationFixture.h"
#include "support/MessageRecorder.h"

namespace qv::test {

class ReverseFixture : public ::testing::Test {
protected:
    static constexpr const char* Jobs = "C:\\QUORVANE\\PROGRAMS\\PRESS1\\JOBS\\";
    static constexpr const char* Answers = "C:\\QUORVANE\\ANSWERS\\";

    void SetUp() override {
        installation.install();
        Status started = RunStartup();
        ASSERT_TRUE(started.ok()) << started.message();
        ReverseRun() = ReverseRunState{};
    }
    void TearDown() override { ReverseRun() = ReverseRunState{}; }

    std::string sys(const std::string& name) const { return std::string(InstallationFixture::System) + name; }
    std::string job(const std::string& name) const { return std::string(Jobs) + name; }

    /// The selected processor: copies whatever answer files exist, the
    /// drawing answer to the program's drawing, and leaves "ran.mark".
    void installScriptProcessor(const std::string& program = "P1") {
        const std::string exe = sys("FANUCRVS.exe");
        std::string script = "#!/bin/sh\n";
        for (const char* name : {"Reverse.sht", "Reverse.trt", "Finished.flg"})
            script += std::string("[ -f ANSWERS/") + name + " ] && cp ANSWERS/" + name + " .\n";
        script += "[ -f ANSWERS/drawing.drw ] && cp ANSWERS/drawing.drw '" +
                  installation.host(job(program + ".drw")) + "'\n";
        script += "touch ran.mark\nexit 0\n";
        installation.write(exe, script);
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

    static std::string Bytes(const std::vector<DrawingRecord>& records) {
        std::string bytes;
        for (const DrawingRecord& r : records) bytes += EncodeDrawingRecord(r);
        return bytes;
    }
    static std::vector<DrawingRecord> Records(const std::string& bytes) {
        std::vector<DrawingRecord> records;
        for (std::size_t at = 0; at + DrawingRecordSize <= bytes.size(); at += DrawingRecordSize)
            records.push_back(DecodeDrawingRecord(bytes.substr(at, DrawingRecordSize)));
        return records;
    }

    InstallationFixture installation;
    MessageRecorder messages;
};

}  // namespace qv::test
