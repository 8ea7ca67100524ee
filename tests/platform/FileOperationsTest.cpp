// Whole-file reading and writing, copying, and the refusals of every
// operation; fixed-length record files: round trip, counting, refusals and
// messages; entries by the host's identity, folder locks between processes,
// and the folders a rename flushes.
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <functional>

#include "platform/PlatformFixture.h"
#include "platform/PosixAtomicFile.h"
#include "support/ForkedChild.h"
#include "support/SysFaults.h"
#include "support/Unprivileged.h"

namespace qv::test {
namespace {

using Names = std::vector<std::string>;

// A write replaces the old file whole and keeps its mode; a copy replaces its target and keeps its source.
TEST_F(PlatformTest, WriteAndCopyKeepEveryByte) {
    std::string bytes = "line 1\r\nline 2\n\r\x1a";
    bytes += std::string("\0\xff\x80 end", 8) + std::string(100000, 'p');
    write("C:\\Data\\Quorvane.cfg", "old");
    chmod(host("C:\\Data\\Quorvane.cfg").c_str(), 0640);
    ASSERT_TRUE(platform->writeFile("C:\\DATA\\quorvane.CFG", bytes).ok());
    EXPECT_EQ(platform->readFile("c:\\data\\QUORVANE.cfg").value_or(""), bytes);
    struct stat st {};
    ASSERT_EQ(stat(host("C:\\Data\\Quorvane.cfg").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    write("C:\\B\\PART.PRG", "old");
    ASSERT_TRUE(platform->copyFile("C:\\data\\quorvane.cfg", "C:\\B\\Part.prg").ok());
    EXPECT_EQ(read("C:\\B\\PART.PRG"), bytes);
    EXPECT_EQ(names("C:\\B"), Names{"PART.PRG"});
    EXPECT_EQ(names("C:\\Data"), Names{"Quorvane.cfg"});
    EXPECT_EQ(read("C:\\Data\\Quorvane.cfg"), bytes);
    ASSERT_TRUE(platform->writeFile("C:\\Empty.txt", "").ok());
    EXPECT_EQ(platform->fileSize("C:\\Empty.txt"), 0);
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

std::string Record(char fill, std::size_t length) {
    std::string r(length, fill);
    r[0] = '\0';
    r[length - 1] = '\xff';
    return r;
}

TEST_F(PlatformTest, RecordsRoundTripByteForByte) {
    auto opened = platform->openRecordFile("C:\\Reverse.rnd", 8, true);
    ASSERT_TRUE(opened.ok()) << opened.message();
    auto& file = *opened;
    EXPECT_EQ(file->recordCount(), 0);
    ASSERT_TRUE(file->write(1, Record('a', 8)).ok());
    ASSERT_TRUE(file->write(2, Record('b', 8)).ok());
    ASSERT_TRUE(file->write(1, Record('c', 8)).ok());  // rewrite in place
    ASSERT_TRUE(file->write(4, "ab").ok());             // short: zero padding; past the end: a zero gap
    ASSERT_TRUE(file->sync().ok());
    EXPECT_EQ(file->recordCount(), 4);
    EXPECT_EQ(read("C:\\Reverse.rnd"),
              Record('c', 8) + Record('b', 8) + std::string(8, '\0') + std::string("ab\0\0\0\0\0\0", 8));
    std::string out;
    ASSERT_TRUE(file->read(2, out).ok());
    EXPECT_EQ(out, Record('b', 8));
}

// On a read-only file with a partial tail, which is no record: each refusal
// names the file and the record, and changes nothing.
TEST_F(PlatformTest, RecordRefusalsNameFileAndRecord) {
    const struct {
        const char* name;
        std::int64_t record;
        std::size_t dataLength;  // 0: a read
        const char* message;
    } cases[] = {
        {"ReadZero", 0, 0, "C:\\One.drw: record 0 does not exist (records are numbered from 1)"},
        {"ReadPastEnd", 2, 0, "C:\\One.drw: record 2 is past the end (1 record)"},
        {"WriteZero", 0, 4, "C:\\One.drw: record 0 does not exist (records are numbered from 1)"},
        {"WriteTooLong", 1, 5, "C:\\One.drw: record 1 has 5 bytes, more than the record length 4"},
        {"WriteReadOnly", 1, 4, "C:\\One.drw: record 1 cannot be written: access denied"},
    };
    write("C:\\One.drw", "abcdxyz");
    chmod(host("C:\\One.drw").c_str(), 0444);
    AsUnprivileged(root(), [&] {
        for (const auto& c : cases) {
            SCOPED_TRACE(c.name);
            auto file = std::move(platform->openRecordFile("C:\\One.drw", 4, true).value());
            std::string out = "untouched";
            Status s = c.dataLength == 0 ? file->read(c.record, out)
                                         : file->write(c.record, std::string(c.dataLength, 'y'));
            EXPECT_EQ(s.message(), c.message);
            EXPECT_EQ(out, "untouched");
            EXPECT_TRUE(file->read(1, out).ok());
            EXPECT_EQ(read("C:\\One.drw"), "abcdxyz");
        }
    });
}

// E:\JOBS links to C:\A.
TEST_F(PlatformTest, SameEntryByHostIdentity) {
    write("C:\\A\\One.prg", "1");
    write("C:\\A\\Two.prg", "1");
    ASSERT_EQ(symlink(host("C:\\A").c_str(), host("E:\\JOBS").c_str()), 0);
    const struct {
        const char* name;
        const char* a;
        const char* b;
        bool same;
    } cases[] = {
        {"ThroughALink", "E:\\JOBS\\", "C:\\A\\", true},
        {"EqualContent", "C:\\A\\One.prg", "C:\\A\\Two.prg", false},
        {"BothMissing", "C:\\A\\None.prg", "C:\\A\\None.prg", false},
        {"UnmappedDrive", "Q:\\A", "Q:\\A", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Result<bool> same = platform->sameEntry(c.a, c.b);
        ASSERT_TRUE(same.ok()) << same.message();
        EXPECT_EQ(*same, c.same);
    }
}

// A holder killed while it holds the lock leaves none behind; the start-up
// tests shut a second holder out and take the lock again once it is given up.
TEST_F(PlatformTest, FolderLockIsFreedWhenItsHolderEnds) {
    makeFolder("C:\\QV");
    InChild([&]() -> std::string {
        auto lock = platform->lockFolder("C:\\QV");
        kill(getpid(), SIGKILL);
        return "";
    });
    Result<std::unique_ptr<platform::FolderLock>> again = platform->lockFolder("c:\\qv\\");
    EXPECT_TRUE(again.ok() && *again);
    EXPECT_EQ(platform->lockFolder("C:\\None").message(), "C:\\None: no such folder");
    write("C:\\QV\\File", "");
    EXPECT_EQ(platform->lockFolder("C:\\QV\\File").message(), "C:\\QV\\File: not a folder");
}

TEST_F(PlatformTest, RenamesFlushEveryFolderTheyChange) {
    std::vector<std::string> synced;
    platform::SetFolderSyncWatcher([&](const std::string& folder) { synced.push_back(folder); });
    write("C:\\A\\One.prg", "1");
    makeFolder("C:\\A\\Sub");
    makeFolder("C:\\B");
    const struct {
        std::function<Status()> rename;
        std::vector<std::string> folders;
    } cases[] = {
        {[&] { return platform->renameFile("C:\\A\\One.prg", "C:\\B\\One.prg"); }, {host("C:\\A"), host("C:\\B")}},
        {[&] { return platform->renameFile("C:\\B\\One.prg", "C:\\B\\Two.prg"); }, {host("C:\\B")}},
        {[&] { return platform->renameFolder("C:\\A\\Sub", "C:\\Sub"); }, {host("C:\\A"), host("C:")}},
    };
    for (const auto& c : cases) {
        synced.clear();
        ASSERT_TRUE(c.rename().ok());
        EXPECT_EQ(synced, c.folders);
    }
    // A batch flushes each folder once, at its end.
    synced.clear();
    platform->deferFolderFlushes();
    ASSERT_TRUE(platform->renameFile("C:\\B\\Two.prg", "C:\\B\\Three.prg").ok());
    ASSERT_TRUE(platform->renameFile("C:\\B\\Three.prg", "C:\\B\\Four.prg").ok());
    EXPECT_TRUE(synced.empty());
    platform->flushDeferredFolders();
    EXPECT_EQ(synced, std::vector<std::string>{host("C:\\B")});
    platform::SetFolderSyncWatcher(nullptr);
}

// Only the temporary files of processes that have ended go.
TEST_F(PlatformTest, TemporariesOfEndedProcessesGo) {
    const std::string ended = std::to_string(EndedProcessId());
    Names kept = {".~qv1-2.tmp", ".~qv" + std::to_string(getpid()) + "-1.tmp", ".~qv" + ended + "-3.tmpx",
                  "~qv" + ended + "-3.tmp", "Part.prg"};
    for (const std::string& name : kept) write("C:\\Jobs\\" + name, "x");
    write("C:\\Jobs\\.~qv" + ended + "-3.tmp", "half");
    ASSERT_TRUE(platform->removeStaleTemporaries("c:\\JOBS").ok());
    std::sort(kept.begin(), kept.end());
    EXPECT_EQ(names("C:\\Jobs"), kept);
    EXPECT_TRUE(platform->removeStaleTemporaries("C:\\Missing\\").ok());
}

}  // namespace
}  // namespace qv::test
