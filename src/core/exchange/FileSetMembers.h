// Which files of a folder make up a program or drawing set, and where each of
// them goes when the set is copied, moved, imported or deleted.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/Result.h"

namespace qv::fileset {

constexpr std::int16_t kDrawingSet = 1;
constexpr std::int16_t kProgramSet = 2;
constexpr std::int16_t kBothSets = 3;

/// A file of a set, as its folder spells it.
struct Member {
    std::string name;
    std::string extension;  // FileExtension of the name
};

/// One file to bring into a target folder.
struct Transfer {
    std::string from;  // full path of the existing file
    std::string to;    // full path of its new name
};

/// The files found by base & ".*" whose name is base plus one extension, or
/// base alone. Names with a second dot or a longer extension belong to no set.
/// A folder that does not exist holds none; one that cannot be read fails.
Result<std::vector<Member>> FindMembers(const std::string& folder, const std::string& base);

/// "prg", "inf", "rpt" or "stp", in any case.
bool IsProgramExtension(const std::string& extension);
/// A drawing set takes every extension that is not a program one and not empty.
bool InDrawingSet(const std::string& extension);
/// True when a file of this extension follows a set of this kind only into a
/// folder of the selected machine.
bool IsMachineBound(const std::string& extension, std::int16_t kind);
/// Extensions that an import brings in as one file under its own name.
bool IsSingleImport(const std::string& extension);
/// True when folder's path contains the selected machine's folder name.
bool MachineRuleHolds(const std::string& folder);

/// Full paths of the files that deleting the set removes (never an "nst").
Result<std::vector<std::string>> DeletionMembers(const std::string& folder, const std::string& base,
                                         std::int16_t kind);

/// The files that copying set sourceBase of sourceFolder brings to targetBase
/// in targetFolder, machine rule applied; one per target name.
Result<std::vector<Transfer>> CopyMembers(const std::string& sourceFolder, const std::string& sourceBase,
                                  const std::string& targetFolder, const std::string& targetBase,
                                  std::int16_t kind);

/// The sets of a whole folder from one listing, for work on many sets at
/// once: what FindMembers, DeletionMembers and CopyMembers would find for
/// each base name, without a look at the disc per name.
class FolderSets {
public:
    /// A folder that does not exist holds none; one that cannot be read fails.
    static Result<FolderSets> List(const std::string& folder);
    /// Every member of base, as FindMembers finds them.
    std::vector<Member> all(const std::string& base) const;
    /// The members of base for kind, as DeletionMembers and CopyMembers take them.
    std::vector<Member> members(const std::string& base, std::int16_t kind) const;

private:
    std::unordered_map<std::string, std::vector<Member>> sets_;  // by upper-case base name
};

/// DeletionMembers and CopyMembers from members already found.
std::vector<std::string> DeletionMembersOf(const std::string& folder, const std::vector<Member>& members,
                                           std::int16_t kind);
std::vector<Transfer> CopyMembersOf(const std::string& sourceFolder, const std::vector<Member>& members,
                                    const std::string& targetFolder, const std::string& targetBase,
                                    std::int16_t kind);

/// folder with a final "\" (an empty folder, the working folder, stays empty).
std::string WithSeparator(const std::string& folder);

/// True for a name that can stand alone in a folder: not blank, and without
/// separators, a drive colon or wildcard characters.
bool IsPlainName(const std::string& name);

/// True when two folders are one: the same text (letter case aside) or the
/// same existing folder by the host's identity (links, relative forms).
bool SameFolder(const std::string& a, const std::string& b);

/// The existing file at path, spelt as its folder spells it, or "" when
/// there is no such file.
std::string ExistingFile(const std::string& path);

}  // namespace qv::fileset
