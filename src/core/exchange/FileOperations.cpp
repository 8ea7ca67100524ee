// Counted set operations of the file window.
#include "core/exchange/FileOperations.h"

#include "core/common/NumberText.h"
#include "core/common/Text.h"
#include "core/exchange/FileSet.h"
#include "core/exchange/FileSetMembers.h"
#include "core/exchange/SetRecovery.h"
#include "core/folders/DirectoryOperations.h"
#include "platform/Platform.h"

namespace qv {
namespace {

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

// One name by itself, several by their number.
std::string NamesText(const std::vector<std::string>& names) {
    if (names.size() == 1) return Quoted(Trim(names.front()));
    return NumberText(static_cast<std::int64_t>(names.size())) + " Files";
}

// What a window shows after the sets processed so far: the count message,
// after the failure that stopped the work when one did.
Outcome Counted(const Outcome& last, int total, const char* verb) {
    // A name refused before anything was done is shown as the refusal alone.
    if (last.state() == Outcome::State::Refused && total == 0) return last;
    const std::string counted = CountMessage(total, "File", "Files", verb);
    if (last.state() == Outcome::State::Failed || last.state() == Outcome::State::Refused)
        return Outcome::Failed(last.message() + "\n\n" + counted, last.kind(), total);
    return Outcome::Done(counted, total);
}

bool InSet(const std::string& extension, std::int16_t kind) {
    switch (kind) {
        case fileset::kDrawingSet: return fileset::InDrawingSet(extension);
        case fileset::kProgramSet: return fileset::IsProgramExtension(extension);
        case fileset::kBothSets: return true;
        default: return false;
    }
}

// Gives every member of set base in folder the spelling target, which
// differs from base in letter case only, renaming each in place: a copy or
// move of a set onto itself is declined. All or nothing.
Outcome RenameSetCase(const std::string& folderIn, const std::string& base, const std::string& target,
                      std::int16_t kind) {
    if (!fileset::IsPlainName(base) || !fileset::IsPlainName(target) || !EqualsNoCase(base, target))
        return Outcome::Refused("Invalid File Name !");
    const std::string folder = fileset::WithSeparator(folderIn);
    platform::Platform& fs = platform::Current();
    if (const fileset::Recovery recovered = fileset::RecoverSetChanges(folder); !recovered.status.ok())
        return Outcome::Failed(recovered.status);
    auto members = fileset::FindMembers(folder, base);
    if (!members.ok()) return Outcome::Failed(members.status());

    struct Rename {
        std::string from, to;
    };
    std::vector<Rename> renames;
    for (const fileset::Member& member : *members) {
        if (!InSet(member.extension, kind)) continue;
        const std::string name = member.extension.empty() ? target : target + "." + member.extension;
        if (name == member.name) continue;
        // A host that tells cases apart may hold both spellings: the other
        // file would be replaced.
        const std::string existing = fs.realName(folder + name);
        if (!existing.empty() && existing != member.name)
            return Outcome::Failed(Quoted(member.name) + " Could Not Be Renamed !\n" + Quoted(name) + " exists",
                                   ErrorKind::Exists);
        renames.push_back({folder + member.name, folder + name});
    }
    for (std::size_t i = 0; i < renames.size(); ++i) {
        const Status renamed = fs.renameFile(renames[i].from, renames[i].to);
        if (renamed.ok()) continue;
        std::string text = Quoted(renames[i].from) + " Could Not Be Renamed !\n" + FailureReason(renamed.message());
        // Members already renamed go back, so the set keeps one spelling.
        for (std::size_t j = i; j-- > 0;) {
            if (!fs.renameFile(renames[j].to, renames[j].from).ok())
                text += "\n" + Quoted(renames[j].to) + " Keeps Its New Name !";
        }
        return Outcome::Failed(text, renamed.kind());
    }
    return Outcome::Done({}, 1);
}

}  // namespace

std::string DeleteFilesQuestion(const std::vector<std::string>& names) { return "Delete " + NamesText(names) + " ?"; }

std::string NewNameQuestion(bool copy, const std::string& source, const std::string& target) {
    return std::string(copy ? "Copy " : "Rename ") + Quoted(source) + "\nAs " + Quoted(target) + " ?";
}

std::string TransferQuestion(bool move, const std::vector<std::string>& names, const std::string& directory) {
    return std::string(move ? "Move " : "Copy ") + NamesText(names) + "\nTo " + Quoted(directory) + " ?";
}

Outcome DeleteFiles(const std::string& folder, const std::vector<std::string>& names, std::int16_t kind) {
    int total = 0;
    for (const std::string& name : names) {
        const Outcome deleted = DeleteFileSet(folder, Trim(name), kind);
        if (deleted.state() == Outcome::State::Failed || deleted.state() == Outcome::State::Refused)
            return Counted(deleted, total, "Deleted");
        ++total;
    }
    return Counted(Outcome::Done(), total, "Deleted");
}

Outcome RenameFile(const std::string& folder, const std::string& source, const std::string& target,
                   std::int16_t kind, const AskFunction& ask) {
    const bool caseOnly = EqualsNoCase(source, target) && source != target;
    const Outcome renamed = caseOnly ? RenameSetCase(folder, source, target, kind)
                                     : MoveFileSet(folder, source, folder, target, kind, ask);
    return Counted(renamed, renamed.count(), "Renamed");
}

Outcome CopyFileAs(const std::string& folder, const std::string& source, const std::string& target,
                   std::int16_t kind, const AskFunction& ask) {
    const Outcome copied = CopyFileSet(folder, source, folder, target, kind, ask);
    return Counted(copied, copied.count(), "Copied");
}

Outcome TransferFiles(const std::string& sourceFolder, const std::vector<std::string>& names,
                      const std::string& targetFolder, std::int16_t kind, bool move, const AskFunction& ask) {
    const Outcome done = TransferFileSets(sourceFolder, names, targetFolder, kind, move, ask);
    return Counted(done, done.count(), move ? "Moved" : "Copied");
}

}  // namespace qv
