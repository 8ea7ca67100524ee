// Copying, renaming, deleting, folders and whole-file reading and writing.
#include <dirent.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/PlatformFixture.h"

namespace qv::test {
namespace {

std::vector<std::string> HostNames(const std::string& folder) {
    std::vector<std::string> names;
    if (DIR* dir = opendir(folder.c_str())) {
        while (dirent* e = readdir(dir))
            if (std::string(e->d_name) != "." && std::string(e->d_name) != "..") names.push_back(e->d_name);
        closedir(dir);
    }
    std::sort(names.begin(), names.end());
    return names;
}

TEST_F(PlatformTest, WriteThenReadKeepsEveryByte) {
    std::string bytes = "line 1\r\nline 2\n\r\x1a";
    bytes += std::string("\0\xff\x80 end", 8);
    ASSERT_TRUE(platform->writeFile("C:\\Bytes.txt", bytes).ok());
    EXPECT_EQ(ReadHostFile(onC("Bytes.txt")), bytes);
    Result<std::string> read = platform->readFile("c:\\BYTES.TXT");
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(*read, bytes);
}

TEST_F(PlatformTest, WriteReplacesAndLeavesNoTemporaryFile) {
    WriteHostFile(onC("Data/Quorvane.cfg"), "old");
    chmod(onC("Data/Quorvane.cfg").c_str(), 0640);
    ASSERT_TRUE(platform->writeFile("C:\\DATA\\quorvane.CFG", "new content").ok());
    EXPECT_EQ(HostNames(onC("Data")), (std::vector<std::string>{"Quorvane.cfg"}));
    EXPECT_EQ(ReadHostFile(onC("Data/Quorvane.cfg")), "new content");
    struct stat st {};
    ASSERT_EQ(stat(onC("Data/Quorvane.cfg").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST_F(PlatformTest, WriteEmptyFile) {
    ASSERT_TRUE(platform->writeFile("C:\\Empty.txt", "").ok());
    EXPECT_EQ(platform->fileSize("C:\\Empty.txt"), 0);
}

TEST_F(PlatformTest, FailedWriteKeepsOldFileAndNoTemporary) {
    WriteHostFile(onC("Data/Keep.txt"), "old");
    Status s = platform->writeFile("C:\\Data\\Missing\\Keep.txt", "new");
    EXPECT_EQ(s.message(), "C:\\Data\\Missing\\Keep.txt: the folder does not exist");
    // A folder where the file should go.
    mkdir(onC("Data/Folder.txt").c_str(), 0755);
    EXPECT_EQ(platform->writeFile("C:\\Data\\Folder.txt", "new").message(),
              "C:\\Data\\Folder.txt: a folder of that name exists");
    if (geteuid() != 0) {  // root writes into read-only folders
        chmod(onC("Data").c_str(), 0555);
        Status denied = platform->writeFile("C:\\Data\\Keep.txt", "new");
        chmod(onC("Data").c_str(), 0755);
        EXPECT_FALSE(denied.ok());
        EXPECT_NE(denied.message().find("C:\\Data\\Keep.txt: "), std::string::npos) << denied.message();
    }
    EXPECT_EQ(ReadHostFile(onC("Data/Keep.txt")), "old");
    EXPECT_EQ(HostNames(onC("Data")), (std::vector<std::string>{"Folder.txt", "Keep.txt"}));
}

/// Makes every write past limit bytes fail (EFBIG) while it lives: a full
/// disc that works for root too.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t limit) {
        oldHandler_ = signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &old_);
        struct rlimit tight = old_;
        tight.rlim_cur = limit;
        setrlimit(RLIMIT_FSIZE, &tight);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &old_);
        signal(SIGXFSZ, oldHandler_);
    }

private:
    struct rlimit old_ {};
    void (*oldHandler_)(int) = nullptr;
};

TEST_F(PlatformTest, WriteCutShortKeepsOldFile) {
    WriteHostFile(onC("Data/Quorvane.cfg"), "old content");
    Status s = [&] {
        FileSizeLimit limit(16);
        return platform->writeFile("C:\\Data\\Quorvane.cfg", std::string(100, 'n'));
    }();
    EXPECT_FALSE(s.ok());
    EXPECT_EQ(s.message().rfind("C:\\Data\\Quorvane.cfg: cannot write: ", 0), 0u) << s.message();
    EXPECT_EQ(ReadHostFile(onC("Data/Quorvane.cfg")), "old content");
    EXPECT_EQ(HostNames(onC("Data")), (std::vector<std::string>{"Quorvane.cfg"}));
}

TEST_F(PlatformTest, CopyCutShortKeepsOldTarget) {
    WriteHostFile(onC("A/Big.prg"), std::string(100000, 'b'));
    WriteHostFile(onC("B/Big.prg"), "old");
    Status s = [&] {
        FileSizeLimit limit(4096);
        return platform->copyFile("C:\\A\\Big.prg", "C:\\B\\Big.prg");
    }();
    EXPECT_FALSE(s.ok());
    EXPECT_EQ(s.message().rfind("C:\\B\\Big.prg: ", 0), 0u) << s.message();
    EXPECT_EQ(ReadHostFile(onC("B/Big.prg")), "old");
    EXPECT_EQ(HostNames(onC("B")), (std::vector<std::string>{"Big.prg"}));
}

TEST_F(PlatformTest, ReadFailuresNameThePath) {
    EXPECT_FALSE(platform->readFile("C:\\Nope.txt").ok());
    EXPECT_EQ(platform->readFile("C:\\Nope.txt").message(), "C:\\Nope.txt: no such file");
    mkdir(onC("Dir").c_str(), 0755);
    EXPECT_EQ(platform->readFile("C:\\Dir").message(), "C:\\Dir: not a file");
}

TEST_F(PlatformTest, CopyReplacesTargetAndKeepsSource) {
    WriteHostFile(onC("A/Part.prg"), std::string(100000, 'p'));
    WriteHostFile(onC("B/PART.PRG"), "old");
    ASSERT_TRUE(platform->copyFile("C:\\a\\part.prg", "C:\\B\\Part.prg").ok());
    EXPECT_EQ(ReadHostFile(onC("B/PART.PRG")), std::string(100000, 'p'));
    EXPECT_EQ(HostNames(onC("B")), (std::vector<std::string>{"PART.PRG"}));
    EXPECT_EQ(ReadHostFile(onC("A/Part.prg")), std::string(100000, 'p'));
    ASSERT_TRUE(platform->copyFile("C:\\A\\Part.prg", "E:\\New.prg").ok());
    EXPECT_EQ(ReadHostFile(tmp / "E/New.prg").size(), 100000u);
}

TEST_F(PlatformTest, CopyFailuresNameThePath) {
    WriteHostFile(onC("A/Part.prg"), "x");
    EXPECT_EQ(platform->copyFile("C:\\A\\None.prg", "C:\\A\\B.prg").message(), "C:\\A\\None.prg: no such file");
    EXPECT_EQ(platform->copyFile("C:\\A", "C:\\B.prg").message(), "C:\\A: not a file");
    EXPECT_EQ(platform->copyFile("C:\\A\\Part.prg", "C:\\X\\B.prg").message(),
              "C:\\X\\B.prg: the folder does not exist");
    EXPECT_EQ(platform->copyFile("C:\\A\\Part.prg", "C:\\A").message(), "C:\\A: a folder of that name exists");
    EXPECT_EQ(HostNames(onC("A")), (std::vector<std::string>{"Part.prg"}));
}

TEST_F(PlatformTest, RenameFileReplacesTarget) {
    WriteHostFile(onC("A/One.prg"), "one");
    WriteHostFile(onC("A/TWO.prg"), "two");
    ASSERT_TRUE(platform->renameFile("C:\\A\\one.PRG", "C:\\a\\two.prg").ok());
    EXPECT_EQ(HostNames(onC("A")), (std::vector<std::string>{"TWO.prg"}));
    EXPECT_EQ(ReadHostFile(onC("A/TWO.prg")), "one");
}

TEST_F(PlatformTest, RenameChangesOnlyTheCase) {
    WriteHostFile(onC("A/part.prg"), "x");
    ASSERT_TRUE(platform->renameFile("C:\\A\\part.prg", "C:\\A\\PART.prg").ok());
    EXPECT_EQ(HostNames(onC("A")), (std::vector<std::string>{"PART.prg"}));
    mkdir(onC("A/jobs").c_str(), 0755);
    ASSERT_TRUE(platform->renameFolder("C:\\A\\jobs", "C:\\A\\Jobs").ok());
    EXPECT_EQ(HostNames(onC("A")), (std::vector<std::string>{"Jobs", "PART.prg"}));
}

TEST_F(PlatformTest, RenameFileRefusals) {
    WriteHostFile(onC("A/One.prg"), "one");
    mkdir(onC("A/Sub").c_str(), 0755);
    EXPECT_EQ(platform->renameFile("C:\\A\\None", "C:\\A\\X").message(), "C:\\A\\None: no such file");
    EXPECT_EQ(platform->renameFile("C:\\A\\Sub", "C:\\A\\X").message(), "C:\\A\\Sub: not a file");
    EXPECT_EQ(platform->renameFile("C:\\A\\One.prg", "C:\\A\\sub").message(),
              "C:\\A\\sub: a folder of that name exists");
    EXPECT_EQ(platform->renameFile("C:\\A\\One.prg", "C:\\B\\One.prg").message(),
              "C:\\B\\One.prg: the folder does not exist");
    EXPECT_EQ(ReadHostFile(onC("A/One.prg")), "one");
}

TEST_F(PlatformTest, MoveAcrossFileSystemsIsRefused) {
    // /dev/shm is a separate file system on most hosts; skip where it is not.
    struct stat shm {}, here {};
    if (stat("/dev/shm", &shm) != 0 || stat(tmp.path().c_str(), &here) != 0 || shm.st_dev == here.st_dev)
        GTEST_SKIP() << "no second file system";
    char name[] = "/dev/shm/qv-platform-XXXXXX";
    ASSERT_NE(mkdtemp(name), nullptr);
    WriteHostFile(tmp / "Drives.cfg", "C, " + (tmp / "C") + "\nS, " + std::string(name) + "\n");
    platform->reloadDriveMap();
    WriteHostFile(onC("Move.prg"), "m");
    Status s = platform->renameFile("C:\\Move.prg", "S:\\Move.prg");
    EXPECT_EQ(s.message(), "C:\\Move.prg: cannot move to S:\\Move.prg: not on the same drive");
    EXPECT_EQ(ReadHostFile(onC("Move.prg")), "m");
    rmdir(name);
}

TEST_F(PlatformTest, DeleteFile) {
    WriteHostFile(onC("A/One.prg"), "one");
    mkdir(onC("A/Sub").c_str(), 0755);
    ASSERT_TRUE(platform->deleteFile("C:\\a\\ONE.prg").ok());
    EXPECT_FALSE(platform->fileExists("C:\\A\\One.prg"));
    EXPECT_EQ(platform->deleteFile("C:\\A\\One.prg").message(), "C:\\A\\One.prg: no such file");
    EXPECT_EQ(platform->deleteFile("C:\\A\\Sub").message(), "C:\\A\\Sub: not a file");
}

TEST_F(PlatformTest, Folders) {
    ASSERT_TRUE(platform->makeFolder("C:\\Jobs").ok());
    EXPECT_EQ(platform->makeFolder("C:\\JOBS").message(), "C:\\JOBS: already exists");
    EXPECT_EQ(platform->makeFolder("C:\\X\\Y").message(), "C:\\X\\Y: the folder above it does not exist");
    ASSERT_TRUE(platform->makeFolder("C:\\jobs\\Old\\").ok());
    EXPECT_EQ(HostNames(onC("Jobs")), (std::vector<std::string>{"Old"}));
    ASSERT_TRUE(platform->renameFolder("C:\\JOBS\\old", "C:\\Jobs\\New").ok());
    EXPECT_EQ(HostNames(onC("Jobs")), (std::vector<std::string>{"New"}));
    WriteHostFile(onC("Jobs/New/f.prg"), "x");
    EXPECT_EQ(platform->removeFolder("C:\\Jobs\\New").message(), "C:\\Jobs\\New: the folder is not empty");
    mkdir(onC("Jobs/Other").c_str(), 0755);
    EXPECT_EQ(platform->renameFolder("C:\\Jobs\\Other", "C:\\Jobs\\NEW").message(), "C:\\Jobs\\NEW: already exists");
    ASSERT_TRUE(platform->removeFolder("C:\\Jobs\\OTHER").ok());
    EXPECT_EQ(platform->removeFolder("C:\\Jobs\\Other").message(), "C:\\Jobs\\Other: no such folder");
    EXPECT_EQ(platform->removeFolder("C:\\Jobs\\New\\f.prg").message(), "C:\\Jobs\\New\\f.prg: not a folder");
    EXPECT_EQ(platform->removeFolder("C:\\").message(), "C:\\: a drive's root cannot be removed");
}

}  // namespace
}  // namespace qv::test
