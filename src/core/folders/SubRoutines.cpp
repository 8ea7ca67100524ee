// Deleting, renaming and copying sub-routines.
#include "core/folders/SubRoutines.h"

#include <optional>

#include "core/common/NumberText.h"
#include "core/common/State.h"
#include "core/common/Text.h"
#include "platform/Platform.h"

namespace qv {
namespace {

const std::string& Folder() { return State().Config.ReverseSubsFolder; }

// The key filter keeps typed names clean; a name set another way must not
// reach outside the folder either.
bool ValidName(const std::string& name) {
    return !name.empty() && name.size() <= MaxSubRoutineName && name.find_first_of("\\/:*?\"<>|") == std::string::npos;
}

// The checks and the question rename and copy share; the outcome to return
// at once, or none to go on.
std::optional<Outcome> Confirm(const char* verb, const char* notDone, const std::string& oldName,
                               const std::string& newName, const AskFunction& ask) {
    if (oldName.empty()) return Outcome::Refused("No Sub-Routine Selected !");
    if (!ValidName(newName)) return Outcome::Refused("Invalid Sub-Routine Name !");
    if (!ask(std::string(verb) + " \"" + oldName + "\"\nAs \"" + newName + "\" ?")) return Outcome::Done(notDone);
    return std::nullopt;
}

}  // namespace

ListRows SubRoutineList() {
    return RowsOf(platform::Current().listFiles(Folder(), "*"));
}

Outcome DeleteSubRoutines(const std::vector<std::string>& names, const AskFunction& ask) {
    if (names.empty()) return Outcome::Refused("No Sub-Routines Selected !");
    const std::string question = names.size() == 1
                                     ? "Delete \"" + Trim(names[0]) + "\" ?"
                                     : "Delete " + NumberText(static_cast<std::int64_t>(names.size())) + " Sub-Routines ?";
    if (!ask(question)) return Outcome::Done("No Sub-Routines Deleted !");
    int deleted = 0;
    for (const std::string& name : names) {
        const Status s = platform::Current().deleteFile(Folder() + Trim(name));
        if (!s) return Outcome::Failed(s, deleted).with(CountMessage(deleted, "Sub-Routine", "Sub-Routines", "Deleted"));
        ++deleted;
    }
    return Outcome::Done(CountMessage(deleted, "Sub-Routine", "Sub-Routines", "Deleted"), deleted);
}

Outcome RenameSubRoutine(const std::string& oldName, const std::string& newName, const AskFunction& ask) {
    const std::string from = Trim(oldName);
    const std::string to = Trim(newName);
    if (std::optional<Outcome> stop = Confirm("Rename", "Sub-Routine Not Renamed !", from, to, ask)) return *stop;
    // One rename in the folder, not a copy and a delete: a rename onto the
    // file's own name, in any case, only changes its spelling, and a failure
    // leaves the file where it was.
    const Status s = platform::Current().renameFile(Folder() + from, Folder() + to);
    if (!s) return Outcome::Failed(s).with("Sub-Routine Not Renamed !");
    return Outcome::Done("Sub-Routine Renamed !", 1);
}

Outcome CopySubRoutine(const std::string& oldName, const std::string& newName, const AskFunction& ask) {
    const std::string from = Trim(oldName);
    const std::string to = Trim(newName);
    if (std::optional<Outcome> stop = Confirm("Copy", "Sub-Routine Not Copied !", from, to, ask)) return *stop;
    platform::Platform& fs = platform::Current();
    const std::string spelling = fs.realName(Folder() + from);
    if (!spelling.empty() && EqualsNoCase(from, to) && fs.realName(Folder() + to) == spelling)
        return Outcome::Done("Sub-Routine Copied !", 1);  // onto itself: already there
    const Status s = fs.copyFile(Folder() + from, Folder() + to);
    if (!s) return Outcome::Failed(s).with("Sub-Routine Not Copied !");
    return Outcome::Done("Sub-Routine Copied !", 1);
}

}  // namespace qv
