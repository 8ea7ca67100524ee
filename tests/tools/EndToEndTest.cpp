// quorvane-demo writes an installation, revsample reverses its programs, and
// the workstation's readers take back what it wrote.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>

#include "core/workstation/DrawingRecord.h"
#include "core/workstation/ExchangeFiles.h"
#include "platform/PosixPlatform.h"
#include "support/TempDir.h"

namespace qv {
namespace {
namespace fs = std::filesystem;

std::string BinDir() {
    if (const char* dir = std::getenv("QV_BIN_DIR")) return dir;
    std::error_code ec;
    return fs::read_symlink("/proc/self/exe", ec).parent_path().string();
}

std::string Quote(const std::string& s) { return "'" + s + "'"; }

int RunCommand(const std::string& command) {
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

class DemoEndToEnd : public ::testing::Test {
protected:
    void SetUp() override {
        demo = tmp / "demo";
        sys = demo + "/C/QUORVANE";
        ASSERT_EQ(RunCommand(Quote(BinDir() + "/quorvane-demo") + " " + Quote(demo) + " --processor " +
                      Quote(BinDir() + "/revsample") + " > " + Quote(tmp / "demo.out")),
                  0)
            << test::ReadHostFile(tmp / "demo.out");
        host = std::make_unique<platform::PosixPlatform>(sys + "/Drives.cfg");
        scope = std::make_unique<platform::ScopedPlatform>(*host);
    }

    /// Runs the ISO processor on a program as the workstation would: a fresh
    /// "Reverse.pth", no old flag, the system folder as working folder.
    int reverse(const std::string& machine, const std::string& directory, const std::string& program) {
        const std::string path = "C:\\QUORVANE\\PROGRAMS\\" + machine + "\\" + directory + "\\" + program;
        EXPECT_TRUE(WriteReversePath("C:\\QUORVANE\\Reverse.pth", {path, program, directory, machine}).ok());
        fs::remove(sys + "/Finished.flg");
        return RunCommand("cd " + Quote(sys) + " && ./REVISO 2> " + Quote(tmp / "stderr.txt"));
    }

    std::vector<DrawingRecord> drawing(const std::string& windowsPath) {
        auto file = platform::Current().openRecordFile(windowsPath, DrawingRecordSize, false);
        EXPECT_TRUE(file.ok()) << file.message();
        std::vector<DrawingRecord> records;
        if (!file.ok()) return records;
        for (std::int64_t n = 1; n <= (*file)->recordCount(); ++n) {
            std::string bytes;
            EXPECT_TRUE((*file)->read(n, bytes).ok());
            records.push_back(DecodeDrawingRecord(bytes));
        }
        return records;
    }

    test::TempDir tmp;
    std::string demo;
    std::string sys;
    std::unique_ptr<platform::PosixPlatform> host;
    std::unique_ptr<platform::ScopedPlatform> scope;
};

TEST_F(DemoEndToEnd, ReversesTheBracketIntoExchangeFilesAndADrawing) {
    ASSERT_EQ(reverse("PUNCH1", "JOBS", "BRACKET"), 0) << test::ReadHostFile(tmp / "stderr.txt");

    EXPECT_EQ(ReadFinishedFlag("C:\\QUORVANE\\Finished.flg").value_or(1), 0);
    Result<ReverseSheet> sheet = ReadReverseSheet("C:\\QUORVANE\\Reverse.sht");
    ASSERT_TRUE(sheet.ok()) << sheet.message();
    EXPECT_EQ(sheet->Values, (std::array<double, 4>{1000, 500, 250, 750}));

    Result<std::vector<ReverseTool>> tools = ReadReverseTools("C:\\QUORVANE\\Reverse.trt");
    ASSERT_TRUE(tools.ok()) << tools.message();
    std::vector<std::pair<int, std::string>> stations;
    for (const ReverseTool& t : *tools) stations.emplace_back(t.Station, t.Shape + std::to_string(t.StationCode));
    EXPECT_EQ(stations, (std::vector<std::pair<int, std::string>>{{1, "A10"}, {5, "D45"}, {4, "B10"}, {8, "S10"}}));
    EXPECT_EQ((*tools)[3].Description, "KEYHOLE");

    const std::vector<DrawingRecord> records = drawing("C:\\QUORVANE\\PROGRAMS\\PUNCH1\\JOBS\\BRACKET.drw");
    ASSERT_FALSE(records.empty());
    EXPECT_EQ(records[0].RecordCount, static_cast<std::int32_t>(records.size()));
    EXPECT_EQ(records[0].LevelNumber, 1000);
    EXPECT_FLOAT_EQ(records[0].SheetX(), 1000);
    std::map<int, int> codes;
    std::vector<float> station5Angles;
    for (std::size_t i = 1; i < records.size(); ++i) {
        ++codes[records[i].EntityCode];
        if (records[i].EntityCode == 210 && records[i].Tool.Station == 5) {
            station5Angles.push_back(records[i].Tool.IndexAngle);
        }
    }
    EXPECT_EQ(codes, (std::map<int, int>{{110, 1}, {311, 2}, {210, 15}, {220, 1}, {120, 1}, {999, 1}}));
    EXPECT_EQ(station5Angles, (std::vector<float>{90, 0, 45}));
    EXPECT_FALSE(fs::exists(sys + "/PROGRAMS/PUNCH1/JOBS/BRACKET.drw~"));
}

TEST_F(DemoEndToEnd, TheInchProgramIsReportedInMillimetres) {
    ASSERT_EQ(reverse("PUNCHIN", "JOBS", "INCHPART"), 0) << test::ReadHostFile(tmp / "stderr.txt");
    Result<ReverseSheet> sheet = ReadReverseSheet("C:\\QUORVANE\\Reverse.sht");
    ASSERT_TRUE(sheet.ok()) << sheet.message();
    EXPECT_EQ(sheet->Values, (std::array<double, 4>{1016, 508, 254, 762}));
    Result<std::vector<ReverseTool>> tools = ReadReverseTools("C:\\QUORVANE\\Reverse.trt");
    ASSERT_TRUE(tools.ok()) << tools.message();
    EXPECT_FLOAT_EQ((*tools)[0].Size[0], 12.7f);
}

TEST_F(DemoEndToEnd, AProgramItCannotReadGivesStatusOneAndNoDrawing) {
    EXPECT_EQ(reverse("PUNCH1", "PROTOTYPES", "BROKEN"), 1);
    EXPECT_EQ(ReadFinishedFlag("C:\\QUORVANE\\Finished.flg").value_or(0), 1);
    const std::string message = test::ReadHostFile(tmp / "stderr.txt");
    EXPECT_NE(message.find("BROKEN.prg: line 6: unknown word \"Z\""), std::string::npos) << message;
    EXPECT_FALSE(fs::exists(sys + "/PROGRAMS/PUNCH1/PROTOTYPES/BROKEN.drw"));

    EXPECT_EQ(reverse("PUNCH1", "JOBS", "MISSING"), 1);
    EXPECT_EQ(ReadFinishedFlag("C:\\QUORVANE\\Finished.flg").value_or(0), 1);
    EXPECT_NE(test::ReadHostFile(tmp / "stderr.txt").find("MISSING.prg"), std::string::npos);
}

TEST_F(DemoEndToEnd, TheDemoIsWrittenOnlyIntoAnEmptyFolderOrOverAnEarlierDemo) {
    const std::string demoTool = Quote(BinDir() + "/quorvane-demo");
    const std::string out = " > " + Quote(tmp / "again.out") + " 2>&1";
    test::WriteHostFile(sys + "/Scratch.txt", "mine");
    EXPECT_NE(RunCommand(demoTool + " " + Quote(demo) + out), 0);
    EXPECT_NE(test::ReadHostFile(tmp / "again.out").find("--replace"), std::string::npos);
    EXPECT_TRUE(fs::exists(sys + "/Scratch.txt"));

    EXPECT_EQ(RunCommand(demoTool + " " + Quote(demo) + " --replace" + out), 0) << test::ReadHostFile(tmp / "again.out");
    EXPECT_FALSE(fs::exists(sys + "/Scratch.txt"));
    EXPECT_TRUE(fs::exists(sys + "/Quorvane.cfg"));

    test::WriteHostFile(tmp / "other/keep.txt", "not a demo");
    EXPECT_NE(RunCommand(demoTool + " " + Quote(tmp / "other") + " --replace" + out), 0);
    EXPECT_TRUE(fs::exists(tmp / "other/keep.txt"));
}

}  // namespace
}  // namespace qv
