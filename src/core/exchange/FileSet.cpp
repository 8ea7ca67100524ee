// Deleting, copying, moving and importing program and drawing sets.
#include "core/exchange/FileSet.h"

#include "core/common/Messages.h"
#include "core/common/State.h"
#include "core/common/Text.h"
#include "core/exchange/FileSetMembers.h"
#include "core/exchange/SetChange.h"
#include "core/folders/DirectoryLists.h"
#include "platform/Platform.h"

namespace qv {
namespace {

using fileset::SetChange;

platform::Platform& Fs() { return platform::Current(); }

bool IsSetKind(std::int16_t kind) { return kind >= fileset::kDrawingSet && kind <= fileset::kBothSets; }

// The overwrite question every copying operation shares; without a conflict
// the answer is Yes all the same.
bool OverwriteAllowed(bool conflict, const std::string& name) {
    if (!conflict) {
        State().LastAnswer = AnswerYes;
        return true;
    }
    return Ask("\"" + name + "\" Already Exists !\n\nOverwrite It ?");
}

// A source that has vanished since it was listed brings nothing, so the
// target set it was to replace is left alone rather than deleted for nothing.
std::int16_t Apply(const SetChange& change) {
    if (change.transfers.empty()) return 1;
    Status status = fileset::ApplySetChange(change);
    if (status.ok()) return 1;
    Notify(status.message());
    return 0;
}

std::int16_t TransferSet(const std::string& sourceFolderIn, const std::string& sourceBase,
                         const std::string& targetFolderIn, const std::string& targetBase,
                         std::int16_t kind, bool move) {
    if (!IsSetKind(kind)) return 0;
    if (!fileset::IsPlainName(sourceBase) || !fileset::IsPlainName(targetBase)) {
        Refuse("Invalid File Name !");
        return 0;
    }
    const std::string sourceFolder = fileset::WithSeparator(sourceFolderIn);
    const std::string targetFolder = fileset::WithSeparator(targetFolderIn);
    // A set onto itself: its own files would answer the conflict test, and
    // clearing the target would delete the source.
    if (EqualsNoCase(sourceBase, targetBase) && fileset::SameFolder(sourceFolder, targetFolder)) return 0;

    const bool drawingClash = (kind & fileset::kDrawingSet) && Fs().fileExists(targetFolder + targetBase + ".drw");
    const bool programClash = (kind & fileset::kProgramSet) && Fs().fileExists(targetFolder + targetBase + ".prg");
    if (!OverwriteAllowed(drawingClash || programClash, targetBase)) return 0;

    SetChange change;
    change.transfers = fileset::CopyMembers(sourceFolder, sourceBase, targetFolder, targetBase, kind);
    change.removals = fileset::DeletionMembers(targetFolder, targetBase, kind);
    change.move = move;
    return Apply(change);
}

}  // namespace

void DeleteFileSet(const std::string& folderIn, const std::string& base, std::int16_t kind) {
    if (!IsSetKind(kind) || !fileset::IsPlainName(base)) return;
    SetChange change;
    change.removals = fileset::DeletionMembers(fileset::WithSeparator(folderIn), base, kind);
    if (change.removals.empty()) return;
    Status status = fileset::ApplySetChange(change);
    if (!status.ok()) Notify(status.message());
}

std::int16_t CopyFileSet(const std::string& sourceFolder, const std::string& sourceBase,
                         const std::string& targetFolder, const std::string& targetBase,
                         std::int16_t kind) {
    return TransferSet(sourceFolder, sourceBase, targetFolder, targetBase, kind, false);
}

std::int16_t MoveFileSet(const std::string& sourceFolder, const std::string& sourceBase,
                         const std::string& targetFolder, const std::string& targetBase,
                         std::int16_t kind) {
    return TransferSet(sourceFolder, sourceBase, targetFolder, targetBase, kind, true);
}

std::int16_t ImportFile(const std::string& sourceFolderIn, const std::string& targetFolderIn,
                        const std::string& fileNameIn) {
    const std::string name = Trim(fileNameIn);
    if (!fileset::IsPlainName(name)) {
        Refuse("Invalid File Name !");
        return 0;
    }
    const std::string source = fileset::WithSeparator(sourceFolderIn);
    const std::string target = fileset::WithSeparator(targetFolderIn);
    const bool sameFolder = fileset::SameFolder(source, target);
    const std::string extension = FileExtension(name);
    const std::string base = StripExtension(name);
    SetChange change;

    if (EqualsNoCase(extension, "drw")) {
        if (sameFolder) return 0;
        if (!OverwriteAllowed(Fs().fileExists(target + base + ".drw"), base)) return 0;
        for (const fileset::Member& member : fileset::FindMembers(source, base)) {
            if (fileset::InDrawingSet(member.extension))
                change.transfers.push_back({source + member.name, target + member.name});
        }
        change.removals = fileset::DeletionMembers(target, base, fileset::kDrawingSet);
    } else if (EqualsNoCase(extension, "prg")) {
        if (sameFolder) return 0;
        if (!OverwriteAllowed(Fs().fileExists(target + base + ".prg"), base)) return 0;
        for (const char* member : {"prg", "inf", "rpt", "stp"}) {
            const std::string from = fileset::ExistingFile(source + base + "." + member);
            if (!from.empty()) change.transfers.push_back({from, target + base + "." + member});
        }
        change.removals = fileset::DeletionMembers(target, base, fileset::kProgramSet);
    } else if (fileset::IsSingleImport(extension)) {
        if (sameFolder) return 0;
        if (!OverwriteAllowed(Fs().fileExists(target + name), name)) return 0;
        const std::string from = fileset::ExistingFile(source + name);
        if (!from.empty()) change.transfers.push_back({from, target + name});
        change.removals.push_back(target + name);
    } else {
        // Any other file is a program under its whole name: PART1.TAP becomes
        // PART1.TAP.prg.
        if (!OverwriteAllowed(Fs().fileExists(target + name + ".prg"), name)) return 0;
        const std::string from = fileset::ExistingFile(source + name);
        if (!from.empty()) change.transfers.push_back({from, target + name + ".prg"});
        change.removals = fileset::DeletionMembers(target, name, fileset::kProgramSet);
    }
    return Apply(change);
}

}  // namespace qv
