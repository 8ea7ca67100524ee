// Faults at the system calls under the POSIX platform: fails the Nth call of
// the chosen kinds with an errno, once or from then on, or makes the Nth
// write short. Counts the faults fired. One at a time; the host's calls
// come back when it is destroyed.
#pragma once

#include <cerrno>

namespace qv::test {

enum SysKind : unsigned {
    kSysOpen = 1u << 0,
    kSysRead = 1u << 1,       // read, pread
    kSysWrite = 1u << 2,      // write, pwrite
    kSysSync = 1u << 3,       // fsync
    kSysRename = 1u << 4,
    kSysUnlink = 1u << 5,
    kSysCopyRange = 1u << 6,  // copy_file_range
    kSysMakeFolder = 1u << 7,
    kSysRemoveFolder = 1u << 8,
    kSysList = 1u << 9,       // opendir, fdopendir, readdir
};
constexpr int kSysKinds = 10;
constexpr unsigned kSysAny = (1u << kSysKinds) - 1;

struct SysFault {
    unsigned kinds = kSysAny;
    int nth = 1;             // counted from 1 among calls of the kinds
    bool persistent = false; // every later call of the kinds fails too
    int error = EIO;
    bool shortWrite = false; // the write puts half its bytes instead of failing
    int exitCode = 0;        // not 0: the process ends there with this code, as if killed
};

/// The calls that change what is on the disc.
constexpr unsigned kSysChanges =
    kSysWrite | kSysSync | kSysRename | kSysUnlink | kSysCopyRange | kSysMakeFolder | kSysRemoveFolder;

class SysFaults {
public:
    SysFaults();
    ~SysFaults();
    SysFaults(const SysFaults&) = delete;
    SysFaults& operator=(const SysFaults&) = delete;

    /// Starts counting afresh for this fault.
    void arm(const SysFault& fault);
    void disarm();
    int fired() const;
};

}  // namespace qv::test
