// The file window's work on the program and drawing sets of a directory:
// deleting several, renaming or copying one under a new name, moving or
// copying several to another directory. Everything goes through the file-set
// operations; each returns its outcome with the count of sets really
// processed and the count message ("No Files Copied !", "1 File Copied !",
// "3 Files Copied !"). A set operation that fails stops the work: the
// outcome is Failed, with the failure and then the count of what was done
// (sets moved or copied together are done all or none).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/common/Outcome.h"

namespace qv {

/// "Delete "A" ?" for one name, "Delete 3 Files ?" for several.
std::string DeleteFilesQuestion(const std::vector<std::string>& names);
/// "Rename "A"\nAs "B" ?", or with copy "Copy "A"\nAs "B" ?".
std::string NewNameQuestion(bool copy, const std::string& source, const std::string& target);
/// "Move "A"\nTo "DIR" ?", "Copy 3 Files\nTo "DIR" ?"...
std::string TransferQuestion(bool move, const std::vector<std::string>& names, const std::string& directory);

/// Deletes the sets of names in folder; the count is the number of names.
Outcome DeleteFiles(const std::string& folder, const std::vector<std::string>& names, std::int16_t kind);

/// Renames set source to target within folder. A change of letter case only
/// renames each member in place.
Outcome RenameFile(const std::string& folder, const std::string& source, const std::string& target,
                   std::int16_t kind, const AskFunction& ask);

/// Copies set source to target within folder.
Outcome CopyFileAs(const std::string& folder, const std::string& source, const std::string& target,
                   std::int16_t kind, const AskFunction& ask);

/// Moves or copies the sets of names to targetFolder under their own names,
/// all or none; a set whose overwrite the user refuses counts 0.
Outcome TransferFiles(const std::string& sourceFolder, const std::vector<std::string>& names,
                      const std::string& targetFolder, std::int16_t kind, bool move, const AskFunction& ask);

}  // namespace qv
