// Program directory work of the directory window.
#include "core/folders/DirectoryOperations.h"

#include <cctype>

#include "core/common/NumberText.h"
#include "core/common/State.h"
#include "core/common/Text.h"
#include "core/folders/DirectoryLists.h"
#include "platform/Platform.h"

namespace qv {
namespace {

constexpr std::size_t kMaxNameLength = 32;
constexpr std::size_t kNamesListed = 10;

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

std::string FolderOf(const std::string& name) {
    std::string path = DirectoryPath(State().Mach.MachineFolder, name);
    path.pop_back();  // the folder itself, not its contents
    return path;
}

// Names the keystroke filter lets through can still be no program
// directory: one that is never listed, or one that reaches elsewhere.
bool UsableName(const std::string& name) {
    const std::string upper = Upper(name);
    return NameLengthOk(name) && name.find_first_of("\\/:*?\"<>|") == std::string::npos && upper != "." &&
           upper != ".." && upper != "EXSUBS";
}

Outcome CheckNewName(const std::string& name, const std::string& renamed = {}) {
    if (!UsableName(name)) return Outcome::Refused(kInvalidDirectoryName);
    // A change of case only finds the directory itself.
    const bool sameFolder = !renamed.empty() && EqualsNoCase(name, renamed) && name != renamed;
    if (!sameFolder && DirectoryExists(State().Mach.MachineFolder, name))
        return Outcome::Refused("Directory " + Quoted(name) + " Already Exists !");
    return Outcome::Done();
}

Outcome DirectoryFailed(const std::string& name, const char* what, const Status& status) {
    return Outcome::Failed("Directory " + Quoted(name) + " Could Not Be " + what + " !\n" +
                               FailureReason(status.message()),
                           status.kind());
}

}  // namespace

bool NameLengthOk(const std::string& name) {
    const std::size_t length = Trim(name).size();
    return length >= 1 && length <= kMaxNameLength;
}

std::string FailureReason(const std::string& message) {
    const std::size_t cut = message.rfind(": ");
    std::string reason = cut == std::string::npos ? message : message.substr(cut + 2);
    if (reason.empty()) return "Unknown error";
    reason[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(reason[0])));
    return reason;
}

std::string DeletedFilesText(const std::vector<std::string>& names) {
    std::string text = CountMessage(static_cast<std::int64_t>(names.size()), "File", "Files", "Deleted");
    if (names.empty()) return text;
    if (names.size() > kNamesListed) return text + "\nFrom " + Quoted(names.front()) + " To " + Quoted(names.back());
    text += "\n";
    for (std::size_t i = 0; i < names.size(); ++i) text += (i ? ", " : "") + names[i];
    return text;
}

Outcome CreateProgramDirectory(const std::string& nameIn) {
    const std::string name = Trim(nameIn);
    if (Outcome checked = CheckNewName(name); !checked.done()) return checked;
    const Status made = platform::Current().makeFolder(FolderOf(name));
    return made.ok() ? Outcome::Done() : DirectoryFailed(name, "Created", made);
}

Outcome RenameProgramDirectory(const std::string& oldIn, const std::string& newIn, const AskFunction& ask) {
    const std::string oldName = Trim(oldIn);
    const std::string newName = Trim(newIn);
    if (!UsableName(oldName)) return Outcome::Refused(kNoDirectorySelected);
    if (Outcome checked = CheckNewName(newName, oldName); !checked.done()) return checked;
    if (!ask || !ask("Rename " + Quoted(oldName) + "\nAs " + Quoted(newName) + " ?")) return Outcome::Declined();
    const Status renamed = platform::Current().renameFolder(FolderOf(oldName), FolderOf(newName));
    return renamed.ok() ? Outcome::Done() : DirectoryFailed(oldName, "Renamed", renamed);
}

Outcome DeleteProgramDirectory(const std::string& nameIn, const AskFunction& ask, const std::function<void()>& beep) {
    const std::string name = Trim(nameIn);
    platform::Platform& fs = platform::Current();
    if (!UsableName(name)) return Outcome::Refused(kNoDirectorySelected);
    if (!ask || !ask("Delete " + Quoted(name) + " !")) return Outcome::Declined();
    const std::string folder = FolderOf(name);
    Result<std::vector<std::string>> files = fs.listFiles(folder, "*.*");
    if (!files.ok()) return DirectoryFailed(name, "Deleted", files.status());
    if (!files->empty()) {
        if (beep) beep();
        if (!ask("Directory " + Quoted(name) + " Is Not Empty !\n\nDelete it Anyway ?")) return Outcome::Declined();
    }

    std::vector<std::string> gone;
    auto stopped = [&](const std::string& reason, ErrorKind kind) {
        std::string text = "Directory " + Quoted(name) + " Could Not Be Deleted !\n" + reason;
        if (!gone.empty()) text += "\n\n" + DeletedFilesText(gone);
        return Outcome::Failed(text, kind, static_cast<int>(gone.size()));
    };
    // Its files would go and the folder still stay: nothing is deleted.
    Result<std::vector<std::string>> folders = fs.listFolders(folder);
    if (!folders.ok()) return stopped(FailureReason(folders.message()), folders.kind());
    if (!folders->empty()) return stopped("It holds the folder " + Quoted(folders->front()), ErrorKind::Exists);

    gone.reserve(files->size());
    for (const std::string& file : *files) {
        const Status deleted = fs.deleteFile(folder + "\\" + file);
        if (!deleted.ok()) return stopped(Quoted(file) + ": " + FailureReason(deleted.message()), deleted.kind());
        gone.push_back(file);
    }
    const Status removed = fs.removeFolder(folder);
    if (!removed.ok()) return stopped(FailureReason(removed.message()), removed.kind());
    return Outcome::Done({}, static_cast<int>(gone.size()));
}

}  // namespace qv
