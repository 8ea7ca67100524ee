// The system calls under the POSIX platform's file operations. They are made
// through one table so that tests can fail any of them where it happens; in
// production each costs one indirect call.
#pragma once

#include <dirent.h>
#include <sys/types.h>

namespace qv::platform {

struct SysCalls {
    int (*open)(const char* path, int flags, mode_t mode);
    ssize_t (*read)(int fd, void* buffer, size_t size);
    ssize_t (*pread)(int fd, void* buffer, size_t size, off_t offset);
    ssize_t (*write)(int fd, const void* data, size_t size);
    ssize_t (*pwrite)(int fd, const void* data, size_t size, off_t offset);
    int (*fsync)(int fd);
    int (*rename)(const char* from, const char* to);
    int (*unlink)(const char* path);
    ssize_t (*copyFileRange)(int in, off_t* inOffset, int out, off_t* outOffset, size_t size, unsigned flags);
    int (*mkdir)(const char* path, mode_t mode);
    int (*rmdir)(const char* path);
    DIR* (*opendir)(const char* path);
    DIR* (*fdopendir)(int fd);
    struct dirent* (*readdir)(DIR* dir);
};

/// The table the platform calls through; a test may replace entries and must
/// put the host's back.
SysCalls& Sys();
/// The host's own calls.
const SysCalls& HostSysCalls();

}  // namespace qv::platform
