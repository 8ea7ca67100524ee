// Windows path to host path mapping with case-blind component matching.
#include "platform/PosixPaths.h"

#include <unistd.h>

#include <cerrno>
#include <climits>

#include "platform/WindowsPath.h"

namespace qv::platform {
namespace {

std::string WorkingFolder() {
    std::string buffer(PATH_MAX, '\0');
    if (!getcwd(buffer.data(), buffer.size())) return "";
    buffer.resize(std::char_traits<char>::length(buffer.c_str()));
    return buffer;
}

/// The drive whose host folder is the longest prefix of hostFolder, and the
/// rest of the path after it; false when no drive holds it.
bool ReverseMap(const DriveMap& map, const std::string& hostFolder, char& letter, std::string& rest) {
    std::size_t best = 0;
    bool found = false;
    for (const auto& [drive, entry] : map) {
        const std::string& root = entry.hostFolder;
        bool holds = root == "/" ||
                     (hostFolder.compare(0, root.size(), root) == 0 &&
                      (hostFolder.size() == root.size() || hostFolder[root.size()] == '/'));
        if (holds && (!found || root.size() > best)) {
            found = true;
            best = root.size();
            letter = drive;
            rest = hostFolder.substr(root == "/" ? 0 : root.size());
        }
    }
    return found;
}

std::string ToWindowsForm(char letter, const std::string& rest) {
    std::string out{letter, ':', '\\'};
    for (char c : rest) {
        if (c == '/') {
            if (out.back() != '\\') out += '\\';
        } else {
            out += c;
        }
    }
    if (out.back() != '\\') out += '\\';
    return out;
}

bool IsFolder(const struct stat& st) { return S_ISDIR(st.st_mode); }

}  // namespace

std::string JoinHost(const std::string& folder, const std::string& name) {
    if (name.empty()) return folder;
    if (folder == ".") return name;
    if (!folder.empty() && folder.back() == '/') return folder + name;
    return folder + "/" + name;
}

void PathResolver::setDriveMap(DriveMap map) {
    map_ = std::move(map);
    cache_.clear();
}

HostTarget PathResolver::resolve(const std::string& path) {
    HostTarget t;
    if (path.empty()) return t;
    WindowsPath wp = ParseWindowsPath(path);
    std::string base = ".";
    if (wp.drive != '\0' || wp.rooted) {
        char drive = wp.drive != '\0' ? wp.drive : currentDrive();
        auto it = map_.find(drive);
        if (it == map_.end()) return t;
        // "C:name" is relative to the working folder only when C: is its drive.
        if (wp.rooted || drive != currentDrive()) base = it->second.hostFolder;
    }
    t.mapped = true;
    t.endsWithSeparator = wp.endsWithSeparator;
    const auto& parts = wp.parts;
    const std::size_t n = parts.size();
    if (n == 0) {
        t.host = base;
        t.exists = stat(base.c_str(), &t.st) == 0;
        return t;
    }

    // Built in one buffer: this is the path of every exact-case lookup.
    std::string full;
    std::size_t length = base.size();
    for (const auto& part : parts) length += part.size() + 1;
    full.reserve(length);
    std::size_t parentLength = 0;
    if (base != ".") full = base;
    for (const auto& part : parts) {
        parentLength = full.size();
        if (!full.empty() && full.back() != '/') full += '/';
        full += part;
    }
    if (stat(full.c_str(), &t.st) == 0) {
        t.exists = true;
        t.name = parts.back();
        t.parent.assign(full, 0, parentLength);
        if (t.parent.empty()) t.parent = base;
        t.host = std::move(full);
        return t;
    }

    // Deepest folder of the path that exists as spelt; usually the parent.
    std::vector<std::string> prefixes(n);
    prefixes[0] = base;
    for (std::size_t i = 1; i < n; ++i) prefixes[i] = JoinHost(prefixes[i - 1], parts[i - 1]);
    std::size_t start = n;
    struct stat curSt {};
    for (std::size_t i = n; i-- > 0;) {
        if (stat(prefixes[i].c_str(), &curSt) == 0 && IsFolder(curSt)) {
            start = i;
            break;
        }
    }
    if (start == n) {  // not even the drive's folder is there
        t.host = full;
        t.name = parts.back();
        return t;
    }

    std::string cur = prefixes[start];
    for (std::size_t k = start; k < n; ++k) {
        const std::string& given = parts[k];
        const bool last = k + 1 == n;
        struct stat childSt {};
        std::string found;
        // Below start the exact spelling was tried already and failed.
        if (k > start) {
            std::string exact = JoinHost(cur, given);
            if (stat(exact.c_str(), &childSt) == 0 && (last || IsFolder(childSt))) found = given;
        }
        for (int attempt = 0; found.empty() && attempt < 2; ++attempt) {
            bool stale = false;
            for (const auto& spelling : cache_.find(cur, curSt, given)) {
                if (spelling == given && k == start) continue;
                if (stat(JoinHost(cur, spelling).c_str(), &childSt) == 0) {
                    if (last || IsFolder(childSt)) {
                        found = spelling;
                        break;
                    }
                } else if (errno == ENOENT) {
                    stale = true;
                }
            }
            if (!stale) break;
            cache_.forget(curSt);
        }
        if (found.empty()) {
            t.parent = cur;
            t.name = given;
            t.parentExists = last;
            std::string host = JoinHost(cur, given);
            for (std::size_t r = k + 1; r < n; ++r) host = JoinHost(host, parts[r]);
            t.host = host;
            return t;
        }
        if (last) {
            t.parent = cur;
            t.name = found;
            t.host = JoinHost(cur, found);
            t.exists = true;
            t.st = childSt;
            return t;
        }
        cur = JoinHost(cur, found);
        curSt = childSt;
    }
    return t;  // not reached: the loop returns at the last component
}

std::string PathResolver::findInHostFolder(const std::string& folder, const std::string& name, struct stat& st) {
    std::string exact = JoinHost(folder, name);
    if (stat(exact.c_str(), &st) == 0) return exact;
    struct stat folderSt {};
    if (stat(folder.c_str(), &folderSt) != 0 || !IsFolder(folderSt)) return "";
    for (const auto& spelling : cache_.find(folder, folderSt, name)) {
        std::string candidate = JoinHost(folder, spelling);
        if (stat(candidate.c_str(), &st) == 0) return candidate;
    }
    return "";
}

std::string PathResolver::hostPath(const std::string& path) {
    HostTarget t = resolve(path);
    if (!t.mapped) return "";
    if (!t.host.empty() && t.host[0] == '/') return t.host;
    return JoinHost(WorkingFolder(), t.host == "." ? "" : t.host);
}

std::string PathResolver::currentFolder() const {
    std::string cwd = WorkingFolder();
    char letter = 'C';
    std::string rest;
    // A working folder outside every drive is shown as if C: were the host root.
    if (!ReverseMap(map_, cwd, letter, rest)) rest = cwd;
    return ToWindowsForm(letter, rest);
}

char PathResolver::currentDrive() const {
    char letter = 'C';
    std::string rest;
    ReverseMap(map_, WorkingFolder(), letter, rest);
    return letter;
}

PathResolver::FolderChange::FolderChange(PathResolver& resolver, const std::string& folder)
    : resolver_(resolver), folder_(folder) {
    if (!resolver_.cache_.empty()) watching_ = stat(folder_.c_str(), &before_) == 0;
}

PathResolver::FolderChange::~FolderChange() {
    if (!watching_ || (added_.empty() && removed_.empty())) return;
    struct stat after {};
    if (stat(folder_.c_str(), &after) != 0) {
        resolver_.cache_.forget(before_);
        return;
    }
    resolver_.cache_.noteChange(before_, after, added_, removed_);
}

}  // namespace qv::platform
