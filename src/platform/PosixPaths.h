// Maps Windows paths onto host paths through the drive map, matching each
// component without regard to case when the exact name is missing.
//
// Every path is first made whole in Windows terms: a relative or
// drive-relative one is put after the working folder (another drive's
// current folder is its root), and ".." climbs no higher than the drive's
// root, so only names below a drive's host folder ever reach the host.
// Symbolic links are followed as the host follows them: they are the
// administrator's own mapping. Components turn from Windows-1252 into UTF-8.
#pragma once

#include <sys/stat.h>

#include <map>
#include <string>
#include <vector>

#include "platform/DriveMap.h"
#include "platform/PosixNameCache.h"

namespace qv::platform {

/// Where a Windows path lands on the host.
struct HostTarget {
    bool mapped = false;   // false: the path leads to no drive, see refusal
    std::string refusal;   // why it does not, when !mapped
    std::string host;      // absolute host path
    bool exists = false;
    struct stat st {};     // valid when exists
    std::string parent;    // host path of the containing folder ("" for a drive root)
    std::string name;      // last component as on disc, or as given when missing (host form)
    bool parentExists = false;  // the containing folder exists (set when !exists)
    bool endsWithSeparator = false;
};

class PathResolver {
public:
    explicit PathResolver(DriveMap map) : map_(std::move(map)) {}

    const DriveMap& driveMap() const { return map_; }
    void setDriveMap(DriveMap map);

    /// Resolves a Windows path. An existing exact-case path costs one stat.
    HostTarget resolve(const std::string& path);
    /// Absolute host path of a Windows path, components matched case-blind;
    /// "" when its drive is unmapped.
    std::string hostPath(const std::string& path);

    /// Host path of the entry of a host folder whose name matches name
    /// without regard to case (the exact spelling first); "" when none.
    std::string findInHostFolder(const std::string& folder, const std::string& name, struct stat& st);

    /// The working folder in Windows form, ending in "\".
    std::string currentFolder() const;

    NameCache& cache() { return cache_; }
    /// Tell the cache the program changed a folder (see NameCache::noteChange).
    class FolderChange;

private:
    /// The drive the working folder lies on and the host names below its
    /// root; false when it lies on none.
    bool workingLocation(char& letter, std::vector<std::string>& parts) const;
    /// A drive's host folder with every link resolved ("" while missing).
    const std::string& canonicalFolder(char letter, const std::string& folder) const;

    DriveMap map_;
    mutable std::map<char, std::string> canonical_;
    NameCache cache_;
};

/// Brackets the program's own change of one folder so the name cache is
/// patched instead of rescanned. Costs two stats, only while the cache holds
/// anything.
class PathResolver::FolderChange {
public:
    FolderChange(PathResolver& resolver, const std::string& folder);
    ~FolderChange();
    void added(const std::string& name) { added_ = name; }
    void removed(const std::string& name) { removed_ = name; }

private:
    PathResolver& resolver_;
    std::string folder_;
    bool watching_ = false;
    struct stat before_ {};
    std::string added_, removed_;
};

/// Joins a host folder and a name ("." stands for the working folder).
std::string JoinHost(const std::string& folder, const std::string& name);

}  // namespace qv::platform
