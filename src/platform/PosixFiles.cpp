// File and folder operations and whole-file reading and writing of the POSIX
// platform.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/CodePage1252.h"
#include "platform/PosixAtomicFile.h"
#include "platform/PosixErrors.h"
#include "platform/PosixPlatform.h"
#include "platform/PosixSysCalls.h"
#include "platform/WindowsPath.h"

namespace qv::platform {
namespace {

bool SameEntry(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

/// The last component of a Windows path as the caller spelt it, in host form.
std::string GivenName(const std::string& path) {
    WindowsPath wp = ParseWindowsPath(path);
    std::string name;
    return !wp.parts.empty() && Cp1252ToUtf8(wp.parts.back(), name) ? name : "";
}

/// Refuses a path that does not name an existing file.
Status RequireFile(const HostTarget& t, const std::string& path) {
    if (!t.mapped) return RefusedStatus(path, t.refusal);
    if (!t.exists) return FailStatus(path, "no such file", ErrorKind::NotFound);
    if (!S_ISREG(t.st.st_mode)) return FailStatus(path, "not a file", ErrorKind::NotAFolder);
    return Status::Ok();
}

class Fd {
public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd() {
        if (fd_ >= 0) close(fd_);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

}  // namespace

Status PosixPlatform::copyFile(const std::string& from, const std::string& to) {
    HostTarget src = resolver_.resolve(from);
    if (Status refused = RequireFile(src, from); !refused) return refused;
    HostTarget dst = resolver_.resolve(to);
    if (!dst.mapped) return RefusedStatus(to, dst.refusal);
    if (dst.exists && !S_ISREG(dst.st.st_mode)) return FailStatus(to, "a folder of that name exists", ErrorKind::NotAFolder);
    if (!dst.exists && !dst.parentExists) return FailStatus(to, "the folder does not exist", ErrorKind::NotFound);

    Fd in(Sys().open(src.host.c_str(), O_RDONLY | O_CLOEXEC, 0));
    if (in.get() < 0) return ErrnoStatus(from, errno);
    struct stat st {};
    if (fstat(in.get(), &st) != 0) return ErrnoStatus(from, errno);
    PathResolver::FolderChange change(resolver_, dst.parent);
    AtomicFile out(dst.parent, dst.name, to);
    Status s = out.open(st.st_mode);
    if (s) s = out.copyFrom(in.get(), st.st_size);
    // The source stays, so the copy need not reach the disc now; a flush per
    // file would make copying a set several times slower than cp.
    if (s) s = out.commit(AtomicFile::Durability::Unsynced);
    if (s && !dst.exists) change.added(dst.name);
    return s;
}

void PosixPlatform::deferFolderFlushes() { BeginDeferredFolderSyncs(); }

void PosixPlatform::flushDeferredFolders() { EndDeferredFolderSyncs(); }

Status PosixPlatform::syncFile(const std::string& path) {
    HostTarget t = resolver_.resolve(path);
    if (Status refused = RequireFile(t, path); !refused) return refused;
    // fsync works through a read-only descriptor, so read-only files sync too.
    Fd fd(Sys().open(t.host.c_str(), O_RDONLY | O_CLOEXEC, 0));
    if (fd.get() < 0) return ErrnoStatus(path, errno);
    if (Sys().fsync(fd.get()) != 0) return FailStatus(path, "cannot flush to the disc: " + ErrnoText(errno), ErrnoKind(errno));
    // The folder holds the file's name: without it a fresh name may vanish.
    Fd folder(Sys().open(t.parent.empty() ? "." : t.parent.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0));
    if (folder.get() < 0) return FailStatus(path, "cannot flush its folder to the disc: " + ErrnoText(errno), ErrnoKind(errno));
    // Some file systems cannot sync a folder and say so; their names are
    // safe by other means, so only a real failure counts.
    if (Sys().fsync(folder.get()) != 0 && errno != EINVAL && errno != ENOTSUP && errno != EOPNOTSUPP)
        return FailStatus(path, "cannot flush its folder to the disc: " + ErrnoText(errno), ErrnoKind(errno));
    return Status::Ok();
}

Status PosixPlatform::moveEntry(const std::string& from, const std::string& to, bool folder) {
    HostTarget src = resolver_.resolve(from);
    if (!src.mapped) return RefusedStatus(from, src.refusal);
    if (!src.exists) return FailStatus(from, folder ? "no such folder" : "no such file", ErrorKind::NotFound);
    if (folder ? !S_ISDIR(src.st.st_mode) : !S_ISREG(src.st.st_mode))
        return FailStatus(from, folder ? "not a folder" : "not a file", ErrorKind::NotAFolder);
    if (src.parent.empty()) return FailStatus(from, "a drive's root cannot be renamed");
    HostTarget dst = resolver_.resolve(to);
    if (!dst.mapped) return RefusedStatus(to, dst.refusal);
    std::string name = dst.name;
    if (dst.exists && SameEntry(dst.st, src.st)) {
        // The same entry under another case: the rename changes the spelling.
        name = GivenName(to);
        if (name == src.name && dst.parent == src.parent) return Status::Ok();
    } else if (dst.exists) {
        if (folder) return FailStatus(to, "already exists", ErrorKind::Exists);
        if (!S_ISREG(dst.st.st_mode)) return FailStatus(to, "a folder of that name exists", ErrorKind::NotAFolder);
    } else if (!dst.parentExists) {
        return FailStatus(to, "the folder does not exist", ErrorKind::NotFound);
    }
    std::string target = JoinHost(dst.parent, name);

    PathResolver::FolderChange fromChange(resolver_, src.parent);
    std::unique_ptr<PathResolver::FolderChange> toChange;
    if (dst.parent != src.parent) toChange = std::make_unique<PathResolver::FolderChange>(resolver_, dst.parent);
    if (Sys().rename(src.host.c_str(), target.c_str()) != 0) {
        int error = errno;
        return FailStatus(from, "cannot move to " + to + ": " + ErrnoText(error), ErrnoKind(error));
    }
    fromChange.removed(src.name);
    (toChange ? *toChange : fromChange).added(name);
    // Without this a power cut may bring back the old name, or neither.
    SyncHostFolder(src.parent);
    if (dst.parent != src.parent) SyncHostFolder(dst.parent);
    return Status::Ok();
}

Status PosixPlatform::renameFile(const std::string& from, const std::string& to) {
    return moveEntry(from, to, false);
}

Status PosixPlatform::renameFolder(const std::string& from, const std::string& to) {
    return moveEntry(from, to, true);
}

Status PosixPlatform::deleteFile(const std::string& path) {
    HostTarget t = resolver_.resolve(path);
    if (Status refused = RequireFile(t, path); !refused) return refused;
    PathResolver::FolderChange change(resolver_, t.parent);
    if (Sys().unlink(t.host.c_str()) != 0) return ErrnoStatus(path, errno);
    change.removed(t.name);
    return Status::Ok();
}

Status PosixPlatform::makeFolder(const std::string& path) {
    HostTarget t = resolver_.resolve(path);
    if (!t.mapped) return RefusedStatus(path, t.refusal);
    if (t.exists) return FailStatus(path, "already exists", ErrorKind::Exists);
    if (!t.parentExists) return FailStatus(path, "the folder above it does not exist", ErrorKind::NotFound);
    PathResolver::FolderChange change(resolver_, t.parent);
    if (Sys().mkdir(t.host.c_str(), 0755) != 0) return ErrnoStatus(path, errno);
    change.added(t.name);
    return Status::Ok();
}

Status PosixPlatform::removeFolder(const std::string& path) {
    HostTarget t = resolver_.resolve(path);
    if (!t.mapped) return RefusedStatus(path, t.refusal);
    if (!t.exists) return FailStatus(path, "no such folder", ErrorKind::NotFound);
    if (!S_ISDIR(t.st.st_mode)) return FailStatus(path, "not a folder", ErrorKind::NotAFolder);
    if (t.parent.empty()) return FailStatus(path, "a drive's root cannot be removed");
    PathResolver::FolderChange change(resolver_, t.parent);
    if (Sys().rmdir(t.host.c_str()) != 0) return ErrnoStatus(path, errno);
    // Its inode may be reused by a new folder.
    resolver_.cache().forget(t.st);
    change.removed(t.name);
    return Status::Ok();
}

Result<std::string> PosixPlatform::readFile(const std::string& path) {
    HostTarget t = resolver_.resolve(path);
    if (Status refused = RequireFile(t, path); !refused) return refused;
    Fd fd(Sys().open(t.host.c_str(), O_RDONLY | O_CLOEXEC, 0));
    if (fd.get() < 0) return ErrnoStatus(path, errno);
    std::string content;
    struct stat st {};
    if (fstat(fd.get(), &st) == 0 && st.st_size > 0) content.reserve(static_cast<std::size_t>(st.st_size));
    char buffer[65536];
    for (;;) {
        ssize_t got = Sys().read(fd.get(), buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return ErrnoStatus(path, errno);
        if (got == 0) break;
        content.append(buffer, static_cast<std::size_t>(got));
    }
    return content;
}

Status PosixPlatform::writeFile(const std::string& path, const std::string& content) {
    HostTarget t = resolver_.resolve(path);
    if (!t.mapped) return RefusedStatus(path, t.refusal);
    if (t.exists && !S_ISREG(t.st.st_mode)) return FailStatus(path, "a folder of that name exists", ErrorKind::NotAFolder);
    if (!t.exists && !t.parentExists) return FailStatus(path, "the folder does not exist", ErrorKind::NotFound);
    PathResolver::FolderChange change(resolver_, t.parent);
    AtomicFile out(t.parent, t.name, path);
    Status s = t.exists ? out.open(t.st.st_mode, &t.st) : out.open(0644);
    if (s) s = out.write(content.data(), content.size());
    if (s) s = out.commit();
    if (s && !t.exists) change.added(t.name);
    return s;
}

}  // namespace qv::platform
