// Recovery of set changes cut short. Only the record's progress mark and
// which files exist decide what is left to do, so a recovery that is itself
// cut short can simply run again.
#include "core/exchange/SetRecovery.h"

#include <cctype>

#include "core/common/Text.h"
#include "core/exchange/SetIntent.h"
#include "platform/Platform.h"

namespace qv::fileset {
namespace {

platform::Platform& Fs() { return platform::Current(); }

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

// The platform's "<path>: <reason>" without the path, capitalised.
std::string Reason(const std::string& message, const std::string& path) {
    std::string reason = message.compare(0, path.size() + 2, path + ": ") == 0 ? message.substr(path.size() + 2)
                                                                                : message;
    if (reason.empty()) reason = "unknown error";
    reason[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(reason[0])));
    return reason;
}

class Recoverer {
public:
    Recoverer(std::string path, SetIntent intent) : path_(std::move(path)), intent_(std::move(intent)) {}

    Status run() {
        if (intent_.committed) {
            forward();
        } else {
            back();
        }
        // The record stays for another try while anything failed.
        if (!failure_.empty()) return withNotes(failure_);
        Status removed = removeFile(path_);
        if (!removed.ok()) return withNotes(failure_);
        return notes_.empty() ? Status::Ok() : withNotes("");
    }

private:
    // Staged files go, or return to their sources when a move renamed
    // them; then the files set aside come back.
    void back() {
        for (auto it = intent_.staged.rbegin(); it != intent_.staged.rend(); ++it) {
            const bool renamed = intent_.move && !Fs().fileExists(it->from);
            const std::string staged = Fs().fileExists(it->temp) ? it->temp : isNew(*it) ? it->to : "";
            if (staged.empty()) continue;
            if (renamed) {
                moveBack(staged, it->from);
            } else {
                (void)removeFile(staged);
            }
        }
        for (auto it = intent_.aside.rbegin(); it != intent_.aside.rend(); ++it) {
            if (Fs().fileExists(it->temp)) moveBack(it->temp, it->original);
        }
    }

    // The new set is whole and on the disc: the replaced files go, and a
    // move's copied sources once their copies are seen in place.
    void forward() {
        for (const SetIntent::Aside& aside : intent_.aside) {
            if (Fs().fileExists(aside.temp)) (void)removeFile(aside.temp);
        }
        if (!intent_.move) return;
        for (const SetIntent::Staged& s : intent_.staged) {
            if (Fs().fileExists(s.from) && Fs().fileExists(s.to) && Fs().fileSize(s.from) == Fs().fileSize(s.to))
                (void)removeFile(s.from);
        }
    }

    // The target holds the staged file once it has been committed: it did
    // not exist before, or the file it replaces is still set aside.
    bool isNew(const SetIntent::Staged& s) const {
        if (!Fs().fileExists(s.to)) return false;
        for (const SetIntent::Aside& aside : intent_.aside) {
            if (EqualsNoCase(aside.original, s.to)) return Fs().fileExists(aside.temp);
        }
        return true;
    }

    // Never over a file that has taken the name since: the user is told
    // where theirs is instead.
    void moveBack(const std::string& from, const std::string& to) {
        if (Fs().entryExists(to)) {
            notes_ += "\n" + Quoted(to) + " Is Kept As " + Quoted(from) + " !";
            return;
        }
        Status moved = Fs().renameFile(from, to);
        if (!moved.ok()) fail(to, "Put Back", moved.message(), from);
    }

    // A scanner may hold a file it has just seen for a moment: a second try.
    Status removeFile(const std::string& path) {
        Status deleted = Fs().deleteFile(path);
        if (!deleted.ok()) deleted = Fs().deleteFile(path);
        if (!deleted.ok()) fail(path, "Deleted", deleted.message(), path);
        return deleted;
    }

    void fail(const std::string& file, const std::string& what, const std::string& message,
              const std::string& named) {
        if (failure_.empty())
            failure_ = Quoted(file) + " Could Not Be " + what + " !\n" + Reason(message, named);
    }

    Status withNotes(const std::string& head) const {
        return Status::Error(head.empty() ? notes_.substr(1) : head + notes_);
    }

    std::string path_;
    SetIntent intent_;
    std::string failure_;  // the first failure, "" when none
    std::string notes_;    // "\n"-led lines naming files kept under temporary names
};

}  // namespace

Recovery RecoverSetChanges(const std::string& folder) {
    Recovery recovery;
    const std::string path = IntentPath(folder);
    if (!Fs().fileExists(path)) return recovery;
    recovery.found = true;
    Result<SetIntent> intent = ReadIntent(path);
    if (!intent) {
        recovery.status = Status::Error(Quoted(path) + " Could Not Be Read !\n" + Reason(intent.message(), path));
        return recovery;
    }
    recovery.finished = intent->committed;
    recovery.status = Recoverer(path, std::move(intent.value())).run();
    return recovery;
}

}  // namespace qv::fileset
