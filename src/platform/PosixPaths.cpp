// Windows path to host path mapping with case-blind component matching.
#include "platform/PosixPaths.h"

#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>

#include "platform/CodePage1252.h"
#include "platform/WindowsPath.h"

namespace qv::platform {
namespace {

std::string WorkingFolder() {
    std::string buffer(PATH_MAX, '\0');
    if (!getcwd(buffer.data(), buffer.size())) return "";
    buffer.resize(std::char_traits<char>::length(buffer.c_str()));
    return buffer;
}

/// True when root holds hostPath, with the rest of the path after it.
bool Holds(const std::string& root, const std::string& hostPath, std::string& rest) {
    if (root.empty()) return false;
    if (root == "/") {
        rest = hostPath;
        return true;
    }
    if (hostPath.compare(0, root.size(), root) != 0) return false;
    if (hostPath.size() != root.size() && hostPath[root.size()] != '/') return false;
    rest = hostPath.substr(root.size());
    return true;
}

std::vector<std::string> SplitHost(const std::string& rest) {
    std::vector<std::string> parts;
    for (std::size_t start = 0; start < rest.size();) {
        std::size_t end = rest.find('/', start);
        if (end == std::string::npos) end = rest.size();
        if (end > start) parts.push_back(rest.substr(start, end - start));
        start = end + 1;
    }
    return parts;
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
    t.refusal = "no drive holds this path";
    if (path.empty() || HasControlCharacter(path)) return t;
    WindowsPath wp = ParseWindowsPath(path);
    if (wp.network) {
        t.refusal = "no drive holds a network path";
        return t;
    }
    char drive = wp.drive;
    std::vector<std::string> parts;
    // Only a path that is not whole needs the working folder: a lookup of
    // "C:\..." costs no getcwd.
    if (drive == '\0' || !wp.rooted) {
        char working = '\0';
        std::vector<std::string> workingParts;
        const bool onDrive = workingLocation(working, workingParts);
        if (drive == '\0' && wp.rooted) {
            drive = onDrive ? working : 'C';
        } else if (drive == '\0' || drive == working) {
            if (!onDrive) {
                t.refusal = "the working folder is on no drive";
                return t;
            }
            drive = working;
            parts = std::move(workingParts);
        }
        // Any other drive's current folder is its root.
    }
    auto it = map_.find(drive);
    if (it == map_.end()) {
        t.refusal = std::string("drive ") + drive + ": does not exist";
        return t;
    }
    for (const std::string& part : wp.parts) {
        if (part == "..") {
            if (!parts.empty()) parts.pop_back();
            continue;
        }
        std::string hostName;
        unsigned char undefined = 0;
        if (!Cp1252ToUtf8(part, hostName, &undefined)) {
            char code[8];
            std::snprintf(code, sizeof code, "0x%02X", static_cast<unsigned>(undefined));
            t.refusal = std::string("the name holds ") + code + ", which code page 1252 does not define";
            return t;
        }
        parts.push_back(std::move(hostName));
    }
    const std::string& base = it->second.hostFolder;
    t.mapped = true;
    t.refusal.clear();
    t.endsWithSeparator = wp.endsWithSeparator;
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
    full = base;
    for (const auto& part : parts) {
        parentLength = full.size();
        if (!full.empty() && full.back() != '/') full += '/';
        full += part;
    }
    if (stat(full.c_str(), &t.st) == 0) {
        t.exists = true;
        t.name = parts.back();
        t.parent.assign(full, 0, parentLength);
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

const std::string& PathResolver::canonicalFolder(char letter, const std::string& folder) const {
    std::string& known = canonical_[letter];
    if (known.empty()) {
        if (char* real = realpath(folder.c_str(), nullptr)) {
            known = real;
            free(real);
        }
    }
    return known;
}

bool PathResolver::workingLocation(char& letter, std::vector<std::string>& parts) const {
    const std::string cwd = WorkingFolder();
    if (cwd.empty()) return false;
    // getcwd resolves links, so a drive's folder is also compared resolved.
    std::size_t best = 0;
    std::string bestRest;
    for (const auto& [drive, entry] : map_) {
        for (const std::string* root : {&entry.hostFolder, &canonicalFolder(drive, entry.hostFolder)}) {
            std::string rest;
            if (!Holds(*root, cwd, rest) || root->size() <= best) continue;
            best = root->size();
            letter = drive;
            bestRest = rest;
        }
    }
    if (best == 0) return false;
    parts = SplitHost(bestRest);
    return true;
}

std::string PathResolver::currentFolder() const {
    char letter = 'C';
    std::vector<std::string> parts;
    // A working folder outside every drive is shown as if C: were the host root.
    if (!workingLocation(letter, parts)) parts = SplitHost(WorkingFolder());
    std::string out{letter, ':', '\\'};
    for (const std::string& part : parts) {
        std::string name;
        out += Utf8ToCp1252(part, name) ? name : part;
        out += '\\';
    }
    return out;
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
