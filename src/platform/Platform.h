// The operating-system services the system uses, behind one interface so that
// core never sees a host path and tests can inject faults.
//
// Every path given to this interface is in the Windows form the suite's files
// store ("C:\QUORVANE\DATA\Machine.lst", folders may end in "\"). A bare or
// relative name ("Quorvane.cfg") is relative to the working folder; ".." never
// climbs above a drive's root, whatever the form. Names are Windows-1252
// bytes; a path holding a control character (below 0x20) is refused by every
// call, as no Windows name may hold one. On POSIX the drive letter is mapped
// through "Drives.cfg" (see PosixPlatform.h) and each component is matched
// without regard to case when the exact name is missing; new files get the
// case they are given.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/Result.h"

namespace qv::platform {

/// GetDriveTypeA values.
enum class DriveType : int {
    Unknown = 0,
    NoRootDir = 1,  // the drive does not exist
    Removable = 2,
    Fixed = 3,
    Remote = 4,
    CdRom = 5,
    RamDisk = 6,
};

enum class WindowState { Hidden, Normal, Minimised, Maximised };

/// A file of fixed-length records numbered from 1, open for reading and
/// writing. Closed when destroyed.
class RecordFile {
public:
    virtual ~RecordFile() = default;
    virtual std::size_t recordLength() const = 0;
    /// Number of whole records in the file (a partial tail does not count).
    virtual std::int64_t recordCount() = 0;
    /// Reads record n (from 1) into out (resized to the record length).
    /// Fails for n < 1 or past the last whole record.
    virtual Status read(std::int64_t n, std::string& out) = 0;
    /// Writes record n (from 1); data shorter than a record is padded with
    /// zero bytes, longer is refused. Writing past the end extends the file.
    virtual Status write(std::int64_t n, const std::string& data) = 0;
    /// Flushes written records to the disc.
    virtual Status sync() = 0;
};

/// One running or finished child process, opened with the synchronise right.
using ProcessHandle = std::intptr_t;

/// An operating-system lock on a folder, held until the object is destroyed.
/// The system drops it when the process ends in any way, so a crash leaves
/// no stale lock behind; programs the process starts do not inherit it.
class FolderLock {
public:
    virtual ~FolderLock() = default;
};

class Platform {
public:
    virtual ~Platform() = default;

    // ---- Existence and listing -------------------------------------------
    /// True when path names an existing file (not a folder).
    virtual bool fileExists(const std::string& path) = 0;
    /// True when path names an existing folder or file: a listing that
    /// includes folders yields a name.
    virtual bool entryExists(const std::string& path) = 0;
    /// True when path names an existing folder.
    virtual bool folderExists(const std::string& path) = 0;
    /// The name as the file system spells it (last component), or "" when
    /// nothing of that name exists or the path is a drive's root.
    virtual std::string realName(const std::string& path) = 0;
    /// Names (no folder) of the files in folder matching one or several
    /// patterns separated by ";" (Windows wildcards: "*", "?", "*.*" also
    /// matches names without a dot), sorted by name without regard to case.
    /// A folder that does not exist fails with NotFound, one that cannot be
    /// read with the reason; an empty pattern gives no names.
    virtual Result<std::vector<std::string>> listFiles(const std::string& folder,
                                                       const std::string& patterns) = 0;
    /// Names of the sub-folders of folder ("." and ".." left out), sorted by
    /// name without regard to case. Fails as listFiles does.
    virtual Result<std::vector<std::string>> listFolders(const std::string& folder) = 0;
    /// Names of files and folders together that match the patterns, sorted
    /// by name without regard to case (a listing "with directories").
    virtual Result<std::vector<std::string>> listEntries(const std::string& folder,
                                                         const std::string& patterns) = 0;
    /// Size in bytes, or -1 when the file does not exist.
    virtual std::int64_t fileSize(const std::string& path) = 0;

