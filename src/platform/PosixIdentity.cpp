// Entries by identity and folder locks of the POSIX platform.
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

#include "platform/PosixErrors.h"
#include "platform/PosixPlatform.h"
#include "platform/PosixSysCalls.h"
#include "platform/WindowsPath.h"

namespace qv::platform {
namespace {

// flock belongs to the open file: it ends when the last descriptor closes,
// also at a crash. It is never unlocked explicitly, since a forked child
// shares the descriptor and would release its parent's lock with it.
class PosixFolderLock : public FolderLock {
public:
    explicit PosixFolderLock(int fd) : fd_(fd) {}
    ~PosixFolderLock() override { close(fd_); }

private:
    int fd_;
};

}  // namespace

Result<bool> PosixPlatform::sameEntry(const std::string& a, const std::string& b) {
    for (const std::string* path : {&a, &b})
        if (HasControlCharacter(*path)) return ControlCharacterStatus(*path);
    HostTarget ta = resolver_.resolve(a);
    HostTarget tb = resolver_.resolve(b);
    return ta.exists && tb.exists && ta.st.st_dev == tb.st.st_dev && ta.st.st_ino == tb.st.st_ino;
}

Result<std::unique_ptr<FolderLock>> PosixPlatform::lockFolder(const std::string& path) {
    HostTarget t = resolver_.resolve(path);
    if (!t.mapped) return RefusedStatus(path, t.refusal);
    if (!t.exists) return FailStatus(path, "no such folder");
    if (!S_ISDIR(t.st.st_mode)) return FailStatus(path, "not a folder");
    // O_CLOEXEC: programs started later must not keep the lock alive.
    int fd = Sys().open(t.host.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0);
    if (fd < 0) return ErrnoStatus(path, errno);
    while (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        if (error == EINTR) continue;
        close(fd);
        if (error == EWOULDBLOCK) return std::unique_ptr<FolderLock>();
        return FailStatus(path, "cannot be locked: " + ErrnoText(error));
    }
    return std::unique_ptr<FolderLock>(std::make_unique<PosixFolderLock>(fd));
}

}  // namespace qv::platform
