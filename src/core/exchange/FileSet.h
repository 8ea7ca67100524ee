// Program and drawing file sets: the only operations that delete, copy, move
// or import a program or a drawing, always together with its companion files.
//
// A set is every file of one base name that belongs to the chosen kind
// (1 drawing set, 2 program set, 3 both). Folders end in "\"; names are
// joined to them directly. Each operation either completes or leaves both
// folders as they were: copies are staged under temporary names in the target
// folder and renamed into place, files they replace are kept aside until the
// new set is whole, and a move deletes its sources last, once any copies it
// made are flushed to the disc. A file-system error stops the operation at
// that file; the outcome names it and the reason.
//
// Each operation returns its outcome: Done with count 1 when the set was
// processed, Declined (count 0) when the user answered No or there was
// nothing to do, Refused for a bad name, Failed with the error's kind.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/common/Outcome.h"

namespace qv {

/// The extension as the suite takes it: at most three characters after a dot
/// that is not the first character, case kept; "" when there is none
/// ("A.B" gives "B", "NAME." and "FILE.TEXT" and ".prg" give "").
std::string FileExtension(const std::string& name);

/// The shared overwrite question: "\"<name>\" Already Exists !\n\nOverwrite It ?".
std::string OverwriteQuestion(const std::string& name);

/// Asks the overwrite question through ask when there is a conflict and keeps
/// the answer in LastAnswer (Yes without a conflict). True to go on.
bool OverwriteAllowed(bool conflict, const std::string& name, const AskFunction& ask);

/// Deletes the set of base name in folder; files with the extension "nst"
/// are never deleted. Any other kind does nothing (Declined).
Outcome DeleteFileSet(const std::string& folder, const std::string& base, std::int16_t kind);

/// Copies the set sourceBase in sourceFolder to targetBase in targetFolder,
/// asking before it replaces an existing target set (the answer is kept in
/// LastAnswer). A set onto itself, or another kind, is Declined.
Outcome CopyFileSet(const std::string& sourceFolder, const std::string& sourceBase,
                    const std::string& targetFolder, const std::string& targetBase,
                    std::int16_t kind, const AskFunction& ask);

/// As CopyFileSet, then the sources of the files that went across are
/// removed; within one drive the files are renamed instead of copied.
Outcome MoveFileSet(const std::string& sourceFolder, const std::string& sourceBase,
                    const std::string& targetFolder, const std::string& targetBase,
                    std::int16_t kind, const AskFunction& ask);

/// Copies or moves the sets of several base names from sourceFolder into
/// targetFolder under the same names as one change: every overwrite question
/// first, then all the sets go across or, on a failure, none. The count is
/// the number of sets processed; a refused overwrite counts 0.
Outcome TransferFileSets(const std::string& sourceFolder, const std::vector<std::string>& bases,
                         const std::string& targetFolder, std::int16_t kind, bool move, const AskFunction& ask);

/// Brings one file, named with its extension, from another folder into
/// targetFolder: a drawing or program with its companions, a single companion
/// file, or a file of any other extension as a program named "<file>.prg".
/// An import from a folder onto itself is Declined.
Outcome ImportFile(const std::string& sourceFolder, const std::string& targetFolder,
                   const std::string& fileName, const AskFunction& ask);

}  // namespace qv
