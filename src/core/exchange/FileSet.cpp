// Deleting, copying, moving and importing program and drawing sets.
#include "core/exchange/FileSet.h"

#include <optional>

#include "core/common/State.h"
#include "core/common/Text.h"
#include "core/exchange/FileSetMembers.h"
#include "core/exchange/SetChange.h"
#include "core/exchange/SetRecovery.h"
#include "core/folders/DirectoryLists.h"
#include "platform/Platform.h"

namespace qv {
namespace {

using fileset::SetChange;

platform::Platform& Fs() { return platform::Current(); }

bool IsSetKind(std::int16_t kind) { return kind >= fileset::kDrawingSet && kind <= fileset::kBothSets; }

const char* const InvalidName = "Invalid File Name !";

// A source that has vanished since it was listed brings nothing, so the
// target set it was to replace is left alone rather than deleted for nothing;
// the same holds when the machine rule holds every member back.
Outcome Apply(const SetChange& change) {
    if (change.transfers.empty()) return Outcome::Done({}, 1);
    Status status = fileset::ApplySetChange(change);
    if (status.ok()) return Outcome::Done({}, 1);
    return Outcome::Failed(status);
}

// A change a crash cut short in these folders is finished or undone before
// their files are listed or the overwrite question is asked about them.
Status RecoverFirst(std::initializer_list<std::string> folders) {
    for (const std::string& folder : folders) {
        const fileset::Recovery recovery = fileset::RecoverSetChanges(folder);
        if (!recovery.status.ok()) return recovery.status;
    }
    return Status::Ok();
}

// The two folders' sets, listed once when many sets go across together.
struct Listings {
    fileset::FolderSets source;
    fileset::FolderSets target;
};

bool HasExtension(const std::vector<fileset::Member>& members, const char* extension) {
    for (const fileset::Member& member : members) {
        if (EqualsNoCase(member.extension, extension)) return true;
    }
    return false;
}

// Adds copying or moving one set to change, after its overwrite question;
// Done when the set is in the change (or has nothing to bring).
Outcome PlanTransfer(const std::string& sourceFolder, const std::string& sourceBase, const std::string& targetFolder,
                     const std::string& targetBase, std::int16_t kind, const AskFunction& ask,
                     const Listings* listed, SetChange& change) {
    if (!IsSetKind(kind)) return Outcome::Declined();
    if (!fileset::IsPlainName(sourceBase) || !fileset::IsPlainName(targetBase)) return Outcome::Refused(InvalidName);
    // A set onto itself: its own files would answer the conflict test, and
    // clearing the target would delete the source.
    if (EqualsNoCase(sourceBase, targetBase) && fileset::SameFolder(sourceFolder, targetFolder))
        return Outcome::Declined();
    std::vector<fileset::Member> targetFiles;
    if (listed) targetFiles = listed->target.all(targetBase);
    auto clash = [&](const char* extension) {
        return listed ? HasExtension(targetFiles, extension)
                      : Fs().fileExists(targetFolder + targetBase + "." + extension);
    };
    const bool drawingClash = (kind & fileset::kDrawingSet) && clash("drw");
    const bool programClash = (kind & fileset::kProgramSet) && clash("prg");
    if (!OverwriteAllowed(drawingClash || programClash, targetBase, ask)) return Outcome::Declined();

    std::vector<fileset::Transfer> transfers;
    std::vector<std::string> removals;
    if (listed) {
        transfers = fileset::CopyMembersOf(sourceFolder, listed->source.members(sourceBase, kind), targetFolder,
                                           targetBase, kind);
        removals = fileset::DeletionMembersOf(targetFolder, listed->target.members(targetBase, kind), kind);
    } else {
        auto copies = fileset::CopyMembers(sourceFolder, sourceBase, targetFolder, targetBase, kind);
        if (!copies.ok()) return Outcome::Failed(copies.status());
        auto deletions = fileset::DeletionMembers(targetFolder, targetBase, kind);
        if (!deletions.ok()) return Outcome::Failed(deletions.status());
        transfers = std::move(*copies);
        removals = std::move(*deletions);
    }
    // The set's old target files go only when something comes in their place.
    if (transfers.empty()) return Outcome::Done({}, 1);
    change.transfers.insert(change.transfers.end(), transfers.begin(), transfers.end());
    change.removals.insert(change.removals.end(), removals.begin(), removals.end());
    return Outcome::Done({}, 1);
}

using NamePairs = std::vector<std::pair<std::string, std::string>>;  // source base, target base

// All the sets as one change: every question first, then all or none. Many
// sets are found from one listing of each folder rather than name by name.
Outcome TransferSets(const std::string& sourceFolderIn, const NamePairs& names, const std::string& targetFolderIn,
                     std::int16_t kind, bool move, const AskFunction& ask) {
    if (!IsSetKind(kind)) return Outcome::Declined();
    const std::string sourceFolder = fileset::WithSeparator(sourceFolderIn);
    const std::string targetFolder = fileset::WithSeparator(targetFolderIn);
    if (Status recovered = RecoverFirst({sourceFolder, targetFolder}); !recovered.ok())
        return Outcome::Failed(recovered);
    std::optional<Listings> listed;
    if (names.size() > 1) {
        auto source = fileset::FolderSets::List(sourceFolder);
        if (!source.ok()) return Outcome::Failed(source.status());
        auto target = fileset::FolderSets::List(targetFolder);
        if (!target.ok()) return Outcome::Failed(target.status());
        listed = Listings{std::move(*source), std::move(*target)};
    }
    SetChange change;
    change.move = move;
    int sets = 0;
    for (const auto& [source, target] : names) {
        const Outcome planned =
            PlanTransfer(sourceFolder, source, targetFolder, target, kind, ask, listed ? &*listed : nullptr, change);
        if (planned.state() == Outcome::State::Failed || planned.state() == Outcome::State::Refused) return planned;
        sets += planned.count();
    }
    if (change.transfers.empty()) return sets > 0 ? Outcome::Done({}, sets) : Outcome::Declined();
    const Status status = fileset::ApplySetChange(change);
    return status.ok() ? Outcome::Done({}, sets) : Outcome::Failed(status);
}

Outcome TransferSet(const std::string& sourceFolderIn, const std::string& sourceBase,
                    const std::string& targetFolderIn, const std::string& targetBase,
                    std::int16_t kind, bool move, const AskFunction& ask) {
    return TransferSets(sourceFolderIn, {{sourceBase, targetBase}}, targetFolderIn, kind, move, ask);
}

}  // namespace

std::string OverwriteQuestion(const std::string& name) {
    return "\"" + name + "\" Already Exists !\n\nOverwrite It ?";
}

bool OverwriteAllowed(bool conflict, const std::string& name, const AskFunction& ask) {
    const bool yes = !conflict || (ask && ask(OverwriteQuestion(name)));
    State().LastAnswer = yes ? AnswerYes : AnswerNo;
    return yes;
}

Outcome DeleteFileSet(const std::string& folderIn, const std::string& base, std::int16_t kind) {
    if (!IsSetKind(kind)) return Outcome::Declined();
    if (!fileset::IsPlainName(base)) return Outcome::Refused(InvalidName);
    const std::string folder = fileset::WithSeparator(folderIn);
    if (Status recovered = RecoverFirst({folder}); !recovered.ok()) return Outcome::Failed(recovered);
    auto removals = fileset::DeletionMembers(folder, base, kind);
    if (!removals.ok()) return Outcome::Failed(removals.status());
    SetChange change;
    change.removals = std::move(*removals);
    if (change.removals.empty()) return Outcome::Done({}, 1);
    Status status = fileset::ApplySetChange(change);
    return status.ok() ? Outcome::Done({}, 1) : Outcome::Failed(status);
}

Outcome CopyFileSet(const std::string& sourceFolder, const std::string& sourceBase,
                    const std::string& targetFolder, const std::string& targetBase,
                    std::int16_t kind, const AskFunction& ask) {
    return TransferSet(sourceFolder, sourceBase, targetFolder, targetBase, kind, false, ask);
}

Outcome MoveFileSet(const std::string& sourceFolder, const std::string& sourceBase,
                    const std::string& targetFolder, const std::string& targetBase,
                    std::int16_t kind, const AskFunction& ask) {
    return TransferSet(sourceFolder, sourceBase, targetFolder, targetBase, kind, true, ask);
}

Outcome TransferFileSets(const std::string& sourceFolder, const std::vector<std::string>& bases,
                         const std::string& targetFolder, std::int16_t kind, bool move, const AskFunction& ask) {
    NamePairs names;
    for (const std::string& base : bases) names.emplace_back(Trim(base), Trim(base));
    return TransferSets(sourceFolder, names, targetFolder, kind, move, ask);
}

Outcome ImportFile(const std::string& sourceFolderIn, const std::string& targetFolderIn,
                   const std::string& fileNameIn, const AskFunction& ask) {
    const std::string name = Trim(fileNameIn);
    if (!fileset::IsPlainName(name)) return Outcome::Refused(InvalidName);
    const std::string source = fileset::WithSeparator(sourceFolderIn);
    const std::string target = fileset::WithSeparator(targetFolderIn);
    const bool sameFolder = fileset::SameFolder(source, target);
    if (Status recovered = RecoverFirst({target}); !recovered.ok()) return Outcome::Failed(recovered);
    const std::string extension = FileExtension(name);
    const std::string base = StripExtension(name);
    SetChange change;
    Result<std::vector<std::string>> removals = std::vector<std::string>{};

    if (EqualsNoCase(extension, "drw")) {
        if (sameFolder) return Outcome::Declined();
        if (!OverwriteAllowed(Fs().fileExists(target + base + ".drw"), base, ask)) return Outcome::Declined();
        auto members = fileset::FindMembers(source, base);
        if (!members.ok()) return Outcome::Failed(members.status());
        for (const fileset::Member& member : *members) {
            if (fileset::InDrawingSet(member.extension))
                change.transfers.push_back({source + member.name, target + member.name});
        }
        removals = fileset::DeletionMembers(target, base, fileset::kDrawingSet);
    } else if (EqualsNoCase(extension, "prg")) {
        if (sameFolder) return Outcome::Declined();
        if (!OverwriteAllowed(Fs().fileExists(target + base + ".prg"), base, ask)) return Outcome::Declined();
        for (const char* member : {"prg", "inf", "rpt", "stp"}) {
            const std::string from = fileset::ExistingFile(source + base + "." + member);
            if (!from.empty()) change.transfers.push_back({from, target + base + "." + member});
        }
        removals = fileset::DeletionMembers(target, base, fileset::kProgramSet);
    } else if (fileset::IsSingleImport(extension)) {
        if (sameFolder) return Outcome::Declined();
        if (!OverwriteAllowed(Fs().fileExists(target + name), name, ask)) return Outcome::Declined();
        const std::string from = fileset::ExistingFile(source + name);
        if (!from.empty()) change.transfers.push_back({from, target + name});
        removals = std::vector<std::string>{target + name};
    } else {
        // Any other file is a program under its whole name: PART1.TAP becomes
        // PART1.TAP.prg.
        if (!OverwriteAllowed(Fs().fileExists(target + name + ".prg"), name, ask)) return Outcome::Declined();
        const std::string from = fileset::ExistingFile(source + name);
        if (!from.empty()) change.transfers.push_back({from, target + name + ".prg"});
        removals = fileset::DeletionMembers(target, name, fileset::kProgramSet);
    }
    if (!removals.ok()) return Outcome::Failed(removals.status());
    change.removals = std::move(*removals);
    return Apply(change);
}

}  // namespace qv
