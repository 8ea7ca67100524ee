// The host's system calls, as the POSIX platform makes them.
#include "platform/PosixSysCalls.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

namespace qv::platform {
namespace {

int Open(const char* path, int flags, mode_t mode) { return ::open(path, flags, mode); }

ssize_t CopyFileRange(int in, off_t* inOffset, int out, off_t* outOffset, size_t size, unsigned flags) {
    return ::copy_file_range(in, inOffset, out, outOffset, size, flags);
}

const SysCalls kHost = {Open,          ::read,  ::pread,  ::write,   ::pwrite,    ::fsync,     ::rename,
                        ::unlink,      CopyFileRange,     ::mkdir,   ::rmdir,     ::opendir,   ::fdopendir,
                        ::readdir};
SysCalls g_calls = kHost;

}  // namespace

SysCalls& Sys() { return g_calls; }

const SysCalls& HostSysCalls() { return kHost; }

}  // namespace qv::platform
