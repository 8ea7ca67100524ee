// quorvane-demo writes an installation, revsample reverses its programs, and
// the workstation's readers take back what it wrote.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>

#include "core/workstation/ExchangeFiles.h"
#include "support/DemoInstallation.h"
#include "support/DrawingFile.h"

namespace qv {
namespace {

std::string Quote(const std::string& s) { return "'" + s + "'"; }

int RunCommand(const std::string& command) {
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

class DemoEndToEnd : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(demo.ok()) << demo.error(); }

    /// Runs the ISO processor on a program as the workstation would: a fresh
    /// "Reverse.pth", no old flag, the system folder as working folder.
    int reverse(const std::string& machine, const std::string& directory, const std::string& program) {
        const std::string path = "C:\\QUORVANE\\PROGRAMS\\" + machine + "\\" + directory + "\\" + program;
        EXPECT_TRUE(WriteReversePath("C:\\QUORVANE\\Reverse.pth", {path, program, directory, machine}).ok());
        demo.remove("C:\\QUORVANE\\Finished.flg");
        return RunCommand("cd " + Quote(demo.systemHost()) + " && ./REVISO 2> " + Quote(out / "stderr.txt"));
    }
    std::string errors() const { return test::ReadHostFile(out / "stderr.txt"); }

    test::DemoInstallation demo;
    test::TempDir out;
};

TEST_F(DemoEndToEnd, ReversesTheBracketIntoExchangeFilesAndADrawing) {
    ASSERT_EQ(reverse("PUNCH1", "JOBS", "BRACKET"), 0) << errors();

    EXPECT_EQ(ReadFinishedFlag("C:\\QUORVANE\\Finished.flg").value_or(1), 0);
    Result<ReverseSheet> sheet = ReadReverseSheet("C:\\QUORVANE\\Reverse.sht");
    ASSERT_TRUE(sheet.ok()) << sheet.message();
    EXPECT_EQ(sheet->Values, (std::array<double, 4>{1000, 500, 250, 750}));

    // What the files hold in detail shows in the whole run through the workstation.
    EXPECT_EQ(ReadReverseTools("C:\\QUORVANE\\Reverse.trt").value_or({}).size(), 4u);

    const std::vector<DrawingRecord> records =
        test::DrawingRecords(demo.read("C:\\QUORVANE\\PROGRAMS\\PUNCH1\\JOBS\\BRACKET.drw"));
    ASSERT_FALSE(records.empty());
    EXPECT_EQ(records[0].RecordCount, static_cast<std::int32_t>(records.size()));
    EXPECT_FALSE(demo.exists("C:\\QUORVANE\\PROGRAMS\\PUNCH1\\JOBS\\BRACKET.drw~"));
}

TEST_F(DemoEndToEnd, TheInchProgramIsReportedInMillimetres) {
    ASSERT_EQ(reverse("PUNCHIN", "JOBS", "INCHPART"), 0) << errors();
    Result<ReverseSheet> sheet = ReadReverseSheet("C:\\QUORVANE\\Reverse.sht");
    ASSERT_TRUE(sheet.ok()) << sheet.message();
    EXPECT_EQ(sheet->Values, (std::array<double, 4>{1016, 508, 254, 762}));
}

TEST_F(DemoEndToEnd, AProgramItCannotReadGivesStatusOneAndNoDrawing) {
    EXPECT_EQ(reverse("PUNCH1", "PROTOTYPES", "BROKEN"), 1);
    EXPECT_EQ(ReadFinishedFlag("C:\\QUORVANE\\Finished.flg").value_or(0), 1);
    EXPECT_NE(errors().find("BROKEN.prg: line 6: unknown word \"Z\""), std::string::npos) << errors();
    EXPECT_FALSE(demo.exists("C:\\QUORVANE\\PROGRAMS\\PUNCH1\\PROTOTYPES\\BROKEN.drw"));

    EXPECT_EQ(reverse("PUNCH1", "JOBS", "MISSING"), 1);
    EXPECT_EQ(ReadFinishedFlag("C:\\QUORVANE\\Finished.flg").value_or(0), 1);
    EXPECT_NE(errors().find("MISSING.prg"), std::string::npos);
}

TEST_F(DemoEndToEnd, TheDemoIsWrittenOnlyIntoAnEmptyFolderOrOverAnEarlierDemo) {
    const std::string maker = Quote(test::BinDir() + "/quorvane-demo") + " ";
    const std::string log = " > " + Quote(out / "again.out") + " 2>&1";
    demo.write("C:\\QUORVANE\\Scratch.txt", "mine");
    EXPECT_NE(RunCommand(maker + Quote(demo.root()) + log), 0);
    EXPECT_NE(test::ReadHostFile(out / "again.out").find("--replace"), std::string::npos);
    EXPECT_TRUE(demo.exists("C:\\QUORVANE\\Scratch.txt"));

    EXPECT_EQ(RunCommand(maker + Quote(demo.root()) + " --replace" + log), 0) << test::ReadHostFile(out / "again.out");
    EXPECT_FALSE(demo.exists("C:\\QUORVANE\\Scratch.txt"));
    EXPECT_TRUE(demo.exists("C:\\QUORVANE\\Quorvane.cfg"));

    test::WriteHostFile(out / "other/keep.txt", "not a demo");
    EXPECT_NE(RunCommand(maker + Quote(out / "other") + " --replace" + log), 0);
    EXPECT_EQ(test::ReadHostFile(out / "other/keep.txt"), "not a demo");
}

}  // namespace
}  // namespace qv
