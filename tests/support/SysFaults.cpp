// The fault table put in place of the host's system calls.
#include "support/SysFaults.h"

#include <unistd.h>

#include "platform/PosixSysCalls.h"

namespace qv::test {
namespace {

using platform::HostSysCalls;

struct State {
    SysFault fault;
    bool armed = false;
    int counted = 0;
    int fired = 0;
} g;

// Counts the call; true when it is to fail (errno set) or, for a short
// write, to put half its bytes.
bool Fires(SysKind kind) {
    if (!g.armed || !(g.fault.kinds & kind)) return false;
    ++g.counted;
    if (g.fault.persistent ? g.counted < g.fault.nth : g.counted != g.fault.nth) return false;
    ++g.fired;
    if (g.fault.exitCode) _exit(g.fault.exitCode);  // no clean-up, as a kill leaves it
    errno = g.fault.error;
    return true;
}

size_t Cut(size_t size) { return g.fault.shortWrite ? size / 2 : size; }

int Open(const char* p, int f, mode_t m) { return Fires(kSysOpen) ? -1 : HostSysCalls().open(p, f, m); }
ssize_t Read(int fd, void* b, size_t n) { return Fires(kSysRead) ? -1 : HostSysCalls().read(fd, b, n); }
ssize_t Pread(int fd, void* b, size_t n, off_t o) { return Fires(kSysRead) ? -1 : HostSysCalls().pread(fd, b, n, o); }
ssize_t Write(int fd, const void* d, size_t n) {
    if (!Fires(kSysWrite)) return HostSysCalls().write(fd, d, n);
    return g.fault.shortWrite ? HostSysCalls().write(fd, d, Cut(n)) : -1;
}
ssize_t Pwrite(int fd, const void* d, size_t n, off_t o) {
    if (!Fires(kSysWrite)) return HostSysCalls().pwrite(fd, d, n, o);
    return g.fault.shortWrite ? HostSysCalls().pwrite(fd, d, Cut(n), o) : -1;
}
// What reaches the disc is not what these tests look at, and flushing
// would cost most of their time.
int Fsync(int) { return Fires(kSysSync) ? -1 : 0; }
int Rename(const char* a, const char* b) { return Fires(kSysRename) ? -1 : HostSysCalls().rename(a, b); }
int Unlink(const char* p) { return Fires(kSysUnlink) ? -1 : HostSysCalls().unlink(p); }
ssize_t CopyRange(int in, off_t* io, int out, off_t* oo, size_t n, unsigned f) {
    return Fires(kSysCopyRange) ? -1 : HostSysCalls().copyFileRange(in, io, out, oo, n, f);
}
int MakeFolder(const char* p, mode_t m) { return Fires(kSysMakeFolder) ? -1 : HostSysCalls().mkdir(p, m); }
int RemoveFolder(const char* p) { return Fires(kSysRemoveFolder) ? -1 : HostSysCalls().rmdir(p); }
DIR* OpenFolder(const char* p) { return Fires(kSysList) ? nullptr : HostSysCalls().opendir(p); }
DIR* OpenFolderFd(int fd) { return Fires(kSysList) ? nullptr : HostSysCalls().fdopendir(fd); }
struct dirent* ReadFolder(DIR* d) { return Fires(kSysList) ? nullptr : HostSysCalls().readdir(d); }

}  // namespace

SysFaults::SysFaults() {
    g = State();
    platform::Sys() = {Open,   Read,         Pread,      Write,   Pwrite,   Fsync,      Rename, Unlink,
                       CopyRange, MakeFolder, RemoveFolder, OpenFolder, OpenFolderFd, ReadFolder};
}

SysFaults::~SysFaults() { platform::Sys() = HostSysCalls(); }

void SysFaults::arm(const SysFault& fault) {
    g.fault = fault;
    // Only writes can be short.
    if (fault.shortWrite) g.fault.kinds = kSysWrite;
    g.armed = true;
    g.counted = 0;
    g.fired = 0;
}

void SysFaults::disarm() { g.armed = false; }

int SysFaults::fired() const { return g.fired; }

}  // namespace qv::test
