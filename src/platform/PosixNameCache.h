// Remembers the names of folders scanned for a case-blind lookup, so that a
// name given in another case does not cost a scan of the whole folder.
//
// An entry is keyed by the folder's (device, inode) and holds the folder's
// modification time, the time it was built and the names by upper-case form.
// A caller hands in a fresh stat of the folder; an entry whose time differs
// is rebuilt. A cached "absent" is trusted only when the folder had not
// changed for more than 2 s when the entry was built: changes within one
// tick of the clock leave the time unchanged (git's "racy" rule); or when
// the folder keeps sub-second times and the program's own changes have
// kept the entry in step since.
// A folder the file system already treats without regard to case is not
// read at all: the exact lookup has answered for every spelling.
// Not thread-safe: the platform is used from one thread.
#pragma once

#include <sys/stat.h>

#include <cstdint>
#include <map>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace qv::platform {

class NameCache {
public:
    /// Spellings on disc of name (compared without regard to case) in the
    /// folder at host path folder, in byte order; empty when there is none.
    std::vector<std::string> find(const std::string& folder, const struct stat& folderStat,
                                  const std::string& name);
    /// Drops the entry of a folder (a cached name turned out stale).
    void forget(const struct stat& folderStat);
    /// The program itself added and/or removed a name ("" for none) in a
    /// folder; before and after are stats of the folder around the change.
    /// Patches the entry when it was up to date, else drops it.
    void noteChange(const struct stat& before, const struct stat& after, const std::string& added,
                    const std::string& removed);
    bool empty() const { return entries_.empty(); }
    void clear() { entries_.clear(); }
    /// Number of folder scans so far (for tests and measurements).
    std::uint64_t scans() const { return scans_; }

private:
    using Key = std::pair<std::uint64_t, std::uint64_t>;
    struct Entry {
        std::int64_t mtimeNs = 0;
        std::int64_t builtNs = 0;
        bool caseBlindFolder = false;
        bool patched = false;  // in step with the program's own changes: absences trusted
        std::unordered_map<std::string, std::vector<std::string>> names;
    };
    static Key KeyOf(const struct stat& st);
    bool build(const std::string& folder, const struct stat& folderStat, Entry& entry);

    std::map<Key, Entry> entries_;
    std::uint64_t scans_ = 0;
};

/// Modification time of a stat in nanoseconds.
std::int64_t ModifiedNs(const struct stat& st);

}  // namespace qv::platform
