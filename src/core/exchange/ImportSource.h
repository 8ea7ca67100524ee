// The outside side of the import window: the drives, the folder chain and
// the files of a folder, and the two imports with their count notices.
#pragma once

#include <string>
#include <vector>

#include "core/common/ListRows.h"
#include "core/common/Outcome.h"

namespace qv {

/// ExchangeMode values of the import window.
constexpr std::int16_t ImportFilesMode = 1;
constexpr std::int16_t ImportSubRoutinesMode = 3;

/// One line of the folder list: a folder of the chain from the drive's root
/// down to the folder shown, then the sub-folders of that folder.
struct FolderRow {
    std::string text;  // the folder's name ("C:\" for the root)
    std::string path;  // its full path, ending in "\"
    int depth = 0;     // indentation
};

/// What the import window shows of one outside folder.
struct OutsideFolder {
    std::string folder;              // ending in "\"
    ListRows drives;                 // "C:", "E: [Removable Drive]", the folder's drive selected
    std::vector<FolderRow> folders;  // chain, then sub-folders
    int openRow = -1;                // the row of the folder itself
};

/// The folder the window opens at: the remembered one while its drive is
/// ready and it still exists, its drive's root when only the folder is gone,
/// else the root of the system folder's drive.
std::string OpeningFolder(const std::string& remembered, const std::string& systemFolder);

/// Lists folder for the window. Fails when its drive is not ready or the
/// folder cannot be read.
Result<OutsideFolder> BrowseOutside(const std::string& folder);

/// The pattern of the pattern box: its first 12 characters, blanks around
/// them dropped.
std::string ImportPattern(const std::string& boxText);

/// The files of folder matching the pattern, in name order.
ListRows OutsideFiles(const std::string& folder, const std::string& pattern);

/// The question before an import of names into what.
std::string ImportQuestion(const std::vector<std::string>& names, std::int16_t mode, const std::string& directory);

/// Imports each name of source into the current program directory with its
/// companions. Done with the count notice; a file-system error stops the
/// import at that file: Failed, its reason, then the count of what arrived.
Outcome ImportFiles(const std::string& source, const std::vector<std::string>& names, const AskFunction& ask);

/// Copies each name of source into ReverseSubsFolder, asking before it
/// replaces one; the count notice as above.
Outcome ImportSubRoutines(const std::string& source, const std::vector<std::string>& names,
                          const AskFunction& ask);

}  // namespace qv
