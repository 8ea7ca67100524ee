// Whole-file reading and writing, copying, and the refusals of every
// operation.
#include <sys/stat.h>
#include <unistd.h>

#include <functional>

#include "platform/PlatformFixture.h"
#include "support/SysFaults.h"

namespace qv::test {
namespace {

using Names = std::vector<std::string>;

TEST_F(PlatformTest, WriteThenReadKeepsEveryByte) {
    std::string bytes = "line 1\r\nline 2\n\r\x1a";
    bytes += std::string("\0\xff\x80 end", 8);
    ASSERT_TRUE(platform->writeFile("C:\\Bytes.txt", bytes).ok());
    EXPECT_EQ(read("C:\\Bytes.txt"), bytes);
    Result<std::string> back = platform->readFile("c:\\BYTES.TXT");
    ASSERT_TRUE(back.ok());
    EXPECT_EQ(*back, bytes);
    ASSERT_TRUE(platform->writeFile("C:\\Empty.txt", "").ok());
    EXPECT_EQ(platform->fileSize("C:\\Empty.txt"), 0);
}

TEST_F(PlatformTest, WriteReplacesKeepsModeAndLeavesNoTemporaryFile) {
    write("C:\\Data\\Quorvane.cfg", "old");
    chmod(host("C:\\Data\\Quorvane.cfg").c_str(), 0640);
    ASSERT_TRUE(platform->writeFile("C:\\DATA\\quorvane.CFG", "new content").ok());
    EXPECT_EQ(names("C:\\Data"), Names{"Quorvane.cfg"});
    EXPECT_EQ(read("C:\\Data\\Quorvane.cfg"), "new content");
    struct stat st {};
    ASSERT_EQ(stat(host("C:\\Data\\Quorvane.cfg").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST_F(PlatformTest, CopyReplacesTargetAndKeepsSource) {
    write("C:\\A\\Part.prg", std::string(100000, 'p'));
    write("C:\\B\\PART.PRG", "old");
    ASSERT_TRUE(platform->copyFile("C:\\a\\part.prg", "C:\\B\\Part.prg").ok());
    EXPECT_EQ(read("C:\\B\\PART.PRG"), std::string(100000, 'p'));
    EXPECT_EQ(names("C:\\B"), Names{"PART.PRG"});
    EXPECT_EQ(read("C:\\A\\Part.prg"), std::string(100000, 'p'));
}

// The host refuses a rename across file systems; the platform says so by kind.
TEST_F(PlatformTest, MoveAcrossFileSystemsIsRefused) {
    write("C:\\Move.prg", "m");
    SysFaults faults;
    faults.arm({kSysRename, 1, true, EXDEV});
    Status s = platform->renameFile("C:\\Move.prg", "E:\\Move.prg");
    EXPECT_EQ(s.message(), "C:\\Move.prg: cannot move to E:\\Move.prg: not on the same drive");
    EXPECT_EQ(s.kind(), ErrorKind::CrossDevice);
    EXPECT_EQ(read("C:\\Move.prg"), "m");
}

using P = platform::Platform;
const std::string kNul = std::string("C:\\A\\One.prg\0x", 14);
const std::string kNulFolder = std::string("C:\\A\\Sub\0", 9);
const char* const kNulRefused = "C:\\A\\One.prg[0x00]x: a file name cannot hold a control character";
const char* const kNulFolderRefused = "C:\\A\\Sub[0x00]: a file name cannot hold a control character";

// Each refusal names the path and the reason, and changes nothing.
TEST_F(PlatformTest, RefusalsNameThePathAndTouchNothing) {
    const struct {
        const char* name;
        std::function<Status(platform::Platform&)> run;
        const char* message;
    } cases[] = {
        {"ReadMissing", [](P& p) { return p.readFile("C:\\Nope.txt").status(); }, "C:\\Nope.txt: no such file"},
        {"ReadFolder", [](P& p) { return p.readFile("C:\\A\\Sub").status(); }, "C:\\A\\Sub: not a file"},
        {"WriteIntoMissingFolder", [](P& p) { return p.writeFile("C:\\A\\X\\K.txt", "n"); },
         "C:\\A\\X\\K.txt: the folder does not exist"},
        {"WriteOverFolder", [](P& p) { return p.writeFile("C:\\A\\Sub", "n"); },
         "C:\\A\\Sub: a folder of that name exists"},
        {"CopyMissing", [](P& p) { return p.copyFile("C:\\A\\None.prg", "C:\\A\\B.prg"); },
         "C:\\A\\None.prg: no such file"},
        {"CopyFolder", [](P& p) { return p.copyFile("C:\\A\\Sub", "C:\\B.prg"); }, "C:\\A\\Sub: not a file"},
        {"CopyIntoMissingFolder", [](P& p) { return p.copyFile("C:\\A\\One.prg", "C:\\X\\B.prg"); },
         "C:\\X\\B.prg: the folder does not exist"},
        {"CopyOverFolder", [](P& p) { return p.copyFile("C:\\A\\One.prg", "C:\\A\\sub"); },
         "C:\\A\\sub: a folder of that name exists"},
        {"RenameMissing", [](P& p) { return p.renameFile("C:\\A\\None", "C:\\A\\X"); }, "C:\\A\\None: no such file"},
        {"RenameFolderAsFile", [](P& p) { return p.renameFile("C:\\A\\Sub", "C:\\A\\X"); }, "C:\\A\\Sub: not a file"},
        {"RenameOverFolder", [](P& p) { return p.renameFile("C:\\A\\One.prg", "C:\\A\\sub"); },
         "C:\\A\\sub: a folder of that name exists"},
        {"RenameIntoMissingFolder", [](P& p) { return p.renameFile("C:\\A\\One.prg", "C:\\B\\One.prg"); },
         "C:\\B\\One.prg: the folder does not exist"},
        {"DeleteMissing", [](P& p) { return p.deleteFile("C:\\A\\None.prg"); }, "C:\\A\\None.prg: no such file"},
        {"DeleteFolder", [](P& p) { return p.deleteFile("C:\\A\\Sub"); }, "C:\\A\\Sub: not a file"},
        {"MakeExisting", [](P& p) { return p.makeFolder("C:\\a\\SUB"); }, "C:\\a\\SUB: already exists"},
        {"MakeUnderMissing", [](P& p) { return p.makeFolder("C:\\X\\Y"); },
         "C:\\X\\Y: the folder above it does not exist"},
        {"RenameFolderOverFile", [](P& p) { return p.renameFolder("C:\\A\\Sub", "C:\\A\\ONE.prg"); },
         "C:\\A\\ONE.prg: already exists"},
        {"RemoveNotEmpty", [](P& p) { return p.removeFolder("C:\\A"); }, "C:\\A: the folder is not empty"},
        {"RemoveMissing", [](P& p) { return p.removeFolder("C:\\A\\Other"); }, "C:\\A\\Other: no such folder"},
        {"RemoveFile", [](P& p) { return p.removeFolder("C:\\A\\One.prg"); }, "C:\\A\\One.prg: not a folder"},
        {"RemoveRoot", [](P& p) { return p.removeFolder("C:\\"); }, "C:\\: a drive's root cannot be removed"},
        {"SyncMissing", [](P& p) { return p.syncFile("C:\\A\\Gone.prg"); }, "C:\\A\\Gone.prg: no such file"},
        {"SyncFolder", [](P& p) { return p.syncFile("C:\\A\\Sub"); }, "C:\\A\\Sub: not a file"},
        {"EnterMissing", [](P& p) { return p.setCurrentFolder("C:\\Nowhere"); }, "C:\\Nowhere: no such folder"},
        {"EnterFile", [](P& p) { return p.setCurrentFolder("C:\\A\\One.prg"); }, "C:\\A\\One.prg: not a folder"},
        {"OpenRecordsMissing", [](P& p) { return p.openRecordFile("C:\\A\\N.drw", 4, false).status(); },
         "C:\\A\\N.drw: no such file"},
        {"OpenRecordsInMissingFolder", [](P& p) { return p.openRecordFile("C:\\X\\N.drw", 4, true).status(); },
         "C:\\X\\N.drw: the folder does not exist"},
        {"OpenRecordsOfFolder", [](P& p) { return p.openRecordFile("C:\\A\\Sub", 4, true).status(); },
         "C:\\A\\Sub: not a file"},
        {"OpenRecordsOfNoLength", [](P& p) { return p.openRecordFile("C:\\A\\Z.drw", 0, true).status(); },
         "C:\\A\\Z.drw: a record length of 0 bytes"},
        {"ReadUnmapped", [](P& p) { return p.readFile("Q:\\A.txt").status(); }, "Q:\\A.txt: drive Q: does not exist"},
        {"WriteNul", [](P& p) { return p.writeFile(kNul, "n"); }, kNulRefused},
        {"CopyFromNul", [](P& p) { return p.copyFile(kNul, "C:\\A\\B.prg"); }, kNulRefused},
        {"CopyToNul", [](P& p) { return p.copyFile("C:\\A\\One.prg", kNul); }, kNulRefused},
        {"SyncNul", [](P& p) { return p.syncFile(kNul); }, kNulRefused},
        {"RenameFromNul", [](P& p) { return p.renameFile(kNul, "C:\\A\\B.prg"); }, kNulRefused},
        {"RenameToNul", [](P& p) { return p.renameFile("C:\\A\\One.prg", kNul); }, kNulRefused},
        {"DeleteNul", [](P& p) { return p.deleteFile(kNul); }, kNulRefused},
        {"MakeFolderNul", [](P& p) { return p.makeFolder(kNul); }, kNulRefused},
        {"RemoveFolderNul", [](P& p) { return p.removeFolder(kNulFolder); }, kNulFolderRefused},
        {"EnterNul", [](P& p) { return p.setCurrentFolder(kNulFolder); }, kNulFolderRefused},
        {"OpenRecordsNul", [](P& p) { return p.openRecordFile(kNul, 4, true).status(); }, kNulRefused},
        {"SameEntryNul", [](P& p) { return p.sameEntry(kNul, "C:\\A\\One.prg").status(); }, kNulRefused},
        {"LockNul", [](P& p) { return p.lockFolder(kNulFolder).status(); }, kNulFolderRefused},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        write("C:\\A\\One.prg", "one");
        makeFolder("C:\\A\\Sub");
        const Snapshot before = snapshot();
        EXPECT_EQ(c.run(*platform).message(), c.message);
        EXPECT_EQ(snapshot(), before);
        EXPECT_EQ(names("C:\\A"), (Names{"One.prg", "Sub"}));
    }
}

}  // namespace
}  // namespace qv::test
