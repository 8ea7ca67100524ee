// Splitting a command line into the program and its arguments.
#pragma once

#include <string>
#include <vector>

namespace qv::platform {

/// Words separated by blanks or tabs; double quotes group blanks into a word
/// and are removed ("" gives an empty word). Backslashes are plain characters
/// so that Windows paths pass through unchanged.
std::vector<std::string> SplitCommandLine(const std::string& commandLine);

/// True for "C:\..." or "C:/..." (a drive letter, a colon and a separator).
bool LooksLikeDrivePath(const std::string& word);

}  // namespace qv::platform
