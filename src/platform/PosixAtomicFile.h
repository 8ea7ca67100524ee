// Replacing a file whole: a temporary file beside the target, written,
// synced and renamed over it; the folder is synced after (copies leave the
// syncing to their caller). Until commit() succeeds the target is untouched,
// and the temporary file never outlives the object.
#pragma once

#include <sys/stat.h>
#include <sys/types.h>

#include <functional>
#include <string>

#include "platform/Result.h"

namespace qv::platform {

class AtomicFile {
public:
    /// displayPath names the target in messages.
    AtomicFile(std::string folder, std::string name, std::string displayPath);
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    /// Creates the temporary file with the given permission bits; with
    /// keepOwnerOf set, also the owner of that existing file (best effort).
    Status open(mode_t mode, const struct stat* keepOwnerOf = nullptr);
    Status write(const char* data, std::size_t size);
    /// Copies all of an open file (size bytes) into the temporary file.
    Status copyFrom(int sourceFd, off_t size);
    enum class Durability { Synced, Unsynced };
    /// Renames over the target; Synced also flushes the file before and the
    /// folder after.
    Status commit(Durability durability = Durability::Synced);

private:
    Status fail(int error, const std::string& what);
    void discard();

    std::string folder_, name_, display_, temp_, left_;
    int fd_ = -1;
    bool committed_ = false;
};

/// Flushes a host folder's names (new, removed, renamed) to the disc. Best
/// effort: some file systems cannot sync a folder, and the change it follows
/// has happened either way.
void SyncHostFolder(const std::string& folder);
/// While deferred (calls nest), SyncHostFolder only notes its folder; the
/// outermost EndDeferredFolderSyncs flushes each noted folder once.
void BeginDeferredFolderSyncs();
void EndDeferredFolderSyncs();
/// For tests: called with every folder SyncHostFolder flushes; nullptr for none.
void SetFolderSyncWatcher(std::function<void(const std::string&)> watcher);

}  // namespace qv::platform
