// The per-folder name cache behind case-blind lookups.
#include "platform/PosixNameCache.h"

#include <dirent.h>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "platform/CaseFold.h"
#include "platform/PosixSysCalls.h"

namespace qv::platform {
namespace {

const std::int64_t kRacyNs = 2'000'000'000;
// Enough for the folders one session works in; past it start afresh.
const std::size_t kMaxEntries = 64;

std::int64_t NowNs() {
    struct timespec ts {};
    clock_gettime(CLOCK_REALTIME, &ts);
    return static_cast<std::int64_t>(ts.tv_sec) * 1'000'000'000 + ts.tv_nsec;
}

void AddName(std::unordered_map<std::string, std::vector<std::string>>& names, const std::string& name) {
    auto& spellings = names[FoldCase(name)];
    auto at = std::lower_bound(spellings.begin(), spellings.end(), name);
    if (at == spellings.end() || *at != name) spellings.insert(at, name);
}

void RemoveName(std::unordered_map<std::string, std::vector<std::string>>& names, const std::string& name) {
    auto it = names.find(FoldCase(name));
    if (it == names.end()) return;
    auto& spellings = it->second;
    spellings.erase(std::remove(spellings.begin(), spellings.end(), name), spellings.end());
    if (spellings.empty()) names.erase(it);
}

}  // namespace

std::int64_t ModifiedNs(const struct stat& st) {
    return static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec;
}

NameCache::Key NameCache::KeyOf(const struct stat& st) {
    return {static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino)};
}

bool NameCache::build(const std::string& folder, const struct stat& folderStat, Entry& entry) {
    ++scans_;
    entry = Entry();
    // Taken before reading, so a change during the scan counts as racy.
    entry.builtNs = NowNs();
    entry.mtimeNs = ModifiedNs(folderStat);
    int fd = Sys().open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0);
    if (fd < 0) return false;
    long flags = 0;
    if (ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0 && (flags & FS_CASEFOLD_FL)) {
        entry.caseBlindFolder = true;
        close(fd);
        return true;
    }
    DIR* dir = Sys().fdopendir(fd);
    if (!dir) {
        close(fd);
        return false;
    }
    // A listing cut short must not be taken for the whole folder: the names
    // it missed would count as absent.
    for (;;) {
        errno = 0;
        struct dirent* e = Sys().readdir(dir);
        if (!e) break;
        if (std::strcmp(e->d_name, ".") == 0 || std::strcmp(e->d_name, "..") == 0) continue;
        AddName(entry.names, e->d_name);
    }
    const bool whole = errno == 0;
    closedir(dir);
    return whole;
}

std::vector<std::string> NameCache::find(const std::string& folder, const struct stat& folderStat,
                                         const std::string& name) {
    Key key = KeyOf(folderStat);
    std::string folded = FoldCase(name);
    auto it = entries_.find(key);
    if (it != entries_.end() && it->second.mtimeNs == ModifiedNs(folderStat)) {
        const Entry& entry = it->second;
        if (entry.caseBlindFolder) return {};
        auto hit = entry.names.find(folded);
        if (hit != entry.names.end()) return hit->second;
        if (entry.patched || entry.builtNs - entry.mtimeNs > kRacyNs) return {};
    }
    if (it == entries_.end()) {
        if (entries_.size() >= kMaxEntries) entries_.clear();
        it = entries_.emplace(key, Entry()).first;
    }
    if (!build(folder, folderStat, it->second)) {
        entries_.erase(it);
        return {};
    }
    auto hit = it->second.names.find(folded);
    return hit == it->second.names.end() ? std::vector<std::string>() : hit->second;
}

void NameCache::forget(const struct stat& folderStat) { entries_.erase(KeyOf(folderStat)); }

void NameCache::noteChange(const struct stat& before, const struct stat& after, const std::string& added,
                           const std::string& removed) {
    auto it = entries_.find(KeyOf(before));
    if (it == entries_.end()) return;
    Entry& entry = it->second;
    if (KeyOf(before) != KeyOf(after) || entry.mtimeNs != ModifiedNs(before)) {
        entries_.erase(it);
        return;
    }
    if (!removed.empty()) RemoveName(entry.names, removed);
    if (!added.empty()) AddName(entry.names, added);
    entry.mtimeNs = ModifiedNs(after);
    // A folder kept with sub-second times shows any stranger's change at
    // once, except one within the same clock tick as this change: absences
    // are then trusted, or a run of changes (a thousand copies into one
    // folder) would read the whole folder again for every new name.
    if (entry.mtimeNs % 1'000'000'000 != 0) entry.patched = true;
}

}  // namespace qv::platform
