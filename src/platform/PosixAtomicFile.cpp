// Whole-file replacement through a temporary file and rename.
#include "platform/PosixAtomicFile.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <set>
#include <utility>

#include "platform/PosixErrors.h"
#include "platform/PosixPaths.h"
#include "platform/PosixPlatform.h"
#include "platform/PosixSysCalls.h"

namespace qv::platform {
namespace {

std::atomic<unsigned> g_tempCounter{0};
std::function<void(const std::string&)> g_syncWatcher;

// Our temporary files are ".~qv<pid>-<n>.tmp": short, so a long target name
// cannot overflow NAME_MAX, and marked with the process that writes them.
std::string TemporaryName() {
    return ".~qv" + std::to_string(getpid()) + "-" + std::to_string(g_tempCounter++) + ".tmp";
}

// One of our temporary files whose process is gone. A process we may not
// signal, or our own pid reused after a restart, keeps its files.
bool IsStaleTemporary(const char* name) {
    long pid = 0;
    unsigned long counter = 0;
    int end = 0;
    if (std::sscanf(name, ".~qv%ld-%lu.tmp%n", &pid, &counter, &end) != 2 || end == 0 || name[end] != '\0')
        return false;
    return pid > 0 && pid != getpid() && kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
}

bool FallBackToPlainCopy(int error) {
    return error == EXDEV || error == ENOSYS || error == EINVAL || error == EOPNOTSUPP || error == EBADF ||
           error == EPERM;
}

}  // namespace

AtomicFile::AtomicFile(std::string folder, std::string name, std::string displayPath)
    : folder_(std::move(folder)), name_(std::move(name)), display_(std::move(displayPath)) {}

AtomicFile::~AtomicFile() { discard(); }

void AtomicFile::discard() {
    if (fd_ >= 0) close(fd_);
    fd_ = -1;
    // A passing failure gets a second try; a temporary file that still will
    // not go is named in the failure, so the user can remove it.
    if (!temp_.empty() && !committed_ && Sys().unlink(temp_.c_str()) != 0 && errno != ENOENT &&
        Sys().unlink(temp_.c_str()) != 0 && errno != ENOENT)
        left_ = temp_.substr(temp_.rfind('/') + 1);
    temp_.clear();
}

Status AtomicFile::fail(int error, const std::string& what) {
    discard();
    std::string reason = what.empty() ? ErrnoText(error) : what + ": " + ErrnoText(error);
    if (!left_.empty()) reason += "; its temporary file " + left_ + " is left beside it";
    return FailStatus(display_, reason, ErrnoKind(error));
}

Status AtomicFile::open(mode_t mode, const struct stat* keepOwnerOf) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string temp = JoinHost(folder_, TemporaryName());
        fd_ = Sys().open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd_ >= 0) {
            temp_ = temp;
            break;
        }
        // The temporary name is ours, not the user's: the refusal is the folder's.
        if (errno != EEXIST) return fail(errno, "");
    }
    if (fd_ < 0) return fail(EEXIST, "cannot create a temporary file");
    if (keepOwnerOf) {
        // Only root may give a file away; anyone else keeps their own.
        int ignored = fchown(fd_, keepOwnerOf->st_uid, keepOwnerOf->st_gid);
        (void)ignored;
        if (fchmod(fd_, mode & 07777) != 0) return fail(errno, "cannot set the file's permissions");
    } else if (mode != 0644 && fchmod(fd_, mode & 07777) != 0) {
        return fail(errno, "cannot set the file's permissions");
    }
    return Status::Ok();
}

Status AtomicFile::write(const char* data, std::size_t size) {
    while (size > 0) {
        ssize_t done = Sys().write(fd_, data, size);
        if (done < 0) {
            if (errno == EINTR) continue;
            return fail(errno, "cannot write");
        }
        if (done == 0) return fail(ENOSPC, "cannot write");
        data += done;
        size -= static_cast<std::size_t>(done);
    }
    return Status::Ok();
}

