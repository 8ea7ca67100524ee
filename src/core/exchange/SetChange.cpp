// The staged, all-or-nothing change behind every file-set operation.
#include "core/exchange/SetChange.h"

#include <cctype>
#include <set>

#include "core/common/NumberText.h"
#include "core/common/Text.h"
#include "core/exchange/SetIntent.h"
#include "core/exchange/FolderNames.h"
#include "core/exchange/SetRecovery.h"
#include "platform/Platform.h"

namespace qv::fileset {
namespace {

platform::Platform& Fs() { return platform::Current(); }

std::string FolderOf(const std::string& path) {
    const std::size_t cut = path.find_last_of("\\/:");
    return cut == std::string::npos ? "" : path.substr(0, cut + 1);
}

char DriveOf(const std::string& path) {
    if (path.size() >= 2 && path[1] == ':') return static_cast<char>(std::toupper(path[0]));
    const std::string working = Fs().currentFolder();
    if (working.size() >= 2 && working[1] == ':') return static_cast<char>(std::toupper(working[0]));
    return '\0';
}

bool IsCrossDevice(const Status& status) { return status.kind() == ErrorKind::CrossDevice; }

// The platform's message is "<path>: <reason>", where the path may be one
// of our temporary names; the notice names the user's file instead, so every
// "<path>: " of the paths involved is cut away.
std::string ReasonOf(const std::string& message, std::initializer_list<std::string> paths) {
    std::string reason = message;
    for (bool cut = true; cut;) {
        cut = false;
        for (const std::string& path : paths) {
            const std::size_t at = Upper(reason).find(Upper(path) + ": ");
            if (path.empty() || at == std::string::npos) continue;
            reason = reason.substr(at + path.size() + 2);
            cut = true;
        }
    }
    if (reason.empty()) reason = "unknown error";
    reason[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(reason[0])));
    return reason;
}

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

// The failure keeps the kind of the one that caused it, so that callers can
// decide by kind.
Status Failure(const std::string& path, const std::string& what, const Status& cause,
               std::initializer_list<std::string> involved = {}) {
    return Status::Error(Quoted(path) + " Could Not Be " + what + " !\n" + ReasonOf(cause.message(), involved),
                         cause.kind());
}

// A scanner or indexer may hold a file it has just seen for a moment, so
// our own temporary files get a second try before they are given up.
Status RemoveTemporary(const std::string& path) {
    Status deleted = Fs().deleteFile(path);
    return deleted.ok() ? deleted : Fs().deleteFile(path);
}

enum class Where { Staged, Committed, Home };

struct Staging {
    Transfer transfer;
    std::string temp;
    bool renamed = false;  // moved by rename: the source itself is at temp
    Where where = Where::Staged;
};

struct SetAside {
    std::string original;
    std::string temp;
};

class Run {
public:
    explicit Run(const SetChange& change) : change_(change) {}

    // The intent record is on the disc before the first file is touched and
    // marked committed once the new set is whole, so that a crash at any
    // point leaves enough to finish or undo the change (SetRecovery.h).
    Status apply() {
        plan();
        if (Status begun = record(false); !begun.ok()) return begun;
        Status status = renameAll();
        if (status.ok()) status = syncCopies();
        if (status.ok() && workAfterCommit()) status = record(true);
        if (!status.ok()) {
            rollBack();
            if (!closeIntent().ok()) notes_.push_back(Quoted(intentPath_) + " Could Not Be Removed !");
            return withNotes(status);
        }
        Status finished = finish();
        // A finished change leaves no staging file: every one was renamed
        // into place or deleted, so there is nothing to look for.
        Status closed = closeIntent(!finished.ok());
        if (!finished.ok()) {
            if (!closed.ok()) notes_.push_back(Quoted(intentPath_) + " Could Not Be Removed !");
            return withNotes(finished);
        }
        return closed;
    }

private:
    // Every temporary name and every file to set aside is chosen before the
    // intent record is written, so the record names all of them.
    void plan() {
        FolderNames names;
        intent_.move = change_.move;
        for (const Transfer& transfer : change_.transfers)
            intent_.staged.push_back({names.staging(FolderOf(transfer.to), "n"), transfer.from, transfer.to});
        std::vector<std::string> originals = change_.removals;
        for (const Transfer& transfer : change_.transfers) originals.push_back(transfer.to);
        std::set<std::string> seen;
        for (const std::string& listed : originals) {
            const std::string original = names.existing(listed);
            if (original.empty() || !seen.insert(Upper(original)).second) continue;
            intent_.aside.push_back({names.staging(FolderOf(original), "o"), original});
        }
        const std::string& anchor = change_.transfers.empty() ? change_.removals.front() : change_.transfers.front().to;
        intentPath_ = IntentPath(FolderOf(anchor));
    }

