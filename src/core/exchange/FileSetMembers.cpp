// Member rules of program and drawing sets.
#include "core/exchange/FileSetMembers.h"

#include <set>

#include "core/common/State.h"
#include "core/common/Text.h"
#include "core/exchange/FileSet.h"
#include "platform/Platform.h"

namespace qv {

std::string FileExtension(const std::string& name) {
    const std::string trimmed = Trim(name);
    const std::size_t length = trimmed.size();
    if (length < 2 || trimmed.find('.') == std::string::npos) return "";
    // Only the last four characters may hold the dot, and never the first.
    const std::size_t lowest = length >= 4 ? length - 4 : 0;
    for (std::size_t i = length - 1; i >= 1 && i >= lowest; --i) {
        if (trimmed[i] == '.') return trimmed.substr(i + 1);
    }
    return "";
}

namespace fileset {
namespace {

bool IsOneOf(const std::string& extension, std::initializer_list<const char*> list) {
    for (const char* item : list) {
        if (EqualsNoCase(extension, item)) return true;
    }
    return false;
}

std::string MemberName(const std::string& base, const std::string& extension) {
    return extension.empty() ? base : base + "." + extension;
}

}  // namespace

Result<std::vector<Member>> FindMembers(const std::string& folder, const std::string& base) {
    std::vector<Member> members;
    Result<std::vector<std::string>> names = platform::Current().listFiles(folder, base + ".*");
    if (!names.ok()) {
        if (names.kind() == ErrorKind::NotFound) return members;
        return names.status();
    }
    for (const std::string& name : *names) {
        const std::string extension = FileExtension(name);
        // A wildcard search also finds "B.old.prg" or "B.text": not members.
        if (EqualsNoCase(name, MemberName(base, extension))) members.push_back({name, extension});
    }
    return members;
}

bool IsProgramExtension(const std::string& extension) {
    return IsOneOf(extension, {"prg", "inf", "rpt", "stp"});
}

bool InDrawingSet(const std::string& extension) {
    return !extension.empty() && !IsProgramExtension(extension);
}

bool IsMachineBound(const std::string& extension, std::int16_t kind) {
    const bool drawingBound = IsOneOf(extension, {"usr", "seq"});
    const bool programBound = EqualsNoCase(extension, "stp");
    switch (kind) {
        case kDrawingSet: return drawingBound;
        case kProgramSet: return programBound;
        case kBothSets: return drawingBound || programBound;
        default: return false;
    }
}

bool IsSingleImport(const std::string& extension) {
    return IsOneOf(extension, {"drg", "dxf", "usr", "seq", "inf", "rpt", "stp"});
}

bool MachineRuleHolds(const std::string& folder) {
    return Upper(folder).find(Upper(State().Mach.MachineFolder)) != std::string::npos;
}

std::string ExistingFile(const std::string& path) {
    platform::Platform& fs = platform::Current();
    if (!fs.fileExists(path)) return "";
    const std::size_t cut = path.find_last_of("\\/:");
    const std::string folder = cut == std::string::npos ? "" : path.substr(0, cut + 1);
    const std::string real = fs.realName(path);
    return real.empty() ? path : folder + real;
}

namespace {

const char* const kProgramOrder[] = {"prg", "inf", "rpt", "stp"};

// A program set is taken by its four names, written with these extensions;
// any other kind by a search of the folder.
Result<std::vector<Member>> KindMembers(const std::string& folder, const std::string& base, std::int16_t kind) {
    std::vector<Member> members;
    if (kind == kProgramSet) {
        for (const char* extension : kProgramOrder) {
            const std::string path = ExistingFile(folder + base + "." + extension);
            if (!path.empty()) members.push_back({path.substr(folder.size()), extension});
        }
        return members;
    }
    if (kind != kDrawingSet && kind != kBothSets) return members;
    return FindMembers(folder, base);
}

}  // namespace

Result<FolderSets> FolderSets::List(const std::string& folder) {
    FolderSets sets;
    Result<std::vector<std::string>> names = platform::Current().listFiles(folder, "*");
    if (!names.ok()) {
        if (names.kind() == ErrorKind::NotFound) return sets;
        return names.status();
    }
    for (const std::string& name : *names) {
        const std::string extension = FileExtension(name);
        const std::string base = extension.empty() ? name : name.substr(0, name.size() - extension.size() - 1);
        sets.sets_[Upper(base)].push_back({name, extension});
    }
    return sets;
}

std::vector<Member> FolderSets::all(const std::string& base) const {
    const auto it = sets_.find(Upper(base));
    return it == sets_.end() ? std::vector<Member>{} : it->second;
}

std::vector<Member> FolderSets::members(const std::string& base, std::int16_t kind) const {
    std::vector<Member> found = all(base);
    if (kind == kDrawingSet || kind == kBothSets) return found;
    std::vector<Member> program;
    if (kind != kProgramSet) return program;
    for (const char* extension : kProgramOrder) {
        // The name spelt as asked comes first, as a lookup of it finds it.
        const Member* match = nullptr;
        for (const Member& member : found) {
            if (!EqualsNoCase(member.extension, extension)) continue;
            if (!match || member.name == base + "." + extension) match = &member;
        }
        if (match) program.push_back({match->name, extension});
    }
    return program;
}

std::vector<std::string> DeletionMembersOf(const std::string& folder, const std::vector<Member>& members,
                                           std::int16_t kind) {
    std::vector<std::string> paths;
    for (const Member& member : members) {
        if (EqualsNoCase(member.extension, "nst")) continue;
        if (kind == kDrawingSet && !InDrawingSet(member.extension)) continue;
        paths.push_back(folder + member.name);
    }
    return paths;
}

std::vector<Transfer> CopyMembersOf(const std::string& sourceFolder, const std::vector<Member>& members,
                                    const std::string& targetFolder, const std::string& targetBase,
                                    std::int16_t kind) {
    std::vector<Transfer> transfers;
    std::set<std::string> targets;  // upper case: a case-sensitive host may hold B.drw and b.DRW
    const bool machineOk = MachineRuleHolds(targetFolder);
    for (const Member& member : members) {
        if (kind == kDrawingSet && !InDrawingSet(member.extension)) continue;
        if (IsMachineBound(member.extension, kind) && !machineOk) continue;
        const std::string to = targetFolder + MemberName(targetBase, member.extension);
        if (targets.insert(Upper(to)).second) transfers.push_back({sourceFolder + member.name, to});
    }
    return transfers;
}

Result<std::vector<std::string>> DeletionMembers(const std::string& folder, const std::string& base,
                                                 std::int16_t kind) {
    Result<std::vector<Member>> members = KindMembers(folder, base, kind);
    if (!members.ok()) return members.status();
    return DeletionMembersOf(folder, *members, kind);
}

Result<std::vector<Transfer>> CopyMembers(const std::string& sourceFolder, const std::string& sourceBase,
                                          const std::string& targetFolder, const std::string& targetBase,
                                          std::int16_t kind) {
    Result<std::vector<Member>> members = KindMembers(sourceFolder, sourceBase, kind);
    if (!members.ok()) return members.status();
    return CopyMembersOf(sourceFolder, *members, targetFolder, targetBase, kind);
}

std::string WithSeparator(const std::string& folder) {
    if (folder.empty() || folder.back() == '\\' || folder.back() == '/') return folder;
    // "A:" alone is the drive's current folder; keep it as given.
    if (folder.back() == ':') return folder;
    return folder + "\\";
}

bool IsPlainName(const std::string& name) {
    if (Trim(name).empty()) return false;
    return name.find_first_of("\\/:*?\"<>|") == std::string::npos;
}

bool SameFolder(const std::string& a, const std::string& b) {
    if (EqualsNoCase(a, b)) return true;
    // Other spellings, a relative form or a link may still reach the same
    // folder: only the host's identity of the folder tells.
    return platform::Current().sameEntry(a, b).value_or(false);
}

}  // namespace fileset
}  // namespace qv
