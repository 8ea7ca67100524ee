// Deleting, copying, moving and importing program and drawing sets.
#include "core/exchange/FileSet.h"

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

Outcome TransferSet(const std::string& sourceFolderIn, const std::string& sourceBase,
                    const std::string& targetFolderIn, const std::string& targetBase,
                    std::int16_t kind, bool move, const AskFunction& ask) {
    if (!IsSetKind(kind)) return Outcome::Declined();
    if (!fileset::IsPlainName(sourceBase) || !fileset::IsPlainName(targetBase)) return Outcome::Refused(InvalidName);
    const std::string sourceFolder = fileset::WithSeparator(sourceFolderIn);
    const std::string targetFolder = fileset::WithSeparator(targetFolderIn);
    // A set onto itself: its own files would answer the conflict test, and
    // clearing the target would delete the source.
    if (EqualsNoCase(sourceBase, targetBase) && fileset::SameFolder(sourceFolder, targetFolder))
        return Outcome::Declined();

    if (Status recovered = RecoverFirst({sourceFolder, targetFolder}); !recovered.ok())
        return Outcome::Failed(recovered);
    const bool drawingClash = (kind & fileset::kDrawingSet) && Fs().fileExists(targetFolder + targetBase + ".drw");
    const bool programClash = (kind & fileset::kProgramSet) && Fs().fileExists(targetFolder + targetBase + ".prg");
    if (!OverwriteAllowed(drawingClash || programClash, targetBase, ask)) return Outcome::Declined();

    auto transfers = fileset::CopyMembers(sourceFolder, sourceBase, targetFolder, targetBase, kind);
    if (!transfers.ok()) return Outcome::Failed(transfers.status());
    auto removals = fileset::DeletionMembers(targetFolder, targetBase, kind);
    if (!removals.ok()) return Outcome::Failed(removals.status());
    SetChange change;
    change.transfers = std::move(*transfers);
    change.removals = std::move(*removals);
    change.move = move;
    return Apply(change);
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
