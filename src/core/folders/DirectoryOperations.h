// Creating, renaming and deleting the program directories of the selected
// machine (sub-folders of MachineRoot & MachineFolder; drives are never
// touched here). Each returns its outcome: Refused for a bad or existing
// name, Declined when the user answered No, Failed with a notice that names
// the directory and the file system's reason, Done otherwise.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/common/Outcome.h"

namespace qv {

constexpr const char* kInvalidDirectoryName = "Invalid Directory Name !";
constexpr const char* kNoDirectorySelected = "No Directory Selected !";

/// The trimmed text is 1 to 32 characters long.
bool NameLengthOk(const std::string& name);

/// Creates the program directory name; it does not become current.
Outcome CreateProgramDirectory(const std::string& name);

/// Renames program directory oldName (one that is no program directory is
/// refused as not selected) to newName after asking "Rename ... As
/// ... ?". A change of letter case only is a rename, not an existing name.
Outcome RenameProgramDirectory(const std::string& oldName, const std::string& newName, const AskFunction& ask);

/// Deletes program directory name with its files after asking "Delete ... !"
/// and, when it holds files, warning (beep) and asking again. A directory
/// holding folders is left whole; a deletion that stops half-way says which
/// files are already gone.
Outcome DeleteProgramDirectory(const std::string& name, const AskFunction& ask, const std::function<void()>& beep);

/// The reason of a platform failure ("<path>: <reason>"), capitalised.
std::string FailureReason(const std::string& message);

/// "No Files Deleted !", "2 Files Deleted !\nA.drw, A.prg", or for many files
/// the first and last name: the files a stopped deletion already removed.
std::string DeletedFilesText(const std::vector<std::string>& names);

}  // namespace qv