    // ---- File and folder operations ----------------------------------------
    /// Copies a file; an existing target is replaced. The copy is made under
    /// a temporary name beside the target and renamed over it, so a failed
    /// copy leaves the target as it was. It is not flushed to the disc: a
    /// caller that deletes the source afterwards calls syncFile first.
    virtual Status copyFile(const std::string& from, const std::string& to) = 0;
    /// Flushes a file's content and its name in its folder to the disc. Needed
    /// only where the copy is about to become the sole one (a move that copies,
    /// then deletes its source); until it succeeds a power cut may lose the copy.
    virtual Status syncFile(const std::string& path) = 0;
    /// Renames or moves a file within one drive; an existing target is
    /// replaced atomically. The folder (both, when they differ) is flushed to
    /// the disc after it, as far as the file system allows.
    virtual Status renameFile(const std::string& from, const std::string& to) = 0;
    virtual Status deleteFile(const std::string& path) = 0;
    virtual Status makeFolder(const std::string& path) = 0;
    virtual Status removeFolder(const std::string& path) = 0;
    /// Renames a folder; flushed to the disc like renameFile.
    virtual Status renameFolder(const std::string& from, const std::string& to) = 0;
    /// Until the matching flushDeferredFolders, renames leave their folders
    /// to be flushed once each at its end: a batch of renames that is made
    /// safe as a whole (a staged change with its intent record) need not wait
    /// for the disc after every file. Calls may nest.
    virtual void deferFolderFlushes() {}
    virtual void flushDeferredFolders() {}
    /// Removes the temporary files that whole-file writes of processes no
    /// longer running left in a folder: a kill or a power cut between the
    /// write and its rename leaves one. A missing folder holds none.
    virtual Status removeStaleTemporaries(const std::string& folder) = 0;

    // ---- Identity and locks -------------------------------------------------
    /// True when both paths name one existing file or folder by the host's
    /// identity (device and inode, or volume serial and file index), however
    /// spelt: other case, links, relative forms. False when either does not
    /// exist; an error for a path no file system may hold.
    virtual Result<bool> sameEntry(const std::string& a, const std::string& b) = 0;
    /// Locks an existing folder for this process: exclusive, not waiting,
    /// held by the returned object. A null lock when another process (or
    /// another lock object) holds it already; an error naming the folder and
    /// the reason when it cannot be taken at all.
    virtual Result<std::unique_ptr<FolderLock>> lockFolder(const std::string& path) = 0;

    // ---- Whole files --------------------------------------------------------
    /// The whole content of a file, bytes as stored.
    virtual Result<std::string> readFile(const std::string& path) = 0;
    /// Replaces a file with content: written to a temporary file in the same
    /// folder, synced, then renamed over the target. On failure the old file
    /// is left untouched and no temporary file remains.
    virtual Status writeFile(const std::string& path, const std::string& content) = 0;

    // ---- Fixed-record files ------------------------------------------------
    /// Opens a record file, creating it empty when missing and create is set.
    virtual Result<std::unique_ptr<RecordFile>> openRecordFile(const std::string& path,
                                                               std::size_t recordLength,
                                                               bool create) = 0;

    // ---- Drives and the working folder ---------------------------------------
    /// Drive letters in upper case, in drive order.
    virtual std::vector<char> drives() = 0;
    virtual DriveType driveType(char letter) = 0;
    /// True when the drive's root can be listed.
    virtual bool driveReady(char letter) = 0;
    /// The working folder in Windows form, ending in "\".
    virtual std::string currentFolder() = 0;
    virtual Status setCurrentFolder(const std::string& path) = 0;

    // ---- Processes ----------------------------------------------------------
    /// Starts a program: the first word of commandLine is the program (a
    /// Windows path, or a name looked up as the host does), the rest are its
    /// arguments. Returns its process identifier, or why it cannot start
    /// (NotFound when there is no such program). The child starts in the
    /// working folder. With an outputFile its standard output and error go
    /// to that file, replacing it.
    virtual Result<std::int64_t> startProgram(const std::string& commandLine, WindowState state,
                                              const std::string& outputFile) = 0;
    /// OpenProcess with the synchronise right only; 0 when no handle.
    virtual ProcessHandle openProcess(std::int64_t processId) = 0;
    /// WaitForSingleObject with no time limit: returns once the process ended.
    virtual void waitForProcess(ProcessHandle handle) = 0;
    virtual void closeProcess(ProcessHandle handle) = 0;

    // ---- Other --------------------------------------------------------------
    virtual void beep() = 0;
    /// The host path a Windows path maps to ("" when it leads to no drive or
    /// is refused).
    /// For diagnostics and for handing paths to host tools only.
    virtual std::string hostPath(const std::string& path) = 0;
};

/// The platform in use: the host's own unless a test has installed another.
Platform& Current();

/// Installs another platform for as long as this object lives (tests, fault
/// injection). Not thread-safe; there is one user-interface thread.
class ScopedPlatform {
public:
    explicit ScopedPlatform(Platform& replacement);
    ~ScopedPlatform();
    ScopedPlatform(const ScopedPlatform&) = delete;
    ScopedPlatform& operator=(const ScopedPlatform&) = delete;

private:
    Platform* previous_;
};

/// The host implementation (POSIX here, Win32 on Windows).
std::unique_ptr<Platform> MakeHostPlatform();

}  // namespace qv::platform
