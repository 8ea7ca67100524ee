// Access to the installation's required files and folders, with the one
// message start-up gives when a required file is missing or unreadable.
#pragma once

#include <string>
#include <vector>

#include "core/common/TextFile.h"
#include "platform/Result.h"

namespace qv {

/// "The machine list "C:\QUORVANE\Machine.lst" is missing." or "... cannot
/// be read (reason)." what names the file's role.
Status RequiredFileError(const std::string& what, const std::string& path,
                         const std::string& reason = std::string());

/// The lines of a required file, or RequiredFileError.
Result<std::vector<std::string>> ReadRequiredLines(const std::string& what,
                                                   const std::string& path);

/// A field reader over a required file, or RequiredFileError.
Result<FieldReader> OpenRequiredFields(const std::string& what, const std::string& path);

/// Creates the folder when nothing of that name exists (a file of the same
/// name counts as present). Failures are not reported: a missing folder
/// shows up where it is used.
void MakeFolderIfMissing(const std::string& path);

}  // namespace qv