    // The intent record makes the renames safe as a whole, so their folders
    // go to the disc once at the end rather than after every file.
    Status renameAll() {
        struct Flush {
            Flush() { Fs().deferFolderFlushes(); }
            ~Flush() { Fs().flushDeferredFolders(); }
        } flush;
        Status status = stage();
        if (status.ok()) status = setAside();
        if (status.ok()) status = commit();
        return status;
    }

    // Only files still to delete need the committed mark; without it a crash
    // undoes the whole change, which is as good.
    bool workAfterCommit() const {
        for (const Staging& staging : staged_) {
            if (change_.move && !staging.renamed) return true;
        }
        return !aside_.empty();
    }

    const char* verb() const { return change_.transfers.empty() ? "Deleted" : change_.move ? "Moved" : "Copied"; }

    Status record(bool committed) {
        intent_.committed = committed;
        Status written = WriteIntent(intentPath_, intent_);
        if (written.ok()) return written;
        const std::string& first = change_.transfers.empty() ? change_.removals.front() : change_.transfers.front().from;
        return Failure(first, verb(), written, {intentPath_});
    }

    // The record goes once no staging file is left; otherwise it stays for
    // the recovery to finish the work, and the notice says so.
    Status closeIntent(bool look = true) {
        bool left = false;
        if (look) {
            for (const SetIntent::Staged& staged : intent_.staged) left = left || Fs().entryExists(staged.temp);
            for (const SetIntent::Aside& aside : intent_.aside) left = left || Fs().entryExists(aside.temp);
        }
        if (left) {
            notes_.push_back(Quoted(intentPath_) + " Is Kept To Finish Or Undo The Change Later !");
            return Status::Ok();
        }
        Status removed = RemoveTemporary(intentPath_);
        return removed.ok() ? removed : Failure(intentPath_, "Deleted", removed, {intentPath_});
    }

    Status stage() {
        for (std::size_t i = 0; i < change_.transfers.size(); ++i) {
            const Transfer& transfer = change_.transfers[i];
            const std::string& temp = intent_.staged[i].temp;
            if (change_.move && DriveOf(transfer.from) == DriveOf(transfer.to)) {
                Status renamed = Fs().renameFile(transfer.from, temp);
                if (renamed.ok()) {
                    staged_.push_back({transfer, temp, true});
                    continue;
                }
                if (!IsCrossDevice(renamed))
                    return Failure(transfer.from, "Moved", renamed, {transfer.from, temp});
            }
            const std::int64_t size = Fs().fileSize(transfer.from);
            Status copied = Fs().copyFile(transfer.from, temp);
            const char* what = change_.move ? "Moved" : "Copied";
            if (!copied.ok()) {
                if (Fs().entryExists(temp) && !RemoveTemporary(temp).ok())
                    notes_.push_back(Quoted(temp) + " Could Not Be Removed !");
                return Failure(transfer.from, what, copied, {transfer.from, temp});
            }
            staged_.push_back({transfer, temp, false});
            if (size >= 0 && Fs().fileSize(temp) != size)
                return Failure(transfer.from, what, Status::Error("the copy is incomplete"));
        }
        return Status::Ok();
    }

    Status setAside() {
        const char* what = change_.transfers.empty() ? "Deleted" : "Replaced";
        for (const SetIntent::Aside& planned : intent_.aside) {
            Status renamed = Fs().renameFile(planned.original, planned.temp);
            if (!renamed.ok())
                return Failure(planned.original, what, renamed, {planned.original, planned.temp});
            aside_.push_back({planned.original, planned.temp});
        }
        return Status::Ok();
    }

    Status commit() {
        for (Staging& staging : staged_) {
            Status renamed = Fs().renameFile(staging.temp, staging.transfer.to);
            if (!renamed.ok())
                return Failure(staging.transfer.to, "Written", renamed,
                               {staging.temp, staging.transfer.to});
            staging.where = Where::Committed;
        }
        return Status::Ok();
    }

    // A move's copies are about to become the only ones, so they go to the
    // disc before any source is deleted: a power cut must not lose both.
    // Plain copies keep their sources and are left to the system to write.
    Status syncCopies() {
        if (!change_.move) return Status::Ok();
        for (const Staging& staging : staged_) {
            if (staging.renamed) continue;
            Status synced = Fs().syncFile(staging.transfer.to);
            if (!synced.ok())
                return Failure(staging.transfer.from, "Moved", synced, {staging.transfer.to});
        }
        return Status::Ok();
    }

    // The new set is whole: the set-aside files go, then a move's sources.
    Status finish() {
        for (std::size_t i = 0; i < aside_.size(); ++i) {
            Status failed = RemoveTemporary(aside_[i].temp);
            if (failed.ok()) continue;
            Status notice = Failure(aside_[i].original, "Deleted", failed, {aside_[i].temp});
            // What cannot be deleted keeps its own name where that is free.
            for (std::size_t j = i; j < aside_.size(); ++j) {
                if (Fs().entryExists(aside_[j].original)) {
                    notes_.push_back(Quoted(aside_[j].original) + " Is Kept As " + Quoted(aside_[j].temp) + " !");
                } else {
                    putBack(aside_[j].temp, aside_[j].original);
                }
            }
            return notice;
        }
        if (!change_.move) return Status::Ok();
        for (const Staging& staging : staged_) {
            if (staging.renamed) continue;
            Status deleted = Fs().deleteFile(staging.transfer.from);
            if (!deleted.ok())
                return Failure(staging.transfer.from, "Deleted", deleted, {staging.transfer.from});
        }
        return Status::Ok();
    }

