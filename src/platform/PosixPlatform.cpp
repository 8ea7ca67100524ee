// The POSIX platform: drive map, existence tests, listings and drives. File
// operations, record files and processes are in the other Posix* files.
#include "platform/PosixPlatform.h"

#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>

#include "platform/CaseFold.h"
#include "platform/CodePage1252.h"
#include "platform/PosixErrors.h"
#include "platform/PosixSysCalls.h"
#include "platform/Wildcard.h"

namespace qv::platform {
namespace {

bool ReadWholeHostFile(const std::string& path, std::string& out) {
    int fd = Sys().open(path.c_str(), O_RDONLY | O_CLOEXEC, 0);
    if (fd < 0) return false;
    char buffer[8192];
    for (;;) {
        ssize_t got = Sys().read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) {
            close(fd);
            return got == 0;
        }
        out.append(buffer, static_cast<std::size_t>(got));
    }
}

std::string AbsoluteHost(const std::string& path) {
    if (!path.empty() && path[0] == '/') return path;
    char buffer[PATH_MAX];
    if (!getcwd(buffer, sizeof buffer)) return path;
    return std::string(buffer) + "/" + path;
}

std::string FolderOf(const std::string& hostPath) {
    std::size_t slash = hostPath.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : hostPath.substr(0, slash);
}

}  // namespace

PosixPlatform::PosixPlatform() : PosixPlatform(AbsoluteHost("Drives.cfg")) {}

PosixPlatform::PosixPlatform(const std::string& driveMapHostPath)
    : mapFile_(driveMapHostPath.empty() ? "" : AbsoluteHost(driveMapHostPath)), resolver_(DefaultDriveMap()) {
    reloadDriveMap();
}

PosixPlatform::~PosixPlatform() = default;

void PosixPlatform::reloadDriveMap() {
    mapProblems_.clear();
    std::string text;
    if (mapFile_.empty() || !ReadWholeHostFile(mapFile_, text)) {
        if (!mapFile_.empty() && errno != ENOENT) mapProblems_.push_back(mapFile_ + ": " + ErrnoText(errno));
        resolver_.setDriveMap(DefaultDriveMap());
        return;
    }
    DriveMapParse parsed = ParseDriveMap(text);
    mapProblems_ = parsed.problems;
    // Relative host folders are taken from the map file's own folder.
    for (auto& [letter, entry] : parsed.drives)
        if (entry.hostFolder[0] != '/') entry.hostFolder = FolderOf(mapFile_) + "/" + entry.hostFolder;
    resolver_.setDriveMap(parsed.drives);
}

bool PosixPlatform::fileExists(const std::string& path) {
    HostTarget t = resolver_.resolve(path);
    return t.exists && S_ISREG(t.st.st_mode) && !t.endsWithSeparator;
}

bool PosixPlatform::entryExists(const std::string& path) {
    HostTarget t = resolver_.resolve(path);
    return t.exists && (S_ISREG(t.st.st_mode) || S_ISDIR(t.st.st_mode));
}

bool PosixPlatform::folderExists(const std::string& path) {
    HostTarget t = resolver_.resolve(path);
    return t.exists && S_ISDIR(t.st.st_mode);
}

std::string PosixPlatform::realName(const std::string& path) {
    HostTarget t = resolver_.resolve(path);
    std::string name;
    return t.exists && Utf8ToCp1252(t.name, name) ? name : "";
}

std::int64_t PosixPlatform::fileSize(const std::string& path) {
    HostTarget t = resolver_.resolve(path);
    if (!t.exists || !S_ISREG(t.st.st_mode)) return -1;
    return static_cast<std::int64_t>(t.st.st_size);
}

