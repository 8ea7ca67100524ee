// The recent-program memory: the one program last worked on and its
// directory, kept in "Lastfile.lst" in the system folder across runs.
#pragma once

#include <string>

#include "platform/Result.h"

namespace qv {

/// SystemFolder & "Lastfile.lst".
std::string RecentFilePath();

/// Remembers program name in directory (both trimmed). A drive entry (a
/// directory holding ":") or an empty text leaves the memory as it was.
/// A name holding a comma or a quote is written quoted so it reads back
/// whole. The error when the memory could not be written.
Status RememberLastFile(const std::string& directory, const std::string& name);

/// The remembered directory and program when the program still exists in
/// the current machine's folder. Otherwise false, and the memory is emptied
/// so a stale entry is tested only once. A missing memory file is the empty
/// memory. directory and name keep what was read even when false.
bool RecallLastFile(std::string& directory, std::string& name);

/// Empties the memory: "Lastfile.lst" holds the single line "******".
Status ResetLastFile();

}  // namespace qv