    void rollBack() {
        for (auto it = staged_.rbegin(); it != staged_.rend(); ++it) {
            if (it->where != Where::Committed) continue;
            if (it->renamed) {
                putBack(it->transfer.to, it->transfer.from);
                it->where = Where::Home;
            } else if (RemoveTemporary(it->transfer.to).ok()) {
                it->where = Where::Home;
            }
        }
        for (auto it = aside_.rbegin(); it != aside_.rend(); ++it) putBack(it->temp, it->original);
        for (auto it = staged_.rbegin(); it != staged_.rend(); ++it) {
            if (it->where == Where::Committed) {
                // A new file that would not go away; its old namesake, if any,
                // has been put back over it above.
                if (Fs().fileExists(it->transfer.to) && !isSetAside(it->transfer.to))
                    notes_.push_back(Quoted(it->transfer.to) + " Could Not Be Removed !");
            } else if (it->where == Where::Staged) {
                if (it->renamed) {
                    putBack(it->temp, it->transfer.from);
                } else if (!RemoveTemporary(it->temp).ok()) {
                    notes_.push_back(Quoted(it->temp) + " Could Not Be Removed !");
                }
            }
        }
    }

    bool isSetAside(const std::string& path) const {
        for (const SetAside& aside : aside_) {
            if (EqualsNoCase(aside.original, path)) return true;
        }
        return false;
    }

    // Renames a file back to where it belongs; when renaming keeps failing a
    // copy still brings it back, and the temporary file goes only once that
    // copy is on the disc. Whatever cannot go back is named in the notice.
    void putBack(const std::string& temp, const std::string& original) {
        if (Fs().renameFile(temp, original).ok()) return;
        if (Fs().copyFile(temp, original).ok() && Fs().fileSize(original) == Fs().fileSize(temp) &&
            Fs().syncFile(original).ok()) {
            if (!RemoveTemporary(temp).ok()) notes_.push_back(Quoted(temp) + " Could Not Be Removed !");
            return;
        }
        notes_.push_back(Quoted(original) + " Is Kept As " + Quoted(temp) + " !");
    }

    Status withNotes(const Status& status) const {
        std::string text = status.message();
        for (const std::string& note : notes_) text += "\n" + note;
        return Status::Error(text, status.kind());
    }

    const SetChange& change_;
    SetIntent intent_;
    std::string intentPath_;
    std::vector<Staging> staged_;
    std::vector<SetAside> aside_;
    std::vector<std::string> notes_;
};

// A change cut short earlier in one of the folders is finished or undone
// first. The members of this change were listed before that, so it is not
// made: the user tries again and sees the folders as they now are.
Status RecoverFolders(const SetChange& change) {
    std::vector<std::string> folders;
    for (const Transfer& transfer : change.transfers) {
        folders.push_back(FolderOf(transfer.to));
        folders.push_back(FolderOf(transfer.from));
    }
    for (const std::string& removal : change.removals) folders.push_back(FolderOf(removal));
    std::set<std::string> seen;
    for (const std::string& folder : folders) {
        if (!seen.insert(Upper(folder)).second) continue;
        const Recovery recovery = RecoverSetChanges(folder);
        if (!recovery.status.ok()) return recovery.status;
        if (recovery.found)
            return Status::Error(Quoted(folder) + " Held An Unfinished Change !\nIt was " +
                                 (recovery.finished ? "finished" : "undone") + "; nothing else was done, try again");
    }
    return Status::Ok();
}

}  // namespace

Status ApplySetChange(const SetChange& change) {
    // A file may not stand in for itself: replacing it would destroy it.
    std::set<std::string> sources;
    for (const Transfer& transfer : change.transfers) sources.insert(Upper(transfer.from));
    for (const Transfer& transfer : change.transfers) {
        if (sources.count(Upper(transfer.to)))
            return Status::Error(Quoted(transfer.to) + " Could Not Be Replaced !\nIt is the file being copied");
    }
    for (const std::string& removal : change.removals) {
        if (sources.count(Upper(removal)))
            return Status::Error(Quoted(removal) + " Could Not Be Replaced !\nIt is the file being copied");
    }
    if (change.transfers.empty() && change.removals.empty()) return Status::Ok();
    if (Status recovered = RecoverFolders(change); !recovered.ok()) return recovered;
    return Run(change).apply();
}

bool IsStagingName(const std::string& name) {
    return name.size() >= 3 && EqualsNoCase(name.substr(0, 3), "~qv");
}

}  // namespace qv::fileset
