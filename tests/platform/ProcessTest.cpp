// Taking command lines apart, and starting real child processes, waiting for
// them and reaping them.
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <thread>

#include "platform/CommandLine.h"
#include "platform/PlatformFixture.h"

namespace qv::test {
namespace {

using platform::WindowState;

using Words = std::vector<std::string>;

TEST(CommandLines, Split) {
    const std::pair<const char*, Words> cases[] = {
        {"  C:\\QUORVANE\\Rvsfanuc.exe   C:\\A\\B.prg\t x ", {"C:\\QUORVANE\\Rvsfanuc.exe", "C:\\A\\B.prg", "x"}},
        {"\"C:\\Program Files\\Ed\\ed.exe\" \"C:\\My Jobs\\A.prg\"",
         {"C:\\Program Files\\Ed\\ed.exe", "C:\\My Jobs\\A.prg"}},
        {"a\"b c\"d e", {"ab cd", "e"}},
        {"x \"\" y", {"x", "", "y"}},
        {"trailing \"open quote", {"trailing", "open quote"}},
        {"C:\\ends\\with\\", {"C:\\ends\\with\\"}},
        {"", {}},
        {"   ", {}},
    };
    for (const auto& [line, words] : cases) EXPECT_EQ(platform::SplitCommandLine(line), words) << line;
}

TEST(CommandLines, DrivePathsAreRecognised) {
    EXPECT_TRUE(platform::LooksLikeDrivePath("C:\\A.prg"));
    EXPECT_TRUE(platform::LooksLikeDrivePath("e:/x"));
    EXPECT_FALSE(platform::LooksLikeDrivePath("C:"));
    EXPECT_FALSE(platform::LooksLikeDrivePath("C:A.prg"));
    EXPECT_FALSE(platform::LooksLikeDrivePath("/tmp/x"));
    EXPECT_FALSE(platform::LooksLikeDrivePath("-o:\\x"));
}

class ProcessTest : public PlatformTest {
protected:
    void script(const std::string& path, const std::string& body) {
        write(path, "#!/bin/sh\n" + body);
        chmod(host(path).c_str(), 0755);
    }
    /// Starts, opens, waits and closes as the reverse run does.
    void runAndWait(const std::string& commandLine, const std::string& output = {}) {
        Result<std::int64_t> pid = platform->startProgram(commandLine, WindowState::Hidden, output);
        ASSERT_TRUE(pid.ok()) << pid.message();
        ASSERT_GT(*pid, 0) << commandLine;
        platform::ProcessHandle handle = platform->openProcess(*pid);
        ASSERT_NE(handle, 0);
        platform->waitForProcess(handle);
        platform->closeProcess(handle);
    }
};

TEST_F(ProcessTest, ProgramIsFoundWithoutExeInWorkingFolderThenPath) {
    script("C:\\Tools\\Rvsfanuc", "echo ran > \"$1\"\n");
    runAndWait("C:\\Tools\\RVSFANUC.exe C:\\Ran.txt");
    EXPECT_EQ(read("C:\\Ran.txt"), "ran\n");
    script("C:\\Tools\\Talk.sh", "echo out; echo err >&2; read line || echo no-input\n");  // it reads no input
    write("C:\\Talk.log", "old content that is replaced");
    runAndWait("C:\\Tools\\Talk.sh", "C:\\TALK.LOG");
    EXPECT_EQ(read("C:\\Talk.log"), "out\nerr\nno-input\n");
    ASSERT_TRUE(platform->setCurrentFolder("C:\\Tools").ok());
    runAndWait("rvsfanuc.exe C:\\Local.txt");
    EXPECT_EQ(read("C:\\Local.txt"), "ran\n");
    runAndWait("sh.exe -c \"echo path > " + host("C:\\Path.txt") + "\"");
    EXPECT_EQ(read("C:\\Path.txt"), "path\n");
}

TEST_F(ProcessTest, ProgramsThatCannotStartSayWhy) {
    const struct {
        const char* name;
        const char* commandLine;
        bool missing;  // no such program, as opposed to one the system will not start
    } cases[] = {
        {"MissingBareName", "qv-no-such-program-here.exe", true},
        {"Folder", "C:\\Tools\\Folder.exe", true},
        {"ExecFails", "C:\\Tools\\Broken", false},
        {"Empty", "   ", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        makeFolder("C:\\Tools\\Folder.exe");
        write("C:\\Tools\\Broken", "\x7f" "ELF garbage");
        chmod(host("C:\\Tools\\Broken").c_str(), 0755);
        Result<std::int64_t> pid = platform->startProgram(c.commandLine, WindowState::Normal, "");
        ASSERT_FALSE(pid.ok());
        EXPECT_EQ(pid.kind() == ErrorKind::NotFound, c.missing) << pid.message();
        EXPECT_FALSE(pid.message().empty());
    }
    EXPECT_FALSE(platform->startProgram(std::string("true\0 x", 7), WindowState::Hidden, "").ok());
}

TEST_F(ProcessTest, ChildNobodyWaitsForLeavesNoZombie) {
    script("C:\\Tools\\Quick.sh", "exit 3\n");
    Result<std::int64_t> started = platform->startProgram("C:\\Tools\\Quick.sh", WindowState::Normal, "");
    ASSERT_TRUE(started.ok());
    const std::int64_t pid = *started;
    // Once reaped the process is gone entirely; a zombie would still answer.
    bool gone = false;
    for (int i = 0; i < 500 && !gone; ++i) {
        gone = kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
        if (!gone) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_TRUE(gone);
    // Waiting on a finished child still returns; closed, its handle is gone.
    platform::ProcessHandle handle = platform->openProcess(pid);
    ASSERT_NE(handle, 0);
    platform->waitForProcess(handle);
    platform->closeProcess(handle);
    EXPECT_EQ(platform->openProcess(pid), 0);
    platform->waitForProcess(handle);  // a handle closed before: returns at once
    platform->closeProcess(handle);
}

}  // namespace
}  // namespace qv::test