Result<std::vector<std::string>> PosixPlatform::list(const std::string& folder, const std::string& patterns, int kinds) {
    std::vector<std::string> names;
    WildcardSet masks(patterns);
    if (masks.empty()) return names;
    HostTarget t = resolver_.resolve(folder);
    if (!t.mapped) return RefusedStatus(folder, t.refusal);
    if (!t.exists) return FailStatus(folder, "no such folder", ErrorKind::NotFound);
    if (!S_ISDIR(t.st.st_mode)) return FailStatus(folder, "not a folder", ErrorKind::NotAFolder);
    DIR* dir = Sys().opendir(t.host.c_str());
    if (!dir) return ErrnoStatus(folder, errno);
    int readError = 0;
    for (;;) {
        // Only readdir's own errno tells a failed read from the end.
        errno = 0;
        struct dirent* e = Sys().readdir(dir);
        if (!e) {
            readError = errno;
            break;
        }
        const char* name = e->d_name;
        if (std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0) continue;
        std::string suiteName;  // a name the suite cannot spell is left out
        if (!HostNameToSuite(name, suiteName)) continue;
        bool isFolder = e->d_type == DT_DIR;
        bool isFile = e->d_type == DT_REG;
        if (e->d_type == DT_LNK || e->d_type == DT_UNKNOWN) {
            // Links count as what they point at; dangling ones are left out.
            struct stat st {};
            if (fstatat(dirfd(dir), name, &st, 0) != 0) continue;
            isFolder = S_ISDIR(st.st_mode);
            isFile = S_ISREG(st.st_mode);
        }
        if (!((isFile && (kinds & kFiles)) || (isFolder && (kinds & kFolders)))) continue;
        if (masks.matches(suiteName)) names.push_back(std::move(suiteName));
    }
    closedir(dir);
    if (readError != 0) return ErrnoStatus(folder, readError);
    SortNames(names);
    return names;
}

Result<std::vector<std::string>> PosixPlatform::listFiles(const std::string& folder, const std::string& patterns) {
    return list(folder, patterns, kFiles);
}

Result<std::vector<std::string>> PosixPlatform::listFolders(const std::string& folder) {
    return list(folder, "*", kFolders);
}

Result<std::vector<std::string>> PosixPlatform::listEntries(const std::string& folder, const std::string& patterns) {
    return list(folder, patterns, kFiles | kFolders);
}

std::vector<char> PosixPlatform::drives() {
    std::vector<char> letters;
    for (const auto& entry : resolver_.driveMap()) letters.push_back(entry.first);
    return letters;
}

DriveType PosixPlatform::driveType(char letter) {
    auto it = resolver_.driveMap().find(FoldCase(letter));
    return it == resolver_.driveMap().end() ? DriveType::NoRootDir : it->second.type;
}

bool PosixPlatform::driveReady(char letter) {
    auto it = resolver_.driveMap().find(FoldCase(letter));
    if (it == resolver_.driveMap().end()) return false;
    DIR* dir = Sys().opendir(it->second.hostFolder.c_str());
    if (!dir) return false;
    errno = 0;
    bool readable = Sys().readdir(dir) != nullptr || errno == 0;
    closedir(dir);
    return readable;
}

std::string PosixPlatform::currentFolder() { return resolver_.currentFolder(); }

Status PosixPlatform::setCurrentFolder(const std::string& path) {
    HostTarget t = resolver_.resolve(path);
    if (!t.mapped) return RefusedStatus(path, t.refusal);
    if (!t.exists) return FailStatus(path, "no such folder", ErrorKind::NotFound);
    if (!S_ISDIR(t.st.st_mode)) return FailStatus(path, "not a folder", ErrorKind::NotAFolder);
    if (chdir(t.host.c_str()) != 0) return ErrnoStatus(path, errno);
    return Status::Ok();
}

void PosixPlatform::beep() {
    // Only when stderr can take it at once: a full pipe must not stall the UI.
    struct pollfd p {};
    p.fd = STDERR_FILENO;
    p.events = POLLOUT;
    if (poll(&p, 1, 0) == 1 && (p.revents & POLLOUT)) {
        ssize_t ignored = write(STDERR_FILENO, "\a", 1);
        (void)ignored;
    }
}

std::string PosixPlatform::hostPath(const std::string& path) { return resolver_.hostPath(path); }

std::unique_ptr<Platform> MakeHostPlatform() { return std::make_unique<PosixPlatform>(); }

}  // namespace qv::platform