Status AtomicFile::copyFrom(int sourceFd, off_t size) {
    off_t copied = 0;
    bool fast = true;
    while (fast && copied < size) {
        off_t in = copied, out = copied;
        ssize_t done = Sys().copyFileRange(sourceFd, &in, fd_, &out, static_cast<std::size_t>(size - copied), 0);
        if (done < 0 && errno == EINTR) continue;
        if (done < 0 && !FallBackToPlainCopy(errno)) return fail(errno, "cannot copy");
        // Some file systems report 0 instead of an error: finish by hand.
        if (done <= 0) break;
        copied += done;
    }
    char buffer[65536];
    while (copied < size) {
        ssize_t got = Sys().pread(sourceFd, buffer, sizeof buffer, copied);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return fail(errno, "cannot read the source");
        if (got == 0) break;
        if (lseek(fd_, copied, SEEK_SET) < 0) return fail(errno, "cannot write");
        Status s = write(buffer, static_cast<std::size_t>(got));
        if (!s) return s;
        copied += got;
    }
    struct stat st {};
    if (fstat(fd_, &st) != 0) return fail(errno, "cannot check the copy");
    if (copied != size || st.st_size != size)
        return fail(EIO, "the copy has " + std::to_string(st.st_size) + " bytes instead of " + std::to_string(size));
    return Status::Ok();
}

Status AtomicFile::commit(Durability durability) {
    if (fd_ < 0) return FailStatus(display_, "no temporary file to commit");
    const bool synced = durability == Durability::Synced;
    if (synced && Sys().fsync(fd_) != 0) return fail(errno, "cannot flush to the disc");
    int fd = fd_;
    fd_ = -1;
    if (close(fd) != 0) return fail(errno, "cannot close");
    std::string target = JoinHost(folder_, name_);
    if (Sys().rename(temp_.c_str(), target.c_str()) != 0) return fail(errno, "cannot replace the file");
    committed_ = true;
    if (!synced) return Status::Ok();
    // The rename is done and readers see the new content; a folder that
    // cannot be synced does not undo it.
    SyncHostFolder(folder_);
    return Status::Ok();
}

namespace {
int g_deferDepth = 0;
std::set<std::string> g_deferred;
}  // namespace

void BeginDeferredFolderSyncs() { ++g_deferDepth; }

void EndDeferredFolderSyncs() {
    if (g_deferDepth == 0 || --g_deferDepth > 0) return;
    const std::set<std::string> folders = std::move(g_deferred);
    g_deferred.clear();
    for (const std::string& folder : folders) SyncHostFolder(folder);
}

void SyncHostFolder(const std::string& folder) {
    if (g_deferDepth > 0) {
        g_deferred.insert(folder);
        return;
    }
    if (g_syncWatcher) g_syncWatcher(folder);
    int dirFd = Sys().open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0);
    if (dirFd >= 0) {
        Sys().fsync(dirFd);
        close(dirFd);
    }
}

void SetFolderSyncWatcher(std::function<void(const std::string&)> watcher) { g_syncWatcher = std::move(watcher); }

Status PosixPlatform::removeStaleTemporaries(const std::string& folder) {
    HostTarget t = resolver_.resolve(folder);
    if (!t.mapped) return RefusedStatus(folder, t.refusal);
    if (!t.exists || !S_ISDIR(t.st.st_mode)) return Status::Ok();
    DIR* dir = Sys().opendir(t.host.c_str());
    if (!dir) return ErrnoStatus(folder, errno);
    std::vector<std::string> stale;
    while (struct dirent* e = Sys().readdir(dir))
        if (IsStaleTemporary(e->d_name)) stale.push_back(e->d_name);
    closedir(dir);
    for (const std::string& name : stale) {
        PathResolver::FolderChange change(resolver_, t.host);
        if (Sys().unlink(JoinHost(t.host, name).c_str()) != 0 && errno != ENOENT) return ErrnoStatus(folder, errno);
        change.removed(name);
    }
    if (!stale.empty()) SyncHostFolder(t.host);
    return Status::Ok();
}

}  // namespace qv::platform
